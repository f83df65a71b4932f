#include "profile/settingsfile.h"

#include "platform/regionalformats.h"

QString SettingsFile::read(ProgramSettings &settings) const
{
    const textfiles::LineFile file = textfiles::readLines(m_path, {readLimitBytes, 2}, m_within);
    if (!file.opened || file.lines.isEmpty())
        return file.problem;
    settings.password = file.lines.at(0);
    if (file.lines.size() > 1) {
        if (const auto value = regional::shortFromText(file.lines.at(1)))
            settings.autoStart = *value;
    }
    return QString();
}

QByteArray SettingsFile::format(const ProgramSettings &settings)
{
    return settings.password.toUtf8() + "\r\n" + QByteArray::number(settings.autoStart);
}

textfiles::WriteResult SettingsFile::write(const ProgramSettings &settings) const
{
    // The password stands in clear text: only its owner may read the file.
    return textfiles::writeAtomically(
        m_path, format(settings),
        {.permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner, .within = m_within});
}
