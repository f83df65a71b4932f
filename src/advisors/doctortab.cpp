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
    {{"cmdbodyfunctions", QT_TRANSLATE_NOOP("DoctorTab", "Body monitor"), 0, 0}, &DoctorTab::cmdbodyfunctions_Click},
    {{"cmddesstats", QT_TRANSLATE_NOOP("DoctorTab", "Disease stats"), 0, 1}, &DoctorTab::cmddesstats_Click},
    {{"cmdifeel", QT_TRANSLATE_NOOP("DoctorTab", "Withdrawal symptoms"), 1, 0}, &DoctorTab::cmdifeel_Click},
    {{"cmdweight", QT_TRANSLATE_NOOP("DoctorTab", "My body weight?"), 1, 1}, &DoctorTab::cmdweight_Click},
};

struct SymptomTopic
{
    DoctorTab::Symptom symptom;
    Button button;
    const char *document;
    const char *sentence;
};

// clang-format off
constexpr SymptomTopic symptoms[] = {
    {DoctorTab::Tired, {{"cmdfeeltired", QT_TRANSLATE_NOOP("DoctorTab", "Tired"), 0, 0}, &DoctorTab::cmdfeeltired_Click},
     "data/doc/withdraw/tired.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "After a week or two you should begin feeling much better. You will see that you have more energy than you may have felt in years.")},
    {DoctorTab::Constipation, {{"cmdfeelConstipation", QT_TRANSLATE_NOOP("DoctorTab", "Constipation"), 0, 1}, &DoctorTab::cmdfeelConstipation_Click},
     "data/doc/withdraw/constipation.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Drink plenty of liquids, eat fruits, vegetables, and whole grain cereals. Go for walks.")},
    {DoctorTab::Chest, {{"cmdfeelchest", QT_TRANSLATE_NOOP("DoctorTab", "Tightness in chest"), 0, 2}, &DoctorTab::cmdfeelchest_Click},
     "data/doc/withdraw/chest.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Remember that your lungs need moisture to help with healing and flushing.")},
    {DoctorTab::TimePerception, {{"cmdtimeper", QT_TRANSLATE_NOOP("DoctorTab", "Time perception"), 0, 3}, &DoctorTab::cmdtimeper_Click},
     "data/doc/withdraw/timeperception.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Your time perception will go back to normal, as soon as the other withdrawal symptoms dissapear.")},
    {DoctorTab::Dizzy, {{"cmdfeeldizzy", QT_TRANSLATE_NOOP("DoctorTab", "Dizzy"), 1, 0}, &DoctorTab::cmdfeeldizzy_Click},
     "data/doc/withdraw/dizzy.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Get fresh air, go for a walk, change positions slowly until your body adjusts to increased oxygen intake")},
    {DoctorTab::SoreThroat, {{"cmdfeelthroat", QT_TRANSLATE_NOOP("DoctorTab", "Sore throat"), 1, 1}, &DoctorTab::cmdfeelthroat_Click},
     "data/doc/withdraw/sorethroat.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Suck sweets, eat honey or anything else that will soothe your throat")},
    {DoctorTab::BadTaste, {{"cmdnausea", QT_TRANSLATE_NOOP("DoctorTab", "Bad taste"), 1, 2}, &DoctorTab::cmdnausea_Click},
     "data/doc/withdraw/nausea.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Eat something that will make your bad taste go away, and drink lot's of water ofcourse.")},
    {DoctorTab::Tensions, {{"cmdfeelIrritability", QT_TRANSLATE_NOOP("DoctorTab", "Tensions"), 1, 3}, &DoctorTab::cmdfeelIrritability_Click},
     "data/doc/withdraw/tension.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Try deep breathing and do some exercise. Within 4 weeks this symtons will stop to appear.")},
    {DoctorTab::Sleeping, {{"cmdfeelSleeplessness", QT_TRANSLATE_NOOP("DoctorTab", "Sleeping"), 2, 0}, &DoctorTab::cmdfeelSleeplessness_Click},
     "data/doc/withdraw/sleeping.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Try to sleep as much as you can. Take a hot bath, avoid caffeine a few hours before you go sleep, try relaxing at bedtime with a glass of warm milk.")},
    {DoctorTab::Concentration, {{"cmdfeelconcentration", QT_TRANSLATE_NOOP("DoctorTab", "Can't  concentrate"), 2, 1}, &DoctorTab::cmdfeelconcentration_Click},
     "data/doc/withdraw/concentration.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Change activities, get some fresh air, exercise, deep breathe, listen to music, watch TV, do more physical activity,")},
    {DoctorTab::Headaches, {{"cmdfeelheadaches", QT_TRANSLATE_NOOP("DoctorTab", "Headaches"), 2, 2}, &DoctorTab::cmdfeelheadaches_Click},
     "data/doc/withdraw/headache.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "There are many things you can do about headaches. Try searching the internet.")},
    {DoctorTab::Others, {{"cmdfeelothers", QT_TRANSLATE_NOOP("DoctorTab", "Others..."), 2, 3}, &DoctorTab::cmdfeelothers_Click},
     "data/doc/withdraw/others.rtf",
     QT_TRANSLATE_NOOP("DoctorTab", "Remeber, if a symptom won't go away in a few weeks, or if you think it is not normal, go visit a doctor.")},
};
// clang-format on

