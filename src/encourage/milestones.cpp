#include "encourage/milestones.h"

#include "platform/regionalformats.h"
#include "encourage/encouragetexts.h"

#include <QCoreApplication>

namespace {


// One count of the smoke-free time against a number.
struct Condition
{
    enum Test { Any, Equal, Less, Greater, AtLeast };
    Test test = Any;
    int value = 0;

    bool holds(qint64 count) const
    {
        switch (test) {
        case Any:
            return true;
        case Equal:
            return count == value;
        case Less:
            return count < value;
        case Greater:
            return count > value;
        case AtLeast:
            return count >= value;
        }
        return false;
    }
};

constexpr Condition any{};
constexpr Condition equal(int value)
{
    return {Condition::Equal, value};
}
constexpr Condition less(int value)
{
    return {Condition::Less, value};
}
constexpr Condition greater(int value)
{
    return {Condition::Greater, value};
}
constexpr Condition atLeast(int value)
{
    return {Condition::AtLeast, value};
}

// What goes into a text's placeholders.
enum class Fill { Nothing, Name, HoursToThirdDay, NameAndDays };

struct Rule
{
    Condition days;
    Condition hours;
    Condition minutes;
    const char *companion;
    const char *doctor; // nullptr: the doctor's line stays as it is
    Fill fill = Fill::Nothing;
};

const char *const hello = QT_TRANSLATE_NOOP("EncourageTexts", "Hi.");
const char *const doctorAsks = QT_TRANSLATE_NOOP("EncourageTexts", "How are you feeling?");

// clang-format off
const Rule rules[] = {
    {equal(0), equal(0), less(30),
     QT_TRANSLATE_NOOP("EncourageTexts", "Welcome %1. Congratulations on your decision to stop smoking! If this is the first time you are using the program, feel free to explore..."),
     nullptr, Fill::Name},
    {equal(0), equal(0), atLeast(10),
     QT_TRANSLATE_NOOP("EncourageTexts", "10 minutes smoke free...  a good start."), nullptr},
    {equal(0), equal(0), atLeast(20),
     QT_TRANSLATE_NOOP("EncourageTexts", "Don't forget to prepare yourself for the comming days. Read the tips provided by the professor."), nullptr},
    {equal(0), equal(0), atLeast(30),
     QT_TRANSLATE_NOOP("EncourageTexts", "TIP : If you feel like smoking, take a walk and get some fresh air. It will also give you time to think about it."),
     QT_TRANSLATE_NOOP("EncourageTexts", "Good job, you bloodpressure is back to a normal level now.")},
    {equal(0), equal(0), atLeast(40),
     QT_TRANSLATE_NOOP("EncourageTexts", "More then 40 minutes smoke free. well done."), nullptr},
    {equal(0), equal(0), atLeast(50),
     QT_TRANSLATE_NOOP("EncourageTexts", "Almost 1 hour. Don't forget to make a list of reason why YOU don't want to smoke. Keep this list available to read at all time."),
     nullptr},
    {equal(0), equal(1), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "Congratulations, you have not smoked for more then 1 hour, keep up the good work."),
     QT_TRANSLATE_NOOP("EncourageTexts", "Very good. Your pulse rate is normal again.")},
    {equal(0), equal(2), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "You are smoke-free for more then 2 hours. This was easy, right?"), nullptr},
    {equal(0), equal(3), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "More then 3 hours smoke free!"), nullptr},
    {equal(0), equal(4), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "Well done. 4 hours smoke free!"), nullptr},
    {equal(0), greater(4), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "You are doing great! Don't forget to read the stop-tips provided by the professor."), nullptr},
    {equal(0), greater(8), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "Congratulations, more then 8 hours smoke free!"),
     QT_TRANSLATE_NOOP("EncourageTexts", "Good! Your oxygen levels in your blood are normal again.")},
    {equal(1), less(8), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "Keep it up! You earned a star for not smoking for 24 hours."),
     QT_TRANSLATE_NOOP("EncourageTexts", "Well done. Your blood carbon monoxide levels have dropped to normal.")},
    {equal(1), greater(8), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "Perfect, you are on the right path."),
     QT_TRANSLATE_NOOP("EncourageTexts", "Feeling any withdrawal symptoms?")},
    {equal(1), greater(20), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "You're almost 2 days smoke free!"),
     QT_TRANSLATE_NOOP("EncourageTexts", "Maybe you don't feel great now, but you are doing a great job!")},
    {equal(2), less(12), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "2 days smoke free! You earned a star today!"),
     QT_TRANSLATE_NOOP("EncourageTexts", "Very nice! Your chance of having a heart attack has decreased and your sense of taste and smell has returned to a normal level.")},
    {equal(2), greater(12), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "In less then %1 hours, you're 3 days smoke free!"),
     QT_TRANSLATE_NOOP("EncourageTexts", "My compliments. All nicotine has left your body!"), Fill::HoursToThirdDay},
    {equal(3), less(12), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "This is a difficult day, but if you can make it trough this day, the next days will be easier!"),
     QT_TRANSLATE_NOOP("EncourageTexts", "Your energy levers are increasing!")},
    {equal(3), greater(12), any,
     QT_TRANSLATE_NOOP("EncourageTexts", "How do you feel? Try to be strong."),
     QT_TRANSLATE_NOOP("EncourageTexts", "Physical withdrawal peaks within 72 hours, so tomorrow you will feel better.")},
    {equal(4), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "I'm proud of you! 4 days smoke free!"),
     QT_TRANSLATE_NOOP("EncourageTexts", "How do you feel? I hope you feel a lot better now.")},
    {equal(5), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "5 days, very nice! Your withdrawal symptoms should start to dissapear slowly."),
     QT_TRANSLATE_NOOP("EncourageTexts", "Because you have quit, certain nerve endings have already re-grown.")},
    {equal(6), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "6 days, excellent! Just don't smoke this day, and you will earn a star for 1 week smoke free!"), nullptr},
    {equal(7), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "One week! I knew you could do it! You earned a star for not smoking for a week."), nullptr},
    {equal(8), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "Good job.  8 days smoke free! "), nullptr},
    {equal(9), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "9 days. This is something to be proud of!"), nullptr},
    {equal(10), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "10 days. Go do something nice for yourself. You deserve it!"), nullptr},
    {equal(11), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "11 days. Just 3 more days, and you will have been smoke free for 2 weeks, and most withdrawal symptoms will dissapear"), nullptr},
    {equal(12), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "12 days. Aren't you feeling great?!"), nullptr},
    {equal(13), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "13 days. Keep it up. 1 more day and you have not smoked for 2 weeks!"), nullptr},
    {equal(14), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "2 weeks!!!"),
     QT_TRANSLATE_NOOP("EncourageTexts", "Your circulation is increasing, and it will continue to improve for the next 10 weeks!")},
    {equal(15), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "You gone through the most difficult period! It would be really stupid to start smoking again!"), nullptr},
    {greater(15), any, any,
     QT_TRANSLATE_NOOP("EncourageTexts", "Congratulations %1. You have not smoked for %2 days!"), nullptr, Fill::NameAndDays},
};
// clang-format on

