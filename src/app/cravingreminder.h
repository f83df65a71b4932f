#pragma once

#include "journey/journeysummary.h"
#include "moment/plans.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

struct Environment;
class QTimer;

// The nudge before the hour the user's cravings usually come, when they
// asked for it: one single-shot timer (tmrreminder) set for the next moment
// to show it, at most a minute ahead, so that a moment that came while the
// machine slept or the clock was set is seen within a minute; each check
// reads no file. The host gives it the figures, the plans and the day it last
// showed whenever they change; the plan it quotes is the one held when the
// moment comes. Whoever shows the nudge says so (shown()); until then it
// waits.
class CravingReminder : public QObject
{
    Q_OBJECT
public:
    CravingReminder(const Environment &environment, QObject *parent);
    ~CravingReminder() override;

    bool isEnabled() const { return m_wanted && m_running; }

public slots:
    // The user asked for the nudge, or no longer wants it.
    void setWanted(bool wanted);
    // The counter runs, where the nudge can be shown.
    void setRunning(bool running);
    void setFigures(const journey::Summary &figures);
    void setPlans(const journey::PlanBook &plans);
    // The day it last showed, as the preferences keep it.
    void setLastShown(const QDate &day);
    // Sets the timer for the next moment.
    void reschedule();
    // The nudge was shown: not again today.
    void shown();

signals:
    // The moment is here: "Your usual craving hour is coming. Your plan: ...".
    void due(const QString &text);
    // To be kept for the next run.
    void lastShownChanged(const QDate &day);

private:
    void fire();
    // The plan for what sets the user's cravings off most often, as a sentence.
    QString planSentence() const;
    std::optional<QDateTime> nextMoment() const;

    const Environment &m_environment;
    bool m_wanted = false;
    bool m_running = false;
    int m_cravingsInDays = 0;
    std::optional<int> m_usualHour;
    QList<journey::TriggerCount> m_triggers;
    journey::PlanBook m_plans;
    // The local date it was last shown, as the file has it or as this run knows it.
    QDate m_lastShown;
    QTimer *m_timer;
};
