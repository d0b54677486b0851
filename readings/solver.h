#pragma once

#include "readings/nomogram_readings.h"

// An antenna found from a wanted reading, what was found in it to three significant
// figures, and the Values that set it so.
struct FoundAntenna
{
    double diameter, frequency; // m, GHz
    BarValues values;
};

// Finds the antenna that gives a wanted reading (a gain, a beamwidth or a far-field
// range) with what is given: its diameter, its frequency or, with a gain or a
// beamwidth, its far-field range. The wanted reading's bar (the upper one for a gain
// or a beamwidth, the lower one for a far-field range) is set to put it against its
// reference (the efficiency tick, 100 % if none, the middle of the 3dB mark or of the
// far-field mark), and the fixed scales then show the antenna. With a diameter or a
// frequency given, that one nomogram is enough; a far-field range given sets the
// other. A quantity off its scale is refused as such; a wanted reading that cannot be
// set with what is given, with the reach of those that can.
std::variant<FoundAntenna, OffScale, Reach> findAntenna(QuantityKind wanted, double value,
                                                        QuantityKind given, double givenValue,
                                                        std::optional<double> efficiency = {});
