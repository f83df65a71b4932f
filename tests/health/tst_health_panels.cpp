#include "health/bodymeters.h"
#include "health/bodymonitorpanel.h"
#include "health/diseasepanel.h"
#include "support/checked.h"
#include "support/testwindow.h"
#include "ui/controls.h"

#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

Q_DECLARE_METATYPE(SmokeFreeTime)

namespace {

using Tops = QList<double>;

const QString hyphens(29, QLatin1Char('-'));

const char *const panelText =
    "This shows your body functions compared to a non smoker. Move your mouse over the meters to get detailed info.";
const char *const bloodPressureText = "This is your blood pressure. If you don't smoke for 20 minutes your blood "
                                      "pressure will drop down to normal.";

SmokeFreeTime at(qint64 days, int hours = 0, int minutes = 0, int seconds = 0)
{
    return SmokeFreeTime{days, hours, minutes, seconds};
}

// Starts the program with a quit that has run for the given time, lets the
// counter show it and turns to the doctor's tab.
void startQuit(TestProgram &program, const SmokeFreeTime &elapsed)
{
    const QDateTime stop = program.clock.now()
                               .addDays(-elapsed.days)
                               .addSecs(-(elapsed.hours * 3600 + elapsed.minutes * 60 + elapsed.seconds));
    QVERIFY(program.writeRunningProfile(stop));
    program.start();
    QVERIFY(program.click("cmdno"));
    QVERIFY(program.tick("tmrcount"));
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(1);
}

QStringList riskTexts(const TestProgram &program)
{
    return {program.text("lblstatheart"), program.text("lblstrokerisk"), program.text("lbllungcancerrisk"),
            program.text("lblsickchance")};
}

// Where the markers stand, in pixels from the panel's top.
QList<int> markerPixels(const TestProgram &program)
{
    QList<int> tops;
    for (const char *marker : {"i1", "i2", "i3", "i4", "i5", "i6", "i7"})
        tops << program.find(marker)->geometry().top();
    return tops;
}

QList<int> expectedPixels(const Tops &twips, const QWidget *panel)
{
    QList<int> tops;
    for (double top : twips)
        tops << bodymeters::twipsToPixels(top, panel->logicalDpiY());
    return tops;
}

QString docSays(const TestProgram &program)
{
    return program.text("lbldocsay");
}

QColor docColour(const TestProgram &program)
{
    return controls::textColour(program.label("lbldocsay"));
}

// Moves the mouse to a point of a control, the way a person would: the
// window decides which control is under the pointer.
void moveOver(const TestProgram &program, const char *name, QPoint offset = QPoint())
{
    QWidget *control = program.find(name);
    QVERIFY2(control && control->isVisible(), name);
    QTest::mouseMove(control, control->rect().center() + offset);
}

// Moves over the panel's own background, below the meters and left of Back.
void moveOverPanel(const TestProgram &program, int step)
{
    QWidget *panel = program.find("frmbodyfunctions");
    QVERIFY(panel && panel->isVisible());
    QTest::mouseMove(panel, QPoint(10 + step, panel->height() - 10));
}

} // namespace

class HealthPanelsTest : public QObject
{
    Q_OBJECT
private slots:
    void diseaseRows_data();
    void diseaseRows();
    void diseaseRowsLook();
    void diseaseBackStopsTheUpdates();
    void backIsAskedFor_data();
    void backIsAskedFor();

    void markerGeometry_data();
    void markerGeometry();
    void markerGeometryAtScaleFactorTwo();
    void markersWaitForTheFirstTick();
    void monitorBackStopsTheUpdates();

    void meterExplanations_data();
    void meterExplanations();
    void controlsOverThePanelKeepTheExplanation_data();
    void controlsOverThePanelKeepTheExplanation();
};

