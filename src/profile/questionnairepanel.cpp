#include "profile/questionnairepanel.h"

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "profile/profilestore.h"
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

QuestionnairePanel::QuestionnairePanel(const Environment &environment, ProfileStore &store, QWidget *parent)
    : QFrame(parent), m_environment(environment), m_store(store)
{
    setObjectName(QStringLiteral("frmdata"));
    hide();

    QLabel *label5 = controls::textLabel(
        this, QStringLiteral("Label5"),
        tr("Welcome. Before we start , I need some information about you and your smoking habbits."));
    QFont big = label5->font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    big.setBold(true);
    label5->setFont(big);

    m_lblname = controls::label(this, QStringLiteral("lblname"), tr("What is your name ?"));
    m_txtname = new QLineEdit(this);
    m_txtname->setObjectName(QStringLiteral("txtname"));
    m_txtname->setMaxLength(10);

    QStringList counts;
    for (int n = 1; n <= 60; ++n)
        counts << QString::number(n);
    m_lblcigday = controls::label(this, QStringLiteral("lblcigday"), tr("How many cigarettes do you smoke in 1 day?"));
    m_cmbcigcount = choiceList(this, QStringLiteral("cmbcigcount"), counts);

    m_lblcur = controls::label(this, QStringLiteral("lblcur"), tr("What is the name of your local currency ?"));
    m_txtcurrency = choiceList(this, QStringLiteral("txtcurrency"), {tr("dollar"), tr("euro"), tr("pound")});
    m_txtcurrency->setEditable(true);
    m_txtcurrency->setInsertPolicy(QComboBox::NoInsert);
    m_txtcurrency->setCurrentText(tr("dollar"));

    m_lblmoney = controls::label(this, QStringLiteral("lblmoney"), tr("How much do you spend on smoking in a day ?"));
    m_cmbmoney = new QLineEdit(QStringLiteral("0.0"), this);
    m_cmbmoney->setObjectName(QStringLiteral("cmbmoney"));
    m_cmbmoney->setMaxLength(5);
    m_cmbmoney->installEventFilter(this);

    m_lblyears = controls::label(this, QStringLiteral("lblyears"), tr("For how many years have you smoked ?"));
    m_cmbyears = choiceList(this, QStringLiteral("cmbyears"),
                            {QStringLiteral("0-1"), QStringLiteral("1-2"), QStringLiteral("2-3"), QStringLiteral("3-4"),
                             QStringLiteral("4-5"), QStringLiteral("5-6"), QStringLiteral("6-7"), QStringLiteral("7-8"),
                             QStringLiteral("8-9"), QStringLiteral("9-10"), QStringLiteral("10-15"),
                             QStringLiteral("15-20"), QStringLiteral("20-25"), QStringLiteral("25-30"),
                             QStringLiteral("30-40"), QStringLiteral("40-50"), QStringLiteral(">50")});

    m_imgwrite = new Picture(QStringLiteral("imgwrite"), pictures::path("write"), tr("Writing pad"), this);
    m_imgwrite->setMinimumSize(120, 120);
    m_txtbeforetips = new QTextEdit(this);
    m_txtbeforetips->setObjectName(QStringLiteral("txtbeforetips"));
    m_txtbeforetips->setReadOnly(true);
    m_txtbeforetips->setFocusPolicy(Qt::NoFocus);
    m_txtbeforetips->setMaximumHeight(260);
    m_txtbeforetips->hide();

    m_cmdcontinue = controls::button(this, QStringLiteral("cmdcontinue"), tr("Continue"));
    m_cmdnoback = controls::button(this, QStringLiteral("cmdnoback"), tr("No, go back"));
    m_cmdnoback->hide();

    const struct
    {
        QLabel *question;
        QWidget *answer;
    } rows[] = {{m_lblname, m_txtname},
                {m_lblcigday, m_cmbcigcount},
                {m_lblcur, m_txtcurrency},
                {m_lblmoney, m_cmbmoney},
                {m_lblyears, m_cmbyears}};
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
    summaryPlace->addWidget(m_imgwrite);
    summaryPlace->addWidget(m_txtbeforetips);
    summaryPlace->addStretch();

    auto *middle = new QHBoxLayout;
    middle->addLayout(form, 3);
    middle->addLayout(summaryPlace, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdcontinue);
    buttons->addWidget(m_cmdnoback);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(label5);
    layout->addSpacing(12);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    setTabOrder(m_txtname, m_cmbcigcount);
    setTabOrder(m_cmbcigcount, m_txtcurrency);
    setTabOrder(m_txtcurrency, m_cmbmoney);
    setTabOrder(m_cmbmoney, m_cmbyears);
    setTabOrder(m_cmbyears, m_cmdcontinue);
    setTabOrder(m_cmdcontinue, m_cmdnoback);

    connect(m_cmdcontinue, &QPushButton::clicked, this, &QuestionnairePanel::cmdcontinue_Click);
    connect(m_cmdnoback, &QPushButton::clicked, this, &QuestionnairePanel::cmdnoback_Click);
    // What is confirmed is what is saved: the summary follows every change.
    connect(m_txtname, &QLineEdit::textChanged, this, &QuestionnairePanel::refreshSummary);
    connect(m_cmbmoney, &QLineEdit::textChanged, this, &QuestionnairePanel::refreshSummary);
    connect(m_cmbcigcount, &QComboBox::currentTextChanged, this, &QuestionnairePanel::refreshSummary);
    connect(m_txtcurrency, &QComboBox::currentTextChanged, this, &QuestionnairePanel::refreshSummary);
    connect(m_cmbyears, &QComboBox::currentTextChanged, this, &QuestionnairePanel::refreshSummary);
}

