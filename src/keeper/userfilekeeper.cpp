#include "keeper/userfilekeeper.h"

#include "journey/attempts.h"
#include "moment/reasonlines.h"
#include "platform/clock.h"
#include "profile/profilefile.h"
#include "profile/settingsfile.h"
#include "richtext/documentfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QWaitCondition>

#include <utility>
#include <vector>

// What the worker and the keeper share: the worker may outlive the keeper
// (see finish()), so neither holds the other's members.
struct UserFileKeeper::Shared
{
    // Set when the program ends: reads stop at their next record.
    std::atomic<bool> stopReading = false;
    QMutex mutex;
    // The writes asked for that have not landed yet, by ticket, with their
    // files. Kept by the worker, so that finish() can tell while it waits.
    std::map<Ticket, QString> unfinished;
    // Woken whenever a write has landed and its confirmation is on its way.
    QWaitCondition landed;
};

// Lives on the worker thread; jobs reach it as queued calls, one after the
// other. What a job hands back is applied on the keeper's thread through
// done(): a queued signal, which Qt drops safely when the keeper is gone.
class UserFileKeeper::Worker : public QObject
{
    Q_OBJECT
signals:
    void done(const std::function<void()> &apply);
};

namespace {

// Why the file at PATH, which is there, cannot be read, the reason alone;
// empty when it can be, or is missing. The profile, settings and preferences
// readers do not say it themselves yet: this asks first, so that a pipe or a
// folder is never handed to them.
UserFileKeeper::Found found(bool exists, const QString &problem)
{
    if (!problem.isEmpty())
        return UserFileKeeper::Found::Unreadable;
    return exists ? UserFileKeeper::Found::Read : UserFileKeeper::Found::Missing;
}

textfiles::WriteResult asWriteResult(const textfiles::RemoveResult &removed)
{
    return {removed.ok, removed.error};
}

} // namespace

UserFileKeeper::UserFileKeeper(const Environment &environment, QObject *parent)
    : QObject(parent), m_environment(environment), m_within(environment.userDataFolder),
      m_shared(std::make_shared<Shared>()), m_thread(new QThread), m_worker(new Worker)
{
    m_thread->setObjectName(QStringLiteral("UserFileKeeper"));
    m_worker->moveToThread(m_thread);
    connect(m_worker, &Worker::done, this, [](const std::function<void()> &apply) { apply(); });
    m_thread->start();
}

UserFileKeeper::~UserFileKeeper()
{
    finish();
}

void UserFileKeeper::post(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_worker, std::move(job), Qt::QueuedConnection);
}

template<typename Result, typename Work, typename Done>
void UserFileKeeper::read(Work work, Done done)
{
    if (m_finished)
        return;
    post([this, shared = m_shared, worker = m_worker, work = std::move(work), done = std::move(done)] {
        // A read still queued when the program ends is dropped, and so is
        // one that was stopped on its way: what it holds is incomplete.
        if (shared->stopReading)
            return;
        Result result = work(shared->stopReading);
        if (shared->stopReading)
            return;
        emit worker->done([this, done, result = std::move(result)] { done(result); });
    });
}

template<typename Result, typename Work, typename Done>
UserFileKeeper::Ticket UserFileKeeper::write(const QString &path, Work work, Done done)
{
    const Ticket ticket = ++m_lastTicket;
    if (m_finished) {
        QMetaObject::invokeMethod(
            this,
            [this, ticket] {
                emit written(ticket, {false, tr("the program is closing")});
            },
            Qt::QueuedConnection);
        return ticket;
    }
    {
        QMutexLocker locked(&m_shared->mutex);
        m_shared->unfinished.emplace(ticket, path);
    }
    post([this, ticket, shared = m_shared, worker = m_worker, work = std::move(work), done = std::move(done)] {
        const Result result = work();
        emit worker->done([this, ticket, done, result] {
            // Only what landed changes what the keeper holds.
            if (result.ok)
                done(result);
            confirm(ticket, result);
        });
        // Only now: settle() takes a write that is no longer unfinished for
        // one whose confirmation is already posted.
        QMutexLocker locked(&shared->mutex);
        shared->unfinished.erase(ticket);
        shared->landed.wakeAll();
    });
    return ticket;
}

