#include "ui/buttongrid.h"

#include "ui/controls.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>

ButtonGrid::ButtonGrid(QWidget *parent, const char *context, const Topic *topics, int count) : QWidget(parent)
{
    auto *layout = new QGridLayout(this);
    layout->setSpacing(8);
    for (int i = 0; i < count; ++i) {
        const Topic &topic = topics[i];
        QPushButton *button = controls::button(this, QString::fromLatin1(topic.name),
                                               QCoreApplication::translate(context, topic.caption));
        button->setMinimumHeight(40);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button, topic.row, topic.column);
        m_buttons.append(button);
    }
}
