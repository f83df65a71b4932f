#include "journey/rideitoutwindow.h"

#include "journey/cravingsaver.h"
#include "journey/journeytext.h"
#include "journey/planedit.h"
#include "journey/slipdialog.h"
#include "journey/slipnote.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "platform/textfiles.h"
#include "progress/statistics.h"
#include "records/datafiles.h"
#include "records/sharedstate.h"
#include "richtext/documentfile.h"
#include "ui/clickablelabel.h"
#include "ui/controls.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

// The reasons show their first lines, each at most so long: a glance, not the page.
constexpr int reasonLines = 3;
constexpr int reasonLineLength = 160;
// Personal reasons are a page or two; a larger file waits for the coach's tab,
// so that the window opens at once.
constexpr qint64 reasonsReadLimit = 256 * 1024;
constexpr int stepColumns = 2;

QLabel *heading(QWidget *parent, const QString &objectName, const QString &text)
{
    QLabel *label = controls::label(parent, objectName, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void setQuiet(QLabel *label, bool quiet)
{
    controls::setTextColour(label, quiet ? look::Role::QuietText : look::Role::Text);
}

// The first lines of the user's personal reasons, or nothing when there are
// none to show: no file of theirs, one that cannot be read, or the coach's
// invitation to write them.
QString firstReasons(const Environment &environment)
{
    const QString path = datafiles::path(environment, datafiles::File::PersonalReasons);
    if (QFileInfo(path).size() > reasonsReadLimit)
        return QString();
    QTextDocument document;
    if (!richtext::loadFile(path, &document, environment.userDataFolder).ok)
        return QString();
    const QString invitation = QCoreApplication::translate("CoachTab", "Enter your personal reason not to smoke here.");
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid() && lines.size() < reasonLines; block = block.next()) {
        QString line = block.text().remove(QChar::ObjectReplacementCharacter).simplified();
        if (line.isEmpty() || line == invitation)
            continue;
        if (line.size() > reasonLineLength)
            line = line.left(reasonLineLength - 1).trimmed() + QChar(0x2026);
        lines << line;
    }
    return lines.join(u'\n');
}

// What the counter has won so far, in the counter's own words; what cannot
// be told is left out.
QString smokeFreeSoFar(const SharedState &state)
{
    const SmokeFreeTime &shown = state.shown;
    QStringList sentences{
        RideItOutWindow::tr("Smoke-free for %1.")
            .arg(journey::daysAndHours(shown.days * journey::secondsPerDay + shown.hours * journey::secondsPerHour))};
    const QString money = statistics::sentences(shown, state.profile).money;
    if (!money.isEmpty())
        sentences << money;
    return sentences.join(u' ');
}

} // namespace

RideItOutWindow::RideItOutWindow(const Environment &environment, const SharedState &state, QWidget *parent)
    : QWidget(parent, Qt::Window), m_environment(environment), m_state(state), m_openedAt(environment.clock->now())
{
    m_clock.start();
    m_elapsed = [this] { return m_clock.elapsed(); };
    setObjectName(QStringLiteral("frmrideitout"));
    setWindowTitle(tr("Ride it out"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent)
        setWindowIcon(parent->windowIcon());
    m_countdownTimer = new QTimer(this);
    m_countdownTimer->setObjectName(QStringLiteral("tmrrideitout"));
    m_countdownTimer->setSingleShot(true);

    auto *left = new QVBoxLayout;
    left->setSpacing(12);
    left->addWidget(buildCountdown());
    left->addWidget(buildReasons());
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(buildTrigger());
    right->addWidget(buildSteps());
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->setSpacing(24);
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);

    QPushButton *passed = controls::button(this, QStringLiteral("cmdridepassed"), tr("It passed"));
    QPushButton *smoked = controls::button(this, QStringLiteral("cmdridesmoked"), tr("I smoked"));
    for (QPushButton *button : {passed, smoked})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(passed);
    buttons->addWidget(smoked);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(14);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(m_countdownTimer, &QTimer::timeout, this, &RideItOutWindow::showCountdown);
    connect(passed, &QPushButton::clicked, this, &RideItOutWindow::logPassed);
    connect(smoked, &QPushButton::clicked, this, &RideItOutWindow::logSmoked);
    showCountdown();
    showPlan();
    m_trigger->setFocus();
}

