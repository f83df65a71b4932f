#include "advisors/coachtab.h"

#include "platform/environment.h"
#include "platform/messageservice.h"
#include "platform/printer.h"
#include "records/datafiles.h"
#include "ui/buttongrid.h"
#include "ui/controls.h"
#include "ui/documentbox.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"
#include "ui/topicpanel.h"

#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Action = ButtonGrid::Action<CoachTab>;

const Action helpKinds[] = {
    {{"cmdtroublewith", QT_TRANSLATE_NOOP("CoachTab", "I have mental or emotional withdrawal symptoms"), 0, 0},
     &CoachTab::cmdtroublewith_Click},
    {{"cmdthings", QT_TRANSLATE_NOOP("CoachTab", "Things you can do to forget about smoking"), 1, 0},
     &CoachTab::cmdthings_Click},
    {{"cmdpersonal", QT_TRANSLATE_NOOP("CoachTab", "Show me my list of personal reasons"), 2, 0},
     &CoachTab::cmdpersonal_Click},
    {{"Command1", QT_TRANSLATE_NOOP("CoachTab", "I found a good reason to smoke"), 3, 0}, &CoachTab::Command1_Click},
};

struct TroubleTopic
{
    CoachTab::Trouble trouble;
    Action button;
    const char *document;
    const char *sentence;
};

// clang-format off
constexpr TroubleTopic troubles[] = {
    {CoachTab::Cravings, {{"Command4", QT_TRANSLATE_NOOP("CoachTab", "Carvings"), 0, 0}, &CoachTab::Command4_Click},
     "data/coach/withdraw/carvings.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Remember, as time goes by, this feeling will go away")},
    {CoachTab::Bored, {{"Command7", QT_TRANSLATE_NOOP("CoachTab", "Bored"), 0, 1}, &CoachTab::Command7_Click},
     "data/coach/withdraw/irritable.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Feeling bored is always temporary. It will go away within two weeks. Keep up the good work!")},
    {CoachTab::Lonely, {{"Command11", QT_TRANSLATE_NOOP("CoachTab", "Alone / Lonely"), 0, 2}, &CoachTab::Command11_Click},
     "data/coach/withdraw/alone.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Find something to keep your mind busy. Talk to other ex-smokers on internet.")},
    {CoachTab::Anger, {{"Command15", QT_TRANSLATE_NOOP("CoachTab", "Anger"), 1, 0}, &CoachTab::Command15_Click},
     "data/coach/withdraw/down.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Take a walk. Do deep breathing exercises.")},
    {CoachTab::Restless, {{"Command19", QT_TRANSLATE_NOOP("CoachTab", "Restless"), 1, 2}, &CoachTab::Command19_Click},
     "data/coach/withdraw/restless.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Feeling restless will usually go aways within a few days after quitting.")},
    {CoachTab::Stress, {{"Command18", QT_TRANSLATE_NOOP("CoachTab", "Stress"), 2, 0}, &CoachTab::Command18_Click},
     "data/coach/withdraw/stress.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Remember, you will in time find another way to cope with stress.")},
    {CoachTab::Uncomfortable, {{"Command22", QT_TRANSLATE_NOOP("CoachTab", "Uncomfortable"), 2, 1}, &CoachTab::Command22_Click},
     "data/coach/withdraw/uncomfortable.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "It might be a good idea to skip a party if you have just stopped smoking.")},
    {CoachTab::Depressed, {{"Command23", QT_TRANSLATE_NOOP("CoachTab", "Depressed"), 2, 2}, &CoachTab::Command23_Click},
     "data/coach/withdraw/depressed.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Take it easy your depression will go away within 2-5 weeks.")},
};
// clang-format on
static_assert(rowsInOrder(troubles, &TroubleTopic::trouble, CoachTab::TroubleCount));

struct Reason
{
    const char *text;
    const char *answer;
};

