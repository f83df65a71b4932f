#include "app/mainwindow.h"

#include "advisors/coachtab.h"
#include "advisors/doctortab.h"
#include "advisors/professortab.h"
#include "app/cravingreminder.h"
#include "app/journeywiring.h"
#include "app/passwordlockpanel.h"
#include "app/profilerequests.h"
#include "encourage/cravingwords.h"
#include "encourage/greetings.h"
#include "encourage/milestones.h"
#include "health/bodymonitorpanel.h"
#include "health/diseasepanel.h"
#include "journey/journeytab.h"
#include "keeper/userfilekeeper.h"
#include "moment/cravingdialog.h"
#include "moment/rideitoutwindow.h"
#include "platform/appearance.h"
#include "platform/clock.h"
#include "platform/instanceguard.h"
#include "platform/messageservice.h"
#include "platform/randomsource.h"
#include "platform/regionalformats.h"
#include "platform/tray.h"
#include "profile/questionnairepanel.h"
#include "profile/relapsepanel.h"
#include "profile/settingstab.h"
#include "profile/startpanel.h"
#include "progress/countertab.h"
#include "progress/exportwindow.h"
#include "progress/report.h"
#include "progress/stars.h"
#include "progress/statistics.h"
#include "records/datafiles.h"
#include "records/preferences.h"
#include "ui/clickablelabel.h"
#include "ui/layerstack.h"
#include "ui/look.h"
#include "ui/picture.h"
#include "ui/resources.h"
#include "ui/windowaccessibility.h"
#include "web/webpages.h"

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDir>
#include <QIcon>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(const Environment &environment, QWidget *parent)
    : QWidget(parent), m_environment(environment), m_keeper(new UserFileKeeper(m_environment, this)),
      m_profileRequests(new ProfileRequests(m_environment, *m_keeper, this))
{
    pictures::load();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Clearwind"));
    accessibility::presentAsFrame(this);
    setWindowIcon(pictureIcon(pictures::path("smiley")));
    followLook();

    m_layers = new LayerStack(this);
    m_tabs = buildTabs();
    m_relapsePanel = new RelapsePanel(m_environment, m_layers);
    m_startPanel = new StartPanel(m_environment, m_layers);
    m_passwordLock = new PasswordLockPanel(m_layers);
    // Bottom to top: a shown panel hides everything under it. The
    // questionnaire joins under the lock when it is first needed.
    for (QWidget *layer : std::initializer_list<QWidget *>{m_tabs, m_relapsePanel, m_startPanel, m_passwordLock})
        m_layers->addLayer(layer);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_layers);
    resize(800, 600);

    m_startClockTimer = makeTimer("Timerdate", 1000, true, &MainWindow::tickStartClock);
    m_counterTimer = makeTimer("tmrcount", 1000, false, &MainWindow::tickCounter);
    m_statisticsTimer = makeTimer("timerrest", 1500, false, &MainWindow::refreshStatistics);
    m_milestoneTimer = makeTimer("timersmilesay", 5000, false, &MainWindow::showMilestone);
    m_greetingTimer = makeTimer("tmrrandomgr", 1600, false, &MainWindow::showGreeting);
    m_tipsTimer = makeTimer("timercoachandteacher", 60000, false, &MainWindow::showTips);
    m_diseaseRisksTimer = makeTimer("Timerdisstats", 1000, false, &MainWindow::refreshDiseaseRisks);
    m_bodyMonitorTimer = makeTimer("timerbodyf", 1000, false, &MainWindow::refreshBodyMeters);
    m_endTimer = makeTimer("Timerend", 500, false, &MainWindow::endRefusedCopy);

    connect(m_startPanel, &StartPanel::quitStarted, this, &MainWindow::startQuitCounter);
    connect(m_relapsePanel, &RelapsePanel::quitContinues, this, &MainWindow::startCounterView);
    connect(m_doctorTab, &DoctorTab::diseaseStatsRunning, m_diseaseRisksTimer,
            [this](bool running) { running ? m_diseaseRisksTimer->start() : m_diseaseRisksTimer->stop(); });
    connect(m_doctorTab, &DoctorTab::bodyMonitorRunning, m_bodyMonitorTimer,
            [this](bool running) { running ? m_bodyMonitorTimer->start() : m_bodyMonitorTimer->stop(); });
    connect(m_journeyTab, &JourneyTab::cravingLogRequested, this, &MainWindow::openCravingDialog);
    connect(m_keeper, &UserFileKeeper::cravingLogged, this, &MainWindow::answerCraving);
    followKeeper();
    connectSettingsTab();
    m_profileRequests->connectStartPanel(m_startPanel);
    m_profileRequests->connectRelapsePanel(m_relapsePanel);
    m_profileRequests->connectCoachTab(m_coachTab);
    connectTray();
    connectCravingRequests();
    connectReminder();
    m_journeyWiring = new JourneyWiring(m_environment, m_keeper, m_journeyTab, m_reminder, this);
}

