#include "encourage/greetings.h"
#include "encourage/milestones.h"
#include "encourage/tips.h"
#include "support/defaultlocale.h"
#include "support/fakes.h"

#include <QFile>
#include <QLocale>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <optional>

namespace {

SmokeFreeTime at(qint64 days, int hours, int minutes)
{
    return {days, hours, minutes, 0};
}

// What the companion and the doctor say at each rule, word for word.
const std::array<QString, 33> companionSays = {
    QString(),
    QStringLiteral("Welcome %1. Congratulations on your decision to stop smoking! If this is the first time you are "
                   "using the program, feel free to explore..."),
    QStringLiteral("10 minutes smoke free...  a good start."),
    QStringLiteral("Don't forget to prepare yourself for the comming days. Read the tips provided by the professor."),
    QStringLiteral("TIP : If you feel like smoking, take a walk and get some fresh air. It will also give you time to "
                   "think about it."),
    QStringLiteral("More then 40 minutes smoke free. well done."),
    QStringLiteral("Almost 1 hour. Don't forget to make a list of reason why YOU don't want to smoke. Keep this list "
                   "available to read at all time."),
    QStringLiteral("Congratulations, you have not smoked for more then 1 hour, keep up the good work."),
    QStringLiteral("You are smoke-free for more then 2 hours. This was easy, right?"),
    QStringLiteral("More then 3 hours smoke free!"),
    QStringLiteral("Well done. 4 hours smoke free!"),
    QStringLiteral("You are doing great! Don't forget to read the stop-tips provided by the professor."),
    QStringLiteral("Congratulations, more then 8 hours smoke free!"),
    QStringLiteral("Keep it up! You earned a star for not smoking for 24 hours."),
    QStringLiteral("Perfect, you are on the right path."),
    QStringLiteral("You're almost 2 days smoke free!"),
    QStringLiteral("2 days smoke free! You earned a star today!"),
    QStringLiteral("In less then %1 hours, you're 3 days smoke free!"),
    QStringLiteral("This is a difficult day, but if you can make it trough this day, the next days will be easier!"),
    QStringLiteral("How do you feel? Try to be strong."),
    QStringLiteral("I'm proud of you! 4 days smoke free!"),
    QStringLiteral("5 days, very nice! Your withdrawal symptoms should start to dissapear slowly."),
    QStringLiteral("6 days, excellent! Just don't smoke this day, and you will earn a star for 1 week smoke free!"),
    QStringLiteral("One week! I knew you could do it! You earned a star for not smoking for a week."),
    QStringLiteral("Good job.  8 days smoke free! "),
    QStringLiteral("9 days. This is something to be proud of!"),
    QStringLiteral("10 days. Go do something nice for yourself. You deserve it!"),
    QStringLiteral("11 days. Just 3 more days, and you will have been smoke free for 2 weeks, and most withdrawal "
                   "symptoms will dissapear"),
    QStringLiteral("12 days. Aren't you feeling great?!"),
    QStringLiteral("13 days. Keep it up. 1 more day and you have not smoked for 2 weeks!"),
    QStringLiteral("2 weeks!!!"),
    QStringLiteral("You gone through the most difficult period! It would be really stupid to start smoking again!"),
    QStringLiteral("Congratulations %1. You have not smoked for %2 days!"),
};

QString doctorSays(int rule)
{
    switch (rule) {
    case 4:
        return QStringLiteral("Good job, you bloodpressure is back to a normal level now.");
    case 7:
        return QStringLiteral("Very good. Your pulse rate is normal again.");
    case 12:
        return QStringLiteral("Good! Your oxygen levels in your blood are normal again.");
    case 13:
        return QStringLiteral("Well done. Your blood carbon monoxide levels have dropped to normal.");
    case 14:
        return QStringLiteral("Feeling any withdrawal symptoms?");
    case 15:
        return QStringLiteral("Maybe you don't feel great now, but you are doing a great job!");
    case 16:
        return QStringLiteral("Very nice! Your chance of having a heart attack has decreased and your sense of taste "
                              "and smell has returned to a normal level.");
    case 17:
        return QStringLiteral("My compliments. All nicotine has left your body!");
    case 18:
        return QStringLiteral("Your energy levers are increasing!");
    case 19:
        return QStringLiteral("Physical withdrawal peaks within 72 hours, so tomorrow you will feel better.");
    case 20:
        return QStringLiteral("How do you feel? I hope you feel a lot better now.");
    case 21:
        return QStringLiteral("Because you have quit, certain nerve endings have already re-grown.");
    case 30:
        return QStringLiteral("Your circulation is increasing, and it will continue to improve for the next 10 weeks!");
    default:
        return QStringLiteral("How are you feeling?");
    }
}

// Which rule the user sees, read off the table of what the user sees at each
// stretch of time; 0 is "Hi." for the companion and the question for the
// doctor.
struct Seen
{
    int companion;
    int doctor;
};

Seen seenAt(qint64 days, int hours, int minutes)
{
    if (days == 0 && hours == 0) {
        const int companion = minutes < 10   ? 1
                              : minutes < 20 ? 2
                              : minutes < 30 ? 3
                              : minutes < 40 ? 4
                              : minutes < 50 ? 5
                                             : 6;
        return {companion, minutes >= 30 ? 4 : 0};
    }
    if (days == 0 && hours <= 4)
        return {6 + hours, hours == 1 ? 7 : 0};
    if (days == 0)
        return hours <= 8 ? Seen{11, 0} : Seen{12, 12};
    if (days == 1)
        return hours <= 7 ? Seen{13, 13} : hours == 8 ? Seen{0, 0} : hours <= 20 ? Seen{14, 14} : Seen{15, 15};
    if (days == 2 || days == 3) {
        const int first = days == 2 ? 16 : 18;
        return hours <= 11 ? Seen{first, first} : hours == 12 ? Seen{0, 0} : Seen{first + 1, first + 1};
    }
    if (days <= 15) {
        const int rule = int(days) + 16;
        return {rule, (rule == 20 || rule == 21 || rule == 30) ? rule : 0};
    }
    return {32, 0};
}

QString expectedCompanion(int rule, qint64 days, int hours, const QString &name)
{
    switch (rule) {
    case 0:
        return QStringLiteral("Hi.");
    case 1:
        return companionSays[1].arg(name);
    case 17:
        return companionSays[17].arg(24 - hours);
    case 32:
        return companionSays[32].arg(name).arg(days);
    default:
        return companionSays[rule];
    }
}

QByteArray numberedLines(int count, const char *ending)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "line " + QByteArray::number(i) + ending;
    return bytes;
}

} // namespace

