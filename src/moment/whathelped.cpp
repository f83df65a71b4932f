#include "moment/whathelped.h"

#include "cravinglog/journeytext.h"

#include <QCoreApplication>

#include <algorithm>

namespace journey {

namespace {

// Whether A helped more than B: a larger share passed, then ticked more
// often. Shares are compared as whole numbers, so that 2 of 3 and 4 of 6 tie.
bool helpedMore(const StepCount &a, const StepCount &b)
{
    const qint64 left = qint64(a.passed) * b.ticked;
    const qint64 right = qint64(b.passed) * a.ticked;
    if (left != right)
        return left > right;
    return a.ticked > b.ticked;
}

// The steps ticked at least MINIMUM times, those that helped most first; of
// equal ones, the earlier in the list of steps.
template<typename Counts>
QList<StepCount> ranked(const Counts &counts, int minimum)
{
    QList<StepCount> steps;
    for (const StepCount &count : counts) {
        if (count.ticked >= minimum)
            steps.append(count);
    }
    std::stable_sort(steps.begin(), steps.end(), helpedMore);
    return steps;
}

} // namespace

WhatHelped::WhatHelped()
{
    for (Counts &counts : m_byTrigger) {
        for (int step = 0; step < stepCount; ++step)
            counts[step].step = static_cast<CopingStep>(step);
    }
    m_overall = m_byTrigger.front();
}

void WhatHelped::add(const Craving &craving)
{
    const int trigger = static_cast<int>(craving.trigger);
    const bool passed = craving.outcome == Outcome::Passed;
    for (const CopingStep step : craving.steps) {
        const int index = static_cast<int>(step);
        if (index < 0 || index >= stepCount)
            continue;
        for (StepCount *count :
             {&m_overall[index], trigger >= 0 && trigger < triggerCount ? &m_byTrigger[trigger][index] : nullptr}) {
            if (!count)
                continue;
            ++count->ticked;
            count->passed += passed ? 1 : 0;
        }
    }
}

QList<StepCount> WhatHelped::bestAgainst(Trigger trigger) const
{
    const int index = static_cast<int>(trigger);
    if (index < 0 || index >= triggerCount)
        return {};
    return ranked(m_byTrigger[index], minimumTickedPerTrigger).mid(0, stepsShownPerTrigger);
}

std::optional<StepCount> WhatHelped::bestOverall() const
{
    const QList<StepCount> steps = ranked(m_overall, minimumTickedOverall);
    return steps.isEmpty() ? std::nullopt : std::optional(steps.front());
}

WhatHelped readWhatHelped(const CravingFile &cravings)
{
    WhatHelped helped;
    const CravingLog counts = cravings.read([&helped](const Craving &craving) { helped.add(craving); });
    // Part of the cravings would tell a wrong story.
    return counts.readable ? helped : WhatHelped();
}

QString helpedAgainstSentence(const WhatHelped &helped, Trigger trigger)
{
    const QList<StepCount> steps = helped.bestAgainst(trigger);
    if (steps.isEmpty() || trigger == Trigger::NotSaid)
        return QString();
    QStringList parts;
    for (const StepCount &count : steps)
        parts << journeyText("%1, %2 of %3 passed")
                     .arg(copingStepCaption(count.step))
                     .arg(count.passed)
                     .arg(count.ticked);
    return journeyText("Before, against %1: %2.").arg(triggerCaption(trigger), parts.join(QStringLiteral("; ")));
}

} // namespace journey