void MainWindow::connectSettingsTab()
{
    connect(m_settingsTab, &SettingsTab::exportRequested, this, &MainWindow::openReport);
    connect(m_settingsTab, &SettingsTab::helpRequested, this, &MainWindow::openHelp);
    connect(m_settingsTab, &SettingsTab::homePageRequested, this, &MainWindow::openHomePage);
    m_profileRequests->connectSettingsTab(m_settingsTab);
}

void MainWindow::followKeeper()
{
    connect(m_keeper, &UserFileKeeper::profileChanged, this, [this] { m_state.profile = m_keeper->profile(); });
    connect(m_keeper, &UserFileKeeper::settingsChanged, this, [this] { m_state.settings = m_keeper->settings(); });
}

MainWindow::~MainWindow() = default;

// Only a first start asks the questions: the panel is made when it is needed.
QuestionnairePanel *MainWindow::questionnaire()
{
    if (!m_questionnaire) {
        m_questionnaire = new QuestionnairePanel(m_environment, m_layers);
        m_layers->addLayer(m_questionnaire, m_passwordLock);
        m_profileRequests->connectQuestionnaire(m_questionnaire);
        connect(m_questionnaire, &QuestionnairePanel::confirmed, m_startPanel, &QWidget::show);
    }
    return m_questionnaire;
}

QTimer *MainWindow::makeTimer(const char *name, int interval, bool enabled, void (MainWindow::*tick)())
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    connect(timer, &QTimer::timeout, this, tick);
    if (enabled)
        timer->start();
    return timer;
}

void MainWindow::followLook()
{
    const Appearance *appearance = m_environment.appearance;
    look::apply(appearance ? appearance->scheme() : ColourScheme::Light);
    if (appearance)
        connect(appearance, &Appearance::schemeChanged, this, [](ColourScheme scheme) { look::apply(scheme); });
}

QTabWidget *MainWindow::buildTabs()
{
    auto *tabs = new QTabWidget(m_layers);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setIconSize(QSize(48, 48));
    tabs->setDocumentMode(false);
    m_counterTab = new CounterTab;
    m_doctorTab = new DoctorTab(m_environment);
    m_professorTab = new ProfessorTab(m_environment);
    m_coachTab = new CoachTab(m_environment);
    m_settingsTab = new SettingsTab(m_environment);
    m_journeyTab = new JourneyTab(m_environment, m_state);
    const struct
    {
        QWidget *page;
        const char *image;
        QString name;
    } pages[] = {
        {m_counterTab, "smiley", tr("Counter")},        {m_doctorTab, "doctor", tr("Doctor")},
        {m_professorTab, "professor", tr("Professor")}, {m_coachTab, "coach", tr("Coach")},
        {m_settingsTab, "mechanic", tr("Settings")},    {m_journeyTab, "journey", tr("Journey")},
    };
    for (const auto &page : pages) {
        const int index = tabs->addTab(page.page, pictureIcon(pictures::path(page.image)), QString());
        tabs->setTabToolTip(index, page.name);
        tabs->tabBar()->setAccessibleTabName(index, page.name);
    }
    tabs->setCurrentIndex(0);
    // The tabs cannot be switched until the counter runs.
    tabs->setEnabled(false);
    return tabs;
}