using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalText)

namespace QTest {
template<>
char *toString(const OptionalText &text)
{
    return text ? QTest::toString(QString(u'"' + *text + u'"')) : qstrdup("nothing");
}
} // namespace QTest

class EncourageLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void milestoneAtEveryMinute_data();
    void milestoneAtEveryMinute();
    void milestoneTexts_data();
    void milestoneTexts();

    void greeting_data();
    void greeting();
    void greetingsComeInEqualShares();

    void tipsAllowed_data();
    void tipsAllowed();
    void tipFiles_data();
    void tipFiles();
    void draws_data();
    void draws();
    void emptyFileDrawsTheFallback();
    void missingFileKeepsEarlierEntries();
    void shorterFileKeepsEntriesBeyondIt();
    void unreadableInputsStayBounded_data();
    void unreadableInputsStayBounded();
    void threeTipsComeInEqualShares();
    void fallbacks();
    void shippedTipFiles_data();
    void shippedTipFiles();

private:
    QString write(const QByteArray &bytes);
    QTemporaryDir m_folder;
    int m_files = 0;
};

QString EncourageLogicTest::write(const QByteArray &bytes)
{
    const QString path = m_folder.filePath(QStringLiteral("tips%1.txt").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void EncourageLogicTest::milestoneAtEveryMinute_data()
{
    QTest::addColumn<qint64>("days");
    for (qint64 days = 0; days <= 20; ++days)
        QTest::addRow("day %lld", days) << days;
    for (qint64 days : {31, 32, 100, 364, 365, 400, 32767})
        QTest::addRow("day %lld", days) << days;
}

// Every minute of the day against the table of what the user sees.
void EncourageLogicTest::milestoneAtEveryMinute()
{
    QFETCH(qint64, days);
    const QString name = QStringLiteral("Ann");
    for (int hours = 0; hours < 24; ++hours) {
        for (int minutes = 0; minutes < 60; ++minutes) {
            const Seen seen = seenAt(days, hours, minutes);
            const MilestoneMessage message = milestoneMessage(at(days, hours, minutes), name);
            const QString where = QStringLiteral("at %1:%2").arg(hours).arg(minutes);
            QVERIFY2(message.companion == expectedCompanion(seen.companion, days, hours, name),
                     qPrintable(where + QStringLiteral(": ") + message.companion));
            QVERIFY2(message.doctor == doctorSays(seen.doctor),
                     qPrintable(where + QStringLiteral(": ") + message.doctor));
        }
    }
}

void EncourageLogicTest::milestoneTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("companion");
    QTest::addColumn<QString>("doctor");

    const QString asks = QStringLiteral("How are you feeling?");
    QTest::newRow("welcome") << "en_US" << at(0, 0, 5) << "Ann"
                             << "Welcome Ann. Congratulations on your decision to stop smoking! If this is the first "
                                "time you are using the program, feel free to explore..."
                             << asks;
    QTest::newRow("welcome without a name")
        << "en_US" << at(0, 0, 0) << ""
        << "Welcome . Congratulations on your decision to stop smoking! If this is the first time you are using the "
           "program, feel free to explore..."
        << asks;
    QTest::newRow("name that looks like a placeholder")
        << "en_US" << at(0, 0, 9) << "%2 %1"
        << "Welcome %2 %1. Congratulations on your decision to stop smoking! If this is the first time you are using "
           "the program, feel free to explore..."
        << asks;
    QTest::newRow("two blanks after the dots") << "en_US" << at(0, 0, 10) << "Ann"
                                               << "10 minutes smoke free...  a good start." << asks;
    QTest::newRow("doctor keeps the half-hour remark") << "en_US" << at(0, 0, 45) << "Ann"
                                                       << "More then 40 minutes smoke free. well done."
                                                       << "Good job, you bloodpressure is back to a normal level now.";
    QTest::newRow("hours to the third day at 13") << "en_US" << at(2, 13, 0) << "Ann"
                                                  << "In less then 11 hours, you're 3 days smoke free!"
                                                  << "My compliments. All nicotine has left your body!";
    QTest::newRow("hours to the third day at 23") << "en_US" << at(2, 23, 59) << "Ann"
                                                  << "In less then 1 hours, you're 3 days smoke free!"
                                                  << "My compliments. All nicotine has left your body!";
    QTest::newRow("blank at the end of day 8") << "en_US" << at(8, 0, 0) << "Ann"
                                               << "Good job.  8 days smoke free! " << asks;
    QTest::newRow("day 16") << "en_US" << at(16, 0, 0) << "Ann"
                            << "Congratulations Ann. You have not smoked for 16 days!" << asks;
    QTest::newRow("day 16 without a name") << "en_US" << at(16, 5, 5) << ""
                                           << "Congratulations . You have not smoked for 16 days!" << asks;
    QTest::newRow("name with placeholders on day 16")
        << "en_US" << at(16, 0, 0) << "%1%2"
        << "Congratulations %1%2. You have not smoked for 16 days!" << asks;
    QTest::newRow("days without separators") << "de_DE" << at(1234, 0, 0) << "Jörg"
                                             << "Congratulations Jörg. You have not smoked for 1234 days!" << asks;
    QTest::newRow("before the stop moment") << "en_US" << at(-1, 23, 59) << "Ann"
                                            << "Hi." << asks;
}

void EncourageLogicTest::milestoneTexts()
{
    QFETCH(QString, locale);
    QFETCH(SmokeFreeTime, shown);
    QFETCH(QString, name);
    QFETCH(QString, companion);
    QFETCH(QString, doctor);
    const DefaultLocale regional(locale);
    const MilestoneMessage message = milestoneMessage(shown, name);
    QCOMPARE(message.companion, companion);
    QCOMPARE(message.doctor, doctor);
}

void EncourageLogicTest::greeting_data()
{
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<double>("draw");
    QTest::addColumn<OptionalText>("expected");

    QTest::newRow("first") << at(0, 0, 1) << 0.0 << OptionalText(QStringLiteral("Welcome back."));
    QTest::newRow("first, upper end") << at(2, 3, 59) << 0.1666 << OptionalText(QStringLiteral("Welcome back."));
    QTest::newRow("second") << at(2, 3, 30) << 0.1667 << OptionalText(QStringLiteral("Hi again."));
    QTest::newRow("third") << at(2, 3, 30) << 0.4 << OptionalText(QStringLiteral("Good job!"));
    QTest::newRow("fourth") << at(2, 3, 30) << 0.5 << OptionalText(QStringLiteral("Well done!"));
    QTest::newRow("fifth") << at(2, 3, 30) << 0.7 << OptionalText(QStringLiteral("Good to see you again!"));
    QTest::newRow("sixth") << at(2, 3, 30) << 0.9 << OptionalText(QStringLiteral("Very nice!"));
    QTest::newRow("sixth, just below one") << at(2, 3, 30) << 0.99999999 << OptionalText(QStringLiteral("Very nice!"));
    QTest::newRow("minute 0 of an hour") << at(2, 3, 0) << 0.5 << OptionalText();
    QTest::newRow("quit just started") << at(0, 0, 0) << 0.5 << OptionalText();
}

void EncourageLogicTest::greeting()
{
    QFETCH(SmokeFreeTime, shown);
    QFETCH(double, draw);
    QFETCH(OptionalText, expected);
    ScriptedRandom random;
    random.draws = {draw};
    QCOMPARE(::greeting(shown, random), expected);
    // No greeting, no draw.
    QCOMPARE(random.draws.isEmpty(), expected.has_value());
}

void EncourageLogicTest::greetingsComeInEqualShares()
{
    SeededRandom random;
    random.seed(30600);
    QHash<QString, int> seen;
    const int rounds = 60000;
    for (int i = 0; i < rounds; ++i)
        ++seen[*::greeting(at(0, 0, 1 + i % 59), random)];
    QCOMPARE(seen.size(), 6);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        QVERIFY2(qAbs(it.value() - rounds / 6) < rounds / 60, qPrintable(it.key()));
}

void EncourageLogicTest::tipsAllowed_data()
{
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("the stop moment") << at(0, 0, 0) << false;
    QTest::newRow("9 minutes") << at(0, 0, 9) << false;
    QTest::newRow("10 minutes") << at(0, 0, 10) << true;
    QTest::newRow("1 hour") << at(0, 1, 0) << true;
    QTest::newRow("1 day") << at(1, 0, 0) << true;
    QTest::newRow("1 day 5 minutes") << at(1, 0, 5) << true;
    QTest::newRow("a year") << at(365, 23, 59) << true;
}

void EncourageLogicTest::tipsAllowed()
{
    QFETCH(SmokeFreeTime, shown);
    QFETCH(bool, allowed);
    QCOMPARE(::tipsAllowed(shown), allowed);
}

void EncourageLogicTest::tipFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("entries");

    const QStringList three{"Drink water.", "Take a walk, then breathe.", "Call a friend"};
    QTest::newRow("CR LF") << QByteArray("Drink water.\r\nTake a walk, then breathe.\r\nCall a friend\r\n") << 3
                           << three;
    QTest::newRow("lone CR") << QByteArray("Drink water.\rTake a walk, then breathe.\rCall a friend\r") << 3 << three;
    QTest::newRow("LF") << QByteArray("Drink water.\nTake a walk, then breathe.\nCall a friend\n") << 3 << three;
    QTest::newRow("last line without an end")
        << QByteArray("Drink water.\r\nTake a walk, then breathe.\nCall a friend") << 3 << three;
    QTest::newRow("blank lines are empty tips")
        << QByteArray("one\r\n\r\n\rtwo\r\n") << 4 << QStringList{"one", "", "", "two"};
    QTest::newRow("blanks and quotes kept")
        << QByteArray("  \"Quoted\", with commas  \r\n") << 1 << QStringList{"  \"Quoted\", with commas  "};
    QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 cr\xc3\xa8me \xe2\x82\xac\r\n") << 1
                           << QStringList{QStringLiteral("Café crème €")};
    QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xef\xbb\xbfTip\r\n") << 1 << QStringList{"Tip"};
    QTest::newRow("windows-1252") << QByteArray("Caf\xe9 cr\xe8me \x80 \x93quoted\x94\r\n") << 1
                                  << QStringList{QStringLiteral("Café crème € “quoted”")};
    QTest::newRow("empty file") << QByteArray() << 0 << QStringList();
}

