#pragma once

#include "app/mainwindow.h"
#include "platform/xdgautostart.h"
#include "support/fakes.h"

#include <QByteArray>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <memory>

// The helpers below that act for the test say whether they could; a test
// checks it, QVERIFY(program.click("cmdyes")), and stops at the first that
// could not, where the fault is, instead of going on into confusing ones.

// Writes a whole file, making its folders; an executable one can be run.
[[nodiscard]] bool writeFileAt(const QString &path, const QByteArray &bytes, bool executable = false);

// A program folder of its own in a temporary directory, with the fakes a test
// drives: the clock, the random draws, the message boxes and the program's end.
class TestProgram
{
public:
    // The program folder's name is made from the template when one is given.
    explicit TestProgram(const QString &folderTemplate = QString());

    QString folder() const { return m_folder.path(); }
    QString path(const char *relative) const;
    [[nodiscard]] bool writeFile(const char *relative, const QByteArray &bytes) const;
    QByteArray readFile(const char *relative) const;
    bool exists(const char *relative) const;

    // A profile of the quit running since the given moment, in today's forms.
    [[nodiscard]] bool writeRunningProfile(const QDateTime &stop, const QString &name = QStringLiteral("Ann"),
                                           int cigarettes = 20, const QString &money = QStringLiteral("6.50"),
                                           const QString &currency = QStringLiteral("euro"));
    [[nodiscard]] bool writeSettings(const QByteArray &bytes) const
    {
        return writeFile("data/settings/settings.dat", bytes);
    }

    // Presses the buttons in order, a second apart, as a person would.
    [[nodiscard]] bool answer(const QStringList &buttons);

    // What start() builds the window from: a test may put in other adapters first.
    Environment &environment() { return m_environment; }
    QString autostartFolder() const { return m_autostart.folder(); }

    // Builds the main window, runs start-up and shows it offscreen.
    MainWindow &start();
    // Starts with a quit running since 3 March 2026, 22:00, answers "No" to
    // the relapse question and opens the tab of that index.
    [[nodiscard]] bool startOnTab(int tab);
    MainWindow &window() { return *m_window; }

    // A control of a tab not opened yet is found too: the tabs build their
    // panels when first shown, and are asked to build them here.
    template<typename T = QWidget>
    T *find(const char *name) const
    {
        if (T *found = m_window->findChild<T *>(QString::fromLatin1(name)))
            return found;
        buildEveryPanel();
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }
    QLabel *label(const char *name) const { return find<QLabel>(name); }
    QString text(const char *name) const;
    [[nodiscard]] bool click(const char *button) const;
    QTimer *timer(const char *name) const { return find<QTimer>(name); }
    // Runs one tick of a timer, as if its interval had passed.
    [[nodiscard]] bool tick(const char *name) const;
    // Lets time pass: the clock moves on, and every running timer fires each
    // time its interval comes round, in the order they fall due. A timer
    // counts from when this first finds it running.
    void passTime(int milliseconds);
    // Shown in its own right, whether or not a panel lies over it.
    bool shown(const char *name) const;

    FakeClock clock;
    ScriptedRandom random;
    MessageRecorder messages;
    FakeInstanceGuard instanceGuard;
    NoDevices devices;
    // What the user picks when asked where to save; empty is "Cancel".
    QString fileToSave;
    QList<SaveQuestion> saveQuestions;
    int endRequests = 0;

private:
    void buildEveryPanel() const;

    QTemporaryDir m_folder;
    QTemporaryDir m_configHome;
    XdgAutostart m_autostart;
    Environment m_environment;
    std::unique_ptr<MainWindow> m_window;
    qint64 m_elapsed = 0;
    QHash<QTimer *, qint64> m_due;
};
