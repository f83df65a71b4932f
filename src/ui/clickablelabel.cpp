#include "ui/clickablelabel.h"

#include "ui/controls.h"

#include <QKeyEvent>
#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget *parent, const QString &objectName, const QString &text) : QLabel(text, parent)
{
    controls::nameLabel(this, objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    static constexpr int activationKeys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
    for (const int key : activationKeys) {
        if (event->key() == key) {
            emit clicked();
            return;
        }
    }
    QLabel::keyPressEvent(event);
}
