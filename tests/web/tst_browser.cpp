#include "support/testwindow.h"

#include "platform/giobrowser.h"
#include "ui/clickablelabel.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QTest>

// The help page and the home page open in the browser that GIO finds for the
// probe page. The desktop here is a temporary one whose default browser is a
// small script that writes down its arguments.
class BrowserTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pagesOpenInTheBrowser_data();
    void pagesOpenInTheBrowser();

private:
    QString path(const char *relative) const { return m_desktop.filePath(QLatin1String(relative)); }

    QTemporaryDir m_desktop;
    QByteArray m_recordingBrowser;
    GioBrowser m_browser;
};

void BrowserTest::initTestCase()
{
    if (!QFileInfo::exists(QStringLiteral("/usr/share/mime/mime.cache")))
        QSKIP("The shared MIME database (shared-mime-info) is not installed, so GIO cannot tell that a page is a "
              "web page.");
    // GLib reads these once, so they are set before anything asks GIO.
    for (const char *home : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
        qputenv(home, QFile::encodeName(path(home)));
    // The system's MIME database says what a page is; its browsers stay out.
    QVERIFY(QDir().mkpath(path("XDG_DATA_DIRS")));
    QVERIFY(QFile::link(QStringLiteral("/usr/share/mime"), path("XDG_DATA_DIRS/mime")));
    const QByteArray arguments = QFile::encodeName(path("arguments"));
    m_recordingBrowser = "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + arguments + ".part'\nmv '" + arguments + ".part' '" +
                         arguments + "'\n";
    QVERIFY(writeFileAt(path("XDG_DATA_HOME/applications/browser.desktop"),
                        "[Desktop Entry]\nType=Application\nName=Browser\nMimeType=text/html;\nExec=" +
                            QFile::encodeName(path("browser")) + " %U\n"));
    QVERIFY(writeFileAt(path("XDG_CONFIG_HOME/mimeapps.list"), "[Default Applications]\ntext/html=browser.desktop\n"));
    // GIO starts programs through a small launcher: one that cannot run is a browser that cannot be started.
    qputenv("GIO_LAUNCH_DESKTOP", QFile::encodeName(path("launcher")));
}

void BrowserTest::pagesOpenInTheBrowser_data()
{
    const QString home = QStringLiteral("https://www.clearwind.example/index.html");
    // GIO hands a local page to a browser as a path, one argument whatever the blanks.
    const QString help = QStringLiteral("{folder}/data/help/help.html");
    const QString none;
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("folderTemplate");
    QTest::addColumn<bool>("probe");
    QTest::addColumn<bool>("launcherRuns");
    QTest::addColumn<QByteArray>("browser");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("warning");
    const QByteArray records; // the browser that writes down its arguments
    const QStringList notOpened{"Web Page not Opened", "URL Failed"};
    QTest::newRow("help") << "cmdhelp" << none << true << true << records << help << QStringList();
    QTest::newRow("home page from the label") << "lblweb" << none << true << true << records << home << QStringList();
    QTest::newRow("home page from the banner") << "Image1" << none << true << true << records << home << QStringList();
    QTest::newRow("folder with blanks") << "cmdhelp"
                                        << "program folder XXXXXX" << true << true << records << help << QStringList();
    QTest::newRow("no probe page") << "cmdhelp" << none << false << true << records << none
                                   << QStringList{"Could not find associated Browser", "Browser Not Found"};
    QTest::newRow("browser cannot start") << "lblweb" << none << true << false << records << none << notOpened;
    // GIO counts these as started: the program fails only once it runs.
    QTest::newRow("browser's interpreter is missing")
        << "cmdhelp" << none << true << true << QByteArray("#!/nonexistent/interpreter\n") << none << notOpened;
    QTest::newRow("browser fails at once")
        << "Image1" << none << true << true << QByteArray("#!/bin/sh\nexit 3\n") << none << notOpened;
}

void BrowserTest::pagesOpenInTheBrowser()
{
    QFETCH(QString, control);
    QFETCH(QString, folderTemplate);
    QFETCH(bool, probe);
    QFETCH(bool, launcherRuns);
    QFETCH(QByteArray, browser);
    QFETCH(QString, page);
    QFETCH(QStringList, warning);
    QVERIFY(writeFileAt(path("launcher"), launcherRuns ? "#!/bin/sh\nexec \"$@\"\n" : "#!/nonexistent/shell\n", true));
    QVERIFY(writeFileAt(path("browser"), browser.isEmpty() ? m_recordingBrowser : browser, true));
    QFile::remove(path("arguments"));
    TestProgram program(folderTemplate.isEmpty() ? QString() : QDir::temp().filePath(folderTemplate));
    program.environment().browser = &m_browser;
    if (probe)
        QVERIFY(program.writeFile("data/bht.html", "<!DOCTYPE html><html lang=\"en\"><title>Probe</title></html>\n"));
    QVERIFY(program.startOnTab(4));
    if (auto *label = program.find<ClickableLabel>(control.toLatin1()))
        label->click();
    else
        QVERIFY(program.click(control.toLatin1()));

    if (!warning.isEmpty()) {
        QTRY_COMPARE(program.messages.shown.size(), 1);
        const MessageRecorder::Message &shown = program.messages.shown.first();
        QCOMPARE(QStringList({shown.text, shown.title}), warning);
        QCOMPARE(shown.icon, MessageService::Icon::Warning);
        return;
    }
    QCOMPARE(program.messages.texts(), QStringList());
    QTRY_VERIFY(QFileInfo::exists(path("arguments")));
    QFile arguments(path("arguments"));
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    const QString expected = QString(page).replace(QStringLiteral("{folder}"), program.folder());
    QCOMPARE(QString::fromUtf8(arguments.readAll()), expected + u'\n');
}

QTEST_MAIN(BrowserTest)
#include "tst_browser.moc"