RideItOutWindow::~RideItOutWindow() = default;

QWidget *RideItOutWindow::buildCountdown()
{
    auto *box = new QWidget(this);
    m_countdown = controls::label(box, QStringLiteral("lblcountdown"), QString());
    m_countdown->setAccessibleDescription(tr("Time left, in minutes and seconds"));
    QFont big = m_countdown->font();
    big.setPointSizeF(big.pointSizeF() * 3);
    big.setBold(true);
    m_countdown->setFont(big);
    m_countdown->setAlignment(Qt::AlignCenter);
    // Room for the widest time, so the window does not move as it counts.
    m_countdown->setMinimumWidth(m_countdown->fontMetrics().horizontalAdvance(QStringLiteral("00:00")));
    QLabel *pass = controls::textLabel(box, QStringLiteral("lblcravingspass"),
                                       tr("Cravings rise, peak and pass, most within five minutes."));
    pass->setAlignment(Qt::AlignCenter);
    m_stillThere = controls::textLabel(box, QStringLiteral("lblstillthere"), tr("Still there? Keep going, or log it."));
    m_stillThere->setAlignment(Qt::AlignCenter);
    QFont bold = m_stillThere->font();
    bold.setBold(true);
    m_stillThere->setFont(bold);
    m_stillThere->hide();
    m_pacer = new BreathingPacer(box);

    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_countdown);
    layout->addWidget(pass);
    layout->addWidget(m_stillThere);
    layout->addSpacing(6);
    layout->addWidget(m_pacer);
    return box;
}

QWidget *RideItOutWindow::buildReasons()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(box, QStringLiteral("lblwhy"), tr("Why you are doing this")));
    layout->addWidget(controls::textLabel(box, QStringLiteral("lblsmokefree"), smokeFreeSoFar(m_state)));
    m_reasons = box;
    return box;
}

// The reasons are a rich text file to parse: they come once the window has
// been painted, so that it opens at once. Queued when it is shown, they would
// be parsed before its first paint, which waits for the display's expose.
void RideItOutWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!std::exchange(m_reasonsShown, true))
        QTimer::singleShot(0, this, &RideItOutWindow::showReasons);
}

void RideItOutWindow::showReasons()
{
    const QString reasons = firstReasons(m_environment);
    if (reasons.isEmpty())
        return;
    QLabel *lines = controls::textLabel(m_reasons, QStringLiteral("lblreasons"), reasons);
    QFont italic = lines->font();
    italic.setItalic(true);
    lines->setFont(italic);
    // Under the heading, over what was won so far.
    static_cast<QVBoxLayout *>(m_reasons->layout())->insertWidget(1, lines);
}

