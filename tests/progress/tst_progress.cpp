#include "progress/deaths.h"
#include "progress/stars.h"
#include "progress/statistics.h"
#include "progress/trayannouncer.h"
#include "records/quitprofile.h"
#include "support/defaultlocale.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

SmokeFreeTime at(qint64 days, int hours, int minutes, int seconds = 0)
{
    return {days, hours, minutes, seconds};
}

QString pattern(const stars::Earned &earned)
{
    QString text;
    for (bool star : earned)
        text += star ? u'1' : u'0';
    return text;
}

constexpr int minutesPerDay = 24 * 60;

} // namespace

class ProgressLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void trayNotifications_data();
    void trayNotifications();
    void notSmoked_data();
    void notSmoked();
    void notSmokedEveryMinuteOfFourHundredDays_data();
    void notSmokedEveryMinuteOfFourHundredDays();

    void moneyFromText_data();
    void moneyFromText();
    void roundToCents_data();
    void roundToCents();
    void moneySaved_data();
    void moneySaved();
    void moneyStepsOnlyWithTheHour();

    void sentences_data();
    void sentences();

    void stars_data();
    void stars();
    void starsNeverGoOutAsTimeGoesOn_data();
    void starsNeverGoOutAsTimeGoesOn();

    void deaths_data();
    void deaths();
    void deathsStepAtEveryTurn();
    void deathsSentence_data();
    void deathsSentence();
};

void ProgressLogicTest::notSmoked_data()
{
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<int>("cigarettes");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("nothing yet") << at(0, 0, 0) << 20 << qint64(0);
    QTest::newRow("worked example 2d 5h 30m") << at(2, 5, 30) << 20 << qint64(44);
    QTest::newRow("less than one cigarette's worth") << at(0, 1, 11) << 20 << qint64(0);
    QTest::newRow("exactly one cigarette's worth") << at(0, 1, 12) << 20 << qint64(1);
    QTest::newRow("seconds never count") << at(0, 1, 11, 59) << 20 << qint64(0);
    QTest::newRow("a whole day") << at(1, 0, 0) << 20 << qint64(20);
    QTest::newRow("one minute short of a day") << at(0, 23, 59) << 20 << qint64(19);
    // A sum of days, hours and minutes in floating point falls a hair short
    // of these whole cigarettes; whole minutes do not.
    QTest::newRow("5 a day at 4h 48m is one") << at(0, 4, 48) << 5 << qint64(1);
    QTest::newRow("5 a day at 4h 47m is none") << at(0, 4, 47) << 5 << qint64(0);
    QTest::newRow("5 a day at 19h 12m is four") << at(0, 19, 12) << 5 << qint64(4);
    QTest::newRow("5 a day at 1d 19h 12m is nine") << at(1, 19, 12) << 5 << qint64(9);
    QTest::newRow("10 a day at 2h 24m is one") << at(0, 2, 24) << 10 << qint64(1);
    QTest::newRow("10 a day at 16h 48m is seven") << at(0, 16, 48) << 10 << qint64(7);
    QTest::newRow("heavy smoker passes 99 at 1d 16h") << at(1, 16, 0) << 60 << qint64(100);
    QTest::newRow("heavy smoker just before") << at(1, 15, 59) << 60 << qint64(99);
    QTest::newRow("none a day") << at(400, 23, 59) << 0 << qint64(0);
    QTest::newRow("a year") << at(365, 0, 0) << 20 << qint64(7300);
    QTest::newRow("the longest count at the most cigarettes")
        << at(32767, 23, 59) << 32767 << qint64(32767) * 32767 + 32767 * 1439 / 1440;
}

void ProgressLogicTest::notSmoked()
{
    QFETCH(SmokeFreeTime, shown);
    QFETCH(int, cigarettes);
    QFETCH(qint64, expected);
    QCOMPARE(statistics::notSmoked(shown, cigarettes), expected);
}

