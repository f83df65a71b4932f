#pragma once

#include <QFrame>
#include <QList>

struct SmokeFreeTime;
class QLabel;

// The doctor's view of the falling risk of four diseases.
class DiseasePanel : public QFrame
{
    Q_OBJECT
public:
    explicit DiseasePanel(QWidget *parent = nullptr);

    // One update of the rows from the smoke-free time as the counter shows it.
    void showRisks(const SmokeFreeTime &time);

signals:
    void backRequested();

private:
    QList<QLabel *> m_values; // in the order of the disease table
};
