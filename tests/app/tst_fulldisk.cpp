#include "support/checked.h"
#include "support/testwindow.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <functional>
#include <unistd.h>

// Every writer of the program on a disk that is really full: a small tmpfs,
// mounted for the test (as root; skipped otherwise). The file that was there
// stays byte for byte, and the user is told why it was not saved.
class FullDiskTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void nothingStoredIsLost_data();
    void nothingStoredIsLost();

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
};

namespace {

const QByteArray runningProfile = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-03\r\n22:00:00\r\nYES\r\n";
const QString noSpace = QStringLiteral("No space left on device");

// Fills the file system the folder lies on, up to its last byte.
void fillDisk(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    // The last part of a block, byte by byte.
    filler.unsetError();
    while (filler.write("f", 1) == 1 && filler.flush()) {
    }
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator found(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (found.hasNext())
        files << found.next();
    files.sort();
    return files;
}

struct Writer
{
    const char *name;
    const char *file;    // the file that must stay, below the program folder
    QByteArray contents; // what it holds before
    int tab;             // the tab the program opens on
    std::function<void(TestProgram &)> act;
    const char *sentence;     // what the user is told last, with the file as %1 and the reason as %2
    QList<bool> answers = {}; // to the questions asked on the way
};

void logCraving(TestProgram &program)
{
    program.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.window()));
    QTest::keyClick(&program.window(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(program.click("cmdpassed"));
}

// Over a file of the older form: its header line is written anew.
void rideItOut(TestProgram &program)
{
    QVERIFY(program.click("cmdcravingnow"));
    QVERIFY(program.click("cmdridepassed"));
}

void changePlan(TestProgram &program)
{
    QVERIFY(program.click("cmdmyplans"));
    program.find<QLineEdit>("txtplancoffee")->setText(QStringLiteral("a glass of water first"));
    QVERIFY(program.click("cmdsaveplans"));
}

void typeReasons(TestProgram &program)
{
    QVERIFY(program.click("cmdpersonal"));
    // The box takes what is typed once the file is read.
    auto *box = program.find<QTextEdit>("txtpersonal");
    QTRY_VERIFY(!box->isReadOnly());
    QTest::keyClicks(box, "To breathe freely");
    QVERIFY(program.click("cmdpersonalback"));
}

void saveReport(TestProgram &program)
{
    QVERIFY(program.tick("tmrcount"));
    QVERIFY(program.tick("timerrest"));
    QVERIFY(program.click("cmdexport"));
    program.fileToSave = program.path("report.pdf");
    QVERIFY(program.click("cmdsavepdf"));
}

void saveJourney(TestProgram &program)
{
    program.fileToSave = program.path("journey.csv");
    auto *save = program.find<QPushButton>("cmdsavecsv");
    // The figures come in the background, and the file is written there too.
    QTRY_VERIFY(save->isEnabled());
    QVERIFY(program.click("cmdsavecsv"));
    QTRY_VERIFY(save->isEnabled());
}

const Writer writers[] = {
    {"settings", "data/settings/settings.dat", "noword\r\n0", 4,
     [](TestProgram &program) { QVERIFY(program.click("cmdsaveset")); },
     "Clearwind will not start at logon, but the settings could not be saved in %1: %2"},
    {"personal reasons", "data/coach/personal.rtf", "{\\rtf1 For Lena\\par}", 3, typeReasons,
     "Your personal reasons could not be saved in %1: %2"},
    // Kept aside before it is replaced; with no room for a copy, it goes
    // aside whole, and back when the new one cannot be written.
    {"personal reasons not shown whole",
     "data/coach/personal.rtf",
     "{\\rtf1 For Lena\\par\\trowd\\cellx2000 and me\\cell\\row}",
     3,
     typeReasons,
     "Your personal reasons could not be saved in %1: %2",
     {true}},
    {"cravings", "data/journey/cravings.csv",
     "time,strength,trigger,note,outcome\r\n2026-03-10T08:00:00+01:00,4,coffee,,passed\r\n", 0, logCraving,
     "The craving could not be saved in %1: %2"},
    {"a craving ridden out", "data/journey/cravings.csv",
     "time,strength,trigger,note,outcome\r\n2026-03-10T08:00:00+01:00,4,coffee,,passed\r\n", 0, rideItOut,
     "The craving could not be saved in %1: %2"},
    {"plans", "data/journey/plans.csv", "trigger,plan\r\ncoffee,walk\r\n", 5, changePlan,
     "Your plans could not be saved in %1: %2"},
    {"report", "report.pdf", "%PDF-1.4 an earlier report", 4, saveReport, "The report could not be saved in %1: %2"},
    {"journey", "journey.csv", "an earlier journey", 5, saveJourney, "The journey could not be saved in %1: %2"},
};

} // namespace

void FullDiskTest::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("Mounting a small disk needs root.");
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                 QStringLiteral("size=1m,mode=700"), QStringLiteral("clearwind-full"), m_mountPoint.path()});
    m_mounted = mount.waitForFinished() && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
    // Root can mount one: a test that could run must not pass unseen by skipping.
    QVERIFY2(m_mounted, qPrintable("No small disk could be mounted: " + mount.readAllStandardError()));
}

