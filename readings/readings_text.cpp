#include "readings/readings_text.h"

#include "readings/figures.h"
#include "readings/references.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {

struct Readings
{
    Q_DECLARE_TR_FUNCTIONS(Readings)
};

// Where a reading lies beyond its scale, the end it lies past, with the scale's value
// there: "beyond the far-field scale (over 10,000 m)".
QString beyond(const NomogramReadings &r, ReadingKind kind, const char *unit, const QLocale &locale)
{
    const auto past = std::find_if(r.beyond.begin(), r.beyond.end(),
                                   [&](const BeyondScale &b) { return b.reading == kind; });
    const bool high = past != r.beyond.end() && past->high;
    const ScaleRule &scale = references::referenceOf(kind).scale;
    const QString end =
            locale.toString(high ? scale.high : scale.low, 'f', QLocale::FloatingPointShortest)
            + QString::fromUtf8(unit);
    switch (kind) {
    case ReadingKind::GainAtFullEfficiency:
    case ReadingKind::GainAtEfficiency:
        return high ? Readings::tr("beyond the gain scale (over %1)").arg(end)
                    : Readings::tr("beyond the gain scale (under %1)").arg(end);
    case ReadingKind::Beamwidth3dB:
    case ReadingKind::Beamwidth10dB:
        return high ? Readings::tr("beyond the beamwidth scale (over %1)").arg(end)
                    : Readings::tr("beyond the beamwidth scale (under %1)").arg(end);
    case ReadingKind::FarFieldRange:
        break;
    }
    return high ? Readings::tr("beyond the far-field scale (over %1)").arg(end)
                : Readings::tr("beyond the far-field scale (under %1)").arg(end);
}

// A reading into the last place of its sentence, with its unit.
QString line(const QString &sentence, const NomogramReadings &r, ReadingKind kind,
             const std::optional<double> &value, const char *unit, const QLocale &locale)
{
    const bool gain =
            kind == ReadingKind::GainAtFullEfficiency || kind == ReadingKind::GainAtEfficiency;
    return sentence.arg(value ? threeFigures(*value, locale, gain ? GainDecimals : 15)
                                        + QString::fromUtf8(unit)
                              : beyond(r, kind, unit, locale));
}

// One sentence of each kind for each quantity, so that each language can word it.
struct Sentences
{
    const char *offScale, *reach, *none;
};
const std::array<Sentences, 5> ByKind{{
        {QT_TRANSLATE_NOOP("Readings", "%1 is off the diameter scales, which run from %2."),
         QT_TRANSLATE_NOOP("Readings",
                           "Out of the nomograms' reach: with %1 they can set diameters from %2 "
                           "only."),
         QT_TRANSLATE_NOOP("Readings",
                           "Out of the nomograms' reach: %1 and %2 cannot be set on them "
                           "together.")},
        {QT_TRANSLATE_NOOP("Readings", "%1 is off the frequency scales, which run from %2."),
         QT_TRANSLATE_NOOP("Readings",
                           "Out of the nomograms' reach: with %1 they can set frequencies from %2 "
                           "only."),
         nullptr},
        {QT_TRANSLATE_NOOP("Readings", "%1 is off the gain scale, which runs from %2."),
         QT_TRANSLATE_NOOP("Readings",
                           "Out of the nomograms' reach: with %1 they can set a gain from %2 "
                           "only."),
         QT_TRANSLATE_NOOP("Readings", "Out of the nomograms' reach: no gain can be set with %1.")},
        {QT_TRANSLATE_NOOP("Readings", "%1 is off the beamwidth scale, which runs from %2."),
         QT_TRANSLATE_NOOP("Readings",
                           "Out of the nomograms' reach: with %1 they can set a beamwidth from %2 "
                           "only."),
         QT_TRANSLATE_NOOP("Readings",
                           "Out of the nomograms' reach: no beamwidth can be set with %1.")},
        {QT_TRANSLATE_NOOP("Readings", "%1 is off the far-field scale, which runs from %2."),
         QT_TRANSLATE_NOOP("Readings",
                           "Out of the nomograms' reach: with %1 they can set a far-field from %2 "
                           "only."),
         QT_TRANSLATE_NOOP("Readings",
                           "Out of the nomograms' reach: no far-field can be set with %1.")},
}};

