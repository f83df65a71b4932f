#pragma once

#include "platform/messageservice.h"

#include <QPointer>
#include <QWidget>

// Message boxes on the screen: modal, one OK button, over the main window.
class DialogMessageService : public MessageService
{
public:
    void setParentWindow(QWidget *window) { m_parent = window; }
    void show(const QString &text, Icon icon, const QString &title) override;
    bool ask(const QString &text, const QString &title) override;

private:
    QWidget *parentWindow() const;
    static QString caption(const QString &title);

    QPointer<QWidget> m_parent;
};
