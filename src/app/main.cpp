#include "app/fontconfigwarmup.h"
#include "app/mainwindow.h"
#include "platform/appearance.h"
#include "platform/clock.h"
#include "platform/datalayout.h"
#include "platform/giobrowser.h"
#include "platform/instanceguard.h"
#include "platform/randomsource.h"
#include "platform/systemprinter.h"
#include "platform/systemtray.h"
#include "platform/translation.h"
#include "platform/xdgautostart.h"
#include "records/userfolder.h"
#include "ui/dialogmessageservice.h"
#include "ui/savefiledialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDir>
#include <QPixmapCache>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

// The looks --theme chooses from; "system" follows the desktop.
struct Theme
{
    const char *name;
    std::optional<ColourScheme> scheme;
};

const Theme themes[] = {{"system", std::nullopt}, {"light", ColourScheme::Light}, {"dark", ColourScheme::Dark}};

const Theme *findTheme(const QString &asked)
{
    for (const Theme &theme : themes)
        if (asked.compare(QLatin1String(theme.name), Qt::CaseInsensitive) == 0)
            return &theme;
    return nullptr;
}

QString themeNames()
{
    QStringList names;
    for (const Theme &theme : themes)
        names << QString::fromLatin1(theme.name);
    return names.join(QStringLiteral(", "));
}

struct CommandLine
{
    // --help and --version are answered on the terminal, and the program ends;
    // so is an option it does not know, with status 2.
    std::optional<int> answered;
    bool logCraving = false;
    bool cravingNow = false;
    // Asked for with -style: the program's own style must not override it.
    bool styleChosen = false;
    // The language the program speaks for this run.
    QString language;
    // The look for this run; the desktop's unless asked for.
    const Theme *theme = &themes[0];
};

// The options that QApplication takes for itself on this system's platforms,
// each with one dash or two: those followed by a value, and the others.
// clang-format off
constexpr const char *qtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "display", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "name", "visual", "session", "style", "stylesheet"};
// clang-format on
constexpr const char *qtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

// The program's options, described in the language installed when they are made.
struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("main", "Displays help on commandline options.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("main", "Displays version information.")};
    QCommandLineOption logCraving{
        QStringLiteral("log-craving"),
        QCoreApplication::translate("main", "Opens the dialog to log a craving, in the copy already running if "
                                            "there is one.")};
    QCommandLineOption cravingNow{
        QStringLiteral("craving"),
        QCoreApplication::translate("main", "Opens the window that helps you ride out a craving, in the copy already "
                                            "running if there is one.")};
    QCommandLineOption language{QStringLiteral("lang"),
                                QCoreApplication::translate("main", "Speaks LANGUAGE for this run: %1.")
                                    .arg(translation::languages().join(QStringLiteral(", "))),
                                QCoreApplication::translate("main", "LANGUAGE")};
    QCommandLineOption theme{QStringLiteral("theme"),
                             QCoreApplication::translate("main", "Shows the look THEME for this run: %1. The "
                                                                 "default, system, follows the desktop.")
                                 .arg(themeNames()),
                             QCoreApplication::translate("main", "THEME"), QStringLiteral("system")};

    void addTo(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("main", "Counts your smoke-free time and shows what it brings."));
        parser.addOptions({help, version, logCraving, cravingNow, language, theme});
        for (const char *name : qtOptionsWithValue) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char *name : qtFlags) {
            QCommandLineOption option(QString::fromLatin1(name));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        // As Qt reads them: -platform is one option, not eight letters.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    }
};

// What the program says on the terminal before it ends: the usage, or why it
// did not understand, in the user's language. Only then is there an
// application to translate with; an ordinary start pays nothing for it.
int answerOnTerminal(const QStringList &arguments, const QString &language)
{
    // Named as the command is typed, whatever path started it.
    char command[] = "clearwind";
    char *terminalArguments[] = {command, nullptr};
    int terminalArgumentCount = 1;
    QCoreApplication terminal(terminalArgumentCount, terminalArguments);
    translation::install(language);
    QCommandLineParser parser;
    const Options options;
    options.addTo(parser);
    const bool understood = parser.parse(arguments);
    const QString usage = parser.helpText();
    QString problem = parser.errorText();
    if (understood && parser.isSet(options.language) && !translation::speaks(parser.value(options.language)))
        problem =
            QCoreApplication::translate("main", "Clearwind does not speak \"%1\".").arg(parser.value(options.language));
    else if (understood && !findTheme(parser.value(options.theme)))
        problem = QCoreApplication::translate("main", "Clearwind has no look \"%1\"; it has %2.")
                      .arg(parser.value(options.theme), themeNames());
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "clearwind: %s\n\n%s", qPrintable(problem), qPrintable(usage));
        return 2;
    }
    std::fputs(qPrintable(usage), stdout);
    return 0;
}

