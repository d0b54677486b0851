#include "readings/bar_rules.h"

namespace bars {

namespace {

// A strip's rate: Values of its bar per twip it moves, and its Left at Value 0,
// negated. Each strip's pair is written here only.
struct Rate
{
    double valuesPerTwip, offset;
};
constexpr Rate UpperFrequency{3.2, 4668}, LowerDiameter{8, 900};
// The reading strips are registered against the frequency and diameter strips by the
// physics they claim, with lambda = c/f and c = 299,792,458 m/s: the gain above 100 %
// reads 20 log10(pi D f / c), the beamwidth under the 3dB mark 70 c/(D f) degrees and
// the far field under its mark 2 D^2 f / c. Each offset is the whole-twip layout's
// (4574, 4274, 3731) moved by what those constants ask: 7.34 twips right, 3.16 and
// 40.58 twips left.
constexpr Rate Gain{3.2, 4566.6583}, Beamwidth{3.2, 4277.1625}, FarField{4, 3771.5814};

double leftAt(Rate rate, double value)
{
    return value / rate.valuesPerTwip - rate.offset;
}

double valueAt(Rate rate, double left)
{
    return (left + rate.offset) * rate.valuesPerTwip;
}

} // namespace

double upperFrequencyLeft(double value)
{
    return leftAt(UpperFrequency, value);
}
double beamwidthLeft(double value)
{
    return leftAt(Beamwidth, value);
}
double gainLeft(double value)
{
    return leftAt(Gain, value);
}
double farFieldLeft(double value)
{
    return leftAt(FarField, value);
}
double lowerDiameterLeft(double value)
{
    return leftAt(LowerDiameter, value);
}

double upperValueFor(double frequencyLeft)
{
    return valueAt(UpperFrequency, frequencyLeft);
}
double lowerValueFor(double diameterLeft)
{
    return valueAt(LowerDiameter, diameterLeft);
}
double beamwidthValueFor(double left)
{
    return valueAt(Beamwidth, left);
}
double gainValueFor(double left)
{
    return valueAt(Gain, left);
}
double farFieldValueFor(double left)
{
    return valueAt(FarField, left);
}

} // namespace bars
