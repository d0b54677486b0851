#include "app/readings_text.h"

#include "scales/scale_readings.h"

#include <algorithm>
#include <cmath>

namespace {

QString line(const QString &what, const std::optional<double> &value, const char *unit, const QLocale &locale)
{
    return what + QStringLiteral(": ")
        + (value ? threeFigures(*value, locale) + QString::fromUtf8(unit) : QStringLiteral("off the scale"));
}

} // namespace

QStringList upperReadingLines(const NomogramReadings &r, const QLocale &locale)
{
    QStringList lines{line(QStringLiteral("Gain at 100 % efficiency"), r.gainAtFullEfficiency, " dBi", locale)};
    if (r.efficiency)
        lines << line(QStringLiteral("Gain at %1 % efficiency").arg(locale.toString(*r.efficiency, 'f', QLocale::FloatingPointShortest)),
                      r.gainAtEfficiency, " dBi", locale);
    lines << line(QStringLiteral("Beamwidth under the 3dB mark"), r.beamwidth3dB, "\u00B0", locale)
          << line(QStringLiteral("Beamwidth under the 10dB mark"), r.beamwidth10dB, "\u00B0", locale);
    return lines;
}

QStringList lowerReadingLines(const NomogramReadings &r, const QLocale &locale)
{
    return {line(QStringLiteral("Far-field range"), r.farFieldRange, " m", locale)};
}

QString antennaLine(const TypedAntenna &a, const QLocale &locale)
{
    const auto shown = [&](const Quantity &q, bool found) {
        if (!found)
            return q.typed(locale);
        const int exponent = int(std::floor(std::log10(q.value)));
        return QStringLiteral("%1 %2 (found)").arg(locale.toString(q.value, 'f', std::max(0, a.foundFigures - 1 - exponent)), q.unit);
    };
    QString text = QStringLiteral("Antenna: %1 at %2").arg(shown(a.diameter, a.diameterFound), shown(a.frequency, a.frequencyFound));
    if (a.efficiency)
        text += QStringLiteral(", %1 efficiency").arg(a.efficiency->typed(locale));
    return text;
}

QString outOfReachText(const OutOfReach &reach, const TypedAntenna &a, const QLocale &locale)
{
    const bool diameters = reach.what == OutOfReach::Diameter || reach.what == OutOfReach::Diameters;
    const Quantity &quantity = diameters ? a.diameter : a.frequency;
    const QString range = QStringLiteral("%1 to %2 %3").arg(quantity.inUnit(reach.low, Quantity::Up, locale),
                                                             quantity.inUnit(reach.high, Quantity::Down, locale), quantity.unit);
    switch (reach.what) {
    case OutOfReach::Diameter:
        return QStringLiteral("%1 is off the diameter scales, which run from %2.").arg(a.diameter.typed(locale), range);
    case OutOfReach::Frequency:
        return QStringLiteral("%1 is off the frequency scales, which run from %2.").arg(a.frequency.typed(locale), range);
    case OutOfReach::Frequencies:
        return QStringLiteral("Out of the nomograms' reach: with %1 they can set frequencies from %2 only.")
            .arg(a.diameter.typed(locale), range);
    case OutOfReach::Diameters:
        return QStringLiteral("Out of the nomograms' reach: with %1 they can set diameters from %2 only.")
            .arg(a.frequency.typed(locale), range);
    case OutOfReach::Nothing:
        break;
    }
    return QStringLiteral("Out of the nomograms' reach: %1 and %2 cannot be set on them together.")
        .arg(a.diameter.typed(locale), a.frequency.typed(locale));
}

TypedAntenna foundAntenna(const FoundAntenna &found, Given given, const Quantity &givenQuantity,
                          const std::optional<Quantity> &efficiency)
{
    TypedAntenna a{Quantity{found.diameter, QStringLiteral("m"), 1}, Quantity{found.frequency, QStringLiteral("GHz"), 1},
                   efficiency, given != Given::Diameter, given != Given::Frequency, found.figures};
    if (given == Given::Diameter)
        a.diameter = givenQuantity;
    if (given == Given::Frequency)
        a.frequency = givenQuantity;
    return a;
}

QString unreachableText(const Unreachable &reach, Wanted wanted, const Quantity &typed, const QString &given,
                        const QLocale &locale)
{
    const QString scale = wanted == Wanted::Gain        ? QStringLiteral("gain")
                        : wanted == Wanted::Beamwidth ? QStringLiteral("beamwidth")
                                                        : QStringLiteral("far-field");
    const QString range = QStringLiteral("%1 to %2%3").arg(typed.inUnit(reach.low, Quantity::Up, locale),
                                                            typed.inUnit(reach.high, Quantity::Down, locale), typed.spacedUnit());
    if (reach.offScale)
        return QStringLiteral("%1 is off the %2 scale, which runs from %3.").arg(typed.typed(locale), scale, range);
    if (reach.low > reach.high)
        return QStringLiteral("Out of the nomograms' reach: no %1 can be set with %2.").arg(scale, given);
    return QStringLiteral("Out of the nomograms' reach: with %1 they can set a %2 from %3 only.").arg(given, scale, range);
}
