#pragma once

#include <QString>

class RandomSource;

// What the companion says once the user has logged a craving: praise when it
// passed, and kindness after a slip, which is not a relapse and resets nothing.
QString wordsAfterPassedCraving(RandomSource &random);
QString wordsAfterSlip(RandomSource &random);
