#include "platform/xdgautostart.h"

#include "platform/xdgbase.h"
#include "platform/platformtexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace {

// An argument of an Exec line: quoted whole, with the four characters that
// stay special inside quotes escaped, and % doubled so that it is no field code.
QString quotedArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        else if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    return quoted + u'"';
}

// The escapes of every string value, applied over the quoting.
QString escapedValue(const QString &value)
{
    static constexpr struct
    {
        char16_t character;
        const char16_t *escape;
    } escapes[] = {{u'\\', u"\\\\"}, {u'\n', u"\\n"}, {u'\t', u"\\t"}, {u'\r', u"\\r"}};
    QString escaped;
    for (const QChar c : value) {
        const auto *found = std::find_if(std::begin(escapes), std::end(escapes),
                                         [c](const auto &entry) { return entry.character == c.unicode(); });
        if (found != std::end(escapes))
            escaped += QString::fromUtf16(found->escape);
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

QString XdgAutostart::folderFor(const QByteArray &configHome, const QString &home)
{
    return xdgbase::folder(QFile::decodeName(configHome), home, QStringLiteral(".config")) +
           QStringLiteral("/autostart");
}

QString XdgAutostart::defaultFolder()
{
    return folderFor(qgetenv("XDG_CONFIG_HOME"), QDir::homePath());
}

// A desktop looks for the program named first on the Exec line before it
// turns %% back into %, so it never finds a program whose folder has a % in
// its name, and will not start the entry at all. Such a program is started by
// the shell instead, which takes the path as an argument of its own.
QByteArray XdgAutostart::entry(const QString &programFile)
{
    const QString program = quotedArgument(programFile);
    const QString command =
        programFile.contains(u'%') ? QStringLiteral(R"(/bin/sh -c "exec \"\$0\"" )") + program : program;
    const QString exec = escapedValue(command);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Clearwind\n"
           "Exec=" +
           exec.toUtf8() + '\n';
}

textfiles::WriteResult XdgAutostart::openForWriting() const
{
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(m_folder).toStdString(), error);
    QString reason = error ? QString::fromLocal8Bit(error.message().c_str()) : QString();
    if (reason.isEmpty() && ::access(QFile::encodeName(m_folder).constData(), W_OK | X_OK) != 0)
        reason = QString::fromLocal8Bit(std::strerror(errno));
    if (reason.isEmpty())
        return {true, QString()};
    return {false, PlatformTexts::tr("The folder %1 cannot be opened for writing: %2")
                       .arg(QDir::toNativeSeparators(m_folder), reason)};
}

textfiles::WriteResult XdgAutostart::setStartAtLogon(bool start, const QString &programFile)
{
    const QString path = m_folder + u'/' + QLatin1String(entryName);
    if (!start) {
        const textfiles::RemoveResult removed = textfiles::remove(path);
        if (removed.ok)
            return {true, QString()};
        return {false, PlatformTexts::tr("The entry %1 could not be removed: %2")
                           .arg(QDir::toNativeSeparators(path), removed.error)};
    }
    if (const textfiles::WriteResult opened = openForWriting(); !opened.ok)
        return opened;
    const textfiles::WriteResult written = textfiles::writeAtomically(path, entry(programFile));
    if (written.ok)
        return written;
    return {false, PlatformTexts::tr("The entry %1 could not be written: %2")
                       .arg(QDir::toNativeSeparators(path), written.error)};
}
