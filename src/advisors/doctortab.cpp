#include "advisors/doctortab.h"

#include "health/bodymonitorpanel.h"
#include "health/diseasepanel.h"
#include "platform/environment.h"
#include "ui/buttongrid.h"
#include "ui/controls.h"
#include "ui/documentbox.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"
#include "ui/topicpanel.h"
#include "ui/topictable.h"

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

using Button = ButtonGrid::Action<DoctorTab>;

const Button mainButtons[] = {
    {{"cmdbodyfunctions", QT_TRANSLATE_NOOP("DoctorTab", "Body monitor"), 0, 0}, &DoctorTab::openBodyMonitor},
    {{"cmddesstats", QT_TRANSLATE_NOOP("DoctorTab", "Disease stats"), 0, 1}, &DoctorTab::openDiseaseRisks},
    {{"cmdifeel", QT_TRANSLATE_NOOP("DoctorTab", "Withdrawal symptoms"), 1, 0}, &DoctorTab::openSymptoms},
    {{"cmdweight", QT_TRANSLATE_NOOP("DoctorTab", "My body weight?"), 1, 1}, &DoctorTab::openWeightQuestions},
};

// clang-format off
constexpr Topic symptoms[] = {
    {{"cmdfeeltired", QT_TRANSLATE_NOOP("DoctorTab", "Tired"), 0, 0}, "tired.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "After a week or two you should begin feeling much better. You will see that you have more energy than you may have felt in years.")},
    {{"cmdfeelConstipation", QT_TRANSLATE_NOOP("DoctorTab", "Constipation"), 0, 1}, "constipation.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Drink plenty of liquids, eat fruits, vegetables, and whole grain cereals. Go for walks.")},
    {{"cmdfeelchest", QT_TRANSLATE_NOOP("DoctorTab", "Tightness in chest"), 0, 2}, "chest.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Remember that your lungs need moisture to help with healing and flushing.")},
    {{"cmdtimeper", QT_TRANSLATE_NOOP("DoctorTab", "Time perception"), 0, 3}, "timeperception.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Your time perception will go back to normal, as soon as the other withdrawal symptoms dissapear.")},
    {{"cmdfeeldizzy", QT_TRANSLATE_NOOP("DoctorTab", "Dizzy"), 1, 0}, "dizzy.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Get fresh air, go for a walk, change positions slowly until your body adjusts to increased oxygen intake")},
    {{"cmdfeelthroat", QT_TRANSLATE_NOOP("DoctorTab", "Sore throat"), 1, 1}, "sorethroat.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Suck sweets, eat honey or anything else that will soothe your throat")},
    {{"cmdnausea", QT_TRANSLATE_NOOP("DoctorTab", "Bad taste"), 1, 2}, "nausea.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Eat something that will make your bad taste go away, and drink lot's of water ofcourse.")},
    {{"cmdfeelIrritability", QT_TRANSLATE_NOOP("DoctorTab", "Tensions"), 1, 3}, "tension.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Try deep breathing and do some exercise. Within 4 weeks this symtons will stop to appear.")},
    {{"cmdfeelSleeplessness", QT_TRANSLATE_NOOP("DoctorTab", "Sleeping"), 2, 0}, "sleeping.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Try to sleep as much as you can. Take a hot bath, avoid caffeine a few hours before you go sleep, try relaxing at bedtime with a glass of warm milk.")},
    {{"cmdfeelconcentration", QT_TRANSLATE_NOOP("DoctorTab", "Can't  concentrate"), 2, 1}, "concentration.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Change activities, get some fresh air, exercise, deep breathe, listen to music, watch TV, do more physical activity,")},
    {{"cmdfeelheadaches", QT_TRANSLATE_NOOP("DoctorTab", "Headaches"), 2, 2}, "headache.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "There are many things you can do about headaches. Try searching the internet.")},
    {{"cmdfeelothers", QT_TRANSLATE_NOOP("DoctorTab", "Others..."), 2, 3}, "others.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Remeber, if a symptom won't go away in a few weeks, or if you think it is not normal, go visit a doctor.")},
};
// clang-format on
const TopicTable symptomTable{"DoctorTab", datafiles::File::DoctorWithdrawalDocuments, symptoms};

// The weight questions keep the doctor's line as it is while a document is read.
constexpr Topic weightQuestions[] = {
    {{"cmdminweight", QT_TRANSLATE_NOOP("DoctorTab", "About smoking and weight."), 0, 0}, "about.rtf", nullptr},
    {{"cmdwhygain", QT_TRANSLATE_NOOP("DoctorTab", "Why do smokers gain weight after they quit?"), 1, 0},
     "whygain.rtf",
     nullptr},
    {{"cmdnothingworks", QT_TRANSLATE_NOOP("DoctorTab", "What can I do about it ?"), 2, 0}, "fightit.rtf", nullptr},
};
const TopicTable weightTable{"DoctorTab", datafiles::File::DoctorWeightDocuments, weightQuestions, true};

CharacterTab::Character doctor()
{
    return {QStringLiteral("Image9"),    pictures::path("doctor"),     DoctorTab::tr("Doctor"),
            QStringLiteral("lbldocsay"), DoctorTab::tr("Doctor says"), DoctorTab::tr(greeting)};
}

} // namespace