struct WeightTopic
{
    DoctorTab::WeightQuestion question;
    Button button;
    const char *document;
};

constexpr WeightTopic weightQuestions[] = {
    {DoctorTab::AboutWeight,
     {{"cmdminweight", QT_TRANSLATE_NOOP("DoctorTab", "About smoking and weight."), 0, 0},
      &DoctorTab::cmdminweight_Click},
     "data/doc/weight/about.rtf"},
    {DoctorTab::WhyGain,
     {{"cmdwhygain", QT_TRANSLATE_NOOP("DoctorTab", "Why do smokers gain weight after they quit?"), 1, 0},
      &DoctorTab::cmdwhygain_Click},
     "data/doc/weight/whygain.rtf"},
    {DoctorTab::WhatToDo,
     {{"cmdnothingworks", QT_TRANSLATE_NOOP("DoctorTab", "What can I do about it ?"), 2, 0},
      &DoctorTab::cmdnothingworks_Click},
     "data/doc/weight/fightit.rtf"},
};

static_assert(rowsInOrder(symptoms, &SymptomTopic::symptom, DoctorTab::SymptomCount));
static_assert(rowsInOrder(weightQuestions, &WeightTopic::question, DoctorTab::WeightQuestionCount));

CharacterTab::Character doctor()
{
    return {QStringLiteral("Image9"),    pictures::path("doctor"),     DoctorTab::tr("Doctor"),
            QStringLiteral("lbldocsay"), DoctorTab::tr("Doctor says"), DoctorTab::tr(greeting)};
}

} // namespace

DoctorTab::DoctorTab(const Environment &environment, QWidget *parent)
    : CharacterTab(doctor(), parent), m_environment(environment)
{
    connect(picture(), &PictureButton::clicked, this, &DoctorTab::Image9_Click);
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

    connect(m_diseaseRisks->backButton(), &QPushButton::clicked, this, &DoctorTab::cmddeseaseback_Click);
    connect(m_bodyMonitor->backButton(), &QPushButton::clicked, this, &DoctorTab::cmddocback_Click);
    connect(m_bodyMonitor, &BodyMonitorPanel::explanation, this,
            [this](const QString &text, const QColor &colour) { say(text, colour); });
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
    auto *grid = new ButtonGrid(nullptr, "DoctorTab");
    for (const SymptomTopic &row : symptoms)
        grid->addButton(row.button, this);
    auto *panel =
        new TopicPanel(panels(),
                       {QStringLiteral("frmfeel"), QStringLiteral("txtsup"), QString(), QStringLiteral("cmdokdoc"),
                        QStringLiteral("cmdbackfeel"), tr("Advice on withdrawal symptoms")},
                       grid);
    connect(panel->okButton(), &QPushButton::clicked, this, &DoctorTab::cmdokdoc_Click);
    connect(panel->backButton(), &QPushButton::clicked, this, &DoctorTab::cmdbackfeel_Click);
    return panel;
}

TopicPanel *DoctorTab::buildWeightPanel()
{
    auto *grid = new ButtonGrid(nullptr, "DoctorTab");
    for (const WeightTopic &row : weightQuestions)
        m_weightQuestions[row.question] = grid->addButton(row.button, this);
    auto *panel =
        new TopicPanel(panels(),
                       {QStringLiteral("frmweight"), QStringLiteral("txtweight"), QString(), QStringLiteral("cmdok8"),
                        QStringLiteral("cmdweightback"), tr("Advice on body weight")},
                       grid);
    connect(panel->okButton(), &QPushButton::clicked, this, &DoctorTab::cmdok8_Click);
    connect(panel->backButton(), &QPushButton::clicked, this, &DoctorTab::cmdweightback_Click);
    return panel;
}

