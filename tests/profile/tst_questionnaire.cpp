#include "profile/questionnaire.h"

#include <QTest>

class QuestionnaireRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void moneyAmounts_data();
    void moneyAmounts();
    void refusalOrder_data();
    void refusalOrder();
    void summaryText();
};

void QuestionnaireRulesTest::moneyAmounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    const struct
    {
        const char *text;
        bool accepted;
    } cases[] = {
        {"0.0", true},       {"5.50", true}, {" 2.5 ", true},  {"-0", true},    {"+3", true},    {".5", true},
        {"5.", true},        {"12", true},   {"", false},      {".", false},    {"2..5", false}, {"1e3", false},
        {"2,5", false},      {"abc", false}, {"1 000", false}, {"--1", false},  {"+", false},    {"0x1", false},
        {"\xd9\xa3", false}, {"-5", false},  {"-0.0", true},   {"-.01", false}, {"+0", true},
    };
    for (const auto &entry : cases)
        QTest::newRow(entry.text) << QString::fromUtf8(entry.text) << entry.accepted;
}

void QuestionnaireRulesTest::moneyAmounts()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(questionnaire::isMoneyAmount(text), accepted);
}

void QuestionnaireRulesTest::refusalOrder_data()
{
    using questionnaire::Question;
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("informationIcon");
    QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << int(Question::Name)
                               << "You did not enter your name. Please enter your name, or at least 1 letter" << false;
    QTest::newRow("no count") << QStringList{"A", "", "", "", ""} << int(Question::Cigarettes)
                              << "You did not enter how many cigarettes you some in a day" << false;
    QTest::newRow("no currency") << QStringList{"A", "20", "", "", ""} << int(Question::Currency)
                                 << "You did not enter your currency." << false;
    QTest::newRow("no money") << QStringList{"A", "20", "euro", "", ""} << int(Question::Money)
                              << "Please enter how much money you spend on cigarettes each day" << false;
    QTest::newRow("money not a number") << QStringList{"A", "20", "euro", "abc", ""} << int(Question::Money)
                                        << "Please enter numbers only!" << true;
    QTest::newRow("no years") << QStringList{"A", "20", "euro", "5", ""} << int(Question::Years)
                              << "You did not enter for how many years you have smoked." << false;
}

void QuestionnaireRulesTest::refusalOrder()
{
    QFETCH(QStringList, answers);
    QFETCH(int, question);
    QFETCH(QString, message);
    QFETCH(bool, informationIcon);
    const auto refusal = questionnaire::firstRefusal({answers[0], answers[1], answers[2], answers[3], answers[4]});
    QVERIFY(refusal);
    QCOMPARE(int(refusal->question), question);
    QCOMPARE(refusal->message, message);
    QCOMPARE(refusal->informationIcon, informationIcon);
    QVERIFY(!questionnaire::firstRefusal({"A", "20", "euro", "0.0", "10-15"}));
}

void QuestionnaireRulesTest::summaryText()
{
    QCOMPARE(
        questionnaire::summary({"Ann", "20", "euro", "6.50", "10-15"}),
        QStringLiteral("\nHi Ann\n\nOn average you are smoking 20 cigarettes a day.\n\nYou waste 6.50 euro in a day "
                       "on cigarettes.\n\nYou have smoked for 10-15 years.\n\nIs this information correct?"));
}

QTEST_GUILESS_MAIN(QuestionnaireRulesTest)
#include "tst_questionnaire.moc"
