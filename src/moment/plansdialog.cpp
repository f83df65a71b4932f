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

PlansDialog::PlansDialog(const Environment &environment, QWidget *parent)
    : QDialog(parent), m_environment(environment), m_file(journey::PlansFile::ofUser(environment)),
      m_saved(m_file.read())
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
        problem->setText(tr("Your plans could not be read from %1: %2. The file is left as it is, and nothing here "
                            "can be saved until it can be read.")
                             .arg(QDir::toNativeSeparators(m_file.path()), m_saved.problem));
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

    QPushButton *saveButton = controls::button(this, QStringLiteral("cmdsaveplans"), tr("Save"));
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

// Plan by plan, what changed. The first that fails is said, and the dialog
// stays with everything as typed; the plans saved before it are in the file.
void PlansDialog::save()
{
    bool changed = false;
    for (const auto &[trigger, edit] : m_edits) {
        const QString plan = edit->plan();
        if (plan == m_saved.plan(trigger))
            continue;
        const textfiles::WriteResult written = m_file.setPlan(trigger, plan);
        if (!written.ok) {
            m_environment.messages->reportNotSaved(tr("Your plans could not be saved in %1: %2"), m_file.path(),
                                                   written.error, this);
            if (changed)
                emit plansSaved();
            return;
        }
        m_saved.plans[trigger] = plan;
        changed = true;
    }
    if (changed)
        emit plansSaved();
    accept();
}
