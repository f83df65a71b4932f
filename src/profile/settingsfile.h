#pragma once

#include "platform/textfiles.h"
#include "records/programsettings.h"

// The two-line settings file: the password (or "noword"), then 0 or 1 for
// starting at logon, with no line break after the digit.
class SettingsFile
{
public:
    // The longest password the lock's entry box can take.
    static constexpr qsizetype maxPasswordLength = 20;

    explicit SettingsFile(QString path) : m_path(std::move(path)) {}

    // A missing or unreadable file leaves the record as it is: no password,
    // autostart off. A file whose first line no one could ever type into the
    // lock (too long, or with control characters) counts as unreadable, so a
    // damaged file cannot lock the user out.
    void read(ProgramSettings &settings) const;

    static QByteArray format(const ProgramSettings &settings);
    textfiles::WriteResult write(const ProgramSettings &settings) const;

private:
    QString m_path;
};
