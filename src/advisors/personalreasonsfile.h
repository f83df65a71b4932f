#pragma once

#include "platform/textfiles.h"
#include "richtext/documentfile.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class Clock;

// The file of the user's personal reasons. It remembers what reading it
// found, so that a file the box could not show whole is never written over
// unasked: where the file could not be read, or held what the box leaves
// out, the user is asked first and the old file is kept beside it.
class PersonalReasonsFile
{
    Q_DECLARE_TR_FUNCTIONS(PersonalReasonsFile)
public:
    // Asks the user a question; true for Yes.
    using Ask = std::function<bool(const QString &question)>;
    // Writes the reasons to the path given.
    using Write = std::function<textfiles::WriteResult(const QString &path)>;

    // Copies are named after the file and today's date.
    static constexpr int maxCopiesADay = 999;

    PersonalReasonsFile(const QString &path, const Clock &clock) : m_path(path), m_clock(clock) {}

    const QString &path() const { return m_path; }

    // Takes in what reading the file found. Returns what the user must be
    // told: why a file that is there could not be shown, or nothing.
    QString noteRead(const richtext::LoadResult &read);

    // Writes the file, asking first and keeping the old file where that is
    // needed. Not ok with an empty error when the user said No.
    textfiles::WriteResult write(const Ask &ask, const Write &write);

private:
    enum class Hazard { None, Unreadable, Incomplete };

    QString question(const QString &copy) const;
    QString freeCopyName() const;

    QString m_path;
    const Clock &m_clock;
    Hazard m_hazard = Hazard::None;
    richtext::LoadResult m_read;
};
