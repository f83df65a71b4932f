#include "advisors/professortab.h"

#include "platform/environment.h"
#include "records/datafiles.h"
#include "ui/buttongrid.h"
#include "ui/controls.h"
#include "ui/documentbox.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const greeting =
    QT_TRANSLATE_NOOP("ProfessorTab", "Hello. I am your professor. I can teach you a lot of things about smoking.");
// The caption of Next tells whether the pager has started on the open file.
const char *const nextFirst = QT_TRANSLATE_NOOP("ProfessorTab", "Next....");
const char *const nextRunning = QT_TRANSLATE_NOOP("ProfessorTab", "Next...");

struct QuestionRow
{
    ProfessorTab::Question question;
    ButtonGrid::Action<ProfessorTab> button;
    datafiles::File file; // a line file of facts, or the document
    const char *sentence;
};

// clang-format off
constexpr QuestionRow questions[] = {
    {ProfessorTab::HealthProblems,
     {{"cmdf1", QT_TRANSLATE_NOOP("ProfessorTab", "What health problems does smoking cause?"), 0, 0}, &ProfessorTab::showHealthProblems},
     datafiles::File::HealthProblems,
     QT_TRANSLATE_NOOP("ProfessorTab", "Smoking causes a lot of healthproblems. Click on 'Next' to see other healthproblems smoking can cause.")},
    {ProfessorTab::Appearance,
     {{"cmdf2", QT_TRANSLATE_NOOP("ProfessorTab", "What does smoking do to my appearance?"), 1, 0}, &ProfessorTab::showAppearance},
     datafiles::File::Appearance,
     QT_TRANSLATE_NOOP("ProfessorTab", "When you smoke , you change your appearance. Click on 'Next' to see what else smoking does to your appearance.")},
    {ProfessorTab::WhyPeopleSmoke,
     {{"cmdf4", QT_TRANSLATE_NOOP("ProfessorTab", "Why do people smoke?"), 2, 0}, &ProfessorTab::showWhyPeopleSmoke},
     datafiles::File::WhyPeopleSmoke,
     QT_TRANSLATE_NOOP("ProfessorTab", "Why people smoke?")},
    {ProfessorTab::StopTips,
     {{"cmdf5", QT_TRANSLATE_NOOP("ProfessorTab", "Do you have stop-tips?"), 3, 0}, &ProfessorTab::showStopTips},
     datafiles::File::WaysToStop,
     QT_TRANSLATE_NOOP("ProfessorTab", "Here are some good tips for people who want to stop smoking.")},
};
// clang-format on
static_assert(rowsInOrder(questions, &QuestionRow::question, ProfessorTab::QuestionCount));

CharacterTab::Character professor()
{
    return {QStringLiteral("Image2"),     pictures::path("professor"),        ProfessorTab::tr("Professor"),
            QStringLiteral("lblprofsay"), ProfessorTab::tr("Professor says"), ProfessorTab::tr(greeting)};
}

} // namespace

ProfessorTab::ProfessorTab(const Environment &environment, QWidget *parent)
    : CharacterTab(professor(), parent), m_environment(environment), m_facts(*environment.random, *environment.clock)
{
    connect(picture(), &PictureButton::clicked, this, &ProfessorTab::greet);
}

void ProfessorTab::buildPanels()
{
    QFrame *frame = controls::panel(panels(), QStringLiteral("Frame1"), true);
    auto *area = new LayerStack(frame);
    auto *questionButtons = new ButtonGrid(nullptr, "ProfessorTab");
    for (const QuestionRow &row : questions)
        m_questions[row.question] = questionButtons->addButton(row.button, this);
    m_factBox = new DocumentBox(nullptr, QStringLiteral("txtfacts"), QString());
    m_factBox->setAccessibleName(tr("Facts about smoking"));
    m_factBox->hide();
    area->addLayer(questionButtons);
    area->addLayer(m_factBox);

    m_book = new Picture(QStringLiteral("imgbook"), pictures::path("book"), tr("Book"), frame);
    m_book->setFixedSize(48, 48);
    m_book->hide();
    // Holds the path of the open fact file; never shown.
    m_factFile = controls::label(frame, QStringLiteral("lblfile"), QStringLiteral("file.txt"));
    m_factFile->hide();
    m_nextFact = controls::button(frame, QStringLiteral("cmdfact"), tr(nextFirst));
    m_backButton = controls::button(frame, QStringLiteral("cmdbacktoprof"), tr("Back"));
    m_nextFact->hide();
    m_backButton->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_book);
    buttons->addWidget(m_nextFact);
    buttons->addStretch();
    buttons->addWidget(m_backButton);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(area, 1);
    layout->addLayout(buttons);
    panels()->addLayer(frame);

    connect(m_nextFact, &QPushButton::clicked, this, &ProfessorTab::showNextFact);
    connect(m_backButton, &QPushButton::clicked, this, &ProfessorTab::closeFacts);
}

QStringList ProfessorTab::factFiles(const Environment &environment)
{
    QStringList paths;
    for (const QuestionRow &row : questions) {
        if (row.file != datafiles::File::WhyPeopleSmoke)
            paths << datafiles::path(environment, row.file);
    }
    return paths;
}

bool ProfessorTab::isFactOpen() const
{
    return m_factBox && controls::isShown(m_factBox);
}

void ProfessorTab::greet()
{
    say(tr(greeting));
}

void ProfessorTab::showHealthProblems()
{
    openFactFile(HealthProblems);
}
void ProfessorTab::showAppearance()
{
    openFactFile(Appearance);
}
void ProfessorTab::showStopTips()
{
    openFactFile(StopTips);
}

void ProfessorTab::openFactFile(Question question)
{
    const QuestionRow &row = questions[question];
    say(tr(row.sentence));
    m_factFile->setText(datafiles::path(m_environment, row.file));
    showFactPager();
}

void ProfessorTab::showFactPager()
{
    setQuestionsShown(false);
    m_nextFact->show();
    m_backButton->show();
    showNextFact();
    m_book->show();
}

void ProfessorTab::showNextFact()
{
    m_factBox->show();
    const QString fact = m_facts.step(m_factFile->text());
    m_nextFact->setText(tr(nextRunning));
    m_factBox->setText(fact);
}

void ProfessorTab::showWhyPeopleSmoke()
{
    say(tr(questions[WhyPeopleSmoke].sentence));
    // A document that cannot be loaded leaves the box as it was.
    m_factBox->load(datafiles::path(m_environment, datafiles::File::WhyPeopleSmoke));
    setQuestionsShown(false);
    m_backButton->show();
    m_book->show();
    m_factBox->show();
}

void ProfessorTab::closeFacts()
{
    say(tr("What else would like like to know about smoking?"));
    m_nextFact->setText(tr(nextFirst));
    m_facts.restart();
    m_backButton->hide();
    m_factBox->hide();
    m_nextFact->hide();
    showQuestions();
}

void ProfessorTab::showQuestions()
{
    setQuestionsShown(true);
    m_book->hide();
}

void ProfessorTab::setQuestionsShown(bool shown)
{
    for (QPushButton *question : m_questions)
        question->setVisible(shown);
}
