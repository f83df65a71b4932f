#pragma once

#include "ui/charactertab.h"

class DocumentBox;

// Tab 2: the professor, who teaches facts about smoking.
class ProfessorTab : public CharacterTab
{
    Q_OBJECT
public:
    explicit ProfessorTab(QWidget *parent = nullptr);

    // While a fact or the document is open, the professor's comment on it stays.
    bool isFactOpen() const;

public slots:
    void Image2_Click();

private:
    DocumentBox *m_txtfacts;
};
