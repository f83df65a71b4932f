#pragma once

#include "journey/cravings.h"
#include "journey/journeycharts.h"
#include "journey/journeyfigures.h"
#include "journey/journeysummary.h"
#include "ui/lazypage.h"

struct Environment;
struct SharedState;
class QLabel;
class QLayout;
class QTableWidget;

// Tab 6: the journey. The attempts so far and the cravings logged, in
// sentences, in three charts and in a table, all from the same figures.
// Built when first opened; it reads the files again each time it shows.
class JourneyTab : public LazyPage
{
    Q_OBJECT
public:
    JourneyTab(const Environment &environment, const SharedState &state, QWidget *parent = nullptr);

public slots:
    // Reads the past attempts, the running quit and the cravings again.
    void refresh();

signals:
    void cravingLogRequested();

protected:
    void buildPanels() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QLayout *buildCharts(QWidget *parent);
    QTableWidget *buildTable(QWidget *parent);
    void showCharts(const QList<journey::ChartView> &views);
    void showTable(const QList<journey::ChartView> &views);
    void showNotes(const journey::CravingLog &cravings);
    void saveAsCsv();

    const Environment &m_environment;
    const SharedState &m_state;
    journey::charts::Maker *m_chartMaker = nullptr;
    QString m_chartsProblem;
    journey::Summary m_summary;
    journey::CravingLog m_cravings;

    QLabel *m_sentences = nullptr;
    QLabel *m_notes = nullptr;
    QList<QWidget *> m_charts;
    QTableWidget *m_table = nullptr;
    // While the tab is in sight: the next moment its figures change.
    class QTimer *m_nextChange = nullptr;
};
