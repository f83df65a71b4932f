#pragma once

#include <QFrame>

struct Environment;
class ProfileStore;
class Picture;
class QLabel;
class QPushButton;

// "Have you smoked ?" at every start of a running quit, and the reset.
class RelapsePanel : public QFrame
{
    Q_OBJECT
public:
    RelapsePanel(const Environment &environment, ProfileStore &store, QWidget *parent = nullptr);

public slots:
    void cmdyes_Click();
    void cmdno_Click();
    void cmdnocontinue_Click();
    void cmdyessmoke_Click();
    void cmdexit_Click();

signals:
    // The user has not smoked: the counter goes on.
    void quitContinues();

private:
    void showButtons(std::initializer_list<QPushButton *> shown);

    const Environment &m_environment;
    ProfileStore &m_store;
    QLabel *m_lblmain;
    QLabel *m_lblyessmoked;
    Picture *m_imgquestion;
    Picture *m_imgunhappy;
    QPushButton *m_cmdyes;
    QPushButton *m_cmdno;
    QPushButton *m_cmdyessmoke;
    QPushButton *m_cmdnocontinue;
    QPushButton *m_cmdexit;
};
