#include "readings/nomogram_readings.h"

#include "readings/references.h"

#include <algorithm>
#include <cmath>
#include <functional>

using namespace readings;
using namespace references;

namespace {

// One reading at an x of its scale's strip; beyond an end, the end it lies past.
std::optional<double> read(NomogramReadings &r, ReadingKind kind, const ScaleRule &scale, double x)
{
    const std::optional<double> value = readAt(scale, x);
    if (!value)
        r.beyond << BeyondScale{kind, scale.value(x) > scale.high};
    return value;
}

} // namespace

NomogramReadings readNomogram(int upperValue, int lowerValue, std::optional<double> efficiency)
{
    const double gainLeft = bars::gainLeft(upperValue);
    const double beamwidthLeft = bars::beamwidthLeft(upperValue);
    NomogramReadings r;
    const auto gainAbove = [&](ReadingKind kind, double percent) {
        return read(r, kind, Gain, EfficiencyLeft + Efficiency.position(percent) - gainLeft);
    };
    r.gainAtFullEfficiency = gainAbove(ReadingKind::GainAtFullEfficiency, 100);
    r.efficiency = efficiency;
    if (efficiency)
        r.gainAtEfficiency = gainAbove(ReadingKind::GainAtEfficiency, *efficiency);
    r.beamwidth3dB = read(r, ReadingKind::Beamwidth3dB, Beamwidth, Mark3dB - beamwidthLeft);
    r.beamwidth10dB = read(r, ReadingKind::Beamwidth10dB, Beamwidth, Mark10dB - beamwidthLeft);
    r.farFieldRange = read(r, ReadingKind::FarFieldRange, FarFieldRange,
                           FarFieldMark - bars::farFieldLeft(lowerValue));
    return r;
}

namespace {

// The stretch of values that two bars' whole travel can set, within the scale.
std::pair<double, double> reach(const ScaleRule &scale, const std::function<double(int)> &upperAt,
                                const std::function<double(int)> &lowerAt)
{
    // By value: std::minmax of two temporaries would hand back references to them.
    const auto [u1, u2] = std::minmax({upperAt(bars::Minimum), upperAt(bars::Maximum)});
    const auto [l1, l2] = std::minmax({lowerAt(bars::Minimum), lowerAt(bars::Maximum)});
    return {std::max({u1, l1, scale.low}), std::min({u2, l2, scale.high})};
}

Reach frequenciesWith(double diameter)
{
    const auto [low, high] = reach(
            UpperFrequency, [&](int v) { return upperFrequencyWith(diameter, v); },
            [&](int v) { return lowerFrequencyWith(diameter, v); });
    return {QuantityKind::Frequency, low, high};
}

Reach diametersWith(double frequency)
{
    const auto [low, high] = reach(
            UpperDiameter, [&](int v) { return upperDiameterWith(frequency, v); },
            [&](int v) { return lowerDiameterWith(frequency, v); });
    return {QuantityKind::Diameter, low, high};
}

} // namespace

std::variant<BarValues, OffScale, Reach> placeAntenna(double diameter, double frequency)
{
    if (!UpperDiameter.holds(diameter))
        return OffScale{QuantityKind::Diameter, UpperDiameter.low, UpperDiameter.high};
    if (!UpperFrequency.holds(frequency))
        return OffScale{QuantityKind::Frequency, UpperFrequency.low, UpperFrequency.high};
    const auto [upper, lower] = exactValues(diameter, frequency);
    if (bars::holds(upper) && bars::holds(lower))
        return BarValues{int(std::lround(upper)), int(std::lround(lower))};
    if (const Reach frequencies = frequenciesWith(diameter); !frequencies.isEmpty())
        return frequencies;
    return diametersWith(frequency);
}
