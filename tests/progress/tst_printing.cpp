#include "support/checked.h"
#include "support/testwindow.h"

#include "platform/systemprinter.h"
#include "ui/look.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

// The progress report on paper and in a PDF file. Printing goes to a real
// CUPS of the test's own, with a PDF printer as the default, so no printer of
// the machine is ever touched.
class PrintingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void failedPrintSaysErrorPrinting_data();
    void failedPrintSaysErrorPrinting();
    void reportComesOutOfThePrinter();
    void reportSavedAsPdf_data();
    void reportSavedAsPdf();

private:
    void exportReport(TestProgram &program);

    QTemporaryDir m_cups;
    QProcess m_cupsd;
    int m_firstJob = 0;
    SystemPrinter m_printer;
};

namespace {

const QStringList reportLines = {
    "Stopdata for : Ann",
    "You have not smoked for :10 days and 23 hours.",
    "You stopped smoking on 3/3/2026 at 10:00:00 PM",
    "You have NOT smoked 219 cigarettes.",
    "You have extended your life by 2409 minutes.",
    "You saved 71.23 euro.",
};

QByteArray outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() ? process.readAllStandardOutput() : QByteArray();
}

QStringList pdfLines(const QString &pdf)
{
    QStringList lines =
        QString::fromUtf8(outputOf(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})).split(u'\n');
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines;
}

// The default printer writes PDF files; accepting tells whether it takes jobs.
bool usePdfPrinter(bool accepting)
{
    return QProcess::execute("lpadmin",
                             {"-p", "PDF", "-v", "cups-pdf:/", "-E", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-o",
                              "pdftops-renderer-default=pdftocairo"}) == 0 &&
           QProcess::execute("lpadmin", {"-d", "PDF"}) == 0 &&
           QProcess::execute(accepting ? "cupsaccept" : "cupsreject", {"PDF"}) == 0;
}

// cups-pdf puts its files into the PDF folder of the user who prints.
QDir printedFolder()
{
    return QDir(QFile::decodeName(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF"));
}

// cups-pdf names a file after the job's title and number.
QList<int> printedJobNumbers(const QString &file)
{
    static const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)"));
    QList<int> numbers;
    for (const QRegularExpressionMatch &match : jobNumber.globalMatch(file))
        numbers.append(match.captured(1).toInt());
    return numbers;
}

// Every new print system numbers its jobs from 1, so the test's print system
// numbers them from a block of its own: past every file that earlier runs
// left, and apart from a run at the same time. The test then finds its output
// by number, and never takes an older file for it.
constexpr int jobsPerRun = 10;

int firstJobNumberOfThisRun()
{
    int highest = 0;
    for (const QString &file : printedFolder().entryList({"*.pdf"}, QDir::Files)) {
        for (const int number : printedJobNumbers(file))
            highest = std::max(highest, number);
    }
    return highest + 1 + int(QCoreApplication::applicationPid() % 10000) * jobsPerRun;
}

} // namespace

void PrintingTest::initTestCase()
{
    if (getuid() != 0)
        QSKIP("The PDF printer's backend runs only for root.");
    // The print system, its PDF printer, and the reader of what it printed.
    for (const QString &needed : {QStringLiteral("cupsd"), QStringLiteral("lpadmin"), QStringLiteral("pdftotext")}) {
        if (QStandardPaths::findExecutable(needed).isEmpty())
            QSKIP(qPrintable(needed + QStringLiteral(" is not installed; the printing test needs CUPS, cups-pdf and "
                                                     "poppler-utils.")));
    }
    if (!QFileInfo::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
        QSKIP("The cups-pdf printer is not installed.");
    const QString dir = m_cups.path();
    // Filters run as the print system's own user, which must reach the spool.
    QVERIFY(QDir(dir).mkdir(QStringLiteral("tmp")));
    QVERIFY(::chmod(QFile::encodeName(dir).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(dir + QStringLiteral("/tmp")).constData(), 01777) == 0);
    QByteArray files;
    const char *const inside[][2] = {
        {"ServerRoot", ""},         {"RequestRoot", "/spool"}, {"CacheDir", "/cache"},
        {"StateDir", "/state"},     {"TempDir", "/tmp"},       {"AccessLog", "/access_log"},
        {"ErrorLog", "/error_log"}, {"PageLog", "/page_log"},  {"Printcap", "/printcap"}};
    for (const auto &line : inside)
        files += QByteArray(line[0]) + ' ' + dir.toUtf8() + line[1] + '\n';
    files += "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n";
    const QString socket = m_cups.filePath(QStringLiteral("cups.sock"));
    QVERIFY(writeFileAt(m_cups.filePath(QStringLiteral("cups-files.conf")), files));
    // The print system starts numbering its jobs where its job cache says.
    m_firstJob = firstJobNumberOfThisRun();
    QVERIFY(QDir(dir).mkdir(QStringLiteral("cache")));
    QVERIFY(writeFileAt(m_cups.filePath(QStringLiteral("cache/job.cache")),
                        "NextJobId " + QByteArray::number(m_firstJob) + '\n'));
    QVERIFY(writeFileAt(m_cups.filePath(QStringLiteral("cupsd.conf")),
                        "Listen " + socket.toUtf8() +
                            "\nBrowsing No\n<Location />\n  Order allow,deny\n"
                            "  Allow all\n</Location>\n"));
    // Should the test die, its print system dies with it.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start(QStringLiteral("cupsd"),
                  {"-f", "-c", m_cups.filePath("cupsd.conf"), "-s", m_cups.filePath("cups-files.conf")});
    QVERIFY2(m_cupsd.waitForStarted(), qPrintable(m_cupsd.errorString()));
    QTRY_VERIFY(QFileInfo::exists(socket));
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    // Nor may a default printer of the user's own settings count.
    qputenv("HOME", QFile::encodeName(m_cups.path()));
}

