#include "health/bodymeters.h"
#include "health/diseaserisks.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(SmokeFreeTime)

namespace {

SmokeFreeTime at(qint64 days, int hours = 0, int minutes = 0, int seconds = 0)
{
    return SmokeFreeTime{days, hours, minutes, seconds};
}

// The last second of a smoke-free day.
SmokeFreeTime lastSecondOf(qint64 days)
{
    return at(days, 23, 59, 59);
}

const diseaserisks::Disease &disease(const char *valueName)
{
    for (const diseaserisks::Disease &row : diseaserisks::diseases()) {
        if (qstrcmp(row.valueName, valueName) == 0)
            return row;
    }
    qFatal("No disease row %s", valueName);
}

const bodymeters::Meter &meter(const char *meterName)
{
    for (const bodymeters::Meter &row : bodymeters::meters()) {
        if (qstrcmp(row.meterName, meterName) == 0)
            return row;
    }
    qFatal("No meter %s", meterName);
}

// Where a marker stands when it has climbed so far above its bottom position.
double climbed(double twips)
{
    return 3150 - twips;
}

constexpr double fullTop = 240;

// A smoke-free time of so many whole units, as the counter would show it.
SmokeFreeTime afterUnits(bodymeters::Unit unit, qint64 units)
{
    switch (unit) {
    case bodymeters::Unit::Minutes:
        return at(units / 1440, static_cast<int>(units / 60 % 24), static_cast<int>(units % 60));
    case bodymeters::Unit::Hours:
        return at(units / 24, static_cast<int>(units % 24));
    case bodymeters::Unit::Days:
        return at(units);
    }
    return at(0);
}

// The last second before the next whole unit begins.
SmokeFreeTime lastSecondWithin(bodymeters::Unit unit, qint64 units)
{
    SmokeFreeTime time = afterUnits(unit, units);
    time.seconds = 59;
    if (unit != bodymeters::Unit::Minutes)
        time.minutes = 59;
    if (unit == bodymeters::Unit::Days)
        time.hours = 23;
    return time;
}

} // namespace

class HealthLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void riskText_data();
    void riskText();
    void riskTextUsesTheRegionalDecimalSeparator();
    void diseaseRowsStandInTheirOrder();

    void markerTop_data();
    void markerTop();
    void markerClimbsEvenlyOverTheWholeSpan_data();
    void markerClimbsEvenlyOverTheWholeSpan();

    void twipsToPixels_data();
    void twipsToPixels();
    void markersShareTheScaleEdgesInPixels_data();
    void markersShareTheScaleEdgesInPixels();
};

void HealthLogicTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void HealthLogicTest::riskText_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<SmokeFreeTime>("time");
    QTest::addColumn<QString>("expected");

    const QByteArray heart = "lblstatheart", stroke = "lblstrokerisk", lung = "lbllungcancerrisk",
                     sick = "lblsickchance";

    QTest::newRow("heart, nothing yet") << heart << at(0) << "0%";
    QTest::newRow("heart, 1 second") << heart << at(0, 0, 0, 1) << "0.0000001%";
    QTest::newRow("sick, 1 second") << sick << at(0, 0, 0, 1) << "0.0000064%";

    QTest::newRow("heart, 1 day") << heart << at(1) << "0.012054%";
    QTest::newRow("stroke, 1 day") << stroke << at(1) << "0.027397%";
    QTest::newRow("lung, 1 day") << lung << at(1) << "0.024577%";
    QTest::newRow("sick, 1 day") << sick << at(1) << "0.555555%";

    // A half in the eighth decimal rounds up.
    QTest::newRow("heart, 1 day 1 hour") << heart << at(1, 1) << "0.0125563%";
    QTest::newRow("stroke, 1 day 1 hour") << stroke << at(1, 1) << "0.0285385%";
    QTest::newRow("lung, 1 day 1 hour") << lung << at(1, 1) << "0.025601%";
    QTest::newRow("sick, 1 day 1 hour") << sick << at(1, 1) << "0.5787031%";

    QTest::newRow("heart, 30 days") << heart << at(30) << "0.36162%";
    QTest::newRow("stroke, 30 days") << stroke << at(30) << "0.82191%";
    QTest::newRow("lung, 30 days") << lung << at(30) << "0.73731%";
    QTest::newRow("sick, 30 days") << sick << at(30) << "16.66665%";

    QTest::newRow("all parts count") << lung << at(7, 3, 25, 40) << "0.1755492%";
    QTest::newRow("half a day") << stroke << at(0, 12) << "0.0136985%";

    // Each limit: the last second with a percentage, then normal.
    QTest::newRow("sick, last second of day 89") << sick << lastSecondOf(89) << "49.9999436%";
    QTest::newRow("sick, day 90") << sick << at(90) << "RISK NORMAL";
    QTest::newRow("stroke, last second of day 1820") << stroke << lastSecondOf(1820) << "49.8899367%";
    QTest::newRow("stroke, day 1821") << stroke << at(1821) << "RISK NORMAL";
    QTest::newRow("lung, last second of day 3647") << lung << lastSecondOf(3647) << "89.6568957%";
    QTest::newRow("lung, day 3648") << lung << at(3648) << "RISK NORMAL";
    QTest::newRow("heart, last second of day 5474") << heart << lastSecondOf(5474) << "65.9956499%";
    QTest::newRow("heart, day 5475") << heart << at(5475) << "RISK NORMAL";
    QTest::newRow("heart, day 5475 and a second") << heart << at(5475, 0, 0, 1) << "RISK NORMAL";
    QTest::newRow("heart, longest count") << heart << at(32767, 23, 59, 59) << "RISK NORMAL";

    // The limits belong to their own rows.
    QTest::newRow("heart, day 90") << heart << at(90) << "1.08486%";
    QTest::newRow("stroke, day 3648") << stroke << at(3648) << "RISK NORMAL";
    QTest::newRow("lung, day 1821") << lung << at(1821) << "44.754717%";
}

void HealthLogicTest::riskText()
{
    QFETCH(QByteArray, row);
    QFETCH(SmokeFreeTime, time);
    QFETCH(QString, expected);
    QCOMPARE(diseaserisks::riskText(disease(row), time), expected);
}

void HealthLogicTest::riskTextUsesTheRegionalDecimalSeparator()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(diseaserisks::riskText(disease("lblstatheart"), at(1, 1)), QStringLiteral("0,0125563%"));
    QCOMPARE(diseaserisks::riskText(disease("lblsickchance"), lastSecondOf(89)), QStringLiteral("49,9999436%"));
    QCOMPARE(diseaserisks::riskText(disease("lblsickchance"), at(30)), QStringLiteral("16,66665%"));
    // No thousands separator in a long count either.
    QCOMPARE(diseaserisks::riskText(disease("lblsickchance"), at(0)), QStringLiteral("0%"));
}

void HealthLogicTest::diseaseRowsStandInTheirOrder()
{
    QStringList rows;
    for (const diseaserisks::Disease &row : diseaserisks::diseases())
        rows << QString::fromLatin1(row.captionName) + QLatin1Char(':') + QString::fromLatin1(row.valueName);
    QCOMPARE(rows, QStringList({"Label22:lblstatheart", "Label23:lblstrokerisk", "Label24:lbllungcancerrisk",
                                "Label26:lblsickchance"}));
}

