#pragma once

#include "cravinglog/cravings.h"
#include "moment/slipnote.h"

#include <QDialog>

#include <functional>

struct Environment;
class PlanEdit;
class QKeyEvent;
class QLineEdit;
class QStackedWidget;

// frmslip: what follows "I smoked". First "Was it a slip, or are you smoking
// again?". A slip: where the user was and who with, both optional, then the
// plan for next time, then how to go on from here. Smoking again: a word on
// what stays, then the way to the program's reset, which asks for itself.
// The craving is logged once: with the answers, as soon as they are given,
// or without them when the dialog is left before. A plan typed for next time
// is saved before the dialog closes; Escape on its page passes it by, as "Not
// now" does.
class SlipDialog : public QDialog
{
    Q_OBJECT
public:
    // Logs the craving with the ANSWERS after its note (journey/slipnote.h);
    // false when it could not be, which the logger has said.
    using LogCraving = std::function<bool(const journey::SlipAnswers &answers)>;

    SlipDialog(const Environment &environment, journey::Trigger trigger, LogCraving log, QWidget *parent);

    bool isLogged() const { return m_logged; }

signals:
    // The user is smoking again and asks for the reset.
    void resetRequested();

public slots:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildQuestion();
    QWidget *buildSlipQuestions();
    QWidget *buildPlan();
    QWidget *buildAdvice();
    QWidget *buildSmokingAgain();
    // Logs the craving, unless it is logged already; closes the dialog when it cannot be.
    bool log(const journey::SlipAnswers &answers);
    void answerSlip();
    void answerSmokingAgain();
    void takeSlipAnswers();
    // False when the plan could not be saved, which the user has been told.
    bool savePlan();
    void keepPlan();
    void skipPlan();

    const Environment &m_environment;
    journey::Trigger m_trigger;
    LogCraving m_log;
    bool m_logged = false;
    QStackedWidget *m_pages;
    QLineEdit *m_where = nullptr;
    QLineEdit *m_with = nullptr;
    PlanEdit *m_plan = nullptr;
    // The plan for the trigger as the file holds it.
    QString m_savedPlan;
    QWidget *m_planPage = nullptr;
    QWidget *m_advicePage = nullptr;
    QWidget *m_smokingAgainPage = nullptr;
    QWidget *m_slipPage = nullptr;
};
