#include "platform/systemtray.h"

SystemTray::SystemTray(const QString &iconPath) : m_iconPath(iconPath)
{
    // First what helps at the very moment of a craving.
    m_menu.addAction(tr("Craving now..."), this, &Tray::cravingNowRequested);
    m_menu.addAction(tr("Show Clearwind"), this, &Tray::showRequested);
    m_menu.addAction(tr("Log a craving..."), this, &Tray::cravingLogRequested);
    m_menu.addAction(tr("Exit"), this, &Tray::exitRequested);
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            emit showRequested();
    });
}

void SystemTray::show()
{
    // The picture is loaded when the icon is first shown, once the program's
    // pictures are there.
    if (m_icon.icon().isNull())
        m_icon.setIcon(QIcon(m_iconPath));
    m_icon.show();
}

void SystemTray::setToolTip(const QString &text)
{
    if (m_icon.toolTip() != text)
        m_icon.setToolTip(text);
}

void SystemTray::notify(const QString &title, const QString &text)
{
    m_icon.showMessage(title, text, m_icon.icon());
}
