#include "app/cravingreminder.h"

#include "journey/attempts.h"
#include "journey/journeysummary.h"
#include "moment/planedit.h"
#include "moment/plans.h"
#include "moment/reminder.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/logging.h"
#include "records/datafiles.h"
#include "records/sharedstate.h"
#include "ui/background.h"

#include <QTimer>

#include <algorithm>
#include <utility>

CravingReminder::CravingReminder(const Environment &environment, const SharedState &state, QObject *parent)
    : QObject(parent), m_environment(environment), m_state(state)
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("tmrreminder"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &CravingReminder::fire);
}

CravingReminder::~CravingReminder() = default;

void CravingReminder::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        m_timer->stop();
        return;
    }
    const QDate lastShown = PreferencesFile::ofUser(m_environment).read().preferences.reminderLastShown;
    m_lastShown = std::max(m_lastShown, lastShown);
    reschedule();
}

void CravingReminder::reschedule()
{
    m_timer->stop();
    if (!m_enabled)
        return;
    if (m_reading) {
        m_readAgain = true;
        return;
    }
    m_reading = true;
    const QDateTime now = m_environment.clock->now();
    const QString history = datafiles::path(m_environment, datafiles::File::History);
    const journey::CravingFile cravings = journey::CravingFile::ofUser(m_environment);
    const journey::PlansFile plans = journey::PlansFile::ofUser(m_environment);
    const journey::Attempt current = journey::currentAttempt(m_state.profile.stopDate, m_state.profile.stopTime, now);
    m_jobs.run<Figures>(
        this,
        [history, cravings, plans, current, now] {
            const journey::Summary summary = journey::readSummary(history, cravings, current, now);
            Figures figures{summary.cravingsInDays, summary.usualHour, QString()};
            const journey::PlanBook book = plans.read();
            // The most frequent trigger that the user has a plan for.
            for (const journey::TriggerCount &count : summary.triggers) {
                if (const QString plan = book.plan(count.trigger); !plan.isEmpty()) {
                    figures.plan = PlanEdit::sentence(count.trigger, plan);
                    break;
                }
            }
            return figures;
        },
        [this](Figures figures) {
            m_reading = false;
            m_figures = std::move(figures);
            if (std::exchange(m_readAgain, false))
                reschedule();
            else
                schedule();
        });
}

std::optional<QDateTime> CravingReminder::nextMoment() const
{
    const journey::ReminderFacts facts{m_enabled, m_figures.cravingsInDays, m_figures.usualHour, m_lastShown};
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

void CravingReminder::schedule()
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
        schedule();
        return;
    }
    emit due(m_figures.plan.isEmpty() ? tr("Your usual craving hour is coming.")
                                      : tr("Your usual craving hour is coming. Your plan: %1").arg(m_figures.plan));
}

void CravingReminder::shown()
{
    m_lastShown = m_environment.clock->now().date();
    const PreferencesFile file = PreferencesFile::ofUser(m_environment);
    Preferences preferences = file.read().preferences;
    preferences.reminderLastShown = m_lastShown;
    // Without it, this run still knows; only a later one might remind twice.
    if (const textfiles::WriteResult written = file.write(preferences); !written.ok)
        qCWarning(logClearwind, "The day of the last reminder could not be kept in %s: %s", qPrintable(file.path()),
                  qPrintable(written.error));
    reschedule();
}