bool MainWindow::startUp()
{
    m_environment.random->seed(static_cast<quint32>(m_environment.clock->secondsSinceMidnight()));

    const bool onlyCopy = m_environment.instanceGuard->acquire();
    if (!onlyCopy) {
        hide();
        m_environment.messages->show(tr("This program is already running. You cannot start it twice."));
        m_endTimer->start();
    }

    const UserFileKeeper::FirstFiles first = m_keeper->readFirstFiles();
    m_state.profile = m_keeper->profile();
    m_state.settings = m_keeper->settings();
    if (first.settings == UserFileKeeper::Found::Unreadable)
        m_settingsTab->sayUnreadable(datafiles::pathToRead(m_environment, datafiles::File::Settings),
                                     m_keeper->readProblem(datafiles::File::Settings));
    m_settingsTab->showSettings(m_state.settings);
    if (m_state.settings.hasPassword()) {
        m_passwordLock->setPassword(m_state.settings.password,
                                    datafiles::path(m_environment, datafiles::File::Settings));
        m_passwordLock->show();
    }

    if (first.profile == UserFileKeeper::Found::Unreadable) {
        // The counter never runs from a stop moment it did not read: the
        // questions come again, and the file is replaced only when the user
        // says so.
        const QString problem = m_keeper->readProblem(datafiles::File::Profile);
        m_environment.messages->show(
            tr("Your answers and your stop moment could not be read from %1: %2. Clearwind "
               "leaves the file as it is.")
                .arg(QDir::toNativeSeparators(datafiles::path(m_environment, datafiles::File::Profile)), problem),
            MessageService::Icon::Warning);
        m_relapsePanel->hide();
        questionnaire()->setUnreadableProfile(problem);
        questionnaire()->show();
    } else if (first.profile == UserFileKeeper::Found::Read) {
        if (!m_state.profile.isQuitRunning()) {
            m_startPanel->show();
            m_relapsePanel->hide();
        } else {
            m_counterTab->setStopDateText(regional::dateToText(m_state.profile.stopDate));
            m_startClockTimer->stop();
        }
    } else {
        m_relapsePanel->hide();
        questionnaire()->show();
    }
    // The first window is chosen: the rest comes beside it.
    if (onlyCopy)
        m_keeper->loadTheRest();
    tickStartClock();
    return onlyCopy;
}

void MainWindow::startQuitCounter()
{
    m_counterTab->setStopDateText(regional::dateToText(m_state.profile.stopDate));
    startCounterView();
}

void MainWindow::startCounterView()
{
    m_counterTimer->start();
    m_statisticsTimer->start();
    m_startClockTimer->stop();
    m_milestoneTimer->start();
    m_tipsTimer->start();

    m_tabs->setEnabled(true);
    // While the counter runs, its count is in sight in the tray as well.
    if (m_environment.tray)
        m_environment.tray->show();
    m_relapsePanel->hide();
    m_counterTab->showCounter();
    m_counterTab->setStoppedAt(stoppedAtSentence(m_state.profile.stopDate, m_state.profile.stopTime));
    loadCoachTips();
    loadProfessorTips();

    m_greetingTimer->start();
    if (m_environment.tray)
        m_reminder->setRunning(true);
    openWantedCravingWindows();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Every write gets the same moment, the personal reasons' too.
    const QDeadlineTimer deadline(2000);
    m_coachTab->handOverChangedPersonalReasons();
    // Reasons that could not be written are said now, and the user may stay
    // with what they wrote.
    m_keeper->settle(deadline);
    if (!m_coachTab->mayCloseWithPersonalReasons()) {
        event->ignore();
        return;
    }
    // Reads are dropped; writes get the rest of the moment, and the window
    // closes all the same.
    sayUnwrittenFiles(m_keeper->finish(int(deadline.remainingTime())));
    QWidget::closeEvent(event);
}

void MainWindow::sayUnwrittenFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    QStringList shown;
    for (const QString &path : paths)
        shown << QDir::toNativeSeparators(path);
    m_environment.messages->show(
        tr("Clearwind closes before it could finish writing %1: what you changed there may not be saved.")
            .arg(shown.join(QLatin1String(", "))),
        MessageService::Icon::Warning);
}

void MainWindow::tickStartClock()
{
    m_startPanel->showClock(m_environment.clock->now());
}

void MainWindow::tickCounter()
{
    const QDateTime now = m_environment.clock->now();
    m_state.shown = smokeFreeTime(m_counterTab->stopDate(), m_state.profile.stopTime, now);
    m_counterTab->showTime(m_state.shown);
    // Hidden in the tray, the title waits: the first tick after showing brings it up to date.
    if (!isVisible())
        return;
    const QString title = tr("Clearwind ") + regional::dateTimeToText(now);
    if (windowTitle() != title)
        setWindowTitle(title);
}

