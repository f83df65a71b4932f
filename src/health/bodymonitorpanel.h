#pragma once

#include <QFrame>

class QPushButton;

// The body monitor: seven meters that climb from "smoker" to "normal".
class BodyMonitorPanel : public QFrame
{
    Q_OBJECT
public:
    explicit BodyMonitorPanel(QWidget *parent = nullptr);

    QPushButton *backButton() const { return m_back; }

private:
    QPushButton *m_back;
};
