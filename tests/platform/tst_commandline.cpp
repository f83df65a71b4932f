#include <QProcess>
#include <QTest>

// What the built program answers on the terminal, before it needs a display.
class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void answersOnTheTerminal_data();
    void answersOnTheTerminal();
};

void CommandLineTest::answersOnTheTerminal_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    // What standard output and standard error begin with; empty when they say nothing.
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("locale"); // LANG; empty: C.UTF-8

    const QString usage = QStringLiteral("Usage: clearwind [options]");
    QTest::newRow("help") << QStringList{"--help"} << 0 << usage << "" << QString();
    QTest::newRow("version") << QStringList{"-v"} << 0 << "clearwind " CLEARWIND_VERSION "\n"
                             << "" << QString();
    QTest::newRow("Qt's options with their values")
        << QStringList{"-display", ":0", "--style", "Fusion", "-stylesheet=a.qss", "-reverse", "--version"} << 0
        << "clearwind "
        << "" << QString();
    QTest::newRow("a typo") << QStringList{"--log-cravings"} << 2 << ""
                            << "clearwind: Unknown option 'log-cravings'.\n\n" + usage << QString();
    QTest::newRow("after an argument") << QStringList{"now", "-x", "--version"} << 2 << ""
                                       << "clearwind: Unknown option 'x'." << QString();
    QTest::newRow("a language it does not speak")
        << QStringList{"--lang", "xx"} << 2 << ""
        << "clearwind: Clearwind does not speak \"xx\".\n\n" + usage << QString();
    QTest::newRow("a look it does not have")
        << QStringList{"--theme", "blue"} << 2 << ""
        << "clearwind: Clearwind has no look \"blue\"; it has system, light, dark.\n\n" + usage << QString();
    QTest::newRow("a look it has, in capitals") << QStringList{"--theme", "DARK", "--version"} << 0 << "clearwind "
                                                << "" << QString();
    QTest::newRow("a value missing") << QStringList{"--log-craving", "-style"} << 2 << ""
                                     << "clearwind: Missing value after '-style'." << QString();
    // The user's language, or the one asked for; Qt's own words too.
    const QString german = QStringLiteral("Aufruf: clearwind [Optionen]\nZählt deine rauchfreie Zeit");
    QTest::newRow("German, from the locale") << QStringList{"--help"} << 0 << german << ""
                                             << "de_DE.UTF-8";
    QTest::newRow("German, asked for") << QStringList{"--lang", "de", "--help"} << 0 << german << ""
                                       << "C.UTF-8";
    // Every form a language's name takes: the code, with its region by a hyphen or an underscore, in capitals.
    for (const char *form : {"de-AT", "de_AT", "DE"})
        QTest::addRow("German, asked for as %s", form) << QStringList{"--lang", form, "--help"} << 0 << german << ""
                                                      << "C.UTF-8";
    QTest::newRow("German, from an Austrian locale") << QStringList{"--help"} << 0 << german << ""
                                                     << "de_AT.UTF-8";
    QTest::newRow("English, asked for under German") << QStringList{"--lang", "en", "--help"} << 0 << usage << ""
                                                     << "de_DE.UTF-8";
}

void CommandLineTest::answersOnTheTerminal()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QFETCH(QString, locale);
    QProcess program;
    // Were it to start for real, it would find no display.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none"));
    // The answers are English unless a row says otherwise, whatever the machine speaks.
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), locale.isEmpty() ? QStringLiteral("C.UTF-8") : locale);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CLEARWIND_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    // Each says no more than its beginning, and nothing when none is expected.
    const QString said = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString complained = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(output.isEmpty() ? said : said.left(output.size()), output);
    QCOMPARE(error.isEmpty() ? complained : complained.left(error.size()), error);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
