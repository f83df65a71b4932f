#include "app/mainwindow.h"

#include "advisors/coachtab.h"
#include "advisors/doctortab.h"
#include "advisors/professortab.h"
#include "app/passwordlockpanel.h"
#include "encourage/greetings.h"
#include "encourage/milestones.h"
#include "health/bodymonitorpanel.h"
#include "health/diseasepanel.h"
#include "platform/clock.h"
#include "platform/instanceguard.h"
#include "platform/messageservice.h"
#include "platform/randomsource.h"
#include "platform/regionalformats.h"
#include "profile/questionnairepanel.h"
#include "profile/relapsepanel.h"
#include "profile/settingstab.h"
#include "profile/startpanel.h"
#include "progress/countertab.h"
#include "progress/exportwindow.h"
#include "progress/report.h"
#include "progress/stars.h"
#include "progress/statistics.h"
#include "ui/clickablelabel.h"
#include "ui/layerstack.h"
#include "ui/picture.h"
#include "ui/resources.h"
#include "web/webpages.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPalette>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Soft greens: fresh air, without shouting.
QPalette calmPalette(QPalette palette)
{
    palette.setColor(QPalette::Window, QColor(0xf3, 0xf8, 0xf4));
    palette.setColor(QPalette::Button, QColor(0xe6, 0xf1, 0xe9));
    palette.setColor(QPalette::Highlight, QColor(0x2e, 0x9d, 0x5b));
    palette.setColor(QPalette::Base, Qt::white);
    return palette;
}

} // namespace

MainWindow::MainWindow(const Environment &environment, QWidget *parent)
    : QWidget(parent), m_environment(environment),
      m_store(environment.programFolder, m_state.profile, *environment.clock)
{
    pictures::load();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Clearwind"));
    setWindowIcon(pictureIcon(pictures::path("smiley")));
    setPalette(calmPalette(palette()));

    m_layers = new LayerStack(this);
    m_SSTab1 = buildTabs();
    m_frmmain = new RelapsePanel(m_environment, m_store, m_layers);
    m_frmstart = new StartPanel(m_environment, m_store, m_layers);
    m_frmdata = new QuestionnairePanel(m_environment, m_store, m_layers);
    m_frmpasscheck = new PasswordLockPanel(m_layers);
    // Bottom to top: a shown panel hides everything under it.
    for (QWidget *layer : std::initializer_list<QWidget *>{m_SSTab1, m_frmmain, m_frmstart, m_frmdata, m_frmpasscheck})
        m_layers->addLayer(layer);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_layers);
    resize(800, 600);

    m_Timerdate = makeTimer("Timerdate", 1000, true, &MainWindow::Timerdate_Timer);
    m_tmrcount = makeTimer("tmrcount", 1000, false, &MainWindow::tmrcount_Timer);
    m_timerrest = makeTimer("timerrest", 1500, false, &MainWindow::timerrest_Timer);
    m_timersmilesay = makeTimer("timersmilesay", 5000, false, &MainWindow::timersmilesay_Timer);
    m_tmrrandomgr = makeTimer("tmrrandomgr", 1600, false, &MainWindow::tmrrandomgr_Timer);
    m_timercoachandteacher = makeTimer("timercoachandteacher", 60000, false, &MainWindow::timercoachandteacher_Timer);
    m_Timerdisstats = makeTimer("Timerdisstats", 1000, false, &MainWindow::Timerdisstats_Timer);
    m_timerbodyf = makeTimer("timerbodyf", 1000, false, &MainWindow::timerbodyf_Timer);
    m_Timerend = makeTimer("Timerend", 500, false, &MainWindow::Timerend_Timer);

    connect(m_frmdata, &QuestionnairePanel::confirmed, m_frmstart, &QWidget::show);
    connect(m_frmstart, &StartPanel::quitStarted, this, &MainWindow::StartQuitCounter);
    connect(m_frmmain, &RelapsePanel::quitContinues, this, &MainWindow::StartCounterView);
    connect(m_doctorTab, &DoctorTab::diseaseStatsRunning, m_Timerdisstats,
            [this](bool running) { running ? m_Timerdisstats->start() : m_Timerdisstats->stop(); });
    connect(m_doctorTab, &DoctorTab::bodyMonitorRunning, m_timerbodyf,
            [this](bool running) { running ? m_timerbodyf->start() : m_timerbodyf->stop(); });
    connectSettingsTab();
}

void MainWindow::connectSettingsTab()
{
    connect(m_settingsTab->exportButton(), &QPushButton::clicked, this, &MainWindow::cmdexport_Click);
    connect(m_settingsTab->helpButton(), &QPushButton::clicked, this, &MainWindow::cmdhelp_Click);
    connect(m_settingsTab->webLabel(), &ClickableLabel::clicked, this, &MainWindow::lblweb_Click);
    connect(m_settingsTab->webPicture(), &PictureButton::clicked, this, &MainWindow::Image1_Click);
}

MainWindow::~MainWindow() = default;

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

