#pragma once

#include "platform/textfiles.h"
#include "profile/questionnaire.h"

#include <QFrame>

struct Environment;
class Picture;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// The first-run questionnaire: five questions, a summary to confirm, then
// the answers are handed on to be saved, and once they are, the start panel
// follows.
class QuestionnairePanel : public QFrame
{
    Q_OBJECT
public:
    explicit QuestionnairePanel(const Environment &environment, QWidget *parent = nullptr);

    bool isConfirming() const;

public slots:
    void continueQuestionnaire();
    void goBackToQuestions();
    // Why the profile that is there could not be read; the user is asked
    // before the answers replace it. Empty when there is nothing to replace.
    void setUnreadableProfile(const QString &problem);
    // The outcome of saving the answers given.
    void answersSaved(const textfiles::WriteResult &result);

signals:
    // The user confirmed the answers: they are to be saved.
    void answersGiven(const QuestionnaireAnswers &answers);
    // The answers are saved: the start panel takes over.
    void confirmed();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *createWelcome();
    void createQuestions();
    void createSummary();
    void createButtons();
    void layOut(QLabel *welcome);
    void setKeyboardOrder();
    void connectAnswers();

    QuestionnaireAnswers answers() const;
    void refuse(const questionnaire::Refusal &refusal);
    void refreshSummary();
    void setWaiting(bool waiting);

    const Environment &m_environment;
    QString m_unreadableProfile;

    QLabel *m_nameQuestion;
    QLabel *m_cigarettesQuestion;
    QLabel *m_currencyQuestion;
    QLabel *m_moneyQuestion;
    QLabel *m_yearsQuestion;
    QLineEdit *m_name;
    QComboBox *m_cigarettesPerDay;
    QComboBox *m_currency;
    QLineEdit *m_moneyPerDay;
    QComboBox *m_yearsSmoked;
    Picture *m_writingPicture;
    QTextEdit *m_summary;
    QPushButton *m_continueButton;
    QPushButton *m_goBackButton;
};
