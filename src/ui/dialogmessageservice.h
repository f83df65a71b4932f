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

private:
    QPointer<QWidget> m_parent;
};
