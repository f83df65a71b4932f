#pragma once

#include "ui/charactertab.h"

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
    explicit CoachTab(QWidget *parent = nullptr);

    // The coach's tips appear only while his main panel is shown.
    bool isMainPanelShown() const;

public slots:
    void Image15_Click();
    void cmdtroublewith_Click();
    void cmdtroubleback_Click();
    void cmdthings_Click();
    void cmdbackthings_Click();
    void cmdpersonal_Click();
    void cmdpersonalback_Click();
    void Command1_Click();
    void cmdbackreasons_Click();

private:
    QFrame *buildBoxPanel(const QString &name, DocumentBox *box, QPushButton *left, QPushButton *centre,
                          QPushButton *back);
    void sayGreeting();

    QFrame *m_frmcoachmain;
    TopicPanel *m_frmtrouble;
    QFrame *m_frmthings;
    QFrame *m_frmpersonal;
    TopicPanel *m_frmwantsmoke;
    QListWidget *m_lst1;
};
