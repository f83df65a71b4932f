#include "fuzzinput.h"
#include "profile/settingsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzFile input(data, size);
    ProgramSettings settings;
    SettingsFile(FuzzFile::path()).read(settings);
    // The password is one line, no longer than the reader reads.
    if (settings.password.size() > SettingsFile::readLimitBytes || settings.password.contains(u'\r') ||
        settings.password.contains(u'\n'))
        __builtin_trap();
    // Nothing but the marker (or no text at all) switches the lock off.
    const QString text =
        textfiles::decode(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (!settings.hasPassword() && !text.isEmpty() && !text.startsWith(QLatin1String(ProgramSettings::noPassword)))
        __builtin_trap();
    return 0;
}