void EncourageLogicTest::tipFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(QStringList, entries);
    TipList tips;
    tips.load(write(bytes));
    QCOMPARE(tips.count(), count);
    for (int k = 1; k <= TipList::capacity; ++k)
        QCOMPARE(tips.entry(k), k <= entries.size() ? entries.at(k - 1) : QString());
}

void EncourageLogicTest::draws_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("draw");
    QTest::addColumn<OptionalText>("expected");

    const QByteArray three("first\r\nsecond\r\nthird\r\n");
    QTest::newRow("first of three") << three << 0.0 << OptionalText("first");
    QTest::newRow("second of three") << three << 0.34 << OptionalText("second");
    QTest::newRow("third of three") << three << 0.67 << OptionalText("third");
    QTest::newRow("just below one stays on the last") << three << 0.99999999 << OptionalText("third");
    QTest::newRow("empty line") << QByteArray("first\r\n\r\nthird\r\n") << 0.5 << OptionalText("fallback");
    QTest::newRow("blank line is a tip") << QByteArray(" \r\n") << 0.5 << OptionalText(" ");
    const QByteArray many = numberedLines(150, "\r\n");
    QTest::newRow("150 lines: the first") << many << 0.0 << OptionalText("line 1");
    QTest::newRow("150 lines: the 100th") << many << 0.666 << OptionalText("line 100");
    QTest::newRow("150 lines: above 100") << many << 0.667 << OptionalText();
    QTest::newRow("150 lines: the last") << many << 0.9999 << OptionalText();
    QTest::newRow("exactly 100 lines: the last") << numberedLines(100, "\r") << 0.9999 << OptionalText("line 100");
}

