#include "encourage/greetings.h"

#include "platform/randomsource.h"

#include <QCoreApplication>

#include <iterator>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Greetings)
};

const char *const greetings[] = {
    QT_TRANSLATE_NOOP("Greetings", "Welcome back."),
    QT_TRANSLATE_NOOP("Greetings", "Hi again."),
    QT_TRANSLATE_NOOP("Greetings", "Good job!"),
    QT_TRANSLATE_NOOP("Greetings", "Well done!"),
    QT_TRANSLATE_NOOP("Greetings", "Good to see you again!"),
    QT_TRANSLATE_NOOP("Greetings", "Very nice!"),
};

} // namespace

std::optional<QString> greeting(const SmokeFreeTime &shown, RandomSource &random)
{
    if (shown.minutes < 1)
        return std::nullopt;
    return Texts::tr(greetings[random.pick(static_cast<int>(std::size(greetings)))]);
}
