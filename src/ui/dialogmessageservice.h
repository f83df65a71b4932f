#pragma once

#include "platform/messageservice.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

// Message boxes on the screen: modal, one OK button, over the main window
// unless another window is named, and wide enough to show their title.
class DialogMessageService : public MessageService
{
public:
    void setParentWindow(QWidget *window) { m_parent = window; }
    using MessageService::show;
    void show(const Message &message) override;
    bool ask(const QString &text, const QString &title) override;

private:
    QWidget *parentWindow(QObject *window = nullptr) const;
    static QString caption(const QString &title);
    static void fitTitle(QMessageBox &box);

    QPointer<QWidget> m_parent;
};
