#pragma once

#include "ui/background.h"

#include "records/preferences.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

struct Environment;
struct SharedState;
class QTimer;

// The nudge before the hour the user's cravings usually come, when they
// asked for it: one single-shot timer (tmrreminder) set for the next moment
// to show it, at most a minute ahead, so that a moment that came while the
// machine slept or the clock was set is seen within a minute; each check
// reads no file. The figures it needs are read beside the window
// whenever they may have changed: when the nudge is turned on, when a
// craving is logged, and after each nudge. Whoever shows the nudge says so
// (shown()); until then it waits.
class CravingReminder : public QObject
{
    Q_OBJECT
public:
    CravingReminder(const Environment &environment, const SharedState &state, QObject *parent);
    ~CravingReminder() override;

    bool isEnabled() const { return m_enabled; }

public slots:
    void setEnabled(bool enabled);
    // Reads the figures again and sets the timer for the next moment.
    void reschedule();
    // The nudge was shown: not again today.
    void shown();

signals:
    // The moment is here: "Your usual craving hour is coming. Your plan: ...".
    void due(const QString &text);

private:
    struct Figures
    {
        int cravingsInDays = 0;
        std::optional<int> usualHour;
        QString plan; // the plan for what sets the user's cravings off most often, as a sentence
    };

    void schedule();
    void fire();
    std::optional<QDateTime> nextMoment() const;

    const Environment &m_environment;
    const SharedState &m_state;
    bool m_enabled = false;
    bool m_reading = false;
    bool m_readAgain = false;
    Figures m_figures;
    // The local date it was last shown, as the file has it or as this run knows it.
    QDate m_lastShown;
    // Last, so that it is the first to go: it waits for the threads still at work.
    background::Jobs m_jobs;
    QTimer *m_timer;
};
