#pragma once

#include "records/tables.h"

#include <QPushButton>
#include <QWidget>

#include <cstddef>

class QGridLayout;

// Topic buttons laid out in rows and columns.
class ButtonGrid : public QWidget
{
public:
    struct Topic
    {
        const char *name;
        const char *caption; // translated in the grid's context
        int row;
        int column;
    };

    // A topic and the handler of its click.
    template<typename Owner>
    struct Action
    {
        Topic topic;
        void (Owner::*handler)();
    };

    ButtonGrid(QWidget *parent, const char *context);

    QPushButton *addButton(const Topic &topic);
    template<typename Owner>
    QPushButton *addButton(const Action<Owner> &action, Owner *owner)
    {
        QPushButton *button = addButton(action.topic);
        QObject::connect(button, &QPushButton::clicked, owner, action.handler);
        return button;
    }
    // Puts any other widget into a cell, such as a picture between the buttons.
    void addWidget(QWidget *widget, int row, int column);

private:
    const char *m_context;
    QGridLayout *m_layout;
};
