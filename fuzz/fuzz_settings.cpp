#include "fuzzinput.h"
#include "profile/settingsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile input(data, size);
    ProgramSettings settings;
    SettingsFile(FuzzFile::path()).read(settings);
    // A password the lock's entry cannot take would lock the user out.
    if (settings.Password.size() > SettingsFile::maxPasswordLength)
        __builtin_trap();
    return 0;
}
