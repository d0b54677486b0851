#include "cli/csv_table.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <csv.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// Large enough that a long table costs few system calls; read() on a pipe still
// returns whatever has arrived, so each row is answered as it comes.
constexpr std::size_t blockSize = 64 * 1024;
constexpr char byteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t byteOrderMarkSize = sizeof byteOrderMark - 1;

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

// Feeds libcsv, gathers each record's fields and counts the lines they take.
class TableParser
{
public:
    explicit TableParser(const CsvRecordHandler &onRecord)
        : onRecord_(onRecord)
    {
        // Strict, so that a stray or unclosed quote is refused rather than guessed at;
        // every line end reported, so that blank lines and CRLF count their lines.
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
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
        if (csv_fini(&parser_, endField, endRow, this) != 0)
            fail(CsvTableOutcome::UnclosedQuote);
        return outcome_;
    }

    const CsvTableOutcome &outcome() const { return outcome_; }

private:
    // The field at fault begins on the current line: the lines of the fields before it
    // are counted, its own are not.
    void fail(CsvTableOutcome::Kind quoteFault)
    {
        if (csv_error(&parser_) != CSV_EPARSE) {
            outcome_ = readFailure(ENOMEM);
            return;
        }
        outcome_.kind = quoteFault;
        outcome_.line = line_;
    }

    static void endField(void *data, std::size_t size, void *self)
    {
        auto *table = static_cast<TableParser *>(self);
        if (table->outcome_.kind != CsvTableOutcome::Done)
            return;
        if (table->fields_.isEmpty())
            table->recordLine_ = table->line_;
        const char *text = static_cast<const char *>(data);
        table->fields_.append(QString::fromUtf8(text, qsizetype(size)));
        table->line_ += std::count(text, text + size, '\n');
    }

    // Called for every line end outside quotes, so a row without fields is a blank line.
    static void endRow(int terminator, void *self)
    {
        auto *table = static_cast<TableParser *>(self);
        if (table->outcome_.kind != CsvTableOutcome::Done)
            return;
        if (terminator == '\n')
            ++table->line_;
        if (table->fields_.isEmpty())
            return;
        if (!table->onRecord_(table->fields_, table->recordLine_))
            table->outcome_.kind = CsvTableOutcome::Stopped;
        table->fields_.clear();
    }

    csv_parser parser_;
    const CsvRecordHandler &onRecord_;
    QStringList fields_;
    qint64 line_ = 1;
    qint64 recordLine_ = 0;
    CsvTableOutcome outcome_;
};

CsvTableOutcome readTable(int fd, const CsvRecordHandler &onRecord,
                          const std::function<void()> &caughtUp)
{
    TableParser table(onRecord);
    std::vector<char> block(blockSize);
    // The first bytes are gathered while they could still be a byte-order mark,
    // however the pipe splits them.
    std::size_t size = 0;
    while (size < byteOrderMarkSize && std::memcmp(block.data(), byteOrderMark, size) == 0) {
        const ssize_t got = readBlock(fd, block.data() + size, byteOrderMarkSize - size);
        if (got < 0)
            return readFailure(errno);
        if (got == 0)
            break;
        size += std::size_t(got);
    }
    const bool marked =
            size == byteOrderMarkSize && std::memcmp(block.data(), byteOrderMark, size) == 0;
    if (!table.feed(block.data(), marked ? 0 : size))
        return table.outcome();
    for (;;) {
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

CsvTableOutcome readCsvTable(const QString &path, const CsvRecordHandler &onRecord,
                             const std::function<void()> &caughtUp)
{
    const bool standardInput = path == QLatin1String("-");
    const int fd = standardInput
            ? STDIN_FILENO
            : ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return readFailure(errno);
    const CsvTableOutcome outcome = readTable(fd, onRecord, caughtUp);
    if (!standardInput)
        ::close(fd);
    return outcome;
}
