#include "advisors/coachtab.h"

#include "ui/buttongrid.h"
#include "ui/controls.h"
#include "ui/documentbox.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"
#include "ui/topicpanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const ButtonGrid::Topic helpKinds[] = {
    {"cmdtroublewith", QT_TRANSLATE_NOOP("CoachTab", "I have mental or emotional withdrawal symptoms"), 0, 0},
    {"cmdthings", QT_TRANSLATE_NOOP("CoachTab", "Things you can do to forget about smoking"), 1, 0},
    {"cmdpersonal", QT_TRANSLATE_NOOP("CoachTab", "Show me my list of personal reasons"), 2, 0},
    {"Command1", QT_TRANSLATE_NOOP("CoachTab", "I found a good reason to smoke"), 3, 0},
};

const ButtonGrid::Topic troubles[] = {
    {"Command4", QT_TRANSLATE_NOOP("CoachTab", "Carvings"), 0, 0},
    {"Command7", QT_TRANSLATE_NOOP("CoachTab", "Bored"), 0, 1},
    {"Command11", QT_TRANSLATE_NOOP("CoachTab", "Alone / Lonely"), 0, 2},
    {"Command15", QT_TRANSLATE_NOOP("CoachTab", "Anger"), 1, 0},
    {"Command19", QT_TRANSLATE_NOOP("CoachTab", "Restless"), 1, 2},
    {"Command18", QT_TRANSLATE_NOOP("CoachTab", "Stress"), 2, 0},
    {"Command22", QT_TRANSLATE_NOOP("CoachTab", "Uncomfortable"), 2, 1},
    {"Command23", QT_TRANSLATE_NOOP("CoachTab", "Depressed"), 2, 2},
};

const char *const reasonsToSmoke[] = {
    QT_TRANSLATE_NOOP("CoachTab", "I just can't quit!"),
    QT_TRANSLATE_NOOP("CoachTab", "I think it's better to quit by gradual reduction"),
    QT_TRANSLATE_NOOP("CoachTab", "Quitting Smoking is giving up a part of my life."),
    QT_TRANSLATE_NOOP("CoachTab", "I will switch to safer cigarettes."),
    QT_TRANSLATE_NOOP("CoachTab", "I think it's to late. I think i am already sick."),
    QT_TRANSLATE_NOOP("CoachTab", "I will just smoke a lot less."),
    QT_TRANSLATE_NOOP("CoachTab", "Smoking is the only wat i can deal with stress."),
    QT_TRANSLATE_NOOP("CoachTab", "How else would I deal with a (new) situation?"),
    QT_TRANSLATE_NOOP("CoachTab", "It's the only way I can feel good."),
    QT_TRANSLATE_NOOP("CoachTab", "I Smoke because I don't care if I destroy myself."),
    QT_TRANSLATE_NOOP("CoachTab", "I Smoke Because I just like to smoke."),
    QT_TRANSLATE_NOOP("CoachTab", "I am a nicotine junkie."),
    QT_TRANSLATE_NOOP("CoachTab", "Cigarettes are my (only) friend."),
    QT_TRANSLATE_NOOP("CoachTab", "Other people around me also smoke."),
};

CharacterTab::Character coach()
{
    return {QStringLiteral("Image15"),
            pictures::path("coach"),
            CoachTab::tr("Coach"),
            QStringLiteral("lblcoachsay"),
            CoachTab::tr("Coach says"),
            CoachTab::tr("Hi. I am your coach. I will try to help you mental and emotional problems.")};
}

} // namespace

