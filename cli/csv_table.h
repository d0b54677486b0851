#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <string>
#include <vector>

// How a table separates its fields and writes its numbers: with commas and a decimal
// point, or, as spreadsheets write it where numbers take a decimal comma, with
// semicolons. A header with a semicolon and no comma outside quotes (in its first MiB)
// names the second.
enum class Dialect { Comma, Semicolon };

// What one table may hold, so that no table can make memory or time grow without bound.
namespace bounds {
inline constexpr std::size_t FieldBytes = 1 << 20;
inline constexpr std::size_t RowFields = 10000;
inline constexpr std::size_t RowBytes = 8 << 20;
} // namespace bounds

// How reading a table ended. Line numbers count lines as editors show them: a line
// feed, a carriage return and the two together each end one, inside a quoted field too.
struct CsvTableOutcome
{
    enum Kind {
        Done, // every record was handed over
        Stopped, // the handler asked to stop
        UnclosedQuote, // the table ended inside a quoted field
        StrayQuote, // a quote inside an unquoted field, or text after a closing quote
        FieldTooLong, // a field of more than bounds::FieldBytes
        TooManyFields, // a row of more than bounds::RowFields fields
        RowTooLong, // a row of more than bounds::RowBytes
        ReadFailed, // the file could not be opened or read
    };
    Kind kind = Done;
    qint64 line = 0; // the faults in the table: the line where the field or row at fault
                     // begins, so for an unclosed quote the line where it opened
    QString reason; // ReadFailed: the system's reason, such as "No such file or directory"
};

// One record as it came: its fields' bytes, the line where it begins and its dialect.
class CsvRecord
{
public:
    qsizetype size() const { return qsizetype(ends_.size()); }
    QByteArrayView operator[](qsizetype i) const
    {
        const std::size_t begin = i == 0 ? 0 : ends_[std::size_t(i) - 1];
        return {bytes_.data() + begin, qsizetype(ends_[std::size_t(i)] - begin)};
    }

    std::size_t bytes() const { return bytes_.size(); }
    // Taking a record's fields keeps the room of the last, so rows cost no allocations.
    void append(const char *data, std::size_t size)
    {
        bytes_.append(data, size);
        ends_.push_back(bytes_.size());
    }
    void clear()
    {
        bytes_.clear();
        ends_.clear();
    }

    qint64 line = 0;
    Dialect dialect = Dialect::Comma;

private:
    std::string bytes_; // the fields one after another
    std::vector<std::size_t> ends_; // where each field ends in bytes_
};

// Takes one record; false stops reading.
using CsvRecordHandler = std::function<bool(const CsvRecord &record)>;

// Reads the RFC 4180 table in the file at path (its name's bytes as the system takes
// them), or standard input for "-", handing over each record as soon as its row has
// arrived, the header row first. Blank lines are not records; a UTF-8 byte-order mark
// at the start is dropped; the spaces around unquoted fields are trimmed. Before it
// waits for more of the table, it calls caughtUp, if given: what was answered so far
// can go out then. A table past its bounds stops as soon as that is seen.
CsvTableOutcome readCsvTable(const QByteArray &path, const CsvRecordHandler &onRecord,
                             const std::function<void()> &caughtUp = {});
