#pragma once

#include "app/antenna_input.h"
#include "app/nomogram_readings.h"

#include <QLocale>
#include <QStringList>

// An antenna as typed: diameter, frequency and, if given, aperture efficiency.
struct TypedAntenna
{
    Quantity diameter;
    Quantity frequency;
    std::optional<Quantity> efficiency;

    std::optional<double> efficiencyPercent() const
    {
        return efficiency ? std::optional(efficiency->value) : std::nullopt;
    }
};

// The readings as a user writes them down, one a line with its unit, numbers to
// three significant figures in the locale; "off the scale" where the nomogram has none.
QStringList upperReadingLines(const NomogramReadings &r, const QLocale &locale = QLocale());
QStringList lowerReadingLines(const NomogramReadings &r, const QLocale &locale = QLocale());

// "Antenna: 90 cm at 12.5 GHz, 60 % efficiency", in the units typed.
QString antennaLine(const TypedAntenna &antenna, const QLocale &locale = QLocale());

// Why the antenna cannot be set, with what the nomograms can reach, in the units typed.
QString outOfReachText(const OutOfReach &reach, const TypedAntenna &antenna, const QLocale &locale = QLocale());