void ProgressLogicTest::notSmokedEveryMinuteOfFourHundredDays_data()
{
    QTest::addColumn<int>("cigarettes");
    for (int cigarettes = 1; cigarettes <= 60; ++cigarettes)
        QTest::addRow("%d a day", cigarettes) << cigarettes;
}

// The count is the whole part of the cigarettes a day spread over the
// minutes; it agrees with the floating-point sum wherever that sum is not a
// rounding error short of a whole cigarette. Every minute of the first three
// days, then every seventh minute (which meets every minute of the hour in
// turn), and every day's start, up to day 400.
void ProgressLogicTest::notSmokedEveryMinuteOfFourHundredDays()
{
    QFETCH(int, cigarettes);
    constexpr qint64 lastMinute = 401 * qint64(minutesPerDay);
    constexpr qint64 everyMinuteUntil = 3 * qint64(minutesPerDay);
    qint64 previous = 0;
    for (qint64 total = 0; total < lastMinute; total += total < everyMinuteUntil ? 1 : 7) {
        const qint64 days = total / minutesPerDay;
        const int hours = int(total / 60 % 24);
        const int minutes = int(total % 60);
        const qint64 count = statistics::notSmoked(at(days, hours, minutes), cigarettes);
        const qint64 share = total * cigarettes;
        const double sum =
            days * double(cigarettes) + (hours / 24.0) * cigarettes + (minutes / 60.0 / 24.0) * cigarettes;
        const bool wholePart = count * minutesPerDay <= share && share < (count + 1) * minutesPerDay;
        const bool asTheSum = qint64(sum) == count || (qint64(sum) + 1 == count && count * minutesPerDay == share);
        if (!wholePart || !asTheSum || count < previous)
            QFAIL(qPrintable(QStringLiteral("%1 days %2:%3 gives %4, the sum %5")
                                 .arg(days)
                                 .arg(hours)
                                 .arg(minutes)
                                 .arg(count)
                                 .arg(sum, 0, 'g', 17)));
        previous = count;
    }
    for (qint64 days = 0; days <= 400; ++days)
        QCOMPARE(statistics::notSmoked(at(days, 0, 0), cigarettes), days * cigarettes);
}

void ProgressLogicTest::moneyFromText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    const struct
    {
        const char *name;
        const char *text;
        bool valid;
        double expected;
    } cases[] = {
        {"point", "6.50", true, 6.5},
        {"whole", "12", true, 12},
        {"blanks around", "  6.5\t", true, 6.5},
        {"leading point", ".5", true, 0.5},
        {"trailing point", "5.", true, 5},
        {"plus sign", "+2.25", true, 2.25},
        {"many decimals", "3.14159265358979", true, 3.14159265358979},
        {"zero", "0.0", true, 0},
        {"empty", "", false, 0},
        {"blanks only", "   ", false, 0},
        {"decimal comma", "6,50", false, 0},
        {"grouped", "1,000.50", false, 0},
        {"two points", "1.2.3", false, 0},
        {"exponent", "1e3", false, 0},
        {"infinity", "inf", false, 0},
        {"not a number", "nan", false, 0},
        {"hexadecimal", "0x10", false, 0},
        {"word", "six", false, 0},
        {"currency sign", "6.50 EUR", false, 0},
        {"blank inside", "6. 50", false, 0},
    };
    for (const char *locale : {"C", "de_DE", "fr_FR"}) {
        for (const auto &c : cases)
            QTest::addRow("%s, %s", locale, c.name)
                << QString::fromLatin1(locale) << QString::fromLatin1(c.text) << c.valid << c.expected;
    }
    QTest::newRow("too large for a double") << "C" << QString(400, u'9') << false << 0.0;
    QTest::newRow("arabic-indic digits") << "C" << QStringLiteral("\u0663.\u0665") << false << 0.0;
}

