#include "app/fontconfigwarmup.h"
#include "app/mainwindow.h"
#include "platform/clock.h"
#include "platform/giobrowser.h"
#include "platform/instanceguard.h"
#include "platform/randomsource.h"
#include "platform/systemprinter.h"
#include "platform/systemtray.h"
#include "platform/xdgautostart.h"
#include "ui/dialogmessageservice.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPixmapCache>
#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    FontConfigWarmUp fontConfig;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clearwind"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The desktop matches the window to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.clearwind.Clearwind"));
    // Qt keeps up to 10 MB of drawn button faces and icons. The program's
    // screens need a small part of that; the rest would stay resident all day.
    QPixmapCache::setCacheLimit(1024);

    const QString programFolder = QApplication::applicationDirPath();
    SystemClock clock;
    SeededRandom random;
    DialogMessageService messages;
    LockFileInstanceGuard instanceGuard(programFolder);
    XdgAutostart logonList(XdgAutostart::defaultFolder());
    SystemPrinter printer;
    GioBrowser browser;

    Environment environment;
    environment.programFolder = programFolder;
    environment.clock = &clock;
    environment.random = &random;
    environment.messages = &messages;
    environment.instanceGuard = &instanceGuard;
    environment.logonList = &logonList;
    environment.printer = &printer;
    environment.browser = &browser;
    std::unique_ptr<SystemTray> tray;
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray = std::make_unique<SystemTray>(QStringLiteral(":/pictures/smiley.svg"));
        environment.tray = tray.get();
    }
    environment.chooseFileToSave = [](const QString &suggestedName) {
        return QFileDialog::getSaveFileName(
            QApplication::activeWindow(), QCoreApplication::translate("main", "Save as PDF"),
            QDir::home().filePath(suggestedName), QCoreApplication::translate("main", "PDF files (*.pdf)"));
    };
    // The program ends at once, without asking and without saving anything.
    environment.endProgram = [] { QApplication::exit(0); };

    fontConfig.wait();
    MainWindow window(environment);
    messages.setParentWindow(&window);
    if (window.startUp())
        window.show();
    return application.exec();
}