QTabWidget *MainWindow::buildTabs()
{
    auto *tabs = new QTabWidget(m_layers);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setIconSize(QSize(48, 48));
    tabs->setDocumentMode(false);
    m_counterTab = new CounterTab(m_state);
    m_doctorTab = new DoctorTab(m_environment);
    m_professorTab = new ProfessorTab(m_environment);
    m_coachTab = new CoachTab(m_environment);
    m_settingsTab = new SettingsTab(m_environment, m_state.settings);
    const struct
    {
        QWidget *page;
        const char *image;
        QString name;
    } pages[] = {{m_counterTab, "smiley", tr("Counter")},
                 {m_doctorTab, "doctor", tr("Doctor")},
                 {m_professorTab, "professor", tr("Professor")},
                 {m_coachTab, "coach", tr("Coach")},
                 {m_settingsTab, "mechanic", tr("Settings")}};
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

bool MainWindow::Form_Load()
{
    m_environment.random->seed(static_cast<quint32>(m_environment.clock->secondsSinceMidnight()));

    const bool onlyCopy = m_environment.instanceGuard->acquire();
    if (!onlyCopy) {
        hide();
        m_environment.messages->show(tr("This program is already running. You cannot start it twice."));
        m_Timerend->start();
    }

    m_settingsTab->cmdloadset_Click();
    if (m_state.settings.hasPassword()) {
        m_frmpasscheck->setPassword(m_state.settings.Password);
        m_frmpasscheck->show();
    }

    if (m_store.exists()) {
        m_store.ReadProfile();
        if (!m_state.profile.isQuitRunning()) {
            m_frmstart->show();
            m_frmmain->hide();
        } else {
            m_counterTab->setStopDateText(regional::dateToText(m_state.profile.StopDate));
            m_Timerdate->stop();
        }
    } else {
        m_frmmain->hide();
        m_frmdata->show();
    }
    Timerdate_Timer();
    return onlyCopy;
}

void MainWindow::StartQuitCounter()
{
    m_counterTab->setStopDateText(regional::dateToText(m_state.profile.StopDate));
    m_tmrcount->start();
    m_timerrest->start();
    StartCounterView();
}

void MainWindow::StartCounterView()
{
    m_tmrcount->start();
    m_timerrest->start();
    m_Timerdate->stop();
    m_timersmilesay->start();
    m_timercoachandteacher->start();

    m_SSTab1->setEnabled(true);
    m_frmmain->hide();
    m_counterTab->showCounter();
    m_counterTab->setStoppedAt(stoppedAtSentence(m_state.profile.StopDate, m_state.profile.StopTime));
    LoadCoachTips();
    LoadProfTips();

    m_tmrrandomgr->start();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_coachTab->storeChangedPersonalReasons()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void MainWindow::Timerdate_Timer()
{
    m_frmstart->showClock(m_environment.clock->now());
}

void MainWindow::tmrcount_Timer()
{
    const QDateTime now = m_environment.clock->now();
    m_state.shown = smokeFreeTime(m_counterTab->stopDate(), m_state.profile.StopTime, now);
    m_counterTab->showTime(m_state.shown);
    const QString title = tr("Clearwind ") + regional::dateTimeToText(now);
    if (windowTitle() != title)
        setWindowTitle(title);
}

void MainWindow::LoadCoachTips()
{
    m_coachTips.load(m_environment.path(datapaths::coachTips));
}

void MainWindow::LoadProfTips()
{
    m_professorTips.load(m_environment.path(datapaths::professorTips));
}

void MainWindow::timerrest_Timer()
{
    const SmokeFreeTime &shown = m_state.shown;
    m_counterTab->showStatistics(statistics::sentences(shown, m_state.profile));
    m_counterTab->showStars(stars::earned(shown.days, statistics::notSmoked(shown, m_state.profile.CigarettesPerDay)));
    m_timerrest->setInterval(10000);
}

void MainWindow::timersmilesay_Timer()
{
    const MilestoneMessage message = milestoneMessage(m_state.shown, m_state.profile.UserName);
    if (m_doctorTab->isMainPanelShown())
        m_doctorTab->say(message.doctor);
    m_counterTab->say(message.companion);
    m_timersmilesay->setInterval(60000);
}

void MainWindow::tmrrandomgr_Timer()
{
    if (const auto text = greeting(m_state.shown, *m_environment.random))
        m_counterTab->say(*text);
    m_tmrrandomgr->stop();
}

void MainWindow::timercoachandteacher_Timer()
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

void MainWindow::Timerdisstats_Timer()
{
    m_doctorTab->diseasePanel()->showRisks(m_state.shown);
}

void MainWindow::timerbodyf_Timer()
{
    m_doctorTab->bodyMonitor()->showMeters(m_state.shown);
}

void MainWindow::Timerend_Timer()
{
    m_Timerend->stop();
    m_environment.endProgram();
}

void MainWindow::cmdexport_Click()
{
    if (!m_frmexport)
        m_frmexport = new ExportWindow(m_environment, this);
    m_frmexport->showReport(report::progressReport(m_counterTab->reportCaptions()));
}

void MainWindow::OpenInBrowser(const QString &page)
{
    web::openInBrowser(m_environment, page);
}

void MainWindow::cmdhelp_Click()
{
    OpenInBrowser(m_environment.path(datapaths::helpPage));
}

void MainWindow::lblweb_Click()
{
    OpenInBrowser(QLatin1String(web::homePage));
}

void MainWindow::Image1_Click()
{
    OpenInBrowser(QLatin1String(web::homePage));
}
