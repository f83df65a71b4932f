#pragma once

#include <QHash>
#include <QLabel>
#include <QStaticText>

// A label for a number that changes every second. It paints its own
// background, so the panel behind it is not repainted with it, and it keeps
// the laid-out text of the numbers it has shown, so showing one again lays
// out nothing.
class NumberLabel : public QLabel
{
    Q_OBJECT
public:
    NumberLabel(QWidget *parent, const QString &objectName, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const QStaticText &laidOut(const QString &text);

    QHash<QString, QStaticText> m_laidOut;
};
