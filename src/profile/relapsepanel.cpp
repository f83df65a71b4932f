#include "profile/relapsepanel.h"

#include "platform/clock.h"
#include "platform/environment.h"
#include "profile/profilestore.h"
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
}

RelapsePanel::RelapsePanel(const Environment &environment, ProfileStore &store, QWidget *parent)
    : QFrame(parent), m_environment(environment), m_store(store)
{
    setObjectName(QStringLiteral("frmmain"));

    m_lblmain = controls::textLabel(this, QStringLiteral("lblmain"), tr("Have you smoked ?"));
    QFont big = m_lblmain->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_lblmain->setFont(big);
    m_lblmain->setAlignment(Qt::AlignCenter);
    m_imgquestion = new Picture(QStringLiteral("imgquestion"), pictures::path("question"), tr("Question"), this);
    m_imgunhappy = new Picture(QStringLiteral("imgunhappy"), pictures::path("unhappy"), tr("Sad face"), this);
    m_imgquestion->setFixedSize(120, 120);
    m_imgunhappy->setFixedSize(120, 120);
    m_imgunhappy->hide();
    m_lblyessmoked = controls::textLabel(
        this, QStringLiteral("lblyessmoked"),
        tr("I am sorry to hear you failed... Try again! With the experience you gained, your next attempt should be "
           "more succesful!"));
    m_lblyessmoked->setAlignment(Qt::AlignCenter);
    m_lblyessmoked->hide();

    m_cmdyes = controls::button(this, QStringLiteral("cmdyes"), tr("Yes"));
    m_cmdno = controls::button(this, QStringLiteral("cmdno"), tr("No"));
    m_cmdyessmoke = controls::button(this, QStringLiteral("cmdyessmoke"), tr("Yes, reset it now."));
    m_cmdnocontinue = controls::button(this, QStringLiteral("cmdnocontinue"), tr("No, continue."));
    m_cmdexit = controls::button(this, QStringLiteral("cmdexit"), tr("Exit"));
    for (QPushButton *button : {m_cmdyes, m_cmdno, m_cmdyessmoke, m_cmdnocontinue, m_cmdexit})
        button->setMinimumWidth(130);
    m_cmdyessmoke->hide();
    m_cmdnocontinue->hide();
    m_cmdexit->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_cmdyes, m_cmdno, m_cmdyessmoke, m_cmdnocontinue, m_cmdexit})
        buttons->addWidget(button);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addStretch(2);
    layout->addWidget(m_imgquestion, 0, Qt::AlignHCenter);
    layout->addWidget(m_imgunhappy, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(m_lblmain);
    layout->addWidget(m_lblyessmoked);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch(3);

    connect(m_cmdyes, &QPushButton::clicked, this, &RelapsePanel::cmdyes_Click);
    connect(m_cmdno, &QPushButton::clicked, this, &RelapsePanel::cmdno_Click);
    connect(m_cmdnocontinue, &QPushButton::clicked, this, &RelapsePanel::cmdnocontinue_Click);
    connect(m_cmdyessmoke, &QPushButton::clicked, this, &RelapsePanel::cmdyessmoke_Click);
    connect(m_cmdexit, &QPushButton::clicked, this, &RelapsePanel::cmdexit_Click);
}

void RelapsePanel::showButtons(std::initializer_list<QPushButton *> shown)
{
    for (QPushButton *button : {m_cmdyes, m_cmdno, m_cmdyessmoke, m_cmdnocontinue, m_cmdexit})
        button->setVisible(std::find(shown.begin(), shown.end(), button) != shown.end());
}

void RelapsePanel::cmdyes_Click()
{
    if (answeredTooSoon())
        return;
    m_imgquestion->hide();
    m_imgunhappy->show();

    if (m_askedToResetWithoutCopy) {
        resetProfile();
        return;
    }
    if (m_lblyessmoked->text() == tr(areYouSure)) {
        // Keeping the attempt is a kindness, not a condition: the user decides.
        const textfiles::WriteResult kept = m_store.keepAttempt(m_environment.clock->now());
        if (kept.ok) {
            resetProfile();
        } else {
            m_askedToResetWithoutCopy = true;
            askToConfirm(tr("Your previous attempt could not be kept: %1\nDo you want to reset Clearwind anyway?")
                             .arg(kept.error));
        }
        return;
    }

    m_lblmain->setText(tr("If you have smoked , you can reset Clearwind and try again."));
    m_lblyessmoked->show();
    showButtons({m_cmdyessmoke, m_cmdnocontinue});
}

void RelapsePanel::resetProfile()
{
    const textfiles::RemoveResult removed = m_store.removeProfile();
    showButtons({m_cmdexit});
    if (removed.ok) {
        m_lblyessmoked->setText(tr("The program has been reset. Please try again to stop smoking when you are "
                                   "ready. The more you try , the better chances you have of actually stopping!"));
    } else {
        const QString reason = removed.error.isEmpty() ? tr("The file is still there.") : removed.error;
        m_lblyessmoked->setText(tr("The reset could not be completed: %1 could not be removed. %2")
                                    .arg(QDir::toNativeSeparators(m_store.filePath()), reason));
    }
}

void RelapsePanel::cmdyessmoke_Click()
{
    m_lblmain->setText(QString());
    askToConfirm(tr(areYouSure));
}

void RelapsePanel::askToConfirm(const QString &question)
{
    m_lblyessmoked->setText(question);
    showButtons({m_cmdyes, m_cmdno});
    // The "Yes" now lies where the mouse and the keyboard just were: the focus
    // goes to "No", and what arrives within a double-click does not count.
    m_cmdno->setFocus();
    m_askedAt = m_environment.clock->now();
}

bool RelapsePanel::answeredTooSoon() const
{
    if (!m_askedAt.isValid())
        return false;
    const qint64 elapsed = m_askedAt.msecsTo(m_environment.clock->now());
    return elapsed >= 0 && elapsed < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void RelapsePanel::cmdno_Click()
{
    if (answeredTooSoon())
        return;
    emit quitContinues();
}

void RelapsePanel::cmdnocontinue_Click()
{
    cmdno_Click();
}

void RelapsePanel::cmdexit_Click()
{
    m_environment.endProgram();
}
