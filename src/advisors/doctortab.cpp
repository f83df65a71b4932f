#include "advisors/doctortab.h"

#include "health/bodymonitorpanel.h"
#include "health/diseasepanel.h"
#include "ui/buttongrid.h"
#include "ui/controls.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"
#include "ui/topicpanel.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const greeting = QT_TRANSLATE_NOOP(
    "DoctorTab",
    "Hello. I am your doctor. I can give you information about your health and help you with some problems.");
const char *const shortGreeting =
    QT_TRANSLATE_NOOP("DoctorTab", "Hello. I am your doctor. I can give you information about your health.");
const char *const virtualGreeting =
    QT_TRANSLATE_NOOP("DoctorTab", "Hello. I am your virtual doctor. I can give you information about your health.");

const ButtonGrid::Topic mainTopics[] = {
    {"cmdbodyfunctions", QT_TRANSLATE_NOOP("DoctorTab", "Body monitor"), 0, 0},
    {"cmddesstats", QT_TRANSLATE_NOOP("DoctorTab", "Disease stats"), 0, 1},
    {"cmdifeel", QT_TRANSLATE_NOOP("DoctorTab", "Withdrawal symptoms"), 1, 0},
    {"cmdweight", QT_TRANSLATE_NOOP("DoctorTab", "My body weight?"), 1, 1},
};

const ButtonGrid::Topic symptoms[] = {
    {"cmdfeeltired", QT_TRANSLATE_NOOP("DoctorTab", "Tired"), 0, 0},
    {"cmdfeelConstipation", QT_TRANSLATE_NOOP("DoctorTab", "Constipation"), 0, 1},
    {"cmdfeelchest", QT_TRANSLATE_NOOP("DoctorTab", "Tightness in chest"), 0, 2},
    {"cmdtimeper", QT_TRANSLATE_NOOP("DoctorTab", "Time perception"), 0, 3},
    {"cmdfeeldizzy", QT_TRANSLATE_NOOP("DoctorTab", "Dizzy"), 1, 0},
    {"cmdfeelthroat", QT_TRANSLATE_NOOP("DoctorTab", "Sore throat"), 1, 1},
    {"cmdnausea", QT_TRANSLATE_NOOP("DoctorTab", "Bad taste"), 1, 2},
    {"cmdfeelIrritability", QT_TRANSLATE_NOOP("DoctorTab", "Tensions"), 1, 3},
    {"cmdfeelSleeplessness", QT_TRANSLATE_NOOP("DoctorTab", "Sleeping"), 2, 0},
    {"cmdfeelconcentration", QT_TRANSLATE_NOOP("DoctorTab", "Can't  concentrate"), 2, 1},
    {"cmdfeelheadaches", QT_TRANSLATE_NOOP("DoctorTab", "Headaches"), 2, 2},
    {"cmdfeelothers", QT_TRANSLATE_NOOP("DoctorTab", "Others..."), 2, 3},
};

const ButtonGrid::Topic weightQuestions[] = {
    {"cmdminweight", QT_TRANSLATE_NOOP("DoctorTab", "About smoking and weight."), 0, 0},
    {"cmdwhygain", QT_TRANSLATE_NOOP("DoctorTab", "Why do smokers gain weight after they quit?"), 1, 0},
    {"cmdnothingworks", QT_TRANSLATE_NOOP("DoctorTab", "What can I do about it ?"), 2, 0},
};

CharacterTab::Character doctor()
{
    return {QStringLiteral("Image9"),    pictures::path("doctor"),     DoctorTab::tr("Doctor"),
            QStringLiteral("lbldocsay"), DoctorTab::tr("Doctor says"), DoctorTab::tr(greeting)};
}

} // namespace

