#include "app/passwordlockpanel.h"

#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// What the entry takes at the least, however short the password.
constexpr int entryLength = 20;

// A tab or any other control character can only come from a file edited by hand.
bool canBeTyped(const QString &password)
{
    return std::none_of(password.begin(), password.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

PasswordLockPanel::PasswordLockPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmpasscheck"));
    hide();

    auto *picture = new Picture(QStringLiteral("imglock"), pictures::path("lock"), tr("Lock"), this);
    picture->setFixedSize(96, 96);
    QLabel *protectedNote =
        controls::label(this, QStringLiteral("lblpass1"), tr("This program is password protected."));
    QFont big = protectedNote->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    protectedNote->setFont(big);
    m_prompt = controls::label(this, QStringLiteral("lblpass2"), tr("Please enter your password :"));
    m_passwordEntry = controls::passwordEntry(this, QStringLiteral("txtpasswordinput"), entryLength);
    m_passwordEntry->setMinimumWidth(220);
    m_prompt->setBuddy(m_passwordEntry);
    QPushButton *continueButton = controls::button(this, QStringLiteral("cmdpasscheck"), tr("Continue >>>"));
    m_untypeableNote = controls::textLabel(this, QStringLiteral("lblpassuntypeable"), QString());
    m_untypeableNote->hide();

    auto *entry = new QWidget(this);
    entry->setMaximumWidth(440);
    auto *form = new QGridLayout(entry);
    form->setContentsMargins(0, 0, 0, 0);
    form->addWidget(m_prompt, 0, 0, 1, 2);
    form->addWidget(m_passwordEntry, 1, 0);
    form->addWidget(continueButton, 1, 1);
    form->addWidget(m_untypeableNote, 2, 0, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(protectedNote, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    // Centred between stretches rather than by alignment: the note wraps, and
    // only so is its height measured at the width it really gets.
    auto *centred = new QHBoxLayout;
    centred->addStretch();
    centred->addWidget(entry);
    centred->addStretch();
    layout->addLayout(centred);
    layout->addStretch(3);

    connect(continueButton, &QPushButton::clicked, this, &PasswordLockPanel::checkPassword);
    connect(m_passwordEntry, &QLineEdit::returnPressed, continueButton, &QPushButton::click);
}

void PasswordLockPanel::setPassword(const QString &password, const QString &settingsFile)
{
    m_password = password;
    m_passwordEntry->setMaxLength(std::max<int>(entryLength, password.size()));
    const bool typeable = canBeTyped(password);
    m_untypeableNote->setVisible(!typeable);
    if (!typeable)
        m_untypeableNote->setText(tr("The stored password holds characters that no keyboard can type. "
                                     "Correct its first line in %1, then start Clearwind again.")
                                      .arg(QDir::toNativeSeparators(settingsFile)));
}

void PasswordLockPanel::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    m_passwordEntry->setFocus();
}

void PasswordLockPanel::checkPassword()
{
    // Exact and case-sensitive; as many tries as the user likes.
    if (m_passwordEntry->text() != m_password) {
        m_prompt->setText(tr("Wrong password, try again :"));
        controls::setTextColour(m_prompt, controls::colours::red);
        return;
    }
    hide();
    emit unlocked();
}