void EncourageLogicTest::draws()
{
    QFETCH(QByteArray, bytes);
    QFETCH(double, draw);
    QFETCH(OptionalText, expected);
    TipList tips;
    tips.load(write(bytes));
    ScriptedRandom random;
    random.draws = {draw, 0.5};
    QCOMPARE(tips.draw(random, QStringLiteral("fallback")), expected);
    QCOMPARE(random.draws.size(), 1);
}

void EncourageLogicTest::emptyFileDrawsTheFallback()
{
    TipList tips;
    tips.load(write(QByteArray()));
    ScriptedRandom random;
    random.draws = {0.9, 0.3};
    QCOMPARE(tips.draw(random, coachFallback()), OptionalText(QStringLiteral("Don't let the nicotine control you!")));
    // A draw is used up even so, and the next one is the next in line.
    QCOMPARE(random.draws, QList<double>{0.3});
}

void EncourageLogicTest::missingFileKeepsEarlierEntries()
{
    TipList tips;
    tips.load(write("first\r\nsecond\r\n"));
    tips.load(m_folder.filePath(QStringLiteral("no such file.txt")));
    QCOMPARE(tips.count(), 0);
    QCOMPARE(tips.entry(2), QStringLiteral("second"));
    ScriptedRandom random;
    random.draws = {0.9};
    // With no lines the draw takes entry 1, which still holds the old tip.
    QCOMPARE(tips.draw(random, professorFallback()), OptionalText(QStringLiteral("first")));

    TipList fresh;
    fresh.load(m_folder.filePath(QStringLiteral("no such file.txt")));
    QCOMPARE(fresh.draw(random, professorFallback()), OptionalText(QStringLiteral("Good luck. ")));
}

