#pragma once

#include "encourage/tips.h"
#include "platform/environment.h"
#include "platform/instanceguard.h"
#include "progress/trayannouncer.h"
#include "records/sharedstate.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class CoachTab;
class CounterTab;
class CravingDialog;
class CravingReminder;
class DoctorTab;
class JourneyTab;
class JourneyWiring;
class UserFileKeeper;
class ExportWindow;
class LayerStack;
class PasswordLockPanel;
class ProfileRequests;
class ProfessorTab;
class QTabWidget;
class QTimer;
class QuestionnairePanel;
class QShortcut;
class RelapsePanel;
class RideItOutWindow;
class SettingsTab;
class StartPanel;
namespace journey {
struct Craving;
}

// Form1: the main window. It composes the panels, owns the timers and runs
// start-up. Everything the panels share lives in its SharedState.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(const Environment &environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: decides the first screen. False when this copy is refused
    // because another one runs; it then ends itself shortly.
    bool startUp();

    const SharedState &state() const { return m_state; }

public slots:
    void startCounterView();
    void loadCoachTips();
    void loadProfessorTips();
    void tickStartClock();
    void tickCounter();
    void refreshStatistics();
    void showMilestone();
    void showGreeting();
    void showTips();
    void refreshDiseaseRisks();
    void refreshBodyMeters();
    void endRefusedCopy();
    void openReport();
    void openHelp();
    void openHomePage();
    // Opens the craving dialog, or brings it up if it is open. Asked before
    // the counter runs or while the password lock is up, it opens as soon as
    // the counter is in sight and unlocked.
    void openCravingDialog();
    // Opens "Ride it out", or brings it up if it is open; it waits as the
    // craving dialog does.
    void openRideItOut();

signals:
    // A craving was saved to the cravings file.
    void cravingLogged();

protected:
    // What was typed into the personal reasons is stored before the window
    // closes, and the writes under way get a moment to land.
    void closeEvent(QCloseEvent *event) override;

private:
    QTimer *makeTimer(const char *name, int interval, bool enabled, void (MainWindow::*tick)());
    QTabWidget *buildTabs();
    // Shows the look the desktop asks for, now and whenever it changes.
    void followLook();
    QuestionnairePanel *questionnaire();
    void startQuitCounter();
    void openPage(const QString &page);
    void connectSettingsTab();
    // The keeper holds the profile and the settings; the state follows it.
    void followKeeper();
    void sayUnwrittenFiles(const QStringList &paths);
    void connectTray();
    void connectCravingRequests();
    void bringToFront();
    void openWantedCravingWindows();
    void answerCraving(const journey::Craving &craving);
    void offerReset();
    void openQuitlines();
    void connectReminder();
    void showReminder(const QString &text);
    void takeRequest(InstanceGuard::Request request);
    void notifyFromTray(const std::optional<QString> &text);
    bool isInSight() const;

    Environment m_environment;
    // The one owner of what the user's files say; the windows are wired to it.
    UserFileKeeper *m_keeper;
    // What the panels read; the profile and the settings in it are copies of
    // the keeper's, brought up to date by its signals.
    SharedState m_state;
    ProfileRequests *m_profileRequests;
    TipList m_coachTips;
    TipList m_professorTips;
    TrayAnnouncer m_trayAnnouncer;

    LayerStack *m_layers;
    QTabWidget *m_tabs;
    CounterTab *m_counterTab;
    DoctorTab *m_doctorTab;
    ProfessorTab *m_professorTab;
    CoachTab *m_coachTab;
    SettingsTab *m_settingsTab;
    JourneyTab *m_journeyTab;
    RelapsePanel *m_relapsePanel;
    StartPanel *m_startPanel;
    QuestionnairePanel *m_questionnaire = nullptr;
    PasswordLockPanel *m_passwordLock;
    // Made when the first report is exported.
    ExportWindow *m_exportWindow = nullptr;
    // Made each time a craving is logged; gone once closed.
    QPointer<CravingDialog> m_cravingDialog;
    QPointer<RideItOutWindow> m_rideItOut;
    // Asked for, and not open yet.
    bool m_cravingDialogWanted = false;
    bool m_rideItOutWanted = false;
    CravingReminder *m_reminder;
    JourneyWiring *m_journeyWiring;
    // A nudge came due while the password lock was up.
    bool m_reminderWaits = false;

    QTimer *m_startClockTimer;
    QTimer *m_counterTimer;
    QTimer *m_statisticsTimer;
    QTimer *m_milestoneTimer;
    QTimer *m_greetingTimer;
    QTimer *m_tipsTimer;
    QTimer *m_diseaseRisksTimer;
    QTimer *m_bodyMonitorTimer;
    QTimer *m_endTimer;
};
