#include "journey/cravings.h"

// Not yet implemented: the reader and the writer come next.
namespace journey {

const QList<TriggerName> &triggerNames()
{
    static const QList<TriggerName> names;
    return names;
}

QString triggerKey(Trigger)
{
    return QString();
}

QString triggerCaption(Trigger)
{
    return QString();
}

std::optional<Trigger> triggerFromKey(const QString &)
{
    return std::nullopt;
}

CravingLog parseCravings(const QByteArray &)
{
    return {};
}

QByteArray cravingsHeader()
{
    return QByteArray();
}

QByteArray cravingRecord(const Craving &)
{
    return QByteArray();
}

CravingLog CravingFile::read() const
{
    return {};
}

textfiles::WriteResult CravingFile::append(const Craving &) const
{
    return {false, QString()};
}

} // namespace journey
