#pragma once

#include "cravinglog/cravings.h"

#include <QDateTime>
#include <QFile>
#include <QTest>

// Cravings and bytes of cravings files that the tests of the log and of the
// journey share.
namespace cravingsamples {

using namespace journey;

// The header of the older form, of five fields, and the header written now.
inline const QByteArray header = "time,strength,trigger,note,outcome\r\n";
inline const QByteArray newHeader = "time,strength,trigger,note,outcome,seconds,did\r\n";
inline const QByteArray row = "2026-03-05T08:30:15+01:00,4,coffee,,passed\r\n";

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QDateTime at(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

inline Craving craving(const char *iso, Outcome outcome = Outcome::Passed, Trigger trigger = Trigger::Stress)
{
    return {at(iso), 3, trigger, QString(), outcome};
}

// The craving each file of cravingFiles is given.
inline Craving added()
{
    return {at("2026-03-14T21:05:33+01:00"), 2, Trigger::Screen, QStringLiteral("a \"b\",\nc"), Outcome::Smoked};
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace cravingsamples
