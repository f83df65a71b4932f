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

#include <iterator>
#include <optional>

namespace {

SmokeFreeTime at(qint64 days, int hours, int minutes)
{
    return {days, hours, minutes, 0};
}

constexpr qint64 minutesPerDay = 24 * 60;

// Minutes since the stop moment; before it, the day is -1.
SmokeFreeTime atMinute(qint64 minute)
{
    const qint64 day = minute >= 0 ? minute / minutesPerDay : (minute + 1) / minutesPerDay - 1;
    const int inDay = int(minute - day * minutesPerDay);
    return at(day, inDay / 60, inDay % 60);
}

const char *const doctorAsks = "How are you feeling?";

// Where each stretch of the same milestone message begins, in time order,
// and the first words the companion and the doctor say in it; it lasts until
// the next one begins.
const struct Stretch
{
    qint64 days;
    int hours;
    int minutes;
    const char *companion;
    const char *doctor;
} stretches[] = {
    {0, 0, 0, "Welcome Ann.", doctorAsks},
    {0, 0, 10, "10 minutes", doctorAsks},
    {0, 0, 20, "Don't forget to prepare", doctorAsks},
    {0, 0, 30, "TIP :", "Good job, you bloodpressure"},
    {0, 0, 40, "More then 40 minutes", "Good job, you bloodpressure"},
    {0, 0, 50, "Almost 1 hour", "Good job, you bloodpressure"},
    {0, 1, 0, "Congratulations, you have not smoked for more then 1 hour", "Very good. Your pulse"},
    {0, 2, 0, "You are smoke-free for more then 2 hours", doctorAsks},
    {0, 3, 0, "More then 3 hours", doctorAsks},
    {0, 4, 0, "Well done. 4 hours", doctorAsks},
    {0, 5, 0, "You are doing great!", doctorAsks},
    {0, 9, 0, "Congratulations, more then 8 hours", "Good! Your oxygen"},
    {1, 0, 0, "Keep it up! You earned a star", "Well done. Your blood carbon monoxide"},
    {1, 8, 0, "Hi.", doctorAsks},
    {1, 9, 0, "Perfect", "Feeling any withdrawal"},
    {1, 21, 0, "You're almost 2 days", "Maybe you don't feel great"},
    {2, 0, 0, "2 days smoke free!", "Very nice! Your chance"},
    {2, 12, 0, "Hi.", doctorAsks},
    {2, 13, 0, "In less then ", "My compliments"},
    {3, 0, 0, "This is a difficult day", "Your energy"},
    {3, 12, 0, "Hi.", doctorAsks},
    {3, 13, 0, "How do you feel? Try", "Physical withdrawal"},
    {4, 0, 0, "I'm proud of you!", "How do you feel? I hope"},
    {5, 0, 0, "5 days", "Because you have quit"},
    {6, 0, 0, "6 days", doctorAsks},
    {7, 0, 0, "One week!", doctorAsks},
    {8, 0, 0, "Good job.  8 days", doctorAsks},
    {9, 0, 0, "9 days.", doctorAsks},
    {10, 0, 0, "10 days.", doctorAsks},
    {11, 0, 0, "11 days.", doctorAsks},
    {12, 0, 0, "12 days.", doctorAsks},
    {13, 0, 0, "13 days.", doctorAsks},
    {14, 0, 0, "2 weeks!!!", "Your circulation"},
    {15, 0, 0, "You gone through", doctorAsks},
    {16, 0, 0, "Congratulations Ann. You have not smoked for", doctorAsks},
};

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
    void milestoneStretches_data();
    void milestoneStretches();
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

void EncourageLogicTest::milestoneStretches_data()
{
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<QString>("companion");
    QTest::addColumn<QString>("doctor");
    QTest::addColumn<QString>("companionBefore");
    QTest::addColumn<QString>("doctorBefore");
    // Before the stop moment nothing is reached yet.
    const Stretch beforeTheStop{-1, 0, 0, "Hi.", doctorAsks};
    const auto minuteOf = [](const Stretch &stretch) {
        return (stretch.days * 24 + stretch.hours) * 60 + stretch.minutes;
    };
    for (size_t i = 0; i < std::size(stretches); ++i) {
        const Stretch &stretch = stretches[i];
        const Stretch &before = i > 0 ? stretches[i - 1] : beforeTheStop;
        // The last one lasts for ever: five days of it are looked at.
        const qint64 end =
            i + 1 < std::size(stretches) ? minuteOf(stretches[i + 1]) : minuteOf(stretch) + 5 * minutesPerDay;
        QTest::addRow("day %lld %02d:%02d", stretch.days, stretch.hours, stretch.minutes)
            << minuteOf(stretch) << end << stretch.companion << stretch.doctor << before.companion << before.doctor;
    }
    const QString years = stretches[std::size(stretches) - 1].companion;
    QTest::newRow("years on") << 32767 * minutesPerDay << 32768 * minutesPerDay << years << doctorAsks << years
                              << doctorAsks;
}

// Just before a stretch the message of the one before it, and at every
// minute of the stretch its own.
void EncourageLogicTest::milestoneStretches()
{
    QFETCH(qint64, first);
    QFETCH(qint64, end);
    QFETCH(QString, companion);
    QFETCH(QString, doctor);
    QFETCH(QString, companionBefore);
    QFETCH(QString, doctorBefore);
    const MilestoneMessage before = milestoneMessage(atMinute(first - 1), QStringLiteral("Ann"));
    QVERIFY2(before.companion.startsWith(companionBefore), qPrintable(before.companion));
    QVERIFY2(before.doctor.startsWith(doctorBefore), qPrintable(before.doctor));
    for (qint64 minute = first; minute < end; ++minute) {
        const MilestoneMessage message = milestoneMessage(atMinute(minute), QStringLiteral("Ann"));
        const QString where = QStringLiteral("minute %1: ").arg(minute);
        QVERIFY2(message.companion.startsWith(companion), qPrintable(where + message.companion));
        QVERIFY2(message.doctor.startsWith(doctor), qPrintable(where + message.doctor));
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
