#include "support/testwindow.h"

#include "platform/regionalformats.h"
#include "ui/controls.h"
#include "ui/lazypage.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTest>

TestProgram::TestProgram(const QString &folderTemplate)
    : m_folder(folderTemplate.isEmpty() ? QDir::tempPath() + QStringLiteral("/TestProgram-XXXXXX") : folderTemplate),
      m_autostart(m_configHome.filePath(QStringLiteral("autostart")))
{
    QDir(m_folder.path()).mkpath(QStringLiteral("data/settings"));
    if (!writeSettings("noword\r\n0"))
        qWarning("The program folder has no settings");
    // Portable, with the program's modules where the build puts them.
    DataLayout layout;
    layout.shippedFolder = layout.userFolder = path("data");
    layout.moduleFolder = QStringLiteral(CLEARWIND_BUILD_DIR);
    m_environment = Environment::over(path("Clearwind"), layout,
                                      {.clock = &clock,
                                       .random = &random,
                                       .messages = &messages,
                                       .instanceGuard = &instanceGuard,
                                       .logonList = &m_autostart,
                                       .printer = &devices,
                                       .browser = &devices});
    m_environment.chooseFileToSave = [this](const SaveQuestion &question) {
        saveQuestions.append(question);
        return fileToSave;
    };
    m_environment.endProgram = [this] { ++endRequests; };
}

QString TestProgram::path(const char *relative) const
{
    return m_folder.filePath(QString::fromUtf8(relative));
}

bool writeFileAt(const QString &path, const QByteArray &bytes, bool executable)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        qWarning("%s could not be written: %s", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return !executable || file.setPermissions(file.permissions() | QFile::ExeOwner);
}

bool TestProgram::writeFile(const char *relative, const QByteArray &bytes) const
{
    return writeFileAt(path(relative), bytes);
}

QByteArray TestProgram::readFile(const char *relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TestProgram::exists(const char *relative) const
{
    return QFileInfo::exists(path(relative));
}

bool TestProgram::writeRunningProfile(const QDateTime &stop, const QString &name, int cigarettes, const QString &money,
                                      const QString &currency)
{
    const QString text = name + "\r\n" + QString::number(cigarettes) + "\r\n" + currency + "\r\n" + money + "\r\n" +
                         regional::dateToText(stop.date()) + "\r\n" + regional::timeToText(stop.time()) + "\r\nYES\r\n";
    return writeFile("data/settings/data.dat", text.toUtf8());
}

bool TestProgram::answer(const QStringList &buttons)
{
    for (const QString &button : buttons) {
        clock.advance(1);
        if (!click(button.toLatin1()))
            return false;
    }
    return true;
}

MainWindow &TestProgram::start()
{
    m_window = std::make_unique<MainWindow>(m_environment);
    const bool onlyCopy = m_window->startUp();
    if (onlyCopy)
        m_window->show();
    return *m_window;
}

bool TestProgram::startOnTab(int tab)
{
    if (!writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))))
        return false;
    start();
    if (!answer({"cmdno"}))
        return false;
    find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    return true;
}

QString TestProgram::text(const char *name) const
{
    const QLabel *found = label(name);
    if (!found)
        qWarning("No label named %s", name);
    return found ? found->text() : QString();
}

bool TestProgram::click(const char *button) const
{
    auto *found = find<QAbstractButton>(button);
    // As a person would, it waits for a button that a save under way holds back.
    const auto pressable = [found] { return found && found->isVisible() && found->isEnabled(); };
    if (found && !pressable())
        QTest::qWaitFor(pressable, 5000);
    if (!pressable()) {
        qWarning("%s is %s", button, found ? "not there to press" : "no button");
        return false;
    }
    found->click();
    return true;
}

bool TestProgram::tick(const char *name) const
{
    QTimer *found = timer(name);
    if (!found) {
        qWarning("No timer named %s", name);
        return false;
    }
    QMetaObject::invokeMethod(found, "timeout");
    return true;
}

void TestProgram::passTime(int milliseconds)
{
    const qint64 end = m_elapsed + milliseconds;
    for (;;) {
        QTimer *next = nullptr;
        for (QTimer *timer : m_window->findChildren<QTimer *>()) {
            if (timer->objectName().isEmpty() || !timer->isActive()) {
                m_due.remove(timer);
                continue;
            }
            const qint64 due = m_due.value(timer, m_elapsed + timer->interval());
            m_due.insert(timer, due);
            if (!next || due < m_due.value(next))
                next = timer;
        }
        if (!next || m_due.value(next) > end)
            break;
        clock.set(clock.now().addMSecs(m_due.value(next) - m_elapsed));
        m_elapsed = m_due.take(next);
        QMetaObject::invokeMethod(next, "timeout");
    }
    clock.set(clock.now().addMSecs(end - m_elapsed));
    m_elapsed = end;
}

void TestProgram::buildEveryPanel() const
{
    for (LazyPage *page : m_window->findChildren<LazyPage *>())
        page->ensurePanels();
}

bool TestProgram::shown(const char *name) const
{
    const QWidget *found = find(name);
    return found && controls::isShown(found);
}
