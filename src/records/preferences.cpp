#include "records/preferences.h"

#include "platform/environment.h"
#include "records/datafiles.h"

PreferencesFile PreferencesFile::ofUser(const Environment &environment)
{
    return PreferencesFile(datafiles::path(environment, datafiles::File::Preferences), environment.userDataFolder);
}

Preferences PreferencesFile::read() const
{
    return {};
}

textfiles::WriteResult PreferencesFile::write(const Preferences &) const
{
    return {false, QStringLiteral("not yet")};
}
