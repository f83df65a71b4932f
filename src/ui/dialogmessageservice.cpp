#include "ui/dialogmessageservice.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
// Room for what a window manager draws beside the title, the window's icon
// and its buttons, in lines of the title's height.
constexpr int titleBarExtras = 8;
} // namespace

void DialogMessageService::show(const Message &message)
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
        if (entry.icon == message.icon)
            shown = entry.shown;
    }
    QMessageBox box(shown, caption(message.title), message.text, QMessageBox::Ok, parentWindow(message.window));
    box.setInformativeText(message.detail);
    fitTitle(box);
    box.exec();
}

bool DialogMessageService::ask(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, caption(title), text, QMessageBox::Yes | QMessageBox::No, parentWindow());
    box.setDefaultButton(QMessageBox::No);
    fitTitle(box);
    return box.exec() == QMessageBox::Yes;
}

// A message about a window of its own stays over that window: over the main
// window, it would bring the main window up in front of it.
QWidget *DialogMessageService::parentWindow(QObject *window) const
{
    if (auto *widget = qobject_cast<QWidget *>(window); widget && widget->isVisible())
        return widget->window();
    return m_parent && m_parent->isVisible() ? m_parent.data() : nullptr;
}

QString DialogMessageService::caption(const QString &title)
{
    return title.isEmpty() ? QCoreApplication::translate("DialogMessageService", "Clearwind") : title;
}

// Qt sizes a message box for its text, and for its title alone; a short text
// leaves the title bar too narrow for anything but "...". The title bar is
// drawn bold by most window managers.
void DialogMessageService::fitTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + titleBarExtras * metrics.height();
    grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
}
