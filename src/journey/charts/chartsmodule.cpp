#include "journey/charts/chartsmodule.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHorizontalStackedBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace journey::charts;

namespace {

// A step from the colour of the bars towards that of the line, lighter and
// darker by turns, so that neighbours stand apart.
QColor shadeOf(const BarSet &set, const Palette &palette)
{
    const double share = set.shades > 1 ? double(std::clamp(set.shade, 0, set.shades - 1)) / (set.shades - 1) : 0;
    const auto mix = [share](int from, int to) { return int(std::lround(from + (to - from) * share)); };
    const QColor mixed(mix(palette.bars.red(), palette.line.red()), mix(palette.bars.green(), palette.line.green()),
                       mix(palette.bars.blue(), palette.line.blue()));
    return set.shade % 2 == 0 ? mixed : mixed.lighter(135);
}

QColor colourOf(Colour colour, const Palette &palette)
{
    switch (colour) {
    case Colour::Shade:
    case Colour::Bars:
        return palette.bars;
    case Colour::Current:
        return palette.current;
    case Colour::Muted:
        return palette.muted;
    case Colour::Line:
        return palette.line;
    }
    return palette.bars;
}

// A step of 1, 2 or 5 times a power of ten that divides the range into at
// most five parts, so the axis reads in round numbers; whole numbers at least.
double roundStep(double maximum)
{
    const double rough = std::max(maximum / 5, 1.0);
    const double power = std::pow(10, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

void styleAxis(QAbstractAxis *axis, const Palette &palette, bool grid)
{
    axis->setLabelsBrush(palette.text);
    axis->setTitleBrush(palette.text);
    axis->setLinePenColor(palette.grid.darker(130));
    axis->setGridLineVisible(grid);
    axis->setGridLineColor(palette.grid);
    QFont title = axis->titleFont();
    title.setBold(false);
    axis->setTitleFont(title);
}

QValueAxis *valueAxis(double maximum, double step, const QString &title, const Palette &palette)
{
    auto *axis = new QValueAxis;
    axis->setRange(0, std::max(std::ceil(maximum / step) * step, step));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(step < 1 ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
    axis->setTitleText(title);
    styleAxis(axis, palette, true);
    return axis;
}

QCategoryAxis *categoryAxis(const Figures &figures, const Palette &palette)
{
    auto *axis = new QCategoryAxis;
    axis->setRange(-0.5, figures.categoryCount - 0.5);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (const AxisLabel &label : figures.categoryLabels)
        axis->append(label.text, label.category);
    axis->setTitleText(figures.categoryTitle);
    // Lying bars read from the top down.
    axis->setReverse(figures.bars == Qt::Horizontal);
    styleAxis(axis, palette, false);
    return axis;
}

// The highest stack of bars.
double tallestBar(const Figures &figures)
{
    double tallest = 0;
    for (int category = 0; category < figures.categoryCount; ++category) {
        double stack = 0;
        for (const BarSet &set : figures.sets)
            stack += set.values.value(category);
        tallest = std::max(tallest, stack);
    }
    return tallest;
}

void attach(QChart *chart, QAbstractSeries *series, QAbstractAxis *categories, QAbstractAxis *values)
{
    chart->addSeries(series);
    series->attachAxis(categories);
    series->attachAxis(values);
}

void addBars(QChart *chart, const Figures &figures, const Palette &palette, QAbstractAxis *categories,
             QAbstractAxis *values)
{
    QAbstractBarSeries *series = figures.bars == Qt::Vertical ? static_cast<QAbstractBarSeries *>(new QStackedBarSeries)
                                                              : new QHorizontalStackedBarSeries;
    series->setBarWidth(0.7);
    for (const BarSet &figure : figures.sets) {
        if (std::none_of(figure.values.begin(), figure.values.end(), [](double value) { return value > 0; }))
            continue;
        auto *set = new QBarSet(figure.name);
        for (int category = 0; category < figures.categoryCount; ++category)
            set->append(figure.values.value(category));
        const QColor colour =
            figure.colour == Colour::Shade ? shadeOf(figure, palette) : colourOf(figure.colour, palette);
        set->setColor(colour);
        set->setBorderColor(colour.darker(125));
        series->append(set);
    }
    attach(chart, series, categories, values);
}

// Each note is a point without a marker whose label is the note.
void addNotes(QChart *chart, const Figures &figures, const Palette &palette, QAbstractAxis *categories,
              QAbstractAxis *values)
{
    for (const Note &note : figures.notes) {
        auto *point = new QScatterSeries;
        if (figures.bars == Qt::Vertical)
            point->append(note.category, note.value);
        else
            point->append(note.value, note.category);
        point->setMarkerSize(1);
        point->setColor(Qt::transparent);
        point->setBorderColor(Qt::transparent);
        point->setPointLabelsFormat(note.text);
        point->setPointLabelsColor(palette.text);
        point->setPointLabelsClipping(false);
        point->setPointLabelsVisible(true);
        attach(chart, point, categories, values);
        for (QLegendMarker *marker : chart->legend()->markers(point))
            marker->setVisible(false);
    }
}

// A series a run, all in one pen, so that no stroke joins days that lie apart;
// the legend names the first.
void addLine(QChart *chart, const Figures &figures, const Palette &palette, QAbstractAxis *categories)
{
    auto *axis = valueAxis(figures.line.maximum, figures.line.tickInterval, figures.line.axisTitle, palette);
    axis->setGridLineVisible(false);
    chart->addAxis(axis, figures.bars == Qt::Vertical ? Qt::AlignRight : Qt::AlignTop);
    const QPen pen(palette.line, 2.5);
    for (const QList<QPointF> &run : figures.line.runs) {
        auto *line = new QLineSeries;
        line->setName(figures.line.name);
        line->append(run);
        line->setPen(pen);
        line->setPointsVisible(true);
        attach(chart, line, categories, axis);
        if (&run != &figures.line.runs.front()) {
            for (QLegendMarker *marker : chart->legend()->markers(line))
                marker->setVisible(false);
        }
    }
}

QChart *emptyChart()
{
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

} // namespace

QWidget *JourneyChartsModule::createChart(QWidget *parent)
{
    auto *view = new QChartView(emptyChart(), parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::NoFrame);
    return view;
}

void JourneyChartsModule::draw(QWidget *widget, const Figures &figures, const Palette &palette)
{
    auto *view = qobject_cast<QChartView *>(widget);
    if (!view)
        return;
    // A new chart each time, never the old one emptied: Qt Charts keeps some
    // of a chart's state past its series and axes, and lying bars drawn again
    // into an emptied chart came out in the opposite order to the labels of
    // their reversed axis (Stress with the bar of Alcohol), until a restart.
    QChart *chart = emptyChart();
    QChart *drawnBefore = view->chart();
    // The view gives up the old chart, which is then ours to delete.
    view->setChart(chart);
    delete drawnBefore;

    view->setBackgroundBrush(palette.background);
    chart->setBackgroundBrush(palette.background);
    chart->setBackgroundRoundness(0);
    chart->setTitle(figures.title);
    chart->setTitleBrush(palette.text);
    QFont titleFont = view->font();
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);

    QCategoryAxis *categories = categoryAxis(figures, palette);
    // Room above the highest bar for a note written over it.
    const double tallest = tallestBar(figures) * (figures.notes.isEmpty() ? 1.0 : 1.2);
    QValueAxis *values = valueAxis(tallest, roundStep(tallest), figures.valueTitle, palette);
    const bool standing = figures.bars == Qt::Vertical;
    chart->addAxis(categories, standing ? Qt::AlignBottom : Qt::AlignLeft);
    chart->addAxis(values, standing ? Qt::AlignLeft : Qt::AlignBottom);

    addBars(chart, figures, palette, categories, values);
    if (!figures.line.runs.isEmpty())
        addLine(chart, figures, palette, categories);
    addNotes(chart, figures, palette, categories, values);

    const auto hasValues = [](const BarSet &set) {
        return std::any_of(set.values.begin(), set.values.end(), [](double value) { return value > 0; });
    };
    const qsizetype named =
        std::count_if(figures.sets.begin(), figures.sets.end(), hasValues) + (figures.line.runs.isEmpty() ? 0 : 1);
    QLegend *legend = chart->legend();
    legend->setVisible(named > 1);
    legend->setAlignment(Qt::AlignBottom);
    legend->setLabelColor(palette.text);
}
