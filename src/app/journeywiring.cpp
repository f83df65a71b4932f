#include "app/journeywiring.h"

#include "app/cravingreminder.h"
#include "journey/journeytab.h"
#include "keeper/userfilekeeper.h"
#include "moment/cravingdialog.h"
#include "moment/plansdialog.h"
#include "moment/rideitoutwindow.h"
#include "moment/slipdialog.h"
#include "platform/environment.h"
#include "platform/logging.h"
#include "records/datafiles.h"

JourneyWiring::JourneyWiring(const Environment &environment, UserFileKeeper *keeper, JourneyTab *tab,
                             CravingReminder *reminder, QWidget *window)
    : QObject(window), m_environment(environment), m_keeper(keeper), m_tab(tab), m_reminder(reminder), m_window(window)
{
    connect(m_keeper, &UserFileKeeper::written, this, &JourneyWiring::answerWrite);
    connect(m_keeper, &UserFileKeeper::cravingWritten, this, &JourneyWiring::answerCraving);
    connect(m_keeper, &UserFileKeeper::plansChanged, this, [this] {
        m_plansKnown = true;
        m_reminder->setPlans(m_keeper->plans());
    });
    connect(m_keeper, &UserFileKeeper::figuresChanged, this, [this] {
        m_tab->showFigures(m_keeper->figures());
        m_reminder->setFigures(m_keeper->figures());
    });
    connect(m_keeper, &UserFileKeeper::preferencesChanged, this, [this] {
        const Preferences &preferences = m_keeper->preferences();
        if (m_preferencesWriting == 0) {
            m_tab->setReminderChecked(preferences.remindBeforeUsualHour);
            m_reminder->setWanted(preferences.remindBeforeUsualHour);
        }
        m_reminder->setLastShown(preferences.reminderLastShown);
    });

    connect(m_tab, &JourneyTab::figuresWanted, m_keeper, &UserFileKeeper::refreshFigures);
    connect(m_tab, &JourneyTab::plansRequested, this, &JourneyWiring::openPlans);
    connect(m_tab, &JourneyTab::spreadsheetRequested, this, [this](const QString &path) {
        const Ticket ticket = m_keeper->exportSpreadsheet(path);
        m_writeAnswers[ticket] = [tab = QPointer(m_tab)](const textfiles::WriteResult &written) {
            if (tab)
                tab->takeSpreadsheetWritten(written);
        };
    });
    // The choice holds from now on, stored or not.
    connect(m_tab, &JourneyTab::reminderToggled, this, [this](bool on) {
        m_reminder->setWanted(on);
        writePreferences([on](Preferences &preferences) { preferences.remindBeforeUsualHour = on; },
                         [tab = QPointer(m_tab)](const textfiles::WriteResult &written) {
                             if (tab)
                                 tab->takeReminderWritten(written);
                         });
    });
    // Without it, this run still knows; only a later one might remind twice.
    connect(m_reminder, &CravingReminder::lastShownChanged, this, [this](const QDate &day) {
        writePreferences([day](Preferences &preferences) { preferences.reminderLastShown = day; },
                         [path = datafiles::path(m_environment, datafiles::File::Preferences)](
                             const textfiles::WriteResult &written) {
                             if (!written.ok)
                                 qCWarning(logClearwind, "The day of the last reminder could not be kept in %s: %s",
                                           qPrintable(path), qPrintable(written.error));
                         });
    });
}

void JourneyWiring::wireRideItOut(RideItOutWindow *ride)
{
    if (m_plansKnown)
        ride->setPlans(m_keeper->plans());
    if (m_keeper->figuresKnown())
        ride->setHelped(m_keeper->figures().helped);
    connect(m_keeper, &UserFileKeeper::plansChanged, ride, [this, ride] { ride->setPlans(m_keeper->plans()); });
    connect(m_keeper, &UserFileKeeper::reasonLinesRead, ride, &RideItOutWindow::showReasons);
    m_keeper->readReasonLines();
    connect(m_keeper, &UserFileKeeper::figuresChanged, ride,
            [this, ride] { ride->setHelped(m_keeper->figures().helped); });
    connect(ride, &RideItOutWindow::planWriteRequested, this,
            [this, ride](journey::Trigger trigger, const QString &plan) {
                writePlan(ride, trigger, plan,
                          [ride](const textfiles::WriteResult &written) { ride->takePlanWritten(written); });
            });
    connect(ride, &RideItOutWindow::cravingWriteRequested, this, [this, ride](const journey::Craving &craving) {
        writeCraving(ride, craving,
                     [ride](const journey::AppendResult &written) { ride->takeCravingWritten(written); });
    });
    connect(ride, &RideItOutWindow::slipOpened, this, &JourneyWiring::wireSlip);
}

