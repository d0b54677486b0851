#include "readings/quantity.h"

#include "readings/scale_rules.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

struct Input
{
    Q_DECLARE_TR_FUNCTIONS(Input)
};

struct Unit
{
    // A literal: copied into every quantity read, it then keeps no count of its copies,
    // which the threads answering a table would otherwise all update at once.
    QString name;
    double perUnit;
};

struct Kind
{
    const char *what; // "diameter", translated where it is said
    const char *aWhat; // "a diameter" or "an efficiency", as English asks it
    double example; // in the first unit, written the way the user's numbers are read
    std::vector<Unit> units; // the first is the default
};

// In the order of QuantityKind, then the efficiency.
const std::array<Kind, 6> Kinds{{
        {QT_TRANSLATE_NOOP("Input", "diameter"),
         QT_TRANSLATE_NOOP("Input", "a diameter"),
         1.2,
         {{QStringLiteral("m"), 1},
          {QStringLiteral("cm"), 0.01},
          {QStringLiteral("mm"), 0.001},
          {QStringLiteral("ft"), 0.3048},
          {QStringLiteral("in"), 0.0254}}},
        {QT_TRANSLATE_NOOP("Input", "frequency"),
         QT_TRANSLATE_NOOP("Input", "a frequency"),
         12.5,
         {{QStringLiteral("GHz"), 1},
          {QStringLiteral("MHz"), 1e-3},
          {QStringLiteral("kHz"), 1e-6},
          {QStringLiteral("Hz"), 1e-9}}},
        {QT_TRANSLATE_NOOP("Input", "gain"),
         QT_TRANSLATE_NOOP("Input", "a gain"),
         41.2,
         {{QStringLiteral("dBi"), 1}}},
        {QT_TRANSLATE_NOOP("Input", "beamwidth"),
         QT_TRANSLATE_NOOP("Input", "a beamwidth"),
         2,
         {{QStringLiteral("\u00B0"), 1}, {QStringLiteral("deg"), 1}}},
        {QT_TRANSLATE_NOOP("Input", "far-field range"),
         QT_TRANSLATE_NOOP("Input", "a far-field range"),
         100,
         {{QStringLiteral("m"), 1}, {QStringLiteral("km"), 1000}, {QStringLiteral("ft"), 0.3048}}},
        {QT_TRANSLATE_NOOP("Input", "efficiency"),
         QT_TRANSLATE_NOOP("Input", "an efficiency"),
         60,
         {{QStringLiteral("%"), 1}}},
}};
const Kind &Efficiency = Kinds[5];

QString unitList(const Kind &kind)
{
    QStringList names;
    for (const Unit &unit : kind.units)
        names << unit.name;
    return names.size() == 1
            ? names.first()
            : Input::tr("%1 or %2")
                      .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
}

// A number as C writes it: digits, a decimal point and an exponent, no grouping.
std::optional<double> plainNumber(QStringView text)
{
    char digits[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof digits))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() > 0x7F)
            return std::nullopt;
        digits[i] = char(text[i].unicode());
    }
    double value = 0;
    const auto [last, error] = std::from_chars(digits, digits + text.size(), value);
    if (error != std::errc() || last != digits + text.size())
        return std::nullopt;
    return value;
}

// A number written as the user's locale writes them, grouping included. The C locale
// groups nothing: there, only the plain reading counts.
std::optional<double> localeNumber(QStringView text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (locale.language() == QLocale::C || !ok)
        return std::nullopt;
    return value;
}

// Both the user's way of writing numbers and a plain decimal point are taken, and a
// text the two would read as different numbers is refused rather than guessed: the
// German "2.500" is 2500 in German numbers and 2.5 with a plain point.
struct Number
{
    std::optional<double> value;
    std::optional<double> otherwise; // the second reading of a text read two ways
};

Number readNumber(QStringView text, const QLocale &locale)
{
    const std::optional<double> plain = plainNumber(text);
    if (plain && !text.contains(locale.groupSeparator()))
        return {plain, {}};
    const std::optional<double> local = localeNumber(text, locale);
    if (plain && local && *plain != *local)
        return {local, plain};
    return {plain ? plain : local, {}};
}

