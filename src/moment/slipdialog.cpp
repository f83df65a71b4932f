#include "moment/slipdialog.h"

#include "moment/planedit.h"
#include "moment/plans.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "ui/controls.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

// A page: its words over its buttons, on the right.
QWidget *page(QWidget *parent, const QString &objectName, const QList<QWidget *> &body,
              const QList<QPushButton *> &buttons)
{
    auto *page = new QWidget(parent);
    page->setObjectName(objectName);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    for (QWidget *widget : body) {
        widget->setParent(page);
        layout->addWidget(widget);
    }
    layout->addStretch();
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : buttons) {
        button->setParent(page);
        row->addWidget(button);
    }
    layout->addLayout(row);
    return page;
}

QLabel *words(const QString &objectName, const QString &text, bool heading = false)
{
    QLabel *label = controls::textLabel(nullptr, objectName, text);
    if (heading) {
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * 1.2);
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLineEdit *answerLine(QWidget *parent, const QString &objectName)
{
    auto *line = new QLineEdit(parent);
    line->setObjectName(objectName);
    line->setMaxLength(journey::maximumSlipAnswerLength);
    return line;
}

} // namespace

SlipDialog::SlipDialog(const Environment &environment, journey::Trigger trigger, const QString &savedPlan,
                       LogCraving log, QWidget *parent)
    : QDialog(parent), m_environment(environment), m_trigger(trigger), m_log(std::move(log)), m_savedPlan(savedPlan)
{
    setObjectName(QStringLiteral("frmslip"));
    setWindowTitle(tr("After a cigarette"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent)
        setWindowIcon(parent->windowIcon());
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildQuestion());
    m_pages->addWidget(m_slipPage = buildSlipQuestions());
    m_pages->addWidget(m_planPage = buildPlan());
    m_pages->addWidget(m_advicePage = buildAdvice());
    m_pages->addWidget(m_smokingAgainPage = buildSmokingAgain());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->addWidget(m_pages);
    setMinimumWidth(520);
}

QWidget *SlipDialog::buildQuestion()
{
    QPushButton *slip = controls::button(nullptr, QStringLiteral("cmdslip"), tr("A slip"));
    QPushButton *again = controls::button(nullptr, QStringLiteral("cmdsmokingagain"), tr("I'm smoking again"));
    connect(slip, &QPushButton::clicked, this, &SlipDialog::answerSlip);
    connect(again, &QPushButton::clicked, this, &SlipDialog::answerSmokingAgain);
    return page(this, QStringLiteral("frmslipquestion"),
                {words(QStringLiteral("lblslipquestion"), tr("Was it a slip, or are you smoking again?"), true)},
                {slip, again});
}

QWidget *SlipDialog::buildSlipQuestions()
{
    auto *answers = new QWidget;
    m_where = answerLine(answers, QStringLiteral("txtslipwhere"));
    m_with = answerLine(answers, QStringLiteral("txtslipwith"));
    auto *form = new QFormLayout(answers);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&Where were you?"), m_where);
    form->addRow(tr("Who were you &with?"), m_with);
    QPushButton *next = controls::button(nullptr, QStringLiteral("cmdslipnext"), tr("Next"));
    connect(next, &QPushButton::clicked, this, &SlipDialog::takeSlipAnswers);
    return page(this, QStringLiteral("frmslipanswers"),
                {words(QStringLiteral("lblslipcounter"),
                       tr("A slip is not a relapse: your counter keeps running. Two short questions, both optional, "
                          "to see what to plan for.")),
                 answers},
                {next});
}

QWidget *SlipDialog::buildPlan()
{
    m_plan = new PlanEdit(QStringLiteral("txtnextplan"), nullptr,
                          QT_TRANSLATE_NOOP("PlanEdit", "Next time %1 comes, I will"));
    m_plan->setTrigger(m_trigger);
    m_plan->setPlan(m_savedPlan);
    QPushButton *keep = controls::button(nullptr, QStringLiteral("cmdkeepplan"), tr("Make it my plan"));
    QPushButton *skip = controls::button(nullptr, QStringLiteral("cmdskipplan"), tr("Not now"));
    connect(keep, &QPushButton::clicked, this, &SlipDialog::keepPlan);
    connect(m_plan, &PlanEdit::submitted, this, &SlipDialog::keepPlan);
    connect(skip, &QPushButton::clicked, this, &SlipDialog::skipPlan);
    return page(this, QStringLiteral("frmslipplan"), {m_plan}, {keep, skip});
}

