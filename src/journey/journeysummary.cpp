#include "journey/journeysummary.h"

// Not yet implemented.
namespace journey {

Summary summarize(const QList<Attempt> &, const Attempt &, const CravingLog &, const QDateTime &)
{
    return {};
}

QStringList sentences(const Summary &)
{
    return {};
}

QByteArray spreadsheetCsv(const Summary &, const CravingLog &)
{
    return QByteArray();
}

} // namespace journey
