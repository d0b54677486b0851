#include "app/readings_text.h"

#include "scales/scale_readings.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Readings
{
    Q_DECLARE_TR_FUNCTIONS(Readings)
};

// A reading into the last place of its sentence, with its unit.
QString line(const QString &sentence, const std::optional<double> &value, const char *unit, const QLocale &locale)
{
    return sentence.arg(value ? threeFigures(*value, locale) + QString::fromUtf8(unit) : Readings::tr("off the scale"));
}

} // namespace

QStringList upperReadingLines(const NomogramReadings &r, const QLocale &locale)
{
    QStringList lines{line(Readings::tr("Gain at 100 % efficiency: %1"), r.gainAtFullEfficiency, " dBi", locale)};
    if (r.efficiency)
        lines << line(Readings::tr("Gain at %1 % efficiency: %2").arg(locale.toString(*r.efficiency, 'f', QLocale::FloatingPointShortest)),
                      r.gainAtEfficiency, " dBi", locale);
    lines << line(Readings::tr("Beamwidth under the 3dB mark: %1"), r.beamwidth3dB, "\u00B0", locale)
          << line(Readings::tr("Beamwidth under the 10dB mark: %1"), r.beamwidth10dB, "\u00B0", locale);
    return lines;
}

QStringList lowerReadingLines(const NomogramReadings &r, const QLocale &locale)
{
    return {line(Readings::tr("Far-field range: %1"), r.farFieldRange, " m", locale)};
}

QString antennaLine(const TypedAntenna &a, const QLocale &locale)
{
    const auto shown = [&](const Quantity &q, bool found) {
        if (!found)
            return q.typed(locale);
        const int exponent = int(std::floor(std::log10(q.value)));
        return Readings::tr("%1 %2 (found)").arg(locale.toString(q.value, 'f', std::max(0, a.foundFigures - 1 - exponent)), q.unit);
    };
    const QString diameter = shown(a.diameter, a.diameterFound), frequency = shown(a.frequency, a.frequencyFound);
    if (a.efficiency)
        return Readings::tr("Antenna: %1 at %2, %3 efficiency").arg(diameter, frequency, a.efficiency->typed(locale));
    return Readings::tr("Antenna: %1 at %2").arg(diameter, frequency);
}

QString outOfReachText(const OutOfReach &reach, const TypedAntenna &a, const QLocale &locale)
{
    const bool diameters = reach.what == OutOfReach::Diameter || reach.what == OutOfReach::Diameters;
    const Quantity &quantity = diameters ? a.diameter : a.frequency;
    const QString range = Readings::tr("%1 to %2 %3").arg(quantity.inUnit(reach.low, Quantity::Up, locale),
                                                             quantity.inUnit(reach.high, Quantity::Down, locale), quantity.unit);
    switch (reach.what) {
    case OutOfReach::Diameter:
        return Readings::tr("%1 is off the diameter scales, which run from %2.").arg(a.diameter.typed(locale), range);
    case OutOfReach::Frequency:
        return Readings::tr("%1 is off the frequency scales, which run from %2.").arg(a.frequency.typed(locale), range);
    case OutOfReach::Frequencies:
        return Readings::tr("Out of the nomograms' reach: with %1 they can set frequencies from %2 only.")
            .arg(a.diameter.typed(locale), range);
    case OutOfReach::Diameters:
        return Readings::tr("Out of the nomograms' reach: with %1 they can set diameters from %2 only.")
            .arg(a.frequency.typed(locale), range);
    case OutOfReach::Nothing:
        break;
    }
    return Readings::tr("Out of the nomograms' reach: %1 and %2 cannot be set on them together.")
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
    // One sentence of each kind for each scale, so that each language can word it.
    static const std::array<std::array<const char *, 3>, 3> sentences{{
        {QT_TRANSLATE_NOOP("Readings", "%1 is off the gain scale, which runs from %2."),
         QT_TRANSLATE_NOOP("Readings", "Out of the nomograms' reach: no gain can be set with %1."),
         QT_TRANSLATE_NOOP("Readings", "Out of the nomograms' reach: with %1 they can set a gain from %2 only.")},
        {QT_TRANSLATE_NOOP("Readings", "%1 is off the beamwidth scale, which runs from %2."),
         QT_TRANSLATE_NOOP("Readings", "Out of the nomograms' reach: no beamwidth can be set with %1."),
         QT_TRANSLATE_NOOP("Readings", "Out of the nomograms' reach: with %1 they can set a beamwidth from %2 only.")},
        {QT_TRANSLATE_NOOP("Readings", "%1 is off the far-field scale, which runs from %2."),
         QT_TRANSLATE_NOOP("Readings", "Out of the nomograms' reach: no far-field can be set with %1."),
         QT_TRANSLATE_NOOP("Readings", "Out of the nomograms' reach: with %1 they can set a far-field from %2 only.")},
    }};
    const auto &said = sentences[std::size_t(wanted)];
    const QString range = Readings::tr("%1 to %2%3").arg(typed.inUnit(reach.low, Quantity::Up, locale),
                                                          typed.inUnit(reach.high, Quantity::Down, locale), typed.spacedUnit());
    if (reach.offScale)
        return Readings::tr(said[0]).arg(typed.typed(locale), range);
    if (reach.low > reach.high)
        return Readings::tr(said[1]).arg(given);
    return Readings::tr(said[2]).arg(given, range);
}
