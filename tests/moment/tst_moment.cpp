#include "moment/plans.h"
#include "moment/reasonlines.h"
#include "moment/reminder.h"
#include "moment/slipnote.h"
#include "platform/translation.h"
#include "support/checked.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <sys/stat.h>

using namespace journey;

// What the journey offers when a craving comes: the user's plans, and the
// reminder before the usual hour.
class MomentTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(translation::install()); }

    void plansFile_data();
    void plansFile();
    void keptPlan_data();
    void keptPlan();
    void everyTriggerHasASuggestion();
    void slipNote_data();
    void slipNote();
    void reasonLines_data();
    void reasonLines();
    void nextReminder_data();
    void nextReminder();
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The plans of a book as "key=plan", in the order of the triggers.
QString plansOf(const PlanBook &book)
{
    QStringList plans;
    for (const auto &[trigger, plan] : book.plans)
        plans << triggerKey(trigger) + u'=' + plan;
    return plans.join(u' ');
}

} // namespace

void MomentTest::plansFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("plan"); // set for Coffee
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("unreadable");
    QTest::addColumn<QString>("problem"); // "?": any reason
    QTest::addColumn<QByteArray>("after");
    const QByteArray header = "trigger,plan\r\n";
    const QString plan = "walk, then \"tea\"";
    const QByteArray record = "coffee,\"walk, then \"\"tea\"\"\"\r\n";
    QTest::newRow("missing") << "missing" << QByteArray() << plan << "" << 0 << "" << header + record;
    QTest::newRow("empty") << "file" << QByteArray() << plan << "" << 0 << "" << header + record;
    QTest::newRow("a BOM alone") << "file" << QByteArray("\xEF\xBB\xBF") << plan << "" << 0 << ""
                                 << "\xEF\xBB\xBF" + header + record;
    QTest::newRow("replaced in its place") << "file" << header + "stress,breathe\r\ncoffee,old\r\nmeal,walk\r\n"
                                           << plan << "stress=breathe meal=walk coffee=old" << 0 << ""
                                           << header + "stress,breathe\r\n" + record + "meal,walk\r\n";
    QTest::newRow("what is not ours kept byte for byte")
        << "file" << QByteArray("Trigger,Plan\ntea,\"x\"\nbroken\"row\ncoffee,old,extra\n\nwaking,\"a\nb\"\n") << plan
        << "waking=a b" << 3 << ""
        << "Trigger,Plan\ntea,\"x\"\nbroken\"row\ncoffee,old,extra\n\nwaking,\"a\nb\"\n" + record;
    QTest::newRow("twice: the last is read, one is written")
        << "file" << QByteArray("coffee,a\r\nstress,s\r\ncoffee,b") << plan << "stress=s coffee=b" << 0 << ""
        << record + "stress,s\r\n";
    QTest::newRow("removed") << "file" << header + "coffee,old\r\nstress,s\r\n"
                             << " \r\n "
                             << "stress=s coffee=old" << 0 << "" << header + "stress,s\r\n";
    QTest::newRow("nothing to remove, nothing written") << "missing" << QByteArray() << ""
                                                        << "" << 0 << "" << QByteArray();
    QTest::newRow("an empty plan is none") << "file" << header + "coffee,\r\nstress,\" \"\r\n"
                                           << plan << "" << 0 << "" << header + record + "stress,\" \"\r\n";
    QTest::newRow("the last row without a line end")
        << "file" << header + "stress,s" << plan << "stress=s" << 0 << "" << header + "stress,s\r\n" + record;
    QTest::newRow("before an unfinished record")
        << "file" << header + "stress,\"open" << plan << "" << 1 << "" << header + record + "stress,\"open";
    QTest::newRow("windows-1252") << "file" << QByteArray("coffee,caf\xe9") << ""
                                  << "coffee=caf\u00e9" << 0 << "" << QByteArray();
    const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0\r\"IHDR\0\xff", 16);
    QTest::newRow("binary") << "file" << binary << plan << "" << 4 << "" << binary.left(12) + record + binary.mid(12);
    QTest::newRow("a folder") << "folder" << QByteArray() << plan << "" << 0 << "it is a folder, not a file of plans"
                              << QByteArray();
    QTest::newRow("a pipe") << "pipe" << QByteArray() << plan << "" << 0 << "it is not a file of plans" << QByteArray();
    QTest::newRow("a 10 MB field") << "file"
                                   << "coffee,\"" + QByteArray(10 * 1024 * 1024, 'x') + "\"\r\n"
                                   << plan << "" << 0 << "it is larger than 1 MB, too large to be a file of plans"
                                   << QByteArray();
    QTest::newRow("a read that fails") << "failing" << QByteArray() << plan << "" << 0 << "?" << QByteArray();
    QTest::newRow("through a link out of the folder") << "outside" << header + "coffee,old\r\n"
                                                      << plan << "" << 0 << "?" << QByteArray();
}

