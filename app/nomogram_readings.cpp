#include "app/nomogram_readings.h"

#include "app/layout.h"
#include "scales/scale_readings.h"
#include "slide/slide_rules.h"

#include <algorithm>
#include <functional>
#include <cmath>

namespace {

using namespace readings;

double leftOf(const char *fixedStrip) { return placementOf(fixedStrip).left; }

double middleOf(const char *mark)
{
    const Placement &p = placementOf(mark);
    return p.left + p.width / 2.0;
}

// The value a scale shows at an x of the view when its strip stands at `left`;
// none off its ticks.
std::optional<double> readAt(const ScaleReading &scale, double viewX, double left)
{
    const double x = viewX - left;
    if (x < scale.firstX() - 1e-6 || x > scale.lastX() + 1e-6)
        return std::nullopt;
    return scale.value(x);
}

bool onScale(const ScaleReading &scale, double value)
{
    return value >= scale.low * (1 - 1e-12) && value <= scale.high * (1 + 1e-12);
}

// The x of the view under a fixed scale's value, and the frequency or diameter a
// sliding strip shows there at a bar's Value.
double upperDiameterX(double diameter) { return leftOf("picPICA") + UpperDiameter.position(diameter); }
double lowerFrequencyX(double frequency) { return leftOf("picPICH") + LowerFrequency.position(frequency); }

// The stretch of values that two bars' whole travel can set, within the scale.
std::pair<double, double> reach(const ScaleReading &scale, const std::function<double(int)> &upperAt,
                                const std::function<double(int)> &lowerAt)
{
    // By value: std::minmax of two temporaries would hand back references to them.
    const auto [u1, u2] = std::minmax({upperAt(slide::Minimum), upperAt(slide::Maximum)});
    const auto [l1, l2] = std::minmax({lowerAt(slide::Minimum), lowerAt(slide::Maximum)});
    return {std::max({u1, l1, scale.low}), std::min({u2, l2, scale.high})};
}


} // namespace

NomogramReadings readNomogram(int upperValue, int lowerValue, std::optional<double> efficiency)
{
    const double gainLeft = slide::gainLeft(upperValue);
    const double beamwidthLeft = slide::beamwidthLeft(upperValue);
    const auto gainAbove = [&](double percent) -> std::optional<double> {
        if (!onScale(Efficiency, percent))
            return std::nullopt;
        return readAt(Gain, leftOf("picPICE") + Efficiency.position(percent), gainLeft);
    };
    NomogramReadings r;
    r.gainAtFullEfficiency = gainAbove(100);
    r.efficiency = efficiency;
    if (efficiency)
        r.gainAtEfficiency = gainAbove(*efficiency);
    r.beamwidth3dB = readAt(Beamwidth, middleOf("lblCursor1"), beamwidthLeft);
    r.beamwidth10dB = readAt(Beamwidth, middleOf("lblCursor2"), beamwidthLeft);
    r.farFieldRange = readAt(FarFieldRange, middleOf("lblCursor3"), slide::farFieldLeft(lowerValue));
    return r;
}


std::variant<BarValues, OutOfReach> placeAntenna(double diameter, double frequency)
{
    if (!onScale(UpperDiameter, diameter))
        return OutOfReach{OutOfReach::Diameter, UpperDiameter.low, UpperDiameter.high};
    if (!onScale(UpperFrequency, frequency))
        return OutOfReach{OutOfReach::Frequency, UpperFrequency.low, UpperFrequency.high};

    // Upper: the frequency strip's Left that puts the frequency under the diameter.
    // Lower: the diameter strip's Left that puts the diameter over the frequency.
    const double upper = slide::upperValueFor(upperDiameterX(diameter) - UpperFrequency.position(frequency));
    const double lower = slide::lowerValueFor(lowerFrequencyX(frequency) - LowerDiameter.position(diameter));
    const auto onBar = [](double value) {
        return std::lround(value) >= slide::Minimum && std::lround(value) <= slide::Maximum;
    };
    if (onBar(upper) && onBar(lower))
        return BarValues{int(std::lround(upper)), int(std::lround(lower))};

    const auto [fLow, fHigh] = reach(
        UpperFrequency,
        [&](int v) { return UpperFrequency.value(upperDiameterX(diameter) - slide::upperFrequencyLeft(v)); },
        [&](int v) {
            return LowerFrequency.value(slide::lowerDiameterLeft(v) + LowerDiameter.position(diameter) - leftOf("picPICH"));
        });
    if (fLow <= fHigh)
        return OutOfReach{OutOfReach::Frequencies, fLow, fHigh};
    const auto [dLow, dHigh] = reach(
        UpperDiameter,
        [&](int v) { return UpperDiameter.value(slide::upperFrequencyLeft(v) + UpperFrequency.position(frequency) - leftOf("picPICA")); },
        [&](int v) { return LowerDiameter.value(lowerFrequencyX(frequency) - slide::lowerDiameterLeft(v)); });
    if (dLow <= dHigh)
        return OutOfReach{OutOfReach::Diameters, dLow, dHigh};
    return OutOfReach{OutOfReach::Nothing, 0, 0};
}
