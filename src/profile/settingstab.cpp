#include "profile/settingstab.h"

#include "platform/environment.h"
#include "platform/logonlist.h"
#include "platform/messageservice.h"
#include "profile/settingsfile.h"
#include "records/datafiles.h"
#include "records/programsettings.h"
#include "ui/clickablelabel.h"
#include "ui/controls.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The longest password the tab's entry takes for a new one.
constexpr int newPasswordLength = 15;

CharacterTab::Character mechanic()
{
    return {QStringLiteral("imgmechanic"),    pictures::path("mechanic"),
            SettingsTab::tr("Mechanic"),      QStringLiteral("lblsetsay"),
            SettingsTab::tr("Mechanic says"), SettingsTab::tr("Hi. Here you can change the program settings.")};
}

} // namespace

SettingsTab::SettingsTab(const Environment &environment, ProgramSettings &settings, QWidget *parent)
    : CharacterTab(mechanic(), parent), m_environment(environment), m_settings(settings)
{
    QFrame *frame4 = controls::panel(panels(), QStringLiteral("Frame4"), true);
    m_usePassword = new QCheckBox(tr("Protect Clearwind with a password "), frame4);
    m_usePassword->setObjectName(QStringLiteral("chkpassword"));
    m_newPasswordLabel = controls::label(frame4, QStringLiteral("lblpassword"), tr("Specify password :"));
    m_newPassword = controls::passwordEntry(frame4, QStringLiteral("txtpassword"), newPasswordLength);
    m_newPasswordLabel->setBuddy(m_newPassword);
    m_newPasswordLabel->hide();
    m_newPassword->hide();
    m_startAtLogon = new QCheckBox(tr("Auto-run Clearwind when windows starts"), frame4);
    m_startAtLogon->setObjectName(QStringLiteral("chkautostart"));
    m_exportButton = controls::button(frame4, QStringLiteral("cmdexport"), tr("export stopdata"));
    m_helpButton = controls::button(frame4, QStringLiteral("cmdhelp"), tr("help"));
    // The banner stands left of the link, so the keyboard reaches it first.
    m_banner = new PictureButton(QStringLiteral("Image1"), pictures::path("banner"), tr("Clearwind web page"), frame4);
    m_banner->setFixedSize(240, 60);
    m_webLink = new ClickableLabel(frame4, QStringLiteral("lblweb"), tr("Version 1.2 2026 www.clearwind.example"));
    controls::setTextColour(m_webLink, controls::colours::navy);
    auto *image11 = new Picture(QStringLiteral("Image11"), pictures::path("toolbox"), tr("Toolbox"), frame4);
    image11->setFixedSize(72, 72);

    auto *passwordRow = new QHBoxLayout;
    passwordRow->addSpacing(24);
    passwordRow->addWidget(m_newPasswordLabel);
    passwordRow->addWidget(m_newPassword);
    passwordRow->addStretch();

    auto *actions = new QHBoxLayout;
    actions->addWidget(m_exportButton);
    actions->addWidget(m_helpButton);
    actions->addStretch();

    auto *web = new QHBoxLayout;
    web->addWidget(m_banner);
    web->addSpacing(12);
    web->addWidget(m_webLink);
    web->addStretch();
    web->addWidget(image11);

    auto *layout = new QVBoxLayout(frame4);
    layout->addWidget(m_usePassword);
    layout->addLayout(passwordRow);
    layout->addWidget(m_startAtLogon);
    layout->addSpacing(12);
    layout->addLayout(actions);
    layout->addStretch();
    layout->addLayout(web);
    panels()->addLayer(frame4);

    auto *cmdsaveset = controls::button(this, QStringLiteral("cmdsaveset"), tr("save settings"));
    addToCharacterRow(cmdsaveset);
    // It stands up beside the mechanic, so the keyboard reaches it right after him.
    setTabOrder(picture(), cmdsaveset);
    auto *cmdloadset = controls::button(this, QStringLiteral("cmdloadset"), tr("Load settings"));
    cmdloadset->hide();

    connect(m_usePassword, &QCheckBox::toggled, this, &SettingsTab::chkpassword_Click);
    connect(picture(), &PictureButton::clicked, this, &SettingsTab::imgmechanic_Click);
    connect(cmdloadset, &QPushButton::clicked, this, &SettingsTab::cmdloadset_Click);
    connect(cmdsaveset, &QPushButton::clicked, this, &SettingsTab::cmdsaveset_Click);
}

