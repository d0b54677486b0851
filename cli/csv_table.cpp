#include "cli/csv_table.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <csv.h>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

// Large enough that a long table costs few system calls; read() on a pipe still
// returns whatever has arrived, so each row is answered as it comes.
constexpr std::size_t blockSize = 64 * 1024;
constexpr char byteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t byteOrderMarkSize = sizeof byteOrderMark - 1;
// libcsv grows a field's buffer by this much at a time: far more than its 128 bytes,
// so that a long field costs few copies and its time stays linear in its length.
constexpr std::size_t fieldBlock = 64 * 1024;
// libcsv asks for one byte more than a field holds before it knows the field ends.
constexpr std::size_t fieldBuffer = bounds::FieldBytes + 1;

CsvTableOutcome readFailure(int error)
{
    CsvTableOutcome outcome;
    outcome.kind = CsvTableOutcome::ReadFailed;
    outcome.reason = qt_error_string(error);
    return outcome;
}

ssize_t readBlock(int fd, char *data, std::size_t size)
{
    ssize_t got;
    do
        got = ::read(fd, data, size);
    while (got < 0 && errno == EINTR);
    return got;
}

// A field's buffer never grows past its bound: libcsv then stops with CSV_ENOMEM.
void *boundedRealloc(void *data, std::size_t size)
{
    return size > fieldBuffer ? nullptr : std::realloc(data, size);
}

// The lines a field's text ends, as an editor counts them.
qint64 linesIn(const char *text, std::size_t size)
{
    qint64 lines = 0;
    for (std::size_t i = 0; i < size; ++i)
        lines += text[i] == '\n' || (text[i] == '\r' && (i + 1 == size || text[i + 1] != '\n'));
    return lines;
}

// Finds the dialect in the header's bytes as they arrive: the first comma outside
// quotes, or the header's end with a semicolon outside quotes and no comma.
class DialectFinder
{
public:
    std::optional<Dialect> take(const char *data, std::size_t size, bool last)
    {
        for (std::size_t i = 0; i < size; ++i) {
            quoted_ = quoted_ != (data[i] == '"');
            if (quoted_)
                continue;
            if (data[i] == ',' || ((data[i] == '\n' || data[i] == '\r') && !semicolon_))
                return Dialect::Comma;
            if (data[i] == '\n' || data[i] == '\r')
                return Dialect::Semicolon;
            semicolon_ = semicolon_ || data[i] == ';';
        }
        seen_ += size;
        // A header's first MiB tells, and is all that is held before it is read.
        if (last || seen_ > bounds::FieldBytes)
            return semicolon_ ? Dialect::Semicolon : Dialect::Comma;
        return std::nullopt;
    }

private:
    bool quoted_ = false, semicolon_ = false;
    std::size_t seen_ = 0;
};

// Feeds libcsv, gathers each record's fields and counts the lines they take.
class TableParser
{
public:
    TableParser(const CsvRecordHandler &onRecord, Dialect dialect)
        : onRecord_(onRecord)
    {
        // Strict, so that a stray or unclosed quote is refused rather than guessed at;
        // every line end reported, so that blank lines, CR and CRLF count their lines.
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
        csv_set_blk_size(&parser_, fieldBlock);
        csv_set_realloc_func(&parser_, boundedRealloc);
        csv_set_delim(&parser_, dialect == Dialect::Semicolon ? ';' : ',');
        record_.dialect = dialect;
    }
    ~TableParser() { csv_free(&parser_); }
    TableParser(const TableParser &) = delete;
    TableParser &operator=(const TableParser &) = delete;

    // False once the outcome is known: the handler stopped, or the table is unusable.
    bool feed(const char *data, std::size_t size)
    {
        if (csv_parse(&parser_, data, size, endField, endRow, this) != size
            && outcome_.kind == CsvTableOutcome::Done)
            fail(CsvTableOutcome::StrayQuote);
        return outcome_.kind == CsvTableOutcome::Done;
    }

    CsvTableOutcome finish()
    {
        if (outcome_.kind == CsvTableOutcome::Done
            && csv_fini(&parser_, endField, endRow, this) != 0)
            fail(CsvTableOutcome::UnclosedQuote);
        return outcome_;
    }

