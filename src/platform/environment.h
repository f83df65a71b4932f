#pragma once

#include <QString>

#include <functional>

class Clock;
class RandomSource;
class MessageService;
class InstanceGuard;
class LogonList;
class Printer;
class Browser;
class Tray;

// Relative paths of the data folder beside the program.
namespace datapaths {
inline constexpr auto profile = "data/settings/data.dat";
inline constexpr auto settings = "data/settings/settings.dat";
inline constexpr auto history = "data/settings/history";
inline constexpr auto coachTips = "data/coach/randomcoach.txt";
inline constexpr auto professorTips = "data/prof/randomprof.txt";
inline constexpr auto browserProbe = "data/bht.html";
inline constexpr auto helpPage = "data/help/help.html";
} // namespace datapaths

// Everything the program takes from the machine it runs on. main() builds the
// real one; a test builds one over a temporary folder with a fake clock, a
// scripted random source and a message recorder.
struct Environment
{
    QString programFolder;
    Clock *clock = nullptr;
    RandomSource *random = nullptr;
    MessageService *messages = nullptr;
    InstanceGuard *instanceGuard = nullptr;
    LogonList *logonList = nullptr;
    Printer *printer = nullptr;
    Browser *browser = nullptr;
    // None where the desktop has no system tray.
    Tray *tray = nullptr;
    // Asks where to save a file; an empty answer means the user cancelled.
    std::function<QString(const QString &suggestedName)> chooseFileToSave;
    // Ends the process at once: nothing is saved, nothing is asked.
    std::function<void()> endProgram;

    QString path(const char *relative) const { return programFolder + u'/' + QString::fromUtf8(relative); }
};