QWidget *RideItOutWindow::buildTrigger()
{
    auto *box = new QWidget(this);
    QLabel *title = heading(box, QStringLiteral("lblwhatsetoff"), tr("What set it &off?"));
    m_trigger = new QComboBox(box);
    m_trigger->setObjectName(QStringLiteral("cbotrigger"));
    m_trigger->setAccessibleName(tr("What set it off?"));
    for (const journey::TriggerName &name : journey::triggerNames()) {
        if (name.trigger != journey::Trigger::NotSaid)
            m_trigger->addItem(journey::triggerCaption(name.trigger), static_cast<int>(name.trigger));
    }
    // Nothing chosen for the user: a trigger picked for them would count as theirs.
    m_trigger->setPlaceholderText(tr("Choose..."));
    m_trigger->setCurrentIndex(-1);
    m_trigger->setMaxVisibleItems(m_trigger->count());
    title->setBuddy(m_trigger);

    m_planArea = new QWidget(box);
    m_plan = controls::textLabel(m_planArea, QStringLiteral("lblplan"), QString());
    m_changePlan = controls::button(m_planArea, QStringLiteral("cmdchangeplan"), tr("Change my plan"));
    m_changePlan->setAutoDefault(false);
    m_planEditor = new QWidget(m_planArea);
    m_planEdit = new PlanEdit(QStringLiteral("txtrideplan"), m_planEditor);
    QPushButton *save = controls::button(m_planEditor, QStringLiteral("cmdsaveplan"), tr("Save plan"));
    QPushButton *cancel = controls::button(m_planEditor, QStringLiteral("cmdcancelplan"), tr("Cancel"));
    auto *editorButtons = new QHBoxLayout;
    editorButtons->addStretch();
    editorButtons->addWidget(save);
    editorButtons->addWidget(cancel);
    auto *editorLayout = new QVBoxLayout(m_planEditor);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->addWidget(m_planEdit);
    editorLayout->addLayout(editorButtons);
    m_planEditor->hide();
    m_helped = controls::textLabel(m_planArea, QStringLiteral("lblhelped"), QString());
    m_helped->hide();
    auto *planLayout = new QVBoxLayout(m_planArea);
    planLayout->setContentsMargins(0, 0, 0, 0);
    planLayout->addWidget(m_plan);
    planLayout->addWidget(m_changePlan, 0, Qt::AlignLeft);
    planLayout->addWidget(m_planEditor);
    planLayout->addWidget(m_helped);
    m_planArea->hide();

    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addWidget(m_trigger);
    layout->addWidget(m_planArea);

    connect(m_trigger, &QComboBox::currentIndexChanged, this, [this] {
        closePlanEditor();
        showPlan();
    });
    connect(m_changePlan, &QPushButton::clicked, this, &RideItOutWindow::editPlan);
    connect(save, &QPushButton::clicked, this, [this] { savePlan(); });
    connect(m_planEdit, &PlanEdit::submitted, this, [this] { savePlan(); });
    connect(cancel, &QPushButton::clicked, this, &RideItOutWindow::closePlanEditor);
    return box;
}

QWidget *RideItOutWindow::buildSteps()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    int index = 0;
    for (const journey::CopingStepName &name : journey::copingSteps()) {
        auto *step = new QCheckBox(journey::copingStepCaption(name.step), box);
        step->setObjectName(QStringLiteral("chkstep") + QLatin1String(name.key));
        grid->addWidget(step, index / stepColumns, index % stepColumns);
        m_steps[name.step] = step;
        ++index;
    }
    auto *talk = new ClickableLabel(box, QStringLiteral("lbltalk"), tr("Talk to someone"));
    talk->setAccessibleDescription(tr("Opens the help page at the quitlines for your country"));
    QFont underlined = talk->font();
    underlined.setUnderline(true);
    talk->setFont(underlined);
    controls::setTextColour(talk, look::Role::Link);

    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(box, QStringLiteral("lblwhatdid"), tr("What did you do?")));
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addWidget(talk, 0, Qt::AlignLeft);
    connect(talk, &ClickableLabel::clicked, this, &RideItOutWindow::quitlinesRequested);
    return box;
}

// A plan being edited follows the new one, unless the user typed over it.
void RideItOutWindow::setPlans(const journey::PlanBook &plans)
{
    const bool editing = m_planEditor->isVisible();
    const journey::Trigger edited = m_planEdit->trigger();
    if (editing && m_read && m_planEdit->plan() == m_facts.plans.plan(edited))
        m_planEdit->setPlan(plans.plan(edited));
    m_facts.plans = plans;
    m_read = true;
    showPlan();
}

void RideItOutWindow::setHelped(const journey::WhatHelped &helped)
{
    m_facts.helped = helped;
    showPlan();
}

void RideItOutWindow::setElapsedSource(BreathingPacer::Elapsed elapsed)
{
    m_elapsed = elapsed;
    m_pacer->setElapsedSource(std::move(elapsed));
    showCountdown();
}

