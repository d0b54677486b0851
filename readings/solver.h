#pragma once

#include "readings/nomogram_readings.h"

// An antenna found from a wanted reading, rounded to the fewest figures (three or
// more) that set the same Values, and those Values.
struct FoundAntenna
{
    double diameter, frequency; // m, GHz
    int figures;
    BarValues values;
};

// Finds the antenna that gives a wanted reading (a gain, a beamwidth or a far-field
// range) with what is given: its diameter, its frequency or, with a gain or a
// beamwidth, its far-field range. These are the Values that put the wanted reading
// against its reference (the efficiency tick, 100 % if none, the middle of the 3dB
// mark or of the far-field mark), and the antenna the fixed scales then show.
// A quantity off its scale is refused as such; a wanted reading that cannot be set
// with what is given, with the reach of those that can.
std::variant<FoundAntenna, OffScale, Reach> findAntenna(QuantityKind wanted, double value,
                                                        QuantityKind given, double givenValue,
                                                        std::optional<double> efficiency = {});
