#include "records/preferences.h"

#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>

namespace {

constexpr QByteArrayView byteOrderMark = "\xEF\xBB\xBF";
constexpr QByteArrayView keyNames[] = {"beforeUsualHour", "lastShown"};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// The preferences written, from the input's size: each value in turn, a day
// at either end of the four-digit years among them.
Preferences preferencesFor(size_t size)
{
    static const QDate days[] = {QDate(), QDate(2026, 3, 14), QDate(1, 1, 1), QDate(9999, 12, 31)};
    return {size % 2 == 1, days[size / 2 % 4]};
}

// LINE as a write must leave it; empty for a line a write may add or whose
// value it may change. A line of one of our keys loses its value, and the
// blanks and the comment around it stay.
QByteArray keptPart(QByteArrayView line)
{
    qsizetype at = 0;
    while (at < line.size() && isBlank(line[at]))
        ++at;
    const QByteArrayView text = line.sliced(at);
    if (line.isEmpty() || line == "[reminder]")
        return {};
    for (const QByteArrayView name : keyNames) {
        if (!text.startsWith(name))
            continue;
        qsizetype equals = name.size();
        while (equals < text.size() && isBlank(text[equals]))
            ++equals;
        if (equals == text.size() || text[equals] != '=')
            continue;
        qsizetype valueStart = equals + 1;
        while (valueStart < text.size() && isBlank(text[valueStart]))
            ++valueStart;
        qsizetype valueEnd = text.indexOf(';', valueStart);
        if (valueEnd < 0)
            valueEnd = text.size();
        while (valueEnd > valueStart && isBlank(text[valueEnd - 1]))
            --valueEnd;
        // What a write adds: the key, "=", the value and nothing else.
        if (at == 0 && equals == name.size() && valueStart == equals + 1 && valueEnd == text.size())
            return {};
        return line.first(at + valueStart).toByteArray() + '|' + text.sliced(valueEnd).toByteArray();
    }
    return line.toByteArray();
}

// Every line of BYTES that a write must keep, each kept part on a line of its
// own: what must stay byte for byte, but for the kind of line end.
QByteArray othersOf(QByteArrayView bytes)
{
    QByteArray others = bytes.startsWith(byteOrderMark) ? "mark\n" : "";
    qsizetype start = bytes.startsWith(byteOrderMark) ? byteOrderMark.size() : 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (const QByteArray kept = keptPart(bytes.sliced(start, end - start)); !kept.isEmpty())
            others += kept + '\n';
        start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return others;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Passed-over values are logged; here they are the rule.
    QLoggingCategory::setFilterRules(QStringLiteral("clearwind.warning=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const Preferences read = preferencesFrom(before);
    // Writing what was read touches nothing.
    if (withPreferences(before, read) != before)
        __builtin_trap();
    const Preferences wanted = preferencesFor(size);
    const QByteArray after = withPreferences(before, wanted);
    // What is written reads back, and every line that is not ours stays.
    if (preferencesFrom(after) != wanted || othersOf(after) != othersOf(before))
        __builtin_trap();
    // Two lines and a heading at most come in.
    if (after.size() > before.size() + 80)
        __builtin_trap();
    return 0;
}
