#include "profile/questionnaire.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <functional>

namespace questionnaire {

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
    const auto tr = [](const char *text) { return QCoreApplication::translate("Questionnaire", text); };
    const struct Rule
    {
        Question question;
        std::function<bool()> refused;
        QString message;
        bool informationIcon;
    } rules[] = {
        {Question::Name, [&] { return answers.name.isEmpty(); },
         tr("You did not enter your name. Please enter your name, or at least 1 letter"), false},
        {Question::Cigarettes, [&] { return answers.cigarettes.isEmpty(); },
         tr("You did not enter how many cigarettes you some in a day"), false},
        {Question::Currency, [&] { return answers.currency.isEmpty(); }, tr("You did not enter your currency."), false},
        {Question::Money, [&] { return answers.money.isEmpty(); },
         tr("Please enter how much money you spend on cigarettes each day"), false},
        {Question::Money, [&] { return !isMoneyAmount(answers.money); }, tr("Please enter numbers only!"), true},
        {Question::Years, [&] { return answers.years.isEmpty(); },
         tr("You did not enter for how many years you have smoked."), false},
    };
    for (const Rule &rule : rules) {
        if (rule.refused())
            return Refusal{rule.question, rule.message, rule.informationIcon};
    }
    return std::nullopt;
}

QString summary(const QuestionnaireAnswers &answers)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("Questionnaire", text); };
    const QString blank = QStringLiteral("\n\n");
    return QStringLiteral("\n") + tr("Hi ") + answers.name + blank + tr("On average you are smoking ") +
           answers.cigarettes + tr(" cigarettes a day.") + blank + tr("You waste ") + answers.money + u' ' +
           answers.currency + tr(" in a day on cigarettes.") + blank + tr("You have smoked for ") + answers.years +
           tr(" years.") + blank + tr("Is this information correct?");
}

} // namespace questionnaire