void PrintingTest::cleanupTestCase()
{
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000))
        m_cupsd.kill();
}

void PrintingTest::exportReport(TestProgram &program)
{
    program.environment().printer = &m_printer;
    QVERIFY(program.startOnTab(4));
    QVERIFY(program.tick("tmrcount"));
    QVERIFY(program.tick("timerrest"));
    // A second export replaces the first.
    QVERIFY(program.answer({"cmdexport", "cmdexport"}));
    QWidget *window = program.find("frmexport");
    QVERIFY(window && window->isVisible() && window->isWindow() && !window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("Clearwind"));
    QCOMPARE(program.find<QTextEdit>("txtexport")->toPlainText().split(u'\n'), reportLines);
}

void PrintingTest::failedPrintSaysErrorPrinting_data()
{
    QTest::addColumn<bool>("queue");
    QTest::newRow("no printer") << false;
    QTest::newRow("printer refuses jobs") << true;
}

void PrintingTest::failedPrintSaysErrorPrinting()
{
    QFETCH(bool, queue);
    if (queue)
        QVERIFY(usePdfPrinter(false));
    TestProgram program;
    CHECKED(exportReport(program));
    QVERIFY(program.click("cmdprint"));
    QCOMPARE(program.messages.texts(), QStringList{"Error printing"});
    // The printer's reason comes with it: the user has something to act on.
    QVERIFY(!program.messages.shown.first().detail.isEmpty());
    // Over the main window, the message would bring it up in front of the report.
    QCOMPARE(program.messages.shown.first().window, program.find("frmexport"));
}

void PrintingTest::reportComesOutOfThePrinter()
{
    QVERIFY(usePdfPrinter(true));
    TestProgram program;
    CHECKED(exportReport(program));
    QVERIFY(program.click("cmdprint"));
    QCOMPARE(program.messages.texts(), QStringList());

    QTRY_VERIFY_WITH_TIMEOUT(outputOf(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty(), 60000);
    // The backend may still be writing its file when the queue is empty.
    auto printed = [this] {
        QStringList files = printedFolder().entryList({"*.pdf"}, QDir::Files);
        files.removeIf([this](const QString &file) {
            const QList<int> numbers = printedJobNumbers(file);
            return std::none_of(numbers.begin(), numbers.end(), [this](int number) {
                return number >= m_firstJob && number < m_firstJob + jobsPerRun;
            });
        });
        return files;
    };
    QTRY_COMPARE_WITH_TIMEOUT(printed().size(), 1, 30000);
    const QString pdf = printedFolder().filePath(printed().first());
    QTRY_COMPARE_WITH_TIMEOUT(pdfLines(pdf), reportLines, 30000);
    QFile::remove(pdf);
    QDir().rmdir(printedFolder().path());
}

void PrintingTest::reportSavedAsPdf_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("dark"); // the look on screen; paper stays black on white
    QTest::newRow("name without its suffix") << "report" << true << false;
    QTest::newRow("in the dark look") << "report" << true << true;
    QTest::newRow("folder that cannot be made") << "blocked/report.pdf" << false << false;
}

void PrintingTest::reportSavedAsPdf()
{
    QFETCH(QString, chosen);
    QFETCH(bool, saved);
    QFETCH(bool, dark);
    look::apply(dark ? ColourScheme::Dark : ColourScheme::Light);
    const auto lightAgain = qScopeGuard([] { look::apply(ColourScheme::Light); });
    QTemporaryDir folder;
    QVERIFY(writeFileAt(folder.filePath(QStringLiteral("blocked")), "a file, not a folder"));
    TestProgram program;
    program.fileToSave = folder.filePath(chosen);
    CHECKED(exportReport(program));
    QVERIFY(program.click("cmdsavepdf"));
    if (saved) {
        QCOMPARE(program.messages.texts(), QStringList());
        QCOMPARE(pdfLines(program.fileToSave + ".pdf"), reportLines);
        // The page is white, and its text black, whatever the screen shows.
        QVERIFY(QProcess::execute(QStringLiteral("pdftoppm"),
                                  {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-gray"),
                                   QStringLiteral("-png"), QStringLiteral("-singlefile"), program.fileToSave + ".pdf",
                                   folder.filePath(QStringLiteral("page"))}) == 0);
        const QImage page(folder.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());
        QCOMPARE(qGray(page.pixel(0, 0)), 255);
        int darkest = 255;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                darkest = std::min(darkest, qGray(page.pixel(x, y)));
        QVERIFY2(darkest < 64, qPrintable(QString::number(darkest)));
    } else {
        QCOMPARE(program.messages.texts(),
                 QStringList{QStringLiteral("The report could not be saved in %1: its folder %2 could not be created")
                                 .arg(QDir::toNativeSeparators(program.fileToSave),
                                      QDir::toNativeSeparators(folder.filePath(QStringLiteral("blocked"))))});
        QCOMPARE(program.messages.shown.first().window, program.find("frmexport"));
    }
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