void MainWindow::loadCoachTips()
{
    m_coachTips.load(datafiles::path(m_environment, datafiles::File::CoachTips));
}

void MainWindow::loadProfessorTips()
{
    m_professorTips.load(datafiles::path(m_environment, datafiles::File::ProfessorTips));
}

void MainWindow::refreshStatistics()
{
    const SmokeFreeTime &shown = m_state.shown;
    m_counterTab->showStatistics(statistics::sentences(shown, m_state.profile));
    const stars::Earned earned =
        stars::earned(shown.days, statistics::notSmoked(shown, m_state.profile.cigarettesPerDay));
    m_counterTab->showStars(earned);
    m_statisticsTimer->setInterval(10000);
    if (m_environment.tray) {
        m_environment.tray->setToolTip(TrayAnnouncer::toolTip(shown, m_counterTab->moneySentence()));
        notifyFromTray(
            m_trayAnnouncer.starsCounted(stars::rowPictures(earned), m_environment.clock->now(), isInSight()));
    }
}

void MainWindow::showMilestone()
{
    const MilestoneMessage message = milestoneMessage(m_state.shown, m_state.profile.userName);
    if (m_doctorTab->isMainPanelShown())
        m_doctorTab->say(message.doctor);
    m_counterTab->say(message.companion);
    m_milestoneTimer->setInterval(60000);
    if (m_environment.tray)
        notifyFromTray(m_trayAnnouncer.milestoneSaid(message.companion, m_environment.clock->now(), isInSight()));
}

void MainWindow::connectTray()
{
    if (!m_environment.tray)
        return;
    connect(m_environment.tray, &Tray::showRequested, this, &MainWindow::bringToFront);
    connect(m_environment.tray, &Tray::cravingNowRequested, this, &MainWindow::openRideItOut);
    connect(m_environment.tray, &Tray::cravingLogRequested, this, [this] {
        bringToFront();
        openCravingDialog();
    });
    // As closing the window: the program ends.
    connect(m_environment.tray, &Tray::exitRequested, this, &QWidget::close);
}

void MainWindow::bringToFront()
{
    showNormal();
    raise();
    activateWindow();
}

// Ctrl+L and Ctrl+K anywhere in the window, the tray's menu, the buttons of
// the counter and the journey, and a copy started from the desktop's "Log a
// craving" or "Craving now" action, which hands the request over to this one.
void MainWindow::connectCravingRequests()
{
    auto *logShortcut = new QShortcut(QKeySequence(tr("Ctrl+L")), this);
    connect(logShortcut, &QShortcut::activated, this, &MainWindow::openCravingDialog);
    auto *nowShortcut = new QShortcut(QKeySequence(tr("Ctrl+K")), this);
    connect(nowShortcut, &QShortcut::activated, this, &MainWindow::openRideItOut);
    connect(m_counterTab, &CounterTab::cravingNowRequested, this, &MainWindow::openRideItOut);
    connect(m_journeyTab, &JourneyTab::cravingNowRequested, this, &MainWindow::openRideItOut);
    connect(m_environment.instanceGuard, &InstanceGuard::requested, this, &MainWindow::takeRequest);
    connect(m_passwordLock, &PasswordLockPanel::unlocked, this, &MainWindow::openWantedCravingWindows);
}

void MainWindow::takeRequest(InstanceGuard::Request request)
{
    bringToFront();
    if (request == InstanceGuard::Request::LogCraving)
        openCravingDialog();
    else if (request == InstanceGuard::Request::CravingNow)
        openRideItOut();
}

void MainWindow::openCravingDialog()
{
    m_cravingDialogWanted = true;
    openWantedCravingWindows();
}

void MainWindow::openRideItOut()
{
    m_rideItOutWanted = true;
    openWantedCravingWindows();
}

