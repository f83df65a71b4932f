#include "advisors/personalreasonsfile.h"

#include "platform/clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using richtext::Omission;

struct OmissionName
{
    Omission omission;
    const char *name;
};

const OmissionName omissionNames[] = {
    {Omission::Pictures, QT_TRANSLATE_NOOP("PersonalReasonsFile", "pictures, drawings or embedded objects")},
    {Omission::Tables, QT_TRANSLATE_NOOP("PersonalReasonsFile", "tables, whose cells become text between tabs")},
    {Omission::Notes, QT_TRANSLATE_NOOP("PersonalReasonsFile", "footnotes or comments")},
    {Omission::HeadersFooters, QT_TRANSLATE_NOOP("PersonalReasonsFile", "headers or footers")},
    {Omission::HiddenText, QT_TRANSLATE_NOOP("PersonalReasonsFile", "hidden text")},
    {Omission::NotText,
     QT_TRANSLATE_NOOP("PersonalReasonsFile", "content that is neither RTF nor text, perhaps in another format")},
};

bool isTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString PersonalReasonsFile::noteRead(const richtext::LoadResult &read)
{
    m_read = read;
    if (read.ok) {
        m_hazard = read.omitted ? Hazard::Incomplete : Hazard::None;
        return QString();
    }
    // A missing file is no fault: the reasons are simply not written yet.
    m_hazard = read.missing ? Hazard::None : Hazard::Unreadable;
    if (read.missing)
        return QString();
    return tr("Your personal reasons could not be shown, because %1 could not be read: %2\n\n"
              "The file stays as it is. If you write new reasons here, you will be asked before it is replaced.")
        .arg(QDir::toNativeSeparators(m_path), read.error);
}

PersonalReasonsFile::Prepared PersonalReasonsFile::prepare(const Ask &ask, const QByteArray &bytes) const
{
    Storing storing{m_path, m_within, bytes, QString()};
    if (m_hazard == Hazard::None)
        return {true, QString(), storing};
    storing.keepOldAs = freeCopyName();
    if (storing.keepOldAs.isEmpty())
        return {false, tr("There is no free name for a copy of the old file."), {}};
    if (!ask(question(storing.keepOldAs)))
        return {false, QString(), {}};
    return {true, QString(), storing};
}

void PersonalReasonsFile::noteWritten(const textfiles::WriteResult &written)
{
    // The file now holds what the box shows.
    if (written.ok)
        m_hazard = Hazard::None;
}

textfiles::WriteResult PersonalReasonsFile::store(const Storing &storing)
{
    const textfiles::WriteOptions options{.within = storing.within};
    if (storing.keepOldAs.isEmpty())
        return textfiles::writeAtomically(storing.path, storing.bytes, options);
    const QString &path = storing.path;
    const QString &copy = storing.keepOldAs;

    // A copy leaves the old file in place until the new one replaces it
    // whole. One that cannot be read cannot be copied: it is moved aside, and
    // so is anything but a file (a pipe would hold the copy up for ever).
    const bool copied = QFileInfo(path).isFile() && QFile(path).copy(copy);
    if (QFile moved(path); !copied && !moved.rename(copy))
        return {
            false,
            tr("The old file could not be kept as %1: %2").arg(QDir::toNativeSeparators(copy), moved.errorString())};
    const textfiles::WriteResult written = textfiles::writeAtomically(path, storing.bytes, options);
    if (!written.ok) {
        // Nothing was replaced, so nothing needs keeping.
        if (copied)
            QFile::remove(copy);
        else if (!QFile::rename(copy, path))
            return {false, written.error + u' ' + tr("The old file is now %1.").arg(QDir::toNativeSeparators(copy))};
    }
    return written;
}

QString PersonalReasonsFile::question(const QString &copy) const
{
    const QString file = QDir::toNativeSeparators(m_path);
    const QString kept = QFileInfo(copy).fileName();
    if (m_hazard == Hazard::Unreadable)
        return tr("%1 could not be read, so the personal reasons it holds are not shown here: %2\n\n"
                  "Replace it with what you wrote? The old file will be kept beside it as %3.")
            .arg(file, m_read.error, kept);
    QString lost;
    for (const OmissionName &row : omissionNames) {
        if (m_read.omitted.testFlag(row.omission))
            lost += QStringLiteral("\n\u2022 ") + tr(row.name);
    }
    return tr("%1 holds things that Clearwind cannot show:%2\n\n"
              "Saving what you wrote leaves them out of the file. Save anyway? The old file will be kept beside it "
              "as %3.")
        .arg(file, lost, kept);
}

QString PersonalReasonsFile::freeCopyName() const
{
    const QFileInfo file(m_path);
    const QString stem =
        file.absolutePath() + u'/' + file.completeBaseName() + u'-' + m_clock.now().date().toString(Qt::ISODate);
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    for (int number = 1; number <= maxCopiesADay; ++number) {
        const QString name = stem + (number > 1 ? u'-' + QString::number(number) : QString()) + suffix;
        if (!isTaken(name))
            return name;
    }
    return QString();
}
