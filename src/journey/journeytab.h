#pragma once

#include "journey/cravings.h"
#include "journey/journeycharts.h"
#include "journey/journeyfigures.h"
#include "journey/journeysummary.h"
#include "ui/lazypage.h"

#include <map>

struct Environment;
struct SharedState;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;
class QThread;

// Tab 6: the journey. The attempts so far and the cravings logged, in
// sentences, in three charts and in a table, all from the same figures.
// Built when first opened; it reads the files again each time it shows.
// The files are read, and the spreadsheet written, on a thread of their own:
// a log of many megabytes never holds up the window.
class JourneyTab : public LazyPage
{
    Q_OBJECT
public:
    JourneyTab(const Environment &environment, const SharedState &state, QWidget *parent = nullptr);
    ~JourneyTab() override;

    // While the files are being read or the spreadsheet written.
    bool isBusy() const { return m_reading || m_saving; }

public slots:
    // Reads the past attempts, the running quit and the cravings again; the
    // figures show when they are ready.
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
    void showSummary(const journey::Summary &summary, const QDateTime &readAt);
    void showCharts(const QList<journey::ChartView> &views);
    void showTable(const QList<journey::ChartView> &views);
    void showNotes(const journey::Summary &summary);
    void saveAsCsv();
    // Runs WORK on a thread of its own, and DONE with what it returns back on
    // this one. The thread is the tab's until it ends.
    template<typename Result, typename Work, typename Done>
    QThread *inBackground(Work work, Done done);

    const Environment &m_environment;
    const SharedState &m_state;
    journey::charts::Maker *m_chartMaker = nullptr;
    QString m_chartsProblem;
    // The figures shown: only the figures, never the log they come from.
    journey::Summary m_summary;
    QThread *m_reading = nullptr;
    bool m_readAgain = false; // asked to read while reading: what is read may be old already
    QThread *m_saving = nullptr;

    QLabel *m_sentences = nullptr;
    QLabel *m_notes = nullptr;
    QPushButton *m_saveButton = nullptr;
    std::map<journey::ChartKind, QWidget *> m_charts;
    QTableWidget *m_table = nullptr;
    // While the tab is in sight: the next moment its figures change.
    class QTimer *m_nextChange = nullptr;
};