void MomentTest::plansFile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QTemporaryDir root;
    const QString user = root.filePath(QStringLiteral("user"));
    QVERIFY(QDir().mkpath(user + QStringLiteral("/journey")));
    const PlansFile file(user + QStringLiteral("/journey/plans.csv"), user);
    if (kind == QLatin1String("file"))
        CHECKED(writeBytes(file.path(), bytes));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(file.path()));
    if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(file.path()).constData(), 0600), 0);
    if (kind == QLatin1String("failing"))
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), file.path()));
    if (kind == QLatin1String("outside")) {
        CHECKED(writeBytes(root.filePath(QStringLiteral("elsewhere.csv")), bytes));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("elsewhere.csv")), file.path()));
    }

    const PlanBook book = file.read();
    QCOMPARE(book.readable, problem.isEmpty());
    if (problem == QLatin1String("?"))
        QVERIFY(!book.problem.isEmpty() && !book.problem.contains(file.path()));
    else
        QCOMPARE(book.problem, problem);
    QTEST(plansOf(book), "read");
    QTEST(book.unreadableRows, "unreadable");

    QFETCH(QString, plan);
    const QFileInfo before(file.path());
    const textfiles::WriteResult written = file.setPlan(Trigger::Coffee, plan);
    QCOMPARE(written.ok, problem.isEmpty());
    if (!written.ok) {
        // Said why, and what was there is there as it was.
        QCOMPARE(written.error, book.problem);
        const QFileInfo after(file.path());
        QVERIFY(after.isDir() == before.isDir() && after.isFile() == before.isFile() && after.size() == before.size());
        if (kind == QLatin1String("outside"))
            QCOMPARE(contents(root.filePath(QStringLiteral("elsewhere.csv"))), bytes);
        return;
    }
    QFETCH(QByteArray, after);
    QCOMPARE(QFileInfo::exists(file.path()), kind != QLatin1String("missing") || !after.isEmpty());
    if (!after.isEmpty())
        QCOMPARE(contents(file.path()), after);
    // Read back, the plan is the one set, and every other row as it was.
    if (!plan.isEmpty()) {
        const PlanBook again = file.read();
        QCOMPARE(again.plan(Trigger::Coffee), journey::keptPlan(plan));
        QCOMPARE(again.unreadableRows, book.unreadableRows);
    }
}

void MomentTest::keptPlan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    const QString a199(199, u'a');
    const QString smile = QString::fromUtf8("\U0001F600");
    QTest::newRow("line breaks become spaces") << "a\r\nb\nc\rd\u2028e"
                                               << "a b c d e";
    QTest::newRow("trimmed") << "  walk \n"
                             << "walk";
    QTest::newRow("200 characters") << a199 + 'b' << a199 + 'b';
    QTest::newRow("201 characters") << a199 + "bc" << a199 + 'b';
    QTest::newRow("a pair of code units at the end") << a199.left(198) + smile << a199.left(198) + smile;
    QTest::newRow("a pair of code units across the cut") << a199 + smile << a199;
    QTest::newRow("an accent across the cut") << a199 + "e\u0301" << a199;
}

