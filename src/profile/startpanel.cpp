#include "profile/startpanel.h"

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "platform/regionalformats.h"
#include "records/datafiles.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StartPanel::StartPanel(const Environment &environment, QWidget *parent) : QFrame(parent), m_environment(environment)
{
    setObjectName(QStringLiteral("frmstart"));
    hide();

    QLabel *question =
        controls::label(this, QStringLiteral("lblstart"), tr("Are you ready to stop smoking right now?"));
    QFont big = question->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    question->setFont(big);
    m_explanation = controls::textLabel(
        this, QStringLiteral("lblstarttxt"),
        tr("If you click 'no' , you can come back any time when you are ready to stop. If you click 'yes', the current "
           "time and date will be logged as your stop-date! Make sure your computer date and time is correct!"));
    m_dateShown = controls::label(this, QStringLiteral("lbldate2"), QString());
    m_timeShown = controls::label(this, QStringLiteral("lbltime2"), QString());
    QFont clockFont = m_timeShown->font();
    clockFont.setPointSizeF(clockFont.pointSizeF() * 1.6);
    clockFont.setBold(true);
    m_timeShown->setFont(clockFont);
    controls::setTextColour(m_timeShown, controls::colours::green(128));
    auto *clockPicture = new Picture(QStringLiteral("Image7"), pictures::path("clock"), tr("Clock"), this);
    clockPicture->setFixedSize(110, 110);

    m_stopNowButton = controls::button(this, QStringLiteral("CMDSTARTNOW"), tr("Yes, I want to stop NOW"));
    auto *laterButton = controls::button(this, QStringLiteral("cmdstartnot"), tr("No, I come back later..."));
    auto *alreadyStoppedButton = controls::button(this, QStringLiteral("Command6"), tr("I already stopped"));
    QFont strong = m_stopNowButton->font();
    strong.setBold(true);
    m_stopNowButton->setFont(strong);

    auto *clock = new QVBoxLayout;
    clock->addWidget(m_dateShown);
    clock->addWidget(m_timeShown);
    auto *clockRow = new QHBoxLayout;
    clockRow->addWidget(clockPicture);
    clockRow->addSpacing(16);
    clockRow->addLayout(clock);
    clockRow->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_stopNowButton);
    buttons->addWidget(laterButton);
    buttons->addStretch();
    buttons->addWidget(alreadyStoppedButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->addWidget(question);
    layout->addSpacing(8);
    layout->addWidget(m_explanation);
    layout->addSpacing(16);
    layout->addLayout(clockRow);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_stopNowButton, &QPushButton::clicked, this, &StartPanel::startQuitNow);
    connect(laterButton, &QPushButton::clicked, this, &StartPanel::comeBackLater);
    connect(alreadyStoppedButton, &QPushButton::clicked, this, &StartPanel::explainEarlierStop);
}

void StartPanel::showClock(const QDateTime &now)
{
    controls::setText(m_timeShown, regional::timeToText(now.time()));
    controls::setText(m_dateShown, tr("Computer date and time: ") + regional::dateToText(now.date()));
}

void StartPanel::startQuitNow()
{
    // A second press while the first is stored would log a later moment.
    m_stopNowButton->setEnabled(false);
    emit stopNowRequested(m_environment.clock->now());
}

void StartPanel::stopMomentSaved(const textfiles::WriteResult &result)
{
    m_stopNowButton->setEnabled(true);
    if (!result.ok) {
        m_environment.messages->reportNotSaved(tr("Your stop moment could not be saved in %1: %2"),
                                               datafiles::path(m_environment, datafiles::File::Profile), result.error);
        return;
    }
    hide();
    emit quitStarted();
}

void StartPanel::comeBackLater()
{
    m_environment.messages->show(tr("Ok. Come back when you are ready to quit."));
    m_environment.endProgram();
}

void StartPanel::explainEarlierStop()
{
    m_explanation->setText(tr("Good, you already stopped. Just set your computer date back to the day you stopped, "
                              "then click 'yes', then set your computer date back to the current date."));
}