QString UserFileKeeper::readProblem(datafiles::File file) const
{
    const auto known = m_readProblems.find(file);
    return known == m_readProblems.end() ? QString() : known->second;
}

// The profile and the settings are read here, on the caller's thread, and
// nowhere else.
UserFileKeeper::FirstFiles UserFileKeeper::readFirstFiles()
{
    const QString profilePath = datafiles::path(m_environment, datafiles::File::Profile);
    m_profile = QuitProfile();
    const ProfileFile::ReadOutcome profile =
        ProfileFile(profilePath, m_within).read(m_profile, m_environment.clock->now().date());
    m_readProblems[datafiles::File::Profile] = profile.problem;

    // A user without settings of their own reads the ones that come with the program.
    const QString settingsPath = datafiles::pathToRead(m_environment, datafiles::File::Settings);
    m_settings = ProgramSettings();
    const QString settingsProblem = SettingsFile(settingsPath, m_within).read(m_settings);
    m_readProblems[datafiles::File::Settings] = settingsProblem;
    return {found(profile.exists, profile.problem), found(QFileInfo::exists(settingsPath), settingsProblem)};
}

void UserFileKeeper::loadTheRest()
{
    const QString preferencesPath = datafiles::path(m_environment, datafiles::File::Preferences);
    read<StoredPreferences>([preferencesPath, within = m_within](
                                const std::atomic<bool> &) { return PreferencesFile(preferencesPath, within).read(); },
                            [this](const StoredPreferences &read) {
                                m_preferences = read.preferences;
                                m_readProblems[datafiles::File::Preferences] = read.problem;
                                emit preferencesChanged();
                            });
    const journey::PlansFile plans(datafiles::path(m_environment, datafiles::File::Plans), m_within);
    read<journey::PlanBook>([plans](const std::atomic<bool> &) { return plans.read(); },
                            [this](const journey::PlanBook &book) {
                                m_plans = book;
                                m_readProblems[datafiles::File::Plans] = book.problem;
                                emit plansChanged();
                            });
    refreshFigures();
}

void UserFileKeeper::refreshFigures()
{
    if (m_finished)
        return;
    // One reading at a time; asked again meanwhile, it reads once more after.
    if (m_readingFigures) {
        m_figuresAgain = true;
        return;
    }
    m_readingFigures = true;
    const QDateTime now = m_environment.clock->now();
    const QString history = datafiles::path(m_environment, datafiles::File::History);
    const journey::CravingFile cravings(datafiles::path(m_environment, datafiles::File::Cravings), m_within);
    const journey::Attempt current = journey::currentAttempt(m_profile.stopDate, m_profile.stopTime, now);
    read<journey::Summary>(
        [history, cravings, current, now](const std::atomic<bool> &stop) {
            return journey::readSummary(history, cravings, current, now, &stop);
        },
        [this](const journey::Summary &summary) {
            m_readingFigures = false;
            // What was read may be older than what changed meanwhile.
            if (std::exchange(m_figuresAgain, false)) {
                refreshFigures();
                return;
            }
            m_figures = summary;
            m_figuresKnown = true;
            emit figuresChanged();
        });
}

void UserFileKeeper::readReasonLines()
{
    read<QString>([path = datafiles::path(m_environment, datafiles::File::PersonalReasons),
                   within = m_within](const std::atomic<bool> &) { return journey::firstReasonLines(path, within); },
                  [this](const QString &lines) { emit reasonLinesRead(lines); });
}

void UserFileKeeper::readPersonalReasons()
{
    read<textfiles::FileRead>(
        [path = datafiles::path(m_environment, datafiles::File::PersonalReasons), within = m_within](
            const std::atomic<bool> &) { return textfiles::readFile(path, richtext::documentReadRules(within)); },
        [this](const textfiles::FileRead &file) { emit personalReasonsRead(file); });
}

