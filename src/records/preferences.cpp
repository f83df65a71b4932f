#include "records/preferences.h"

#include "platform/environment.h"
#include "platform/logging.h"
#include "records/datafiles.h"
#include "records/recordstexts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr QByteArrayView byteOrderMark = "\xEF\xBB\xBF";
constexpr QByteArrayView reminderSection = "reminder";
// What earlier versions wrote, and what a file without a line end gets.
constexpr QByteArrayView defaultLineEnd = "\r\n";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// A key of ours in the section [reminder]: how its value reads and how it is written.
struct Key
{
    QByteArrayView name;
    // False for a text that means nothing; PREFERENCES is left as it was.
    bool (*read)(QByteArrayView text, Preferences &preferences);
    QByteArray (*text)(const Preferences &preferences);
};

bool readRemind(QByteArrayView text, Preferences &preferences)
{
    // QSettings took the words in any case.
    const QByteArray word = text.toByteArray().toLower();
    if (word != "true" && word != "false")
        return false;
    preferences.remindBeforeUsualHour = word == "true";
    return true;
}

QByteArray remindText(const Preferences &preferences)
{
    return preferences.remindBeforeUsualHour ? "true" : "false";
}

// YYYY-MM-DD and nothing else; an empty value is a reminder that never showed.
bool readLastShown(QByteArrayView text, Preferences &preferences)
{
    if (text.isEmpty()) {
        preferences.reminderLastShown = QDate();
        return true;
    }
    if (text.size() != 10)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7 ? text[i] != '-' : text[i] < '0' || text[i] > '9')
            return false;
    }
    const auto digits = [text](qsizetype from, qsizetype count) {
        int number = 0;
        for (qsizetype i = from; i < from + count; ++i)
            number = number * 10 + (text[i] - '0');
        return number;
    };
    const QDate date(digits(0, 4), digits(5, 2), digits(8, 2));
    if (!date.isValid())
        return false;
    preferences.reminderLastShown = date;
    return true;
}

QByteArray lastShownText(const Preferences &preferences)
{
    // A date with a year of more than four digits has no YYYY-MM-DD; no
    // clock of ours gives one.
    const QDate date = preferences.reminderLastShown;
    return date.isValid() && date.year() >= 1 && date.year() <= 9999 ? date.toString(Qt::ISODate).toLatin1()
                                                                     : QByteArray();
}

const std::array<Key, 2> keys{{
    {"beforeUsualHour", readRemind, remindText},
    {"lastShown", readLastShown, lastShownText},
}};

// Where a key's value lies in the bytes, blanks and a trailing comment left out.
struct Value
{
    qsizetype start = -1;
    qsizetype end = -1;
};

// What of the bytes the preferences are read from and written into.
struct Layout
{
    std::array<Value, keys.size()> values; // the last line of each key in [reminder]; none: start -1
    // Where the last [reminder] section's last key (or its heading) ends, and
    // the line end there (empty at the end of a file without one); -1 without
    // such a section.
    qsizetype sectionEnd = -1;
    QByteArrayView sectionLineEnd;
    QByteArrayView firstLineEnd; // empty when no line has one
    QByteArrayView lastLineEnd;  // of the last line; empty when it has none or there is none
    bool lastLineEmpty = true;
};

Layout layoutOf(const QByteArray &bytes)
{
    Layout layout;
    bool inReminder = false;
    qsizetype start = bytes.startsWith(byteOrderMark) ? byteOrderMark.size() : 0;
    while (start < bytes.size()) {
        qsizetype textEnd = start;
        while (textEnd < bytes.size() && bytes[textEnd] != '\r' && bytes[textEnd] != '\n')
            ++textEnd;
        qsizetype end = textEnd;
        if (end < bytes.size())
            end += bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
        const QByteArrayView lineEnd = QByteArrayView(bytes).sliced(textEnd, end - textEnd);
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, textEnd - start);
        const QByteArrayView text = trimmed(line);
        if (layout.firstLineEnd.isEmpty())
            layout.firstLineEnd = lineEnd;
        layout.lastLineEnd = lineEnd;
        layout.lastLineEmpty = line.isEmpty();

        const qsizetype equals = line.indexOf('=');
        if (text.startsWith('[')) {
            // QSettings took a heading without its "]" to the end of the line.
            QByteArrayView name = text.sliced(1);
            if (const qsizetype close = name.indexOf(']'); close >= 0)
                name = name.first(close);
            inReminder = trimmed(name) == reminderSection;
            if (inReminder) {
                layout.sectionEnd = end;
                layout.sectionLineEnd = lineEnd;
            }
        } else if (!text.startsWith(';') && !text.startsWith('#') && equals >= 0 && inReminder) {
            const QByteArrayView name = trimmed(line.first(equals));
            qsizetype valueStart = start + equals + 1;
            while (valueStart < textEnd && isBlank(bytes[valueStart]))
                ++valueStart;
            qsizetype valueEnd = valueStart;
            while (valueEnd < textEnd && bytes[valueEnd] != ';')
                ++valueEnd;
            while (valueEnd > valueStart && isBlank(bytes[valueEnd - 1]))
                --valueEnd;
            for (std::size_t i = 0; i < keys.size(); ++i) {
                if (name == keys[i].name)
                    layout.values[i] = {valueStart, valueEnd};
            }
            layout.sectionEnd = end;
            layout.sectionLineEnd = lineEnd;
        }
        start = end;
    }
    return layout;
}

} // namespace

