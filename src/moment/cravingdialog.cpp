#include "moment/cravingdialog.h"

#include "moment/cravingsaver.h"
#include "moment/slipdialog.h"
#include "moment/slipnote.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "ui/controls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include <utility>

namespace {

// The strength chosen when the dialog opens.
constexpr int usualStrength = 3;
constexpr int triggerColumns = 2;

// How far back a craving noted late may be put.
const struct
{
    int minutesAgo;
    const char *caption;
} whenChoices[] = {
    {0, QT_TRANSLATE_NOOP("CravingDialog", "Now")},
    {15, QT_TRANSLATE_NOOP("CravingDialog", "15 minutes ago")},
    {30, QT_TRANSLATE_NOOP("CravingDialog", "30 minutes ago")},
    {60, QT_TRANSLATE_NOOP("CravingDialog", "1 hour ago")},
    {2 * 60, QT_TRANSLATE_NOOP("CravingDialog", "2 hours ago")},
    {3 * 60, QT_TRANSLATE_NOOP("CravingDialog", "3 hours ago")},
    {6 * 60, QT_TRANSLATE_NOOP("CravingDialog", "6 hours ago")},
    {12 * 60, QT_TRANSLATE_NOOP("CravingDialog", "12 hours ago")},
    {24 * 60, QT_TRANSLATE_NOOP("CravingDialog", "24 hours ago")},
};

QLabel *quietLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    controls::setTextColour(label, look::Role::QuietText);
    return label;
}

} // namespace

