#pragma once

#include "platform/textfiles.h"

#include <QDate>
#include <QString>

struct Environment;

// The user's preferences that the two lines of settings.dat have no room for,
// in an INI file of their own (settings/preferences.ini), each with its
// default. A file that is missing, cannot be read or holds nonsense means the
// defaults; a value that makes no sense is passed over and said in the log.
struct Preferences
{
    // A nudge before the hour the user's cravings usually come.
    bool remindBeforeUsualHour = false;
    // The local date that nudge last showed; none when it never did.
    QDate reminderLastShown;

    bool operator==(const Preferences &) const = default;
};

class PreferencesFile
{
public:
    // WITHIN: the folder of the user's files (see textfiles::WriteOptions).
    explicit PreferencesFile(QString path, QString within = QString())
        : m_path(std::move(path)), m_within(std::move(within))
    {}

    static PreferencesFile ofUser(const Environment &environment);

    QString path() const { return m_path; }
    Preferences read() const;
    // Writes every preference, keeping the keys of the file this version
    // does not know. Whole or not at all; a failure comes back with its
    // reason alone.
    textfiles::WriteResult write(const Preferences &preferences) const;

private:
    QString m_path;
    QString m_within;
};
