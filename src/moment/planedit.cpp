#include "moment/planedit.h"

#include "moment/plans.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
const char *const usualLead = QT_TRANSLATE_NOOP("PlanEdit", "When %1, I will");
}

PlanEdit::PlanEdit(const QString &objectName, QWidget *parent, const char *lead)
    : QWidget(parent), m_lead(lead ? lead : usualLead)
{
    m_leadLabel = new QLabel(this);
    m_leadLabel->setTextFormat(Qt::PlainText);
    m_line = new QLineEdit(this);
    m_line->setObjectName(objectName);
    m_line->setMaxLength(journey::maximumPlanLength);
    m_line->setClearButtonEnabled(true);
    m_leadLabel->setBuddy(m_line);
    m_take = new QToolButton(this);
    m_take->setObjectName(objectName + QStringLiteral("use"));
    m_take->setText(tr("Use this"));
    setFocusProxy(m_line);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_leadLabel);
    layout->addWidget(m_line, 1);
    layout->addWidget(m_take);

    connect(m_take, &QToolButton::clicked, this, &PlanEdit::takeSuggestion);
    connect(m_line, &QLineEdit::textChanged, this, &PlanEdit::showSuggestion);
    setTrigger(m_trigger);
}

QString PlanEdit::sentence(journey::Trigger trigger, const QString &plan)
{
    return tr("%1 %2").arg(tr(usualLead).arg(journey::triggerCaption(trigger)), plan);
}

void PlanEdit::setTrigger(journey::Trigger trigger)
{
    m_trigger = trigger;
    const QString caption = journey::triggerCaption(trigger);
    m_leadLabel->setText(tr(m_lead).arg(caption));
    m_line->setAccessibleName(m_leadLabel->text());
    showSuggestion();
}

QString PlanEdit::plan() const
{
    return journey::keptPlan(m_line->text());
}

void PlanEdit::setPlan(const QString &plan)
{
    m_line->setText(plan);
}

void PlanEdit::setReadOnly(bool readOnly)
{
    m_line->setReadOnly(readOnly);
    showSuggestion();
}

int PlanEdit::leadWidth() const
{
    return m_leadLabel->sizeHint().width();
}

void PlanEdit::setLeadWidth(int width)
{
    m_leadLabel->setMinimumWidth(width);
}

void PlanEdit::takeSuggestion()
{
    m_line->setText(journey::suggestedPlan(m_trigger));
    m_line->setFocus();
}

// The suggestion is there to take while the line is empty.
void PlanEdit::showSuggestion()
{
    const QString suggestion = journey::suggestedPlan(m_trigger);
    m_line->setPlaceholderText(suggestion);
    m_line->setAccessibleDescription(suggestion.isEmpty() ? QString() : tr("Suggestion: %1").arg(suggestion));
    m_take->setAccessibleName(tr("Use the suggestion for %1").arg(journey::triggerCaption(m_trigger)));
    m_take->setVisible(m_line->text().isEmpty() && !suggestion.isEmpty() && !m_line->isReadOnly());
}

// The line lets Enter go on to its parent once it has taken it: it ends here.
void PlanEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit submitted();
        return;
    }
    QWidget::keyPressEvent(event);
}