void ProgressLogicTest::moneyFromText()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const DefaultLocale regional(locale);
    const std::optional<double> money = statistics::moneyFromText(text);
    QCOMPARE(money.has_value(), valid);
    if (valid)
        QCOMPARE(*money, expected);
}

void ProgressLogicTest::roundToCents_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("expected");

    // Exact halves in binary as well as in decimal.
    QTest::newRow("0.125 to the even 0.12") << 0.125 << 0.12;
    QTest::newRow("0.375 to the even 0.38") << 0.375 << 0.38;
    QTest::newRow("0.625 to the even 0.62") << 0.625 << 0.62;
    QTest::newRow("0.875 to the even 0.88") << 0.875 << 0.88;
    QTest::newRow("half a cent to nothing") << 0.005 << 0.0;
    QTest::newRow("one and a half cents") << 0.015 << 0.02;
    // Halves in decimal whose nearest double lies just below or above them.
    QTest::newRow("2.675 to the even 2.68") << 2.675 << 2.68;
    QTest::newRow("2.665 to the even 2.66") << 2.665 << 2.66;
    QTest::newRow("1.005 to the even 1") << 1.005 << 1.0;
    QTest::newRow("1.015 to the even 1.02") << 1.015 << 1.02;
    QTest::newRow("1.15 times a half") << 1.15 * 0.5 << 0.58;
    QTest::newRow("large half") << 123456789.125 << 123456789.12;
    QTest::newRow("negative half") << -2.675 << -2.68;
    QTest::newRow("negative binary half") << -0.125 << -0.12;
    // Not halves.
    QTest::newRow("worked example") << 6.5 * 2 + 6.5 * (5 / 24.0) << 14.35;
    QTest::newRow("23 hours of 10") << 10 * (23 / 24.0) << 9.58;
    QTest::newRow("just under a half") << 0.1249999 << 0.12;
    QTest::newRow("just over a half") << 0.1250001 << 0.13;
    QTest::newRow("sum with noise") << 0.1 + 0.2 << 0.3;
    QTest::newRow("third") << 1 / 3.0 << 0.33;
    QTest::newRow("two thirds") << 2 / 3.0 << 0.67;
    QTest::newRow("tiny") << 1e-10 << 0.0;
    QTest::newRow("a tenth of a cent") << 0.001 << 0.0;
    QTest::newRow("nine tenths of a cent") << 0.009 << 0.01;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("negative zero") << -0.0 << 0.0;
    QTest::newRow("whole amount") << 42.0 << 42.0;
    QTest::newRow("cents already") << 14.35 << 14.35;
    QTest::newRow("carry into the next unit") << 9.999 << 10.0;
    QTest::newRow("beyond fifteen digits unchanged") << 1e20 << 1e20;
}

void ProgressLogicTest::roundToCents()
{
    QFETCH(double, amount);
    QFETCH(double, expected);
    const double rounded = statistics::roundToCents(amount);
    if (rounded != expected || std::signbit(rounded) != std::signbit(expected))
        QFAIL(qPrintable(QStringLiteral("%1 gave %2").arg(amount, 0, 'g', 17).arg(rounded, 0, 'g', 17)));
}

