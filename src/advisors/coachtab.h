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

    // Before the window closes: asks for the personal reasons to be stored
    // where they changed since they were read or stored.
    void handOverChangedPersonalReasons();
    // Once the writes that could land have been confirmed: true when the
    // reasons are stored or still being written, or when the user chose to
    // close without them.
    bool mayCloseWithPersonalReasons();

    // What reading the personal reasons found (richtext::documentReadRules()).
    void takePersonalReasons(const textfiles::FileRead &file);
    // The outcome of the write asked for by personalReasonsWriteRequested().
    void personalReasonsWritten(const textfiles::WriteResult &result);

    void greet();
    void openTroubles();
    void openThingsToDo();
    void openPersonalReasons();
    void openReasonsToSmoke();

signals:
    void personalReasonsReadRequested();
    void personalReasonsWriteRequested(const PersonalReasonsFile::Storing &storing);

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
    enum class Saving { Unneeded, Asked, Refused };
    Saving savePersonalReasons();
    bool hasUnsavedPersonalReasons() const;
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
    QPushButton *m_personalBack = nullptr;
    // Reads asked for and not answered yet: only the last answer is shown.
    int m_reasonReadsAsked = 0;
    // Whether the box holds what the file was read as; until then it is
    // empty, read-only, and never written over the file.
    bool m_reasonsShown = false;
    bool m_reasonsWriting = false;
    bool m_backAfterWrite = false;
    TopicPanel *m_reasonsToSmoke = nullptr;
    QListWidget *m_reasonList = nullptr;
    QPushButton *m_answerButton = nullptr;
};