void JourneyWiring::wireCravingDialog(CravingDialog *dialog)
{
    dialog->setPlans(m_keeper->plans());
    connect(m_keeper, &UserFileKeeper::plansChanged, dialog, [this, dialog] { dialog->setPlans(m_keeper->plans()); });
    connect(dialog, &CravingDialog::cravingWriteRequested, this, [this, dialog](const journey::Craving &craving) {
        writeCraving(dialog, craving,
                     [dialog](const journey::AppendResult &written) { dialog->takeCravingWritten(written); });
    });
    connect(dialog, &CravingDialog::slipOpened, this, &JourneyWiring::wireSlip);
}

void JourneyWiring::wireSlip(SlipDialog *slip)
{
    connect(slip, &SlipDialog::planWriteRequested, this, [this, slip](journey::Trigger trigger, const QString &plan) {
        writePlan(slip, trigger, plan,
                  [slip](const textfiles::WriteResult &written) { slip->takePlanWritten(written); });
    });
}

void JourneyWiring::openPlans()
{
    auto *dialog = new PlansDialog(m_environment, m_keeper->plans(), m_window);
    connect(m_keeper, &UserFileKeeper::plansChanged, dialog, [this, dialog] { dialog->setPlans(m_keeper->plans()); });
    connect(dialog, &PlansDialog::planWriteRequested, this,
            [this, dialog](journey::Trigger trigger, const QString &plan) {
                writePlan(dialog, trigger, plan,
                          [dialog](const textfiles::WriteResult &written) { dialog->takePlanWritten(written); });
            });
    dialog->open();
}

void JourneyWiring::writePlan(QObject *receiver, journey::Trigger trigger, const QString &plan, WriteAnswer take)
{
    const Ticket ticket = m_keeper->setPlan(trigger, plan);
    m_writeAnswers[ticket] = [receiver = QPointer(receiver),
                              take = std::move(take)](const textfiles::WriteResult &written) {
        if (receiver)
            take(written);
    };
}

void JourneyWiring::writeCraving(QObject *receiver, const journey::Craving &craving, CravingAnswer take)
{
    const Ticket ticket = m_keeper->logCraving(craving);
    m_cravingAnswers[ticket] = [receiver = QPointer(receiver),
                                take = std::move(take)](const journey::AppendResult &written) {
        if (receiver)
            take(written);
    };
}

void JourneyWiring::writePreferences(const std::function<void(Preferences &)> &change, WriteAnswer take)
{
    Preferences preferences = m_askedPreferences.value_or(m_keeper->preferences());
    change(preferences);
    m_askedPreferences = preferences;
    ++m_preferencesWriting;
    const Ticket ticket = m_keeper->setPreferences(preferences);
    m_writeAnswers[ticket] = [this, take = std::move(take)](const textfiles::WriteResult &written) {
        if (--m_preferencesWriting == 0)
            m_askedPreferences.reset();
        take(written);
    };
}

void JourneyWiring::answerWrite(Ticket ticket, const textfiles::WriteResult &written)
{
    const auto waiting = m_writeAnswers.find(ticket);
    if (waiting == m_writeAnswers.end())
        return;
    const WriteAnswer take = std::move(waiting->second);
    m_writeAnswers.erase(waiting);
    take(written);
}

void JourneyWiring::answerCraving(Ticket ticket, const journey::AppendResult &written)
{
    const auto waiting = m_cravingAnswers.find(ticket);
    if (waiting == m_cravingAnswers.end())
        return;
    const CravingAnswer take = std::move(waiting->second);
    m_cravingAnswers.erase(waiting);
    take(written);
}
