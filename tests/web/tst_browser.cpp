#include "support/testwindow.h"

#include "platform/giobrowser.h"
#include "ui/clickablelabel.h"

#include <QAbstractButton>
#include <QDir>
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
    void writeScript(const char *name, const QByteArray &text);

    QTemporaryDir m_desktop;
    QString m_arguments;
    GioBrowser m_browser;
};

void BrowserTest::writeScript(const char *name, const QByteArray &text)
{
    QFile script(m_desktop.filePath(QLatin1String(name)));
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(text);
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void BrowserTest::initTestCase()
{
    // GLib reads these once, so they are set before anything asks GIO.
    const struct
    {
        const char *variable;
        const char *folder;
    } homes[] = {{"XDG_DATA_HOME", "data"},
                 {"XDG_CONFIG_HOME", "config"},
                 {"XDG_DATA_DIRS", "system"},
                 {"XDG_CONFIG_DIRS", "system-config"}};
    for (const auto &home : homes) {
        QVERIFY(QDir(m_desktop.path()).mkpath(QLatin1String(home.folder)));
        qputenv(home.variable, QFile::encodeName(m_desktop.filePath(QLatin1String(home.folder))));
    }
    // The system's MIME database says what a page is; its browsers stay out.
    QVERIFY(QFile::link(QStringLiteral("/usr/share/mime"), m_desktop.filePath(QStringLiteral("system/mime"))));
    m_arguments = m_desktop.filePath(QStringLiteral("arguments"));
    const QByteArray arguments = QFile::encodeName(m_arguments);
    writeScript("browser", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + arguments + ".part'\nmv '" + arguments +
                               ".part' '" + arguments + "'\n");
    // GIO starts programs through a small launcher; one that cannot run is a browser that cannot be started.
    qputenv("GIO_LAUNCH_DESKTOP", QFile::encodeName(m_desktop.filePath(QStringLiteral("launcher"))));
    const QByteArray entry = "[Desktop Entry]\nType=Application\nName=Browser\nMimeType=text/html;\nExec=" +
                             QFile::encodeName(m_desktop.filePath(QStringLiteral("browser"))) + " %U\n";
    for (const auto &[name, bytes] :
         {std::pair{"data/applications/browser.desktop", entry},
          std::pair{"config/mimeapps.list", QByteArray("[Default Applications]\ntext/html=browser.desktop\n")}}) {
        QDir().mkpath(QFileInfo(m_desktop.filePath(QLatin1String(name))).absolutePath());
        QFile file(m_desktop.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
}

void BrowserTest::pagesOpenInTheBrowser_data()
{
    const QString home = QStringLiteral("https://www.clearwind.example/index.html");
    // GIO hands a local page to a browser as a path, one argument whatever the blanks.
    const QString help = QStringLiteral("{folder}/data/help/help.html");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("folderTemplate");
    QTest::addColumn<bool>("probe");
    QTest::addColumn<bool>("browserStarts");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("help") << "cmdhelp"
                          << "" << true << true << help << ""
                          << "";
    QTest::newRow("home page from the label") << "lblweb"
                                              << "" << true << true << home << ""
                                              << "";
    QTest::newRow("home page from the banner") << "Image1"
                                               << "" << true << true << home << ""
                                               << "";
    QTest::newRow("folder with blanks") << "cmdhelp"
                                        << "program folder XXXXXX" << true << true << help << ""
                                        << "";
    QTest::newRow("no probe page") << "cmdhelp"
                                   << "" << false << true << ""
                                   << "Could not find associated Browser"
                                   << "Browser Not Found";
    QTest::newRow("browser cannot start") << "lblweb"
                                          << "" << true << false << ""
                                          << "Web Page not Opened"
                                          << "URL Failed";
}

void BrowserTest::pagesOpenInTheBrowser()
{
    QFETCH(QString, control);
    QFETCH(QString, folderTemplate);
    QFETCH(bool, probe);
    QFETCH(bool, browserStarts);
    QFETCH(QString, page);
    QFETCH(QString, message);
    QFETCH(QString, title);
    writeScript("launcher", browserStarts ? "#!/bin/sh\nexec \"$@\"\n" : "#!/nonexistent/shell\n");
    QFile::remove(m_arguments);
    TestProgram program(folderTemplate.isEmpty() ? QString() : QDir::temp().filePath(folderTemplate));
    program.environment().browser = &m_browser;
    if (probe)
        program.writeFile("data/bht.html", "<!DOCTYPE html><html lang=\"en\"><title>Probe</title></html>\n");
    program.startOnTab(4);
    if (auto *label = program.find<ClickableLabel>(control.toLatin1()))
        label->click();
    else
        program.click(control.toLatin1());

    if (!message.isEmpty()) {
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown.first().text, message);
        QCOMPARE(program.messages.shown.first().title, title);
        QCOMPARE(program.messages.shown.first().icon, MessageService::Icon::Warning);
        return;
    }
    QCOMPARE(program.messages.texts(), QStringList());
    QTRY_VERIFY(QFileInfo::exists(m_arguments));
    QFile arguments(m_arguments);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    const QString expected = QString(page).replace(QStringLiteral("{folder}"), program.folder());
    QCOMPARE(QString::fromUtf8(arguments.readAll()), expected + u'\n');
}

QTEST_MAIN(BrowserTest)
#include "tst_browser.moc"
