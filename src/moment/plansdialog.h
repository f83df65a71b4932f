#pragma once

#include "moment/plans.h"
#include "platform/textfiles.h"

#include <QDialog>

#include <map>

struct Environment;
class PlanEdit;

// frmplans: "My plans", a plan for each of the ten triggers, one line each.
// Save (or Enter) asks the host to write what changed, and closes once every
// write landed; a save that fails says so once and keeps what was typed.
// Cancel, Escape and closing leave the file as it was. A plans file that
// cannot be read is never written over: the dialog then says why and only
// shows. A plan changed elsewhere meanwhile shows here, unless the user typed
// over it.
class PlansDialog : public QDialog
{
    Q_OBJECT
public:
    // SAVED: the user's plans as they stand.
    PlansDialog(const Environment &environment, const journey::PlanBook &saved, QWidget *parent);

signals:
    // A plan that changed, to be written; takePlanWritten() answers each.
    void planWriteRequested(journey::Trigger trigger, const QString &plan);

public slots:
    void setPlans(const journey::PlanBook &plans);
    void takePlanWritten(const textfiles::WriteResult &written);

private:
    void save();

    const Environment &m_environment;
    journey::PlanBook m_saved;
    std::map<journey::Trigger, PlanEdit *> m_edits;
    class QPushButton *m_saveButton = nullptr;
    int m_writing = 0;
    bool m_failed = false;
};
