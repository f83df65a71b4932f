// Takes the screenshots of the advisors' documents that the README and the
// reviews use: run it under a real display, e.g.
//   xvfb-run -a -s "-screen 0 1280x900x24" build/tools/screenshots/clearwind_screenshots OUTDIR
// It drives the program over a copy of the built data folder, with the clock
// and the random draws fixed, so the pictures are the same every time.

#include "support/testwindow.h"

#include <QApplication>
#include <QDirIterator>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <functional>

namespace {

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
            program.writeFile(relative.toUtf8().constData(), file.readAll());
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
    program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0)));
    program.start();
    program.window().resize(1000, 720);
    program.click("cmdno");
    program.tick("tmrcount");
}

struct Scene
{
    const char *name;
    int tab;
    std::function<void(TestProgram &)> steps;
};

void typePersonalReasons(TestProgram &program)
{
    program.click("cmdpersonal");
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
    program.click("cmdpersonalback");
    // A new start over the same folder: the reasons come back from the file.
    program.start();
    program.window().resize(1000, 720);
    program.click("cmdno");
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    program.click("cmdpersonal");
}

const Scene scenes[] = {
    {"counter", 0, [](TestProgram &p) { p.tick("timerrest"), p.tick("timersmilesay"); }},
    {"withdrawal", 1, [](TestProgram &p) { p.click("cmdifeel"), p.click("cmdfeelchest"); }},
    {"weight", 1, [](TestProgram &p) { p.click("cmdweight"), p.click("cmdwhygain"); }},
    {"trouble", 3, [](TestProgram &p) { p.click("cmdtroublewith"), p.click("Command4"); }},
    {"answer", 3,
     [](TestProgram &p) {
         p.click("Command1");
         p.find<QListWidget>("lst1")->setCurrentRow(5);
         p.click("cmdshowanwser");
     }},
    {"fact", 2, [](TestProgram &p) { p.click("cmdf1"); }},
    {"whypeoplesmoke", 2, [](TestProgram &p) { p.click("cmdf4"); }},
    {"things", 3, [](TestProgram &p) { p.click("cmdthings"); }},
    {"personal", 3, typePersonalReasons},
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList arguments = QApplication::arguments();
    const QString outFolder = arguments.value(1, QStringLiteral("."));
    const QString dataFolder = QStringLiteral(CLEARWIND_BUILD_DIR "/data");
    QDir().mkpath(outFolder);
    for (const Scene &scene : scenes) {
        TestProgram program;
        copyDataFolder(program, dataFolder);
        program.random.draws = {0.3};
        startCounter(program);
        program.find<QTabWidget>("SSTab1")->setCurrentIndex(scene.tab);
        scene.steps(program);
        settle();
        const QString file = outFolder + u'/' + QLatin1String(scene.name) + QStringLiteral(".png");
        if (!program.window().grab().save(file))
            qWarning("Could not write %s", qPrintable(file));
    }
    return 0;
}