void MainWindow::openWantedCravingWindows()
{
    const bool counterInSight = m_counterTimer->isActive() && !m_layers->isShown(m_passwordLock);
    if (!counterInSight)
        return;
    if (std::exchange(m_rideItOutWanted, false)) {
        // One hidden while its craving is written finishes by itself: a new craving gets a new window.
        if (!m_rideItOut || m_rideItOut->isHidden()) {
            m_rideItOut = new RideItOutWindow(m_environment, m_state, this);
            m_journeyWiring->wireRideItOut(m_rideItOut);
            connect(m_rideItOut, &RideItOutWindow::resetRequested, this, &MainWindow::offerReset);
            connect(m_rideItOut, &RideItOutWindow::quitlinesRequested, this, &MainWindow::openQuitlines);
        }
        m_rideItOut->show();
        m_rideItOut->raise();
        m_rideItOut->activateWindow();
    }
    if (std::exchange(m_cravingDialogWanted, false)) {
        if (!m_cravingDialog || !m_cravingDialog->isVisible()) {
            m_cravingDialog = new CravingDialog(m_environment, this);
            m_journeyWiring->wireCravingDialog(m_cravingDialog);
            connect(m_cravingDialog, &CravingDialog::resetRequested, this, &MainWindow::offerReset);
            m_cravingDialog->open();
        }
        m_cravingDialog->raise();
        m_cravingDialog->activateWindow();
    }
}

// Smoking again: the relapse panel offers the reset, and asks before it.
void MainWindow::offerReset()
{
    bringToFront();
    m_relapsePanel->offerReset();
    m_relapsePanel->show();
}

void MainWindow::openQuitlines()
{
    web::openInBrowser(m_environment, datafiles::path(m_environment, datafiles::File::HelpPage), m_rideItOut,
                       web::quitlinesSection(QLocale().territory()));
}

// The nudge is the tray's; under the password lock it waits until the lock opens.
void MainWindow::connectReminder()
{
    m_reminder = new CravingReminder(m_environment, this);
    connect(m_reminder, &CravingReminder::due, this, &MainWindow::showReminder);
    connect(m_passwordLock, &PasswordLockPanel::unlocked, this, [this] {
        if (std::exchange(m_reminderWaits, false))
            m_reminder->reschedule();
    });
}

void MainWindow::showReminder(const QString &text)
{
    if (m_layers->isShown(m_passwordLock) || !m_environment.tray) {
        m_reminderWaits = true;
        return;
    }
    m_environment.tray->notify(tr("Clearwind"), text);
    m_reminder->shown();
}

// A slip is not a relapse: the counter runs on, and the companion is kind.
void MainWindow::answerCraving(const journey::Craving &craving)
{
    RandomSource &random = *m_environment.random;
    m_counterTab->say(craving.outcome == journey::Outcome::Smoked ? wordsAfterSlip(random)
                                                                  : wordsAfterPassedCraving(random));
    // The companion's answer stays a while before the next milestone message.
    if (m_milestoneTimer->isActive())
        m_milestoneTimer->start();
    emit cravingLogged();
}

bool MainWindow::isInSight() const
{
    return isVisible() && !isMinimized() && isActiveWindow();
}

void MainWindow::notifyFromTray(const std::optional<QString> &text)
{
    if (text)
        m_environment.tray->notify(tr("Clearwind"), *text);
}

void MainWindow::showGreeting()
{
    if (const auto text = greeting(m_state.shown, *m_environment.random))
        m_counterTab->say(*text);
    m_greetingTimer->stop();
}

void MainWindow::showTips()
{
    if (!tipsAllowed(m_state.shown))
        return;
    if (m_coachTab->isMainPanelShown()) {
        if (const auto tip = m_coachTips.draw(*m_environment.random, coachFallback()))
            m_coachTab->say(*tip);
    }
    if (!m_professorTab->isFactOpen()) {
        if (const auto tip = m_professorTips.draw(*m_environment.random, professorFallback()))
            m_professorTab->say(*tip);
    }
}

void MainWindow::refreshDiseaseRisks()
{
    m_doctorTab->showDiseaseRisks(m_state.shown);
}

void MainWindow::refreshBodyMeters()
{
    m_doctorTab->showBodyMeters(m_state.shown);
}

void MainWindow::endRefusedCopy()
{
    m_endTimer->stop();
    m_environment.endProgram();
}

void MainWindow::openReport()
{
    if (!m_exportWindow)
        m_exportWindow = new ExportWindow(m_environment, this);
    m_exportWindow->showReport(report::progressReport(m_counterTab->reportCaptions(m_state.profile.userName)));
}

void MainWindow::openPage(const QString &page)
{
    web::openInBrowser(m_environment, page, this);
}

void MainWindow::openHelp()
{
    openPage(datafiles::path(m_environment, datafiles::File::HelpPage));
}

void MainWindow::openHomePage()
{
    openPage(QLatin1String(web::homePage));
}
