#pragma once

#include "platform/datalayout.h"

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
class Appearance;

// What the dialog that asks where to save a file shows.
struct SaveQuestion
{
    QString title;
    QString suggestedName;
    QString filter; // "PDF files (*.pdf)"
    QString suffix; // "pdf": what a name typed without one is given
};

// The services of the machine, each behind its interface: main() gives the
// real ones, the tests and the benchmarks fakes.
struct Services
{
    Clock *clock = nullptr;
    RandomSource *random = nullptr;
    MessageService *messages = nullptr;
    InstanceGuard *instanceGuard = nullptr;
    LogonList *logonList = nullptr;
    Printer *printer = nullptr;
    Browser *browser = nullptr;
    // None where the desktop has no system tray.
    Tray *tray = nullptr;
    // Whether the desktop is light or dark; none is always light.
    Appearance *appearance = nullptr;
};

// Everything the program takes from the machine it runs on. main() builds the
// real one; a test builds one over a temporary folder with a fake clock, a
// scripted random source and a message recorder. Both through over().
struct Environment
{
    // The program, its folders as the layout has them, and the services;
    // what asks where to save and what ends the program are left to set.
    static Environment over(const QString &programFile, const DataLayout &layout, const Services &services);

    // The program itself, as the logon entry starts it.
    QString programFile;
    // Where the files of the data folder are: those that come with the
    // program, which are only ever read, and the user's own. Both are the
    // data folder beside the program when it runs portable.
    QString shippedDataFolder;
    QString userDataFolder;
    // Where the program's own modules are, which it loads when first needed.
    QString moduleFolder;
    // The language the program speaks ("en", "de"): the shipped files are
    // read from its folder of the shipped data where they are there.
    QString language = QStringLiteral("en");
    Clock *clock = nullptr;
    RandomSource *random = nullptr;
    MessageService *messages = nullptr;
    InstanceGuard *instanceGuard = nullptr;
    LogonList *logonList = nullptr;
    Printer *printer = nullptr;
    Browser *browser = nullptr;
    // None where the desktop has no system tray.
    Tray *tray = nullptr;
    // Whether the desktop is light or dark; none is always light.
    Appearance *appearance = nullptr;
    // Asks where to save a file; an empty answer means the user cancelled.
    std::function<QString(const SaveQuestion &question)> chooseFileToSave;
    // Ends the process at once: nothing is saved, nothing is asked.
    std::function<void()> endProgram;
};
