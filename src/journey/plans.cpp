#include "journey/plans.h"

#include "platform/environment.h"
#include "records/datafiles.h"

namespace journey {

QString keptPlan(const QString &text)
{
    return text.trimmed().left(maximumPlanLength);
}

QString PlanBook::plan(Trigger trigger) const
{
    const auto found = plans.find(trigger);
    return found == plans.end() ? QString() : found->second;
}

PlansFile PlansFile::ofUser(const Environment &environment)
{
    return PlansFile(datafiles::path(environment, datafiles::File::Plans), environment.userDataFolder);
}

PlanBook PlansFile::read() const
{
    return {};
}

textfiles::WriteResult PlansFile::setPlan(Trigger, const QString &) const
{
    return {false, QStringLiteral("not yet")};
}

QString suggestedPlan(Trigger)
{
    return QString();
}

} // namespace journey