Preferences preferencesFrom(const QByteArray &bytes)
{
    Preferences preferences;
    const Layout layout = layoutOf(bytes);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const Value value = layout.values[i];
        if (value.start < 0)
            continue;
        const QByteArrayView text = QByteArrayView(bytes).sliced(value.start, value.end - value.start);
        if (!keys[i].read(text, preferences))
            qCWarning(logClearwind) << "A preference passed over:" << keys[i].name << text;
    }
    return preferences;
}

QByteArray withPreferences(const QByteArray &original, const Preferences &preferences)
{
    const Layout layout = layoutOf(original);
    const Preferences current = preferencesFrom(original);
    const QByteArrayView fileLineEnd = layout.firstLineEnd.isEmpty() ? defaultLineEnd : layout.firstLineEnd;
    // New lines take the line end of the line they follow, which keeps them
    // from joining a lone CR or LF around them into one line end.
    const bool inSection = layout.sectionEnd >= 0;
    const QByteArray lineEnd =
        (inSection && !layout.sectionLineEnd.isEmpty() ? layout.sectionLineEnd : fileLineEnd).toByteArray();

    struct Edit
    {
        qsizetype at;
        qsizetype removed;
        QByteArray inserted;
    };
    std::vector<Edit> edits;
    QByteArray added;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const QByteArray text = keys[i].text(preferences);
        if (text == keys[i].text(current))
            continue;
        if (const Value value = layout.values[i]; value.start >= 0)
            edits.push_back({value.start, value.end - value.start, text});
        else if (text != keys[i].text(Preferences()))
            added += keys[i].name.toByteArray() + '=' + text + lineEnd;
    }
    if (!added.isEmpty()) {
        if (inSection) {
            const QByteArray ended = layout.sectionLineEnd.isEmpty() ? lineEnd : QByteArray();
            edits.push_back({layout.sectionEnd, 0, ended + added});
        } else {
            // After a blank line, as QSettings set its sections apart.
            QByteArray before;
            if (!layout.lastLineEmpty)
                before = layout.lastLineEnd.isEmpty() ? lineEnd + lineEnd : layout.lastLineEnd.toByteArray();
            edits.push_back({original.size(), 0, before + '[' + reminderSection.toByteArray() + ']' + lineEnd + added});
        }
    }
    // In the order of the bytes; a value that ends where its section does
    // (at the end of a file without a line end) comes before the lines added
    // after it, as it came first above.
    std::stable_sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) { return a.at < b.at; });

    QByteArray result;
    result.reserve(original.size() + 64);
    qsizetype kept = 0;
    for (const Edit &edit : edits) {
        result += QByteArrayView(original).sliced(kept, edit.at - kept);
        result += edit.inserted;
        kept = edit.at + edit.removed;
    }
    result += QByteArrayView(original).sliced(kept);
    return result;
}

PreferencesFile PreferencesFile::ofUser(const Environment &environment)
{
    return PreferencesFile(datafiles::path(environment, datafiles::File::Preferences), environment.userDataFolder);
}

PreferencesFile::Bytes PreferencesFile::bytes() const
{
    textfiles::FileRead file =
        textfiles::readFile(m_path, {.limit = readLimitBytes,
                                     .whenFolder = RecordsTexts::tr("it is not a file of preferences"),
                                     .whenNotAFile = RecordsTexts::tr("it is not a file of preferences"),
                                     .whenTooLarge = RecordsTexts::tr("it is larger than 64 KB, too large to be a file of preferences"),
                                     .within = m_within});
    return {std::move(file.bytes), file.problem};
}

StoredPreferences PreferencesFile::read() const
{
    const Bytes file = bytes();
    if (!file.problem.isEmpty()) {
        qCWarning(logClearwind) << "The preferences in" << m_path << "could not be read:" << file.problem;
        return {Preferences(), file.problem};
    }
    return {preferencesFrom(file.bytes), QString()};
}

textfiles::WriteResult PreferencesFile::write(const Preferences &preferences) const
{
    const Bytes file = bytes();
    if (!file.problem.isEmpty())
        return {false, file.problem};
    const QByteArray written = withPreferences(file.bytes, preferences);
    // What reads as it should already is left alone, a missing file included.
    if (written == file.bytes)
        return {true, QString()};
    return textfiles::writeAtomically(m_path, written, {.within = m_within});
}
