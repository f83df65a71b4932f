#pragma once

#include "ui/background.h"

#include "cravinglog/cravings.h"
#include "moment/plans.h"
#include "moment/whathelped.h"
#include "ui/breathingpacer.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

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

// frmrideitout: "Ride it out", the window that helps through a craving as it
// comes. A countdown from 5:00, a breathing pacer, the user's plan for what
// set it off and what helped against it before, the first lines of their
// reasons with what they have won so far, and the steps they took. "It
// passed" and "I smoked" log the craving with the time the window was open
// and the steps ticked; closing it any other way asks whether it passed. The
// window never closes or logs by itself, and nothing of it ticks once closed.
// A plan typed in its editor is saved before the window logs or closes; while
// it cannot be, the window stays with the plan as typed.
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
    // While the plans and what helped before are read.
    bool isReading() const { return !m_read; }

signals:
    // The craving is in the file.
    void cravingLogged(const journey::Craving &craving);
    // After "I smoked": the user is smoking again, and asks for the reset.
    void resetRequested();
    // "Talk to someone": the quitlines of the help page.
    void quitlinesRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Facts
    {
        journey::PlanBook plans;
        journey::WhatHelped helped;
    };

    QWidget *buildCountdown();
    QWidget *buildReasons();
    QWidget *buildTrigger();
    QWidget *buildSteps();
    void readFacts();
    void showCountdown();
    void showPlan();
    void editPlan();
    // False when the plan could not be saved, which the user has been told.
    bool savePlan();
    // Saves what is typed in the plan editor, unless nothing new is there.
    bool keepTypedPlan();
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
    Facts m_facts;

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
    std::map<journey::CopingStep, QCheckBox *> m_steps;
    QPointer<QMessageBox> m_closeQuestion;
    // Last, so that it is the first to go: it waits for the threads still at work.
    background::Jobs m_jobs;
};
