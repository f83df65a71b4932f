#include "ui/dialogmessageservice.h"

#include <QCoreApplication>
#include <QMessageBox>

void DialogMessageService::show(const QString &text, Icon icon, const QString &title)
{
    static constexpr struct
    {
        Icon icon;
        QMessageBox::Icon shown;
    } icons[] = {{Icon::None, QMessageBox::NoIcon},
                 {Icon::Information, QMessageBox::Information},
                 {Icon::Warning, QMessageBox::Warning}};
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    for (const auto &entry : icons) {
        if (entry.icon == icon)
            shown = entry.shown;
    }
    QMessageBox box(shown, caption(title), text, QMessageBox::Ok, parentWindow());
    box.exec();
}

bool DialogMessageService::ask(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, caption(title), text, QMessageBox::Yes | QMessageBox::No, parentWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QWidget *DialogMessageService::parentWindow() const
{
    return m_parent && m_parent->isVisible() ? m_parent.data() : nullptr;
}

QString DialogMessageService::caption(const QString &title)
{
    return title.isEmpty() ? QCoreApplication::translate("DialogMessageService", "Clearwind") : title;
}
