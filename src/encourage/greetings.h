#pragma once

#include "records/smokefreetime.h"

#include <QString>

#include <optional>

class RandomSource;

// A short greeting, picked at random, for a user who comes back to a quit
// that has been running for a while. At minute 0 of an hour, which includes
// a quit that has only just started, there is none and nothing is drawn.
std::optional<QString> greeting(const SmokeFreeTime &shown, RandomSource &random);
