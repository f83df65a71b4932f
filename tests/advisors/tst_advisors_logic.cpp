#include "advisors/linepager.h"
#include "advisors/personalreasonsfile.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// The advisors' logic without their tabs: the pager through a file of lines,
// and the file of the personal reasons, which is never replaced unasked.
class AdvisorsLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void pagerSteps_data();
    void pagerSteps();
    void reasonsFileAsksBeforeItReplaces_data();
    void reasonsFileAsksBeforeItReplaces();
};

namespace {

bool writeLines(const QString &path, int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "line " + QByteArray::number(i) + "\r\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void AdvisorsLogicTest::pagerSteps_data()
{
    QTest::addColumn<int>("lines"); // -1: no file
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("shorterAfterFirst"); // the file is written again with so many lines; 0: not
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("three, from the last") << 3 << 0.7 << 0 << QStringList{"line 3", "line 1", "line 2", "line 3"};
    QTest::newRow("one") << 1 << 0.5 << 0 << QStringList{"line 1", "line 1"};
    QTest::newRow("two, from the first") << 2 << 0.0 << 0 << QStringList{"line 1", "line 2", "line 1"};
    // Only the first 501 lines are pages, and the pager wraps after the last of them.
    QTest::newRow("700, the 501st drawn") << 700 << 500.5 / 501 << 0 << QStringList{"line 501", "line 1", "line 2"};
    QTest::newRow("empty") << 0 << 0.5 << 0 << QStringList{"", ""};
    QTest::newRow("missing") << -1 << 0.5 << 0 << QStringList{"", ""};
    // The file is read at each step: one that shrank goes on from its top.
    QTest::newRow("shorter since") << 10 << 0.75 << 4 << QStringList{"line 8", "line 1"};
}

void AdvisorsLogicTest::pagerSteps()
{
    QFETCH(int, lines);
    QFETCH(double, draw);
    QFETCH(int, shorterAfterFirst);
    QFETCH(QStringList, pages);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("things.txt"));
    if (lines >= 0)
        QVERIFY(writeLines(path, lines));
    ScriptedRandom random;
    random.draws = {draw};
    const FakeClock clock(QDateTime(QDate(2026, 3, 14), QTime(8, 30, 15)));
    LinePager pager(random, clock);
    QStringList shown{pager.step(path)};
    // The draw is seeded from the time of day, so that each opening differs.
    QCOMPARE(random.seeds, QList<quint32>{8 * 3600 + 30 * 60 + 15});
    if (shorterAfterFirst > 0)
        QVERIFY(writeLines(path, shorterAfterFirst));
    while (shown.size() < pages.size())
        shown << pager.step(path);
    QCOMPARE(shown, pages);
}

void AdvisorsLogicTest::reasonsFileAsksBeforeItReplaces_data()
{
    QTest::addColumn<QString>("found"); // what reading the file found
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("read whole") << "whole" << QList<bool>{} << false << true;
    QTest::newRow("missing") << "missing" << QList<bool>{} << false << true;
    QTest::newRow("unreadable, yes") << "unreadable" << QList<bool>{true} << true << true;
    QTest::newRow("unreadable, no") << "unreadable" << QList<bool>{false} << true << false;
    QTest::newRow("with a table, yes") << "table" << QList<bool>{true} << true << true;
    QTest::newRow("with a table, no") << "table" << QList<bool>{false} << true << false;
    // A pipe has nothing to copy and is never opened: it is moved aside.
    QTest::newRow("a pipe, yes") << "pipe" << QList<bool>{true} << true << true;
    // The day's copy from an earlier save stays; this one takes the next name.
    QTest::newRow("with a table again the same day, yes") << "table again" << QList<bool>{true} << true << true;
}

void AdvisorsLogicTest::reasonsFileAsksBeforeItReplaces()
{
    QFETCH(QString, found);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("personal.rtf"));
    const QByteArray old = "{\\rtf1 old reasons\\par}";
    const bool again = found.endsWith(QLatin1String(" again"));
    if (again) {
        found.chop(6);
        QFile earlier(folder.filePath(QStringLiteral("personal-2026-03-14.rtf")));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    }
    if (found == QLatin1String("pipe")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (found != QLatin1String("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    const FakeClock clock;
    PersonalReasonsFile reasons(path, folder.path(), clock);
    richtext::LoadResult read{true, false, QString(), {}};
    if (found == QLatin1String("missing"))
        read = {false, true, QStringLiteral("No such file or directory"), {}};
    else if (found == QLatin1String("unreadable") || found == QLatin1String("pipe"))
        read = {false, false, QStringLiteral("Input/output error"), {}};
    else if (found == QLatin1String("table"))
        read.omitted = richtext::Omission::Tables;
    const QString note = reasons.noteRead(read);
    // Only a file that is there and could not be read is said at once.
    QCOMPARE(note.contains(QStringLiteral("Input/output error")), read.error == QLatin1String("Input/output error"));

    QStringList questions;
    const PersonalReasonsFile::Prepared prepared = reasons.prepare(
        [&](const QString &question) {
            questions << question;
            return !answers.isEmpty() && answers.takeFirst();
        },
        "{\\rtf1 new\\par}");
    QCOMPARE(questions.size(), int(asked));
    QCOMPARE(prepared.go, replaced);
    if (prepared.go)
        QVERIFY(PersonalReasonsFile::store(prepared.storing).ok);
    QCOMPARE(contents(path), replaced ? QByteArray("{\\rtf1 new\\par}") : old);
    // What the user agreed to replace is kept beside it, under the day's name, and named in the question.
    const QString copyName =
        again ? QStringLiteral("personal-2026-03-14-2.rtf") : QStringLiteral("personal-2026-03-14.rtf");
    const QString copy = folder.filePath(copyName);
    if (again)
        QCOMPARE(contents(folder.filePath(QStringLiteral("personal-2026-03-14.rtf"))), QByteArray("earlier"));
    if (found == QLatin1String("pipe"))
        QVERIFY(QFileInfo(copy).exists() && !QFileInfo(copy).isFile());
    else
        QCOMPARE(contents(copy), asked && replaced ? old : QByteArray());
    if (asked)
        QVERIFY(questions.first().contains(copyName));
}

QTEST_GUILESS_MAIN(AdvisorsLogicTest)
#include "tst_advisors_logic.moc"
