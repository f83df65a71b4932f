#pragma once

#include "records/smokefreetime.h"

#include <QString>

// What the companion and the doctor say at the stretch of smoke-free time the
// user has reached: a welcome, a remark every ten minutes of the first hour,
// then by the hour, by the part of the day, by the day, and from day 16 on a
// congratulation with the name and the number of days.
struct MilestoneMessage
{
    QString companion;
    // The caller writes the doctor's line only while the doctor's main panel
    // shows, so a sentence that answers the user is not overwritten.
    QString doctor;
};

// Every rule is tested in order and the last one that matches wins; with no
// match the companion says "Hi." and the doctor "How are you feeling?".
MilestoneMessage milestoneMessage(const SmokeFreeTime &shown, const QString &userName);
