#pragma once

#include "journey/cravings.h"

#include <QTimeZone>

class QIODevice;

namespace journey {

// cravingRecord with the local zone looked up once by the caller: finding the
// system's zone asks the file system each time, which adds up over a whole log.
QByteArray cravingRecord(const Craving &craving, const QTimeZone &localZone);

// The bytes of a file, or why they cannot be had.
struct FileBytes
{
    QByteArray bytes;
    QString problem; // the reason alone; the caller names the file
};

// Every byte of an opened file whose size was measured before, up to the read
// limit, with room for that many more bytes so that what is added needs no
// copy of the rest. A read that fails, or ends short of the size measured, is
// a problem, never the end of the file: a log written back from it would lose
// its end.
FileBytes readBytes(QIODevice &device, qint64 measuredSize, qsizetype room = 0);

} // namespace journey
