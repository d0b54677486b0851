#pragma once

// Where the sliding strips stand, as Left in twips within the nomogram view, for a
// slide bar's Value, and the way back. The upper strips share one rate so their
// offsets never change; the far-field strip moves twice as far as the lower
// diameter strip.
namespace bars {

// A Value not rounded is the exact setting of an antenna, which the readings are
// taken at; the strips stand at the whole Value of their bar.
double upperFrequencyLeft(double value); // picPICB
double beamwidthLeft(double value); // picPICC
double gainLeft(double value); // picPICD
double farFieldLeft(double value); // picPICF
double lowerDiameterLeft(double value); // picPICG

// The Value, not rounded, at which a strip stands at the given Left.
double upperValueFor(double frequencyLeft); // picPICB
double lowerValueFor(double diameterLeft); // picPICG
double beamwidthValueFor(double left); // picPICC
double gainValueFor(double left); // picPICD
double farFieldValueFor(double left); // picPICF

constexpr int Minimum = 0;
constexpr int Maximum = 32767;
constexpr int StartValue = 16380;

// Whether a Value, not rounded, rounds (halves away from zero) to one the bar has.
inline bool holds(double value)
{
    return value > Minimum - 0.5 && value < Maximum + 0.5;
}

} // namespace bars
