#include "records/preferences.h"

#include "platform/environment.h"
#include "platform/logging.h"
#include "records/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The keys, each in the section of what it belongs to.
constexpr auto remindKey = "reminder/beforeUsualHour";
constexpr auto lastShownKey = "reminder/lastShown";

// A few keys take a few hundred bytes; a file beyond this is not ours to read.
constexpr qint64 readLimitBytes = 64 * 1024;

QString preferencesText(const char *source)
{
    return QCoreApplication::translate("Preferences", source);
}

// Why the file cannot be read as preferences; empty when it can, or when it
// is not there.
QString whyUnreadable(const QString &path, const QString &within)
{
    if (QString outside = textfiles::whyOutside(within, path); !outside.isEmpty())
        return outside;
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    // A pipe or a device would never end.
    if (!info.isFile())
        return preferencesText("it is not a file of preferences");
    if (info.size() > readLimitBytes)
        return preferencesText("it is larger than 64 KB, too large to be a file of preferences");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return QString();
}

std::optional<bool> boolFrom(const QVariant &value)
{
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

} // namespace

PreferencesFile PreferencesFile::ofUser(const Environment &environment)
{
    return PreferencesFile(datafiles::path(environment, datafiles::File::Preferences), environment.userDataFolder);
}

Preferences PreferencesFile::read() const
{
    Preferences preferences;
    if (const QString problem = whyUnreadable(m_path, m_within); !problem.isEmpty()) {
        qCWarning(logClearwind) << "The preferences in" << m_path << "could not be read:" << problem;
        return preferences;
    }
    if (!QFileInfo::exists(m_path))
        return preferences;
    const QSettings settings(m_path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        qCWarning(logClearwind) << "The preferences in" << m_path << "are not all in order; what is, is read";
    if (settings.contains(remindKey)) {
        if (const auto remind = boolFrom(settings.value(remindKey)))
            preferences.remindBeforeUsualHour = *remind;
        else
            qCWarning(logClearwind) << "Passed over in" << m_path << remindKey << settings.value(remindKey);
    }
    if (settings.contains(lastShownKey)) {
        const QDate date = QDate::fromString(settings.value(lastShownKey).toString(), Qt::ISODate);
        if (date.isValid())
            preferences.reminderLastShown = date;
        else
            qCWarning(logClearwind) << "Passed over in" << m_path << lastShownKey << settings.value(lastShownKey);
    }
    return preferences;
}

// QSettings writes its INI file in its own way, which leaves a file cut short
// on a full disk and follows any link: it writes a copy in a folder of its
// own here, and the copy's bytes go to the file as every file of the user's
// does, whole or not at all.
textfiles::WriteResult PreferencesFile::write(const Preferences &preferences) const
{
    // What cannot be read is not written over: it may hold keys of a later version.
    if (const QString problem = whyUnreadable(m_path, m_within); !problem.isEmpty())
        return {false, problem};
    QTemporaryDir folder;
    if (!folder.isValid())
        return {false, folder.errorString()};
    const QString copy = folder.filePath(QStringLiteral("preferences.ini"));
    {
        QSettings settings(copy, QSettings::IniFormat);
        if (QFileInfo::exists(m_path)) {
            const QSettings kept(m_path, QSettings::IniFormat);
            for (const QString &key : kept.allKeys())
                settings.setValue(key, kept.value(key));
        }
        settings.setValue(remindKey, preferences.remindBeforeUsualHour);
        if (preferences.reminderLastShown.isValid())
            settings.setValue(lastShownKey, preferences.reminderLastShown.toString(Qt::ISODate));
        else
            settings.remove(lastShownKey);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return {false, preferencesText("the preferences could not be put together in %1")
                               .arg(QDir::toNativeSeparators(folder.path()))};
    }
    QFile written(copy);
    if (!written.open(QIODevice::ReadOnly))
        return {false, written.errorString()};
    const textfiles::WholeFile bytes = textfiles::readWhole(written, readLimitBytes);
    if (!bytes.error.isEmpty())
        return {false, bytes.error};
    return textfiles::writeAtomically(m_path, bytes.bytes, {.within = m_within});
}
