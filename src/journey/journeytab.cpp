#include "journey/journeytab.h"

#include "journey/attempts.h"
#include "journey/chartsloader.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/messageservice.h"
#include "platform/savelocation.h"
#include "platform/textfiles.h"
#include "records/datafiles.h"
#include "records/sharedstate.h"
#include "ui/controls.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <utility>

namespace {

// The program's calm greens for the bars, with the warm orange and the blue
// of its pictures for what stands out, in the look shown.
journey::charts::Palette chartPalette()
{
    return {.bars = look::colour(look::Role::Highlight),
            .current = look::colour(look::Role::ChartCurrent),
            .muted = look::colour(look::Role::ChartMuted),
            .line = look::colour(look::Role::ChartLine),
            .text = look::colour(look::Role::Text),
            .grid = look::colour(look::Role::ChartGrid),
            .background = look::colour(look::Role::Base)};
}

// A file of cravings that could not be read, in a sentence.
QString unreadFile(const journey::FileProblem &problem)
{
    return JourneyTab::tr("%1 could not be read: %2.").arg(QDir::toNativeSeparators(problem.path), problem.reason);
}

} // namespace

JourneyTab::JourneyTab(const Environment &environment, const SharedState &state, QWidget *parent)
    : LazyPage(parent), m_environment(environment), m_state(state)
{
    setObjectName(QStringLiteral("journeytab"));
    m_nextChange = new QTimer(this);
    m_nextChange->setObjectName(QStringLiteral("tmrjourney"));
    m_nextChange->setSingleShot(true);
    connect(m_nextChange, &QTimer::timeout, this, &JourneyTab::refresh);
}

JourneyTab::~JourneyTab() = default;

void JourneyTab::buildPanels()
{
    const journey::charts::LoadedMaker loaded = journey::charts::loadMaker(m_environment.moduleFolder);
    m_chartMaker = loaded.maker;
    m_chartsProblem = loaded.problem;

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The keyboard goes from control to control, and the page scrolls to each.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *page = new QWidget(scroll);
    scroll->setWidget(page);
    scroll->viewport()->setBackgroundRole(QPalette::Window);

    m_sentences = controls::textLabel(page, QStringLiteral("lbljourney"), tr("Reading your journey..."));
    QFont sentenceFont = m_sentences->font();
    sentenceFont.setPointSizeF(sentenceFont.pointSizeF() * 1.1);
    m_sentences->setFont(sentenceFont);
    m_sentences->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *top = new QHBoxLayout;
    top->addWidget(m_sentences, 1);
    top->addLayout(buildButtons(page));

    m_notes = controls::textLabel(page, QStringLiteral("lbljourneynotes"), QString());
    m_notes->hide();

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(m_notes);
    // Made in reading order, which the keyboard follows.
    if (m_chartMaker)
        layout->addLayout(buildCharts(page));
    auto *tableTitle = controls::label(page, QStringLiteral("lblfigures"), tr("The figures"));
    QFont titleFont = tableTitle->font();
    titleFont.setBold(true);
    tableTitle->setFont(titleFont);
    m_table = buildTable(page);
    tableTitle->setBuddy(m_table);
    layout->addWidget(tableTitle);
    layout->addWidget(m_table, 1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    // Named and drawn empty until the figures are read.
    showCharts(journey::chartViews(journey::Summary()));
    if (m_haveFigures)
        showSummary(m_summary, m_environment.clock->now());
}

// What the user can do here, beside the sentences; the nudge under them.
QLayout *JourneyTab::buildButtons(QWidget *parent)
{
    QPushButton *cravingNow = controls::button(parent, QStringLiteral("cmdjourneycravingnow"), tr("Craving now..."));
    QPushButton *logButton = controls::button(parent, QStringLiteral("cmdlogcraving"), tr("Log a craving..."));
    QPushButton *plans = controls::button(parent, QStringLiteral("cmdmyplans"), tr("My plans..."));
    m_saveButton = controls::button(parent, QStringLiteral("cmdsavecsv"), tr("Save as CSV..."));
    m_remind = new QCheckBox(tr("Remind me before my usual craving hour"), parent);
    m_remind->setObjectName(QStringLiteral("chkremind"));
    m_remind->setChecked(m_remindWanted);
    // The nudge comes as a notification of the tray.
    if (!m_environment.tray) {
        m_remind->setEnabled(false);
        m_remind->setToolTip(tr("Your desktop has no system tray to show it in."));
    }
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cravingNow, logButton, plans, m_saveButton})
        buttons->addWidget(button);
    buttons->addWidget(m_remind);
    buttons->addStretch();

    connect(cravingNow, &QPushButton::clicked, this, &JourneyTab::cravingNowRequested);
    connect(logButton, &QPushButton::clicked, this, &JourneyTab::cravingLogRequested);
    connect(plans, &QPushButton::clicked, this, &JourneyTab::plansRequested);
    connect(m_saveButton, &QPushButton::clicked, this, &JourneyTab::saveAsCsv);
    connect(m_remind, &QCheckBox::toggled, this, [this](bool on) {
        m_remindWanted = on;
        emit reminderToggled(on);
    });
    return buttons;
}

void JourneyTab::setReminderChecked(bool on)
{
    m_remindWanted = on;
    if (!m_remind)
        return;
    const QSignalBlocker quiet(m_remind);
    m_remind->setChecked(on);
}

// The choice holds from now on; if it cannot be stored, the user hears that
// it will not hold past this run.
void JourneyTab::takeReminderWritten(const textfiles::WriteResult &written)
{
    if (!written.ok)
        m_environment.messages->reportNotSaved(tr("Your choice could not be saved in %1: %2"),
                                               datafiles::path(m_environment, datafiles::File::Preferences),
                                               written.error);
}