void SettingsTab::cmdloadset_Click()
{
    SettingsFile(datafiles::path(m_environment, datafiles::File::Settings)).read(m_settings);
    if (!m_settings.hasPassword()) {
        m_usePassword->setChecked(false);
    } else {
        m_usePassword->setChecked(true);
        chkpassword_Click();
        // A longer password from a hand-edited file stays whole through the next save.
        m_newPassword->setMaxLength(std::max<int>(newPasswordLength, m_settings.Password.size()));
        m_newPassword->setText(m_settings.Password);
    }
    m_startAtLogon->setChecked(m_settings.AutoStart != 0);
}

void SettingsTab::chkpassword_Click()
{
    const bool ticked = m_usePassword->isChecked();
    m_newPassword->setVisible(ticked);
    m_newPasswordLabel->setVisible(ticked);
    if (ticked)
        controls::setTextColour(m_newPasswordLabel, controls::colours::black);
}

void SettingsTab::imgmechanic_Click()
{
    say(tr("Hi. Here you can change the program settings."));
}

void SettingsTab::cmdsaveset_Click()
{
    const bool passwordTicked = m_usePassword->isChecked();
    // The marker for "no password" cannot be a password: it would switch the lock off.
    if (passwordTicked && m_newPassword->text() == QLatin1String(ProgramSettings::noPassword)) {
        refusePassword(tr("\"noword\" cannot be a password, because Clearwind reads it as no password at all. "
                          "Please choose another password."));
        return;
    }

    const bool startAtLogon = m_startAtLogon->isChecked();
    const textfiles::WriteResult logon =
        m_environment.logonList->setStartAtLogon(startAtLogon, m_environment.programFolder);
    if (!logon.ok) {
        reportFailure(tr("Starting Clearwind at logon could not be changed. %1").arg(logon.error));
        return;
    }

    if (passwordTicked && m_newPassword->text().isEmpty()) {
        refusePassword(tr("Enter a password, or at least 1 character"));
        return;
    }
    ProgramSettings saved;
    saved.Password = passwordTicked ? m_newPassword->text() : QLatin1String(ProgramSettings::noPassword);
    saved.AutoStart = startAtLogon ? 1 : 0;
    const QString path = datafiles::path(m_environment, datafiles::File::Settings);
    const textfiles::WriteResult written = SettingsFile(path).write(saved);
    if (!written.ok) {
        // The logon change is made already: the user learns that it and the file now disagree.
        const QString notSaved =
            startAtLogon ? tr("Clearwind will start at logon, but the settings could not be saved in %1: %2")
                         : tr("Clearwind will not start at logon, but the settings could not be saved in "
                              "%1: %2");
        reportFailure(notSaved.arg(QDir::toNativeSeparators(path), written.error));
        return;
    }

    say(tr("Settings are saved."));
    if (passwordTicked) {
        say(tr("Settings are saved. Don't forget your password!!!"));
        controls::setTextColour(m_newPasswordLabel, controls::colours::black);
    }
}

void SettingsTab::refusePassword(const QString &message)
{
    m_environment.messages->show(message);
    say(tr("The settings are not saved."));
    controls::setTextColour(m_newPasswordLabel, controls::colours::red);
    m_newPassword->setFocus();
}

void SettingsTab::reportFailure(const QString &message)
{
    m_environment.messages->show(message, MessageService::Icon::Warning);
    say(tr("The settings are not saved."));
}
