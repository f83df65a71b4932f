#pragma once

#include "cravinglog/cravings.h"
#include "platform/textfiles.h"
#include "records/preferences.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <optional>

struct Environment;
class CravingDialog;
class CravingReminder;
class JourneyTab;
class RideItOutWindow;
class SlipDialog;
class UserFileKeeper;
class QWidget;

// Wires the journey's windows and the reminder to the keeper of the user's
// files: what they show comes from the keeper's signals into their slots, and
// what they ask to be written goes to the keeper, whose answer goes back to
// the window that asked, when that window is still there. The windows never
// see the keeper, and no file is read again for a change one of them made.
class JourneyWiring : public QObject
{
    Q_OBJECT
public:
    // The dialogs it opens (My plans) open over WINDOW.
    JourneyWiring(const Environment &environment, UserFileKeeper *keeper, JourneyTab *tab, CravingReminder *reminder,
                  QWidget *window);

    void wireRideItOut(RideItOutWindow *ride);
    void wireCravingDialog(CravingDialog *dialog);

private:
    using Ticket = quint64;
    using WriteAnswer = std::function<void(const textfiles::WriteResult &)>;
    using CravingAnswer = std::function<void(const journey::AppendResult &)>;

    void openPlans();
    void wireSlip(SlipDialog *slip);
    // Writes the plan and hands the answer to TAKE while RECEIVER lives.
    void writePlan(QObject *receiver, journey::Trigger trigger, const QString &plan, WriteAnswer take);
    void writeCraving(QObject *receiver, const journey::Craving &craving, CravingAnswer take);
    // The preferences as asked so far, changed by CHANGE: a write never
    // takes back one asked for before it and not landed yet.
    void writePreferences(const std::function<void(Preferences &)> &change, WriteAnswer take);
    void answerWrite(Ticket ticket, const textfiles::WriteResult &written);
    void answerCraving(Ticket ticket, const journey::AppendResult &written);

    const Environment &m_environment;
    UserFileKeeper *m_keeper;
    JourneyTab *m_tab;
    CravingReminder *m_reminder;
    QWidget *m_window;
    bool m_plansKnown = false;
    std::map<Ticket, WriteAnswer> m_writeAnswers;
    std::map<Ticket, CravingAnswer> m_cravingAnswers;
    std::optional<Preferences> m_askedPreferences;
    int m_preferencesWriting = 0;
};
