// Takes the screenshots of the advisors' documents that the README and the
// reviews use: run it under a real display, e.g.
//   xvfb-run -a -s "-screen 0 1280x900x24" build/tools/screenshots/clearwind_screenshots OUTDIR
// with --lang de for the German pictures and --theme dark for the dark look.
// It drives the program over a copy of the built data folder, with the clock
// and the random draws fixed, so the pictures are the same every time.

#include "cravinglog/cravings.h"
#include "journey/journeytab.h"
#include "moment/rideitoutwindow.h"
#include "platform/appearance.h"
#include "platform/regionalformats.h"
#include "platform/translation.h"
#include "support/testwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <functional>

namespace {

// A step that cannot be taken spoils every picture after it: the tool stops.
void must(bool done)
{
    if (!done)
        qFatal("A step of the screenshots could not be taken");
}

void copyDataFolder(TestProgram &program, const QString &from)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = QStringLiteral("data/") + QDir(from).relativeFilePath(source);
        if (relative.startsWith(QLatin1String("data/settings/")) || relative.endsWith(QLatin1String("personal.rtf")))
            continue;
        QFile file(source);
        if (file.open(QIODevice::ReadOnly))
            must(program.writeFile(relative.toUtf8().constData(), file.readAll()));
    }
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(40);
    }
}

void startCounter(TestProgram &program)
{
    must(program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))));
    program.start();
    program.window().resize(1000, 720);
    must(program.click("cmdno"));
    must(program.tick("tmrcount"));
}

struct Scene
{
    const char *name;
    int tab;
    std::function<void(TestProgram &)> steps;
};

