#pragma once

#include "records/smokefreetime.h"

#include <QString>

// An estimate of the people who died of smoking-related causes in the world
// since the user stopped: 13000 a day, 541 an hour, 9 a minute. The smaller
// rates are cut down from the larger unit, so the count steps up at the turn
// of each hour and day. Seconds do not count.
qint64 smokingDeaths(const SmokeFreeTime &shown);

// The companion's sentence with that count.
QString deathsSentence(const SmokeFreeTime &shown);