void QuestionnairePanel::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    m_txtname->setFocus();
}

bool QuestionnairePanel::isConfirming() const
{
    return !m_txtbeforetips->isHidden();
}

QuestionnaireAnswers QuestionnairePanel::answers() const
{
    return {m_txtname->text(), m_cmbcigcount->currentText(), m_txtcurrency->currentText(), m_cmbmoney->text(),
            m_cmbyears->currentText()};
}

void QuestionnairePanel::cmdcontinue_Click()
{
    for (QLabel *question : {m_lblname, m_lblcigday, m_lblcur, m_lblmoney, m_lblyears})
        controls::setTextColour(question, controls::colours::black);

    const QuestionnaireAnswers given = answers();
    if (const auto refusal = questionnaire::firstRefusal(given)) {
        refuse(*refusal);
        return;
    }

    if (!isConfirming()) {
        m_imgwrite->hide();
        m_txtbeforetips->show();
        m_cmdcontinue->setText(tr("Yes, continue"));
        m_cmdnoback->show();
        refreshSummary();
        return;
    }

    const textfiles::WriteResult written =
        m_store.saveAnswers(given.name, given.cigarettes, given.currency, given.money, m_environment.clock->now());
    if (!written.ok) {
        m_environment.messages->show(tr("Your answers could not be saved in %1.\n\n%2")
                                         .arg(QDir::toNativeSeparators(m_store.filePath()), written.error),
                                     MessageService::Icon::Warning);
        return;
    }
    hide();
    emit confirmed();
}

void QuestionnairePanel::cmdnoback_Click()
{
    m_txtbeforetips->hide();
    m_cmdcontinue->setText(tr("Continue"));
    m_cmdnoback->hide();
    m_imgwrite->show();
}

void QuestionnairePanel::refuse(const questionnaire::Refusal &refusal)
{
    using questionnaire::Question;
    const struct
    {
        Question question;
        QLabel *label;
        QWidget *field;
    } places[] = {{Question::Name, m_lblname, m_txtname},
                  {Question::Cigarettes, m_lblcigday, m_cmbcigcount},
                  {Question::Currency, m_lblcur, m_txtcurrency},
                  {Question::Money, m_lblmoney, m_cmbmoney},
                  {Question::Years, m_lblyears, m_cmbyears}};
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
        m_txtbeforetips->setPlainText(questionnaire::summary(answers()));
}

bool QuestionnairePanel::eventFilter(QObject *watched, QEvent *event)
{
    // cmbmoney_KeyPress: the comma key enters the decimal point.
    if (watched == m_cmbmoney && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->text() == QLatin1String(",")) {
            m_cmbmoney->insert(QStringLiteral("."));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
