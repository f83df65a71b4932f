#pragma once

#include <QObject>
#include <QString>

// The icon in the desktop's system tray, where the desktop has one.
class Tray : public QObject
{
    Q_OBJECT
public:
    virtual void show() = 0;
    virtual void setToolTip(const QString &text) = 0;
    virtual void notify(const QString &title, const QString &text) = 0;

signals:
    // The entries of the icon's menu.
    void showRequested();
    void cravingNowRequested();
    void cravingLogRequested();
    void exitRequested();
};
