#include "journey/chartsloader.h"

#include <QApplication>
#include <QBarSeries>
#include <QChartView>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTest>

#include <algorithm>
#include <cmath>

// The module that draws the journey's charts, loaded as the program loads it:
// what it is given is what it draws, a broken line as its runs, and the legend
// names each kind once.
class JourneyChartsTest : public QObject
{
    Q_OBJECT
private slots:
    void drawsWhatItIsGiven();
    void barsStayWithTheirLabels();
};

namespace {

// Each label of lying bars with the value its bar shows, read from where the
// chart put them: the bar level with the label, its length in the units of
// the longest bar, which stands for LONGEST.
QString barsByLabel(QGraphicsScene *scene, const QStringList &labels, const QColor &bars, double longest)
{
    QList<QRectF> drawn;
    QMap<QString, double> labelHeights;
    for (QGraphicsItem *item : scene->items()) {
        if (auto *bar = dynamic_cast<QGraphicsRectItem *>(item);
            bar && bar->isVisible() && bar->brush().color() == bars)
            drawn << bar->mapRectToScene(bar->rect());
        if (auto *text = dynamic_cast<QGraphicsTextItem *>(item);
            text && text->isVisible() && labels.contains(text->toPlainText()))
            labelHeights[text->toPlainText()] = text->mapRectToScene(text->boundingRect()).center().y();
    }
    double widest = 0;
    for (const QRectF &bar : std::as_const(drawn))
        widest = std::max(widest, bar.width());
    QStringList shown;
    for (const QString &label : labels) {
        const auto level = std::find_if(drawn.begin(), drawn.end(), [&](const QRectF &bar) {
            return labelHeights.contains(label) && bar.top() <= labelHeights[label] &&
                   labelHeights[label] <= bar.bottom();
        });
        shown << QStringLiteral("%1 %2").arg(label).arg(
            level == drawn.end() ? QStringLiteral("none")
                                 : QString::number(std::lround(level->width() / widest * longest)));
    }
    return shown.join(QStringLiteral(", "));
}

} // namespace

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

// Drawn again as the tab draws after each craving, first empty, then twice
// with new figures: each bar stays level with its own label.
void JourneyChartsTest::barsStayWithTheirLabels()
{
    using namespace journey::charts;
    const LoadedMaker loaded = loadMaker(QStringLiteral(CLEARWIND_BUILD_DIR));
    QVERIFY2(loaded.maker, qPrintable(loaded.problem));
    QWidget window;
    QWidget *chart = loaded.maker->createChart(&window);
    chart->resize(500, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Palette palette{Qt::blue, Qt::red, Qt::gray, Qt::green, Qt::black, Qt::lightGray, Qt::white};
    const QStringList labels{QStringLiteral("Stress"), QStringLiteral("Coffee"), QStringLiteral("Alcohol")};
    Figures figures;
    figures.bars = Qt::Horizontal;
    loaded.maker->draw(chart, figures, palette);
    figures.categoryCount = 3;
    figures.categoryLabels = {{0, labels.at(0)}, {1, labels.at(1)}, {2, labels.at(2)}};
    for (const QList<double> &counts : {QList<double>{5, 2, 1}, QList<double>{5, 2, 2}, QList<double>{3, 4, 1}}) {
        figures.sets = {{QStringLiteral("Cravings"), Colour::Bars, counts}};
        loaded.maker->draw(chart, figures, palette);
        // Laid out and painted, as on the screen.
        QCoreApplication::processEvents();
        chart->grab();
        auto *view = qobject_cast<QChartView *>(chart);
        QVERIFY(view);
        QCOMPARE(
            barsByLabel(view->scene(), labels, palette.bars, *std::max_element(counts.begin(), counts.end())),
            QStringLiteral("Stress %1, Coffee %2, Alcohol %3").arg(counts.at(0)).arg(counts.at(1)).arg(counts.at(2)));
    }
}

QTEST_MAIN(JourneyChartsTest)
#include "tst_journey_charts.moc"
