#pragma once

#include "cravinglog/cravings.h"

#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolButton;

// One plan: "When <trigger>, I will" before a line of at most 200
// characters. While the user has no plan for the trigger, a suggestion shows
// greyed in the empty line; it is not theirs until they take it ("Use this")
// or type over it. Enter is the plan's own: it says so by submitted() and goes
// no further, so that a host decides what it means and nothing else acts on
// it first.
class PlanEdit : public QWidget
{
    Q_OBJECT
public:
    // What comes before the line: "When %1, I will" by default.
    PlanEdit(const QString &objectName, QWidget *parent, const char *lead = nullptr);

    // The plan as a sentence: "When Coffee, I will drink a glass of water first."
    static QString sentence(journey::Trigger trigger, const QString &plan);

    journey::Trigger trigger() const { return m_trigger; }
    void setTrigger(journey::Trigger trigger);
    // The user's plan as it stands in the line; empty when they have none.
    QString plan() const;
    void setPlan(const QString &plan);
    void setReadOnly(bool readOnly);
    // Lines one under the other start at the same place.
    int leadWidth() const;
    void setLeadWidth(int width);

public slots:
    void takeSuggestion();

signals:
    // Enter, in the line or on its button: the user is done with the plan.
    void submitted();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showSuggestion();

    const char *m_lead;
    journey::Trigger m_trigger = journey::Trigger::NotSaid;
    QLabel *m_leadLabel;
    QLineEdit *m_line;
    QToolButton *m_take;
};