void ProgressLogicTest::moneySaved_data()
{
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<QString>("money");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    QTest::newRow("worked example") << at(2, 5, 30) << "6.50" << true << 14.35;
    QTest::newRow("23 hours of 10") << at(0, 23, 0) << "10" << true << 9.58;
    QTest::newRow("59 minutes count nothing") << at(0, 0, 59) << "10" << true << 0.0;
    QTest::newRow("seconds count nothing") << at(0, 0, 59, 59) << "10" << true << 0.0;
    QTest::newRow("one hour of 10") << at(0, 1, 0) << "10" << true << 0.42;
    QTest::newRow("half a day of 1.15 is a half cent") << at(0, 12, 0) << "1.15" << true << 0.58;
    QTest::newRow("a day of 2.675") << at(1, 0, 0) << "2.675" << true << 2.68;
    QTest::newRow("a day of half a cent") << at(1, 0, 0) << "0.005" << true << 0.0;
    QTest::newRow("many decimals") << at(1, 0, 0) << "3.14159265" << true << 3.14;
    QTest::newRow("many decimals over a year") << at(365, 0, 0) << "3.14159265" << true << 1146.68;
    QTest::newRow("a year and a day") << at(366, 0, 0) << "6.50" << true << 2379.0;
    QTest::newRow("blanks around") << at(2, 0, 0) << " 6.5 " << true << 13.0;
    QTest::newRow("nothing a day") << at(10, 10, 10) << "0" << true << 0.0;
    QTest::newRow("decimal comma is not money") << at(2, 5, 30) << "6,50" << false << 0.0;
    QTest::newRow("empty") << at(2, 5, 30) << "" << false << 0.0;
    QTest::newRow("word") << at(2, 5, 30) << "lots" << false << 0.0;
    QTest::newRow("amount beyond a double") << at(2, 0, 0) << QStringLiteral("1") + QString(308, u'0') << false << 0.0;
}

void ProgressLogicTest::moneySaved()
{
    QFETCH(SmokeFreeTime, shown);
    QFETCH(QString, money);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> saved = statistics::moneySaved(shown, money);
    QCOMPARE(saved.has_value(), valid);
    if (valid)
        QCOMPARE(*saved, expected);
}

void ProgressLogicTest::moneyStepsOnlyWithTheHour()
{
    for (int hour = 0; hour < 24; ++hour) {
        const std::optional<double> atTheHour = statistics::moneySaved(at(3, hour, 0), QStringLiteral("7.30"));
        QVERIFY(atTheHour);
        for (int minute = 1; minute < 60; ++minute)
            QCOMPARE(statistics::moneySaved(at(3, hour, minute), QStringLiteral("7.30")), atTheHour);
        const std::optional<double> next =
            statistics::moneySaved(at(3 + (hour + 1) / 24, (hour + 1) % 24, 0), QStringLiteral("7.30"));
        QVERIFY(*next > *atTheHour);
    }
}

void ProgressLogicTest::sentences_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<int>("cigarettes");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("worked example") << "en_US" << at(2, 5, 30) << 20 << "6.50"
                                    << "euro"
                                    << QStringList{"You have NOT smoked 44 cigarettes.",
                                                   "You have NOT wasted 220 minutes on smoking.",
                                                   "You saved 14.35 euro.",
                                                   "You have extended your life by 484 minutes."};
    QTest::newRow("decimal comma region")
        << "de_DE" << at(2, 5, 30) << 20 << "6.50"
        << "Euro"
        << QStringList{"You have NOT smoked 44 cigarettes.", "You have NOT wasted 220 minutes on smoking.",
                       "You saved 14,35 Euro.", "You have extended your life by 484 minutes."};
    QTest::newRow("no thousands separator")
        << "de_DE" << at(400, 0, 0) << 60 << "12.5"
        << "Euro"
        << QStringList{"You have NOT smoked 24000 cigarettes.", "You have NOT wasted 120000 minutes on smoking.",
                       "You saved 5000 Euro.", "You have extended your life by 264000 minutes."};
    QTest::newRow("no trailing zero") << "en_US" << at(1, 0, 0) << 1 << "12.50"
                                      << "dollars"
                                      << QStringList{"You have NOT smoked 1 cigarettes.",
                                                     "You have NOT wasted 5 minutes on smoking.",
                                                     "You saved 12.5 dollars.",
                                                     "You have extended your life by 11 minutes."};
    QTest::newRow("less than one cigarette")
        << "en_US" << at(0, 1, 11) << 20 << "10"
        << "pounds"
        << QStringList{"You have NOT smoked 0 cigarettes.", "You have NOT wasted 0 minutes on smoking.",
                       "You saved 0.42 pounds.", "You have extended your life by 0 minutes."};
    QTest::newRow("empty currency keeps the blank")
        << "en_US" << at(2, 5, 30) << 20 << "6.50"
        << ""
        << QStringList{"You have NOT smoked 44 cigarettes.", "You have NOT wasted 220 minutes on smoking.",
                       "You saved 14.35 .", "You have extended your life by 484 minutes."};
    QTest::newRow("currency that looks like a placeholder")
        << "en_US" << at(1, 0, 0) << 20 << "3"
        << "%1 %2"
        << QStringList{"You have NOT smoked 20 cigarettes.", "You have NOT wasted 100 minutes on smoking.",
                       "You saved 3 %1 %2.", "You have extended your life by 220 minutes."};
    QTest::newRow("money that is not a number leaves its sentence out")
        << "en_US" << at(2, 5, 30) << 20 << "6,50"
        << "euro"
        << QStringList{"You have NOT smoked 44 cigarettes.", "You have NOT wasted 220 minutes on smoking.", "",
                       "You have extended your life by 484 minutes."};
}

