#include "cli/batch.h"

#include "cli/refusal_words.h"
#include "cli/say.h"
#include "cli/vector_state.h"

#include <QCoreApplication>
#include <QFile>
#include <system_error>
#include <thread>

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Table)
};

// The columns a table names its quantities by, in the order of QuantityKind, then
// the efficiency's.
const char *const Recognised[] = {"diameter",  "frequency", "gain",
                                  "beamwidth", "far-field", "efficiency"};
constexpr int EfficiencyColumn = 5;
// Records are written out in pieces of about this size, and when the table waits.
constexpr qsizetype outputChunk = 64 * 1024;
// Rows are answered a batch at a time: what arrived in one read, at most this many
// rows or bytes, so that a batch and its records stay small whatever a row holds.
constexpr std::size_t batchRows = 1024, batchBytes = 1 << 20, batchRecordBytes = 2 << 20;
// A batch of at least this many rows is answered on two threads, half each: the
// readings cost far more than reading the table does.
constexpr std::size_t sharedRows = 64;

QString breachText(PairBreach breach)
{
    switch (breach) {
    case PairBreach::TooMany:
        return Words::tr("Give only two of diameter, frequency, gain, beamwidth and far-field in "
                         "a row.");
    case PairBreach::GainWithBeamwidth:
        return Words::tr("%1: give one of them in a row with a diameter, a frequency or a "
                         "far-field range.")
                .arg(gainWithBeamwidthText());
    default:
        return Words::tr("Give two of diameter, frequency, gain, beamwidth and far-field in a "
                         "row.");
    }
}

// What is wrong with a table that stopped at a fault on a line; nothing for the rest.
QString faultText(CsvTableOutcome::Kind kind)
{
    switch (kind) {
    case CsvTableOutcome::UnclosedQuote:
        return Words::tr("a quote opened here is never closed");
    case CsvTableOutcome::StrayQuote:
        return Words::tr("a quote stands inside a field that does not begin with one: quote "
                         "the whole field and double the quotes in it");
    case CsvTableOutcome::FieldTooLong:
        return Words::tr("a field here is longer than 1 MiB, the most a table's field may hold");
    case CsvTableOutcome::TooManyFields:
        return Words::tr("a row here has more than 10,000 fields, the most a table's row may "
                         "have");
    case CsvTableOutcome::RowTooLong:
        return Words::tr("a row here is longer than 8 MiB, the most a table's row may hold");
    default:
        return {};
    }
}

QString textOf(QByteArrayView bytes)
{
    return QString::fromUtf8(bytes.trimmed());
}

bool isAnswerField(QByteArrayView name)
{
    return std::any_of(records::Fields.begin(), records::Fields.end(),
                       [&](const char *field) { return name == field; });
}

// One table being answered: its header, then each row as a request.
class Table
{
public:
    explicit Table(Format format)
        : format_(format)
    { }

    bool take(const CsvRecord &record);
    // Answers the rows kept so far and writes their records; false when they cannot be.
    bool answerBatch();
    bool flush();
    int finish(const CsvTableOutcome &outcome, const QString &path);

private:
    QString header(const CsvRecord &names);
    QString jsonHeader() const;
    records::Values answerRow(const CsvRecord &cells) const;
    bool answerShared(std::size_t rows);
    // Appends a row's record; whether the row was refused.
    bool append(QByteArray &out, records::Cells &cells, const CsvRecord &row,
                const records::Spill &spill) const;
    qint64 appendRows(QByteArray &out, std::size_t from, std::size_t to) const;
    records::Spill spill()
    {
        return [this](QByteArray &) { flush(); };
    }

    Format format_;
    Dialect dialect_ = Dialect::Comma;
    Numbers numbers_ = Numbers::Table; // how the cells write their numbers
    QLocale locale_; // the user's, for the sentences of rows refused
    bool headed_ = false;
    QList<QByteArray> names_; // each column's name as it came
    std::vector<qsizetype> carried_; // the columns the records carry, by the header
    records::Cells carriedNames_, cells_; // views of those columns, cells_ reused a row
    std::vector<CsvRecord> batch_; // rows kept to be answered, reused
    std::size_t kept_ = 0, keptBytes_ = 0, namesBytes_ = 0;
    int columns_[6] = {-1, -1, -1, -1, -1, -1}; // by Recognised, -1 where none
    QString unusable_; // why the table cannot be used at all
    qint64 unusableLine_ = 0;
    qint64 rows_ = 0, refused_ = 0;
    QByteArray out_; // records not yet written
};

