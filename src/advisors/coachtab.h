#pragma once

#include "advisors/linepager.h"
#include "advisors/personalreasonsfile.h"
#include "ui/charactertab.h"

struct Environment;
class DocumentBox;
class TopicPanel;
class QFrame;
class QListWidget;
class QPushButton;

// Tab 3: the coach, with the troubles, things to do, personal reasons and
// the reasons to smoke.
class CoachTab : public CharacterTab
{
    Q_OBJECT
public:
    CoachTab(const Environment &environment, QWidget *parent = nullptr);

    // The coach's tips appear only while his main panel is shown; it is the
    // panel his tab opens on.
    bool isMainPanelShown() const;
    // Where the documents the coach shows are.
    static QStringList documents(const Environment &environment);

    // Stores the personal reasons where they changed since they were loaded
    // or stored. False when they could not be stored and the user chose to
    // keep the program open.
    bool storeChangedPersonalReasons();

    void greet();
    void openTroubles();
    void openThingsToDo();
    void openPersonalReasons();
    void openReasonsToSmoke();

protected:
    void buildPanels() override;

private:
    QFrame *buildMainPanel();
    TopicPanel *buildTroublePanel();
    QFrame *buildThingsPanel();
    QFrame *buildPersonalPanel();
    TopicPanel *buildReasonsPanel();
    QFrame *buildBoxPanel(const QString &name, DocumentBox *box, QPushButton *left, QPushButton *centre,
                          QPushButton *back);
    static QString greeting();
    void closeTroubles();
    void askHowTheUserFeels();
    void showNextThing();
    void closeThingsToDo();
    void closePersonalReasons();
    void printPersonalReasons();
    bool savePersonalReasons();
    void showAnswer();
    void closeReasonsToSmoke();

    const Environment &m_environment;
    LinePager m_things;
    PersonalReasonsFile m_reasonsFile;
    QFrame *m_mainPanel = nullptr;
    TopicPanel *m_troubles = nullptr;
    QFrame *m_thingsPanel = nullptr;
    DocumentBox *m_thingBox = nullptr;
    QPushButton *m_nextThing = nullptr;
    QFrame *m_personalPanel = nullptr;
    DocumentBox *m_personalReasons = nullptr;
    QPushButton *m_printReasons = nullptr;
    TopicPanel *m_reasonsToSmoke = nullptr;
    QListWidget *m_reasonList = nullptr;
    QPushButton *m_answerButton = nullptr;
};
