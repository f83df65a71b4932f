#pragma once

#include "platform/logonlist.h"

#include <QByteArray>

// The logon list of Linux desktops: a desktop entry in the autostart folder
// of the user's configuration home.
class XdgAutostart : public LogonList
{
public:
    static constexpr auto entryName = "Clearwind.desktop";

    explicit XdgAutostart(QString folder) : m_folder(std::move(folder)) {}

    // $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when the variable is
    // unset, empty or not an absolute path.
    static QString folderFor(const QByteArray &configHome, const QString &home);
    static QString defaultFolder();

    // The entry that starts the program of that folder.
    static QByteArray entry(const QString &programFile);

    QString folder() const { return m_folder; }
    textfiles::WriteResult setStartAtLogon(bool start, const QString &programFile) override;

private:
    textfiles::WriteResult openForWriting() const;

    QString m_folder;
};
