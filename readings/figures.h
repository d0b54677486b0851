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
// A gain in dB is read to a hundredth at best, however near zero: its scale is even,
// and a Value of the bar moves it by three thousandths.
ThreeFigures toThreeFigures(double value, Rounding rounding = Rounding::Nearest,
                            int maxDecimals = 15);
inline constexpr int GainDecimals = 2;

// Written the way the locale writes numbers.
QString threeFigures(double value, const QLocale &locale = QLocale(), int maxDecimals = 15);

// The same figures as a plain C number, for machines: a dot for the decimal point and
// no separators, whatever the locale.
std::string plainThreeFigures(double value, int maxDecimals = 15);

// A number as typed, to twelve significant figures without trailing zeros, as "%.12g"
// writes it: the last bits that a change of unit leaves are gone (70 cm is 0.7 m).
std::string plainTwelveFigures(double value);
