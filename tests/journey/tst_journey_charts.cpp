#include "journey/chartsloader.h"

#include <QApplication>
#include <QBarSeries>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTest>

// The module that draws the journey's charts, loaded as the program loads it:
// what it is given is what it draws, a broken line as its runs, and the legend
// names each kind once.
class JourneyChartsTest : public QObject
{
    Q_OBJECT
private slots:
    void drawsWhatItIsGiven();
};

void JourneyChartsTest::drawsWhatItIsGiven()
{
    using namespace journey::charts;
    const LoadedMaker loaded = loadMaker(QStringLiteral(CLEARWIND_BUILD_DIR));
    QVERIFY2(loaded.maker, qPrintable(loaded.problem));
    QWidget window;
    auto *view = qobject_cast<QChartView *>(loaded.maker->createChart(&window));
    QVERIFY(view);
    Figures figures;
    figures.categoryCount = 4;
    // Stacked bars, a set without a bar left out, a note over a bar and a line in two runs.
    figures.sets = {{QStringLiteral("Passed"), Colour::Bars, {1, 0, 2, 1}},
                    {QStringLiteral("Smoked"), Colour::Muted, {0, 0, 1, 0}},
                    {QStringLiteral("Unreadable"), Colour::Muted, {0, 0, 0, 0}}};
    figures.notes = {{2, 3, QStringLiteral("Longest")}};
    figures.line = {QStringLiteral("Mean strength"), {{{0, 3}}, {{2, 4}, {3, 5}}}, QStringLiteral("Strength"), 5, 1};
    loaded.maker->draw(view, figures, {});
    // The legend lays out its markers once it is shown.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList drawn;
    for (QAbstractSeries *series : view->chart()->series()) {
        if (auto *bars = qobject_cast<QStackedBarSeries *>(series))
            drawn << QStringLiteral("bars %1").arg(bars->count());
        else if (auto *line = qobject_cast<QLineSeries *>(series);
                 line && series->type() == QAbstractSeries::SeriesTypeLine)
            drawn << QStringLiteral("line %1").arg(line->count());
        else if (auto *note = qobject_cast<QScatterSeries *>(series))
            drawn << QStringLiteral("note ") + note->pointLabelsFormat();
    }
    QCOMPARE(drawn, QStringList({"bars 2", "line 1", "line 2", "note Longest"}));
    QStringList named;
    for (QLegendMarker *marker : view->chart()->legend()->markers()) {
        if (marker->isVisible())
            named << marker->label();
    }
    QCOMPARE(named, QStringList({"Passed", "Smoked", "Mean strength"}));
}

QTEST_MAIN(JourneyChartsTest)
#include "tst_journey_charts.moc"
