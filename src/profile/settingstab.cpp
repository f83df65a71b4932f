#include "profile/settingstab.h"

#include "platform/environment.h"
#include "platform/logonlist.h"
#include "platform/messageservice.h"
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

SettingsTab::SettingsTab(const Environment &environment, QWidget *parent)
    : CharacterTab(mechanic(), parent), m_environment(environment)
{
    panels()->addLayer(buildSettingsPanel());
    buildSaveButtons();
    connect(picture(), &PictureButton::clicked, this, &SettingsTab::greet);
}

QFrame *SettingsTab::buildSettingsPanel()
{
    QFrame *panel = controls::panel(panels(), QStringLiteral("Frame4"), true);
    m_usePassword = new QCheckBox(tr("Protect Clearwind with a password "), panel);
    m_usePassword->setObjectName(QStringLiteral("chkpassword"));
    connect(m_usePassword, &QCheckBox::toggled, this, &SettingsTab::showPasswordEntry);
    QLayout *passwordRow = buildPasswordRow(panel);
    m_startAtLogon = new QCheckBox(tr("Auto-run Clearwind when windows starts"), panel);
    m_startAtLogon->setObjectName(QStringLiteral("chkautostart"));
    QLayout *actionRow = buildActionRow(panel);
    QLayout *webRow = buildWebRow(panel);

    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(m_usePassword);
    layout->addLayout(passwordRow);
    layout->addWidget(m_startAtLogon);
    layout->addSpacing(12);
    layout->addLayout(actionRow);
    layout->addStretch();
    layout->addLayout(webRow);
    return panel;
}

QLayout *SettingsTab::buildPasswordRow(QWidget *panel)
{
    m_newPasswordLabel = controls::label(panel, QStringLiteral("lblpassword"), tr("Specify password :"));
    m_newPassword = controls::passwordEntry(panel, QStringLiteral("txtpassword"), newPasswordLength);
    m_newPasswordLabel->setBuddy(m_newPassword);
    m_newPasswordLabel->hide();
    m_newPassword->hide();

    auto *row = new QHBoxLayout;
    row->addSpacing(24);
    row->addWidget(m_newPasswordLabel);
    row->addWidget(m_newPassword);
    row->addStretch();
    return row;
}

QLayout *SettingsTab::buildActionRow(QWidget *panel)
{
    QPushButton *exportButton = controls::button(panel, QStringLiteral("cmdexport"), tr("export stopdata"));
    QPushButton *helpButton = controls::button(panel, QStringLiteral("cmdhelp"), tr("help"));
    connect(exportButton, &QPushButton::clicked, this, &SettingsTab::exportRequested);
    connect(helpButton, &QPushButton::clicked, this, &SettingsTab::helpRequested);

    auto *row = new QHBoxLayout;
    row->addWidget(exportButton);
    row->addWidget(helpButton);
    row->addStretch();
    return row;
}

QLayout *SettingsTab::buildWebRow(QWidget *panel)
{
    // The banner stands left of the link, so the keyboard reaches it first.
    auto *banner =
        new PictureButton(QStringLiteral("Image1"), pictures::path("banner"), tr("Clearwind web page"), panel);
    banner->setFixedSize(240, 60);
    auto *versionLink =
        new ClickableLabel(panel, QStringLiteral("lblweb"), tr("Version 1.2 2026 www.clearwind.example"));
    controls::setTextColour(versionLink, controls::colours::navy);
    auto *toolbox = new Picture(QStringLiteral("Image11"), pictures::path("toolbox"), tr("Toolbox"), panel);
    toolbox->setFixedSize(72, 72);
    connect(banner, &PictureButton::clicked, this, &SettingsTab::homePageRequested);
    connect(versionLink, &ClickableLabel::clicked, this, &SettingsTab::homePageRequested);

    auto *row = new QHBoxLayout;
    row->addWidget(banner);
    row->addSpacing(12);
    row->addWidget(versionLink);
    row->addStretch();
    row->addWidget(toolbox);
    return row;
}

