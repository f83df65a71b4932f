#pragma once

#include <QWidget>

class QPushButton;

// Topic buttons laid out in rows and columns.
class ButtonGrid : public QWidget
{
public:
    struct Topic
    {
        const char *name;
        const char *caption;
        int row;
        int column;
    };

    ButtonGrid(QWidget *parent, const char *context, const Topic *topics, int count);
    QList<QPushButton *> buttons() const { return m_buttons; }

private:
    QList<QPushButton *> m_buttons;
};
