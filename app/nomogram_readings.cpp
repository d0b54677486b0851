#include "app/nomogram_readings.h"

#include "app/layout.h"
#include "scales/scale_readings.h"
#include "slide/slide_rules.h"

#include <algorithm>
#include <functional>
#include <cmath>
#include <tuple>

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

namespace {

// The reading a bar's Value gives for what is wanted.
std::optional<double> wantedAt(Wanted wanted, int value, std::optional<double> efficiency)
{
    const NomogramReadings r = wanted == Wanted::FarField ? readNomogram(slide::StartValue, value)
                                                          : readNomogram(value, slide::StartValue, efficiency);
    switch (wanted) {
    case Wanted::Gain:
        return efficiency ? r.gainAtEfficiency : r.gainAtFullEfficiency;
    case Wanted::Beamwidth:
        return r.beamwidth3dB;
    case Wanted::FarField:
        break;
    }
    return r.farFieldRange;
}

// The Value, not rounded, that puts the reading against its reference.
double valueFor(Wanted wanted, double reading, std::optional<double> efficiency)
{
    switch (wanted) {
    case Wanted::Gain:
        return slide::gainValueFor(leftOf("picPICE") + Efficiency.position(efficiency.value_or(100)) - Gain.position(reading));
    case Wanted::Beamwidth:
        return slide::beamwidthValueFor(middleOf("lblCursor1") - Beamwidth.position(reading));
    case Wanted::FarField:
        break;
    }
    return slide::farFieldValueFor(middleOf("lblCursor3") - FarFieldRange.position(reading));
}

const ScaleReading &scaleOf(Wanted wanted)
{
    return wanted == Wanted::Gain ? Gain : wanted == Wanted::Beamwidth ? Beamwidth : FarFieldRange;
}

bool onBar(double value) { return value >= slide::Minimum && value <= slide::Maximum; }

// The diameter and frequency both nomograms show at their bars' Values: the upper one
// fixes the sum of their logarithms, the lower one another; solved together.
std::pair<double, double> antennaAt(BarValues v)
{
    const double p = slide::upperFrequencyLeft(v.upper) + UpperFrequency.origin - upperDiameterX(1);
    const double q = lowerFrequencyX(1) - slide::lowerDiameterLeft(v.lower) - LowerDiameter.origin;
    const double det = UpperFrequency.slope * LowerDiameter.slope - UpperDiameter.slope * LowerFrequency.slope;
    const double logD = (UpperFrequency.slope * q - LowerFrequency.slope * p) / det;
    const double logF = (UpperDiameter.slope * q - LowerDiameter.slope * p) / det;
    return {std::pow(10.0, logD), std::pow(10.0, logF)};
}

double toFigures(double value, int figures)
{
    const double step = std::pow(10.0, std::floor(std::log10(value)) - figures + 1);
    return std::round(value / step) * step;
}

} // namespace

std::variant<FoundAntenna, Unreachable, OutOfReach> findAntenna(Wanted wanted, double value, Given given, double givenValue,
                                                                std::optional<double> efficiency)
{
    if (!onScale(scaleOf(wanted), value))
        return Unreachable{true, scaleOf(wanted).low, scaleOf(wanted).high};
    if (given == Given::Diameter && !onScale(UpperDiameter, givenValue))
        return OutOfReach{OutOfReach::Diameter, UpperDiameter.low, UpperDiameter.high};
    if (given == Given::Frequency && !onScale(UpperFrequency, givenValue))
        return OutOfReach{OutOfReach::Frequency, UpperFrequency.low, UpperFrequency.high};
    const bool lower = wanted == Wanted::FarField;
    const long farFieldBar = given == Given::FarField ? std::lround(valueFor(Wanted::FarField, givenValue, {})) : 0;

    // The antenna for a Value of the wanted reading's bar, if both nomograms can set it.
    const auto antennaFor = [&](int bar) -> std::optional<FoundAntenna> {
        if (!wantedAt(wanted, bar, efficiency))
            return std::nullopt;
        double d = givenValue, f = givenValue;
        if (given == Given::FarField) {
            if (!onBar(farFieldBar) || !readNomogram(slide::StartValue, int(farFieldBar)).farFieldRange)
                return std::nullopt;
            std::tie(d, f) = antennaAt({bar, int(farFieldBar)});
        } else if (given == Given::Diameter) {
            f = lower ? LowerFrequency.value(slide::lowerDiameterLeft(bar) + LowerDiameter.position(d) - leftOf("picPICH"))
                      : UpperFrequency.value(upperDiameterX(d) - slide::upperFrequencyLeft(bar));
        } else {
            d = lower ? LowerDiameter.value(lowerFrequencyX(f) - slide::lowerDiameterLeft(bar))
                      : UpperDiameter.value(slide::upperFrequencyLeft(bar) + UpperFrequency.position(f) - leftOf("picPICA"));
        }
        const auto placed = placeAntenna(d, f);
        const auto *set = std::get_if<BarValues>(&placed);
        if (!set || (lower ? set->lower : set->upper) != bar || (given == Given::FarField && set->lower != farFieldBar))
            return std::nullopt;
        return FoundAntenna{d, f, 0, *set};
    };

    const double exact = valueFor(wanted, value, efficiency);
    if (onBar(std::round(exact)))
        if (auto found = antennaFor(int(std::lround(exact)))) {
            // Fewer figures for what was found, as long as they set the same Values.
            for (found->figures = 3; found->figures < 9; ++found->figures) {
                const double d = given == Given::Diameter ? found->diameter : toFigures(found->diameter, found->figures);
                const double f = given == Given::Frequency ? found->frequency : toFigures(found->frequency, found->figures);
                const auto again = placeAntenna(d, f);
                const auto *v = std::get_if<BarValues>(&again);
                if (v && v->upper == found->values.upper && v->lower == found->values.lower)
                    return FoundAntenna{d, f, found->figures, found->values};
            }
            return *found;
        }
    // Out of reach: the readings of every Value that can be set with what is given.
    Unreachable reach{false, HUGE_VAL, -HUGE_VAL};
    for (int bar = slide::Minimum; bar <= slide::Maximum; ++bar)
        if (antennaFor(bar)) {
            const double reading = *wantedAt(wanted, bar, efficiency);
            reach = {false, std::min(reach.low, reading), std::max(reach.high, reading)};
        }
    return reach;
}