void typePersonalReasons(TestProgram &program)
{
    must(program.click("cmdpersonal"));
    auto *box = program.find<QTextEdit>("txtpersonal");
    box->selectAll();
    QTest::keyClicks(box, "I stop for ");
    QTest::keyClick(box, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(box, "Lena and Tom");
    QTest::keyClick(box, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(box, ", who deserve a father who can ");
    QTest::keyClick(box, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(box, "run with them");
    QTest::keyClick(box, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(box, ".");
    must(program.click("cmdpersonalback"));
    // A new start over the same folder: the reasons come back from the file.
    program.start();
    program.window().resize(1000, 720);
    must(program.click("cmdno"));
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    must(program.click("cmdpersonal"));
}

// Two earlier attempts, the second the longest, and a month of cravings that
// grow fewer and milder, with one slip: the journey tab as a person a few
// weeks into a new try would see it.
void writeJourney(TestProgram &program)
{
    const struct
    {
        QDateTime stop;
        QDateTime reset;
    } attempts[] = {{{QDate(2025, 6, 1), QTime(7, 30)}, {QDate(2025, 7, 12), QTime(19, 10)}},
                    {{QDate(2026, 1, 10), QTime(9, 0)}, {QDate(2026, 3, 3), QTime(21, 55)}}};
    for (const auto &attempt : attempts) {
        const QString profile = QStringLiteral("Ann\r\n20\r\neuro\r\n6.50\r\n") +
                                regional::dateToText(attempt.stop.date()) + QStringLiteral("\r\n") +
                                regional::timeToText(attempt.stop.time()) + QStringLiteral("\r\nYES\r\n");
        const QString name =
            attempt.reset.toString(QStringLiteral("'data/settings/history/attempt-'yyyyMMdd-HHmmss'.dat'"));
        must(program.writeFile(name.toUtf8().constData(), profile.toUtf8()));
    }
    using journey::Trigger;
    // Stress the most, coffee and meals next, the rest now and then.
    const Trigger triggers[] = {Trigger::Stress,  Trigger::Coffee,  Trigger::Meal,   Trigger::Stress, Trigger::Coffee,
                                Trigger::Smokers, Trigger::Stress,  Trigger::Meal,   Trigger::Waking, Trigger::Stress,
                                Trigger::Coffee,  Trigger::Boredom, Trigger::Stress, Trigger::Driving};
    QByteArray file = journey::cravingsHeader();
    const QDateTime now = program.clock.now();
    int drawn = 0;
    for (int daysAgo = 29; daysAgo >= 0; --daysAgo) {
        const int count = (daysAgo + 6) / 8 + (daysAgo % 3 == 0 ? 1 : 0);
        for (int n = 0; n < count; ++n, ++drawn) {
            journey::Craving craving;
            craving.time = QDateTime(now.date().addDays(-daysAgo), QTime(8 + 3 * n + drawn % 3, 10 * (drawn % 6)));
            craving.strength = 2 + (drawn + daysAgo / 10) % 4;
            craving.trigger = triggers[drawn % std::size(triggers)];
            craving.outcome = daysAgo == 4 && n == 0 ? journey::Outcome::Smoked : journey::Outcome::Passed;
            // The last three weeks were ridden out in the window, with what helped.
            if (daysAgo < 21) {
                craving.seconds = 90 + (drawn * 47) % 300;
                craving.steps = drawn % 3 == 0   ? QList{journey::CopingStep::Walk, journey::CopingStep::Water}
                                : drawn % 3 == 1 ? QList{journey::CopingStep::Breathe}
                                                 : QList{journey::CopingStep::Exercise};
            }
            file += journey::cravingRecord(craving);
        }
    }
    must(program.writeFile("data/journey/cravings.csv", file));
    must(program.writeFile("data/journey/plans.csv",
                           "trigger,plan\r\ncoffee,take my coffee out on the balcony and drink a glass of water "
                           "first.\r\nstress,\"step outside, breathe out slowly, and count to ten.\"\r\n"));
}

const Scene scenes[] = {
    {"counter", 0, [](TestProgram &p) { must(p.tick("timerrest") && p.tick("timersmilesay")); }},
    {"withdrawal", 1, [](TestProgram &p) { must(p.click("cmdifeel") && p.click("cmdfeelchest")); }},
    {"weight", 1, [](TestProgram &p) { must(p.click("cmdweight") && p.click("cmdwhygain")); }},
    {"trouble", 3, [](TestProgram &p) { must(p.click("cmdtroublewith") && p.click("Command4")); }},
    {"answer", 3,
     [](TestProgram &p) {
         must(p.click("Command1"));
         p.find<QListWidget>("lst1")->setCurrentRow(5);
         must(p.click("cmdshowanwser"));
     }},
    // Each tab as it first shows.
    {"doctor", 1, [](TestProgram &) {}},
    {"professor", 2, [](TestProgram &) {}},
    {"coach", 3, [](TestProgram &) {}},
    {"settings", 4, [](TestProgram &) {}},
    {"fact", 2, [](TestProgram &p) { must(p.click("cmdf1")); }},
    {"whypeoplesmoke", 2, [](TestProgram &p) { must(p.click("cmdf4")); }},
    {"things", 3, [](TestProgram &p) { must(p.click("cmdthings")); }},
    {"personal", 3, typePersonalReasons},
    // The tab reads its files beside the window; the picture waits for the figures.
    {"journey", 5,
     [](TestProgram &p) {
         if (!QTest::qWaitFor([&p] { return !p.find<JourneyTab>("journeytab")->isBusy(); }))
             qWarning("The journey was still being read");
     }},
    // Scrolled down to the chart of the hours.
    {"whencravingscome", 5,
     [](TestProgram &p) {
         auto *tab = p.find<JourneyTab>("journeytab");
         if (!QTest::qWaitFor([tab] { return !tab->isBusy(); }))
             qWarning("The journey was still being read");
         settle();
         QScrollBar *bar = tab->findChild<QScrollArea *>()->verticalScrollBar();
         bar->setValue(bar->maximum());
     }},
    {"craving", 5, [](TestProgram &p) { must(p.click("cmdlogcraving")); }},
    {"rideitout", 0,
     [](TestProgram &p) {
         must(p.click("cmdcravingnow"));
         auto *ride = p.find<RideItOutWindow>("frmrideitout");
         if (!QTest::qWaitFor([ride] { return !ride->isReading(); }))
             qWarning("The plans were still being read");
         // A minute and a quarter into it.
         ride->setElapsedSource([] { return 73'400; });
         auto *trigger = p.find<QComboBox>("cbotrigger");
         trigger->setCurrentIndex(trigger->findData(int(journey::Trigger::Coffee)));
         must(p.click("chkstepwalk"));
     }},
    {"slip", 5, [](TestProgram &p) { must(p.click("cmdlogcraving") && p.click("cmdsmoked") && p.click("cmdslip")); }},
    {"plans", 5, [](TestProgram &p) { must(p.click("cmdmyplans")); }},
};

// What the scene opened in front of the main window, the last opened first.
QWidget *frontWindow(TestProgram &program)
{
    if (auto *dialog = program.window().findChild<QDialog *>(); dialog && dialog->isVisible()) {
        // A dialog opened from another dialog stands in front of it.
        for (auto *inner = dialog->findChild<QDialog *>(); inner && inner->isVisible();
             inner = inner->findChild<QDialog *>())
            dialog = inner;
        return dialog;
    }
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget != &program.window() && widget->isVisible() && widget->isWindow() &&
            widget->windowType() == Qt::Window)
            return widget;
    }
    return &program.window();
}

// The value of an option, taken out of the arguments with the option.
QString takeOption(QStringList &arguments, const QString &option, const QString &fallback)
{
    const qsizetype at = arguments.indexOf(option);
    if (at < 0 || at + 1 >= arguments.size())
        return fallback;
    const QString value = arguments.at(at + 1);
    arguments.remove(at, 2);
    return value;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // --lang LANGUAGE takes the pictures in that language, --theme dark in the dark look.
    QStringList arguments = QApplication::arguments().mid(1);
    const QString language = takeOption(arguments, QStringLiteral("--lang"), QStringLiteral("en"));
    const QString theme = takeOption(arguments, QStringLiteral("--theme"), QStringLiteral("light"));
    FixedAppearance appearance(theme == QLatin1String("dark") ? ColourScheme::Dark : ColourScheme::Light);
    translation::install(language);
    const QString outFolder = arguments.value(0, QStringLiteral("."));
    const QString dataFolder = QStringLiteral(CLEARWIND_BUILD_DIR "/data");
    QDir().mkpath(outFolder);
    for (const Scene &scene : scenes) {
        TestProgram program;
        program.environment().language = language;
        program.environment().appearance = &appearance;
        copyDataFolder(program, dataFolder);
        writeJourney(program);
        program.random.draws = {0.3};
        startCounter(program);
        program.find<QTabWidget>("SSTab1")->setCurrentIndex(scene.tab);
        scene.steps(program);
        settle();
        const QString file = outFolder + u'/' + QLatin1String(scene.name) + QStringLiteral(".png");
        // A window that the scene opened is the picture.
        if (!frontWindow(program)->grab().save(file))
            qWarning("Could not write %s", qPrintable(file));
    }
    return 0;
}
