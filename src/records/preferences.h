#pragma once

#include "platform/textfiles.h"

#include <QByteArray>
#include <QCoreApplication>
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

// The file as earlier versions wrote it through QSettings:
//   [reminder]
//   beforeUsualHour=true
//   lastShown=2026-03-14
// read the way QSettings read it: any line end (CR LF, LF, a lone CR), a
// UTF-8 byte-order mark, blanks around the "=", comment lines starting with
// ";" or "#" (and a ";" that ends a value), and of a key given twice the last.
// The file is the user's as much as ours: nothing but the bytes read here is
// ever interpreted, so anything else in it, binary included, is only kept.
Preferences preferencesFrom(const QByteArray &bytes);

// ORIGINAL with PREFERENCES in it, every other byte as it stands: a value
// that changes is replaced where it is read from (the key's last line), a
// key that is not there yet is added at the end of its section, or in a new
// section at the end, with the file's own line end (CR LF in a new file). A
// default that the file never held is not written; preferences that read as
// they stand change nothing at all.
QByteArray withPreferences(const QByteArray &original, const Preferences &preferences);

// The preferences of a file, or why the file could not be read (then the
// defaults).
struct StoredPreferences
{
    Preferences preferences;
    QString problem; // the reason alone; empty for a file read, or not there
};

class PreferencesFile
{
public:
    // WITHIN: the folder of the user's files (see textfiles::WriteOptions).
    explicit PreferencesFile(QString path, QString within = QString())
        : m_path(std::move(path)), m_within(std::move(within))
    {}

    static PreferencesFile ofUser(const Environment &environment);

    // A few keys take a few hundred bytes; a file beyond this is not ours to read.
    static constexpr qint64 readLimitBytes = 64 * 1024;

    QString path() const { return m_path; }
    StoredPreferences read() const;
    // Puts PREFERENCES into the file as withPreferences() does, whole or not
    // at all. A file that cannot be read is never written over: it may hold
    // keys of a later version. A failure comes back with its reason alone.
    textfiles::WriteResult write(const Preferences &preferences) const;

private:
    struct Bytes
    {
        QByteArray bytes;
        QString problem;
    };
    // The bytes of the file, none when it is not there, or why they cannot be had.
    Bytes bytes() const;

    QString m_path;
    QString m_within;
};