void MomentTest::keptPlan()
{
    QFETCH(QString, text);
    QTEST(journey::keptPlan(text), "kept");
}

// What the user said after a slip goes into the craving's note after their
// own words, and reads back as they said it, each answer one short line.
void MomentTest::slipNote_data()
{
    QTest::addColumn<SlipAnswers>("given");
    QTest::addColumn<QString>("note");
    QTest::addColumn<SlipAnswers>("readBack");
    const QString a59(59, u'a');
    const QString smile = QString::fromUtf8("\U0001F600");
    QTest::newRow("all three") << SlipAnswers{"After lunch", "at the pub", "Tom"}
                               << "After lunch; where: at the pub; with: Tom"
                               << SlipAnswers{"After lunch", "at the pub", "Tom"};
    QTest::newRow("no note of their own")
        << SlipAnswers{"", "home", ""} << "where: home" << SlipAnswers{"", "home", ""};
    QTest::newRow("no answers") << SlipAnswers{"tired", "", ""} << "tired" << SlipAnswers{"tired", "", ""};
    QTest::newRow("only with whom") << SlipAnswers{"x", "", "Ann"} << "x; with: Ann" << SlipAnswers{"x", "", "Ann"};
    // Neither the separator nor a line break gets into an answer.
    QTest::newRow("a separator and breaks in answers")
        << SlipAnswers{"n", "pub; bar", "Tom\r\nand\tAnn"} << "n; where: pub, bar; with: Tom and Ann"
        << SlipAnswers{"n", "pub, bar", "Tom and Ann"};
    QTest::newRow("61 characters, cut at 60")
        << SlipAnswers{"", a59 + "bc", ""} << "where: " + a59 + "b" << SlipAnswers{"", a59 + "b", ""};
    QTest::newRow("a pair of code units across the cut")
        << SlipAnswers{"", "", a59 + smile} << "with: " + a59 << SlipAnswers{"", "", a59};
    QTest::newRow("a note that is only a note")
        << SlipAnswers{"where I was: home", "", ""} << "where I was: home" << SlipAnswers{"where I was: home", "", ""};
}

void MomentTest::slipNote()
{
    QFETCH(SlipAnswers, given);
    QFETCH(QString, note);
    QFETCH(SlipAnswers, readBack);
    QCOMPARE(noteWithSlipAnswers(given), note);
    QCOMPARE(slipAnswersOf(note), readBack);
}

// What "Ride it out" quotes of the personal reasons: a glance, never the page.
void MomentTest::reasonLines_data()
{
    QTest::addColumn<QByteArray>("rtf"); // empty: no file
    QTest::addColumn<QString>("lines");
    const QString longLine(200, u'x');
    QTest::newRow("no file") << QByteArray() << "";
    QTest::newRow("the first three") << QByteArray("{\\rtf1 One\\par Two\\par Three\\par Four\\par}")
                                     << "One\nTwo\nThree";
    QTest::newRow("blank lines and the invitation left out")
        << QByteArray("{\\rtf1 Enter your personal reason not to smoke here.\\par\\par  \\par For Lena\\par}")
        << "For Lena";
    QTest::newRow("a long line shortened") << "{\\rtf1 " + longLine.toLatin1() + "\\par}"
                                           << QString(159, u'x') + QChar(0x2026);
    QTest::newRow("larger than a page or two")
        << "{\\rtf1 For Lena\\par " + QByteArray(256 * 1024, ' ') + "}" << "";
}

void MomentTest::reasonLines()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, lines);
    QTemporaryDir user;
    const QString path = user.filePath(QStringLiteral("personal.rtf"));
    if (!rtf.isEmpty())
        CHECKED(writeBytes(path, rtf));
    QCOMPARE(firstReasonLines(path, user.path()), lines);
}

