#include "encourage/cravingwords.h"

#include "platform/randomsource.h"
#include "encourage/encouragetexts.h"

#include <QCoreApplication>

#include <iterator>

namespace {


const char *const afterPassed[] = {
    QT_TRANSLATE_NOOP("EncourageTexts", "Well done! Every craving that passes makes the next one weaker."),
    QT_TRANSLATE_NOOP("EncourageTexts", "It passed, as cravings do. You were stronger."),
    QT_TRANSLATE_NOOP("EncourageTexts", "Another craving beaten. Be proud of yourself."),
};

const char *const afterSlip[] = {
    QT_TRANSLATE_NOOP("EncourageTexts", "One slip does not undo your smoke-free time. The next hour is a new start."),
    QT_TRANSLATE_NOOP("EncourageTexts", "A slip is not a relapse. You noted it, and that helps: carry on from here."),
    QT_TRANSLATE_NOOP("EncourageTexts", "Be kind to yourself. What you have gained stays gained."),
};

template<std::size_t count>
QString drawn(const char *const (&sentences)[count], RandomSource &random)
{
    return EncourageTexts::tr(sentences[random.pick(static_cast<int>(count))]);
}

} // namespace

QString wordsAfterPassedCraving(RandomSource &random)
{
    return drawn(afterPassed, random);
}

QString wordsAfterSlip(RandomSource &random)
{
    return drawn(afterSlip, random);
}
