#pragma once

#include "cravinglog/cravings.h"

#include <QTimeZone>

namespace journey {

// cravingRecord with the local zone looked up once by the caller: finding the
// system's zone asks the file system each time, which adds up over a whole log.
QByteArray cravingRecord(const Craving &craving, const QTimeZone &localZone);

} // namespace journey
