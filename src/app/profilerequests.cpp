#include "app/profilerequests.h"

#include "advisors/coachtab.h"
#include "keeper/userfilekeeper.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "profile/questionnairepanel.h"
#include "profile/relapsepanel.h"
#include "profile/settingstab.h"
#include "profile/startpanel.h"

ProfileRequests::ProfileRequests(const Environment &environment, UserFileKeeper &keeper, QObject *parent)
    : QObject(parent), m_environment(environment), m_keeper(keeper)
{
    connect(&m_keeper, &UserFileKeeper::written, this, &ProfileRequests::deliver);
}

void ProfileRequests::awaitWritten(quint64 ticket, Reply reply)
{
    m_awaited.emplace(ticket, std::move(reply));
}

void ProfileRequests::deliver(quint64 ticket, const textfiles::WriteResult &result)
{
    // Other windows' writes are confirmed here too; they are not ours to answer.
    const auto awaited = m_awaited.find(ticket);
    if (awaited == m_awaited.end())
        return;
    const Reply reply = std::move(awaited->second);
    m_awaited.erase(awaited);
    reply(result);
}

void ProfileRequests::connectQuestionnaire(QuestionnairePanel *questionnaire)
{
    connect(questionnaire, &QuestionnairePanel::answersGiven, this,
            [this, questionnaire](const QuestionnaireAnswers &answers) {
                awaitWritten(
                    m_keeper.saveAnswers(answers.name, answers.cigarettes, answers.currency, answers.money,
                                         m_environment.clock->now()),
                    [questionnaire](const textfiles::WriteResult &result) { questionnaire->answersSaved(result); });
            });
}

void ProfileRequests::connectStartPanel(StartPanel *startPanel)
{
    connect(startPanel, &StartPanel::stopNowRequested, this, [this, startPanel](const QDateTime &moment) {
        awaitWritten(m_keeper.startQuit(moment),
                     [startPanel](const textfiles::WriteResult &result) { startPanel->stopMomentSaved(result); });
    });
}

// The reset's second step is asked for by the panel only once the first is
// answered, so the copy is always tried before the profile goes.
void ProfileRequests::connectRelapsePanel(RelapsePanel *relapsePanel)
{
    connect(relapsePanel, &RelapsePanel::keepAttemptRequested, this, [this, relapsePanel](const QDateTime &moment) {
        awaitWritten(m_keeper.keepAttempt(moment),
                     [relapsePanel](const textfiles::WriteResult &result) { relapsePanel->attemptKept(result); });
    });
    connect(relapsePanel, &RelapsePanel::removeProfileRequested, this, [this, relapsePanel] {
        awaitWritten(m_keeper.removeProfile(),
                     [relapsePanel](const textfiles::WriteResult &result) { relapsePanel->profileRemoved(result); });
    });
}

void ProfileRequests::connectSettingsTab(SettingsTab *settingsTab)
{
    connect(settingsTab, &SettingsTab::saveRequested, this, [this, settingsTab](const ProgramSettings &settings) {
        awaitWritten(m_keeper.saveSettings(settings),
                     [settingsTab](const textfiles::WriteResult &result) { settingsTab->settingsSaved(result); });
    });
}

void ProfileRequests::connectCoachTab(CoachTab *coachTab)
{
    connect(coachTab, &CoachTab::personalReasonsReadRequested, &m_keeper, &UserFileKeeper::readPersonalReasons);
    connect(&m_keeper, &UserFileKeeper::personalReasonsRead, coachTab, &CoachTab::takePersonalReasons);
    connect(coachTab, &CoachTab::personalReasonsWriteRequested, this,
            [this, coachTab](const PersonalReasonsFile::Storing &storing) {
                awaitWritten(m_keeper.storePersonalReasons(storing), [coachTab](const textfiles::WriteResult &result) {
                    coachTab->personalReasonsWritten(result);
                });
            });
}
