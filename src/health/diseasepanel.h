#pragma once

#include <QFrame>
#include <QList>

struct SmokeFreeTime;
class QLabel;
class QPushButton;

// The doctor's view of the falling risk of four diseases.
class DiseasePanel : public QFrame
{
    Q_OBJECT
public:
    explicit DiseasePanel(QWidget *parent = nullptr);

    QPushButton *backButton() const { return m_back; }
    // One update of the rows from the smoke-free time as the counter shows it.
    void showRisks(const SmokeFreeTime &time);

private:
    QList<QLabel *> m_values; // in the order of the disease table
    QPushButton *m_back;
};
