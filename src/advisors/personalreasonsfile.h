#pragma once

#include "platform/textfiles.h"
#include "richtext/documentfile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

class Clock;

// The file of the user's personal reasons. It remembers what reading it
// found, so that a file the box could not show whole is never written over
// unasked: where the file could not be read, or held what the box leaves
// out, the user is asked first and the old file is kept beside it.
//
// Deciding and asking happen on the window's thread (prepare()); keeping the
// old file, the write and putting the old file back where the write failed
// happen where the user's files are written (store()), from the Storing that
// prepare() hands over alone.
class PersonalReasonsFile
{
    Q_DECLARE_TR_FUNCTIONS(PersonalReasonsFile)
public:
    // Asks the user a question; true for Yes.
    using Ask = std::function<bool(const QString &question)>;

    // Copies are named after the file and today's date.
    static constexpr int maxCopiesADay = 999;

    // Everything a write needs, decided beforehand.
    struct Storing
    {
        QString path;
        QString within; // the folder of the user's files
        QByteArray bytes;
        QString keepOldAs; // where the old file goes first; empty: it is replaced
    };
    // What prepare() decided: the write to make, or why none is made.
    struct Prepared
    {
        bool go = false;
        QString refusal; // why not; empty when the user said No
        Storing storing;
    };

    PersonalReasonsFile(const QString &path, const QString &within, const Clock &clock)
        : m_path(path), m_within(within), m_clock(clock)
    {}

    const QString &path() const { return m_path; }

    // Takes in what reading the file found. Returns what the user must be
    // told: why a file that is there could not be shown, or nothing.
    QString noteRead(const richtext::LoadResult &read);

    // Decides how BYTES replace the file, asking first where that is needed.
    Prepared prepare(const Ask &ask, const QByteArray &bytes) const;
    // Takes in the outcome of a write prepare() asked for: once written, the
    // file holds what the box shows, and is replaced without asking.
    void noteWritten(const textfiles::WriteResult &written);

    // Keeps the old file where STORING says so, writes the new one, and puts
    // the old one back where the write failed. Touches nothing of an object:
    // it runs beside the window.
    static textfiles::WriteResult store(const Storing &storing);

private:
    enum class Hazard { None, Unreadable, Incomplete };

    QString question(const QString &copy) const;
    QString freeCopyName() const;

    QString m_path;
    QString m_within;
    const Clock &m_clock;
    Hazard m_hazard = Hazard::None;
    richtext::LoadResult m_read;
};