    const CsvTableOutcome &outcome() const { return outcome_; }

private:
    // The field at fault begins on the current line: the lines of the fields before it
    // are counted, its own are not.
    void fail(CsvTableOutcome::Kind quoteFault)
    {
        const int error = csv_error(&parser_);
        if (error != CSV_EPARSE && csv_get_buffer_size(&parser_) < fieldBuffer) {
            outcome_ = readFailure(ENOMEM);
            return;
        }
        stop(error == CSV_EPARSE ? quoteFault : CsvTableOutcome::FieldTooLong, line_);
    }

    void stop(CsvTableOutcome::Kind kind, qint64 line)
    {
        outcome_.kind = kind;
        outcome_.line = line;
    }

    static void endField(void *data, std::size_t size, void *self)
    {
        auto *table = static_cast<TableParser *>(self);
        CsvRecord &record = table->record_;
        if (table->outcome_.kind != CsvTableOutcome::Done)
            return;
        if (record.size() == 0)
            record.line = table->line_;
        const char *text = static_cast<const char *>(data);
        if (size > bounds::FieldBytes)
            return table->stop(CsvTableOutcome::FieldTooLong, table->line_);
        if (std::size_t(record.size()) == bounds::RowFields)
            return table->stop(CsvTableOutcome::TooManyFields, record.line);
        if (record.bytes() + size > bounds::RowBytes)
            return table->stop(CsvTableOutcome::RowTooLong, record.line);
        record.append(text, size);
        table->line_ += linesIn(text, size);
        table->afterReturn_ = false;
    }

    // Called for every line end outside quotes, so a row without fields is a blank line.
    static void endRow(int terminator, void *self)
    {
        auto *table = static_cast<TableParser *>(self);
        if (table->outcome_.kind != CsvTableOutcome::Done)
            return;
        table->line_ += terminator == '\r' || (terminator == '\n' && !table->afterReturn_);
        table->afterReturn_ = terminator == '\r';
        if (table->record_.size() == 0)
            return;
        if (!table->onRecord_(table->record_))
            table->outcome_.kind = CsvTableOutcome::Stopped;
        table->record_.clear();
    }

    csv_parser parser_;
    const CsvRecordHandler &onRecord_;
    CsvRecord record_;
    qint64 line_ = 1;
    bool afterReturn_ = false; // the last line end was a carriage return
    CsvTableOutcome outcome_;
};

// The dialect, from the first bytes of the table, which are kept to be parsed.
std::optional<Dialect> readHead(int fd, std::string &head, std::vector<char> &block)
{
    DialectFinder finder;
    for (;;) {
        const ssize_t got = readBlock(fd, block.data(), blockSize);
        if (got < 0)
            return std::nullopt;
        head.append(block.data(), std::size_t(got));
        if (const auto dialect = finder.take(block.data(), std::size_t(got), got == 0))
            return dialect;
    }
}

CsvTableOutcome readTable(int fd, const CsvRecordHandler &onRecord,
                          const std::function<void()> &caughtUp)
{
    std::vector<char> block(blockSize);
    std::string head;
    const std::optional<Dialect> dialect = readHead(fd, head, block);
    if (!dialect)
        return readFailure(errno);
    TableParser table(onRecord, *dialect);
    const bool marked = head.compare(0, byteOrderMarkSize, byteOrderMark) == 0;
    const std::size_t skipped = marked ? byteOrderMarkSize : 0;
    if (!table.feed(head.data() + skipped, head.size() - skipped))
        return table.outcome();
    for (std::string().swap(head);;) {
        if (caughtUp)
            caughtUp();
        const ssize_t got = readBlock(fd, block.data(), blockSize);
        if (got < 0)
            return readFailure(errno);
        if (got == 0)
            return table.finish();
        if (!table.feed(block.data(), std::size_t(got)))
            return table.outcome();
    }
}

} // namespace

CsvTableOutcome readCsvTable(const QByteArray &path, const CsvRecordHandler &onRecord,
                             const std::function<void()> &caughtUp)
{
    const bool standardInput = path == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return readFailure(errno);
    const CsvTableOutcome outcome = readTable(fd, onRecord, caughtUp);
    if (!standardInput)
        ::close(fd);
    return outcome;
}