QStringList DoctorTab::documents()
{
    QStringList paths;
    for (const SymptomTopic &row : symptoms)
        paths << QString::fromLatin1(row.document);
    for (const WeightTopic &row : weightQuestions)
        paths << QString::fromLatin1(row.document);
    return paths;
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

void DoctorTab::Image9_Click()
{
    say(tr(greeting));
}

void DoctorTab::cmdifeel_Click()
{
    switchPanels(m_mainPanel, m_symptoms, tr("What physical withdrawal symptoms are you experiencing?"));
}

void DoctorTab::cmdbackfeel_Click()
{
    switchPanels(m_symptoms, m_mainPanel, tr(virtualGreeting));
}

void DoctorTab::showSymptom(Symptom symptom)
{
    const SymptomTopic &row = symptoms[symptom];
    say(tr(row.sentence));
    // A document that cannot be loaded leaves the previous one in the box.
    m_symptoms->box()->load(m_environment.path(row.document));
    ShowDoctorDocument();
}

void DoctorTab::ShowDoctorDocument()
{
    m_symptoms->showDocument();
    controls::setTextColour(speech(), controls::colours::blue);
}

void DoctorTab::cmdokdoc_Click()
{
    m_symptoms->showTopics();
    say(tr("What withdrawal symptom are you experiencing?"), controls::colours::black);
}

void DoctorTab::cmdfeeltired_Click()
{
    showSymptom(Tired);
}
void DoctorTab::cmdfeelConstipation_Click()
{
    showSymptom(Constipation);
}
void DoctorTab::cmdfeelchest_Click()
{
    showSymptom(Chest);
}
void DoctorTab::cmdtimeper_Click()
{
    showSymptom(TimePerception);
}
void DoctorTab::cmdfeeldizzy_Click()
{
    showSymptom(Dizzy);
}
void DoctorTab::cmdfeelthroat_Click()
{
    showSymptom(SoreThroat);
}
void DoctorTab::cmdnausea_Click()
{
    showSymptom(BadTaste);
}
void DoctorTab::cmdfeelIrritability_Click()
{
    showSymptom(Tensions);
}
void DoctorTab::cmdfeelSleeplessness_Click()
{
    showSymptom(Sleeping);
}
void DoctorTab::cmdfeelconcentration_Click()
{
    showSymptom(Concentration);
}
void DoctorTab::cmdfeelheadaches_Click()
{
    showSymptom(Headaches);
}
void DoctorTab::cmdfeelothers_Click()
{
    showSymptom(Others);
}

void DoctorTab::cmdweight_Click()
{
    switchPanels(m_mainPanel, m_weight,
                 tr("Remember, the health benefits of quitting smoking are far greater than any risks from the small "
                    "weight gain."));
}

void DoctorTab::cmdweightback_Click()
{
    switchPanels(m_weight, m_mainPanel, tr(shortGreeting));
}

void DoctorTab::setWeightQuestionsShown(bool shown)
{
    for (QPushButton *question : m_weightQuestions)
        question->setVisible(shown);
}

// The speech line keeps its sentence and colour while a weight document is read.
void DoctorTab::showWeightDocument(WeightQuestion question)
{
    m_weight->showDocument();
    setWeightQuestionsShown(false);
    m_weight->box()->load(m_environment.path(weightQuestions[question].document));
}

void DoctorTab::cmdminweight_Click()
{
    showWeightDocument(AboutWeight);
}
void DoctorTab::cmdwhygain_Click()
{
    showWeightDocument(WhyGain);
}
void DoctorTab::cmdnothingworks_Click()
{
    showWeightDocument(WhatToDo);
}

void DoctorTab::cmdok8_Click()
{
    m_weight->showTopics();
    setWeightQuestionsShown(true);
    m_weight->box()->setText(QString());
}

void DoctorTab::cmddesstats_Click()
{
    switchPanels(m_mainPanel, m_diseaseRisks,
                 tr("This shows how much percent your chance has been reduced of getting these diseases. It's not "
                    "personal, but average for any smoker with your stop time."));
    emit diseaseStatsRunning(true);
}

void DoctorTab::cmddeseaseback_Click()
{
    switchPanels(m_diseaseRisks, m_mainPanel, tr(virtualGreeting));
    emit diseaseStatsRunning(false);
}

void DoctorTab::cmdbodyfunctions_Click()
{
    // Back first, so the keyboard finds it when the panel comes to the front.
    m_bodyMonitor->backButton()->show();
    controls::switchPanels(m_mainPanel, m_bodyMonitor);
    emit bodyMonitorRunning(true);
}

void DoctorTab::cmddocback_Click()
{
    emit bodyMonitorRunning(false);
    m_bodyMonitor->backButton()->hide();
    switchPanels(m_bodyMonitor, m_mainPanel, tr(shortGreeting));
}
