#include "profile/settingstab.h"

#include "platform/environment.h"
#include "profile/programsettings.h"
#include "profile/settingsfile.h"
#include "ui/clickablelabel.h"
#include "ui/controls.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

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
    m_chkpassword = new QCheckBox(tr("Protect Clearwind with a password "), frame4);
    m_chkpassword->setObjectName(QStringLiteral("chkpassword"));
    m_lblpassword = controls::label(frame4, QStringLiteral("lblpassword"), tr("Specify password :"));
    m_txtpassword = new QLineEdit(frame4);
    m_txtpassword->setObjectName(QStringLiteral("txtpassword"));
    m_txtpassword->setEchoMode(QLineEdit::Password);
    m_txtpassword->setMaxLength(15);
    m_lblpassword->setBuddy(m_txtpassword);
    m_lblpassword->hide();
    m_txtpassword->hide();
    m_chkautostart = new QCheckBox(tr("Auto-run Clearwind when windows starts"), frame4);
    m_chkautostart->setObjectName(QStringLiteral("chkautostart"));
    m_cmdexport = controls::button(frame4, QStringLiteral("cmdexport"), tr("export stopdata"));
    m_cmdhelp = controls::button(frame4, QStringLiteral("cmdhelp"), tr("help"));
    m_lblweb = new ClickableLabel(frame4, QStringLiteral("lblweb"), tr("Version 1.2 2026 www.clearwind.example"));
    controls::setTextColour(m_lblweb, controls::colours::navy);
    auto *image1 =
        new PictureButton(QStringLiteral("Image1"), pictures::path("banner"), tr("Clearwind web page"), frame4);
    image1->setFixedSize(240, 60);
    auto *image11 = new Picture(QStringLiteral("Image11"), pictures::path("toolbox"), tr("Toolbox"), frame4);
    image11->setFixedSize(72, 72);

    auto *passwordRow = new QHBoxLayout;
    passwordRow->addSpacing(24);
    passwordRow->addWidget(m_lblpassword);
    passwordRow->addWidget(m_txtpassword);
    passwordRow->addStretch();

    auto *actions = new QHBoxLayout;
    actions->addWidget(m_cmdexport);
    actions->addWidget(m_cmdhelp);
    actions->addStretch();

    auto *web = new QHBoxLayout;
    web->addWidget(image1);
    web->addSpacing(12);
    web->addWidget(m_lblweb);
    web->addStretch();
    web->addWidget(image11);

    auto *layout = new QVBoxLayout(frame4);
    layout->addWidget(m_chkpassword);
    layout->addLayout(passwordRow);
    layout->addWidget(m_chkautostart);
    layout->addSpacing(12);
    layout->addLayout(actions);
    layout->addStretch();
    layout->addLayout(web);
    panels()->addLayer(frame4);

    auto *cmdsaveset = controls::button(this, QStringLiteral("cmdsaveset"), tr("save settings"));
    addToCharacterRow(cmdsaveset);
    auto *cmdloadset = controls::button(this, QStringLiteral("cmdloadset"), tr("Load settings"));
    cmdloadset->hide();

    connect(m_chkpassword, &QCheckBox::toggled, this, &SettingsTab::chkpassword_Click);
    connect(picture(), &PictureButton::clicked, this, &SettingsTab::imgmechanic_Click);
    connect(cmdloadset, &QPushButton::clicked, this, &SettingsTab::cmdloadset_Click);
}

void SettingsTab::cmdloadset_Click()
{
    SettingsFile(m_environment.path(datapaths::settings)).read(m_settings);
    if (!m_settings.hasPassword()) {
        m_chkpassword->setChecked(false);
    } else {
        m_chkpassword->setChecked(true);
        chkpassword_Click();
        m_txtpassword->setText(m_settings.Password);
    }
    m_chkautostart->setChecked(m_settings.AutoStart != 0);
}

void SettingsTab::chkpassword_Click()
{
    const bool ticked = m_chkpassword->isChecked();
    m_txtpassword->setVisible(ticked);
    m_lblpassword->setVisible(ticked);
    if (ticked)
        controls::setTextColour(m_lblpassword, controls::colours::black);
}

void SettingsTab::imgmechanic_Click()
{
    say(tr("Hi. Here you can change the program settings."));
}
