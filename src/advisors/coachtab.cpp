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
#include "ui/topictable.h"

#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

using Action = ButtonGrid::Action<CoachTab>;

const Action helpKinds[] = {
    {{"cmdtroublewith", QT_TRANSLATE_NOOP("CoachTab", "I have mental or emotional withdrawal symptoms"), 0, 0},
     &CoachTab::openTroubles},
    {{"cmdthings", QT_TRANSLATE_NOOP("CoachTab", "Things you can do to forget about smoking"), 1, 0},
     &CoachTab::openThingsToDo},
    {{"cmdpersonal", QT_TRANSLATE_NOOP("CoachTab", "Show me my list of personal reasons"), 2, 0},
     &CoachTab::openPersonalReasons},
    {{"Command1", QT_TRANSLATE_NOOP("CoachTab", "I found a good reason to smoke"), 3, 0},
     &CoachTab::openReasonsToSmoke},
};

// clang-format off
constexpr Topic troubles[] = {
    {{"Command4", QT_TRANSLATE_NOOP("CoachTab", "Carvings"), 0, 0}, "carvings.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Remember, as time goes by, this feeling will go away")},
    {{"Command7", QT_TRANSLATE_NOOP("CoachTab", "Bored"), 0, 1}, "irritable.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Feeling bored is always temporary. It will go away within two weeks. Keep up the good work!")},
    {{"Command11", QT_TRANSLATE_NOOP("CoachTab", "Alone / Lonely"), 0, 2}, "alone.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Find something to keep your mind busy. Talk to other ex-smokers on internet.")},
    {{"Command15", QT_TRANSLATE_NOOP("CoachTab", "Anger"), 1, 0}, "down.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Take a walk. Do deep breathing exercises.")},
    {{"Command19", QT_TRANSLATE_NOOP("CoachTab", "Restless"), 1, 2}, "restless.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Feeling restless will usually go aways within a few days after quitting.")},
    {{"Command18", QT_TRANSLATE_NOOP("CoachTab", "Stress"), 2, 0}, "stress.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Remember, you will in time find another way to cope with stress.")},
    {{"Command22", QT_TRANSLATE_NOOP("CoachTab", "Uncomfortable"), 2, 1}, "uncomfortable.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "It might be a good idea to skip a party if you have just stopped smoking.")},
    {{"Command23", QT_TRANSLATE_NOOP("CoachTab", "Depressed"), 2, 2}, "depressed.rtf",
     QT_TRANSLATE_NOOP("CoachTab", "Take it easy your depression will go away within 2-5 weeks.")},
};
// clang-format on
const TopicTable troubleTable{"CoachTab", datafiles::File::CoachTroubleDocuments, troubles};

// A reason to smoke, and the coach's answer to it in a document.
struct Reason
{
    const char *text;
    const char *answer; // file name among the coach's answers
};

