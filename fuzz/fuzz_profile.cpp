#include "fuzzinput.h"
#include "platform/regionalformats.h"
#include "profile/profilefile.h"
#include "records/smokefreetime.h"

#include <QLocale>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile input(data, size);
    QuitProfile profile;
    const QDateTime now(QDate(2026, 3, 14), QTime(21, 5, 33));
    ProfileFile(FuzzFile::path()).read(profile, now.date());
    // Whatever was read must count without trouble.
    const SmokeFreeTime shown = smokeFreeTime(regional::dateToText(profile.stopDate), profile.stopTime, now);
    if (shown.days < 0 || shown.hours < 0 || shown.hours > 23 || shown.minutes > 59 || shown.seconds > 59)
        __builtin_trap();
    return 0;
}
