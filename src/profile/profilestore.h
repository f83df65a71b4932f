#pragma once

#include "platform/textfiles.h"
#include "profile/profilefile.h"
#include "records/quitprofile.h"

#include <QDateTime>

class Clock;

// The profile as the program keeps it: the record in memory and its file.
// The questionnaire saves the answers, the start of the quit logs the stop
// moment, and the reset removes the file, after keeping a copy of it where it can.
class ProfileStore
{
public:
    // The profile's file, and the folder where a reset keeps a copy of it,
    // both within the folder of the user's files.
    ProfileStore(const QString &file, const QString &historyFolder, const QString &userFolder, QuitProfile &profile,
                 const Clock &clock);

    QString filePath() const { return m_file.path(); }
    bool exists() const { return m_file.exists(); }

    // Reads the file into the record. A file that is there and cannot be
    // read leaves the record as it was, and is remembered as unreadable
    // until it is read or written.
    ProfileFile::ReadOutcome readProfile();
    // Why the file could not be read the last time; empty when it could.
    QString unreadable() const { return m_unreadable; }

    textfiles::WriteResult saveAnswers(const QString &name, const QString &cigarettes, const QString &currency,
                                       const QString &money, const QDateTime &now);
    // Logs now as the stop moment; on success the record holds it as stored.
    textfiles::WriteResult startQuit(const QDateTime &now);
    // The reset: a copy of the attempt is kept first where that is possible,
    // then the profile is removed.
    textfiles::WriteResult keepAttempt(const QDateTime &now);
    textfiles::RemoveResult removeProfile();

private:
    ProfileFile m_file;
    QString m_historyFolder;
    QuitProfile &m_profile;
    QString m_unreadable;
    const Clock &m_clock;
};