const Reason reasonsToSmoke[] = {
    {QT_TRANSLATE_NOOP("CoachTab", "I just can't quit!"), "cantquit.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I think it's better to quit by gradual reduction"), "gradualwithdraw.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "Quitting Smoking is giving up a part of my life."), "partlife.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I will switch to safer cigarettes."), "saferway.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I think it's to late. I think i am already sick."), "alreadysick.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I will just smoke a lot less."), "nopoint.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "Smoking is the only wat i can deal with stress."), "stress.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "How else would I deal with a (new) situation?"), "dealelse.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "It's the only way I can feel good."), "addict.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I Smoke because I don't care if I destroy myself."), "selfdestruct.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I Smoke Because I just like to smoke."), "ilike.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "I am a nicotine junkie."), "junky.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "Cigarettes are my (only) friend."), "friend.rtf"},
    {QT_TRANSLATE_NOOP("CoachTab", "Other people around me also smoke."), "otherpeople.rtf"},
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
      m_reasonsFile(datafiles::path(environment, datafiles::File::PersonalReasons), environment.userDataFolder,
                    *environment.clock)
{
    connect(picture(), &PictureButton::clicked, this, &CoachTab::greet);
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
    auto *panel = new TopicPanel(panels(),
                                 {QStringLiteral("frmtrouble"), QStringLiteral("txtcoachtrouble"), tr("smoking sucks!"),
                                  QStringLiteral("cmdokcoach"), QStringLiteral("cmdtroubleback"),
                                  tr("Advice on mental and emotional withdrawal symptoms")},
                                 troubleTable, m_environment);
    auto *centre = new Picture(QStringLiteral("imgcoachtrouble"), pictures::path("coach"), tr("Coach"), panel);
    centre->setMinimumSize(64, 64);
    panel->addToGrid(centre, 1, 1);
    connect(panel, &TopicPanel::topicOpened, this,
            [this](const QString &sentence) { say(sentence, controls::colours::blue); });
    connect(panel, &TopicPanel::readingDone, this, &CoachTab::askHowTheUserFeels);
    connect(panel, &TopicPanel::backRequested, this, &CoachTab::closeTroubles);
    return panel;
}

QFrame *CoachTab::buildThingsPanel()
{
    m_thingBox = new DocumentBox(nullptr, QStringLiteral("txtthings"), tr("Things you can do..."));
    m_thingBox->setAccessibleName(tr("Things you can do to forget about smoking"));
    m_nextThing = controls::button(nullptr, QStringLiteral("cmdthingsnext"), tr(thingsNextFirst));
    QPushButton *back = controls::button(nullptr, QStringLiteral("cmdbackthings"), tr("Back"));
    connect(m_nextThing, &QPushButton::clicked, this, &CoachTab::showNextThing);
    connect(back, &QPushButton::clicked, this, &CoachTab::closeThingsToDo);
    return buildBoxPanel(QStringLiteral("frmthings"), m_thingBox, m_nextThing, nullptr, back);
}

QFrame *CoachTab::buildPersonalPanel()
{
    m_personalReasons = new DocumentBox(nullptr, QStringLiteral("txtpersonal"), tr(personalInvitation), true);
    m_personalReasons->setAccessibleName(tr("Your personal reasons not to smoke"));
    m_printReasons = controls::button(nullptr, QStringLiteral("Command2"), tr("Print"));
    m_personalBack = controls::button(nullptr, QStringLiteral("cmdpersonalback"), tr("Back"));
    connect(m_printReasons, &QPushButton::clicked, this, &CoachTab::printPersonalReasons);
    connect(m_personalBack, &QPushButton::clicked, this, &CoachTab::closePersonalReasons);
    return buildBoxPanel(QStringLiteral("frmpersonal"), m_personalReasons, nullptr, m_printReasons, m_personalBack);
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
    connect(m_answerButton, &QPushButton::clicked, this, &CoachTab::showAnswer);
    connect(panel, &TopicPanel::readingDone, m_answerButton, &QPushButton::show);
    connect(panel, &TopicPanel::backRequested, this, &CoachTab::closeReasonsToSmoke);
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

QStringList CoachTab::documents(const Environment &environment)
{
    QStringList paths = troubleTable.documentPaths(environment);
    for (const Reason &reason : reasonsToSmoke)
        paths << datafiles::path(environment, datafiles::File::CoachAnswerDocuments, reason.answer);
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

void CoachTab::greet()
{
    say(greeting());
}

void CoachTab::openTroubles()
{
    switchPanels(m_mainPanel, m_troubles, tr("Let me know what the problem is..."));
}

void CoachTab::closeTroubles()
{
    switchPanels(m_troubles, m_mainPanel, greeting());
}

void CoachTab::askHowTheUserFeels()
{
    say(tr("How do you feel?"), controls::colours::black);
}

void CoachTab::openThingsToDo()
{
    controls::switchPanels(m_mainPanel, m_thingsPanel);
    showNextThing();
    say(tr("Here are some things you can do to forget about smoking. Click on 'next' to see more."));
}

void CoachTab::showNextThing()
{
    const QString thing = m_things.step(datafiles::path(m_environment, datafiles::File::ThingsToDo));
    m_nextThing->setText(tr(thingsNextRunning));
    m_thingBox->setText(thing);
}

void CoachTab::closeThingsToDo()
{
    switchPanels(m_thingsPanel, m_mainPanel, greeting());
}

void CoachTab::openPersonalReasons()
{
    controls::switchPanels(m_mainPanel, m_personalPanel);
    // Until the file is read the box is empty, not the invitation: the
    // reasons are not known to be unwritten yet, and nothing typed over a
    // file not read may replace it.
    m_reasonsShown = false;
    m_personalReasons->setReadOnly(true);
    m_personalReasons->clear();
    m_personalReasons->setUnchanged();
    say(tr("Edit you personal reasons here..."));
    ++m_reasonReadsAsked;
    emit personalReasonsReadRequested();
}

void CoachTab::takePersonalReasons(const textfiles::FileRead &file)
{
    // Answers come in the order asked: an earlier one is out of date.
    if (m_reasonReadsAsked == 0 || --m_reasonReadsAsked > 0 || !controls::isShown(m_personalPanel))
        return;
    const richtext::LoadResult read = m_personalReasons->load(file);
    // The box shows what the file holds: without a file it can show, only
    // the invitation to write, as at first, not in a format read before.
    if (!read.ok) {
        m_personalReasons->setCurrentCharFormat(QTextCharFormat());
        m_personalReasons->setCurrentFont(m_personalReasons->font());
        m_personalReasons->setText(tr(personalInvitation));
        m_personalReasons->setUnchanged();
    }
    m_personalReasons->setReadOnly(false);
    m_reasonsShown = true;
    const QString unread = m_reasonsFile.noteRead(read);
    if (!unread.isEmpty())
        m_environment.messages->show(unread, MessageService::Icon::Warning, tr("Clearwind"));
}

void CoachTab::closePersonalReasons()
{
    // The write under way answers this Back too.
    if (m_reasonsWriting)
        return;
    switch (savePersonalReasons()) {
    case Saving::Unneeded:
        switchPanels(m_personalPanel, m_mainPanel, greeting());
        return;
    case Saving::Asked:
        m_backAfterWrite = true;
        return;
    case Saving::Refused:
        // Reasons that could not be stored stay on the screen, so nothing is lost.
        return;
    }
}

void CoachTab::printPersonalReasons()
{
    printing::printOrSay(m_environment, *m_personalReasons->asWritten());
}

bool CoachTab::hasUnsavedPersonalReasons() const
{
    // Reasons are only typed on a tab that has been shown, into a box that
    // shows what the file was read as.
    return m_personalReasons && m_reasonsShown && m_personalReasons->isChanged();
}

// Both ways out, Back and closing the window, store this way: only what the
// user changed is written, so a file the box could not show whole stays.
// The question is asked here; the file is written beside the window.
CoachTab::Saving CoachTab::savePersonalReasons()
{
    if (!hasUnsavedPersonalReasons())
        return Saving::Unneeded;
    const PersonalReasonsFile::Prepared prepared = m_reasonsFile.prepare(
        [this](const QString &question) { return m_environment.messages->ask(question, tr("Clearwind")); },
        m_personalReasons->asRtf());
    if (!prepared.go) {
        // Without a reason the user chose not to replace the file.
        if (!prepared.refusal.isEmpty())
            m_environment.messages->reportNotSaved(tr("Your personal reasons could not be saved in %1: %2"),
                                                   m_reasonsFile.path(), prepared.refusal);
        return Saving::Refused;
    }
    // What is written is what the box shows until the write is confirmed,
    // and Back waits for it.
    m_reasonsWriting = true;
    m_personalReasons->setReadOnly(true);
    m_personalBack->setEnabled(false);
    emit personalReasonsWriteRequested(prepared.storing);
    return Saving::Asked;
}

void CoachTab::personalReasonsWritten(const textfiles::WriteResult &result)
{
    m_reasonsWriting = false;
    m_personalReasons->setReadOnly(false);
    m_personalBack->setEnabled(true);
    m_reasonsFile.noteWritten(result);
    const bool back = std::exchange(m_backAfterWrite, false);
    if (!result.ok) {
        m_environment.messages->reportNotSaved(tr("Your personal reasons could not be saved in %1: %2"),
                                               m_reasonsFile.path(), result.error);
        return;
    }
    m_personalReasons->setUnchanged();
    if (back)
        switchPanels(m_personalPanel, m_mainPanel, greeting());
}

void CoachTab::handOverChangedPersonalReasons()
{
    // A write under way is in the keeper's hands already.
    if (!m_reasonsWriting)
        savePersonalReasons();
}

bool CoachTab::mayCloseWithPersonalReasons()
{
    if (m_reasonsWriting || !hasUnsavedPersonalReasons())
        return true;
    return m_environment.messages->ask(tr("Close Clearwind anyway? What you wrote since the last save will be lost."),
                                       tr("Clearwind"));
}

void CoachTab::openReasonsToSmoke()
{
    controls::switchPanels(m_mainPanel, m_reasonsToSmoke);
    m_reasonList->clear();
    for (const Reason &reason : reasonsToSmoke)
        m_reasonList->addItem(tr(reason.text));
    say(tr("If you think you have found a good reason to smoke select it from the list, then click on 'My "
           "answer'."));
}

void CoachTab::showAnswer()
{
    m_answerButton->hide();
    const QList<QListWidgetItem *> selected = m_reasonList->selectedItems();
    if (selected.isEmpty())
        m_reasonsToSmoke->showSentence(tr("You did not select anything."));
    else
        m_reasonsToSmoke->showDocumentFile(datafiles::path(m_environment, datafiles::File::CoachAnswerDocuments,
                                                           reasonsToSmoke[m_reasonList->row(selected.first())].answer));
    say(tr("Remeber, there is NO good reason to start smoking again. It's the nicotin addiction trying to mess with "
           "your mind."));
}

void CoachTab::closeReasonsToSmoke()
{
    switchPanels(m_reasonsToSmoke, m_mainPanel, greeting());
    m_reasonsToSmoke->setOkShown(false);
}
