#pragma once

#include "platform/tray.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

// The tray icon of the desktop, with a menu to ride out a craving, show the
// window, log a craving or end the program.
class SystemTray : public Tray
{
    Q_OBJECT
public:
    explicit SystemTray(const QString &iconPath);

    void show() override;
    void setToolTip(const QString &text) override;
    void notify(const QString &title, const QString &text) override;

private:
    QString m_iconPath;
    QMenu m_menu;
    QSystemTrayIcon m_icon;
};
