#include "cravinglog/copingsteps.h"

#include "cravinglog/journeytext.h"

#include <QCoreApplication>

#include <algorithm>

namespace journey {

namespace {

const CopingStepName *nameOf(CopingStep step)
{
    const QList<CopingStepName> &steps = copingSteps();
    const auto found =
        std::find_if(steps.begin(), steps.end(), [step](const CopingStepName &name) { return name.step == step; });
    return found == steps.end() ? nullptr : &*found;
}

} // namespace

const QList<CopingStepName> &copingSteps()
{
    static const QList<CopingStepName> steps{
        {CopingStep::Exercise, "exercise", QT_TRANSLATE_NOOP("journey", "A few minutes of exercise")},
        {CopingStep::Walk, "walk", QT_TRANSLATE_NOOP("journey", "A short walk")},
        {CopingStep::Breathe, "breathe", QT_TRANSLATE_NOOP("journey", "Slow breathing")},
        {CopingStep::Water, "water", QT_TRANSLATE_NOOP("journey", "A glass of water")},
        {CopingStep::Leave, "leave", QT_TRANSLATE_NOOP("journey", "Left the place")},
        {CopingStep::Talk, "talk", QT_TRANSLATE_NOOP("journey", "Talked to someone")},
        {CopingStep::Nicotine, "nrt", QT_TRANSLATE_NOOP("journey", "Nicotine replacement")},
        {CopingStep::Busy, "busy", QT_TRANSLATE_NOOP("journey", "Kept my hands busy")},
        {CopingStep::Other, "other", QT_TRANSLATE_NOOP("journey", "Something else")},
    };
    return steps;
}

QString copingStepKey(CopingStep step)
{
    const CopingStepName *name = nameOf(step);
    return name ? QString::fromLatin1(name->key) : QString();
}

QString copingStepCaption(CopingStep step)
{
    const CopingStepName *name = nameOf(step);
    return name ? journeyText(name->caption) : QString();
}

std::optional<CopingStep> copingStepFromKey(QStringView key)
{
    for (const CopingStepName &name : copingSteps()) {
        if (key == QLatin1String(name.key))
            return name.step;
    }
    return std::nullopt;
}

} // namespace journey
