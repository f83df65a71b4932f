#pragma once

#include <QFrame>

class QPushButton;

// The doctor's view of the falling risk of four diseases.
class DiseasePanel : public QFrame
{
    Q_OBJECT
public:
    explicit DiseasePanel(QWidget *parent = nullptr);

    QPushButton *backButton() const { return m_back; }

private:
    QPushButton *m_back;
};