void FullDiskTest::cleanupTestCase()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_mountPoint.path()});
}

void FullDiskTest::cleanup()
{
    // Room again for the next row.
    for (const QString &name : QDir(m_mountPoint.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(m_mountPoint.filePath(name)).removeRecursively();
}

void FullDiskTest::nothingStoredIsLost_data()
{
    QTest::addColumn<int>("writer");
    for (int index = 0; index < int(std::size(writers)); ++index)
        QTest::newRow(writers[index].name) << index;
    QTest::newRow("stop moment") << -1;
    QTest::newRow("history copy before a reset") << -2;
}

void FullDiskTest::nothingStoredIsLost()
{
    QFETCH(int, writer);
    TestProgram program(m_mountPoint.filePath(QStringLiteral("TestProgram-XXXXXX")));
    if (writer == -1) {
        // The questions answered, the quit not started yet.
        const QByteArray answered = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n";
        QVERIFY(program.writeFile("data/settings/data.dat", answered));
        program.start();
        CHECKED(fillDisk(program.folder()));
        QVERIFY(program.click("CMDSTARTNOW"));
        QTRY_COMPARE(program.messages.texts(),
                     QStringList{QStringLiteral("Your stop moment could not be saved in %1: %2")
                                     .arg(QDir::toNativeSeparators(program.path("data/settings/data.dat")), noSpace)});
        QCOMPARE(program.readFile("data/settings/data.dat"), answered);
        QVERIFY(program.shown("frmstart"));
        return;
    }
    if (writer == -2) {
        QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
        program.start();
        CHECKED(fillDisk(program.folder()));
        QVERIFY(program.answer({"cmdyes", "cmdyessmoke", "cmdyes"}));
        QTRY_VERIFY(program.text("lblyessmoked") != QLatin1String("Are you sure?"));
        // Without a whole copy the profile stays, and the user decides.
        QCOMPARE(program.readFile("data/settings/data.dat"), runningProfile);
        QCOMPARE(QDir(program.path("data/settings/history")).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY2(program.text("lblyessmoked").startsWith("Your previous attempt could not be kept: "),
                 qPrintable(program.text("lblyessmoked")));
        QVERIFY(program.text("lblyessmoked").contains(noSpace));
        return;
    }
    const Writer &row = writers[writer];
    QVERIFY(program.writeFile(row.file, row.contents));
    QVERIFY(program.startOnTab(row.tab));
    CHECKED(fillDisk(program.folder()));
    const QStringList files = filesBelow(program.folder());
    program.messages.answers = row.answers;
    CHECKED(row.act(program));

    // Some writes are made beside the window: the message says when they are done.
    QTRY_COMPARE(program.messages.texts().size(), row.answers.size() + 1);
    QCOMPARE(program.readFile(row.file), row.contents);
    QCOMPARE(program.messages.texts().constLast(),
             QString::fromLatin1(row.sentence).arg(QDir::toNativeSeparators(program.path(row.file)), noSpace));
    // Nothing half-written is left behind, and no copy of what stays.
    QCOMPARE(filesBelow(program.folder()), files);
}

QTEST_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
