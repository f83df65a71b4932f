#pragma once

#include "platform/textfiles.h"

#include <QDateTime>
#include <QFrame>

struct Environment;
class QLabel;
class QPushButton;

// "Are you ready to stop smoking right now?" The stop moment is the
// computer's clock at the press of the button, so the panel shows that clock.
class StartPanel : public QFrame
{
    Q_OBJECT
public:
    explicit StartPanel(const Environment &environment, QWidget *parent = nullptr);

    // One tick of the start panel's clock.
    void showClock(const QDateTime &now);

public slots:
    void startQuitNow();
    void comeBackLater();
    void explainEarlierStop();
    // The outcome of logging the stop moment asked for.
    void stopMomentSaved(const textfiles::WriteResult &result);

signals:
    // "Yes, I want to stop NOW": MOMENT, the clock at the press, is to be
    // logged as the stop moment.
    void stopNowRequested(const QDateTime &moment);
    // The stop moment is stored: the counter takes over.
    void quitStarted();

private:
    const Environment &m_environment;
    QPushButton *m_stopNowButton;
    QLabel *m_explanation;
    QLabel *m_dateShown;
    QLabel *m_timeShown;
};
