#pragma once

#include <optional>
#include <variant>

// What the two nomograms read for the Values of their bars, taken off the scales
// exactly as a user reads them: each reading is one scale's inverse rule at the x
// of a fixed reference (a fixed scale's tick or the middle of a mark). A reading
// whose reference falls off its printed scale has no value.
struct NomogramReadings
{
    std::optional<double> gainAtFullEfficiency; // dBi, above the 100 % tick
    std::optional<double> efficiency;           // %, the one the user set, if any
    std::optional<double> gainAtEfficiency;     // dBi, above that efficiency
    std::optional<double> beamwidth3dB;         // degrees, under the middle of the 3dB mark
    std::optional<double> beamwidth10dB;        // degrees, under the middle of the 10dB mark
    std::optional<double> farFieldRange;        // metres, under the middle of the lower mark
};

NomogramReadings readNomogram(int upperValue, int lowerValue, std::optional<double> efficiency = {});

// The bar Values that set an antenna on both nomograms: its frequency under its
// diameter on the upper one, its diameter over its frequency on the lower one.
struct BarValues
{
    int upper;
    int lower;
};

// Why an antenna cannot be set, with what could be: the frequencies both nomograms
// can set with the diameter typed, or failing that the diameters they can set with
// the frequency typed, in GHz or metres.
struct OutOfReach
{
    enum What {
        Diameter,    // not on the diameter scales at all
        Frequency,   // not on the frequency scales at all
        Frequencies, // this diameter can be set only with these frequencies
        Diameters,   // no frequency goes with this diameter; this frequency only with these diameters
        Nothing,     // neither goes with anything the other can be
    };
    What what;
    double low, high;
};

// The Values nearest to exact for a diameter in metres and a frequency in GHz.
std::variant<BarValues, OutOfReach> placeAntenna(double diameter, double frequency);