// The attempts and what set the cravings off side by side, the cravings of
// each day under them at full width.
QLayout *JourneyTab::buildCharts(QWidget *parent)
{
    auto *grid = new QGridLayout;
    grid->setSpacing(10);
    // In reading order.
    using enum journey::ChartKind;
    const struct
    {
        journey::ChartKind kind;
        int row;
        int column;
        int columns;
    } places[] = {{Attempts, 0, 0, 1}, {Triggers, 0, 1, 1}, {CravingsPerDay, 1, 0, 2}, {CravingHours, 2, 0, 2}};
    for (const auto &place : places) {
        QWidget *chart = m_chartMaker->createChart(parent);
        chart->setMinimumSize(240, 230);
        grid->addWidget(chart, place.row, place.column, 1, place.columns);
        m_charts[place.kind] = chart;
    }
    return grid;
}

QTableWidget *JourneyTab::buildTable(QWidget *parent)
{
    auto *table = new QTableWidget(0, 3, parent);
    table->setObjectName(QStringLiteral("tbljourney"));
    table->setAccessibleName(tr("The figures"));
    table->setHorizontalHeaderLabels({tr("Chart"), tr("What"), tr("Figure")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab moves on to the next control; the arrows move through the figures.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumHeight(260);
    return table;
}

void JourneyTab::showEvent(QShowEvent *event)
{
    LazyPage::showEvent(event);
    refresh();
}

void JourneyTab::hideEvent(QHideEvent *event)
{
    m_nextChange->stop();
    LazyPage::hideEvent(event);
}

void JourneyTab::refresh()
{
    if (!hasPanels() || !isVisible())
        return;
    m_waitingForFigures = true;
    emit figuresWanted();
}

void JourneyTab::showFigures(const journey::Summary &summary)
{
    m_summary = summary;
    m_haveFigures = true;
    m_waitingForFigures = false;
    if (hasPanels())
        showSummary(m_summary, m_environment.clock->now());
}

void JourneyTab::showSummary(const journey::Summary &summary, const QDateTime &readAt)
{
    const QString sentences = journey::sentences(summary).join(u'\n');
    controls::setText(m_sentences, sentences);
    m_sentences->setAccessibleDescription(sentences);
    showNotes(summary);
    const QList<journey::ChartView> views = journey::chartViews(summary);
    showCharts(views);
    showTable(views);
    // The hours of this attempt move on while the tab is looked at.
    if (isVisible())
        m_nextChange->start(int(journey::secondsToNextChange(summary, readAt) * 1000));
}

void JourneyTab::showNotes(const journey::Summary &summary)
{
    QStringList notes;
    for (const journey::FileProblem &problem : summary.cravingsProblems)
        notes << unreadFile(problem);
    if (summary.cravingsProblems.isEmpty() && summary.unreadableCravingRows > 0)
        notes << tr("%n row(s) of your cravings could not be read. They are kept in the file as they are.", nullptr,
                    summary.unreadableCravingRows);
    QString reason;
    if (!m_chartMaker) {
        notes << tr("The charts could not be shown; their figures are in the table below.");
        reason = m_chartsProblem;
    }
    const QString text = notes.join(u'\n');
    controls::setText(m_notes, text);
    m_notes->setAccessibleDescription(reason.isEmpty() ? text : text + u'\n' + reason);
    m_notes->setToolTip(reason);
    m_notes->setVisible(!notes.isEmpty());
}

void JourneyTab::changeEvent(QEvent *event)
{
    LazyPage::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_chartMaker && !m_charts.empty())
        showCharts(journey::chartViews(m_summary));
}

void JourneyTab::showCharts(const QList<journey::ChartView> &views)
{
    const journey::charts::Palette palette = chartPalette();
    for (const journey::ChartView &view : views) {
        const auto placed = m_charts.find(view.kind);
        if (placed == m_charts.end())
            continue;
        QWidget *chart = placed->second;
        chart->setObjectName(view.objectName);
        m_chartMaker->draw(chart, view.figures, palette);
        chart->setAccessibleName(view.figures.title);
        chart->setAccessibleDescription(view.description);
    }
}

void JourneyTab::showTable(const QList<journey::ChartView> &views)
{
    int rows = 0;
    for (const journey::ChartView &view : views)
        rows += static_cast<int>(view.rows.size());
    m_table->setRowCount(rows);
    int row = 0;
    for (const journey::ChartView &view : views) {
        for (const journey::FigureRow &figure : view.rows) {
            const QString cells[] = {view.figures.title, figure.item, figure.figure};
            for (int column = 0; column < 3; ++column)
                m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
            ++row;
        }
    }
    // Every figure whole: a narrow window scrolls the table sideways.
    m_table->resizeColumnsToContents();
}

void JourneyTab::saveAsCsv()
{
    const QString path =
        askWhereToSave(m_environment, {tr("Save as CSV"), tr("Clearwind journey.csv"), tr("CSV files (*.csv)"), "csv"});
    if (path.isEmpty())
        return;
    // Once at a time; the button comes back when the file is written.
    m_saveButton->setEnabled(false);
    m_savingTo = path;
    emit spreadsheetRequested(path);
}

void JourneyTab::takeSpreadsheetWritten(const textfiles::WriteResult &written)
{
    const QString path = std::exchange(m_savingTo, QString());
    if (path.isEmpty())
        return;
    m_saveButton->setEnabled(true);
    if (!written.ok)
        m_environment.messages->reportNotSaved(tr("The journey could not be saved in %1: %2"), path, written.error);
}