void ProgressLogicTest::sentences()
{
    QFETCH(QString, locale);
    QFETCH(SmokeFreeTime, shown);
    QFETCH(int, cigarettes);
    QFETCH(QString, money);
    QFETCH(QString, currency);
    QFETCH(QStringList, expected);
    const DefaultLocale regional(locale);
    QuitProfile profile;
    profile.cigarettesPerDay = static_cast<qint16>(cigarettes);
    profile.moneyPerDay = money;
    profile.currencyName = currency;
    const statistics::Sentences said = statistics::sentences(shown, profile);
    QCOMPARE((QStringList{said.cigarettes, said.minutes, said.money, said.life}), expected);
}

void ProgressLogicTest::stars_data()
{
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<int>("cigarettes");
    QTest::addColumn<QString>("earned");
    QTest::addColumn<int>("row");

    QTest::newRow("the start") << at(0, 0, 0) << 20 << "1000000000" << 1;
    QTest::newRow("one minute short of a day") << at(0, 23, 59) << 20 << "1000000000" << 1;
    QTest::newRow("a day") << at(1, 0, 0) << 20 << "1100000000" << 2;
    QTest::newRow("two days") << at(2, 0, 0) << 20 << "1110000000" << 3;
    QTest::newRow("heavy smoker: 100 cigarettes before taste and smell") << at(1, 16, 0) << 60 << "1101000000" << 3;
    QTest::newRow("heavy smoker one minute earlier") << at(1, 15, 59) << 60 << "1100000000" << 2;
    QTest::newRow("130 cigarettes are 1430 minutes of life") << at(6, 12, 0) << 20 << "1111000000" << 4;
    QTest::newRow("131 cigarettes are 1441 minutes of life") << at(6, 13, 12) << 20 << "1111100000" << 5;
    QTest::newRow("a week") << at(7, 0, 0) << 20 << "1111110000" << 6;
    QTest::newRow("499 cigarettes") << at(24, 22, 47) << 20 << "1111110000" << 6;
    QTest::newRow("500 cigarettes") << at(25, 0, 0) << 20 << "1111111000" << 7;
    QTest::newRow("day 31 is no month") << at(31, 23, 59) << 20 << "1111111000" << 7;
    QTest::newRow("day 32 is a month") << at(32, 0, 0) << 20 << "1111111100" << 8;
    QTest::newRow("999 cigarettes") << at(49, 22, 47) << 20 << "1111111100" << 8;
    QTest::newRow("1000 cigarettes") << at(50, 0, 0) << 20 << "1111111110" << 9;
    QTest::newRow("day 364") << at(364, 23, 59) << 20 << "1111111110" << 9;
    QTest::newRow("a year: all ten") << at(365, 0, 0) << 20 << "1111111111" << 10;
    QTest::newRow("a year at one a day") << at(365, 0, 0) << 1 << "1111110101" << 8;
    QTest::newRow("a month at none a day") << at(40, 0, 0) << 0 << "1110010100" << 5;
}

