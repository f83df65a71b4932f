#include "journey/journeyfigures.h"

#include "platform/regionalformats.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace journey {

namespace {

using charts::Colour;

constexpr qint64 secondsPerDay = 24 * 60 * 60;
// Up to so many categories, each has its label; beyond, every so many.
constexpr int labelledCategories = 15;

QString text(const char *source, int count = -1)
{
    return QCoreApplication::translate("journey", source, nullptr, count);
}

QString duration(qint64 seconds)
{
    const int days = static_cast<int>(seconds / secondsPerDay);
    const int hours = static_cast<int>(seconds % secondsPerDay / 3600);
    return text("%1 and %2").arg(text("%n day(s)", days), text("%n hour(s)", hours));
}

QString describe(const QString &title, const QList<FigureRow> &rows, const QString &whenEmpty)
{
    if (rows.isEmpty())
        return text("%1: %2").arg(title, whenEmpty);
    QStringList items;
    for (const FigureRow &row : rows)
        items << text("%1, %2").arg(row.item, row.figure);
    return text("%1: %2.").arg(title, items.join(QStringLiteral("; ")));
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
QString whenNoCravings(const Summary &summary, const char *noneLogged)
{
    return summary.cravingsProblems.isEmpty() ? text(noneLogged) : text("Your cravings could not be read.");
}

FigureRow attemptRow(const Attempt &attempt, int number, bool longest)
{
    if (!attempt.readable)
        return {text("Attempt %1").arg(number), text("unreadable: %1").arg(attempt.fileName)};
    const QString start = regional::dateToText(attempt.start.date());
    const QString item =
        attempt.current ? text("Attempt %1, the current one, since %2").arg(number).arg(start)
                        : text("Attempt %1, %2 to %3").arg(number).arg(start, regional::dateToText(attempt.end.date()));
    const QString length = duration(attempt.seconds);
    return {item, longest ? text("%1, the longest").arg(length) : length};
}

ChartView attemptsChart(const Summary &summary)
{
    ChartView view;
    view.objectName = QStringLiteral("chtattempts");
    charts::Figures &figures = view.figures;
    figures.title = text("Every attempt, in days");
    figures.categoryCount = static_cast<int>(summary.attempts.size());
    figures.categoryLabels = numberLabels(figures.categoryCount);
    figures.valueTitle = text("Days");
    charts::BarSet earlier{text("Earlier attempts"), Colour::Bars, {}};
    charts::BarSet current{text("This attempt"), Colour::Current, {}};
    charts::BarSet unreadable{text("Unreadable"), Colour::Muted, {}};

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
            figures.notes.append({index, stub, text("unreadable")});
        } else if (longest) {
            figures.notes.append({index, days, text("Longest: %n day(s)", static_cast<int>(days))});
        }
    }
    figures.sets = {earlier, current, unreadable};
    // Under the bars: the attempts' numbers, and the names of the copies that could not be read.
    figures.categoryTitle =
        unreadableFiles.isEmpty() ? text("Attempt") : text("Unreadable: %1").arg(unreadableFiles.join(u", "));
    view.description = describe(figures.title, view.rows, text("No attempts yet."));
    return view;
}

ChartView cravingsChart(const Summary &summary)
{
    ChartView view;
    view.objectName = QStringLiteral("chtcravings");
    charts::Figures &figures = view.figures;
    figures.title = text("Cravings per day, the last %n day(s)", daysShown);
    figures.categoryCount = static_cast<int>(summary.days.size());
    figures.valueTitle = text("Cravings");
    charts::BarSet passed{text("Passed"), Colour::Bars, {}};
    charts::BarSet smoked{text("Smoked"), Colour::Muted, {}};
    figures.line = {text("Mean strength"), {}, text("Strength"), double(maximumStrength), 1};
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
            view.rows.append({regional::dateToText(day.date), text("%1, %2 passed, mean strength %3")
                                                                  .arg(text("%n craving(s)", day.cravings))
                                                                  .arg(day.passed)
                                                                  .arg(mean)});
        }
    }
    figures.sets = {passed, smoked};
    view.description =
        describe(figures.title, view.rows,
                 whenNoCravings(summary, QT_TRANSLATE_NOOP("journey", "No cravings logged in the last 30 days.")));
    return view;
}

ChartView triggersChart(const Summary &summary)
{
    ChartView view;
    view.objectName = QStringLiteral("chttriggers");
    charts::Figures &figures = view.figures;
    figures.title = text("What set them off, every craving logged");
    figures.bars = Qt::Horizontal;
    figures.categoryCount = static_cast<int>(summary.triggers.size());
    figures.valueTitle = text("Cravings");
    charts::BarSet counts{text("Cravings"), Colour::Bars, {}};
    for (int index = 0; index < figures.categoryCount; ++index) {
        const TriggerCount &trigger = summary.triggers.at(index);
        const QString caption = triggerCaption(trigger.trigger);
        counts.values << trigger.count;
        figures.categoryLabels.append({index, caption});
        view.rows.append({caption, text("%n craving(s)", trigger.count)});
    }
    figures.sets = {counts};
    view.description = describe(figures.title, view.rows,
                                whenNoCravings(summary, QT_TRANSLATE_NOOP("journey", "No cravings logged yet.")));
    return view;
}

} // namespace

QList<ChartView> chartViews(const Summary &summary)
{
    return {attemptsChart(summary), cravingsChart(summary), triggersChart(summary)};
}

} // namespace journey
