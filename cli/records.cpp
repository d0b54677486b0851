#include "cli/records.h"

#include "readings/figures.h"

#include <algorithm>
#include <numeric>

namespace records {

namespace {

std::string reading(const std::optional<double> &value)
{
    return value ? plainThreeFigures(*value) : std::string();
}

// A diameter or frequency in the program's unit: as found, to three figures; as typed,
// without the last bits that a change of unit leaves (70 cm is 0.7 m, not 0.70000001).
std::string base(const Quantity &q, bool found)
{
    return found ? plainThreeFigures(q.value) : plainTwelveFigures(q.value);
}

const char *foundWords(const TypedAntenna &a)
{
    if (a.diameterFound && a.frequencyFound)
        return "diameter frequency";
    return a.diameterFound ? "diameter" : a.frequencyFound ? "frequency" : "";
}

// The readings beyond their scales by their fields' names.
std::string offScaleWords(const QList<BeyondScale> &beyond)
{
    std::string words;
    for (const BeyondScale &off : beyond)
        words.append(words.empty() ? "" : " ").append(Fields[3 + std::size_t(off.reading)]);
    return words;
}

void appendJsonString(QByteArray &out, QByteArrayView text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (uchar(c) < 0x20) {
            out += "\\u00";
            out += "0123456789abcdef"[uchar(c) >> 4];
            out += "0123456789abcdef"[uchar(c) & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendJsonValue(QByteArray &out, std::size_t field, const Values &values)
{
    const QByteArrayView value(values[field]);
    if (field == OffScale && values.back().empty()) {
        out += '[';
        for (qsizetype at = 0; at < value.size();) {
            const qsizetype space = value.indexOf(' ', at);
            const qsizetype end = space < 0 ? value.size() : space;
            out += at == 0 ? "" : ",";
            appendJsonString(out, value.sliced(at, end - at));
            at = end + 1;
        }
        out += ']';
    } else if (value.isEmpty()) {
        out += "null";
    } else if (field < FirstWord) {
        out += value;
    } else {
        appendJsonString(out, value);
    }
}

bool mustQuote(QByteArrayView cell, char separator)
{
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    return (!cell.isEmpty() && (space(cell.front()) || space(cell.back())))
            || std::any_of(cell.begin(), cell.end(), [separator](char c) {
                   return c == separator || c == '"' || c == '\n' || c == '\r';
               });
}

// The most bytes a cell can take written: quoted, each quote doubled, and its separator.
qsizetype room(QByteArrayView cell)
{
    return 2 * cell.size() + 3;
}

// Writes a cell and its separator straight into room made for it: a table's records
// are many small cells, which appends one by one would slow.
char *writeCell(char *to, QByteArrayView cell, char separator)
{
    if (mustQuote(cell, separator)) {
        *to++ = '"';
        for (const char c : cell) {
            *to++ = c;
            if (c == '"')
                *to++ = '"';
        }
        *to++ = '"';
    } else {
        to = std::copy(cell.begin(), cell.end(), to);
    }
    *to++ = separator;
    return to;
}

// A line is handed on in pieces of about this size.
constexpr qsizetype spillSize = 64 * 1024;

void spillLong(QByteArray &out, const Spill &spill)
{
    if (spill && out.size() >= spillSize)
        spill(out);
}

} // namespace

Values of(const SetAntenna &set)
{
    const TypedAntenna &a = set.antenna;
    const NomogramReadings &r = set.readings;
    return {base(a.diameter, a.diameterFound),
            base(a.frequency, a.frequencyFound),
            a.efficiency ? plainTwelveFigures(a.efficiency->value) : std::string(),
            reading(r.gainAtFullEfficiency),
            reading(r.gainAtEfficiency),
            reading(r.beamwidth3dB),
            reading(r.beamwidth10dB),
            reading(r.farFieldRange),
            foundWords(a),
            offScaleWords(r.beyond),
            std::string()};
}

Values refused(const QString &sentence)
{
    Values values;
    values.back() = sentence.toStdString();
    return values;
}

Values fieldNames()
{
    Values names;
    std::copy(Fields.begin(), Fields.end(), names.begin());
    return names;
}

void appendCsv(QByteArray &out, const Cells &cells, const Values &values, Dialect dialect,
               const Spill &spill)
{
    const char separator = dialect == Dialect::Semicolon ? ';' : ',';
    // A carried cell may be long, and goes out a piece at a time; the values are short,
    // and take their room at once.
    for (QByteArrayView cell : cells) {
        const qsizetype at = out.size();
        out.resize(at + room(cell));
        out.resize(writeCell(out.data() + at, cell, separator) - out.constData());
        spillLong(out, spill);
    }
    const qsizetype at = out.size();
    out.resize(
            at
            + std::accumulate(values.begin(), values.end(), qsizetype(0),
                              [](qsizetype sum, const std::string &v) { return sum + room(v); }));
    char *to = out.data() + at;
    for (std::size_t i = 0; i < values.size(); ++i) {
        char *const first = to;
        to = writeCell(to, values[i], separator);
        if (i < FirstWord && dialect == Dialect::Semicolon)
            std::replace(first, to, '.', ',');
    }
    to[-1] = '\n';
    out.resize(to - out.constData());
}

void appendJson(QByteArray &out, const Cells &names, const Cells &cells, const Values &values,
                const Spill &spill)
{
    out += '{';
    for (std::size_t i = 0; i < names.size(); ++i) {
        appendJsonString(out, names[i]);
        out += ':';
        if (i < cells.size() && !cells[i].isValidUtf8())
            out += "null";
        else
            appendJsonString(out, i < cells.size() ? cells[i] : QByteArrayView());
        out += ',';
        spillLong(out, spill);
    }
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        appendJsonString(out, Fields[i]);
        out += ':';
        appendJsonValue(out, i, values);
        out += i + 1 < Fields.size() ? ',' : '}';
    }
    out += '\n';
}

} // namespace records
