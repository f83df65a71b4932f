#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QtPlugin>

class QWidget;

// The journey's charts are drawn by a module of their own, loaded when the
// journey tab is first opened: the chart library brings OpenGL with it, which
// no start of the program should pay for. The tab hands the module plain
// figures and the program's colours and gets chart widgets back; everything
// the charts say in words comes from the tab, so the module has no text of
// its own to translate.
namespace journey::charts {

// What a set of bars or a line is drawn in. Shade is one of several sets of
// the same kind (the days of the week), told apart by a step from the colour
// of the bars towards that of the line.
enum class Colour { Bars, Current, Muted, Line, Shade };

struct Palette
{
    QColor bars;    // the ordinary bars
    QColor current; // what is happening now: the running attempt
    QColor muted;   // what could not be read, or did not go well
    QColor line;    // a line over the bars
    QColor text;
    QColor grid;
    QColor background;
};

// One kind of bar, with its name in the legend. The sets of a chart are
// stacked, one on the other in each category.
struct BarSet
{
    QString name;
    Colour colour = Colour::Bars;
    QList<double> values; // one a category, 0 for none
    int shade = 0;        // for Colour::Shade: this set's step, of shades steps
    int shades = 1;
};

// The text under (or, for lying bars, beside) one category. Categories
// without a label go unnamed, so that many of them stay legible.
struct AxisLabel
{
    int category = 0;
    QString text;
};

// A text written over the chart just past the end of one category's bar.
struct Note
{
    int category = 0;
    double value = 0;
    QString text;
};

// A line over the bars, measured on an axis of its own.
struct Line
{
    QString name;
    // Its points, each a category and a value, in runs: the line joins the
    // points of a run and leaves a gap from one run to the next.
    QList<QList<QPointF>> runs;
    QString axisTitle;
    double maximum = 0;
    double tickInterval = 1;
};

struct Figures
{
    QString title;
    // Standing bars run along the bottom; lying ones down the left side,
    // the first category at the top.
    Qt::Orientation bars = Qt::Vertical;
    int categoryCount = 0;
    QList<AxisLabel> categoryLabels;
    QString categoryTitle;
    QString valueTitle;
    QList<BarSet> sets;
    QList<Note> notes;
    Line line; // none when it has no runs
};

class Maker
{
public:
    virtual ~Maker() = default;
    // An empty chart; draw() fills it.
    virtual QWidget *createChart(QWidget *parent) = 0;
    // Draws the figures afresh, in place of whatever the chart showed.
    virtual void draw(QWidget *chart, const Figures &figures, const Palette &palette) = 0;
};

} // namespace journey::charts

#define ClearwindJourneyCharts_iid "org.clearwind.Clearwind.JourneyCharts/3"
Q_DECLARE_INTERFACE(journey::charts::Maker, ClearwindJourneyCharts_iid)
