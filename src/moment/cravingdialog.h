#pragma once

#include "cravinglog/cravings.h"
#include "moment/plans.h"

#include <QPointer>

#include <QDialog>

struct Environment;
class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class SlipDialog;

// frmcraving: notes one craving: how strong it was, what set it off, a note,
// and when, if not just now. "It passed" saves it to the cravings file and
// closes the dialog; "I smoked" first asks whether it was a slip
// (moment/slipdialog.h), and saves it with the answers. The host writes it
// and answers by takeCravingWritten(); a save that fails says so, and the
// dialog stays as the user left it. Cancel, or closing it any other way,
// saves nothing.
class CravingDialog : public QDialog
{
    Q_OBJECT
public:
    CravingDialog(const Environment &environment, QWidget *parent);

signals:
    // The craving, to be written; takeCravingWritten() answers.
    void cravingWriteRequested(const journey::Craving &craving);
    // The dialog after "I smoked" opened: its plan is written by the host.
    void slipOpened(SlipDialog *slip);
    // After "I smoked": the user is smoking again, and asks for the reset.
    void resetRequested();

public slots:
    // The user's plans, which the dialog after "I smoked" offers.
    void setPlans(const journey::PlanBook &plans);
    void takeCravingWritten(const journey::AppendResult &written);

protected:
    // Return and Enter press the button that has the focus, and do nothing
    // elsewhere: a craving is logged by choice, never by a stray key.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildStrength();
    QListWidget *buildTriggers();
    void spreadTriggers(int width);
    QPlainTextEdit *buildNote();
    QComboBox *buildWhen();
    QLayout *buildSection(const QString &heading, QWidget *answer, QWidget *beside = nullptr);
    void keepNoteWithinLimit();
    journey::Craving chosenCraving(journey::Outcome outcome) const;
    void save(const journey::Craving &craving);
    void savePassed();
    void askAfterSmoking();

    const Environment &m_environment;
    QButtonGroup *m_strength;
    QListWidget *m_triggers;
    QPlainTextEdit *m_note;
    QLabel *m_noteRoom;
    QComboBox *m_when;
    journey::PlanBook m_plans;
    bool m_writing = false;
    QPointer<SlipDialog> m_slip;
};