const Reason reasonsToSmoke[] = {
    {QT_TRANSLATE_NOOP("CoachTab", "I just can't quit!"), "data/coach/wantsmoke/cantquit.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I think it's better to quit by gradual reduction"),
     "data/coach/wantsmoke/gradualwithdraw.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "Quitting Smoking is giving up a part of my life."),
     "data/coach/wantsmoke/partlife.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I will switch to safer cigarettes."), "data/coach/wantsmoke/saferway.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I think it's to late. I think i am already sick."),
     "data/coach/wantsmoke/alreadysick.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I will just smoke a lot less."), "data/coach/wantsmoke/nopoint.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "Smoking is the only wat i can deal with stress."),
     "data/coach/wantsmoke/stress.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "How else would I deal with a (new) situation?"),
     "data/coach/wantsmoke/dealelse.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "It's the only way I can feel good."), "data/coach/wantsmoke/addict.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I Smoke because I don't care if I destroy myself."),
     "data/coach/wantsmoke/selfdestruct.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I Smoke Because I just like to smoke."), "data/coach/wantsmoke/ilike.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I am a nicotine junkie."), "data/coach/wantsmoke/junky.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "Cigarettes are my (only) friend."), "data/coach/wantsmoke/friend.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "Other people around me also smoke."), "data/coach/wantsmoke/otherpeople.rtf"},
};

// What the personal reasons box shows until the file holds the user's own.
const char *const personalInvitation = QT_TRANSLATE_NOOP("CoachTab", "Enter your personal reason not to smoke here.");

// The first step of the things pager changes the caption of Next for good.
const char *const thingsNextFirst = QT_TRANSLATE_NOOP("CoachTab", "Next  >>>");
const char *const thingsNextRunning = QT_TRANSLATE_NOOP("CoachTab", "Next >>>");

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

CoachTab::CoachTab(const Environment &environment, QWidget *parent)
    : CharacterTab(coach(), parent), m_environment(environment), m_things(*environment.random, *environment.clock),
      m_reasonsFile(datafiles::path(environment, datafiles::File::PersonalReasons), *environment.clock)
{
    connect(picture(), &PictureButton::clicked, this, &CoachTab::Image15_Click);
}

void CoachTab::buildPanels()
{
    m_mainPanel = buildMainPanel();
    m_troubles = buildTroublePanel();
    m_thingsPanel = buildThingsPanel();
    m_personalPanel = buildPersonalPanel();
    m_reasonsToSmoke = buildReasonsPanel();
    for (QWidget *panel :
         std::initializer_list<QWidget *>{m_mainPanel, m_troubles, m_thingsPanel, m_personalPanel, m_reasonsToSmoke})
        panels()->addLayer(panel);
}

QFrame *CoachTab::buildMainPanel()
{
    QFrame *frame = controls::panel(panels(), QStringLiteral("frmcoachmain"), true);
    auto *grid = new ButtonGrid(frame, "CoachTab");
    for (const Action &action : helpKinds)
        grid->addButton(action, this);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(grid);
    return frame;
}

TopicPanel *CoachTab::buildTroublePanel()
{
    auto *grid = new ButtonGrid(nullptr, "CoachTab");
    for (const TroubleTopic &row : troubles)
        grid->addButton(row.button, this);
    auto *centre = new Picture(QStringLiteral("imgcoachtrouble"), pictures::path("coach"), tr("Coach"), grid);
    centre->setMinimumSize(64, 64);
    grid->addWidget(centre, 1, 1);
    auto *panel = new TopicPanel(panels(),
                                 {QStringLiteral("frmtrouble"), QStringLiteral("txtcoachtrouble"), tr("smoking sucks!"),
                                  QStringLiteral("cmdokcoach"), QStringLiteral("cmdtroubleback"),
                                  tr("Advice on mental and emotional withdrawal symptoms")},
                                 grid);
    connect(panel->okButton(), &QPushButton::clicked, this, &CoachTab::cmdokcoach_Click);
    connect(panel->backButton(), &QPushButton::clicked, this, &CoachTab::cmdtroubleback_Click);
    return panel;
}

QFrame *CoachTab::buildThingsPanel()
{
    m_thingBox = new DocumentBox(nullptr, QStringLiteral("txtthings"), tr("Things you can do..."));
    m_thingBox->setAccessibleName(tr("Things you can do to forget about smoking"));
    m_nextThing = controls::button(nullptr, QStringLiteral("cmdthingsnext"), tr(thingsNextFirst));
    QPushButton *back = controls::button(nullptr, QStringLiteral("cmdbackthings"), tr("Back"));
    connect(m_nextThing, &QPushButton::clicked, this, &CoachTab::cmdthingsnext_Click);
    connect(back, &QPushButton::clicked, this, &CoachTab::cmdbackthings_Click);
    return buildBoxPanel(QStringLiteral("frmthings"), m_thingBox, m_nextThing, nullptr, back);
}

