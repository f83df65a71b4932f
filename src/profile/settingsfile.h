#pragma once

#include "platform/textfiles.h"
#include "records/programsettings.h"

// The two-line settings file: the password (or "noword"), then 0 or 1 for
// starting at logon, with no line break after the digit.
class SettingsFile
{
public:
    // How much of the file the reader takes at most.
    static constexpr qsizetype readLimitBytes = 4096;

    // WITHIN: the folder of the user's files (see textfiles::WriteOptions).
    explicit SettingsFile(QString path, QString within = QString())
        : m_path(std::move(path)), m_within(std::move(within))
    {}

    // Only a file that is missing, cannot be opened or holds nothing at all
    // leaves the record as it is: no password, autostart off. Any other file
    // means what it says: line 1 is the password, whatever its length and
    // characters, so that no edit by hand switches the lock off unnoticed;
    // the lock itself tells the user when no keyboard can type it. A first
    // line longer than the read limit is taken as far as the limit reaches
    // (at a whole character): the lock stays up, and its entry takes that
    // many characters, so pasting the line still opens it.
    // A file that is there and could not be read leaves the record as it is
    // too; the result says why, the reason alone.
    QString read(ProgramSettings &settings) const;

    static QByteArray format(const ProgramSettings &settings);
    textfiles::WriteResult write(const ProgramSettings &settings) const;

private:
    QString m_path;
    QString m_within;
};