// Answers --help and --version on the terminal, before anything needs a
// display, and refuses an option that neither the program nor Qt knows, or a
// language it does not speak. Qt's options are left to QApplication.
CommandLine readCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const Options options;
    options.addTo(parser);
    const bool understood = parser.parse(arguments);
    const QString asked = parser.value(options.language);
    CommandLine commandLine{std::nullopt, parser.isSet(options.logCraving), parser.isSet(options.cravingNow),
                            parser.isSet(QStringLiteral("style")), translation::choose(asked)};
    const Theme *theme = findTheme(parser.value(options.theme));
    if (theme)
        commandLine.theme = theme;
    if (understood && parser.isSet(options.version)) {
        std::printf("clearwind %s\n", CLEARWIND_VERSION);
        commandLine.answered = 0;
    } else if (!understood || parser.isSet(options.help) ||
               (parser.isSet(options.language) && !translation::speaks(asked)) || !theme) {
        commandLine.answered = answerOnTerminal(arguments, commandLine.language);
    }
    return commandLine;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Clearwind"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CLEARWIND_VERSION));
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.answered)
        return *commandLine.answered;

    FontConfigWarmUp fontConfig;
    QApplication application(argc, argv);
    if (!commandLine.styleChosen)
        QApplication::setStyle(QStringLiteral("Fusion"));
    // The desktop matches the window to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.clearwind.Clearwind"));
    // Qt keeps up to 10 MB of drawn button faces and icons. The program's
    // screens need a small part of that; the rest would stay resident all day.
    QPixmapCache::setCacheLimit(1024);
    translation::install(commandLine.language);

    const DataLayout layout =
        findDataLayout(QApplication::applicationDirPath(), qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    SystemClock clock;
    SeededRandom random;
    DialogMessageService messages;
    // One copy of the program for each folder of the user's files.
    LockFileInstanceGuard instanceGuard(layout.userFolder);
    // Started from the desktop's "Log a craving" or "Craving now" while a copy
    // runs: that copy opens its window, and this one ends without a word. A
    // copy that does not answer gets the usual message below.
    const std::optional<InstanceGuard::Request> request =
        commandLine.cravingNow   ? std::optional(InstanceGuard::Request::CravingNow)
        : commandLine.logCraving ? std::optional(InstanceGuard::Request::LogCraving)
                                 : std::nullopt;
    if (request && !instanceGuard.acquire() && instanceGuard.pass(*request))
        return 0;
    XdgAutostart logonList(XdgAutostart::defaultFolder());
    SystemPrinter printer;
    GioBrowser browser;

    // Asked for, the look stays; otherwise the desktop's portal is followed.
    std::unique_ptr<Appearance> appearance;
    if (commandLine.theme->scheme)
        appearance = std::make_unique<FixedAppearance>(*commandLine.theme->scheme);
    else
        appearance = std::make_unique<PortalAppearance>(QDBusConnection::sessionBus());

    std::unique_ptr<SystemTray> tray;
    if (QSystemTrayIcon::isSystemTrayAvailable())
        tray = std::make_unique<SystemTray>(QStringLiteral(":/pictures/smiley.svg"));
    Environment environment = Environment::over(QApplication::applicationFilePath(), layout,
                                                {.clock = &clock,
                                                 .random = &random,
                                                 .messages = &messages,
                                                 .instanceGuard = &instanceGuard,
                                                 .logonList = &logonList,
                                                 .printer = &printer,
                                                 .browser = &browser,
                                                 .tray = tray.get(),
                                                 .appearance = appearance.get()});
    environment.language = commandLine.language;
    environment.chooseFileToSave = [](const SaveQuestion &question) {
        return askWithSaveFileDialog(question, QApplication::activeWindow());
    };
    // The program ends at once, without asking and without saving anything.
    environment.endProgram = [] { QApplication::exit(0); };

    fontConfig.wait();
    // The user's folder in the installed layout: made ready, and what the
    // user must know of it said once.
    if (layout.installed)
        prepareUserFolder(environment, layout.earlierUserFolders);
    MainWindow window(environment);
    messages.setParentWindow(&window);
    if (commandLine.logCraving)
        window.openCravingDialog();
    if (commandLine.cravingNow)
        window.openRideItOut();
    if (window.startUp())
        window.show();
    return application.exec();
}
