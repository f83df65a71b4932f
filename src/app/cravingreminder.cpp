#include "app/cravingreminder.h"

#include "moment/planedit.h"
#include "moment/reminder.h"
#include "platform/clock.h"
#include "platform/environment.h"

#include <QTimer>

#include <algorithm>

CravingReminder::CravingReminder(const Environment &environment, QObject *parent)
    : QObject(parent), m_environment(environment)
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("tmrreminder"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &CravingReminder::fire);
}

CravingReminder::~CravingReminder() = default;

void CravingReminder::setWanted(bool wanted)
{
    m_wanted = wanted;
    reschedule();
}

void CravingReminder::setRunning(bool running)
{
    m_running = running;
    reschedule();
}

void CravingReminder::setFigures(const journey::Summary &figures)
{
    m_cravingsInDays = figures.cravingsInDays;
    m_usualHour = figures.usualHour;
    m_triggers = figures.triggers;
    reschedule();
}

void CravingReminder::setPlans(const journey::PlanBook &plans)
{
    m_plans = plans;
}

void CravingReminder::setLastShown(const QDate &day)
{
    m_lastShown = std::max(m_lastShown, day);
    reschedule();
}

// The most frequent trigger that the user has a plan for.
QString CravingReminder::planSentence() const
{
    for (const journey::TriggerCount &count : m_triggers) {
        if (const QString plan = m_plans.plan(count.trigger); !plan.isEmpty())
            return PlanEdit::sentence(count.trigger, plan);
    }
    return QString();
}

std::optional<QDateTime> CravingReminder::nextMoment() const
{
    const journey::ReminderFacts facts{isEnabled(), m_cravingsInDays, m_usualHour, m_lastShown};
    return journey::nextReminder(facts, m_environment.clock->now());
}

namespace {
// The timer counts the machine's monotonic time, which stands still while the
// machine sleeps, and the wall clock may be set by hand meanwhile: a wait of
// hours would end hours after the moment. So the timer is set at most this far
// ahead, and each time it fires the moment is asked of the wall clock again.
// A minute keeps a moment that came during sleep within reach of its ten
// minutes before the hour; each check is a few sums on dates, no file read,
// and a coarse timer may share its wake-up with the counter's tick.
constexpr qint64 longestWaitMs = 60 * 1000;
} // namespace

void CravingReminder::reschedule()
{
    const std::optional<QDateTime> next = nextMoment();
    if (!next) {
        m_timer->stop();
        return;
    }
    const qint64 wait = std::clamp<qint64>(m_environment.clock->now().msecsTo(*next), 0, longestWaitMs);
    m_timer->start(int(wait));
}

// The machine may have slept or the clock been set since the timer was set:
// the moment is asked for again, and a moment still ahead is waited for. A
// moment whose hour has begun meanwhile is tomorrow's, so a late wake does
// not remind of an hour already there.
void CravingReminder::fire()
{
    const std::optional<QDateTime> next = nextMoment();
    if (!next)
        return;
    if (m_environment.clock->now() < *next) {
        reschedule();
        return;
    }
    const QString plan = planSentence();
    emit due(plan.isEmpty() ? tr("Your usual craving hour is coming.")
                            : tr("Your usual craving hour is coming. Your plan: %1").arg(plan));
}

void CravingReminder::shown()
{
    m_lastShown = m_environment.clock->now().date();
    emit lastShownChanged(m_lastShown);
    reschedule();
}