// A number as the user writes it, without grouping, so that it reads one way only.
QString ungrouped(double value, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

// A table's number: ASCII digits, one decimal point and an exponent, no grouping.
std::optional<double> tableNumber(QByteArrayView text, bool decimalComma)
{
    char digits[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof digits))
        return std::nullopt;
    const bool dot = text.contains('.');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (uchar(c) > 0x7F || (c == ',' && (dot || !decimalComma)))
            return std::nullopt;
        digits[i] = c == ',' ? '.' : c;
    }
    const char *first = digits + (digits[0] == '+');
    double value = 0;
    const auto [last, error] = std::from_chars(first, digits + text.size(), value);
    if (error != std::errc() || last != digits + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> tableNumber(QStringView text, bool decimalComma)
{
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; }))
        return std::nullopt;
    return tableNumber(QByteArrayView(text.toLatin1()), decimalComma);
}

Number readNumber(QStringView text, const QLocale &locale, Numbers numbers)
{
    if (numbers == Numbers::Typed)
        return readNumber(text, locale);
    return {tableNumber(text, numbers == Numbers::TableDecimalComma), {}};
}

bool inUnit(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'%' || c == u'\u00B0';
}

bool inUnit(char c)
{
    return inUnit(QLatin1Char(c));
}

// Where the unit begins: the run of letters, the percent or the degree sign at the end.
template<typename Text>
qsizetype unitStart(Text text)
{
    qsizetype end = text.size();
    while (end > 0 && inUnit(text[end - 1]))
        --end;
    return end;
}

// The unit a text names, any case; the kind's first where it names none, and none where
// it names no unit of the kind.
const Unit *unitOf(const Kind &kind, QAnyStringView name)
{
    if (name.isEmpty())
        return &kind.units.front();
    for (const Unit &unit : kind.units)
        if (QAnyStringView::compare(name, unit.name, Qt::CaseInsensitive) == 0)
            return &unit;
    return nullptr;
}

ReadQuantity read(const QString &typed, const QLocale &locale, Numbers numbers, const Kind &kind)
{
    const QStringView text = QStringView(typed).trimmed();
    // Words are looked up for a complaint only: a table of antennas reads many fields.
    const auto what = [&] { return Input::tr(kind.what); };
    const auto aWhat = [&] { return Input::tr(kind.aWhat); };
    const auto example = [&] {
        return Quantity{kind.example, kind.units.front().name}.typed(locale);
    };
    if (text.isEmpty())
        return {std::nullopt, Input::tr("Type %1, for example %2.").arg(aWhat(), example())};

    const qsizetype end = unitStart(text);
    const QStringView number = text.left(end).trimmed(), unitText = text.mid(end);

    const Unit *unit = unitOf(kind, unitText);
    // "1e3" is a number, not 1 with a unit "e3"; a word alone is no number at all.
    if (!unit && number.isEmpty())
        return {std::nullopt,
                Input::tr("\u201C%1\u201D is not a number: type %2 as a number with %3, for "
                          "example %4.")
                        .arg(text.toString(), aWhat(), unitList(kind), example())};
    if (!unit)
        return {std::nullopt,
                Input::tr("\u201C%1\u201D is not a unit of %2: use %3, for example %4.")
                        .arg(unitText.toString(), what(), unitList(kind), example())};
    const auto [value, otherwise] = readNumber(number, locale, numbers);
    if (otherwise)
        return {std::nullopt,
                Input::tr("\u201C%1\u201D is read two ways, as %2 and as %3: type %2 or %3.")
                        .arg(number.toString(), ungrouped(*value, locale),
                             ungrouped(*otherwise, locale))};
    if (!value || std::isnan(*value))
        return {std::nullopt,
                Input::tr("\u201C%1\u201D is not a number: type %2 such as %3.")
                        .arg((number.isEmpty() ? text : number).toString(), aWhat(), example())};
    // Checked in the program's own unit: 1e308 km is a number, but no number of metres.
    const double base = *value * unit->perUnit;
    if (!std::isfinite(base))
        return {std::nullopt,
                Input::tr("\u201C%1\u201D is too large for %2.").arg(text.toString(), aWhat())};
    return {Quantity{base, unit->name, unit->perUnit}, QString()};
}

