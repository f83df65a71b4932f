#pragma once

#include "advisors/personalreasonsfile.h"
#include "cravinglog/cravings.h"
#include "journey/journeysummary.h"
#include "moment/plans.h"
#include "platform/environment.h"
#include "platform/textfiles.h"
#include "records/datafiles.h"
#include "records/preferences.h"
#include "records/programsettings.h"
#include "records/quitprofile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <map>
#include <memory>

class QThread;

// The one keeper of the user's files: it holds what they say (the profile,
// the settings, the preferences, the plans and the figures of the cravings),
// reads and writes them on one worker thread of its own, in the order asked,
// and announces every change by a signal. The main window owns it; panels
// never see it, they are wired to its signals and slots.
//
// Everything but the worker runs on the thread the keeper lives on: the
// getters, the requests, and every signal. A write is confirmed by written()
// with the ticket its request returned; only a write that succeeded changes
// what the keeper holds, and then its change signal follows. A change made
// through one window reaches every other from memory: no file is read again.
class UserFileKeeper : public QObject
{
    Q_OBJECT
public:
    using Ticket = quint64;

    enum class Found { Missing, Read, Unreadable };
    // What the first window needs: the profile and the settings.
    struct FirstFiles
    {
        Found profile = Found::Missing;
        Found settings = Found::Missing;
    };

    explicit UserFileKeeper(const Environment &environment, QObject *parent = nullptr);
    // Finishes, as finish() does, unless that was done.
    ~UserFileKeeper() override;

    // Reads the profile and the settings at once, on the caller's thread:
    // they are a few bytes, and the first window cannot be chosen without
    // them. Once, before the rest and before any write.
    FirstFiles readFirstFiles();
    // Reads the preferences, the plans and the figures on the worker; each is
    // announced by its signal when it arrives.
    void loadTheRest();
    // Works the figures out again (the day changed, the journey was opened).
    void refreshFigures();
    // Reads the first lines of the personal reasons on the worker;
    // reasonLinesRead() brings them. They are the coach's document, read
    // afresh each time: the coach's tab may have changed them since.
    void readReasonLines();
    // Reads the personal reasons whole on the worker, for the coach's box;
    // personalReasonsRead() brings the bytes or why not.
    void readPersonalReasons();

    const QuitProfile &profile() const { return m_profile; }
    const ProgramSettings &settings() const { return m_settings; }
    const Preferences &preferences() const { return m_preferences; }
    const journey::PlanBook &plans() const { return m_plans; }
    const journey::Summary &figures() const { return m_figures; }
    bool figuresKnown() const { return m_figuresKnown; }
    // Why the file could not be read, the reason alone; empty when it was
    // read or is missing. For the profile, the settings, the preferences and
    // the plans; the cravings' problems are in figures().cravingsProblems.
    QString readProblem(datafiles::File file) const;

    // The writes. Each returns its ticket; written() confirms it.
    Ticket setPlan(journey::Trigger trigger, const QString &plan);
    Ticket setPreferences(const Preferences &preferences);
    // cravingWritten() also says whether a full file was kept.
    Ticket logCraving(const journey::Craving &craving);
    Ticket saveSettings(const ProgramSettings &settings);
    Ticket saveAnswers(const QString &name, const QString &cigarettes, const QString &currency, const QString &money,
                       const QDateTime &now);
    // Logs NOW as the stop moment; the profile then holds it as stored.
    Ticket startQuit(const QDateTime &now);
    // The reset: a copy of the attempt first where that is possible, then
    // the profile goes. A removal that left the file there fails without a
    // reason: the relapse panel then says that the file is still there.
    Ticket keepAttempt(const QDateTime &now);
    Ticket removeProfile();
    // The attempts and every craving as a spreadsheet, into PATH, which the
    // user chose.
    Ticket exportSpreadsheet(const QString &path);
    // The personal reasons, as the coach's tab prepared them: the old file
    // kept first where that was asked for.
    Ticket storePersonalReasons(const PersonalReasonsFile::Storing &storing);

    // Waits until every write asked for so far has landed, or until
    // DEADLINE, and confirms at once those that landed: the window learns
    // before it closes whether what the user wrote is stored.
    void settle(QDeadlineTimer deadline);

    // Before the program ends: reads under way stop at their next record and
    // reads still queued are dropped; writes under way or queued get at most
    // MILLISECONDS to land. The paths of the files whose writes did not
    // land in that time; empty when all did. Requests made afterwards fail.
    QStringList finish(int milliseconds = 2000);

signals:
    // Every write's outcome, on the keeper's thread, in the order asked.
    void written(quint64 ticket, const textfiles::WriteResult &result);
    // A craving's outcome, with the full file kept, just before written().
    void cravingWritten(quint64 ticket, const journey::AppendResult &result);

    void profileChanged();
    void settingsChanged();
    void preferencesChanged();
    void plansChanged();
    void cravingLogged(const journey::Craving &craving);
    void figuresChanged();
    void reasonLinesRead(const QString &lines);
    void personalReasonsRead(const textfiles::FileRead &file);

private:
    struct Shared;
    class Worker;

    // Runs WORK on the worker, then DONE with its result on this thread.
    template<typename Result, typename Work, typename Done>
    void read(Work work, Done done);
    // The same for a write to PATH: its ticket is confirmed by written().
    template<typename Result, typename Work, typename Done>
    Ticket write(const QString &path, Work work, Done done);
    void post(std::function<void()> job);
    void confirm(Ticket ticket, const textfiles::WriteResult &result);
    void confirm(Ticket ticket, const journey::AppendResult &result);
    void takeProfileLines(const QStringList &lines);

    const Environment m_environment;
    QString m_within;
    std::shared_ptr<Shared> m_shared;
    QThread *m_thread;
    Worker *m_worker;
    bool m_finished = false;
    Ticket m_lastTicket = 0;

    QuitProfile m_profile;
    ProgramSettings m_settings;
    Preferences m_preferences;
    journey::PlanBook m_plans;
    journey::Summary m_figures;
    bool m_figuresKnown = false;
    bool m_readingFigures = false;
    bool m_figuresAgain = false;
    std::map<datafiles::File, QString> m_readProblems;
};