QFrame *CoachTab::buildPersonalPanel()
{
    m_personalReasons = new DocumentBox(nullptr, QStringLiteral("txtpersonal"), tr(personalInvitation), true);
    m_personalReasons->setAccessibleName(tr("Your personal reasons not to smoke"));
    m_printReasons = controls::button(nullptr, QStringLiteral("Command2"), tr("Print"));
    QPushButton *back = controls::button(nullptr, QStringLiteral("cmdpersonalback"), tr("Back"));
    connect(m_printReasons, &QPushButton::clicked, this, &CoachTab::Command2_Click);
    connect(back, &QPushButton::clicked, this, &CoachTab::cmdpersonalback_Click);
    return buildBoxPanel(QStringLiteral("frmpersonal"), m_personalReasons, nullptr, m_printReasons, back);
}

TopicPanel *CoachTab::buildReasonsPanel()
{
    m_reasonList = new QListWidget;
    m_reasonList->setObjectName(QStringLiteral("lst1"));
    m_reasonList->setAccessibleName(tr("Reasons to smoke"));
    m_reasonList->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *panel = new TopicPanel(panels(),
                                 {QStringLiteral("frmwantsmoke"), QStringLiteral("txtanswer"), QString(),
                                  QStringLiteral("cmdok7"), QStringLiteral("cmdbackreasons"),
                                  tr("Answer to your reason to smoke")},
                                 m_reasonList);
    m_answerButton = controls::button(panel, QStringLiteral("cmdshowanwser"), tr("My answer"));
    panel->addLeftButton(m_answerButton);
    connect(m_answerButton, &QPushButton::clicked, this, &CoachTab::cmdshowanwser_Click);
    connect(panel->okButton(), &QPushButton::clicked, this, &CoachTab::cmdok7_Click);
    connect(panel->backButton(), &QPushButton::clicked, this, &CoachTab::cmdbackreasons_Click);
    return panel;
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

QStringList CoachTab::documents()
{
    QStringList paths;
    for (const TroubleTopic &row : troubles)
        paths << QString::fromLatin1(row.document);
    for (const Reason &reason : reasonsToSmoke)
        paths << QString::fromLatin1(reason.answer);
    return paths;
}

bool CoachTab::isMainPanelShown() const
{
    return !m_mainPanel || controls::isShown(m_mainPanel);
}

QString CoachTab::greeting()
{
    return tr("Hi. I am your coach. I will try to help you mentally and emotionally.");
}

void CoachTab::Image15_Click()
{
    say(greeting());
}

void CoachTab::cmdtroublewith_Click()
{
    switchPanels(m_mainPanel, m_troubles, tr("Let me know what the problem is..."));
}

void CoachTab::cmdtroubleback_Click()
{
    switchPanels(m_troubles, m_mainPanel, greeting());
}

void CoachTab::showTrouble(Trouble trouble)
{
    const TroubleTopic &row = troubles[trouble];
    // A document that cannot be loaded leaves the previous one in the box.
    m_troubles->box()->load(m_environment.path(row.document));
    say(tr(row.sentence));
    ShowCoachDocument();
}

void CoachTab::ShowCoachDocument()
{
    controls::setTextColour(speech(), controls::colours::blue);
    m_troubles->showDocument();
}

void CoachTab::cmdokcoach_Click()
{
    m_troubles->showTopics();
    say(tr("How do you feel?"), controls::colours::black);
}

void CoachTab::Command4_Click()
{
    showTrouble(Cravings);
}
void CoachTab::Command7_Click()
{
    showTrouble(Bored);
}
void CoachTab::Command11_Click()
{
    showTrouble(Lonely);
}
void CoachTab::Command15_Click()
{
    showTrouble(Anger);
}
void CoachTab::Command19_Click()
{
    showTrouble(Restless);
}
void CoachTab::Command18_Click()
{
    showTrouble(Stress);
}
void CoachTab::Command22_Click()
{
    showTrouble(Uncomfortable);
}
void CoachTab::Command23_Click()
{
    showTrouble(Depressed);
}

void CoachTab::cmdthings_Click()
{
    controls::switchPanels(m_mainPanel, m_thingsPanel);
    showNextThing();
    say(tr("Here are some things you can do to forget about smoking. Click on 'next' to see more."));
}

void CoachTab::cmdthingsnext_Click()
{
    showNextThing();
}

void CoachTab::showNextThing()
{
    const QString thing = m_things.step(datafiles::path(m_environment, datafiles::File::ThingsToDo));
    m_nextThing->setText(tr(thingsNextRunning));
    m_thingBox->setText(thing);
}

void CoachTab::cmdbackthings_Click()
{
    switchPanels(m_thingsPanel, m_mainPanel, greeting());
}

void CoachTab::cmdpersonal_Click()
{
    controls::switchPanels(m_mainPanel, m_personalPanel);
    const richtext::LoadResult read = m_personalReasons->load(m_reasonsFile.path());
    // The box shows what the file holds: without a file it can show, only
    // the invitation to write, as at first, not in a format read before.
    if (!read.ok) {
        m_personalReasons->setCurrentCharFormat(QTextCharFormat());
        m_personalReasons->setCurrentFont(m_personalReasons->font());
        m_personalReasons->setText(tr(personalInvitation));
    }
    const QString unread = m_reasonsFile.noteRead(read);
    say(tr("Edit you personal reasons here..."));
    if (!unread.isEmpty())
        m_environment.messages->show(unread, MessageService::Icon::Warning, tr("Clearwind"));
}

void CoachTab::cmdpersonalback_Click()
{
    // Reasons that could not be stored stay on the screen, so nothing is lost.
    if (!savePersonalReasons())
        return;
    switchPanels(m_personalPanel, m_mainPanel, greeting());
}

void CoachTab::Command2_Click()
{
    printing::printOrSay(m_environment, *m_personalReasons->document());
}

// Both ways out, Back and closing the window, store this way: only what the
// user changed is written, so a file the box could not show whole stays.
bool CoachTab::savePersonalReasons()
{
    // Reasons are only typed on a tab that has been shown.
    if (!m_personalReasons || !m_personalReasons->isChanged())
        return true;
    const textfiles::WriteResult result = m_reasonsFile.write(
        [this](const QString &question) { return m_environment.messages->ask(question, tr("Clearwind")); },
        [this](const QString &path) { return m_personalReasons->save(path); });
    // Without an error the user chose not to replace the file.
    if (!result.ok && !result.error.isEmpty())
        m_environment.messages->reportNotSaved(tr("Your personal reasons could not be saved in %1: %2"),
                                               m_reasonsFile.path(), result.error);
    return result.ok;
}

bool CoachTab::storeChangedPersonalReasons()
{
    if (savePersonalReasons())
        return true;
    return m_environment.messages->ask(tr("Close Clearwind anyway? What you wrote since the last save will be lost."),
                                       tr("Clearwind"));
}

void CoachTab::Command1_Click()
{
    controls::switchPanels(m_mainPanel, m_reasonsToSmoke);
    m_reasonList->clear();
    for (const Reason &reason : reasonsToSmoke)
        m_reasonList->addItem(tr(reason.text));
    say(tr("If you think you have found a good reason to smoke select it from the list, then click on 'My "
           "answer'."));
}

void CoachTab::cmdshowanwser_Click()
{
    m_reasonsToSmoke->showDocument();
    m_answerButton->hide();
    DocumentBox *txtanswer = m_reasonsToSmoke->box();
    const QList<QListWidgetItem *> selected = m_reasonList->selectedItems();
    if (selected.isEmpty())
        txtanswer->setText(tr("You did not select anything."));
    else
        txtanswer->load(m_environment.path(reasonsToSmoke[m_reasonList->row(selected.first())].answer));
    txtanswer->moveCaretToStart();
    say(tr("Remeber, there is NO good reason to start smoking again. It's the nicotin addiction trying to mess with "
           "your mind."));
}

void CoachTab::cmdok7_Click()
{
    m_reasonsToSmoke->showTopics();
    m_answerButton->show();
}

void CoachTab::cmdbackreasons_Click()
{
    switchPanels(m_reasonsToSmoke, m_mainPanel, greeting());
    m_reasonsToSmoke->okButton()->hide();
}
