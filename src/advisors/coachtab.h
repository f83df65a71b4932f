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
    // The documents the coach shows, relative to the program folder.
    static QStringList documents();

    // Stores the personal reasons where they changed since they were loaded
    // or stored. False when they were not stored and the user chose to keep
    // the program open.
    bool storeChangedPersonalReasons();

    enum Trouble { Cravings, Bored, Lonely, Anger, Restless, Stress, Uncomfortable, Depressed, TroubleCount };

public slots:
    void Image15_Click();
    void cmdtroublewith_Click();
    void cmdtroubleback_Click();
    void cmdokcoach_Click();
    void Command4_Click();
    void Command7_Click();
    void Command11_Click();
    void Command15_Click();
    void Command19_Click();
    void Command18_Click();
    void Command22_Click();
    void Command23_Click();
    void cmdthings_Click();
    void cmdthingsnext_Click();
    void cmdbackthings_Click();
    void cmdpersonal_Click();
    void cmdpersonalback_Click();
    void Command2_Click();
    void Command1_Click();
    void cmdshowanwser_Click();
    void cmdok7_Click();
    void cmdbackreasons_Click();

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
    void showTrouble(Trouble trouble);
    void ShowCoachDocument();
    void showNextThing();
    bool savePersonalReasons();

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
