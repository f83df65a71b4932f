#pragma once

#include "moment/plans.h"

#include <QDialog>

#include <map>

struct Environment;
class PlanEdit;

// frmplans: "My plans", a plan for each of the ten triggers, one line each.
// Save (or Enter) writes what changed and closes; a save that fails says so
// once and keeps what was typed. Cancel, Escape and closing leave the file as
// it was. A plans file that cannot be read is never written
// over: the dialog then says why and only shows.
class PlansDialog : public QDialog
{
    Q_OBJECT
public:
    PlansDialog(const Environment &environment, QWidget *parent);

signals:
    // The plans in the file changed.
    void plansSaved();

private:
    void save();

    const Environment &m_environment;
    journey::PlansFile m_file;
    journey::PlanBook m_saved;
    std::map<journey::Trigger, PlanEdit *> m_edits;
};
