#pragma once

#include <QString>

#include <optional>

// The answers of the first-run questionnaire and the rules they must meet.
struct QuestionnaireAnswers
{
    QString name;
    QString cigarettes;
    QString currency;
    QString money;
    QString years;
};

namespace questionnaire {

enum class Question { Name, Cigarettes, Currency, Money, Years };

// The first answer that is refused, in the order the questions are asked.
struct Refusal
{
    Question question;
    QString message;
    bool informationIcon = false;
};

// A decimal number with "." as separator, optionally signed and surrounded
// by blanks: "2.5", " 2.5 ", "-0", "+3", ".5", "5.". No exponent, no
// thousands separator, one "." at most, at least one digit, and never below
// zero.
bool isMoneyAmount(const QString &text);

std::optional<Refusal> firstRefusal(const QuestionnaireAnswers &answers);

// The summary shown back before the answers are saved.
QString summary(const QuestionnaireAnswers &answers);

} // namespace questionnaire