bool matches(const Rule &rule, const SmokeFreeTime &shown)
{
    return rule.days.holds(shown.days) && rule.hours.holds(shown.hours) && rule.minutes.holds(shown.minutes);
}

QString companionText(const Rule &rule, const SmokeFreeTime &shown, const QString &userName)
{
    const QString text = EncourageTexts::tr(rule.companion);
    switch (rule.fill) {
    case Fill::Nothing:
        return text;
    case Fill::Name:
        return text.arg(userName);
    case Fill::HoursToThirdDay:
        return text.arg(regional::integerToText(24 - shown.hours));
    case Fill::NameAndDays:
        // The day count exactly as the counter writes it.
        return text.arg(userName, regional::integerToText(shown.days));
    }
    return text;
}

} // namespace

MilestoneMessage milestoneMessage(const SmokeFreeTime &shown, const QString &userName)
{
    const Rule *companionRule = nullptr;
    const Rule *doctorRule = nullptr;
    for (const Rule &rule : rules) {
        if (!matches(rule, shown))
            continue;
        companionRule = &rule;
        if (rule.doctor)
            doctorRule = &rule;
    }
    MilestoneMessage message;
    message.companion = companionRule ? companionText(*companionRule, shown, userName) : EncourageTexts::tr(hello);
    message.doctor = EncourageTexts::tr(doctorRule ? doctorRule->doctor : doctorAsks);
    return message;
}
