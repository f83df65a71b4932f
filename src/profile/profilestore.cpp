#include "profile/profilestore.h"

#include "platform/clock.h"

ProfileStore::ProfileStore(const QString &file, const QString &historyFolder, const QString &userFolder,
                           QuitProfile &profile, const Clock &clock)
    : m_file(file, userFolder), m_historyFolder(historyFolder), m_profile(profile), m_clock(clock)
{}

ProfileFile::ReadOutcome ProfileStore::readProfile()
{
    const ProfileFile::ReadOutcome outcome = m_file.read(m_profile, m_clock.now().date());
    m_unreadable = outcome.problem;
    return outcome;
}

textfiles::WriteResult ProfileStore::saveAnswers(const QString &name, const QString &cigarettes,
                                                 const QString &currency, const QString &money, const QDateTime &now)
{
    const textfiles::WriteResult written = m_file.write(
        ProfileFile::lines(name, cigarettes, currency, money, now, QLatin1String(QuitProfile::notStarted)));
    if (written.ok)
        m_unreadable.clear();
    return written;
}

textfiles::WriteResult ProfileStore::startQuit(const QDateTime &now)
{
    // The answers are what the file holds: a file that cannot be read now is
    // not written over with whatever the record still has.
    if (const ProfileFile::ReadOutcome read = readProfile(); !read.problem.isEmpty())
        return {false, read.problem};
    QuitProfile started = m_profile;
    started.stopDate = now.date();
    started.stopTime = now.time();
    started.quitStarted = QLatin1String(QuitProfile::started);
    const textfiles::WriteResult result = m_file.write(ProfileFile::lines(started));
    if (result.ok)
        readProfile();
    return result;
}

textfiles::WriteResult ProfileStore::keepAttempt(const QDateTime &now)
{
    return m_file.keepCopy(m_historyFolder, now);
}

textfiles::RemoveResult ProfileStore::removeProfile()
{
    const textfiles::RemoveResult result = m_file.remove();
    if (result.ok && m_file.exists())
        return {false, QString()};
    return result;
}
