#pragma once

#include "readings/figures.h"

#include <QByteArrayView>
#include <QLocale>
#include <QString>
#include <optional>

// The quantities an antenna is given by, in the order the program names them: the
// two it is made of, then the three readings it can be found from.
enum class QuantityKind { Diameter, Frequency, Gain, Beamwidth, FarField };

// A quantity as the user typed it: its value in the program's own unit (metres,
// GHz, dBi, degrees or percent) and the unit it was typed in, so that answers
// about it can be given back in that unit.
struct Quantity
{
    double value = 0; // in the base unit
    QString unit; // as the program spells it: "cm", "MHz", ...
    double perUnit = 1; // base units in one typed unit

    double inTypedUnit(double base) const { return base / perUnit; }
    // The quantity as typed, with its unit: "90 cm".
    QString typed(const QLocale &locale = QLocale()) const;
    // The unit as it follows a number: " cm", but "\u00B0" with no blank.
    QString spacedUnit() const;
    // Another value in base units, in the typed unit to three significant figures,
    // without the unit; the ends of a reach round inwards, so that all of it can be set.
    QString inUnit(double base, Rounding rounding, const QLocale &locale = QLocale()) const;
};

// The outcome of reading one field: a quantity, or a sentence that says what was
// wrong and what would be right.
struct ReadQuantity
{
    std::optional<Quantity> quantity;
    QString error;
};

// How a field's number is written: typed by a user, or a cell of a table. A table's
// cells are read as its records are written, whatever the locale: a dot for the
// decimal point and no grouping; with TableDecimalComma, for a table whose dialect or
// locale writes a decimal comma, a comma is one too in a cell without a dot ("1,5").
enum class Numbers { Typed, Table, TableDecimalComma };

// Typed numbers follow the locale (a decimal comma in German) and a plain dot is taken too;
// units are case-insensitive and may stand with or without a blank. Without a unit a
// diameter is in m, a frequency in GHz, a gain in dBi, a beamwidth in degrees and a
// far-field range in m.
ReadQuantity readQuantity(QuantityKind kind, const QString &text, const QLocale &locale = QLocale(),
                          Numbers numbers = Numbers::Typed);
// An aperture efficiency in %, 10 to 100.
ReadQuantity readEfficiency(const QString &text, const QLocale &locale = QLocale(),
                            Numbers numbers = Numbers::Typed);
// Either, from text in UTF-8: a quantity of a kind, or the efficiency where there is no
// kind. A table's cells in plain ASCII, nearly all of them, are read without a QString.
ReadQuantity readField(std::optional<QuantityKind> kind, QByteArrayView utf8, const QLocale &locale,
                       Numbers numbers);