void SettingsTab::buildSaveButtons()
{
    m_saveButton = controls::button(this, QStringLiteral("cmdsaveset"), tr("save settings"));
    addToCharacterRow(m_saveButton);
    // It stands up beside the mechanic, so the keyboard reaches it right after him.
    setTabOrder(picture(), m_saveButton);
    // The loader keeps its documented button, which is never shown.
    auto *loadButton = controls::button(this, QStringLiteral("cmdloadset"), tr("Load settings"));
    loadButton->hide();
    // It brings back the settings as last stored.
    connect(loadButton, &QPushButton::clicked, this, [this] { showSettings(m_settings); });
    connect(m_saveButton, &QPushButton::clicked, this, &SettingsTab::saveSettings);
}

// A lock that could not be read is said, never switched off in silence; the
// file stays as it is until the user saves the settings.
void SettingsTab::sayUnreadable(const QString &path, const QString &problem)
{
    m_environment.messages->show(tr("The password lock could not be read from %1: %2. Clearwind starts without "
                                    "it, and leaves the file as it is until you save the settings.")
                                     .arg(QDir::toNativeSeparators(path), problem),
                                 MessageService::Icon::Warning);
}

void SettingsTab::showSettings(const ProgramSettings &settings)
{
    m_settings = settings;
    if (!m_settings.hasPassword()) {
        m_usePassword->setChecked(false);
    } else {
        m_usePassword->setChecked(true);
        showPasswordEntry();
        // A longer password from a hand-edited file stays whole through the next save.
        m_newPassword->setMaxLength(std::max<int>(newPasswordLength, m_settings.password.size()));
        m_newPassword->setText(m_settings.password);
    }
    m_startAtLogon->setChecked(m_settings.autoStart != 0);
}

void SettingsTab::showPasswordEntry()
{
    const bool ticked = m_usePassword->isChecked();
    m_newPassword->setVisible(ticked);
    m_newPasswordLabel->setVisible(ticked);
    if (ticked)
        controls::setTextColour(m_newPasswordLabel, controls::colours::black);
}

void SettingsTab::greet()
{
    say(tr("Hi. Here you can change the program settings."));
}

void SettingsTab::saveSettings()
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
        m_environment.logonList->setStartAtLogon(startAtLogon, m_environment.programFile);
    if (!logon.ok) {
        reportFailure(tr("Starting Clearwind at logon could not be changed. %1").arg(logon.error));
        return;
    }

    if (passwordTicked && m_newPassword->text().isEmpty()) {
        refusePassword(tr("Enter a password, or at least 1 character"));
        return;
    }
    ProgramSettings saved;
    saved.password = passwordTicked ? m_newPassword->text() : QLatin1String(ProgramSettings::noPassword);
    saved.autoStart = startAtLogon ? 1 : 0;
    // One save at a time: its outcome is said for what it asked.
    m_saving = saved;
    m_saveButton->setEnabled(false);
    emit saveRequested(saved);
}

void SettingsTab::settingsSaved(const textfiles::WriteResult &result)
{
    m_saveButton->setEnabled(true);
    if (!result.ok) {
        // The logon change is made already: the user learns that it and the file now disagree.
        const QString notSaved =
            m_saving.autoStart != 0 ? tr("Clearwind will start at logon, but the settings could not be saved in %1: %2")
                                    : tr("Clearwind will not start at logon, but the settings could not be saved in "
                                         "%1: %2");
        m_environment.messages->reportNotSaved(notSaved, datafiles::path(m_environment, datafiles::File::Settings),
                                               result.error);
        say(tr("The settings are not saved."));
        return;
    }

    // Only this tab changes the settings: what it shows stays as the user left it.
    m_settings = m_saving;
    say(tr("Settings are saved."));
    if (m_saving.hasPassword()) {
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
