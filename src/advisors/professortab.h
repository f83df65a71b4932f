#pragma once

#include "advisors/linepager.h"
#include "ui/charactertab.h"

#include <array>

struct Environment;
class DocumentBox;
class Picture;
class QLabel;
class QPushButton;

// Tab 2: the professor, who pages through facts about smoking, one a line of
// a file, and shows the document on why people smoke.
class ProfessorTab : public CharacterTab
{
    Q_OBJECT
public:
    ProfessorTab(const Environment &environment, QWidget *parent = nullptr);

    // While a fact or the document is open, the professor's comment on it stays.
    bool isFactOpen() const;
    // Where the fact files the professor pages through are.
    static QStringList factFiles(const Environment &environment);

    enum Question { HealthProblems, Appearance, WhyPeopleSmoke, StopTips, QuestionCount };

public slots:
    void greet();
    void showHealthProblems();
    void showAppearance();
    void showWhyPeopleSmoke();
    void showStopTips();
    void showNextFact();
    void closeFacts();

protected:
    void buildPanels() override;

private:
    void openFactFile(Question question);
    void showFactPager();
    void showQuestions();
    void setQuestionsShown(bool shown);

    const Environment &m_environment;
    LinePager m_facts;
    std::array<QPushButton *, QuestionCount> m_questions{};
    DocumentBox *m_factBox = nullptr;
    QPushButton *m_nextFact = nullptr;
    QPushButton *m_backButton = nullptr;
    Picture *m_book = nullptr;
    QLabel *m_factFile = nullptr;
};
