#include "profile/relapsepanel.h"

#include "platform/clock.h"
#include "platform/environment.h"
#include "records/datafiles.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyleHints>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const char *const areYouSure = QT_TRANSLATE_NOOP("RelapsePanel", "Are you sure?");
const char *const tryAgain = QT_TRANSLATE_NOOP(
    "RelapsePanel", "I am sorry to hear you failed... Try again! With the experience you gained, your "
                    "next attempt should be more succesful!");
} // namespace

RelapsePanel::RelapsePanel(const Environment &environment, QWidget *parent) : QFrame(parent), m_environment(environment)
{
    setObjectName(QStringLiteral("frmmain"));

    m_question = controls::textLabel(this, QStringLiteral("lblmain"), tr("Have you smoked ?"));
    QFont big = m_question->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_question->setFont(big);
    m_question->setAlignment(Qt::AlignCenter);
    m_questionPicture = new Picture(QStringLiteral("imgquestion"), pictures::path("question"), tr("Question"), this);
    m_sadPicture = new Picture(QStringLiteral("imgunhappy"), pictures::path("unhappy"), tr("Sad face"), this);
    m_questionPicture->setFixedSize(120, 120);
    m_sadPicture->setFixedSize(120, 120);
    m_sadPicture->hide();
    m_answer = controls::textLabel(this, QStringLiteral("lblyessmoked"), tr(tryAgain));
    m_answer->setAlignment(Qt::AlignCenter);
    m_answer->hide();

    m_yesButton = controls::button(this, QStringLiteral("cmdyes"), tr("Yes"));
    m_noButton = controls::button(this, QStringLiteral("cmdno"), tr("No"));
    m_resetButton = controls::button(this, QStringLiteral("cmdyessmoke"), tr("Yes, reset it now."));
    m_noContinueButton = controls::button(this, QStringLiteral("cmdnocontinue"), tr("No, continue."));
    m_exitButton = controls::button(this, QStringLiteral("cmdexit"), tr("Exit"));
    for (QPushButton *button : {m_yesButton, m_noButton, m_resetButton, m_noContinueButton, m_exitButton})
        button->setMinimumWidth(130);
    m_resetButton->hide();
    m_noContinueButton->hide();
    m_exitButton->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_yesButton, m_noButton, m_resetButton, m_noContinueButton, m_exitButton})
        buttons->addWidget(button);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addStretch(2);
    layout->addWidget(m_questionPicture, 0, Qt::AlignHCenter);
    layout->addWidget(m_sadPicture, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(m_question);
    layout->addWidget(m_answer);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch(3);

    connect(m_yesButton, &QPushButton::clicked, this, &RelapsePanel::answerSmoked);
    connect(m_noButton, &QPushButton::clicked, this, &RelapsePanel::answerNotSmoked);
    connect(m_noContinueButton, &QPushButton::clicked, this, &RelapsePanel::continueQuit);
    connect(m_resetButton, &QPushButton::clicked, this, &RelapsePanel::askToReset);
    connect(m_exitButton, &QPushButton::clicked, this, &RelapsePanel::exitAfterReset);
}

void RelapsePanel::showButtons(std::initializer_list<QPushButton *> shown)
{
    for (QPushButton *button : {m_yesButton, m_noButton, m_resetButton, m_noContinueButton, m_exitButton})
        button->setVisible(std::find(shown.begin(), shown.end(), button) != shown.end());
}

void RelapsePanel::answerSmoked()
{
    if (m_waiting || answeredTooSoon())
        return;
    m_questionPicture->hide();
    m_sadPicture->show();

    if (m_askedToResetWithoutCopy) {
        resetProfile();
        return;
    }
    if (m_answer->text() == tr(areYouSure)) {
        // Keeping the attempt is a kindness, not a condition: the user decides.
        setWaiting(true);
        emit keepAttemptRequested(m_environment.clock->now());
        return;
    }

    m_question->setText(tr("If you have smoked , you can reset Clearwind and try again."));
    m_answer->show();
    showButtons({m_resetButton, m_noContinueButton});
}

void RelapsePanel::attemptKept(const textfiles::WriteResult &result)
{
    setWaiting(false);
    if (result.ok) {
        resetProfile();
        return;
    }
    m_askedToResetWithoutCopy = true;
    askToConfirm(
        tr("Your previous attempt could not be kept: %1\nDo you want to reset Clearwind anyway?").arg(result.error));
}

void RelapsePanel::resetProfile()
{
    setWaiting(true);
    emit removeProfileRequested();
}

void RelapsePanel::profileRemoved(const textfiles::WriteResult &result)
{
    setWaiting(false);
    showButtons({m_exitButton});
    if (result.ok) {
        m_answer->setText(tr("The program has been reset. Please try again to stop smoking when you are "
                             "ready. The more you try , the better chances you have of actually stopping!"));
    } else {
        const QString reason = result.error.isEmpty() ? tr("The file is still there.") : result.error;
        m_answer->setText(
            tr("The reset could not be completed: %1 could not be removed. %2")
                .arg(QDir::toNativeSeparators(datafiles::path(m_environment, datafiles::File::Profile)), reason));
    }
}

void RelapsePanel::setWaiting(bool waiting)
{
    m_waiting = waiting;
    for (QPushButton *button : {m_yesButton, m_noButton, m_resetButton, m_noContinueButton, m_exitButton})
        button->setEnabled(!waiting);
}

void RelapsePanel::offerReset()
{
    // A reset under way goes on to its end; the panel shows it.
    if (m_waiting)
        return;
    // Whatever was answered here before, "Are you sure?" comes again.
    m_answer->setText(tr(tryAgain));
    m_askedToResetWithoutCopy = false;
    m_askedAt = QDateTime();
    m_questionPicture->show();
    m_sadPicture->hide();
    answerSmoked();
}

void RelapsePanel::askToReset()
{
    m_question->setText(QString());
    askToConfirm(tr(areYouSure));
}

void RelapsePanel::askToConfirm(const QString &question)
{
    m_answer->setText(question);
    showButtons({m_yesButton, m_noButton});
    // The "Yes" now lies where the mouse and the keyboard just were: the focus
    // goes to "No", and what arrives within a double-click does not count.
    m_noButton->setFocus();
    m_askedAt = m_environment.clock->now();
}

bool RelapsePanel::answeredTooSoon() const
{
    if (!m_askedAt.isValid())
        return false;
    const qint64 elapsed = m_askedAt.msecsTo(m_environment.clock->now());
    return elapsed >= 0 && elapsed < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void RelapsePanel::answerNotSmoked()
{
    if (m_waiting || answeredTooSoon())
        return;
    emit quitContinues();
}

void RelapsePanel::continueQuit()
{
    answerNotSmoked();
}

void RelapsePanel::exitAfterReset()
{
    m_environment.endProgram();
}
