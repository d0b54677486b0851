#pragma once

#include "readings/nomogram_readings.h"

#include <QLocale>
#include <QStringList>

// An antenna as typed: diameter, frequency and, if given, aperture efficiency. A
// diameter or frequency found from a wanted reading is in m or GHz, to three figures.
struct TypedAntenna
{
    Quantity diameter;
    Quantity frequency;
    std::optional<Quantity> efficiency;
    bool diameterFound = false;
    bool frequencyFound = false;
};

// The readings as a user writes them down, one a line with its unit, numbers to
// three significant figures in the locale; where a reading lies beyond its scale, the
// end it lies past: "beyond the far-field scale (over 10,000 m)".
QStringList upperReadingLines(const NomogramReadings &r, const QLocale &locale = QLocale());
QStringList lowerReadingLines(const NomogramReadings &r, const QLocale &locale = QLocale());

// The readings of both nomograms, one a line, after the antenna's line where one is given.
QStringList readingLines(const NomogramReadings &r, const TypedAntenna *antenna,
                         const QLocale &locale = QLocale());

// "Antenna: 90 cm at 12.5 GHz, 60 % efficiency", in the units typed; a found value
// is marked: "Antenna: 1.21 m (found) at 11.7 GHz".
QString antennaLine(const TypedAntenna &antenna, const QLocale &locale = QLocale());

// Why a gain cannot be given with a beamwidth: both fix the product of diameter and
// frequency. Each way in adds how to give one of them instead.
QString gainWithBeamwidthText();

// Why a quantity cannot be set: it is off its scale, whose ends are given in the
// unit it was typed in.
QString offScaleText(const OffScale &off, const Quantity &typed, const QLocale &locale = QLocale());

// Why a quantity cannot be set with what was given: what can be, in the unit the
// quantity was typed in. An empty reach of diameters says that the diameter and the
// frequency given cannot be set together.
QString reachText(const Reach &reach, const Quantity &typed, const Quantity &given,
                  const QLocale &locale = QLocale());
