#include "app/nomogram_readings.h"

#include "app/layout.h"
#include "scales/scale_readings.h"
#include "slide/slide_rules.h"

#include <algorithm>
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
    const double underDiameter = leftOf("picPICA") + UpperDiameter.position(diameter);
    const double upper = slide::upperValueFor(underDiameter - UpperFrequency.position(frequency));
    // Lower: the diameter strip's Left that puts the diameter over the frequency.
    const double overFrequency = leftOf("picPICH") + LowerFrequency.position(frequency);
    const double lower = slide::lowerValueFor(overFrequency - LowerDiameter.position(diameter));

    const auto reachable = [](double value) {
        return std::lround(value) >= slide::Minimum && std::lround(value) <= slide::Maximum;
    };
    if (!reachable(upper)) {
        const auto at = [&](int value) {
            return UpperFrequency.value(underDiameter - slide::upperFrequencyLeft(value));
        };
        return OutOfReach{OutOfReach::UpperFrequency,
                          std::max(at(slide::Maximum), UpperFrequency.low),
                          std::min(at(slide::Minimum), UpperFrequency.high)};
    }
    if (!reachable(lower)) {
        const auto at = [&](int value) {
            return LowerDiameter.value(overFrequency - slide::lowerDiameterLeft(value));
        };
        return OutOfReach{OutOfReach::LowerDiameter, std::max(at(slide::Minimum), LowerDiameter.low),
                          std::min(at(slide::Maximum), LowerDiameter.high)};
    }
    return BarValues{int(std::lround(upper)), int(std::lround(lower))};
}
