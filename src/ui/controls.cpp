#include "ui/controls.h"

#include "ui/layerstack.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace controls {

QLabel *label(QWidget *parent, const QString &objectName, const QString &text)
{
    auto *label = new QLabel(text, parent);
    nameLabel(label, objectName);
    return label;
}

void nameLabel(QLabel *label, const QString &objectName)
{
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
}

QLabel *textLabel(QWidget *parent, const QString &objectName, const QString &text)
{
    QLabel *result = label(parent, objectName, text);
    result->setWordWrap(true);
    return result;
}

QPushButton *button(QWidget *parent, const QString &objectName, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(true);
    return button;
}

QLineEdit *passwordEntry(QWidget *parent, const QString &objectName, int maxLength)
{
    auto *entry = new QLineEdit(parent);
    entry->setObjectName(objectName);
    entry->setEchoMode(QLineEdit::Password);
    entry->setMaxLength(maxLength);
    // Styles choose their own mask character (often a dot); this one is asked for.
    entry->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return entry;
}

QFrame *panel(QWidget *parent, const QString &objectName, bool visible)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(objectName);
    if (!visible)
        frame->hide();
    return frame;
}

void setText(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

void setTextColour(QLabel *label, look::Role role)
{
    look::setTextColour(label, role);
}

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

bool isShown(const QWidget *widget)
{
    if (const auto *stack = qobject_cast<const LayerStack *>(widget->parentWidget()))
        return stack->isShown(widget);
    return !widget->isHidden();
}

void switchPanels(QWidget *hide, QWidget *show)
{
    hide->hide();
    show->show();
}

} // namespace controls
