#include "readings/quantity.h"

#include "readings/scale_rules.h"

#include <QCoreApplication>
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
         {{"m", 1}, {"cm", 0.01}, {"mm", 0.001}, {"ft", 0.3048}, {"in", 0.0254}}},
        {QT_TRANSLATE_NOOP("Input", "frequency"),
         QT_TRANSLATE_NOOP("Input", "a frequency"),
         12.5,
         {{"GHz", 1}, {"MHz", 1e-3}, {"kHz", 1e-6}, {"Hz", 1e-9}}},
        {QT_TRANSLATE_NOOP("Input", "gain"),
         QT_TRANSLATE_NOOP("Input", "a gain"),
         41.2,
         {{"dBi", 1}}},
        {QT_TRANSLATE_NOOP("Input", "beamwidth"),
         QT_TRANSLATE_NOOP("Input", "a beamwidth"),
         2,
         {{"\u00B0", 1}, {"deg", 1}}},
        {QT_TRANSLATE_NOOP("Input", "far-field range"),
         QT_TRANSLATE_NOOP("Input", "a far-field range"),
         100,
         {{"m", 1}, {"km", 1000}, {"ft", 0.3048}}},
        {QT_TRANSLATE_NOOP("Input", "efficiency"),
         QT_TRANSLATE_NOOP("Input", "an efficiency"),
         60,
         {{"%", 1}}},
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

// Plain digits with a decimal point are read straight away where the locale would
// read them alike; a table of antennas reads many of them.
std::optional<double> plainNumber(QStringView text, const QLocale &locale)
{
    char digits[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof digits))
        return std::nullopt;
    int points = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        points += c == u'.';
        if ((!c.isDigit() && c != u'.') || c.unicode() > 0x7F || points > 1)
            return std::nullopt;
        digits[i] = char(c.unicode());
    }
    if (points == text.size() || (points && locale.decimalPoint() != QLatin1String(".")))
        return std::nullopt;
    double value = 0;
    const auto [last, error] = std::from_chars(digits, digits + text.size(), value);
    if (error != std::errc() || last != digits + text.size())
        return std::nullopt;
    return value;
}

// The user's way of writing numbers first; then a plain dot, for those whose
// locale writes a comma.
std::optional<double> readNumber(QStringView text, const QLocale &locale)
{
    if (const std::optional<double> plain = plainNumber(text, locale))
        return plain;
    for (const QLocale &l : {locale, QLocale::c()}) {
        bool ok = false;
        const double value = l.toDouble(text, &ok);
        // A number beyond any double reads as infinite, which is too large, not wrong.
        if (ok || std::isinf(value))
            return value;
    }
    return std::nullopt;
}

bool inUnit(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'%' || c == u'\u00B0';
}

ReadQuantity read(const QString &typed, const QLocale &locale, const Kind &kind)
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

    // The unit is the run of letters, the percent or the degree sign at the end.
    qsizetype end = text.size();
    while (end > 0 && inUnit(text[end - 1]))
        --end;
    const QStringView number = text.left(end).trimmed(), unitText = text.mid(end);

    const Unit *unit = &kind.units.front();
    if (!unitText.isEmpty()) {
        unit = nullptr;
        for (const Unit &u : kind.units)
            if (unitText.compare(u.name, Qt::CaseInsensitive) == 0)
                unit = &u;
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
    }
    const std::optional<double> value = readNumber(number, locale);
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

} // namespace

// Each of the five quantities is above zero; an efficiency at or below zero is told
// its scale's range instead, as any other off it.
ReadQuantity readQuantity(QuantityKind kind, const QString &text, const QLocale &locale)
{
    const Kind &of = Kinds[std::size_t(kind)];
    ReadQuantity result = read(text, locale, of);
    if (result.quantity && result.quantity->value <= 0)
        return {std::nullopt, Input::tr("A %1 must be more than zero.").arg(Input::tr(of.what))};
    return result;
}

ReadQuantity readEfficiency(const QString &text, const QLocale &locale)
{
    ReadQuantity result = read(text, locale, Efficiency);
    if (result.quantity && !readings::Efficiency.holds(result.quantity->value))
        return {std::nullopt, Input::tr("The efficiency scale runs from 10 to 100 %.")};
    return result;
}

QString Quantity::typed(const QLocale &locale) const
{
    const double v = inTypedUnit(value);
    const QString plain = locale.toString(v, 'f', QLocale::FloatingPointShortest);
    if (plain.size() <= 12)
        return plain + spacedUnit();
    // Far beyond any scale, hundreds of digits would say less than "1e300".
    const QString exponential = QString::number(v, 'e', QLocale::FloatingPointShortest);
    const double mantissa = exponential.section(QLatin1Char('e'), 0, 0).toDouble();
    const int exponent = exponential.section(QLatin1Char('e'), 1).toInt();
    return locale.toString(mantissa, 'f', QLocale::FloatingPointShortest) + QLatin1Char('e')
            + QString::number(exponent) + spacedUnit();
}

QString Quantity::spacedUnit() const
{
    // Degrees stand against the number, as the readings print them.
    return unit == QStringLiteral("\u00B0") ? unit : QLatin1Char(' ') + unit;
}

QString Quantity::inUnit(double base, Rounding rounding, const QLocale &locale) const
{
    const double v = inTypedUnit(base);
    if (v == 0) // the gain scale starts at zero, which has no figures to round
        return locale.toString(0);
    const int exponent = int(std::floor(std::log10(std::abs(v))));
    const double step = std::pow(10.0, exponent - 2);
    const double steps = v / step;
    const double rounded =
            step * (rounding == Up ? std::ceil(steps - 1e-9) : std::floor(steps + 1e-9));
    QString text = locale.toString(rounded, 'f', std::max(0, 2 - exponent));
    // Trailing zeros say nothing of a reach.
    if (text.contains(locale.decimalPoint())) {
        while (text.endsWith(locale.zeroDigit()))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text;
}
