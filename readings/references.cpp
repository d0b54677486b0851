#include "readings/references.h"

#include "readings/layout.h"

#include <cmath>

namespace references {

namespace {

constexpr double middleOf(Control mark)
{
    const Placement &p = placementOf(mark);
    return p.left + p.width / 2.0;
}

} // namespace

// Looked up once: the readings of a whole table of antennas go through these.
const double UpperDiameterLeft = placementOf(Control::picPICA).left;
const double EfficiencyLeft = placementOf(Control::picPICE).left;
const double LowerFrequencyLeft = placementOf(Control::picPICH).left;
const double Mark3dB = middleOf(Control::lblCursor1);
const double Mark10dB = middleOf(Control::lblCursor2);
const double FarFieldMark = middleOf(Control::lblCursor3);

Reference referenceOf(ReadingKind kind, double efficiency)
{
    using namespace readings;
    switch (kind) {
    case ReadingKind::GainAtFullEfficiency:
    case ReadingKind::GainAtEfficiency:
        return {Gain, EfficiencyLeft + Efficiency.position(efficiency), bars::gainLeft,
                bars::gainValueFor};
    case ReadingKind::Beamwidth3dB:
        return {Beamwidth, Mark3dB, bars::beamwidthLeft, bars::beamwidthValueFor};
    case ReadingKind::Beamwidth10dB:
        return {Beamwidth, Mark10dB, bars::beamwidthLeft, bars::beamwidthValueFor};
    case ReadingKind::FarFieldRange:
        break;
    }
    return {FarFieldRange, FarFieldMark, bars::farFieldLeft, bars::farFieldValueFor};
}

double upperFrequencyWith(double diameter, int upper)
{
    using namespace readings;
    return UpperFrequency.value(UpperDiameterLeft + UpperDiameter.position(diameter)
                                - bars::upperFrequencyLeft(upper));
}

double lowerFrequencyWith(double diameter, int lower)
{
    using namespace readings;
    return LowerFrequency.value(bars::lowerDiameterLeft(lower) + LowerDiameter.position(diameter)
                                - LowerFrequencyLeft);
}

double upperDiameterWith(double frequency, int upper)
{
    using namespace readings;
    return UpperDiameter.value(bars::upperFrequencyLeft(upper) + UpperFrequency.position(frequency)
                               - UpperDiameterLeft);
}

double lowerDiameterWith(double frequency, int lower)
{
    using namespace readings;
    return LowerDiameter.value(LowerFrequencyLeft + LowerFrequency.position(frequency)
                               - bars::lowerDiameterLeft(lower));
}

std::pair<double, double> exactValues(double diameter, double frequency)
{
    using namespace readings;
    // Each logarithm once, for both nomograms: a table of antennas places many.
    const double logD = decadesOf(diameter), logF = decadesOf(frequency);
    const auto at = [](const ScaleRule &scale, double log) {
        return scale.origin + scale.slope * log;
    };
    const double upperLeft = UpperDiameterLeft + at(UpperDiameter, logD) - at(UpperFrequency, logF);
    const double lowerLeft =
            LowerFrequencyLeft + at(LowerFrequency, logF) - at(LowerDiameter, logD);
    return {bars::upperValueFor(upperLeft), bars::lowerValueFor(lowerLeft)};
}

// The upper nomogram fixes one sum of the logarithms of diameter and frequency, the
// lower one another; solved together.
std::pair<double, double> antennaAt(int upper, int lower)
{
    using namespace readings;
    const double p = bars::upperFrequencyLeft(upper) + UpperFrequency.origin
            - (UpperDiameterLeft + UpperDiameter.position(1));
    const double q = (LowerFrequencyLeft + LowerFrequency.position(1))
            - bars::lowerDiameterLeft(lower) - LowerDiameter.origin;
    const double det =
            UpperFrequency.slope * LowerDiameter.slope - UpperDiameter.slope * LowerFrequency.slope;
    const double logD = (UpperFrequency.slope * q - LowerFrequency.slope * p) / det;
    const double logF = (UpperDiameter.slope * q - LowerDiameter.slope * p) / det;
    return {tenTo(logD), tenTo(logF)};
}

} // namespace references