void HealthPanelsTest::diseaseRows_data()
{
    QTest::addColumn<SmokeFreeTime>("elapsed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("1 day") << at(1) << QStringList{"0.012054%", "0.027397%", "0.024577%", "0.555555%"};
    QTest::newRow("1 day 1 hour") << at(1, 1) << QStringList{"0.0125563%", "0.0285385%", "0.025601%", "0.5787031%"};
    QTest::newRow("30 days") << at(30) << QStringList{"0.36162%", "0.82191%", "0.73731%", "16.66665%"};
    QTest::newRow("last second of day 89")
        << at(89, 23, 59, 59) << QStringList{"1.0848599%", "2.4657297%", "2.2119297%", "49.9999436%"};
    QTest::newRow("day 90") << at(90) << QStringList{"1.08486%", "2.46573%", "2.21193%", "RISK NORMAL"};
    QTest::newRow("day 1821") << at(1821) << QStringList{"21.950334%", "RISK NORMAL", "44.754717%", "RISK NORMAL"};
    QTest::newRow("day 5475") << at(5475) << QStringList{"RISK NORMAL", "RISK NORMAL", "RISK NORMAL", "RISK NORMAL"};
}

void HealthPanelsTest::diseaseRows()
{
    QFETCH(SmokeFreeTime, elapsed);
    QFETCH(QStringList, expected);
    TestProgram program;
    CHECKED(startQuit(program, elapsed));

    QVERIFY(program.click("cmddesstats"));
    QVERIFY(program.shown("frmdesstats"));
    QVERIFY(program.timer("Timerdisstats")->isActive());
    // The first tick comes a second after opening.
    QCOMPARE(riskTexts(program), QStringList({hyphens, hyphens, hyphens, hyphens}));

    QVERIFY(program.tick("Timerdisstats"));
    QCOMPARE(riskTexts(program), expected);
}

void HealthPanelsTest::diseaseRowsLook()
{
    TestProgram program;
    CHECKED(startQuit(program, at(1)));
    QVERIFY(program.click("cmddesstats"));

    const struct
    {
        const char *caption;
        const char *captionText;
        const char *value;
        int shade;
        const char *description;
    } rows[] = {
        {"Label22", "Chance of having a heart attack", "lblstatheart", 64, "Heart attack risk reduction"},
        {"Label23", "Chance of having a stroke", "lblstrokerisk", 128, "Stroke risk reduction"},
        {"Label24", "Chance of lung cancer", "lbllungcancerrisk", 192, "Lung cancer risk reduction"},
        {"Label26", "Chance of having a common sickness", "lblsickchance", 255, "Common sickness risk reduction"},
    };
    int previousTop = -1;
    for (const auto &row : rows) {
        QLabel *caption = program.label(row.caption);
        QLabel *value = program.label(row.value);
        QVERIFY2(caption && value, row.value);
        QCOMPARE(caption->text(), QString::fromLatin1(row.captionText));
        QCOMPARE(controls::textColour(value), QColor(0, row.shade, 0));
        QCOMPARE(value->accessibleDescription(), QString::fromLatin1(row.description));
        QVERIFY2(caption->isVisible() && value->isVisible(), row.value);
        // Top to bottom in this order, each value beside its caption.
        QVERIFY2(caption->geometry().top() > previousTop, row.caption);
        QVERIFY(value->geometry().left() > caption->geometry().left());
        QVERIFY(qAbs(value->geometry().center().y() - caption->geometry().center().y()) <= 2);
        previousTop = caption->geometry().top();
    }
    QVERIFY(program.find("Image8")->isVisible());
    QCOMPARE(program.find<QPushButton>("cmddeseaseback")->text(), QStringLiteral("Back"));
}

void HealthPanelsTest::diseaseBackStopsTheUpdates()
{
    TestProgram program;
    CHECKED(startQuit(program, at(1)));
    QVERIFY(program.click("cmddesstats"));
    QVERIFY(program.tick("Timerdisstats"));
    QCOMPARE(program.text("lblsickchance"), QStringLiteral("0.555555%"));

    QVERIFY(program.click("cmddeseaseback"));
    QVERIFY(!program.timer("Timerdisstats")->isActive());
    QVERIFY(program.shown("frmmaindoc"));
    QVERIFY(!program.shown("frmdesstats"));

    // A day later the closed panel still holds what it showed.
    program.clock.advance(86400);
    QVERIFY(program.tick("tmrcount"));
    QVERIFY(program.click("cmddesstats"));
    QCOMPARE(program.text("lblsickchance"), QStringLiteral("0.555555%"));
    QVERIFY(program.tick("Timerdisstats"));
    QCOMPARE(program.text("lblsickchance"), QStringLiteral("1.11111%"));
}

void HealthPanelsTest::markerGeometry_data()
{
    QTest::addColumn<SmokeFreeTime>("elapsed");
    QTest::addColumn<Tops>("twips");

    QTest::newRow("start") << at(0) << Tops{3150, 3150, 3150, 3150, 3150, 3150, 3150};
    QTest::newRow("19 minutes") << at(0, 0, 19) << Tops{300, 3150, 3150, 3150, 3150, 3150, 3150};
    QTest::newRow("8 hours") << at(0, 8) << Tops{240, 150, 2150, 2650, 3150, 3150, 3150};
    QTest::newRow("1 day 23 hours") << at(1, 23, 59, 59) << Tops{240, 240, 240, 212.5, 3043, 3107.15, 3133.34};
    QTest::newRow("30 days") << at(30) << Tops{240, 240, 240, 240, 240, 1864.5, 2650.2};
    QTest::newRow("181 days") << at(181) << Tops{240, 240, 240, 240, 240, 240, 240};
}

// Run in a process of its own at scale factor 2 as well.
void HealthPanelsTest::markerGeometry()
{
    QFETCH(SmokeFreeTime, elapsed);
    QFETCH(Tops, twips);
    TestProgram program;
    CHECKED(startQuit(program, elapsed));
    QVERIFY(program.click("cmdbodyfunctions"));
    QVERIFY(program.tick("timerbodyf"));

    const QWidget *panel = program.find("frmbodyfunctions");
    if (qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2)
        QCOMPARE(panel->devicePixelRatioF(), 2.0);
    QCOMPARE(markerPixels(program), expectedPixels(twips, panel));
    if (panel->logicalDpiY() == 96 && elapsed == at(0, 0, 19))
        QCOMPARE(markerPixels(program), QList<int>({20, 210, 210, 210, 210, 210, 210}));

    const int scaleTop = bodymeters::twipsToPixels(240, panel->logicalDpiY());
    const int scaleBottom = bodymeters::twipsToPixels(3240, panel->logicalDpiY());
    int previousLeft = -1;
    for (int k = 1; k <= 7; ++k) {
        const QRect scale = program.find(qPrintable(QStringLiteral("m%1").arg(k)))->geometry();
        const QRect marker = program.find(qPrintable(QStringLiteral("i%1").arg(k)))->geometry();
        QCOMPARE(scale.top(), scaleTop);
        QCOMPARE(scale.bottom() + 1, scaleBottom);
        QCOMPARE(scale.left(), marker.left());
        QCOMPARE(scale.width(), marker.width());
        QVERIFY2(panel->rect().contains(scale), qPrintable(QString::number(k)));
        // Side by side, 840 twips apart.
        if (previousLeft >= 0)
            QVERIFY(qAbs(scale.left() - previousLeft - bodymeters::twipsToPixels(840, panel->logicalDpiX())) <= 1);
        previousLeft = scale.left();
    }
}

void HealthPanelsTest::markerGeometryAtScaleFactorTwo()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QSKIP("Already running scaled");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("markerGeometry")});
    QVERIFY(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
    QVERIFY2(output.contains("0 failed"), output.constData());
}