const Sentences &sentencesOf(QuantityKind kind)
{
    return ByKind[std::size_t(kind)];
}

// "0.01 to 0.162 GHz", in the unit typed, rounded inwards.
QString range(const Quantity &typed, double low, double high, const QLocale &locale)
{
    return Readings::tr("%1 to %2%3")
            .arg(typed.inUnit(low, Rounding::Up, locale),
                 typed.inUnit(high, Rounding::Down, locale), typed.spacedUnit());
}

} // namespace

QStringList upperReadingLines(const NomogramReadings &r, const QLocale &locale)
{
    using K = ReadingKind;
    QStringList lines{line(Readings::tr("Gain at 100 % efficiency: %1"), r, K::GainAtFullEfficiency,
                           r.gainAtFullEfficiency, " dBi", locale)};
    if (r.efficiency)
        lines << line(
                Readings::tr("Gain at %1 % efficiency: %2")
                        .arg(locale.toString(*r.efficiency, 'f', QLocale::FloatingPointShortest)),
                r, K::GainAtEfficiency, r.gainAtEfficiency, " dBi", locale);
    lines << line(Readings::tr("Beamwidth under the 3dB mark: %1"), r, K::Beamwidth3dB,
                  r.beamwidth3dB, "\u00B0", locale)
          << line(Readings::tr("Beamwidth under the 10dB mark: %1"), r, K::Beamwidth10dB,
                  r.beamwidth10dB, "\u00B0", locale);
    return lines;
}

QStringList lowerReadingLines(const NomogramReadings &r, const QLocale &locale)
{
    return {line(Readings::tr("Far-field range: %1"), r, ReadingKind::FarFieldRange,
                 r.farFieldRange, " m", locale)};
}

QStringList readingLines(const NomogramReadings &r, const TypedAntenna *antenna,
                         const QLocale &locale)
{
    QStringList lines = upperReadingLines(r, locale) + lowerReadingLines(r, locale);
    if (antenna)
        lines.prepend(antennaLine(*antenna, locale));
    return lines;
}

QString antennaLine(const TypedAntenna &a, const QLocale &locale)
{
    const auto shown = [&](const Quantity &q, bool found) {
        if (!found)
            return q.typed(locale);
        return Readings::tr("%1 %2 (found)").arg(threeFigures(q.value, locale), q.unit);
    };
    const QString diameter = shown(a.diameter, a.diameterFound),
                  frequency = shown(a.frequency, a.frequencyFound);
    if (a.efficiency)
        return Readings::tr("Antenna: %1 at %2, %3 efficiency")
                .arg(diameter, frequency, a.efficiency->typed(locale));
    return Readings::tr("Antenna: %1 at %2").arg(diameter, frequency);
}

QString gainWithBeamwidthText()
{
    return Readings::tr("A gain and a beamwidth fix the same product of diameter and frequency");
}

QString offScaleText(const OffScale &off, const Quantity &typed, const QLocale &locale)
{
    return Readings::tr(sentencesOf(off.kind).offScale)
            .arg(typed.typed(locale), range(typed, off.low, off.high, locale));
}

QString reachText(const Reach &reach, const Quantity &typed, const Quantity &given,
                  const QLocale &locale)
{
    const Sentences &said = sentencesOf(reach.kind);
    if (!reach.isEmpty())
        return Readings::tr(said.reach)
                .arg(given.typed(locale), range(typed, reach.low, reach.high, locale));
    // Diameters are reached for last: with none, the two given go with nothing.
    if (reach.kind == QuantityKind::Diameter)
        return Readings::tr(said.none).arg(typed.typed(locale), given.typed(locale));
    return Readings::tr(said.none).arg(given.typed(locale));
}
