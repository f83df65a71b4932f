#include "profile/startpanel.h"

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "platform/regionalformats.h"
#include "profile/profilestore.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StartPanel::StartPanel(const Environment &environment, ProfileStore &store, QWidget *parent)
    : QFrame(parent), m_environment(environment), m_store(store)
{
    setObjectName(QStringLiteral("frmstart"));
    hide();

    QLabel *lblstart =
        controls::label(this, QStringLiteral("lblstart"), tr("Are you ready to stop smoking right now?"));
    QFont big = lblstart->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    lblstart->setFont(big);
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
    auto *image7 = new Picture(QStringLiteral("Image7"), pictures::path("clock"), tr("Clock"), this);
    image7->setFixedSize(110, 110);

    auto *cmdstartnow = controls::button(this, QStringLiteral("CMDSTARTNOW"), tr("Yes, I want to stop NOW"));
    auto *cmdstartnot = controls::button(this, QStringLiteral("cmdstartnot"), tr("No, I come back later..."));
    auto *command6 = controls::button(this, QStringLiteral("Command6"), tr("I already stopped"));
    QFont strong = cmdstartnow->font();
    strong.setBold(true);
    cmdstartnow->setFont(strong);

    auto *clock = new QVBoxLayout;
    clock->addWidget(m_dateShown);
    clock->addWidget(m_timeShown);
    auto *clockRow = new QHBoxLayout;
    clockRow->addWidget(image7);
    clockRow->addSpacing(16);
    clockRow->addLayout(clock);
    clockRow->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdstartnow);
    buttons->addWidget(cmdstartnot);
    buttons->addStretch();
    buttons->addWidget(command6);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->addWidget(lblstart);
    layout->addSpacing(8);
    layout->addWidget(m_explanation);
    layout->addSpacing(16);
    layout->addLayout(clockRow);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(cmdstartnow, &QPushButton::clicked, this, &StartPanel::CMDSTARTNOW_Click);
    connect(cmdstartnot, &QPushButton::clicked, this, &StartPanel::cmdstartnot_Click);
    connect(command6, &QPushButton::clicked, this, &StartPanel::Command6_Click);
}

void StartPanel::showClock(const QDateTime &now)
{
    controls::setText(m_timeShown, regional::timeToText(now.time()));
    controls::setText(m_dateShown, tr("Computer date and time: ") + regional::dateToText(now.date()));
}

void StartPanel::CMDSTARTNOW_Click()
{
    const textfiles::WriteResult written = m_store.startQuit(m_environment.clock->now());
    if (!written.ok) {
        m_environment.messages->reportNotSaved(tr("Your stop moment could not be saved in %1: %2"), m_store.filePath(),
                                               written.error);
        return;
    }
    hide();
    emit quitStarted();
}

void StartPanel::cmdstartnot_Click()
{
    m_environment.messages->show(tr("Ok. Come back when you are ready to quit."));
    m_environment.endProgram();
}

void StartPanel::Command6_Click()
{
    m_explanation->setText(tr("Good, you already stopped. Just set your computer date back to the day you stopped, "
                              "then click 'yes', then set your computer date back to the current date."));
}
