#include "cli/records.h"

#include "readings/figures.h"

#include <algorithm>

namespace records {

namespace {

QByteArray reading(const std::optional<double> &value)
{
    return value ? plainThreeFigures(*value) : QByteArray();
}

// A diameter or frequency in the program's unit: as found, to three figures; as typed,
// without the last bits that a change of unit leaves (70 cm is 0.7 m, not 0.70000001).
QByteArray base(const Quantity &q, bool found)
{
    return found ? plainThreeFigures(q.value) : QByteArray::number(q.value, 'g', 12);
}

QByteArray foundWords(const TypedAntenna &a)
{
    if (a.diameterFound && a.frequencyFound)
        return "diameter frequency";
    return a.diameterFound ? "diameter" : a.frequencyFound ? "frequency" : "";
}

void appendJsonString(QByteArray &out, const QByteArray &text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (uchar(c) < 0x20)
            out += "\\u00" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
        else
            out += c;
    }
    out += '"';
}

void appendCsv(QByteArray &line, const QByteArray &cell)
{
    const bool quoted = std::any_of(cell.begin(), cell.end(), [](char c) {
        return c == ',' || c == '"' || c == '\n' || c == '\r';
    });
    if (!quoted) {
        line += cell;
    } else {
        line += '"';
        line += QByteArray(cell).replace('"', "\"\"");
        line += '"';
    }
    line += ',';
}

} // namespace

Values of(const SetAntenna &set)
{
    const TypedAntenna &a = set.antenna;
    const NomogramReadings &r = set.readings;
    return {base(a.diameter, a.diameterFound),
            base(a.frequency, a.frequencyFound),
            a.efficiency ? QByteArray::number(a.efficiency->value, 'g', 12) : QByteArray(),
            reading(r.gainAtFullEfficiency),
            reading(r.gainAtEfficiency),
            reading(r.beamwidth3dB),
            reading(r.beamwidth10dB),
            reading(r.farFieldRange),
            foundWords(a),
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

QByteArray csvLine(const QList<QByteArray> &cells, const Values &values)
{
    QByteArray line;
    line.reserve(256);
    for (const QByteArray &cell : cells)
        appendCsv(line, cell);
    for (const QByteArray &value : values)
        appendCsv(line, value);
    line.back() = '\n';
    return line;
}

QByteArray jsonLine(const QList<QByteArray> &names, const QList<QByteArray> &cells,
                    const Values &values)
{
    QByteArray line = "{";
    line.reserve(512);
    for (qsizetype i = 0; i < names.size(); ++i) {
        appendJsonString(line, names[i]);
        line += ':';
        appendJsonString(line, cells.value(i));
        line += ',';
    }
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        appendJsonString(line, Fields[i]);
        line += ':';
        if (values[i].isEmpty())
            line += "null";
        else if (i < FirstWord)
            line += values[i];
        else
            appendJsonString(line, values[i]);
        line += i + 1 < Fields.size() ? ',' : '}';
    }
    return line + '\n';
}

} // namespace records
