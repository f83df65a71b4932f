#pragma once

#include "cravinglog/copingsteps.h"
#include "cravinglog/cravings.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// What helped the user before: for each coping step, how often it was ticked
// and how often the craving then passed, against each trigger and over all
// cravings. Counted craving by craving, so the log itself need not be kept.
namespace journey {

// Against one trigger, a step counts when it was ticked at least so often;
// over all cravings, at least so often.
constexpr int minimumTickedPerTrigger = 2;
constexpr int minimumTickedOverall = 3;
// The most steps told against one trigger.
constexpr int stepsShownPerTrigger = 3;

struct StepCount
{
    CopingStep step = CopingStep::Other;
    int passed = 0; // of the cravings where it was ticked, those that passed
    int ticked = 0;

    bool operator==(const StepCount &) const = default;
};

class WhatHelped
{
public:
    WhatHelped();

    void add(const Craving &craving);

    // The steps that helped most against TRIGGER: the largest share passed
    // first, of equal shares the one ticked more often, then in the order of
    // copingSteps(); only those ticked minimumTickedPerTrigger times, at most
    // stepsShownPerTrigger of them.
    QList<StepCount> bestAgainst(Trigger trigger) const;
    // The step that helped most over every craving, in the same order; only
    // one ticked minimumTickedOverall times.
    std::optional<StepCount> bestOverall() const;

    bool operator==(const WhatHelped &) const = default;

private:
    static constexpr int stepCount = static_cast<int>(CopingStep::Other) + 1;
    static constexpr int triggerCount = static_cast<int>(Trigger::NotSaid) + 1;
    using Counts = std::array<StepCount, stepCount>;

    std::array<Counts, triggerCount> m_byTrigger;
    Counts m_overall;
};

// Every craving of the file, counted one at a time; may run on any thread.
WhatHelped readWhatHelped(const CravingFile &cravings);

// "Before, against Coffee: A short walk, 5 of 5 passed; Slow breathing, 3 of
// 4 passed." Empty when no step counts against it yet.
QString helpedAgainstSentence(const WhatHelped &helped, Trigger trigger);

} // namespace journey
