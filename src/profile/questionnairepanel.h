#pragma once

#include "profile/questionnaire.h"

#include <QFrame>

struct Environment;
class ProfileStore;
class Picture;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// The first-run questionnaire: five questions, a summary to confirm, then
// the answers are saved and the start panel follows.
class QuestionnairePanel : public QFrame
{
    Q_OBJECT
public:
    QuestionnairePanel(const Environment &environment, ProfileStore &store, QWidget *parent = nullptr);

    bool isConfirming() const;

public slots:
    void continueQuestionnaire();
    void goBackToQuestions();

signals:
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

    const Environment &m_environment;
    ProfileStore &m_store;

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
