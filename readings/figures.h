#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <string>

// Every number the program gives is to three significant figures, as a slide rule
// is read: a reading, a value found, the ends of a reach.
struct ThreeFigures
{
    double value; // rounded
    int decimals; // that show its three figures
};

// To the nearest, or, for the ends of a reach, inwards: the lower end up, the higher
// down, so that all of the reach can be set.
enum class Rounding { Nearest, Up, Down };
ThreeFigures toThreeFigures(double value, Rounding rounding = Rounding::Nearest);

// Written the way the locale writes numbers.
QString threeFigures(double value, const QLocale &locale = QLocale());

// The same figures as a plain C number, for machines: a dot for the decimal point and
// no separators, whatever the locale.
std::string plainThreeFigures(double value);
