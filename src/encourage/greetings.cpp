#include "encourage/greetings.h"

#include "platform/randomsource.h"
#include "encourage/encouragetexts.h"

#include <QCoreApplication>

#include <iterator>

namespace {


const char *const greetings[] = {
    QT_TRANSLATE_NOOP("EncourageTexts", "Welcome back."),
    QT_TRANSLATE_NOOP("EncourageTexts", "Hi again."),
    QT_TRANSLATE_NOOP("EncourageTexts", "Good job!"),
    QT_TRANSLATE_NOOP("EncourageTexts", "Well done!"),
    QT_TRANSLATE_NOOP("EncourageTexts", "Good to see you again!"),
    QT_TRANSLATE_NOOP("EncourageTexts", "Very nice!"),
};

} // namespace

std::optional<QString> greeting(const SmokeFreeTime &shown, RandomSource &random)
{
    if (shown.minutes < 1)
        return std::nullopt;
    return EncourageTexts::tr(greetings[random.pick(static_cast<int>(std::size(greetings)))]);
}
