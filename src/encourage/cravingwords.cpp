#include "encourage/cravingwords.h"

#include "platform/randomsource.h"

#include <QCoreApplication>

#include <iterator>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CravingWords)
};

const char *const afterPassed[] = {
    QT_TRANSLATE_NOOP("CravingWords", "Well done! Every craving that passes makes the next one weaker."),
    QT_TRANSLATE_NOOP("CravingWords", "It passed, as cravings do. You were stronger."),
    QT_TRANSLATE_NOOP("CravingWords", "Another craving beaten. Be proud of yourself."),
};

const char *const afterSlip[] = {
    QT_TRANSLATE_NOOP("CravingWords", "One slip does not undo your smoke-free time. The next hour is a new start."),
    QT_TRANSLATE_NOOP("CravingWords", "A slip is not a relapse. You noted it, and that helps: carry on from here."),
    QT_TRANSLATE_NOOP("CravingWords", "Be kind to yourself. What you have gained stays gained."),
};

template<std::size_t count>
QString drawn(const char *const (&sentences)[count], RandomSource &random)
{
    return Texts::tr(sentences[random.pick(static_cast<int>(count))]);
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
