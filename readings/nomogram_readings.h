#pragma once

#include "readings/quantity.h"

#include <QList>

#include <optional>
#include <variant>

// The readings the nomograms give, in the order they are written down.
enum class ReadingKind {
    GainAtFullEfficiency,
    GainAtEfficiency,
    Beamwidth3dB,
    Beamwidth10dB,
    FarFieldRange
};

// A reading asked for whose reference lies beyond an end of its printed scale: past
// its highest value or past its lowest.
struct BeyondScale
{
    ReadingKind reading;
    bool high;
};

// What the two nomograms read for the Values of their bars, taken off the scales
// exactly as a user reads them: each reading is one scale's inverse rule at the x
// of a fixed reference (a fixed scale's tick or the middle of a mark). A reading
// whose reference falls off its printed scale has no value.
struct NomogramReadings
{
    std::optional<double> gainAtFullEfficiency; // dBi, above the 100 % tick
    std::optional<double> efficiency; // %, the one the user set, if any
    std::optional<double> gainAtEfficiency; // dBi, above that efficiency
    std::optional<double> beamwidth3dB; // degrees, under the middle of the 3dB mark
    std::optional<double> beamwidth10dB; // degrees, under the middle of the 10dB mark
    std::optional<double> farFieldRange; // metres, under the middle of the lower mark
    QList<BeyondScale> beyond; // the readings without a value, in the order above
};

NomogramReadings readNomogram(double upperValue, double lowerValue,
                              std::optional<double> efficiency = {});

// The bar Values that set an antenna on both nomograms: its frequency under its
// diameter on the upper one, its diameter over its frequency on the lower one.
struct BarValues
{
    int upper;
    int lower;
    // Not rounded, where the antenna is read: within the bar, its nearest end.
    double exactUpper;
    double exactLower;
};

// A quantity off its printed scale, with the scale's ends in the base unit.
struct OffScale
{
    QuantityKind kind;
    double low, high;
};

// What the nomograms can set of one quantity with the other one given: its values
// from low to high, in the base unit; nothing at all when low > high.
struct Reach
{
    QuantityKind kind;
    double low, high;

    bool isEmpty() const { return low > high; }
};

// The Values nearest to exact for a diameter in metres and a frequency in GHz. Each
// nomogram answers for itself: where one cannot set the antenna, its bar stands at the
// end nearest to it and its readings lie beyond their scales. An antenna neither can
// set is refused with the frequencies that either can set with the diameter, failing
// that the diameters that either can with the frequency.
std::variant<BarValues, OffScale, Reach> placeAntenna(double diameter, double frequency);
