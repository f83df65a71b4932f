#include "ui/buttongrid.h"

#include "ui/controls.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>

ButtonGrid::ButtonGrid(QWidget *parent, const char *context)
    : QWidget(parent), m_context(context), m_layout(new QGridLayout(this))
{
    m_layout->setSpacing(8);
}

QPushButton *ButtonGrid::addButton(const Topic &topic)
{
    QPushButton *button =
        controls::button(this, QString::fromLatin1(topic.name), QCoreApplication::translate(m_context, topic.caption));
    button->setMinimumHeight(40);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_layout->addWidget(button, topic.row, topic.column);
    return button;
}

void ButtonGrid::addWidget(QWidget *widget, int row, int column)
{
    m_layout->addWidget(widget, row, column);
}
