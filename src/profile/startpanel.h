#pragma once

#include <QFrame>

struct Environment;
class ProfileStore;
class QLabel;

// "Are you ready to stop smoking right now?" The stop moment is the
// computer's clock at the press of the button, so the panel shows that clock.
class StartPanel : public QFrame
{
    Q_OBJECT
public:
    StartPanel(const Environment &environment, ProfileStore &store, QWidget *parent = nullptr);

    // One tick of the start panel's clock.
    void showClock(const QDateTime &now);

public slots:
    void startQuitNow();
    void comeBackLater();
    void explainEarlierStop();

signals:
    // The stop moment is stored: the counter takes over.
    void quitStarted();

private:
    const Environment &m_environment;
    ProfileStore &m_store;
    QLabel *m_explanation;
    QLabel *m_dateShown;
    QLabel *m_timeShown;
};
