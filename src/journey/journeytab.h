#pragma once

#include "ui/background.h"

#include "cravinglog/cravings.h"
#include "journey/journeycharts.h"
#include "journey/journeyfigures.h"
#include "journey/journeysummary.h"
#include "ui/lazypage.h"

#include <map>

struct Environment;
struct SharedState;
class QCheckBox;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;
class QThread;

// Tab 6: the journey. The attempts so far and the cravings logged, in
// sentences, in four charts and in a table, all from the same figures; the
// user's plans, and the nudge before their usual craving hour.
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
    void cravingNowRequested();
    // "Remind me before my usual craving hour" was turned on or off.
    void reminderToggled(bool on);

protected:
    void buildPanels() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // The charts are drawn anew in the colours of a new look.
    void changeEvent(QEvent *event) override;

private:
    QLayout *buildCharts(QWidget *parent);
    QTableWidget *buildTable(QWidget *parent);
    void showSummary(const journey::Summary &summary, const QDateTime &readAt);
    void showCharts(const QList<journey::ChartView> &views);
    void showTable(const QList<journey::ChartView> &views);
    void showNotes(const journey::Summary &summary);
    QLayout *buildButtons(QWidget *parent);
    void saveAsCsv();
    void openPlans();
    void storeReminder(bool on);

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
    QCheckBox *m_remind = nullptr;
    std::map<journey::ChartKind, QWidget *> m_charts;
    // Last, so that it is the first to go: it waits for the threads still at work.
    background::Jobs m_jobs;
    QTableWidget *m_table = nullptr;
    // While the tab is in sight: the next moment its figures change.
    class QTimer *m_nextChange = nullptr;
};