void HealthLogicTest::markerTop_data()
{
    QTest::addColumn<QByteArray>("meter");
    QTest::addColumn<SmokeFreeTime>("time");
    QTest::addColumn<double>("expected");

    QTest::newRow("m1 at the start") << QByteArray("m1") << at(0) << climbed(0);
    QTest::newRow("m1 after a minute") << QByteArray("m1") << at(0, 0, 1) << climbed(150);
    QTest::newRow("m1 19 minutes") << QByteArray("m1") << at(0, 0, 19) << climbed(2850);
    QTest::newRow("m1 last second before 20 minutes") << QByteArray("m1") << at(0, 0, 19, 59) << climbed(2850);
    QTest::newRow("m1 20 minutes") << QByteArray("m1") << at(0, 0, 20) << fullTop;
    QTest::newRow("m1 20 minutes 1 second") << QByteArray("m1") << at(0, 0, 20, 1) << fullTop;
    QTest::newRow("m1 1 hour") << QByteArray("m1") << at(0, 1) << fullTop;
    QTest::newRow("m1 1 day") << QByteArray("m1") << at(1) << fullTop;

    QTest::newRow("m2 7 hours") << QByteArray("m2") << at(0, 7, 59, 59) << climbed(2625);
    // The last step overshoots the scale's top by 90 twips for that hour.
    QTest::newRow("m2 8 hours") << QByteArray("m2") << at(0, 8) << 150.0;
    QTest::newRow("m2 last second before 9 hours") << QByteArray("m2") << at(0, 8, 59, 59) << 150.0;
    QTest::newRow("m2 9 hours") << QByteArray("m2") << at(0, 9) << fullTop;
    QTest::newRow("m2 1 day") << QByteArray("m2") << at(1) << fullTop;

    QTest::newRow("m3 12 hours") << QByteArray("m3") << at(0, 12) << climbed(1500);
    QTest::newRow("m3 23 hours") << QByteArray("m3") << at(0, 23) << climbed(2875);
    QTest::newRow("m3 last second of the first day") << QByteArray("m3") << lastSecondOf(0) << climbed(2875);
    QTest::newRow("m3 1 day") << QByteArray("m3") << at(1) << fullTop;
    QTest::newRow("m3 1 day 1 second") << QByteArray("m3") << at(1, 0, 0, 1) << fullTop;

    QTest::newRow("m4 0 days 23 hours") << QByteArray("m4") << lastSecondOf(0) << climbed(1437.5);
    QTest::newRow("m4 1 day") << QByteArray("m4") << at(1) << climbed(1500);
    QTest::newRow("m4 1 day 1 hour") << QByteArray("m4") << at(1, 1) << climbed(1562.5);
    QTest::newRow("m4 1 day 23 hours") << QByteArray("m4") << lastSecondOf(1) << climbed(2937.5);
    QTest::newRow("m4 2 days") << QByteArray("m4") << at(2) << fullTop;
    QTest::newRow("m4 2 days 1 second") << QByteArray("m4") << at(2, 0, 0, 1) << fullTop;

    QTest::newRow("m5 day 1") << QByteArray("m5") << at(1, 23) << climbed(107);
    QTest::newRow("m5 day 27") << QByteArray("m5") << lastSecondOf(27) << climbed(2889);
    QTest::newRow("m5 day 28") << QByteArray("m5") << at(28) << fullTop;
    QTest::newRow("m5 day 28 1 second") << QByteArray("m5") << at(28, 0, 0, 1) << fullTop;

    QTest::newRow("m6 day 70") << QByteArray("m6") << lastSecondOf(70) << 150.5;
    QTest::newRow("m6 day 71") << QByteArray("m6") << at(71) << fullTop;
    QTest::newRow("m6 day 71 1 second") << QByteArray("m6") << at(71, 0, 0, 1) << fullTop;

    QTest::newRow("m7 day 90") << QByteArray("m7") << at(90) << climbed(1499.4);
    QTest::newRow("m7 day 180") << QByteArray("m7") << lastSecondOf(180) << 151.2;
    QTest::newRow("m7 day 181") << QByteArray("m7") << at(181) << fullTop;
    QTest::newRow("m7 day 181 1 second") << QByteArray("m7") << at(181, 0, 0, 1) << fullTop;
    QTest::newRow("m7 longest count") << QByteArray("m7") << at(32767) << fullTop;
}

void HealthLogicTest::markerTop()
{
    QFETCH(QByteArray, meter);
    QFETCH(SmokeFreeTime, time);
    QFETCH(double, expected);
    QCOMPARE(bodymeters::markerTop(::meter(meter), time), expected);
}

