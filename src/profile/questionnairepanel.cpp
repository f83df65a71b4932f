#include "profile/questionnairepanel.h"

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "records/datafiles.h"
#include "ui/controls.h"
#include "ui/picture.h"
#include "ui/resources.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QComboBox *choiceList(QWidget *parent, const QString &name, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(12);
    return box;
}

} // namespace

QuestionnairePanel::QuestionnairePanel(const Environment &environment, QWidget *parent)
    : QFrame(parent), m_environment(environment)
{
    setObjectName(QStringLiteral("frmdata"));
    hide();
    QLabel *welcome = createWelcome();
    createQuestions();
    createSummary();
    createButtons();
    layOut(welcome);
    setKeyboardOrder();
    connectAnswers();
}

QLabel *QuestionnairePanel::createWelcome()
{
    QLabel *welcome = controls::textLabel(
        this, QStringLiteral("Label5"),
        tr("Welcome. Before we start , I need some information about you and your smoking habbits."));
    QFont big = welcome->font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    big.setBold(true);
    welcome->setFont(big);
    return welcome;
}

void QuestionnairePanel::createQuestions()
{
    m_nameQuestion = controls::label(this, QStringLiteral("lblname"), tr("What is your name ?"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtname"));
    m_name->setMaxLength(10);

    QStringList counts;
    for (int n = 1; n <= 60; ++n)
        counts << QString::number(n);
    m_cigarettesQuestion =
        controls::label(this, QStringLiteral("lblcigday"), tr("How many cigarettes do you smoke in 1 day?"));
    m_cigarettesPerDay = choiceList(this, QStringLiteral("cmbcigcount"), counts);

    m_currencyQuestion =
        controls::label(this, QStringLiteral("lblcur"), tr("What is the name of your local currency ?"));
    m_currency = choiceList(this, QStringLiteral("txtcurrency"), {tr("dollar"), tr("euro"), tr("pound")});
    m_currency->setEditable(true);
    m_currency->setInsertPolicy(QComboBox::NoInsert);
    m_currency->setCurrentText(tr("dollar"));

    m_moneyQuestion =
        controls::label(this, QStringLiteral("lblmoney"), tr("How much do you spend on smoking in a day ?"));
    m_moneyPerDay = new QLineEdit(QStringLiteral("0.0"), this);
    m_moneyPerDay->setObjectName(QStringLiteral("cmbmoney"));
    m_moneyPerDay->setMaxLength(5);
    m_moneyPerDay->installEventFilter(this);

    m_yearsQuestion = controls::label(this, QStringLiteral("lblyears"), tr("For how many years have you smoked ?"));
    m_yearsSmoked =
        choiceList(this, QStringLiteral("cmbyears"),
                   {QStringLiteral("0-1"), QStringLiteral("1-2"), QStringLiteral("2-3"), QStringLiteral("3-4"),
                    QStringLiteral("4-5"), QStringLiteral("5-6"), QStringLiteral("6-7"), QStringLiteral("7-8"),
                    QStringLiteral("8-9"), QStringLiteral("9-10"), QStringLiteral("10-15"), QStringLiteral("15-20"),
                    QStringLiteral("20-25"), QStringLiteral("25-30"), QStringLiteral("30-40"), QStringLiteral("40-50"),
                    QStringLiteral(">50")});
}

void QuestionnairePanel::createSummary()
{
    m_writingPicture = new Picture(QStringLiteral("imgwrite"), pictures::path("write"), tr("Writing pad"), this);
    m_writingPicture->setMinimumSize(120, 120);
    m_summary = new QTextEdit(this);
    m_summary->setObjectName(QStringLiteral("txtbeforetips"));
    m_summary->setReadOnly(true);
    m_summary->setFocusPolicy(Qt::NoFocus);
    m_summary->setMaximumHeight(260);
    m_summary->hide();
}

void QuestionnairePanel::createButtons()
{
    m_continueButton = controls::button(this, QStringLiteral("cmdcontinue"), tr("Continue"));
    m_goBackButton = controls::button(this, QStringLiteral("cmdnoback"), tr("No, go back"));
    m_goBackButton->hide();
}

// The questions left with their answers beside them, the summary right of
// them, the buttons at the bottom right.
void QuestionnairePanel::layOut(QLabel *welcome)
{
    const struct
    {
        QLabel *question;
        QWidget *answer;
    } rows[] = {{m_nameQuestion, m_name},
                {m_cigarettesQuestion, m_cigarettesPerDay},
                {m_currencyQuestion, m_currency},
                {m_moneyQuestion, m_moneyPerDay},
                {m_yearsQuestion, m_yearsSmoked}};
    auto *form = new QGridLayout;
    form->setVerticalSpacing(10);
    int row = 0;
    for (const auto &entry : rows) {
        entry.question->setBuddy(entry.answer);
        entry.answer->setMinimumWidth(120);
        form->addWidget(entry.question, row, 0);
        form->addWidget(entry.answer, row, 1);
        ++row;
    }
    form->setColumnStretch(2, 1);
    form->setRowStretch(row, 1);

    auto *summaryPlace = new QVBoxLayout;
    summaryPlace->addWidget(m_writingPicture);
    summaryPlace->addWidget(m_summary);
    summaryPlace->addStretch();

    auto *middle = new QHBoxLayout;
    middle->addLayout(form, 3);
    middle->addLayout(summaryPlace, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_continueButton);
    buttons->addWidget(m_goBackButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(welcome);
    layout->addSpacing(12);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
}

void QuestionnairePanel::setKeyboardOrder()
{
    const QList<QWidget *> order{m_name,        m_cigarettesPerDay, m_currency,    m_moneyPerDay,
                                 m_yearsSmoked, m_continueButton,   m_goBackButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void QuestionnairePanel::connectAnswers()
{
    connect(m_continueButton, &QPushButton::clicked, this, &QuestionnairePanel::continueQuestionnaire);
    connect(m_goBackButton, &QPushButton::clicked, this, &QuestionnairePanel::goBackToQuestions);
    // What is confirmed is what is saved: the summary follows every change.
    connect(m_name, &QLineEdit::textChanged, this, &QuestionnairePanel::refreshSummary);
    connect(m_moneyPerDay, &QLineEdit::textChanged, this, &QuestionnairePanel::refreshSummary);
    connect(m_cigarettesPerDay, &QComboBox::currentTextChanged, this, &QuestionnairePanel::refreshSummary);
    connect(m_currency, &QComboBox::currentTextChanged, this, &QuestionnairePanel::refreshSummary);
    connect(m_yearsSmoked, &QComboBox::currentTextChanged, this, &QuestionnairePanel::refreshSummary);
}

void QuestionnairePanel::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    m_name->setFocus();
}

bool QuestionnairePanel::isConfirming() const
{
    return controls::isShown(m_summary);
}

QuestionnaireAnswers QuestionnairePanel::answers() const
{
    return {m_name->text(), m_cigarettesPerDay->currentText(), m_currency->currentText(), m_moneyPerDay->text(),
            m_yearsSmoked->currentText()};
}

void QuestionnairePanel::continueQuestionnaire()
{
    for (QLabel *question :
         {m_nameQuestion, m_cigarettesQuestion, m_currencyQuestion, m_moneyQuestion, m_yearsQuestion})
        controls::setTextColour(question, controls::colours::black);

    const QuestionnaireAnswers given = answers();
    if (const auto refusal = questionnaire::firstRefusal(given)) {
        refuse(*refusal);
        return;
    }

    if (!isConfirming()) {
        m_writingPicture->hide();
        m_summary->show();
        m_continueButton->setText(tr("Yes, continue"));
        m_goBackButton->show();
        refreshSummary();
        return;
    }

    // A profile that is there but could not be read may still be mended: it
    // is replaced only when the user says so.
    const QString profilePath = datafiles::path(m_environment, datafiles::File::Profile);
    if (!m_unreadableProfile.isEmpty() &&
        !m_environment.messages->ask(
            tr("Your earlier profile in %1 could not be read: %2. Replace it with these answers?")
                .arg(QDir::toNativeSeparators(profilePath), m_unreadableProfile))) {
        return;
    }
    // One save at a time: the answers stay as they are until it is done.
    setWaiting(true);
    emit answersGiven(given);
}

void QuestionnairePanel::setUnreadableProfile(const QString &problem)
{
    m_unreadableProfile = problem;
}

void QuestionnairePanel::answersSaved(const textfiles::WriteResult &result)
{
    setWaiting(false);
    if (!result.ok) {
        m_environment.messages->reportNotSaved(tr("Your answers could not be saved in %1: %2"),
                                               datafiles::path(m_environment, datafiles::File::Profile), result.error);
        return;
    }
    m_unreadableProfile.clear();
    hide();
    emit confirmed();
}

void QuestionnairePanel::setWaiting(bool waiting)
{
    m_continueButton->setEnabled(!waiting);
    m_goBackButton->setEnabled(!waiting);
}

void QuestionnairePanel::goBackToQuestions()
{
    m_summary->hide();
    m_continueButton->setText(tr("Continue"));
    m_goBackButton->hide();
    m_writingPicture->show();
}

void QuestionnairePanel::refuse(const questionnaire::Refusal &refusal)
{
    using questionnaire::Question;
    const struct
    {
        Question question;
        QLabel *label;
        QWidget *field;
    } places[] = {{Question::Name, m_nameQuestion, m_name},
                  {Question::Cigarettes, m_cigarettesQuestion, m_cigarettesPerDay},
                  {Question::Currency, m_currencyQuestion, m_currency},
                  {Question::Money, m_moneyQuestion, m_moneyPerDay},
                  {Question::Years, m_yearsQuestion, m_yearsSmoked}};
    m_environment.messages->show(refusal.message, refusal.informationIcon ? MessageService::Icon::Information
                                                                          : MessageService::Icon::None);
    for (const auto &place : places) {
        if (place.question == refusal.question) {
            controls::setTextColour(place.label, controls::colours::red);
            place.field->setFocus();
        }
    }
}

void QuestionnairePanel::refreshSummary()
{
    if (isConfirming())
        m_summary->setPlainText(questionnaire::summary(answers()));
}

bool QuestionnairePanel::eventFilter(QObject *watched, QEvent *event)
{
    // cmbmoney_KeyPress: the comma key enters the decimal point.
    if (watched == m_moneyPerDay && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->text() == QLatin1String(",")) {
            m_moneyPerDay->insert(QStringLiteral("."));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