void EncourageLogicTest::shorterFileKeepsEntriesBeyondIt()
{
    TipList tips;
    tips.load(write(numberedLines(120, "\r\n")));
    QCOMPARE(tips.count(), 120);
    tips.load(write("new 1\r\nnew 2\r\n"));
    QCOMPARE(tips.count(), 2);
    QCOMPARE(tips.entry(1), QStringLiteral("new 1"));
    QCOMPARE(tips.entry(3), QStringLiteral("line 3"));
    QCOMPARE(tips.entry(100), QStringLiteral("line 100"));
    QCOMPARE(tips.entry(101), QString());
    QCOMPARE(tips.entry(0), QString());
    ScriptedRandom random;
    random.draws = {0.0, 0.99};
    QCOMPARE(tips.draw(random, QString()), OptionalText("new 1"));
    QCOMPARE(tips.draw(random, QString()), OptionalText("new 2"));
}

void EncourageLogicTest::unreadableInputsStayBounded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstLength");

    QByteArray binary;
    quint32 state = 12345;
    for (int i = 0; i < 300000; ++i) {
        state = state * 1103515245u + 12345u;
        binary += char(state >> 24);
    }
    QTest::newRow("binary") << binary << -1 << -1;
    QTest::newRow("one huge line") << QByteArray(3 << 20, 'x') << 1 << TipList::maxTipLength;
    QTest::newRow("more lines than the count holds") << QByteArray(5 << 20, '\n') << 32767 << 0;
    QTest::newRow("huge file of short lines") << numberedLines(400000, "\r\n") << 32767 << 6;
    QTest::newRow("surrogate pair at the cut")
        << QByteArray(TipList::maxTipLength - 1, 'a') + "\xf0\x9f\x99\x82 more" << 1 << TipList::maxTipLength - 1;
    QTest::newRow("NUL bytes") << QByteArray("a\0b\r\nc", 6) << 2 << 3;
}

