#include "journey/journeyfigures.h"

#include "cravinglog/journeytext.h"
#include "platform/regionalformats.h"

#include <QLocale>

#include <cmath>

namespace journey {

namespace {

using charts::Colour;

// Up to so many categories, each has its label; beyond, every so many.
constexpr int labelledCategories = 15;

QString describe(const QString &title, const QList<FigureRow> &rows, const QString &whenEmpty)
{
    if (rows.isEmpty())
        return journeyText("%1: %2").arg(title, whenEmpty);
    QStringList items;
    for (const FigureRow &row : rows)
        items << journeyText("%1, %2").arg(row.item, row.figure);
    return journeyText("%1: %2.").arg(title, items.join(QStringLiteral("; ")));
}

// Every category's number, or when there are many, every so many of them
// and the last.
QList<charts::AxisLabel> numberLabels(int count)
{
    const int step = count <= labelledCategories ? 1 : (count + 9) / 10;
    QList<charts::AxisLabel> labels;
    for (int category = 0; category < count; ++category) {
        if (category % step == 0 || category == count - 1)
            labels.append({category, QString::number(category + 1)});
    }
    return labels;
}

// What a chart of cravings says when it has none to show.
QString whenNoCravings(const Summary &summary, const QString &noneLogged)
{
    return summary.cravingsProblems.isEmpty() ? noneLogged : journeyText("Your cravings could not be read.");
}

FigureRow attemptRow(const Attempt &attempt, int number, bool longest)
{
    if (!attempt.readable)
        return {journeyText("Attempt %1").arg(number), journeyText("unreadable: %1").arg(attempt.fileName)};
    const QString start = regional::dateToText(attempt.start.date());
    const QString item =
        attempt.current
            ? journeyText("Attempt %1, the current one, since %2").arg(number).arg(start)
            : journeyText("Attempt %1, %2 to %3").arg(number).arg(start, regional::dateToText(attempt.end.date()));
    const QString length = daysAndHours(attempt.seconds);
    return {item, longest ? journeyText("%1, the longest").arg(length) : length};
}

ChartView attemptsChart(const Summary &summary)
{
    ChartView view;
    view.kind = ChartKind::Attempts;
    view.objectName = QStringLiteral("chtattempts");
    charts::Figures &figures = view.figures;
    figures.title = journeyText("Every attempt, in days");
    figures.categoryCount = static_cast<int>(summary.attempts.size());
    figures.categoryLabels = numberLabels(figures.categoryCount);
    figures.valueTitle = journeyText("Days");
    charts::BarSet earlier{journeyText("Earlier attempts"), Colour::Bars, {}};
    charts::BarSet current{journeyText("This attempt"), Colour::Current, {}};
    charts::BarSet unreadable{journeyText("Unreadable"), Colour::Muted, {}};

    double longestDays = 0;
    for (const Attempt &attempt : summary.attempts)
        longestDays = std::max(longestDays, attempt.readable ? attempt.seconds / double(secondsPerDay) : 0.0);
    // An unreadable copy is a stub, just high enough to carry its note.
    const double stub = longestDays > 0 ? longestDays / 20 : 0.5;
    QStringList unreadableFiles;
    for (int index = 0; index < figures.categoryCount; ++index) {
        const Attempt &attempt = summary.attempts.at(index);
        const double days = attempt.readable ? attempt.seconds / double(secondsPerDay) : 0;
        earlier.values << (attempt.readable && !attempt.current ? days : 0);
        current.values << (attempt.readable && attempt.current ? days : 0);
        unreadable.values << (attempt.readable ? 0 : stub);
        const bool longest = index == summary.longestIndex;
        view.rows << attemptRow(attempt, index + 1, longest);
        if (!attempt.readable) {
            unreadableFiles << attempt.fileName;
            figures.notes.append({index, stub, journeyText("unreadable")});
        } else if (longest) {
            figures.notes.append({index, days, journeyText("Longest: %n day(s)", nullptr, static_cast<int>(days))});
        }
    }
    figures.sets = {earlier, current, unreadable};
    // Under the bars: the attempts' numbers, and the names of the copies that could not be read.
    figures.categoryTitle = unreadableFiles.isEmpty() ? journeyText("Attempt")
                                                      : journeyText("Unreadable: %1").arg(unreadableFiles.join(u", "));
    view.description = describe(figures.title, view.rows, journeyText("No attempts yet."));
    return view;
}

ChartView cravingsChart(const Summary &summary)
{
    ChartView view;
    view.kind = ChartKind::CravingsPerDay;
    view.objectName = QStringLiteral("chtcravings");
    charts::Figures &figures = view.figures;
    figures.title = journeyText("Cravings per day, the last %n day(s)", nullptr, daysShown);
    figures.categoryCount = static_cast<int>(summary.days.size());
    figures.valueTitle = journeyText("Cravings");
    charts::BarSet passed{journeyText("Passed"), Colour::Bars, {}};
    charts::BarSet smoked{journeyText("Smoked"), Colour::Muted, {}};
    figures.line = {.name = journeyText("Mean strength"),
                    .runs = {},
                    .axisTitle = journeyText("Strength"),
                    .maximum = double(maximumStrength),
                    .tickInterval = 1};
    const QLocale locale;
    for (int index = 0; index < figures.categoryCount; ++index) {
        const DayCount &day = summary.days.at(index);
        passed.values << day.passed;
        smoked.values << day.cravings - day.passed;
        // A day without cravings has no strength, and the line breaks there.
        if (day.cravings > 0) {
            if (index == 0 || summary.days.at(index - 1).cravings == 0)
                figures.line.runs.append(QList<QPointF>());
            figures.line.runs.last().append(QPointF(index, day.meanStrength));
        }
        // A label a week, counted back from today.
        if ((figures.categoryCount - 1 - index) % 7 == 0)
            figures.categoryLabels.append({index, locale.toString(day.date, QStringLiteral("d MMM"))});
        if (day.cravings > 0) {
            const QString mean = regional::numberToText(std::round(day.meanStrength * 10) / 10);
            view.rows.append(
                {regional::dateToText(day.date), journeyText("%1, %2 passed, mean strength %3")
                                                     .arg(journeyText("%n craving(s)", nullptr, day.cravings))
                                                     .arg(day.passed)
                                                     .arg(mean)});
        }
    }
    figures.sets = {passed, smoked};
    view.description =
        describe(figures.title, view.rows,
                 whenNoCravings(summary, journeyText("No cravings logged in the last %1 days.").arg(daysShown)));
    return view;
}

ChartView triggersChart(const Summary &summary)
{
    ChartView view;
    view.kind = ChartKind::Triggers;
    view.objectName = QStringLiteral("chttriggers");
    charts::Figures &figures = view.figures;
    figures.title = journeyText("What set them off, every craving logged");
    figures.bars = Qt::Horizontal;
    figures.categoryCount = static_cast<int>(summary.triggers.size());
    figures.valueTitle = journeyText("Cravings");
    charts::BarSet counts{journeyText("Cravings"), Colour::Bars, {}};
    for (int index = 0; index < figures.categoryCount; ++index) {
        const TriggerCount &trigger = summary.triggers.at(index);
        const QString caption = triggerCaption(trigger.trigger);
        counts.values << trigger.count;
        figures.categoryLabels.append({index, caption});
        view.rows.append({caption, journeyText("%n craving(s)", nullptr, trigger.count)});
    }
    figures.sets = {counts};
    view.description =
        describe(figures.title, view.rows, whenNoCravings(summary, journeyText("No cravings logged yet.")));
    return view;
}

QString hourRange(int hour)
{
    const auto clock = [](int at) { return journeyText("%1:00").arg(at % hoursPerDay, 2, 10, QLatin1Char('0')); };
    return journeyText("%1 to %2").arg(clock(hour), clock(hour + 1));
}

// The hours of the day along the bottom, the cravings of each stacked by the
// day of the week, Monday at the foot.
ChartView hoursChart(const Summary &summary)
{
    ChartView view;
    view.kind = ChartKind::CravingHours;
    view.objectName = QStringLiteral("chthours");
    charts::Figures &figures = view.figures;
    figures.title = journeyText("When cravings come");
    figures.categoryCount = int(hoursPerDay);
    figures.categoryTitle = journeyText("Hour of the day, the last %n day(s)", nullptr, daysShown);
    figures.valueTitle = journeyText("Cravings");
    const QLocale locale;
    constexpr int weekdays = 7;
    for (int weekday = 0; weekday < weekdays; ++weekday)
        figures.sets.append({locale.dayName(weekday + 1, QLocale::ShortFormat), Colour::Shade, {}, weekday, weekdays});
    for (int hour = 0; hour < figures.categoryCount; ++hour) {
        if (hour % 3 == 0)
            figures.categoryLabels.append({hour, QString::number(hour)});
        int cravings = 0;
        QStringList days;
        for (int weekday = 0; weekday < weekdays; ++weekday) {
            const int count = summary.hours.at(hour).at(weekday);
            figures.sets[weekday].values << count;
            cravings += count;
            if (count > 0)
                days << journeyText("%1 %2").arg(locale.dayName(weekday + 1)).arg(count);
        }
        if (cravings > 0)
            view.rows.append(
                {hourRange(hour), journeyText("%1: %2").arg(journeyText("%n craving(s)", nullptr, cravings),
                                                            days.join(QStringLiteral(", ")))});
    }
    view.description =
        describe(figures.title, view.rows,
                 whenNoCravings(summary, journeyText("No cravings logged in the last %1 days.").arg(daysShown)));
    return view;
}

} // namespace

QList<ChartView> chartViews(const Summary &summary)
{
    return {attemptsChart(summary), cravingsChart(summary), triggersChart(summary), hoursChart(summary)};
}

} // namespace journey
