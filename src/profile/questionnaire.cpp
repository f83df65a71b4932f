#include "profile/questionnaire.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <functional>

namespace questionnaire {

namespace {

// The questions' refusals are translated as the panel's own words.
struct Questionnaire
{
    Q_DECLARE_TR_FUNCTIONS(Questionnaire)
};

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
         Questionnaire::tr("You did not enter your name. Please enter your name, or at least 1 letter"), false},
        {Question::Cigarettes, [&] { return answers.cigarettes.isEmpty(); },
         Questionnaire::tr("You did not enter how many cigarettes you some in a day"), false},
        {Question::Currency, [&] { return answers.currency.isEmpty(); },
         Questionnaire::tr("You did not enter your currency."), false},
        {Question::Money, [&] { return answers.money.isEmpty(); },
         Questionnaire::tr("Please enter how much money you spend on cigarettes each day"), false},
        {Question::Money, [&] { return !isMoneyAmount(answers.money); },
         Questionnaire::tr("Please enter numbers only!"), true},
        {Question::Years, [&] { return answers.years.isEmpty(); },
         Questionnaire::tr("You did not enter for how many years you have smoked."), false},
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
    return QStringLiteral("\n") + Questionnaire::tr("Hi ") + answers.name + blank +
           Questionnaire::tr("On average you are smoking ") + answers.cigarettes +
           Questionnaire::tr(" cigarettes a day.") + blank + Questionnaire::tr("You waste ") + answers.money + u' ' +
           answers.currency + Questionnaire::tr(" in a day on cigarettes.") + blank +
           Questionnaire::tr("You have smoked for ") + answers.years + Questionnaire::tr(" years.") + blank +
           Questionnaire::tr("Is this information correct?");
}

} // namespace questionnaire
