#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// What the user did to ride out a craving, as they tick it and as the
// cravings file keeps it: a fixed English key, the same in every language.
namespace journey {

// In the order they are offered: what moves the body first, since even a few
// minutes of exercise weaken the urge, then slow breathing, then the rest.
enum class CopingStep { Exercise, Walk, Breathe, Water, Leave, Talk, Nicotine, Busy, Other };

struct CopingStepName
{
    CopingStep step;
    const char *key;
    const char *caption; // translated in the context "journey"
};

// Every step, in the order above.
const QList<CopingStepName> &copingSteps();
QString copingStepKey(CopingStep step);
QString copingStepCaption(CopingStep step);
std::optional<CopingStep> copingStepFromKey(QStringView key);

} // namespace journey
