#pragma once

#include "journey/journeycharts.h"

#include <QObject>

// The module that draws the journey's charts with Qt Charts. The program
// loads it when the journey tab is first opened; nothing else links it.
class JourneyChartsModule : public QObject, public journey::charts::Maker
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ClearwindJourneyCharts_iid)
    Q_INTERFACES(journey::charts::Maker)
public:
    QWidget *createChart(QWidget *parent) override;
    void draw(QWidget *chart, const journey::charts::Figures &figures,
              const journey::charts::Palette &palette) override;
};