void HealthPanelsTest::markersWaitForTheFirstTick()
{
    TestProgram program;
    CHECKED(startQuit(program, at(30)));
    QVERIFY(program.click("cmdbodyfunctions"));
    QVERIFY(program.timer("timerbodyf")->isActive());
    QVERIFY(program.find("cmddocback")->isVisible());
    const QWidget *panel = program.find("frmbodyfunctions");
    QCOMPARE(markerPixels(program), expectedPixels(Tops(7, 3120), panel));
}

void HealthPanelsTest::monitorBackStopsTheUpdates()
{
    TestProgram program;
    CHECKED(startQuit(program, at(0, 0, 10)));
    QVERIFY(program.click("cmdbodyfunctions"));
    QVERIFY(program.tick("timerbodyf"));
    const QWidget *panel = program.find("frmbodyfunctions");
    const QList<int> tenMinutes = expectedPixels({1650, 3150, 3150, 3150, 3150, 3150, 3150}, panel);
    QCOMPARE(markerPixels(program), tenMinutes);

    QVERIFY(program.click("cmddocback"));
    QVERIFY(!program.timer("timerbodyf")->isActive());
    QVERIFY(!program.shown("frmbodyfunctions"));
    QVERIFY(!program.shown("cmddocback"));
    QVERIFY(program.shown("frmmaindoc"));

    // Closed, the markers stay where they were; reopened, they move on the next tick.
    program.clock.advance(3600);
    QVERIFY(program.tick("tmrcount"));
    QVERIFY(program.click("cmdbodyfunctions"));
    QCOMPARE(markerPixels(program), tenMinutes);
    QVERIFY(program.tick("timerbodyf"));
    QCOMPARE(markerPixels(program), expectedPixels({240, 2775, 3025, 3087.5, 3150, 3150, 3150}, panel));
}

