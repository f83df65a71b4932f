#pragma once

#include "platform/textfiles.h"

#include <QDateTime>
#include <QFrame>

struct Environment;
class Picture;
class QLabel;
class QPushButton;

// "Have you smoked ?" at every start of a running quit, and the reset.
class RelapsePanel : public QFrame
{
    Q_OBJECT
public:
    explicit RelapsePanel(const Environment &environment, QWidget *parent = nullptr);

public slots:
    void answerSmoked();
    void answerNotSmoked();
    void continueQuit();
    void askToReset();
    void exitAfterReset();
    // From the running program, after the user said they are smoking again:
    // the panel as "Yes" leaves it at start-up, offering the reset, with the
    // same questions between the offer and the reset.
    void offerReset();
    // The outcomes of the reset's two steps, in their order.
    void attemptKept(const textfiles::WriteResult &result);
    void profileRemoved(const textfiles::WriteResult &result);

signals:
    // The reset, first step: a copy of the attempt is to be kept, as it
    // stands at MOMENT.
    void keepAttemptRequested(const QDateTime &moment);
    // The reset, second step, once the copy is kept or the user said to go
    // on without it: the profile is to be removed.
    void removeProfileRequested();
    // The user has not smoked: the counter goes on.
    void quitContinues();

private:
    void showButtons(std::initializer_list<QPushButton *> shown);
    // A question whose "Yes" resets: it must be answered by a second, deliberate act.
    void askToConfirm(const QString &question);
    bool answeredTooSoon() const;
    void resetProfile();
    // While a step of the reset is under way, no answer can be given.
    void setWaiting(bool waiting);

    const Environment &m_environment;
    QLabel *m_question;
    QLabel *m_answer;
    Picture *m_questionPicture;
    Picture *m_sadPicture;
    QPushButton *m_yesButton;
    QPushButton *m_noButton;
    QPushButton *m_resetButton;
    QPushButton *m_noContinueButton;
    QPushButton *m_exitButton;
    // When the last confirming question appeared; invalid before the first.
    QDateTime m_askedAt;
    // The copy of the attempt could not be kept, and the user was asked to reset all the same.
    bool m_askedToResetWithoutCopy = false;
    bool m_waiting = false;
};
