#include "support/testwindow.h"

#include <QCheckBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// GLib's headers use "signals" as a name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#pragma pop_macro("signals")

// The logon entry the settings tab writes, started by the desktop's own
// launcher, and checked by the desktop's validator where it is installed.
class LogonEntryTest : public QObject
{
    Q_OBJECT
private slots:
    void logonEntryStartsTheProgram_data();
    void logonEntryStartsTheProgram();
};

void LogonEntryTest::logonEntryStartsTheProgram_data()
{
    QTest::addColumn<QString>("folderTemplate");
    QTest::newRow("blanks") << "program folder XXXXXX";
    QTest::newRow("quotes, dollar and backtick") << "it's \"$HOME\" `x` XXXXXX";
    QTest::newRow("percent and backslash") << "100% \\ %U XXXXXX";
}

// The entry is loaded and started the way a desktop session starts it: GIO
// finds the program, expands the field codes and unquotes the line. The
// program here is a script that leaves a file beside itself.
void LogonEntryTest::logonEntryStartsTheProgram()
{
    QFETCH(QString, folderTemplate);
    TestProgram program(QDir::temp().filePath(folderTemplate));
    QVERIFY(writeFileAt(program.path("Clearwind"), "#!/bin/sh\n: > \"${0%/*}/started\"\n", true));
    QVERIFY(program.startOnTab(4));
    program.find<QCheckBox>("chkautostart")->setChecked(true);
    QVERIFY(program.click("cmdsaveset"));

    const QString entryPath = program.autostartFolder() + QStringLiteral("/Clearwind.desktop");
    GDesktopAppInfo *entry = g_desktop_app_info_new_from_filename(QFile::encodeName(entryPath).constData());
    QVERIFY2(entry, "The desktop does not load the entry.");
    GError *error = nullptr;
    const bool launched = g_app_info_launch(G_APP_INFO(entry), nullptr, nullptr, &error);
    const QString reason = error ? QString::fromUtf8(error->message) : QString();
    g_clear_error(&error);
    g_object_unref(entry);
    QVERIFY2(launched, qPrintable(reason));
    QTRY_VERIFY(program.exists("started"));
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("The entry starts the program; desktop-file-validate (desktop-file-utils) is not installed to check it.");
    QCOMPARE(QProcess::execute(validator, {entryPath}), 0);
}

QTEST_MAIN(LogonEntryTest)
#include "tst_logon_entry.moc"
