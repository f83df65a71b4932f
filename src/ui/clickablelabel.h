#pragma once

#include <QLabel>

// A label that works as a link: it can be clicked, takes the keyboard focus
// and answers Space and Enter.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    ClickableLabel(QWidget *parent, const QString &objectName, const QString &text);

    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