DoctorTab::DoctorTab(const Environment &environment, QWidget *parent)
    : CharacterTab(doctor(), parent), m_environment(environment)
{
    connect(picture(), &PictureButton::clicked, this, &DoctorTab::greet);
}

void DoctorTab::buildPanels()
{
    m_mainPanel = buildMainPanel();
    m_symptoms = buildSymptomPanel();
    m_weight = buildWeightPanel();
    m_diseaseRisks = new DiseasePanel(panels());
    m_bodyMonitor = new BodyMonitorPanel(panels());
    for (QWidget *panel :
         std::initializer_list<QWidget *>{m_mainPanel, m_symptoms, m_weight, m_diseaseRisks, m_bodyMonitor})
        panels()->addLayer(panel);

    connect(m_diseaseRisks, &DiseasePanel::backRequested, this, &DoctorTab::closeDiseaseRisks);
    connect(m_bodyMonitor, &BodyMonitorPanel::backRequested, this, &DoctorTab::closeBodyMonitor);
    connect(m_bodyMonitor, &BodyMonitorPanel::explanation, this,
            [this](const QString &text, look::Role colour) { say(text, colour); });
}

QFrame *DoctorTab::buildMainPanel()
{
    QFrame *frame = controls::panel(panels(), QStringLiteral("frmmaindoc"), true);
    auto *grid = new ButtonGrid(frame, "DoctorTab");
    for (const Button &button : mainButtons)
        grid->addButton(button, this);
    auto *heart = new Picture(QStringLiteral("imgheart"), pictures::path("heart"), tr("Heart"), frame);
    heart->setFixedSize(96, 96);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(grid, 2);
    layout->addWidget(heart, 1, Qt::AlignHCenter);
    return frame;
}

TopicPanel *DoctorTab::buildSymptomPanel()
{
    auto *panel =
        new TopicPanel(panels(),
                       {QStringLiteral("frmfeel"), QStringLiteral("txtsup"), QString(), QStringLiteral("cmdokdoc"),
                        QStringLiteral("cmdbackfeel"), tr("Advice on withdrawal symptoms")},
                       symptomTable, m_environment);
    connect(panel, &TopicPanel::topicOpened, this,
            [this](const QString &sentence) { say(sentence, controls::colours::blue); });
    connect(panel, &TopicPanel::readingDone, this, &DoctorTab::askForAnotherSymptom);
    connect(panel, &TopicPanel::backRequested, this, &DoctorTab::closeSymptoms);
    return panel;
}

TopicPanel *DoctorTab::buildWeightPanel()
{
    auto *panel =
        new TopicPanel(panels(),
                       {QStringLiteral("frmweight"), QStringLiteral("txtweight"), QString(), QStringLiteral("cmdok8"),
                        QStringLiteral("cmdweightback"), tr("Advice on body weight")},
                       weightTable, m_environment);
    connect(panel, &TopicPanel::backRequested, this, &DoctorTab::closeWeightQuestions);
    return panel;
}

QStringList DoctorTab::documents(const Environment &environment)
{
    return symptomTable.documentPaths(environment) + weightTable.documentPaths(environment);
}

void DoctorTab::showDiseaseRisks(const SmokeFreeTime &shown)
{
    ensurePanels();
    m_diseaseRisks->showRisks(shown);
}

void DoctorTab::showBodyMeters(const SmokeFreeTime &shown)
{
    ensurePanels();
    m_bodyMonitor->showMeters(shown);
}

bool DoctorTab::isMainPanelShown() const
{
    return !m_mainPanel || controls::isShown(m_mainPanel);
}

void DoctorTab::greet()
{
    say(tr(greeting));
}

void DoctorTab::openSymptoms()
{
    switchPanels(m_mainPanel, m_symptoms, tr("What physical withdrawal symptoms are you experiencing?"));
}

void DoctorTab::closeSymptoms()
{
    switchPanels(m_symptoms, m_mainPanel, tr(virtualGreeting));
}

void DoctorTab::askForAnotherSymptom()
{
    say(tr("What withdrawal symptom are you experiencing?"), controls::colours::black);
}

void DoctorTab::openWeightQuestions()
{
    switchPanels(m_mainPanel, m_weight,
                 tr("Remember, the health benefits of quitting smoking are far greater than any risks from the small "
                    "weight gain."));
}

void DoctorTab::closeWeightQuestions()
{
    switchPanels(m_weight, m_mainPanel, tr(shortGreeting));
}

void DoctorTab::openDiseaseRisks()
{
    switchPanels(m_mainPanel, m_diseaseRisks,
                 tr("This shows how much percent your chance has been reduced of getting these diseases. It's not "
                    "personal, but average for any smoker with your stop time."));
    emit diseaseStatsRunning(true);
}

void DoctorTab::closeDiseaseRisks()
{
    switchPanels(m_diseaseRisks, m_mainPanel, tr(virtualGreeting));
    emit diseaseStatsRunning(false);
}

void DoctorTab::openBodyMonitor()
{
    m_bodyMonitor->setBackShown(true);
    controls::switchPanels(m_mainPanel, m_bodyMonitor);
    emit bodyMonitorRunning(true);
}

void DoctorTab::closeBodyMonitor()
{
    emit bodyMonitorRunning(false);
    m_bodyMonitor->setBackShown(false);
    switchPanels(m_bodyMonitor, m_mainPanel, tr(shortGreeting));
}