CravingDialog::CravingDialog(const Environment &environment, QWidget *parent)
    : QDialog(parent), m_environment(environment)
{
    setObjectName(QStringLiteral("frmcraving"));
    setWindowTitle(tr("Log a craving"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own takes its parent's icon only when told; the look is the application's.
    if (parent)
        setWindowIcon(parent->windowIcon());

    QWidget *strength = buildStrength();
    m_triggers = buildTriggers();
    m_note = buildNote();
    m_when = buildWhen();
    m_noteRoom = quietLabel(QString(), this);
    m_noteRoom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    keepNoteWithinLimit();
    QPushButton *passedButton = controls::button(this, QStringLiteral("cmdpassed"), tr("It passed"));
    QPushButton *smokedButton = controls::button(this, QStringLiteral("cmdsmoked"), tr("I smoked"));
    QPushButton *cancelButton = controls::button(this, QStringLiteral("cmdcancel"), tr("Cancel"));
    // None is the answer that Return gives from anywhere in the dialog.
    for (QPushButton *button : {passedButton, smokedButton, cancelButton})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(passedButton);
    buttons->addWidget(smokedButton);
    buttons->addSpacing(12);
    buttons->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(14);
    layout->addLayout(buildSection(tr("How &strong?"), strength));
    layout->addLayout(buildSection(tr("What set it &off?"), m_triggers));
    layout->addLayout(buildSection(tr("A &note"), m_note, m_noteRoom));
    layout->addLayout(buildSection(tr("&When?"), m_when));
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    spreadTriggers(strength->sizeHint().width());

    connect(passedButton, &QPushButton::clicked, this, &CravingDialog::savePassed);
    connect(smokedButton, &QPushButton::clicked, this, &CravingDialog::askAfterSmoking);
    connect(cancelButton, &QPushButton::clicked, this, &CravingDialog::reject);
    connect(m_note, &QPlainTextEdit::textChanged, this, &CravingDialog::keepNoteWithinLimit);
    strength->setFocus();
}

QWidget *CravingDialog::buildStrength()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(quietLabel(tr("mild"), row));
    m_strength = new QButtonGroup(row);
    for (int strength = journey::minimumStrength; strength <= journey::maximumStrength; ++strength) {
        auto *choice = new QRadioButton(QString::number(strength), row);
        choice->setObjectName(QStringLiteral("optstrength%1").arg(strength));
        choice->setAccessibleName(tr("Strength %1 of %2").arg(strength).arg(journey::maximumStrength));
        m_strength->addButton(choice, strength);
        layout->addWidget(choice);
    }
    layout->addWidget(quietLabel(tr("very strong"), row));
    layout->addStretch();
    // The row takes the focus on its chosen button, whichever that is.
    connect(m_strength, &QButtonGroup::idToggled, row, [row, this](int id, bool checked) {
        if (checked)
            row->setFocusProxy(m_strength->button(id));
    });
    m_strength->button(usualStrength)->setChecked(true);
    return row;
}

QListWidget *CravingDialog::buildTriggers()
{
    auto *list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lsttrigger"));
    for (const journey::TriggerName &name : journey::triggerNames()) {
        if (name.trigger == journey::Trigger::NotSaid)
            continue;
        auto *item = new QListWidgetItem(journey::triggerCaption(name.trigger), list);
        item->setData(Qt::UserRole, static_cast<int>(name.trigger));
    }
    // Nothing chosen at first: a trigger picked for the user would count as
    // theirs. The list's current item, where the keyboard enters it, is not
    // a choice until it is selected.
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QPlainTextEdit *CravingDialog::buildNote()
{
    auto *note = new QPlainTextEdit(this);
    note->setObjectName(QStringLiteral("txtcravingnote"));
    note->setPlaceholderText(tr("Optional: where you were, what helped..."));
    note->setTabChangesFocus(true);
    const int margins = 2 * (note->frameWidth() + int(note->document()->documentMargin()));
    note->setFixedHeight(3 * note->fontMetrics().lineSpacing() + margins);
    return note;
}

QComboBox *CravingDialog::buildWhen()
{
    auto *when = new QComboBox(this);
    when->setObjectName(QStringLiteral("cbocravingwhen"));
    for (const auto &choice : whenChoices)
        when->addItem(tr(choice.caption), choice.minutesAgo);
    when->setMaxVisibleItems(int(std::size(whenChoices)));
    return when;
}

// Every trigger in sight at once, in columns as wide as the dialog allows.
void CravingDialog::spreadTriggers(int width)
{
    const QFontMetrics metrics = m_triggers->fontMetrics();
    int widest = 0;
    for (int row = 0; row < m_triggers->count(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(m_triggers->item(row)->text()));
    const int border = 2 * m_triggers->frameWidth() + 4;
    const int columnWidth = std::max(widest + 4 * metrics.averageCharWidth(), (width - border) / triggerColumns);
    const QSize cell(columnWidth, metrics.height() + 10);
    m_triggers->setGridSize(cell);
    for (int row = 0; row < m_triggers->count(); ++row)
        m_triggers->item(row)->setSizeHint(cell - QSize(2, 2));
    const int rows = (std::max(m_triggers->count(), 1) + triggerColumns - 1) / triggerColumns;
    m_triggers->setFixedSize(triggerColumns * cell.width() + border, rows * cell.height() + border);
}

// A heading over its answer; the heading names the answer for a screen
// reader, and its underlined letter with Alt goes there.
QLayout *CravingDialog::buildSection(const QString &heading, QWidget *answer, QWidget *beside)
{
    auto *label = new QLabel(heading, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setBuddy(answer);
    answer->setAccessibleName(QString(heading).remove(QLatin1Char('&')));

    auto *top = new QHBoxLayout;
    top->addWidget(label);
    top->addStretch();
    if (beside)
        top->addWidget(beside);
    auto *section = new QVBoxLayout;
    section->setSpacing(6);
    section->addLayout(top);
    section->addWidget(answer);
    return section;
}

// However the text comes (typed, pasted, dropped), what goes over the limit
// is taken off the end of what just came in, in the same step to undo.
void CravingDialog::keepNoteWithinLimit()
{
    const qsizetype length = m_note->toPlainText().size();
    const qsizetype excess = length - journey::maximumNoteLength;
    if (excess > 0) {
        QTextCursor cursor = m_note->textCursor();
        const int end = cursor.position();
        int start = std::max(0, end - int(excess));
        // Never half of a character that takes two.
        if (start > 0 && m_note->document()->characterAt(start).isLowSurrogate())
            --start;
        cursor.joinPreviousEditBlock();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.endEditBlock();
        m_note->setTextCursor(cursor);
        return;
    }
    m_noteRoom->setText(tr("%1 of %2").arg(length).arg(journey::maximumNoteLength));
    m_noteRoom->setAccessibleDescription(tr("%1 of %2 characters").arg(length).arg(journey::maximumNoteLength));
}

journey::Craving CravingDialog::chosenCraving(journey::Outcome outcome) const
{
    journey::Craving craving;
    // Whole seconds, as the file keeps them; back in real time, whatever
    // the clocks did in between.
    const qint64 minutesAgo = m_when->currentData().toInt();
    craving.time = QDateTime::fromSecsSinceEpoch(m_environment.clock->now().toSecsSinceEpoch() - minutesAgo * 60);
    craving.strength = m_strength->checkedId();
    const QList<QListWidgetItem *> chosen = m_triggers->selectedItems();
    craving.trigger = chosen.isEmpty() ? journey::Trigger::NotSaid
                                       : static_cast<journey::Trigger>(chosen.first()->data(Qt::UserRole).toInt());
    craving.note = m_note->toPlainText().left(journey::maximumNoteLength);
    craving.outcome = outcome;
    return craving;
}

// One craving at a time: a second press while it is written waits for it.
void CravingDialog::save(const journey::Craving &craving)
{
    if (std::exchange(m_writing, true))
        return;
    emit cravingWriteRequested(craving);
}

void CravingDialog::setPlans(const journey::PlanBook &plans)
{
    m_plans = plans;
}

void CravingDialog::takeCravingWritten(const journey::AppendResult &written)
{
    if (!std::exchange(m_writing, false))
        return;
    const bool logged =
        journey::tellCravingWritten(m_environment, written, m_slip ? static_cast<QWidget *>(m_slip.data()) : this);
    if (m_slip)
        m_slip->takeLogged(logged);
    else if (logged)
        accept();
}

void CravingDialog::savePassed()
{
    m_slip = nullptr;
    save(chosenCraving(journey::Outcome::Passed));
}

// The craving as chosen when "I smoked" was pressed, with the answers that
// follow after its note.
void CravingDialog::askAfterSmoking()
{
    const journey::Craving smoked = chosenCraving(journey::Outcome::Smoked);
    auto *slip = new SlipDialog(
        m_environment, smoked.trigger, m_plans.plan(smoked.trigger),
        [this, smoked](journey::SlipAnswers answers) {
            answers.note = smoked.note;
            journey::Craving logged = smoked;
            logged.note = journey::noteWithSlipAnswers(answers);
            save(logged);
        },
        this);
    m_slip = slip;
    connect(slip, &SlipDialog::resetRequested, this, &CravingDialog::resetRequested);
    connect(slip, &QDialog::finished, this, [this, slip] {
        if (slip->isLogged())
            accept();
    });
    emit slipOpened(slip);
    slip->open();
}

void CravingDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
        button->click();
    event->accept();
}