UserFileKeeper::Ticket UserFileKeeper::setPlan(journey::Trigger trigger, const QString &plan)
{
    const journey::PlansFile file(datafiles::path(m_environment, datafiles::File::Plans), m_within);
    return write<textfiles::WriteResult>(
        file.path(), [file, trigger, plan] { return file.setPlan(trigger, plan); },
        [this, trigger, plan](const textfiles::WriteResult &) {
            // As the file now reads: an empty plan has no record.
            if (const QString kept = journey::keptPlan(plan); kept.isEmpty())
                m_plans.plans.erase(trigger);
            else
                m_plans.plans[trigger] = kept;
            emit plansChanged();
        });
}

UserFileKeeper::Ticket UserFileKeeper::setPreferences(const Preferences &preferences)
{
    const PreferencesFile file(datafiles::path(m_environment, datafiles::File::Preferences), m_within);
    return write<textfiles::WriteResult>(
        file.path(), [file, preferences] { return file.write(preferences); },
        [this, preferences](const textfiles::WriteResult &) {
            m_preferences = preferences;
            m_readProblems[datafiles::File::Preferences].clear();
            emit preferencesChanged();
        });
}

UserFileKeeper::Ticket UserFileKeeper::logCraving(const journey::Craving &craving)
{
    const journey::CravingFile file(datafiles::path(m_environment, datafiles::File::Cravings), m_within);
    return write<journey::AppendResult>(
        file.path(), [file, craving] { return file.append(craving); },
        [this, craving](const journey::AppendResult &) {
            emit cravingLogged(craving);
            refreshFigures();
        });
}

UserFileKeeper::Ticket UserFileKeeper::saveSettings(const ProgramSettings &settings)
{
    const SettingsFile file(datafiles::path(m_environment, datafiles::File::Settings), m_within);
    return write<textfiles::WriteResult>(
        datafiles::path(m_environment, datafiles::File::Settings), [file, settings] { return file.write(settings); },
        [this, settings](const textfiles::WriteResult &) {
            m_settings = settings;
            m_readProblems[datafiles::File::Settings].clear();
            emit settingsChanged();
        });
}

// The profile's writes; what was written is taken into the record as the
// file would read it.
UserFileKeeper::Ticket UserFileKeeper::saveAnswers(const QString &name, const QString &cigarettes,
                                                   const QString &currency, const QString &money, const QDateTime &now)
{
    const QStringList lines =
        ProfileFile::lines(name, cigarettes, currency, money, now, QLatin1String(QuitProfile::notStarted));
    const ProfileFile file(datafiles::path(m_environment, datafiles::File::Profile), m_within);
    return write<textfiles::WriteResult>(
        file.path(), [file, lines] { return file.write(lines); },
        [this, lines](const textfiles::WriteResult &) { takeProfileLines(lines); });
}

UserFileKeeper::Ticket UserFileKeeper::startQuit(const QDateTime &now)
{
    QuitProfile started = m_profile;
    started.stopDate = now.date();
    started.stopTime = now.time();
    started.quitStarted = QLatin1String(QuitProfile::started);
    const QStringList lines = ProfileFile::lines(started);
    const ProfileFile file(datafiles::path(m_environment, datafiles::File::Profile), m_within);
    return write<textfiles::WriteResult>(
        file.path(), [file, lines] { return file.write(lines); },
        [this, lines](const textfiles::WriteResult &) { takeProfileLines(lines); });
}

UserFileKeeper::Ticket UserFileKeeper::keepAttempt(const QDateTime &now)
{
    const ProfileFile file(datafiles::path(m_environment, datafiles::File::Profile), m_within);
    const QString history = datafiles::path(m_environment, datafiles::File::History);
    // The copy's own name is made by the file; the folder stands for it.
    return write<textfiles::WriteResult>(
        history, [file, history, now] { return file.keepCopy(history, now); },
        // The past attempts are the copies: the figures change with them.
        [this](const textfiles::WriteResult &) { refreshFigures(); });
}

UserFileKeeper::Ticket UserFileKeeper::removeProfile()
{
    const ProfileFile file(datafiles::path(m_environment, datafiles::File::Profile), m_within);
    return write<textfiles::WriteResult>(
        file.path(),
        [file]() -> textfiles::WriteResult {
            const textfiles::RemoveResult removed = file.remove();
            if (removed.ok && file.exists())
                return {false, QString()};
            return asWriteResult(removed);
        },
        [this](const textfiles::WriteResult &) {
            m_profile = QuitProfile();
            m_readProblems[datafiles::File::Profile].clear();
            emit profileChanged();
            refreshFigures();
        });
}

