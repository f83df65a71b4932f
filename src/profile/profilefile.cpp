#include "profile/profilefile.h"

#include "platform/regionalformats.h"
#include "profile/historynames.h"
#include "profile/profiletexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr qsizetype lineCount = 7;
// Seven short lines; a huge or binary file is cut here and degrades field by field.
constexpr qsizetype readLimitBytes = 64 * 1024;
// Whether the file holds exactly these bytes.
bool holds(const QString &path, const QByteArray &bytes)
{
    const textfiles::FileRead file = textfiles::readFile(path, {.limit = bytes.size() + 1, .takeHead = true});
    return file.outcome == textfiles::FileRead::Outcome::Read && file.bytes == bytes;
}

} // namespace

bool ProfileFile::exists() const
{
    const QFileInfo info(m_path);
    return info.exists() && info.isFile();
}

ProfileFile::ReadOutcome ProfileFile::read(QuitProfile &profile, const QDate &today) const
{
    const textfiles::LineFile file = textfiles::readLines(m_path, {readLimitBytes, lineCount}, m_within);
    if (file.opened)
        apply(file.lines, profile, today);
    return {file.opened || !file.problem.isEmpty(), file.problem};
}

void ProfileFile::apply(const QStringList &lines, QuitProfile &profile, const QDate &today)
{
    const auto line = [&](qsizetype index) -> const QString * {
        return index < lines.size() ? &lines.at(index) : nullptr;
    };
    if (const QString *text = line(0))
        profile.userName = *text;
    if (const QString *text = line(1)) {
        // A count below zero cannot come from the questionnaire and would turn every saving negative.
        if (const auto value = regional::shortFromText(*text); value && *value >= 0)
            profile.cigarettesPerDay = *value;
    }
    if (const QString *text = line(2))
        profile.currencyName = *text;
    if (const QString *text = line(3))
        profile.moneyPerDay = *text;
    if (const QString *text = line(4)) {
        if (const auto date = regional::storedDateFromText(*text, today.year()))
            profile.stopDate = *date;
    }
    if (const QString *text = line(5)) {
        if (const auto time = regional::timeFromText(*text))
            profile.stopTime = *time;
    }
    if (const QString *text = line(6))
        profile.quitStarted = *text;
}

QStringList ProfileFile::lines(const QString &userName, const QString &cigarettes, const QString &currency,
                               const QString &money, const QDateTime &moment, const QString &marker)
{
    // The stop moment in the one form that reads the same under every
    // locale: a short date written under one and read under another is a
    // different day, or none. Files of the regional forms are still read.
    return {userName,
            cigarettes,
            currency,
            money,
            moment.date().toString(Qt::ISODate),
            moment.time().toString(QStringLiteral("HH:mm:ss")),
            marker};
}

QStringList ProfileFile::lines(const QuitProfile &profile)
{
    return lines(profile.userName, QString::number(profile.cigarettesPerDay), profile.currencyName, profile.moneyPerDay,
                 QDateTime(profile.stopDate, profile.stopTime), profile.quitStarted);
}

textfiles::WriteResult ProfileFile::write(const QStringList &lines) const
{
    return textfiles::writeAtomically(m_path, textfiles::joinLines(lines), {.within = m_within});
}

textfiles::WriteResult ProfileFile::keepCopy(const QString &historyFolder, const QDateTime &moment) const
{
    if (!exists())
        return {true, QString()};
    const QString shownPath = QDir::toNativeSeparators(m_path);
    const textfiles::FileRead current =
        textfiles::readFile(m_path, {.limit = readLimitBytes, .takeHead = true, .within = m_within});
    if (current.outcome != textfiles::FileRead::Outcome::Read)
        return {false, ProfileTexts::tr("%1 could not be read: %2").arg(shownPath, current.problem)};
    const QByteArray &bytes = current.bytes;

    QString copy = QDir(historyFolder).filePath(historynames::name(moment));
    // A link that leads nowhere takes a name as much as a file does.
    const auto taken = [](const QString &name) { return QFileInfo::exists(name) || QFileInfo(name).isSymLink(); };
    for (int n = 2; taken(copy); ++n)
        copy = QDir(historyFolder).filePath(historynames::name(moment, n));
    textfiles::WriteResult kept = textfiles::writeAtomically(copy, bytes, {.within = m_within});
    // The profile goes once the copy is kept, so the copy must be proven
    // whole: read back, every byte as written.
    if (kept.ok && !holds(copy, bytes))
        kept = {false, ProfileTexts::tr("the copy does not hold what was written")};
    if (kept.ok)
        return kept;
    return {false, ProfileTexts::tr("%1 could not be written: %2")
                       .arg(QDir::toNativeSeparators(copy), kept.error)};
}

textfiles::RemoveResult ProfileFile::remove() const
{
    return textfiles::remove(m_path);
}