bool Table::take(const CsvRecord &record)
{
    if (headed_) {
        if (batch_.size() <= kept_)
            batch_.emplace_back();
        batch_[kept_++] = record;
        keptBytes_ += record.bytes();
        // JSON repeats the names in every record: a batch's records stay within bounds.
        const std::size_t rows = std::min(batchRows, batchRecordBytes / (namesBytes_ + 256) + 1);
        return (kept_ < rows && keptBytes_ < batchBytes) || answerBatch();
    }
    unusable_ = header(record);
    unusableLine_ = record.line;
    if (!unusable_.isEmpty())
        return false;
    headed_ = true;
    dialect_ = record.dialect;
    numbers_ = dialect_ == Dialect::Semicolon || locale_.decimalPoint() == QLatin1String(",")
            ? Numbers::TableDecimalComma
            : Numbers::Table;
    if (format_ == Format::Csv)
        records::appendCsv(out_, carriedNames_, records::fieldNames(), dialect_, spill());
    return true;
}

// Why the header cannot name a table of antennas, or nothing. The columns named like
// a field of the records are left out of them, which give their own.
QString Table::header(const CsvRecord &names)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        names_ << names[i].toByteArray();
        const QByteArray name = names_.back().trimmed();
        for (int c = 0; c < 6; ++c)
            if (name.compare(Recognised[c], Qt::CaseInsensitive) == 0) {
                if (columns_[c] >= 0)
                    return Words::tr("two columns are named \u201C%1\u201D").arg(Recognised[c]);
                columns_[c] = int(i);
            }
        if (!isAnswerField(name))
            carried_.push_back(i);
    }
    for (const qsizetype i : carried_) {
        carriedNames_.push_back(names_[i]);
        namesBytes_ += std::size_t(names_[i].size());
    }
    if (std::all_of(std::begin(columns_), std::end(columns_), [](int c) { return c < 0; }))
        return Words::tr("no column is named diameter, frequency, gain, beamwidth, far-field or "
                         "efficiency: the first line must name the columns");
    return format_ == Format::Json ? jsonHeader() : QString();
}

// JSON names each cell by its column: each name must be text, and once.
QString Table::jsonHeader() const
{
    for (std::size_t i = 0; i < carriedNames_.size(); ++i) {
        const QByteArrayView name = carriedNames_[i];
        if (!name.isValidUtf8())
            return Words::tr("column %1 is named in bytes that are not UTF-8 text: JSON names "
                             "columns in text")
                    .arg(carried_[i] + 1);
        if (name.trimmed().isEmpty())
            return Words::tr("column %1 has no name: JSON names each cell by its column")
                    .arg(carried_[i] + 1);
        for (std::size_t j = 0; j < i; ++j)
            if (carriedNames_[j] == name)
                return Words::tr("two columns are named \u201C%1\u201D: JSON names each cell "
                                 "by its column")
                        .arg(textOf(name));
    }
    return {};
}

records::Values Table::answerRow(const CsvRecord &cells) const
{
    if (cells.size() > names_.size())
        return records::refused(Words::tr("This row has more cells than the table has columns."));
    const auto columnName = [&](qsizetype column) { return textOf(names_[column]); };
    if (format_ == Format::Json)
        for (const qsizetype column : carried_)
            if (column < cells.size() && !cells[column].isValidUtf8())
                return records::refused(Words::tr("%1: this cell is not UTF-8 text, which JSON "
                                                  "needs: the row is left as it is")
                                                .arg(columnName(column)));
    // The cells that are not blank are what the row gives.
    const auto given = [&](int column) -> std::optional<QByteArrayView> {
        const qsizetype at = columns_[column];
        if (at < 0 || at >= cells.size() || cells[at].trimmed().isEmpty())
            return std::nullopt;
        return cells[at];
    };
    TypedRequest typed;
    typed.numbers = numbers_;
    for (int c = 0; c < EfficiencyColumn; ++c)
        if (const std::optional<QByteArrayView> cell = given(c))
            typed.quantities.append({QuantityKind(c), *cell});
    typed.efficiency = given(EfficiencyColumn);
    const auto answered = answer(typed, locale_);
    if (const auto *set = std::get_if<SetAntenna>(&answered))
        return records::of(*set);
    return records::refused(refusalWords(
            std::get<Refusal>(answered), breachText, [&](std::optional<QuantityKind> field) {
                return columnName(columns_[field ? int(*field) : EfficiencyColumn]);
            }));
}

