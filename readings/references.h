#pragma once

#include "readings/bar_rules.h"
#include "readings/nomogram_readings.h"
#include "readings/scale_rules.h"

#include <optional>
#include <utility>

// What the readings and the solver share: the fixed references the nomograms are
// read against, in twips of the nomogram view, and the arithmetic of placing a
// diameter and a frequency on both nomograms.
namespace references {

extern const double UpperDiameterLeft; // picPICA, fixed
extern const double EfficiencyLeft; // picPICE, fixed
extern const double LowerFrequencyLeft; // picPICH, fixed
extern const double Mark3dB; // the middle of lblCursor1
extern const double Mark10dB; // the middle of lblCursor2
extern const double FarFieldMark; // the middle of lblCursor3

// Where a reading is read: the x of its reference in the nomogram view (a fixed tick or
// the middle of a mark), the scale it is read off there, and that strip's Left at a Value
// of its bar and the way back.
struct Reference
{
    const ScaleRule &scale;
    double x;
    double (*leftAt)(double value);
    double (*valueFor)(double left);

    // The x of the strip under the reference, with its bar at a Value.
    double stripX(double value) const { return x - leftAt(value); }
    // The Value, not rounded, that puts a reading under the reference.
    double valueAt(double reading) const { return valueFor(x - scale.position(reading)); }
};

// A gain is read above an efficiency's tick: 100 % for the gain at full efficiency.
Reference referenceOf(ReadingKind kind, double efficiency = 100);

// The value a scale shows at an x of its strip; none off its ticks.
inline std::optional<double> readAt(const ScaleRule &scale, double x)
{
    const double value = scale.value(x);
    return scale.holds(value) ? std::optional(value) : std::nullopt;
}

// What one nomogram shows against a diameter in m or a frequency in GHz with its bar
// at a Value: the frequency under the diameter on the upper one, over it on the
// lower one; the diameter over the frequency on the upper one, under it on the lower.
double upperFrequencyWith(double diameter, int upper);
double lowerFrequencyWith(double diameter, int lower);
double upperDiameterWith(double frequency, int upper);
double lowerDiameterWith(double frequency, int lower);

// The bar Values, not rounded, that put a frequency in GHz under a diameter in m
// on the upper nomogram and the diameter over the frequency on the lower one.
std::pair<double, double> exactValues(double diameter, double frequency);

// The diameter and frequency both nomograms show at their bars' Values.
std::pair<double, double> antennaAt(int upper, int lower);

} // namespace references