// A table's cell in plain ASCII, read as read() reads it, but without a QString: a
// table holds many. None where it is not such a cell or cannot be read, for read() to
// say why.
std::optional<Quantity> plainCell(QByteArrayView cell, bool decimalComma, const Kind &kind)
{
    if (std::any_of(cell.begin(), cell.end(), [](char c) { return uchar(c) > 0x7F; }))
        return std::nullopt;
    const QByteArrayView text = cell.trimmed();
    const qsizetype end = unitStart(text);
    const Unit *unit = unitOf(kind, QLatin1StringView(text.sliced(end)));
    const std::optional<double> value = tableNumber(text.first(end).trimmed(), decimalComma);
    if (!unit || !value || !std::isfinite(*value * unit->perUnit))
        return std::nullopt;
    return Quantity{*value * unit->perUnit, unit->name, unit->perUnit};
}

const Kind &kindOf(std::optional<QuantityKind> kind)
{
    return kind ? Kinds[std::size_t(*kind)] : Efficiency;
}

// Each of the five quantities is above zero; an efficiency at or below zero is told
// its scale's range instead, as any other off it.
ReadQuantity checked(std::optional<QuantityKind> kind, ReadQuantity read)
{
    if (read.quantity && !kind && !readings::Efficiency.holds(read.quantity->value))
        return {std::nullopt, Input::tr("The efficiency scale runs from 10 to 100 %.")};
    if (read.quantity && kind && read.quantity->value <= 0)
        return {std::nullopt,
                Input::tr("A %1 must be more than zero.").arg(Input::tr(kindOf(kind).what))};
    return read;
}

} // namespace

ReadQuantity readQuantity(QuantityKind kind, const QString &text, const QLocale &locale,
                          Numbers numbers)
{
    return checked(kind, read(text, locale, numbers, kindOf(kind)));
}

ReadQuantity readEfficiency(const QString &text, const QLocale &locale, Numbers numbers)
{
    return checked(std::nullopt, read(text, locale, numbers, Efficiency));
}

ReadQuantity readField(std::optional<QuantityKind> kind, QByteArrayView utf8, const QLocale &locale,
                       Numbers numbers)
{
    const Kind &of = kindOf(kind);
    if (numbers != Numbers::Typed)
        if (std::optional<Quantity> quantity =
                    plainCell(utf8, numbers == Numbers::TableDecimalComma, of))
            return checked(kind, {std::move(quantity), QString()});
    return checked(kind, read(QString::fromUtf8(utf8), locale, numbers, of));
}

QString Quantity::typed(const QLocale &locale) const
{
    const double v = inTypedUnit(value);
    // Grouped with a dot, a number would read two ways, so it is written ungrouped there:
    // the German 9.212 m is also 9212 m with a plain decimal point.
    const QString plain = locale.groupSeparator() == QLatin1String(".")
            ? ungrouped(v, locale)
            : locale.toString(v, 'f', QLocale::FloatingPointShortest);
    if (plain.size() <= 12)
        return plain + spacedUnit();
    // Far beyond any scale, hundreds of digits would say less than "1e300".
    const QString exponential = QString::number(v, 'e', QLocale::FloatingPointShortest);
    return ungrouped(exponential.section(QLatin1Char('e'), 0, 0).toDouble(), locale)
            + QLatin1Char('e') + QString::number(exponential.section(QLatin1Char('e'), 1).toInt())
            + spacedUnit();
}

QString Quantity::spacedUnit() const
{
    // Degrees stand against the number, as the readings print them.
    return unit == QStringLiteral("\u00B0") ? unit : QLatin1Char(' ') + unit;
}

QString Quantity::inUnit(double base, Rounding rounding, const QLocale &locale) const
{
    const auto [rounded, decimals] = toThreeFigures(inTypedUnit(base), rounding);
    QString text = locale.toString(rounded, 'f', decimals);
    // Trailing zeros say nothing of a reach.
    if (text.contains(locale.decimalPoint())) {
        while (text.endsWith(locale.zeroDigit()))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text;
}
