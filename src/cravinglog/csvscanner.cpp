#include "cravinglog/csvscanner.h"

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

// One record read from the scanner's bytes: where the reading stands
// between two bytes, and a step for each state it can be in. The steps run
// for every byte of a log of years, so they are inlined into one loop.
class RecordReader
{
public:
    RecordReader(QByteArrayView bytes, qsizetype position, Record &record, bool keepFields)
        : m_data(bytes.data()), m_size(bytes.size()), m_bytes(bytes), m_position(position), m_record(record),
          m_keepFields(keepFields), m_fieldStart(position)
    {}

    // Reads the record; where the next one begins.
    qsizetype read();

private:
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };

    void startRecord();
    // Each takes the byte just passed, and says whether the record ended.
    bool atFieldStart(char byte);
    bool inUnquoted(char byte);
    bool afterQuote(char byte);
    // Takes everything up to the next quote, line breaks included.
    void inQuoted();
    // Most bytes are plain text: passes over them in one go.
    void passPlainText();
    void endField(qsizetype end);
    void endLine(char ending);
    bool keep() const { return m_keepFields && m_record.fieldCount < maxKeptFields; }
    // The unquoted text of the field being read, while it is one to keep.
    QByteArray &unquoted() { return m_record.unquoted[m_record.fieldCount]; }

    const char *m_data;
    const qsizetype m_size;
    QByteArrayView m_bytes;
    qsizetype m_position;
    Record &m_record;
    const bool m_keepFields;
    State m_state = State::FieldStart;
    qsizetype m_fieldStart;
    bool m_quoted = false;
};

[[gnu::always_inline]] inline qsizetype RecordReader::read()
{
    startRecord();
    while (m_position < m_size) {
        if (m_state == State::Unquoted) {
            passPlainText();
            if (m_position == m_size)
                break;
        }
        const char byte = m_data[m_position++];
        bool ended = false;
        switch (m_state) {
        case State::FieldStart:
            ended = atFieldStart(byte);
            break;
        case State::Unquoted:
            ended = inUnquoted(byte);
            break;
        case State::Quoted:
            inQuoted();
            break;
        case State::AfterQuote:
            ended = afterQuote(byte);
            break;
        }
        if (ended)
            return m_position;
    }
    m_record.insideQuotes = m_state == State::Quoted;
    endField(m_size);
    return m_position;
}

[[gnu::always_inline]] inline void RecordReader::startRecord()
{
    m_record.start = m_position;
    m_record.fields.clear();
    m_record.fieldCount = 0;
    m_record.wellFormed = true;
    m_record.insideQuotes = false;
    m_record.lineEnded = false;
    m_record.firstQuoted = false;
}

[[gnu::always_inline]] inline bool RecordReader::atFieldStart(char byte)
{
    if (byte != '"') {
        m_state = State::Unquoted;
        return inUnquoted(byte);
    }
    m_state = State::Quoted;
    m_quoted = true;
    if (keep())
        unquoted().resize(0);
    return false;
}

[[gnu::always_inline]] inline bool RecordReader::inUnquoted(char byte)
{
    if (byte == ',') {
        endField(m_position - 1);
        m_state = State::FieldStart;
    } else if (byte == '\r' || byte == '\n') {
        endLine(byte);
        return true;
    } else if (byte == '"') {
        m_record.wellFormed = false;
    }
    return false;
}

[[gnu::always_inline]] inline void RecordReader::inQuoted()
{
    const qsizetype from = m_position - 1;
    const auto *quote = static_cast<const char *>(std::memchr(m_data + from, '"', m_size - from));
    const qsizetype to = quote ? quote - m_data : m_size;
    if (keep())
        unquoted().append(m_data + from, to - from);
    m_position = quote ? to + 1 : m_size;
    if (quote)
        m_state = State::AfterQuote;
}

[[gnu::always_inline]] inline bool RecordReader::afterQuote(char byte)
{
    if (byte == '"') {
        if (keep())
            unquoted().append('"');
        m_state = State::Quoted;
        return false;
    }
    if (byte == ',' || byte == '\r' || byte == '\n')
        return inUnquoted(byte);
    // Text after the closing quote: the field is not what it seems.
    m_record.wellFormed = false;
    m_state = State::Unquoted;
    return false;
}

[[gnu::always_inline]] inline void RecordReader::passPlainText()
{
    while (m_position < m_size && !special(m_data[m_position]))
        ++m_position;
}

[[gnu::always_inline]] inline void RecordReader::endField(qsizetype end)
{
    if (keep())
        m_record.fields.append(m_quoted ? QByteArrayView(unquoted())
                                        : m_bytes.sliced(m_fieldStart, end - m_fieldStart));
    if (m_record.fieldCount == 0)
        m_record.firstQuoted = m_quoted;
    ++m_record.fieldCount;
    m_quoted = false;
    m_fieldStart = m_position;
}

[[gnu::always_inline]] inline void RecordReader::endLine(char ending)
{
    endField(m_position - 1);
    if (ending == '\r' && m_position < m_size && m_data[m_position] == '\n')
        ++m_position;
    m_record.lineEnded = true;
}

} // namespace

Scanner::Scanner(QByteArrayView bytes) : m_bytes(bytes)
{
    if (bytes.startsWith(byteOrderMark))
        m_position = byteOrderMark.size();
}

bool Scanner::next(Record &record, bool keepFields)
{
    if (m_position >= m_bytes.size())
        return false;
    m_position = RecordReader(m_bytes, m_position, record, keepFields).read();
    return true;
}

InsertionPoint insertionPoint(QByteArrayView bytes)
{
    Scanner scanner(bytes);
    Record record;
    InsertionPoint point{bytes.size(), false};
    // Only the last record tells, and only its shape is needed.
    while (scanner.next(record, false))
        point =
            record.insideQuotes ? InsertionPoint{record.start, false} : InsertionPoint{bytes.size(), !record.lineEnded};
    return point;
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
