#include "readings/nomogram_readings.h"

#include "readings/references.h"

#include <algorithm>
#include <cmath>
#include <functional>

using namespace readings;
using namespace references;

namespace {

// One reading with its bar at a Value; beyond an end of its scale, the end it lies past.
std::optional<double> read(NomogramReadings &r, ReadingKind kind, double value,
                           double efficiency = 100)
{
    const Reference reference = referenceOf(kind, efficiency);
    const double x = reference.stripX(value);
    const std::optional<double> reading = readAt(reference.scale, x);
    if (!reading)
        r.beyond << BeyondScale{kind, reference.scale.value(x) > reference.scale.high};
    return reading;
}

} // namespace

NomogramReadings readNomogram(double upperValue, double lowerValue,
                              std::optional<double> efficiency)
{
    NomogramReadings r;
    r.gainAtFullEfficiency = read(r, ReadingKind::GainAtFullEfficiency, upperValue);
    r.efficiency = efficiency;
    if (efficiency)
        r.gainAtEfficiency = read(r, ReadingKind::GainAtEfficiency, upperValue, *efficiency);
    r.beamwidth3dB = read(r, ReadingKind::Beamwidth3dB, upperValue);
    r.beamwidth10dB = read(r, ReadingKind::Beamwidth10dB, upperValue);
    r.farFieldRange = read(r, ReadingKind::FarFieldRange, lowerValue);
    return r;
}

namespace {

// What one bar's whole travel can set of a quantity, within its scale: low > high for
// nothing.
std::pair<double, double> barReach(const ScaleRule &scale, const std::function<double(int)> &at)
{
    // By value: std::minmax of two temporaries would hand back references to them.
    const auto [low, high] = std::minmax({at(bars::Minimum), at(bars::Maximum)});
    return {std::max(low, scale.low), std::min(high, scale.high)};
}

// What either nomogram can set: the two stretches overlap wherever both reach the
// scale, so together they are one stretch.
Reach eitherReach(QuantityKind kind, const ScaleRule &scale,
                  const std::function<double(int)> &upperAt,
                  const std::function<double(int)> &lowerAt)
{
    Reach either{kind, HUGE_VAL, -HUGE_VAL};
    for (const auto &[low, high] : {barReach(scale, upperAt), barReach(scale, lowerAt)})
        if (low <= high)
            either = {kind, std::min(either.low, low), std::max(either.high, high)};
    return either;
}

// A Value on the bar, or the end of the bar nearest to it.
double onBar(double exact)
{
    return std::clamp(exact, double(bars::Minimum), double(bars::Maximum));
}

} // namespace

std::variant<BarValues, OffScale, Reach> placeAntenna(double diameter, double frequency)
{
    if (!UpperDiameter.holds(diameter))
        return OffScale{QuantityKind::Diameter, UpperDiameter.low, UpperDiameter.high};
    if (!UpperFrequency.holds(frequency))
        return OffScale{QuantityKind::Frequency, UpperFrequency.low, UpperFrequency.high};
    const auto [upper, lower] = exactValues(diameter, frequency);
    if (bars::holds(upper) || bars::holds(lower))
        return BarValues{int(std::lround(onBar(upper))), int(std::lround(onBar(lower))),
                         onBar(upper), onBar(lower)};
    const Reach frequencies = eitherReach(
            QuantityKind::Frequency, UpperFrequency,
            [&](int v) { return upperFrequencyWith(diameter, v); },
            [&](int v) { return lowerFrequencyWith(diameter, v); });
    if (!frequencies.isEmpty())
        return frequencies;
    return eitherReach(
            QuantityKind::Diameter, UpperDiameter,
            [&](int v) { return upperDiameterWith(frequency, v); },
            [&](int v) { return lowerDiameterWith(frequency, v); });
}