// Shown to the second, and then waits for the next second to show.
void RideItOutWindow::showCountdown()
{
    const qint64 leftMilliseconds = std::max<qint64>(0, countdownSeconds * 1000LL - std::max<qint64>(0, m_elapsed()));
    const qint64 left = (leftMilliseconds + 999) / 1000;
    controls::setText(m_countdown, tr("%1:%2").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0')));
    if (left == 0) {
        m_stillThere->show();
        m_countdownTimer->stop();
        return;
    }
    m_countdownTimer->start(int(leftMilliseconds - (left - 1) * 1000));
}

journey::Trigger RideItOutWindow::chosenTrigger() const
{
    return m_trigger->currentIndex() < 0 ? journey::Trigger::NotSaid
                                         : static_cast<journey::Trigger>(m_trigger->currentData().toInt());
}

void RideItOutWindow::showPlan()
{
    const journey::Trigger trigger = chosenTrigger();
    m_planArea->setVisible(trigger != journey::Trigger::NotSaid);
    if (trigger == journey::Trigger::NotSaid || m_planEditor->isVisible())
        return;
    const journey::PlanBook &book = m_facts.plans;
    QString text;
    bool quiet = false;
    if (!m_read) {
        text = tr("Reading your plans...");
        quiet = true;
    } else if (!book.readable) {
        text = tr("Your plans could not be read from %1: %2.")
                   .arg(QDir::toNativeSeparators(journey::PlansFile::ofUser(m_environment).path()), book.problem);
    } else if (const QString plan = book.plan(trigger); !plan.isEmpty()) {
        text = tr("Your plan: %1").arg(PlanEdit::sentence(trigger, plan));
    } else {
        const QString suggestion = journey::suggestedPlan(trigger);
        text = suggestion.isEmpty()
                   ? tr("No plan for %1 yet.").arg(journey::triggerCaption(trigger))
                   : tr("No plan for %1 yet. A suggestion: %2")
                         .arg(journey::triggerCaption(trigger), PlanEdit::sentence(trigger, suggestion));
        quiet = true;
    }
    m_plan->setText(text);
    m_plan->setAccessibleDescription(text);
    setQuiet(m_plan, quiet);
    m_plan->show();
    m_changePlan->show();
    m_changePlan->setEnabled(m_read && book.readable);
    const QString helped = m_read ? journey::helpedAgainstSentence(m_facts.helped, trigger) : QString();
    m_helped->setText(helped);
    m_helped->setAccessibleDescription(helped);
    m_helped->setVisible(!helped.isEmpty());
}

void RideItOutWindow::editPlan()
{
    const journey::Trigger trigger = chosenTrigger();
    m_planEdit->setTrigger(trigger);
    m_planEdit->setPlan(m_facts.plans.plan(trigger));
    m_plan->hide();
    m_changePlan->hide();
    m_planEditor->show();
    m_planEdit->setFocus();
}

void RideItOutWindow::savePlan(Then then)
{
    if (std::exchange(m_writingPlan, true))
        return;
    m_afterPlan = std::move(then);
    emit planWriteRequested(m_planEdit->trigger(), m_planEdit->plan());
}

// The plans the host holds have the new one by now.
void RideItOutWindow::takePlanWritten(const textfiles::WriteResult &written)
{
    if (!std::exchange(m_writingPlan, false))
        return;
    const Then then = std::exchange(m_afterPlan, nullptr);
    if (!written.ok) {
        m_environment.messages->reportNotSaved(tr("Your plan could not be saved in %1: %2"),
                                               journey::PlansFile::ofUser(m_environment).path(), written.error, this);
        return;
    }
    closePlanEditor();
    if (then)
        then();
}

void RideItOutWindow::keepTypedPlan(Then then)
{
    if (!m_planEditor->isVisible() || m_planEdit->plan() == m_facts.plans.plan(m_planEdit->trigger())) {
        then();
        return;
    }
    savePlan(std::move(then));
}

void RideItOutWindow::closePlanEditor()
{
    const bool editing = m_planEditor->isVisible();
    m_planEditor->hide();
    showPlan();
    if (editing)
        m_changePlan->setFocus();
}

journey::Craving RideItOutWindow::craving(journey::Outcome outcome) const
{
    journey::Craving craving;
    craving.time = m_openedAt;
    craving.trigger = chosenTrigger();
    craving.outcome = outcome;
    // A window left open past a day is not a craving's length: the file
    // keeps the craving without one.
    const qint64 seconds = std::max<qint64>(0, m_elapsed()) / 1000;
    if (seconds <= journey::maximumSeconds)
        craving.seconds = int(seconds);
    for (const auto &[step, box] : m_steps) {
        if (box->isChecked())
            craving.steps.append(step);
    }
    return craving;
}

// The window steps aside while the craving is written; it comes back as it
// was if the write fails.
void RideItOutWindow::logPassed()
{
    const journey::Craving passed = craving(journey::Outcome::Passed);
    keepTypedPlan([this, passed] {
        m_slip = nullptr;
        writeCraving(passed);
        if (m_writingCraving)
            hide();
    });
}

void RideItOutWindow::writeCraving(const journey::Craving &craving)
{
    if (std::exchange(m_writingCraving, true))
        return;
    emit cravingWriteRequested(craving);
}

void RideItOutWindow::takeCravingWritten(const journey::AppendResult &written)
{
    if (!std::exchange(m_writingCraving, false))
        return;
    if (m_slip) {
        const bool logged = journey::tellCravingWritten(m_environment, written, m_slip);
        m_finished = logged;
        m_slip->takeLogged(logged);
        return;
    }
    if (!written.ok) {
        show();
        raise();
    }
    if (journey::tellCravingWritten(m_environment, written, this))
        finish();
}

// The time counts up to the press; the questions after it are not the craving.
void RideItOutWindow::logSmoked()
{
    const journey::Craving smoked = craving(journey::Outcome::Smoked);
    // Before the slip dialog, which offers the plan for next time as the user's plans hold it.
    keepTypedPlan([this, smoked] {
        auto *slip = new SlipDialog(
            m_environment, smoked.trigger, m_facts.plans.plan(smoked.trigger),
            [this, smoked](const journey::SlipAnswers &answers) {
                journey::Craving logged = smoked;
                logged.note = journey::noteWithSlipAnswers(answers);
                writeCraving(logged);
            },
            this);
        m_slip = slip;
        connect(slip, &SlipDialog::resetRequested, this, &RideItOutWindow::resetRequested);
        connect(slip, &QDialog::finished, this, [this] {
            if (m_finished)
                close();
        });
        emit slipOpened(slip);
        slip->open();
    });
}

// The craving goes unlogged, not the plan the user typed.
void RideItOutWindow::finishWithoutLogging()
{
    keepTypedPlan([this] { finish(); });
}

void RideItOutWindow::finish()
{
    m_finished = true;
    close();
}

void RideItOutWindow::closeEvent(QCloseEvent *event)
{
    if (m_finished) {
        m_countdownTimer->stop();
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    askWhetherToLog();
}

// Most cravings that end this way did pass: that is the answer Return gives.
void RideItOutWindow::askWhetherToLog()
{
    if (m_closeQuestion) {
        m_closeQuestion->raise();
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Question, tr("Ride it out"), tr("Log this craving before you go?"),
                                QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("msgrideclose"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *passed = box->addButton(tr("Yes, it passed"), QMessageBox::AcceptRole);
    QPushButton *without = box->addButton(tr("No, don't log it"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box->addButton(QMessageBox::Cancel);
    passed->setObjectName(QStringLiteral("cmdclosepassed"));
    without->setObjectName(QStringLiteral("cmdclosewithout"));
    cancel->setObjectName(QStringLiteral("cmdclosecancel"));
    box->setDefaultButton(passed);
    box->setEscapeButton(cancel);
    connect(box, &QMessageBox::buttonClicked, this, [this, passed, without](QAbstractButton *button) {
        if (button == passed)
            logPassed();
        else if (button == without)
            finishWithoutLogging();
    });
    m_closeQuestion = box;
    box->open();
}

void RideItOutWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        // In the plan editor, Escape leaves the editor, not the craving.
        if (m_planEditor->isVisible() && m_planEditor->isAncestorOf(focusWidget()))
            closePlanEditor();
        else
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}