bool Table::append(QByteArray &out, records::Cells &cells, const CsvRecord &row,
                   const records::Spill &spill) const
{
    const records::Values values = answerRow(row);
    cells.clear();
    for (const qsizetype column : carried_)
        cells.push_back(column < row.size() ? row[column] : QByteArrayView());
    if (format_ == Format::Json)
        records::appendJson(out, carriedNames_, cells, values, spill);
    else
        records::appendCsv(out, cells, values, dialect_, spill);
    return !values.back().empty();
}

// The records of kept rows, in order, into a buffer of their own; how many were refused.
qint64 Table::appendRows(QByteArray &out, std::size_t from, std::size_t to) const
{
    records::Cells cells;
    qint64 refused = 0;
    for (std::size_t row = from; row < to; ++row)
        refused += append(out, cells, batch_[row], {});
    return refused;
}

bool Table::answerBatch()
{
    const std::size_t rows = std::exchange(kept_, 0);
    keptBytes_ = 0;
    rows_ += qint64(rows);
    if (rows >= sharedRows && answerShared(rows))
        return out_.size() < outputChunk || flush();
    bool written = true;
    for (std::size_t row = 0; row < rows && written; ++row) {
        refused_ += append(out_, cells_, batch_[row], spill());
        written = out_.size() < outputChunk || flush();
    }
    return written;
}

// Each half into a buffer of its own thread, so that neither writes where the other
// reads: the table's state is only read while they run. Where no second thread can be
// had, nothing is answered here, and the batch is answered on one.
bool Table::answerShared(std::size_t rows)
{
    std::pair<QByteArray, qint64> tail;
    std::thread other;
    try {
        other = std::thread([&] {
            QByteArray records;
            const qint64 refused = appendRows(records, rows / 2, rows);
            tail = {std::move(records), refused};
        });
    } catch (const std::system_error &) {
        return false;
    }
    QByteArray head;
    const qint64 refused = appendRows(head, 0, rows / 2);
    other.join();
    refused_ += refused + tail.second;
    out_ += head;
    out_ += tail.first;
    return true;
}

bool Table::flush()
{
    const bool written = print(out_) && flushed();
    out_.resize(0);
    return written;
}

int Table::finish(const CsvTableOutcome &outcome, const QString &path)
{
    // Records that could not be written end the table before anything else is said.
    if (!answerBatch() || !flush())
        return delivered(ExitFailure);
    if (refused_ > 0)
        say(Words::tr("%1 of %2 rows refused").arg(refused_).arg(rows_));
    const auto refuse = [&](qint64 line, const QString &why) {
        say(Words::tr("%1, line %2: %3").arg(path, QString::number(line), why));
        return ExitUnusable;
    };
    if (outcome.kind == CsvTableOutcome::ReadFailed) {
        say(Words::tr("cannot read \u201C%1\u201D: %2").arg(path, outcome.reason));
        return ExitFailure;
    }
    if (const QString fault = faultText(outcome.kind); !fault.isEmpty())
        return refuse(outcome.line, fault);
    if (!unusable_.isEmpty())
        return refuse(unusableLine_, unusable_);
    if (!headed_)
        return refuse(1, Words::tr("the table is empty: its first line must name the columns"));
    return refused_ > 0 ? ExitUnusable : ExitOk;
}

} // namespace

int answerTable(const QByteArray &path, Format format)
{
    clearVectorUpperHalves();
    Table table(format);
    const CsvTableOutcome outcome = readCsvTable(
            path, [&](const CsvRecord &record) { return table.take(record); },
            [&] { table.answerBatch() && table.flush(); });
    return table.finish(outcome,
                        path == "-" ? Words::tr("standard input") : QFile::decodeName(path));
}
