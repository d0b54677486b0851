#include "cli/batch.h"

#include "cli/csv_table.h"
#include "cli/say.h"

#include <QCoreApplication>

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

QString breachText(PairBreach breach)
{
    switch (breach) {
    case PairBreach::TooMany:
        return Words::tr("Give only two of diameter, frequency, gain, beamwidth and far-field in "
                         "a row.");
    case PairBreach::GainWithBeamwidth:
        return Words::tr("A gain and a beamwidth fix the same product of diameter and frequency: "
                         "give one of them with a diameter, a frequency or a far-field range.");
    default:
        return Words::tr("Give two of diameter, frequency, gain, beamwidth and far-field in a "
                         "row.");
    }
}

// One table being answered: its header, then each row as a request.
class Table
{
public:
    explicit Table(Format format)
        : format_(format)
    { }

    bool take(const QStringList &cells, qint64 line);
    bool flush() { return flushed(); }
    int finish(const CsvTableOutcome &outcome, const QString &path);

private:
    QString header(const QStringList &names);
    records::Values answerRow(const QStringList &cells) const;
    bool write(const QStringList &cells, const records::Values &values);

    Format format_;
    QStringList names_;
    QList<QByteArray> utf8Names_; // as they are written
    int columns_[6] = {-1, -1, -1, -1, -1, -1}; // by Recognised, -1 where none
    QString unusable_; // why the table cannot be used at all
    qint64 unusableLine_ = 0;
    bool anyRefused_ = false;
};

bool Table::take(const QStringList &cells, qint64 line)
{
    if (!names_.isEmpty())
        return write(cells, answerRow(cells));
    unusable_ = header(cells);
    unusableLine_ = line;
    if (!unusable_.isEmpty())
        return false;
    names_ = cells;
    for (const QString &name : names_)
        utf8Names_ << name.toUtf8();
    if (format_ == Format::Csv)
        return print(records::csvLine(utf8Names_, records::fieldNames()));
    return true;
}

// Why the header cannot name a table of antennas, or nothing.
QString Table::header(const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i)
        for (int c = 0; c < 6; ++c)
            if (names[i].trimmed().compare(QLatin1String(Recognised[c]), Qt::CaseInsensitive)
                == 0) {
                if (columns_[c] >= 0)
                    return Words::tr("two columns are named \u201C%1\u201D").arg(Recognised[c]);
                columns_[c] = i;
            }
    if (std::all_of(std::begin(columns_), std::end(columns_), [](int c) { return c < 0; }))
        return Words::tr("no column is named diameter, frequency, gain, beamwidth, far-field or "
                         "efficiency: the first line must name the columns");
    return {};
}

records::Values Table::answerRow(const QStringList &cells) const
{
    if (cells.size() > names_.size())
        return records::refused(Words::tr("This row has more cells than the table has columns."));
    // The cells that are not empty are what the row gives.
    const auto given = [&](int column) {
        const QString cell = columns_[column] >= 0 ? cells.value(columns_[column]) : QString();
        return cell.trimmed().isEmpty() ? std::nullopt : std::optional(cell);
    };
    TypedRequest typed;
    for (int c = 0; c < EfficiencyColumn; ++c)
        if (const std::optional<QString> cell = given(c))
            typed.quantities.append({QuantityKind(c), *cell});
    typed.efficiency = given(EfficiencyColumn);
    const auto answered = answer(typed);
    const auto *refusal = std::get_if<Refusal>(&answered);
    if (!refusal)
        return records::of(std::get<SetAntenna>(answered));
    if (refusal->breach != PairBreach::None)
        return records::refused(breachText(refusal->breach));
    if (!refusal->unread)
        return records::refused(refusal->sentence);
    const int column = columns_[refusal->field ? int(*refusal->field) : EfficiencyColumn];
    return records::refused(Words::tr("%1: %2").arg(names_[column].trimmed(), refusal->sentence));
}

bool Table::write(const QStringList &cells, const records::Values &values)
{
    anyRefused_ = anyRefused_ || !values.back().isEmpty();
    // Every column of the header, each with its cell or an empty one.
    QList<QByteArray> carried(names_.size());
    for (qsizetype i = 0; i < std::min(cells.size(), names_.size()); ++i)
        carried[i] = cells[i].toUtf8();
    const QByteArray line = format_ == Format::Json ? records::jsonLine(utf8Names_, carried, values)
                                                    : records::csvLine(carried, values);
    return print(line);
}

int Table::finish(const CsvTableOutcome &outcome, const QString &path)
{
    // Records that could not be written end the table before anything else is said.
    if (!flush())
        return delivered(ExitFailure);
    const auto refuse = [&](qint64 line, const QString &why) {
        say(Words::tr("%1, line %2: %3").arg(path, QString::number(line), why));
        return ExitUnusable;
    };
    switch (outcome.kind) {
    case CsvTableOutcome::ReadFailed:
        say(Words::tr("cannot read \u201C%1\u201D: %2").arg(path, outcome.reason));
        return ExitFailure;
    case CsvTableOutcome::UnclosedQuote:
        return refuse(outcome.line, Words::tr("a quote opened here is never closed"));
    case CsvTableOutcome::StrayQuote:
        return refuse(outcome.line,
                      Words::tr("a quote stands inside a field that does not begin with one: quote "
                                "the whole field and double the quotes in it"));
    default:
        break;
    }
    if (!unusable_.isEmpty())
        return refuse(unusableLine_, unusable_);
    if (names_.isEmpty())
        return refuse(1, Words::tr("the table is empty: its first line must name the columns"));
    return anyRefused_ ? ExitUnusable : ExitOk;
}

} // namespace

int answerTable(const QString &path, Format format)
{
    Table table(format);
    const CsvTableOutcome outcome = readCsvTable(
            path, [&](const QStringList &cells, qint64 line) { return table.take(cells, line); },
            [&] { table.flush(); });
    return table.finish(outcome, path == QLatin1String("-") ? Words::tr("standard input") : path);
}
