#pragma once

#include "cravinglog/cravings.h"

#include <QDialog>

struct Environment;
class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

// frmcraving: notes one craving: how strong it was, what set it off, a note,
// and when, if not just now. "It passed" saves it to the cravings file and
// closes the dialog; "I smoked" first asks whether it was a slip
// (journey/slipdialog.h), and saves it with the answers. A save that fails
// says so, and the dialog stays as the user left it. Cancel, or closing it
// any other way, saves nothing.
class CravingDialog : public QDialog
{
    Q_OBJECT
public:
    CravingDialog(const Environment &environment, QWidget *parent);

signals:
    // The craving is in the file.
    void cravingSaved(const journey::Craving &craving);
    // After "I smoked": the user is smoking again, and asks for the reset.
    void resetRequested();

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
    bool save(const journey::Craving &craving);
    void savePassed();
    void askAfterSmoking();

    const Environment &m_environment;
    QButtonGroup *m_strength;
    QListWidget *m_triggers;
    QPlainTextEdit *m_note;
    QLabel *m_noteRoom;
    QComboBox *m_when;
};