DoctorTab::DoctorTab(QWidget *parent) : CharacterTab(doctor(), parent)
{
    m_frmmaindoc = controls::panel(panels(), QStringLiteral("frmmaindoc"), true);
    auto *mainButtons = new ButtonGrid(m_frmmaindoc, "DoctorTab", mainTopics, std::size(mainTopics));
    auto *heart = new Picture(QStringLiteral("imgheart"), pictures::path("heart"), tr("Heart"), m_frmmaindoc);
    heart->setFixedSize(96, 96);
    auto *mainLayout = new QVBoxLayout(m_frmmaindoc);
    mainLayout->addWidget(mainButtons, 2);
    mainLayout->addWidget(heart, 1, Qt::AlignHCenter);

    m_frmfeel = new TopicPanel(panels(),
                               {QStringLiteral("frmfeel"), QStringLiteral("txtsup"), QString(),
                                QStringLiteral("cmdokdoc"), QStringLiteral("cmdbackfeel")},
                               new ButtonGrid(nullptr, "DoctorTab", symptoms, std::size(symptoms)));
    m_frmweight = new TopicPanel(panels(),
                                 {QStringLiteral("frmweight"), QStringLiteral("txtweight"), QString(),
                                  QStringLiteral("cmdok8"), QStringLiteral("cmdweightback")},
                                 new ButtonGrid(nullptr, "DoctorTab", weightQuestions, std::size(weightQuestions)));
    m_frmdesstats = new DiseasePanel(panels());
    m_frmbodyfunctions = new BodyMonitorPanel(panels());

    for (QWidget *panel :
         std::initializer_list<QWidget *>{m_frmmaindoc, m_frmfeel, m_frmweight, m_frmdesstats, m_frmbodyfunctions})
        panels()->addLayer(panel);

    connect(picture(), &PictureButton::clicked, this, &DoctorTab::Image9_Click);
    connect(controls::buttonNamed(m_frmmaindoc, "cmdifeel"), &QPushButton::clicked, this, &DoctorTab::cmdifeel_Click);
    connect(controls::buttonNamed(m_frmmaindoc, "cmdweight"), &QPushButton::clicked, this, &DoctorTab::cmdweight_Click);
    connect(controls::buttonNamed(m_frmmaindoc, "cmddesstats"), &QPushButton::clicked, this,
            &DoctorTab::cmddesstats_Click);
    connect(controls::buttonNamed(m_frmmaindoc, "cmdbodyfunctions"), &QPushButton::clicked, this,
            &DoctorTab::cmdbodyfunctions_Click);
    connect(m_frmfeel->backButton(), &QPushButton::clicked, this, &DoctorTab::cmdbackfeel_Click);
    connect(m_frmweight->backButton(), &QPushButton::clicked, this, &DoctorTab::cmdweightback_Click);
    connect(m_frmdesstats->backButton(), &QPushButton::clicked, this, &DoctorTab::cmddeseaseback_Click);
    connect(m_frmbodyfunctions->backButton(), &QPushButton::clicked, this, &DoctorTab::cmddocback_Click);
    connect(m_frmbodyfunctions, &BodyMonitorPanel::explanation, this,
            [this](const QString &text, const QColor &colour) { say(text, colour); });
}

bool DoctorTab::isMainPanelShown() const
{
    return !m_frmmaindoc->isHidden();
}

void DoctorTab::Image9_Click()
{
    say(tr(greeting));
}

void DoctorTab::cmdifeel_Click()
{
    controls::switchPanels(m_frmmaindoc, m_frmfeel);
    say(tr("What physical withdrawal symptoms are you experiencing?"));
}

void DoctorTab::cmdbackfeel_Click()
{
    controls::switchPanels(m_frmfeel, m_frmmaindoc);
    say(tr(virtualGreeting));
}

void DoctorTab::cmdweight_Click()
{
    controls::switchPanels(m_frmmaindoc, m_frmweight);
    say(tr("Remember, the health benefits of quitting smoking are far greater than any risks from the small weight "
           "gain."));
}

void DoctorTab::cmdweightback_Click()
{
    controls::switchPanels(m_frmweight, m_frmmaindoc);
    say(tr(shortGreeting));
}

void DoctorTab::cmddesstats_Click()
{
    controls::switchPanels(m_frmmaindoc, m_frmdesstats);
    emit diseaseStatsRunning(true);
    say(tr("This shows how much percent your chance has been reduced of getting these diseases. It's not personal, "
           "but average for any smoker with your stop time."));
}

void DoctorTab::cmddeseaseback_Click()
{
    controls::switchPanels(m_frmdesstats, m_frmmaindoc);
    emit diseaseStatsRunning(false);
    say(tr(virtualGreeting));
}

void DoctorTab::cmdbodyfunctions_Click()
{
    controls::switchPanels(m_frmmaindoc, m_frmbodyfunctions);
    emit bodyMonitorRunning(true);
    m_frmbodyfunctions->backButton()->show();
}

void DoctorTab::cmddocback_Click()
{
    emit bodyMonitorRunning(false);
    m_frmbodyfunctions->backButton()->hide();
    controls::switchPanels(m_frmbodyfunctions, m_frmmaindoc);
    say(tr(shortGreeting));
}