void EncourageLogicTest::unreadableInputsStayBounded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(int, firstLength);
    TipList tips;
    tips.load(write(bytes));
    if (count >= 0)
        QCOMPARE(int(tips.count()), count);
    QVERIFY(tips.count() >= 0);
    if (firstLength >= 0)
        QCOMPARE(int(tips.entry(1).size()), firstLength);
    for (int k = 1; k <= TipList::capacity; ++k)
        QVERIFY(tips.entry(k).size() <= TipList::maxTipLength);
    SeededRandom random;
    for (int i = 0; i < 1000; ++i) {
        const OptionalText tip = tips.draw(random, QStringLiteral("fallback"));
        QVERIFY(!tip || !tip->isEmpty());
    }
}

void EncourageLogicTest::threeTipsComeInEqualShares()
{
    TipList tips;
    tips.load(write("first\r\nsecond\r\nthird\r\n"));
    SeededRandom random;
    random.seed(43200);
    QHash<QString, int> seen;
    const int rounds = 30000;
    for (int i = 0; i < rounds; ++i)
        ++seen[tips.draw(random, QString()).value_or(QString())];
    QCOMPARE(seen.size(), 3);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        QVERIFY2(qAbs(it.value() - rounds / 3) < rounds / 30, qPrintable(it.key()));
}

void EncourageLogicTest::fallbacks()
{
    QCOMPARE(coachFallback(), QStringLiteral("Don't let the nicotine control you!"));
    QCOMPARE(professorFallback(), QStringLiteral("Good luck. "));
}

void EncourageLogicTest::shippedTipFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("coach") << QStringLiteral(CLEARWIND_SOURCE_DATA "/coach/randomcoach.txt");
    QTest::newRow("professor") << QStringLiteral(CLEARWIND_SOURCE_DATA "/prof/randomprof.txt");
}

// Plain UTF-8 without a byte-order mark, CR LF after every line, 60 to 100
// tips of a speech line's length, none empty, none twice.
void EncourageLogicTest::shippedTipFiles()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    QVERIFY(!utf8.hasError());

    TipList tips;
    tips.load(path);
    QVERIFY2(tips.count() >= 60 && tips.count() <= TipList::capacity, qPrintable(QString::number(tips.count())));
    QSet<QString> distinct;
    for (int k = 1; k <= tips.count(); ++k) {
        const QString tip = tips.entry(k);
        QVERIFY2(!tip.trimmed().isEmpty() && tip == tip.trimmed(), qPrintable(QString::number(k)));
        QVERIFY2(tip.size() <= 160, qPrintable(tip));
        distinct.insert(tip);
    }
    QCOMPARE(distinct.size(), int(tips.count()));
}

QTEST_GUILESS_MAIN(EncourageLogicTest)
#include "tst_encourage.moc"
