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

// A reading an antenna can be found from, and what is given with it: its diameter,
// its frequency or, with a gain or a beamwidth, its far-field range.
enum class Wanted { Gain, Beamwidth, FarField };
enum class Given { Diameter, Frequency, FarField };

// The antenna found, rounded to the fewest figures (three or more) that set the same
// Values, and those Values.
struct FoundAntenna
{
    double diameter, frequency; // m, GHz
    int figures;
    BarValues values;
};

// A wanted reading that cannot be set: off its scale (the scale's ends), or the
// wanted readings the nomograms can set with what is given (none if low > high).
struct Unreachable
{
    bool offScale;
    double low, high;
};

// The Values that put the wanted reading against its reference (the efficiency tick,
// 100 % if none, the middle of the 3dB mark or of the far-field mark), and the
// antenna the fixed scales then show. A diameter or frequency given off its scales
// is refused as placeAntenna refuses it.
std::variant<FoundAntenna, Unreachable, OutOfReach> findAntenna(Wanted wanted, double value, Given given, double givenValue,
                                                                std::optional<double> efficiency = {});
