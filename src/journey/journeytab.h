#pragma once

#include "cravinglog/cravings.h"
#include "journey/journeycharts.h"
#include "journey/journeyfigures.h"
#include "journey/journeysummary.h"
#include "platform/textfiles.h"
#include "ui/lazypage.h"

#include <map>

struct Environment;
struct SharedState;
class QCheckBox;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;

// Tab 6: the journey. The attempts so far and the cravings logged, in
// sentences, in four charts and in a table, all from the same figures; the
// user's plans, and the nudge before their usual craving hour.
// Built when first opened; it asks for its figures again each time it shows
// (figuresWanted()), and shows what the host gives it (showFigures()). The
// host reads the files and writes the spreadsheet beside the window: a log of
// many megabytes never holds up the window.
class JourneyTab : public LazyPage
{
    Q_OBJECT
public:
    JourneyTab(const Environment &environment, const SharedState &state, QWidget *parent = nullptr);
    ~JourneyTab() override;

    // While the figures asked for or the spreadsheet are on their way.
    bool isBusy() const { return m_waitingForFigures || !m_savingTo.isEmpty(); }

public slots:
    // Asks for the figures again, when the tab is in sight; they show when
    // they come.
    void refresh();
    void showFigures(const journey::Summary &summary);
    void takeSpreadsheetWritten(const textfiles::WriteResult &written);
    // The user's choice of the nudge, as stored.
    void setReminderChecked(bool on);
    // Whether the choice of the nudge could be stored.
    void takeReminderWritten(const textfiles::WriteResult &written);

signals:
    void cravingLogRequested();
    void cravingNowRequested();
    void plansRequested();
    // The figures may have changed: the tab is in sight, or its day moved on.
    void figuresWanted();
    // "Save as CSV...": the attempts and every craving into PATH.
    void spreadsheetRequested(const QString &path);
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

    const Environment &m_environment;
    const SharedState &m_state;
    journey::charts::Maker *m_chartMaker = nullptr;
    QString m_chartsProblem;
    // The figures shown: only the figures, never the log they come from.
    journey::Summary m_summary;
    bool m_haveFigures = false;
    bool m_waitingForFigures = false;
    // Where the spreadsheet is being written; empty while none is.
    QString m_savingTo;
    bool m_remindWanted = false;

    QLabel *m_sentences = nullptr;
    QLabel *m_notes = nullptr;
    QPushButton *m_saveButton = nullptr;
    QCheckBox *m_remind = nullptr;
    std::map<journey::ChartKind, QWidget *> m_charts;
    QTableWidget *m_table = nullptr;
    // While the tab is in sight: the next moment its figures change.
    class QTimer *m_nextChange = nullptr;
};