void HealthPanelsTest::meterExplanations_data()
{
    QTest::addColumn<QByteArray>("meter");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("text");

    QTest::newRow("m1") << QByteArray("m1") << "Blood pressure" << bloodPressureText;
    QTest::newRow("m2") << QByteArray("m2") << "Oxygen level"
                        << "Oxigen level in your blood. The element of life. The higher these levels are, the more "
                           "energy you have.";
    QTest::newRow("m3") << QByteArray("m3") << "Carbon monoxide level"
                        << "These are the carbon monoxide (a toxic gas) levels in your blood.";
    QTest::newRow("m4") << QByteArray("m4") << "Taste and smell"
                        << "Your sense of taste and smell. Your sense of taste and smell will return to a normal "
                           "level after 2 days.";
    QTest::newRow("m5") << QByteArray("m5") << "Energy level"
                        << "Energy levels. Your bronchial tubes will relax after a while , so your energy levels will "
                           "start to increase.";
    QTest::newRow("m6") << QByteArray("m6") << "Blood circulation"
                        << "Blood circulation. To stay healthy, it is very important to have good blood circulation.";
    QTest::newRow("m7") << QByteArray("m7") << "Lung capacity"
                        << "Lung capicity. coughs, wheezing and breathing problems will vanish as your lung capacity "
                           "improves by 10-30%.";
}

void HealthPanelsTest::meterExplanations()
{
    QFETCH(QByteArray, meter);
    QFETCH(QString, description);
    QFETCH(QString, text);
    TestProgram program;
    CHECKED(startQuit(program, at(3)));
    QVERIFY(program.click("cmdbodyfunctions"));
    QCOMPARE(program.find(meter)->accessibleDescription(), description);

    CHECKED(moveOverPanel(program, 0));
    QCOMPARE(docSays(program), QString::fromLatin1(panelText));
    QCOMPARE(docColour(program), QColor(0, 0, 0));

    moveOver(program, meter);
    QCOMPARE(docSays(program), text);
    QCOMPARE(docColour(program), QColor(0, 0, 255));

    // Moving on over the scale keeps saying the same.
    moveOver(program, meter, QPoint(1, 7));
    QCOMPARE(docSays(program), text);

    CHECKED(moveOverPanel(program, 1));
    QCOMPARE(docSays(program), QString::fromLatin1(panelText));
    QCOMPARE(docColour(program), QColor(0, 0, 0));
}

void HealthPanelsTest::controlsOverThePanelKeepTheExplanation_data()
{
    QTest::addColumn<QByteArray>("control");
    QTest::newRow("marker over its scale") << QByteArray("i1");
    QTest::newRow("marker at the top") << QByteArray("i2");
    QTest::newRow("normal") << QByteArray("Label10");
    QTest::newRow("smoker") << QByteArray("Label11");
    QTest::newRow("back") << QByteArray("cmddocback");
}

void HealthPanelsTest::controlsOverThePanelKeepTheExplanation()
{
    QFETCH(QByteArray, control);
    TestProgram program;
    CHECKED(startQuit(program, at(0, 10)));
    QVERIFY(program.click("cmdbodyfunctions"));
    QVERIFY(program.tick("timerbodyf"));

    moveOver(program, "m1", QPoint(0, -20));
    QCOMPARE(docSays(program), QString::fromLatin1(bloodPressureText));
    moveOver(program, control);
    QCOMPARE(docSays(program), QString::fromLatin1(bloodPressureText));
    QCOMPARE(docColour(program), QColor(0, 0, 255));

    // A move sent straight to the control does not reach the panel either.
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(program.find(control), &move);
    QCOMPARE(docSays(program), QString::fromLatin1(bloodPressureText));
}

void HealthPanelsTest::backIsAskedFor_data()
{
    QTest::addColumn<bool>("monitor");
    QTest::newRow("disease risks") << false;
    QTest::newRow("body monitor") << true;
}

// Each panel on its own says that Back was pressed; what follows is its host's.
void HealthPanelsTest::backIsAskedFor()
{
    QFETCH(bool, monitor);
    std::unique_ptr<QWidget> panel;
    if (monitor)
        panel = std::make_unique<BodyMonitorPanel>();
    else
        panel = std::make_unique<DiseasePanel>();
    panel->show();
    auto *back = panel->findChild<QPushButton *>(monitor ? "cmddocback" : "cmddeseaseback");
    QVERIFY(back);
    QSignalSpy asked(panel.get(), SIGNAL(backRequested()));
    if (auto *meters = qobject_cast<BodyMonitorPanel *>(panel.get())) {
        QVERIFY(!back->isVisible());
        meters->setBackShown(true);
    }
    QVERIFY(back->isVisible());
    back->click();
    QCOMPARE(asked.count(), 1);
}

QTEST_MAIN(HealthPanelsTest)
#include "tst_health_panels.moc"
