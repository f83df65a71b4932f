#pragma once

#include "platform/textfiles.h"
#include "records/quitprofile.h"

#include <QStringList>

// The seven-line profile file. The meaning of a line is its position:
// name, cigarettes a day, currency, money a day, stop date, stop time, marker.
class ProfileFile
{
public:
    // WITHIN: the folder of the user's files that the file lies in (see
    // textfiles::WriteOptions); empty where the file is no user's.
    explicit ProfileFile(QString path, QString within = QString())
        : m_path(std::move(path)), m_within(std::move(within))
    {}

    QString path() const { return m_path; }
    bool exists() const;

    // What reading found: no file, or a file that could not be read and why
    // (the reason alone), which leaves the record as it was.
    struct ReadOutcome
    {
        bool exists = false;
        QString problem;
    };

    // Reads what is there into the record. A line that is missing or does not
    // convert leaves its field as it was. A stop date with a two-digit year
    // reads as the nearest year that is not after today's.
    ReadOutcome read(QuitProfile &profile, const QDate &today) const;

    static QStringList lines(const QString &userName, const QString &cigarettes, const QString &currency,
                             const QString &money, const QDateTime &moment, const QString &marker);
    static QStringList lines(const QuitProfile &profile);
    static void apply(const QStringList &lines, QuitProfile &profile, const QDate &today);

    textfiles::WriteResult write(const QStringList &lines) const;

    // Keeps a copy of the current file in the history folder. The error names
    // the file that could not be read or written.
    textfiles::WriteResult keepCopy(const QString &historyFolder, const QDateTime &moment) const;
    textfiles::RemoveResult remove() const;

private:
    QString m_path;
    QString m_within;
};
