#include "cli/records.h"

#include "readings/figures.h"

#include <algorithm>
#include <charconv>

namespace records {

namespace {

// A number as typed, to twelve figures, as %.12g writes it.
QByteArray typedNumber(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12);
    return QByteArray(text, end.ptr - text);
}

QByteArray reading(const std::optional<double> &value)
{
    return value ? plainThreeFigures(*value) : QByteArray();
}

// A diameter or frequency in the program's unit: as found, to three figures; as typed,
// without the last bits that a change of unit leaves (70 cm is 0.7 m, not 0.70000001).
QByteArray base(const Quantity &q, bool found)
{
    return found ? plainThreeFigures(q.value) : typedNumber(q.value);
}

QByteArray foundWords(const TypedAntenna &a)
{
    if (a.diameterFound && a.frequencyFound)
        return "diameter frequency";
    return a.diameterFound ? "diameter" : a.frequencyFound ? "frequency" : "";
}

// The readings beyond their scales by their fields' names.
QByteArray offScaleWords(const QList<BeyondScale> &beyond)
{
    QByteArray words;
    for (const BeyondScale &off : beyond)
        words += (words.isEmpty() ? "" : " ") + QByteArray(Fields[3 + std::size_t(off.reading)]);
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
    const QByteArray &value = values[field];
    if (field == OffScale && values.back().isEmpty()) {
        out += '[';
        for (const QByteArray &name : value.split(' '))
            if (!name.isEmpty()) {
                appendJsonString(out, name);
                out += ',';
            }
        if (out.back() == ',')
            out.chop(1);
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

void appendCell(QByteArray &out, QByteArrayView cell, char separator)
{
    if (!mustQuote(cell, separator)) {
        out += cell;
    } else {
        out += '"';
        for (const char c : cell)
            out += c == '"' ? QByteArrayView("\"\"") : QByteArrayView(&c, 1);
        out += '"';
    }
    out += separator;
}

} // namespace

Values of(const SetAntenna &set)
{
    const TypedAntenna &a = set.antenna;
    const NomogramReadings &r = set.readings;
    return {base(a.diameter, a.diameterFound),
            base(a.frequency, a.frequencyFound),
            a.efficiency ? typedNumber(a.efficiency->value) : QByteArray(),
            reading(r.gainAtFullEfficiency),
            reading(r.gainAtEfficiency),
            reading(r.beamwidth3dB),
            reading(r.beamwidth10dB),
            reading(r.farFieldRange),
            foundWords(a),
            offScaleWords(r.beyond),
            QByteArray()};
}

Values refused(const QString &sentence)
{
    Values values;
    values.back() = sentence.toUtf8();
    return values;
}

Values fieldNames()
{
    Values names;
    std::copy(Fields.begin(), Fields.end(), names.begin());
    return names;
}

void appendCsv(QByteArray &out, const Cells &cells, const Values &values, Dialect dialect)
{
    const char separator = dialect == Dialect::Semicolon ? ';' : ',';
    for (QByteArrayView cell : cells)
        appendCell(out, cell, separator);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i < FirstWord && dialect == Dialect::Semicolon)
            appendCell(out, QByteArray(values[i]).replace('.', ','), separator);
        else
            appendCell(out, values[i], separator);
    }
    out.back() = '\n';
}

void appendJson(QByteArray &out, const Cells &names, const Cells &cells, const Values &values)
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
