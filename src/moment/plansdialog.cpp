#include "moment/plansdialog.h"

#include "moment/planedit.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "ui/controls.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

PlansDialog::PlansDialog(const Environment &environment, const journey::PlanBook &saved, QWidget *parent)
    : QDialog(parent), m_environment(environment), m_saved(saved)
{
    setObjectName(QStringLiteral("frmplans"));
    setWindowTitle(tr("My plans"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent)
        setWindowIcon(parent->windowIcon());

    QLabel *intro = controls::textLabel(
        this, QStringLiteral("lblplans"),
        tr("A plan for each thing that sets off a craving: what you will do instead when it comes. One line each; "
           "leave a line empty for no plan."));
    QLabel *problem = controls::textLabel(this, QStringLiteral("lblplansproblem"), QString());
    if (!m_saved.readable)
        problem->setText(
            tr("Your plans could not be read from %1: %2. The file is left as it is, and nothing here "
               "can be saved until it can be read.")
                .arg(QDir::toNativeSeparators(journey::PlansFile::ofUser(m_environment).path()), m_saved.problem));
    else if (m_saved.unreadableRows > 0)
        problem->setText(tr("%n row(s) of your plans could not be read. They are kept in the file as they are.",
                            nullptr, m_saved.unreadableRows));
    problem->setVisible(!problem->text().isEmpty());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(10);
    layout->addWidget(intro);
    layout->addWidget(problem);
    for (const journey::TriggerName &name : journey::triggerNames()) {
        if (name.trigger == journey::Trigger::NotSaid)
            continue;
        auto *edit = new PlanEdit(QStringLiteral("txtplan") + QLatin1String(name.key), this);
        edit->setTrigger(name.trigger);
        edit->setPlan(m_saved.plan(name.trigger));
        edit->setReadOnly(!m_saved.readable);
        m_edits[name.trigger] = edit;
        layout->addWidget(edit);
    }

    int leadWidth = 0;
    for (const auto &[trigger, edit] : m_edits)
        leadWidth = std::max(leadWidth, edit->leadWidth());
    for (const auto &[trigger, edit] : m_edits)
        edit->setLeadWidth(leadWidth);

    QPushButton *saveButton = m_saveButton = controls::button(this, QStringLiteral("cmdsaveplans"), tr("Save"));
    QPushButton *cancelButton = controls::button(this, QStringLiteral("cmdcancelplans"), tr("Cancel"));
    saveButton->setEnabled(m_saved.readable);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    setMinimumWidth(640);

    connect(saveButton, &QPushButton::clicked, this, &PlansDialog::save);
    // Enter in any line is Save, and nothing while the plans cannot be saved.
    for (const auto &[trigger, edit] : m_edits)
        connect(edit, &PlanEdit::submitted, saveButton, &QPushButton::click);
    connect(cancelButton, &QPushButton::clicked, this, &PlansDialog::reject);
}

// Plan by plan, what changed, in one go. The first that fails is said, and
// the dialog stays with everything as typed; the plans saved before it are
// kept.
void PlansDialog::save()
{
    if (m_writing > 0)
        return;
    m_failed = false;
    for (const auto &[trigger, edit] : m_edits) {
        const QString plan = edit->plan();
        if (plan == m_saved.plan(trigger))
            continue;
        ++m_writing;
        emit planWriteRequested(trigger, plan);
    }
    if (m_writing == 0)
        accept();
    else
        m_saveButton->setEnabled(false);
}

void PlansDialog::takePlanWritten(const textfiles::WriteResult &written)
{
    if (m_writing == 0)
        return;
    --m_writing;
    if (!written.ok && !std::exchange(m_failed, true))
        m_environment.messages->reportNotSaved(tr("Your plans could not be saved in %1: %2"),
                                               journey::PlansFile::ofUser(m_environment).path(), written.error, this);
    if (m_writing > 0)
        return;
    m_saveButton->setEnabled(m_saved.readable);
    if (!m_failed)
        accept();
}

// What the user typed over stays; the rest shows the plans as they now are.
void PlansDialog::setPlans(const journey::PlanBook &plans)
{
    for (const auto &[trigger, edit] : m_edits) {
        if (edit->plan() == m_saved.plan(trigger))
            edit->setPlan(plans.plan(trigger));
    }
    m_saved.plans = plans.plans;
}