QWidget *SlipDialog::buildAdvice()
{
    QPushButton *doneButton = controls::button(nullptr, QStringLiteral("cmdslipdone"), tr("Done"));
    connect(doneButton, &QPushButton::clicked, this, &SlipDialog::accept);
    return page(this, QStringLiteral("frmslipadvice"),
                {words(QStringLiteral("lblslipadvice"),
                       tr("From now on, not a single puff: not even one. If you use nicotine replacement, keep "
                          "using it; it helps you through the next cravings."))},
                {doneButton});
}

QWidget *SlipDialog::buildSmokingAgain()
{
    QPushButton *reset = controls::button(nullptr, QStringLiteral("cmdgotoreset"), tr("Start a new attempt..."));
    QPushButton *notNow = controls::button(nullptr, QStringLiteral("cmdnotreset"), tr("Not now"));
    connect(reset, &QPushButton::clicked, this, [this] {
        accept();
        emit resetRequested();
    });
    connect(notNow, &QPushButton::clicked, this, &SlipDialog::accept);
    return page(this, QStringLiteral("frmsmokingagain"),
                {words(QStringLiteral("lblsmokingagain"),
                       tr("Every attempt you made stays on your journey, and your longest run still counts."))},
                {reset, notNow});
}

void SlipDialog::log(const journey::SlipAnswers &answers, std::function<void()> then)
{
    if (m_logged) {
        then();
        return;
    }
    // Once: a second press while the first is written waits for it.
    if (m_logging)
        return;
    m_logging = true;
    m_afterLog = std::move(then);
    m_log(answers);
}

void SlipDialog::takeLogged(bool logged)
{
    m_logging = false;
    std::function<void()> then = std::exchange(m_afterLog, nullptr);
    m_logged = logged;
    if (!logged) {
        QDialog::done(Rejected);
        return;
    }
    if (then)
        then();
}

void SlipDialog::answerSlip()
{
    m_pages->setCurrentWidget(m_slipPage);
    m_where->setFocus();
}

void SlipDialog::answerSmokingAgain()
{
    log({}, [this] { m_pages->setCurrentWidget(m_smokingAgainPage); });
}

void SlipDialog::takeSlipAnswers()
{
    log({QString(), m_where->text(), m_with->text()}, [this] {
        // Without a trigger there is nothing to plan for.
        m_pages->setCurrentWidget(m_trigger == journey::Trigger::NotSaid ? m_advicePage : m_planPage);
        m_pages->currentWidget()->setFocus();
    });
}

void SlipDialog::savePlan(std::function<void()> then)
{
    if (m_savingPlan)
        return;
    m_savingPlan = true;
    m_planBeingSaved = m_plan->plan();
    m_afterPlan = std::move(then);
    emit planWriteRequested(m_trigger, m_planBeingSaved);
}

void SlipDialog::takePlanWritten(const textfiles::WriteResult &written)
{
    if (!std::exchange(m_savingPlan, false))
        return;
    std::function<void()> then = std::exchange(m_afterPlan, nullptr);
    if (!written.ok) {
        m_environment.messages->reportNotSaved(tr("Your plan could not be saved in %1: %2"),
                                               journey::PlansFile::ofUser(m_environment).path(), written.error, this);
        return;
    }
    m_savedPlan = m_planBeingSaved;
    if (then)
        then();
}

void SlipDialog::keepPlan()
{
    savePlan([this] { skipPlan(); });
}

void SlipDialog::skipPlan()
{
    m_pages->setCurrentWidget(m_advicePage);
    m_pages->currentWidget()->setFocus();
}

void SlipDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_pages->currentWidget() == m_planPage) {
        skipPlan();
        return;
    }
    QDialog::keyPressEvent(event);
}

// However the dialog is left, the craving the user said they smoked is
// logged, and a plan typed for next time is saved; a plan that cannot be
// keeps the dialog open with it.
void SlipDialog::done(int result)
{
    if (m_pages->currentWidget() == m_planPage && m_plan->plan() != m_savedPlan) {
        savePlan([this, result] { done(result); });
        return;
    }
    log({}, [this, result] { QDialog::done(result); });
}
