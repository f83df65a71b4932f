#include "profile/questionnaire.h"
#include "profile/profiletexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <functional>

namespace questionnaire {

namespace {

// The questions' refusals are translated as the panel's own words.

} // namespace

bool isMoneyAmount(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?)(\d+\.?\d*|\.\d+)\s*$)"));
    static const QRegularExpression zero(QStringLiteral(R"(^[0.]*$)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return false;
    // Money spent cannot be below zero: "-5" would turn every saving negative.
    return match.captured(1) != QLatin1String("-") || zero.match(match.captured(2)).hasMatch();
}

std::optional<Refusal> firstRefusal(const QuestionnaireAnswers &answers)
{
    const struct Rule
    {
        Question question;
        std::function<bool()> refused;
        QString message;
        bool informationIcon;
    } rules[] = {
        {Question::Name, [&] { return answers.name.isEmpty(); },
         ProfileTexts::tr("You did not enter your name. Please enter your name, or at least 1 letter"), false},
        {Question::Cigarettes, [&] { return answers.cigarettes.isEmpty(); },
         ProfileTexts::tr("You did not enter how many cigarettes you some in a day"), false},
        {Question::Currency, [&] { return answers.currency.isEmpty(); },
         ProfileTexts::tr("You did not enter your currency."), false},
        {Question::Money, [&] { return answers.money.isEmpty(); },
         ProfileTexts::tr("Please enter how much money you spend on cigarettes each day"), false},
        {Question::Money, [&] { return !isMoneyAmount(answers.money); },
         ProfileTexts::tr("Please enter numbers only!"), true},
        {Question::Years, [&] { return answers.years.isEmpty(); },
         ProfileTexts::tr("You did not enter for how many years you have smoked."), false},
    };
    for (const Rule &rule : rules) {
        if (rule.refused())
            return Refusal{rule.question, rule.message, rule.informationIcon};
    }
    return std::nullopt;
}

QString summary(const QuestionnaireAnswers &answers)
{
    const QString blank = QStringLiteral("\n\n");
    return QStringLiteral("\n") + ProfileTexts::tr("Hi ") + answers.name + blank +
           ProfileTexts::tr("On average you are smoking ") + answers.cigarettes +
           ProfileTexts::tr(" cigarettes a day.") + blank + ProfileTexts::tr("You waste ") + answers.money + u' ' +
           answers.currency + ProfileTexts::tr(" in a day on cigarettes.") + blank +
           ProfileTexts::tr("You have smoked for ") + answers.years + ProfileTexts::tr(" years.") + blank +
           ProfileTexts::tr("Is this information correct?");
}

} // namespace questionnaire