// Each rest of "When <trigger>, I will ...", as a plan of its own could be.
void MomentTest::everyTriggerHasASuggestion()
{
    for (const TriggerName &name : triggerNames()) {
        const QString suggestion = suggestedPlan(name.trigger);
        if (name.trigger == Trigger::NotSaid) {
            QCOMPARE(suggestion, QString());
            continue;
        }
        QVERIFY2(!suggestion.isEmpty() && suggestion.front().isLower() && suggestion.endsWith(u'.'), name.key);
        QCOMPARE(journey::keptPlan(suggestion), suggestion);
    }
}

void MomentTest::nextReminder_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("cravings");
    QTest::addColumn<int>("hour"); // -1: none
    QTest::addColumn<QDate>("lastShown");
    QTest::addColumn<QString>("next"); // empty: none
    const QString morning = "2026-03-05T08:00:00+01:00";
    const QDate today(2026, 3, 5);
    QTest::newRow("off") << morning << false << 12 << 21 << QDate() << "";
    QTest::newRow("nine cravings") << morning << true << 9 << 21 << QDate() << "";
    QTest::newRow("no usual hour") << morning << true << 12 << -1 << QDate() << "";
    QTest::newRow("later today") << morning << true << 10 << 21 << QDate() << "2026-03-05T20:50:00+01:00";
    QTest::newRow("shown yesterday") << morning << true << 10 << 21 << today.addDays(-1) << "2026-03-05T20:50:00+01:00";
    QTest::newRow("shown today") << morning << true << 10 << 21 << today << "2026-03-06T20:50:00+01:00";
    QTest::newRow("in the ten minutes: at once")
        << "2026-03-05T20:55:00+01:00" << true << 10 << 21 << QDate() << "2026-03-05T20:55:00+01:00";
    QTest::newRow("the hour begun: tomorrow")
        << "2026-03-05T21:00:00+01:00" << true << 10 << 21 << QDate() << "2026-03-06T20:50:00+01:00";
    QTest::newRow("midnight: the evening before")
        << morning << true << 10 << 0 << QDate() << "2026-03-05T23:50:00+01:00";
    QTest::newRow("midnight, shown this evening")
        << "2026-03-05T23:55:00+01:00" << true << 10 << 0 << today << "2026-03-06T23:50:00+01:00";
    // Berlin's clocks skip from 02:00 to 03:00 on 29 March 2026, and pass from 03:00 back to 02:00 on 25 October.
    QTest::newRow("summer time begins: the hour skipped")
        << "2026-03-28T12:00:00+01:00" << true << 10 << 2 << QDate() << "2026-03-29T01:50:00+01:00";
    QTest::newRow("summer time begins: an hour of the summer")
        << "2026-03-28T12:00:00+01:00" << true << 10 << 9 << QDate() << "2026-03-29T08:50:00+02:00";
    QTest::newRow("summer time ends: the hour twice")
        << "2026-10-24T12:00:00+02:00" << true << 10 << 2 << QDate() << "2026-10-25T01:50:00+02:00";
    QTest::newRow("summer time ends: the hour after")
        << "2026-10-24T12:00:00+02:00" << true << 10 << 3 << QDate() << "2026-10-25T02:50:00+01:00";
}

void MomentTest::nextReminder()
{
    QFETCH(QString, now);
    QFETCH(bool, enabled);
    QFETCH(int, cravings);
    QFETCH(int, hour);
    QFETCH(QDate, lastShown);
    QFETCH(QString, next);
    const ReminderFacts facts{enabled, cravings, hour < 0 ? std::nullopt : std::optional(hour), lastShown};
    const QDateTime clock = QDateTime::fromString(now, Qt::ISODate);
    const std::optional<QDateTime> moment = journey::nextReminder(facts, clock);
    QCOMPARE(moment.has_value(), !next.isEmpty());
    if (!moment)
        return;
    QCOMPARE(*moment, QDateTime::fromString(next, Qt::ISODate));
    // The moment the timer reached, after the reminder showed, leads on to the next day's.
    const std::optional<QDateTime> following =
        journey::nextReminder({enabled, cravings, hour, moment->date()}, *moment);
    QVERIFY(following && following->date() == moment->date().addDays(1));
}

int main(int argc, char *argv[])
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication application(argc, argv);
    MomentTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_moment.moc"
