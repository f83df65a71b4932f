#pragma once

#include "journey/cravings.h"
#include "journey/plans.h"
#include "journey/whathelped.h"
#include "platform/textfiles.h"
#include "ui/breathingpacer.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

struct Environment;
struct SharedState;
class ClickableLabel;
class PlanEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QMessageBox;
class QPushButton;
class QTimer;
class SlipDialog;

// frmrideitout: "Ride it out", the window that helps through a craving as it
// comes. A countdown from 5:00, a breathing pacer, the user's plan for what
// set it off and what helped against it before, the first lines of their
// reasons with what they have won so far, and the steps they took. "It
// passed" and "I smoked" log the craving with the time the window was open
// and the steps ticked; closing it any other way asks whether it passed. The
// window never closes or logs by itself, and nothing of it ticks once closed.
// A plan typed in its editor is saved before the window logs or closes; while
// it cannot be, the window stays with the plan as typed. The host gives it the
// plans and what helped (setPlans(), setHelped()) and writes what it asks
// for; the window hides while a craving is written and comes back as it was
// when the write fails.
class RideItOutWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int countdownSeconds = 5 * 60;

    RideItOutWindow(const Environment &environment, const SharedState &state, QWidget *parent);
    ~RideItOutWindow() override;

    // Where the window takes the milliseconds since it opened: a monotonic
    // clock unless told otherwise, so a clock set back changes nothing.
    void setElapsedSource(BreathingPacer::Elapsed elapsed);
    // Until the host gives it the plans.
    bool isReading() const { return !m_read; }

public slots:
    void setPlans(const journey::PlanBook &plans);
    void setHelped(const journey::WhatHelped &helped);
    void takePlanWritten(const textfiles::WriteResult &written);
    void takeCravingWritten(const journey::AppendResult &written);

signals:
    // The plan typed, to be written; takePlanWritten() answers.
    void planWriteRequested(journey::Trigger trigger, const QString &plan);
    // The craving, to be written; takeCravingWritten() answers.
    void cravingWriteRequested(const journey::Craving &craving);
    // The dialog after "I smoked" opened: its plan is written by the host.
    void slipOpened(SlipDialog *slip);
    // After "I smoked": the user is smoking again, and asks for the reset.
    void resetRequested();
    // "Talk to someone": the quitlines of the help page.
    void quitlinesRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Facts
    {
        journey::PlanBook plans;
        journey::WhatHelped helped;
    };
    using Then = std::function<void()>;

    QWidget *buildCountdown();
    QWidget *buildReasons();
    void showReasons();
    QWidget *buildTrigger();
    QWidget *buildSteps();
    void showCountdown();
    void showPlan();
    void editPlan();
    // Saves the plan typed, then goes on with THEN; a plan that cannot be
    // saved is said, and the editor stays with it.
    void savePlan(Then then = nullptr);
    // Saves what is typed in the plan editor, unless nothing new is there,
    // then goes on with THEN.
    void keepTypedPlan(Then then);
    void writeCraving(const journey::Craving &craving);
    void closePlanEditor();
    journey::Trigger chosenTrigger() const;
    journey::Craving craving(journey::Outcome outcome) const;
    void logPassed();
    void logSmoked();
    void finishWithoutLogging();
    void finish();
    void askWhetherToLog();

    const Environment &m_environment;
    const SharedState &m_state;
    QDateTime m_openedAt;
    QElapsedTimer m_clock;
    BreathingPacer::Elapsed m_elapsed;
    // Logged, or let go without: the window may close.
    bool m_finished = false;
    bool m_read = false;
    bool m_reasonsShown = false;
    Facts m_facts;
    bool m_writingPlan = false;
    Then m_afterPlan;
    bool m_writingCraving = false;
    QPointer<SlipDialog> m_slip;

    QTimer *m_countdownTimer;
    QLabel *m_countdown = nullptr;
    QLabel *m_stillThere = nullptr;
    BreathingPacer *m_pacer = nullptr;
    QComboBox *m_trigger = nullptr;
    QWidget *m_planArea = nullptr;
    QLabel *m_plan = nullptr;
    QPushButton *m_changePlan = nullptr;
    QWidget *m_planEditor = nullptr;
    PlanEdit *m_planEdit = nullptr;
    QLabel *m_helped = nullptr;
    QWidget *m_reasons = nullptr;
    std::map<journey::CopingStep, QCheckBox *> m_steps;
    QPointer<QMessageBox> m_closeQuestion;
};