void HealthLogicTest::markerClimbsEvenlyOverTheWholeSpan_data()
{
    QTest::addColumn<QByteArray>("meter");
    QTest::addColumn<qint64>("span");
    QTest::addColumn<double>("step");

    QTest::newRow("blood pressure: 20 minutes") << QByteArray("m1") << qint64(20) << 150.0;
    QTest::newRow("oxygen: 9 hours") << QByteArray("m2") << qint64(9) << 375.0;
    QTest::newRow("carbon monoxide: 24 hours") << QByteArray("m3") << qint64(24) << 125.0;
    QTest::newRow("taste and smell: 48 hours") << QByteArray("m4") << qint64(48) << 62.5;
    QTest::newRow("energy: 28 days") << QByteArray("m5") << qint64(28) << 107.0;
    QTest::newRow("circulation: 71 days") << QByteArray("m6") << qint64(71) << 42.85;
    QTest::newRow("lung capacity: 181 days") << QByteArray("m7") << qint64(181) << 16.66;
}

void HealthLogicTest::markerClimbsEvenlyOverTheWholeSpan()
{
    QFETCH(QByteArray, meter);
    QFETCH(qint64, span);
    QFETCH(double, step);
    const bodymeters::Meter &row = ::meter(meter);
    for (qint64 units = 0; units < span; ++units) {
        const SmokeFreeTime time = afterUnits(row.unit, units);
        const double top = bodymeters::markerTop(row, time);
        QVERIFY2(qFuzzyCompare(top, 3150 - units * step), qPrintable(QString::number(units)));
        // Within the unit the marker stays where it is.
        QCOMPARE(bodymeters::markerTop(row, lastSecondWithin(row.unit, units)), top);
    }
    QCOMPARE(bodymeters::markerTop(row, afterUnits(row.unit, span)), fullTop);
    QCOMPARE(bodymeters::markerTop(row, afterUnits(row.unit, span + 1)), fullTop);
}

void HealthLogicTest::twipsToPixels_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");

    QTest::newRow("scale top at 96") << 240.0 << 96.0 << 16;
    QTest::newRow("bottom position at 96") << 3150.0 << 96.0 << 210;
    QTest::newRow("scale height at 96") << 3000.0 << 96.0 << 200;
    QTest::newRow("overshoot at 96") << 150.0 << 96.0 << 10;
    QTest::newRow("half step at 96") << 212.5 << 96.0 << 14;
    QTest::newRow("bottom position at 120") << 3150.0 << 120.0 << 263;
    QTest::newRow("scale height at 144") << 3000.0 << 144.0 << 300;
    QTest::newRow("bottom position at 192") << 3150.0 << 192.0 << 420;
    QTest::newRow("an inch at 72") << 1440.0 << 72.0 << 72;
}

void HealthLogicTest::twipsToPixels()
{
    QFETCH(double, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(bodymeters::twipsToPixels(twips, dpi), pixels);
}

void HealthLogicTest::markersShareTheScaleEdgesInPixels_data()
{
    QTest::addColumn<double>("dpi");
    QTest::newRow("96") << 96.0;
    QTest::newRow("120") << 120.0;
    QTest::newRow("144") << 144.0;
    QTest::newRow("168") << 168.0;
    QTest::newRow("192") << 192.0;
    QTest::newRow("odd 101") << 101.0;
}

void HealthLogicTest::markersShareTheScaleEdgesInPixels()
{
    using namespace bodymeters;
    QFETCH(double, dpi);
    const double firstLeft = 1234.5;
    for (int index = 0; index < 7; ++index) {
        const QRect scale = bodymeters::twipsToPixels(geometry::meterRect(index, firstLeft), dpi, dpi);
        const QRect bottom =
            bodymeters::twipsToPixels(geometry::markerRect(index, firstLeft, geometry::markerBottomTop), dpi, dpi);
        const QRect top =
            bodymeters::twipsToPixels(geometry::markerRect(index, firstLeft, geometry::meterTop), dpi, dpi);
        QCOMPARE(bottom.bottom(), scale.bottom());
        QCOMPARE(top.top(), scale.top());
        QCOMPARE(bottom.left(), scale.left());
        QCOMPARE(bottom.right(), scale.right());
        QCOMPARE(scale.top(), qRound(240 * dpi / 1440));
        QCOMPARE(scale.bottom() + 1, qRound(3240 * dpi / 1440));
        QCOMPARE(scale.left(), qRound((firstLeft + 840 * index) * dpi / 1440));
    }
}

QTEST_APPLESS_MAIN(HealthLogicTest)
#include "tst_health_logic.moc"
