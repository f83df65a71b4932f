#pragma once

#include "platform/textfiles.h"

#include <QObject>

#include <functional>
#include <map>

struct Environment;
class CoachTab;
class QuestionnairePanel;
class RelapsePanel;
class SettingsTab;
class StartPanel;
class UserFileKeeper;

// Takes what the profile panels, the settings tab and the coach's personal
// reasons ask of the user's files to the keeper, and the keeper's answer
// back into the panel that asked: a panel says "saved" only once the file is
// written.
class ProfileRequests : public QObject
{
    Q_OBJECT
public:
    ProfileRequests(const Environment &environment, UserFileKeeper &keeper, QObject *parent = nullptr);

    void connectQuestionnaire(QuestionnairePanel *questionnaire);
    void connectStartPanel(StartPanel *startPanel);
    void connectRelapsePanel(RelapsePanel *relapsePanel);
    void connectSettingsTab(SettingsTab *settingsTab);
    void connectCoachTab(CoachTab *coachTab);

private:
    using Reply = std::function<void(const textfiles::WriteResult &)>;
    // REPLY gets the outcome of the write with TICKET, once.
    void awaitWritten(quint64 ticket, Reply reply);
    void deliver(quint64 ticket, const textfiles::WriteResult &result);

    const Environment &m_environment;
    UserFileKeeper &m_keeper;
    std::map<quint64, Reply> m_awaited;
};