void ProgressLogicTest::stars()
{
    QFETCH(SmokeFreeTime, shown);
    QFETCH(int, cigarettes);
    QFETCH(QString, earned);
    QFETCH(int, row);
    const stars::Earned stars = stars::earned(shown.days, statistics::notSmoked(shown, cigarettes));
    QCOMPARE(pattern(stars), earned);
    QCOMPARE(stars::rowPictures(stars), row);
}

void ProgressLogicTest::starsNeverGoOutAsTimeGoesOn_data()
{
    QTest::addColumn<int>("cigarettes");
    for (int cigarettes = 1; cigarettes <= 60; ++cigarettes)
        QTest::addRow("%d a day", cigarettes) << cigarettes;
}

// Hour by hour over 400 days no star goes out, the row counts the stars, and
// the day stars come on exactly on days 1, 2, 7, 32 and 365.
void ProgressLogicTest::starsNeverGoOutAsTimeGoesOn()
{
    QFETCH(int, cigarettes);
    // Stars 2, 3, 6, 8 and 10 and the day each comes on.
    const struct
    {
        int index;
        qint64 firstDay;
    } dayStars[] = {{1, 1}, {2, 2}, {5, 7}, {7, 32}, {9, 365}};
    stars::Earned previous = stars::earned(0, 0);
    for (qint64 days = 0; days <= 400; ++days) {
        for (int hours = 0; hours < 24; ++hours) {
            const stars::Earned now = stars::earned(days, statistics::notSmoked(at(days, hours, 0), cigarettes));
            bool sound = stars::rowPictures(now) == int(std::count(now.begin(), now.end(), true));
            for (int i = 0; i < stars::total; ++i)
                sound = sound && (now[i] || !previous[i]);
            for (const auto &star : dayStars)
                sound = sound && now[star.index] == (days >= star.firstDay);
            if (!sound)
                QFAIL(qPrintable(QStringLiteral("day %1 hour %2: %3 after %4, row %5")
                                     .arg(days)
                                     .arg(hours)
                                     .arg(pattern(now), pattern(previous))
                                     .arg(stars::rowPictures(now))));
            previous = now;
        }
    }
    // 400 days at 3 a day pass the 1000 cigarettes; 2 a day do not.
    QCOMPARE(pattern(previous) == QStringLiteral("1111111111"), cigarettes >= 3);
}

void ProgressLogicTest::deaths_data()
{
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("nothing yet") << at(0, 0, 0) << qint64(0);
    QTest::newRow("one minute") << at(0, 0, 1) << qint64(9);
    QTest::newRow("59 minutes") << at(0, 0, 59) << qint64(531);
    QTest::newRow("one hour") << at(0, 1, 0) << qint64(541);
    QTest::newRow("23 hours 59 minutes") << at(0, 23, 59) << qint64(12974);
    QTest::newRow("one day") << at(1, 0, 0) << qint64(13000);
    QTest::newRow("2 days 5 hours 30 minutes") << at(2, 5, 30) << qint64(28975);
    QTest::newRow("seconds never count") << at(0, 0, 59, 59) << qint64(531);
    QTest::newRow("a year") << at(365, 0, 0) << qint64(4745000);
    QTest::newRow("the longest count") << at(32767, 23, 59) << qint64(32767) * 13000 + 12974;
}

void ProgressLogicTest::deaths()
{
    QFETCH(SmokeFreeTime, shown);
    QFETCH(qint64, expected);
    QCOMPARE(smokingDeaths(shown), expected);
}

