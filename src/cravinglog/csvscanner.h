#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <array>

// Reads the records of CSV bytes as RFC 4180 has them: fields between commas,
// a field in double quotes may hold commas, line breaks and doubled quotes. A
// record ends at CR LF, LF or a lone CR outside quotes. Any bytes are taken:
// what breaks the rules marks its record as not well formed and leaves the
// records around it as they are.
namespace journey::csv {

// More than any record of ours has: a record with more fields is not ours,
// and keeping them all would let one long line of commas fill the memory.
constexpr qsizetype maxKeptFields = 7;

struct Record
{
    qsizetype start = 0;          // where the record begins in the bytes
    QList<QByteArrayView> fields; // the first maxKeptFields fields, unquoted; valid until the next record
    qsizetype fieldCount = 0;     // every field, kept or not
    bool wellFormed = true;       // false: a stray quote, or text after a closing quote
    bool insideQuotes = false;    // the bytes end inside a quoted field, so the record never closed
    bool lineEnded = false;       // a line end closed the record (not the end of the bytes)
    bool firstQuoted = false;     // the first field was in quotes

    // An empty line: one field, empty and not in quotes.
    bool blank() const { return fieldCount == 1 && !firstQuoted && fields.value(0).isEmpty(); }

    // The quoted fields without their quotes, kept from record to record so
    // that reading a file does not allocate for every field.
    std::array<QByteArray, maxKeptFields> unquoted;
};

class Scanner
{
public:
    // A UTF-8 byte-order mark at the start is passed over.
    explicit Scanner(QByteArrayView bytes);

    // The next record into the given one; false when no bytes are left. With
    // keepFields false only its shape is taken (start, ends), which is quick.
    bool next(Record &record, bool keepFields = true);
    // Where the next record begins: the end of the last one, its line end included.
    qsizetype position() const { return m_position; }

    static constexpr QByteArrayView byteOrderMark{"\xEF\xBB\xBF"};

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};

// Where a new record goes into the bytes of a file: after the last record, or,
// when the bytes end inside quotes that never close, before that unfinished
// record, which would otherwise take the new one into its quotes.
struct InsertionPoint
{
    qsizetype position = 0;
    bool lineEndFirst = false; // the last record has no line end yet
};
InsertionPoint insertionPoint(QByteArrayView bytes);

// One field as a record holds it: in double quotes when it has to be.
QByteArray field(const QByteArray &text);

} // namespace journey::csv