CoachTab::CoachTab(QWidget *parent) : CharacterTab(coach(), parent)
{
    m_frmcoachmain = controls::panel(panels(), QStringLiteral("frmcoachmain"), true);
    auto *mainLayout = new QVBoxLayout(m_frmcoachmain);
    mainLayout->addWidget(new ButtonGrid(m_frmcoachmain, "CoachTab", helpKinds, std::size(helpKinds)));

    auto *troubleGrid = new ButtonGrid(nullptr, "CoachTab", troubles, std::size(troubles));
    auto *centre = new Picture(QStringLiteral("imgcoachtrouble"), pictures::path("coach"), tr("Coach"), troubleGrid);
    centre->setMinimumSize(64, 64);
    static_cast<QGridLayout *>(troubleGrid->layout())->addWidget(centre, 1, 1);
    m_frmtrouble =
        new TopicPanel(panels(),
                       {QStringLiteral("frmtrouble"), QStringLiteral("txtcoachtrouble"), tr("smoking sucks!"),
                        QStringLiteral("cmdokcoach"), QStringLiteral("cmdtroubleback")},
                       troubleGrid);

    auto *txtthings = new DocumentBox(nullptr, QStringLiteral("txtthings"), tr("Things you can do..."));
    m_frmthings = buildBoxPanel(QStringLiteral("frmthings"), txtthings,
                                controls::button(nullptr, QStringLiteral("cmdthingsnext"), tr("Next  >>>")), nullptr,
                                controls::button(nullptr, QStringLiteral("cmdbackthings"), tr("Back")));

    auto *txtpersonal = new DocumentBox(nullptr, QStringLiteral("txtpersonal"),
                                        tr("Enter your personal reason not to smoke here."), true);
    m_frmpersonal = buildBoxPanel(QStringLiteral("frmpersonal"), txtpersonal, nullptr,
                                  controls::button(nullptr, QStringLiteral("Command2"), tr("Print")),
                                  controls::button(nullptr, QStringLiteral("cmdpersonalback"), tr("Back")));

    m_lst1 = new QListWidget;
    m_lst1->setObjectName(QStringLiteral("lst1"));
    m_lst1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_frmwantsmoke = new TopicPanel(panels(),
                                    {QStringLiteral("frmwantsmoke"), QStringLiteral("txtanswer"), QString(),
                                     QStringLiteral("cmdok7"), QStringLiteral("cmdbackreasons")},
                                    m_lst1);
    m_frmwantsmoke->addLeftButton(controls::button(m_frmwantsmoke, QStringLiteral("cmdshowanwser"), tr("My answer")));

    for (QWidget *panel :
         std::initializer_list<QWidget *>{m_frmcoachmain, m_frmtrouble, m_frmthings, m_frmpersonal, m_frmwantsmoke})
        panels()->addLayer(panel);

    connect(picture(), &PictureButton::clicked, this, &CoachTab::Image15_Click);
    connect(controls::buttonNamed(m_frmcoachmain, "cmdtroublewith"), &QPushButton::clicked, this,
            &CoachTab::cmdtroublewith_Click);
    connect(controls::buttonNamed(m_frmcoachmain, "cmdthings"), &QPushButton::clicked, this,
            &CoachTab::cmdthings_Click);
    connect(controls::buttonNamed(m_frmcoachmain, "cmdpersonal"), &QPushButton::clicked, this,
            &CoachTab::cmdpersonal_Click);
    connect(controls::buttonNamed(m_frmcoachmain, "Command1"), &QPushButton::clicked, this, &CoachTab::Command1_Click);
    connect(m_frmtrouble->backButton(), &QPushButton::clicked, this, &CoachTab::cmdtroubleback_Click);
    connect(controls::buttonNamed(m_frmthings, "cmdbackthings"), &QPushButton::clicked, this,
            &CoachTab::cmdbackthings_Click);
    connect(controls::buttonNamed(m_frmpersonal, "cmdpersonalback"), &QPushButton::clicked, this,
            &CoachTab::cmdpersonalback_Click);
    connect(m_frmwantsmoke->backButton(), &QPushButton::clicked, this, &CoachTab::cmdbackreasons_Click);
}

QFrame *CoachTab::buildBoxPanel(const QString &name, DocumentBox *box, QPushButton *left, QPushButton *centre,
                                QPushButton *back)
{
    QFrame *frame = controls::panel(panels(), name, false);
    auto *buttons = new QHBoxLayout;
    if (left)
        buttons->addWidget(left);
    buttons->addStretch(1);
    if (centre)
        buttons->addWidget(centre);
    buttons->addStretch(1);
    buttons->addWidget(back);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(box, 1);
    layout->addLayout(buttons);
    return frame;
}

bool CoachTab::isMainPanelShown() const
{
    return !m_frmcoachmain->isHidden();
}

void CoachTab::sayGreeting()
{
    say(tr("Hi. I am your coach. I will try to help you mentally and emotionally."));
}

void CoachTab::Image15_Click()
{
    sayGreeting();
}

void CoachTab::cmdtroublewith_Click()
{
    controls::switchPanels(m_frmcoachmain, m_frmtrouble);
    say(tr("Let me know what the problem is..."));
}

void CoachTab::cmdtroubleback_Click()
{
    controls::switchPanels(m_frmtrouble, m_frmcoachmain);
    sayGreeting();
}

void CoachTab::cmdthings_Click()
{
    controls::switchPanels(m_frmcoachmain, m_frmthings);
    say(tr("Here are some things you can do to forget about smoking. Click on 'next' to see more."));
}

void CoachTab::cmdbackthings_Click()
{
    controls::switchPanels(m_frmthings, m_frmcoachmain);
    sayGreeting();
}

void CoachTab::cmdpersonal_Click()
{
    controls::switchPanels(m_frmcoachmain, m_frmpersonal);
    say(tr("Edit you personal reasons here..."));
}

void CoachTab::cmdpersonalback_Click()
{
    controls::switchPanels(m_frmpersonal, m_frmcoachmain);
    sayGreeting();
}

void CoachTab::Command1_Click()
{
    controls::switchPanels(m_frmcoachmain, m_frmwantsmoke);
    m_lst1->clear();
    for (const char *reason : reasonsToSmoke)
        m_lst1->addItem(tr(reason));
    say(tr("If you think you have found a good reason to smoke select it from the list, then click on 'My "
           "answer'."));
}

void CoachTab::cmdbackreasons_Click()
{
    controls::switchPanels(m_frmwantsmoke, m_frmcoachmain);
    m_frmwantsmoke->okButton()->hide();
    sayGreeting();
}
