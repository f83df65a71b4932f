#pragma once

#include "journey/journeycharts.h"
#include "journey/journeysummary.h"

#include <QList>
#include <QString>

// The journey's figures as the tab shows them: each chart as drawn, the same
// figures in words for its accessible description, and as rows of the
// figures table. All three come from one list of rows, so they cannot
// disagree.
namespace journey {

struct FigureRow
{
    QString item;   // "Attempt 2, from 05/01/2025"
    QString figure; // "12 days and 3 hours, the longest"
};

// Which chart a view is, whatever its place in the list.
enum class ChartKind { Attempts, CravingsPerDay, Triggers, CravingHours };

struct ChartView
{
    ChartKind kind;
    QString objectName;
    charts::Figures figures;
    QList<FigureRow> rows;
    // The chart in words: its title, then every row, or what it shows when
    // it has none.
    QString description;
};

// The attempts, the cravings per day, what set them off and when cravings
// come, in that order.
QList<ChartView> chartViews(const Summary &summary);

} // namespace journey