// 9 more each minute, 10 more at the turn of an hour, 26 at the turn of a day.
void ProgressLogicTest::deathsStepAtEveryTurn()
{
    qint64 previous = smokingDeaths(at(0, 0, 0));
    for (int minute = 1; minute < 4 * minutesPerDay; ++minute) {
        const SmokeFreeTime shown = at(minute / minutesPerDay, minute / 60 % 24, minute % 60);
        const qint64 step = shown.minutes != 0 ? 9 : shown.hours != 0 ? 10 : 26;
        QCOMPARE(smokingDeaths(shown) - previous, step);
        previous = smokingDeaths(shown);
    }
}

void ProgressLogicTest::deathsSentence_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<SmokeFreeTime>("shown");
    QTest::addColumn<QString>("expected");

    QTest::newRow("an hour") << "en_US" << at(0, 1, 0)
                             << "There have been 541 smoking related deaths since you stopped smoking.";
    QTest::newRow("no separators") << "en_US" << at(365, 0, 0)
                                   << "There have been 4745000 smoking related deaths since you stopped smoking.";
    QTest::newRow("no separators in a decimal comma region")
        << "de_DE" << at(365, 0, 0) << "There have been 4745000 smoking related deaths since you stopped smoking.";
}

void ProgressLogicTest::deathsSentence()
{
    QFETCH(QString, locale);
    QFETCH(SmokeFreeTime, shown);
    QFETCH(QString, expected);
    const DefaultLocale regional(locale);
    QCOMPARE(::deathsSentence(shown), expected);
}

// One event a row: a star count or a milestone message, seconds after the
// start, whether the window is in sight, and whether the tray speaks up.
struct TrayEvent
{
    int stars;
    QString milestone;
    int atSecond;
    bool inSight;
    bool notifies;
};
Q_DECLARE_METATYPE(QList<TrayEvent>)

void ProgressLogicTest::trayNotifications_data()
{
    QTest::addColumn<QList<TrayEvent>>("events");
    QTest::newRow("first counts only learn") << QList<TrayEvent>{{3, {}, 0, false, false}, {-1, "Hi", 0, false, false}};
    QTest::newRow("a new star") << QList<TrayEvent>{{3, {}, 0, false, false}, {4, {}, 10, false, true}};
    QTest::newRow("the same stars") << QList<TrayEvent>{{3, {}, 0, false, false}, {3, {}, 90, false, false}};
    QTest::newRow("a new message") << QList<TrayEvent>{{-1, "Hi", 0, false, false}, {-1, "Day 2", 60, false, true}};
    QTest::newRow("in sight, the window says it")
        << QList<TrayEvent>{{3, {}, 0, true, false}, {4, {}, 10, true, false}};
    QTest::newRow("one a minute") << QList<TrayEvent>{{3, {}, 0, false, false},
                                                      {-1, "Hi", 0, false, false},
                                                      {4, {}, 10, false, true},
                                                      {-1, "Day 2", 69, false, false},
                                                      {5, {}, 70, false, true}};
    // What the window said itself was no notification, so the minute is not quiet.
    QTest::newRow("in sight, then out of sight") << QList<TrayEvent>{
        {3, {}, 0, false, false}, {-1, "Hi", 0, false, false}, {4, {}, 0, true, false}, {-1, "Day 2", 30, false, true}};
    QTest::newRow("a clock set back") << QList<TrayEvent>{
        {3, {}, 0, false, false}, {4, {}, 3600, false, true}, {5, {}, 10, false, true}};
}

void ProgressLogicTest::trayNotifications()
{
    QFETCH(QList<TrayEvent>, events);
    TrayAnnouncer announcer;
    const QDateTime start(QDate(2026, 6, 10), QTime(12, 0, 0));
    for (const TrayEvent &event : events) {
        const QDateTime now = start.addSecs(event.atSecond);
        const std::optional<QString> note = event.stars >= 0
                                                ? announcer.starsCounted(event.stars, now, event.inSight)
                                                : announcer.milestoneSaid(event.milestone, now, event.inSight);
        QCOMPARE(note.has_value(), event.notifies);
    }
}

QTEST_GUILESS_MAIN(ProgressLogicTest)
#include "tst_progress.moc"