UserFileKeeper::Ticket UserFileKeeper::exportSpreadsheet(const QString &path)
{
    const QDateTime now = m_environment.clock->now();
    const QString history = datafiles::path(m_environment, datafiles::File::History);
    const journey::CravingFile cravings(datafiles::path(m_environment, datafiles::File::Cravings), m_within);
    const journey::Attempt current = journey::currentAttempt(m_profile.stopDate, m_profile.stopTime, now);
    return write<textfiles::WriteResult>(
        path,
        [history, cravings, current, now, path]() -> textfiles::WriteResult {
            QList<journey::Attempt> attempts = journey::readPastAttempts(history, now.date());
            attempts.append(current);
            const journey::Spreadsheet sheet = journey::spreadsheetCsv(attempts, cravings);
            if (sheet.problems.isEmpty())
                // Where the user chose: no folder of the user's files to stay within.
                return textfiles::writeAtomically(path, sheet.csv);
            QStringList unread;
            for (const journey::FileProblem &problem : sheet.problems)
                unread << tr("%1 could not be read: %2.").arg(QDir::toNativeSeparators(problem.path), problem.reason);
            return {false, unread.join(u' ')};
        },
        [](const textfiles::WriteResult &) {});
}

UserFileKeeper::Ticket UserFileKeeper::storePersonalReasons(const PersonalReasonsFile::Storing &storing)
{
    return write<textfiles::WriteResult>(
        storing.path, [storing] { return PersonalReasonsFile::store(storing); }, [](const textfiles::WriteResult &) {});
}

void UserFileKeeper::takeProfileLines(const QStringList &lines)
{
    ProfileFile::apply(lines, m_profile, m_environment.clock->now().date());
    m_readProblems[datafiles::File::Profile].clear();
    emit profileChanged();
    refreshFigures();
}

void UserFileKeeper::settle(QDeadlineTimer deadline)
{
    if (m_finished)
        return;
    {
        QMutexLocker locked(&m_shared->mutex);
        while (!m_shared->unfinished.empty()) {
            if (!m_shared->landed.wait(&m_shared->mutex, deadline))
                break;
        }
    }
    // The confirmations of the writes that landed, in the order asked.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

QStringList UserFileKeeper::finish(int milliseconds)
{
    if (std::exchange(m_finished, true))
        return {};
    m_shared->stopReading = true;
    // Behind every write asked for: the worker's loop ends when they are done.
    post([] { QThread::currentThread()->quit(); });
    const bool ended = m_thread->wait(QDeadlineTimer(std::max(0, milliseconds)));
    QStringList unfinished;
    {
        QMutexLocker locked(&m_shared->mutex);
        for (const auto &[ticket, path] : m_shared->unfinished) {
            if (!unfinished.contains(path))
                unfinished << path;
        }
    }
    if (ended) {
        delete m_worker;
        delete m_thread;
    } else {
        // Deliberately left to the end of the process: a QThread destroyed
        // while it runs aborts the program, and ending the thread by force
        // could tear a file in the middle of its write. The worker and the
        // thread hold nothing of the keeper (see Shared), and what they
        // still hand back is dropped with the keeper's connections.
        disconnect(m_worker, nullptr, this, nullptr);
        // Kept where the process still reaches them, as they are meant to
        // live until it ends; memory checkers then take them for what they are.
        // Never destroyed, so that they are still reached when the process ends.
        static auto *leftToTheEnd = new std::vector<QObject *>;
        leftToTheEnd->push_back(m_worker);
        leftToTheEnd->push_back(m_thread);
    }
    m_worker = nullptr;
    m_thread = nullptr;
    return unfinished;
}

void UserFileKeeper::confirm(Ticket ticket, const textfiles::WriteResult &result)
{
    emit written(ticket, result);
}

void UserFileKeeper::confirm(Ticket ticket, const journey::AppendResult &result)
{
    emit cravingWritten(ticket, result);
    emit written(ticket, result);
}

#include "userfilekeeper.moc"
