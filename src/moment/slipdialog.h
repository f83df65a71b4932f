#pragma once

#include "cravinglog/cravings.h"
#include "moment/slipnote.h"
#include "platform/textfiles.h"

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
// now" does. Both are written by the host, beside the dialog: it goes on
// once the host says the write landed (takeLogged(), takePlanWritten()).
class SlipDialog : public QDialog
{
    Q_OBJECT
public:
    // Asks for the craving to be logged with the ANSWERS after its note
    // (moment/slipnote.h); the logger answers by takeLogged().
    using LogCraving = std::function<void(const journey::SlipAnswers &answers)>;

    // SAVEDPLAN: the plan for TRIGGER as the user's plans hold it.
    SlipDialog(const Environment &environment, journey::Trigger trigger, const QString &savedPlan, LogCraving log,
               QWidget *parent);

    bool isLogged() const { return m_logged; }

signals:
    // The user is smoking again and asks for the reset.
    void resetRequested();
    // The plan for next time, to be saved; takePlanWritten() answers.
    void planWriteRequested(journey::Trigger trigger, const QString &plan);

public slots:
    void done(int result) override;
    // Whether the craving is in the file; when it is not, which the logger
    // has said, the dialog closes.
    void takeLogged(bool logged);
    void takePlanWritten(const textfiles::WriteResult &written);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildQuestion();
    QWidget *buildSlipQuestions();
    QWidget *buildPlan();
    QWidget *buildAdvice();
    QWidget *buildSmokingAgain();
    // Logs the craving, unless it is logged already, then goes on with THEN.
    void log(const journey::SlipAnswers &answers, std::function<void()> then);
    void answerSlip();
    void answerSmokingAgain();
    void takeSlipAnswers();
    // Saves the plan typed, then goes on with THEN; a plan that cannot be
    // saved is said, and the dialog stays with it.
    void savePlan(std::function<void()> then);
    void keepPlan();
    void skipPlan();

    const Environment &m_environment;
    journey::Trigger m_trigger;
    LogCraving m_log;
    bool m_logged = false;
    bool m_logging = false;
    std::function<void()> m_afterLog;
    bool m_savingPlan = false;
    QString m_planBeingSaved;
    std::function<void()> m_afterPlan;
    QStackedWidget *m_pages;
    QLineEdit *m_where = nullptr;
    QLineEdit *m_with = nullptr;
    PlanEdit *m_plan = nullptr;
    // The plan for the trigger as the user's plans hold it.
    QString m_savedPlan;
    QWidget *m_planPage = nullptr;
    QWidget *m_advicePage = nullptr;
    QWidget *m_smokingAgainPage = nullptr;
    QWidget *m_slipPage = nullptr;
};
