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
    const QString caption = title.isEmpty() ? QCoreApplication::translate("DialogMessageService", "Clearwind") : title;
    QMessageBox box(shown, caption, text, QMessageBox::Ok,
                    m_parent && m_parent->isVisible() ? m_parent.data() : nullptr);
    box.exec();
}
