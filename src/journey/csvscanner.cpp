#include "journey/csvscanner.h"

#include <array>
#include <cstring>

namespace journey::csv {

namespace {

// The bytes that end or open something: a field, a record, quotes.
constexpr std::array<bool, 256> specialBytes = [] {
    std::array<bool, 256> table{};
    for (const unsigned char byte : {',', '"', '\r', '\n'})
        table[byte] = true;
    return table;
}();

bool special(char byte)
{
    return specialBytes[static_cast<unsigned char>(byte)];
}

} // namespace

Scanner::Scanner(QByteArrayView bytes) : m_bytes(bytes)
{
    if (bytes.startsWith(byteOrderMark))
        m_position = byteOrderMark.size();
}

bool Scanner::next(Record &record, bool keepFields)
{
    const qsizetype size = m_bytes.size();
    if (m_position >= size)
        return false;
    const char *data = m_bytes.data();
    record.start = m_position;
    record.fields.clear();
    record.fieldCount = 0;
    record.wellFormed = true;
    record.insideQuotes = false;
    record.lineEnded = false;
    record.firstQuoted = false;

    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };
    State state = State::FieldStart;
    qsizetype fieldStart = m_position;
    bool quoted = false;
    const auto keep = [&] { return keepFields && record.fieldCount < maxKeptFields; };
    // The unquoted text of the field being read, while it is one to keep.
    const auto unquoted = [&]() -> QByteArray & { return record.unquoted[record.fieldCount]; };
    const auto endField = [&](qsizetype end) {
        if (keep())
            record.fields.append(quoted ? QByteArrayView(unquoted()) : m_bytes.sliced(fieldStart, end - fieldStart));
        if (record.fieldCount == 0)
            record.firstQuoted = quoted;
        ++record.fieldCount;
        quoted = false;
        fieldStart = m_position;
    };
    const auto endLine = [&](char ending) {
        endField(m_position - 1);
        if (ending == '\r' && m_position < size && data[m_position] == '\n')
            ++m_position;
        record.lineEnded = true;
    };

    while (m_position < size) {
        if (state == State::Unquoted) {
            // Most bytes are plain text; pass over them in one go.
            while (m_position < size && !special(data[m_position]))
                ++m_position;
            if (m_position == size)
                break;
        }
        const char c = data[m_position++];
        switch (state) {
        case State::FieldStart:
            if (c == '"') {
                state = State::Quoted;
                quoted = true;
                if (keep())
                    unquoted().resize(0);
                break;
            }
            state = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted:
            if (c == ',') {
                endField(m_position - 1);
                state = State::FieldStart;
            } else if (c == '\r' || c == '\n') {
                endLine(c);
                return true;
            } else if (c == '"') {
                record.wellFormed = false;
            }
            break;
        case State::Quoted: {
            // Everything up to the next quote belongs to the field, line breaks included.
            const qsizetype from = m_position - 1;
            const auto *quote = static_cast<const char *>(std::memchr(data + from, '"', size - from));
            const qsizetype to = quote ? quote - data : size;
            if (keep())
                unquoted().append(data + from, to - from);
            m_position = quote ? to + 1 : size;
            if (quote)
                state = State::AfterQuote;
            break;
        }
        case State::AfterQuote:
            if (c == '"') {
                if (keep())
                    unquoted().append('"');
                state = State::Quoted;
            } else if (c == ',') {
                endField(m_position - 1);
                state = State::FieldStart;
            } else if (c == '\r' || c == '\n') {
                endLine(c);
                return true;
            } else {
                // Text after the closing quote: the field is not what it seems.
                record.wellFormed = false;
                state = State::Unquoted;
            }
            break;
        }
    }
    record.insideQuotes = state == State::Quoted;
    endField(size);
    return true;
}

QByteArray field(const QByteArray &text)
{
    if (!text.contains(',') && !text.contains('"') && !text.contains('\r') && !text.contains('\n'))
        return text;
    QByteArray quoted = text;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

} // namespace journey::csv
