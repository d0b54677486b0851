#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// A quantity as the user typed it: its value in the program's own unit (metres,
// GHz or percent) and the unit it was typed in, so that answers about it can be
// given back in that unit.
struct Quantity
{
    double value = 0;    // in the base unit
    QString unit;        // as the program spells it: "cm", "MHz", ...
    double perUnit = 1;  // base units in one typed unit

    double inTypedUnit(double base) const { return base / perUnit; }
    // The quantity as typed, with its unit: "90 cm".
    QString typed(const QLocale &locale = QLocale()) const;
    // The unit as it follows a number: " cm", but "\u00B0" with no blank.
    QString spacedUnit() const;
    // Another value in base units, in the typed unit to three significant figures,
    // without the unit; the ends of a reach round inwards, so that all of it can be set.
    enum Rounding { Up, Down };
    QString inUnit(double base, Rounding rounding, const QLocale &locale = QLocale()) const;
};

// The outcome of reading one field: a quantity, or a sentence that says what was
// wrong and what would be right.
struct ReadQuantity
{
    std::optional<Quantity> quantity;
    QString error;
};

// Numbers follow the locale (a decimal comma in German) and a plain dot is taken too;
// units are case-insensitive and may stand with or without a blank.
ReadQuantity readDiameter(const QString &text, const QLocale &locale = QLocale());  // m, cm, mm, ft, in; m if none
ReadQuantity readFrequency(const QString &text, const QLocale &locale = QLocale()); // Hz, kHz, MHz, GHz; GHz if none
ReadQuantity readEfficiency(const QString &text, const QLocale &locale = QLocale()); // %, 10 to 100
ReadQuantity readGain(const QString &text, const QLocale &locale = QLocale());       // dBi or none
ReadQuantity readBeamwidth(const QString &text, const QLocale &locale = QLocale());  // ° or deg or none
ReadQuantity readFarField(const QString &text, const QLocale &locale = QLocale());   // m, km, ft; m if none
