#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The names of the copies a reset keeps in the history folder, made and read
// in this one place: attempt-YYYYMMDD-HHMMSS.dat after the moment of the
// reset, with -N for the N-th reset within the same second (from 2).
namespace historynames {

// The pattern of a folder listing that takes every copy, and more.
QString pattern();
QString name(const QDateTime &moment, int number = 1);

struct Parsed
{
    QDateTime moment; // invalid when the digits hold no real moment
    int number = 1;
};
// The moment and number of a copy's name; nothing for a name of another kind.
std::optional<Parsed> parse(const QString &fileName);

} // namespace historynames
