#pragma once

#include <QColor>
#include <QFrame>

struct SmokeFreeTime;
class QPushButton;

// The body monitor: seven meters that climb from "smoker" to "normal".
class BodyMonitorPanel : public QFrame
{
    Q_OBJECT
public:
    explicit BodyMonitorPanel(QWidget *parent = nullptr);

    QPushButton *backButton() const { return m_back; }
    // One update of the meters from the smoke-free time as the counter shows it.
    void showMeters(const SmokeFreeTime &time);

signals:
    // The doctor explains what the mouse is over.
    void explanation(const QString &text, const QColor &colour);

private:
    QPushButton *m_back;
};
