#pragma once

#include "app/antenna_input.h"
#include "app/nomogram_readings.h"

#include <QLocale>
#include <QStringList>

// An antenna as typed: diameter, frequency and, if given, aperture efficiency. A
// diameter or frequency found from a wanted reading is in m or GHz, to its figures.
struct TypedAntenna
{
    Quantity diameter;
    Quantity frequency;
    std::optional<Quantity> efficiency;
    bool diameterFound = false;
    bool frequencyFound = false;
    int foundFigures = 3;

    std::optional<double> efficiencyPercent() const
    {
        return efficiency ? std::optional(efficiency->value) : std::nullopt;
    }
};

// The readings as a user writes them down, one a line with its unit, numbers to
// three significant figures in the locale; "off the scale" where the nomogram has none.
QStringList upperReadingLines(const NomogramReadings &r, const QLocale &locale = QLocale());
QStringList lowerReadingLines(const NomogramReadings &r, const QLocale &locale = QLocale());

// "Antenna: 90 cm at 12.5 GHz, 60 % efficiency", in the units typed; a found value
// is marked: "Antenna: 1.21 m (found) at 11.7 GHz".
QString antennaLine(const TypedAntenna &antenna, const QLocale &locale = QLocale());

// Why the antenna cannot be set, with what the nomograms can reach, in the units typed.
QString outOfReachText(const OutOfReach &reach, const TypedAntenna &antenna, const QLocale &locale = QLocale());

// The antenna found from a wanted reading and what was given with it, ready to set.
TypedAntenna foundAntenna(const FoundAntenna &found, Given given, const Quantity &givenQuantity,
                          const std::optional<Quantity> &efficiency);

// Why a wanted reading cannot be set, with the wanted readings that can be, in the
// unit typed; `given` is what was given with it, as typed.
QString unreachableText(const Unreachable &reach, Wanted wanted, const Quantity &typed, const QString &given,
                        const QLocale &locale = QLocale());
