#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <cmath>
#include <optional>

// Common logarithms and their inverse, through the base-2 functions, which the C
// library computes several times faster: a table of antennas reads thousands of them.
inline double decadesOf(double v)
{
    return std::log2(v) * 0.30102999566398119521;
}
inline double tenTo(double decades)
{
    return std::exp2(decades * 3.32192809488736234787);
}

// Where a scale puts its values along its strip, and the way back: the value at a
// position, the position of a value, and the stretch of the strip that carries
// ticks. Positions are in the strip's own twips, the coordinates the scale is drawn
// in; the drawing, the tooltips and the readings all go by these rules.
struct ScaleRule
{
    enum Spacing { Logarithmic, Linear };

    const char *name; // English, translated where it is said
    const char *unit; // UTF-8, printed straight after the number, with its own blank
    Spacing spacing;
    double origin; // x of the value 1 on a logarithmic scale, of 0 on a linear one
    double slope; // twips per decade or per unit; negative where values grow leftwards
    double low, high; // the values at the two ends of the ticks

    double position(double value) const;
    double value(double x) const;

    // The x range that carries ticks, left end first.
    double firstX() const;
    double lastX() const;
    // Whether a value lies on the ticks, allowing for the last bit of a double.
    bool holds(double value) const;

    // The value shown by a pixel centred at x that covers from `half` twips left of
    // x up to, not including, `half` twips right of it: the value at x, or at the end
    // of the ticks when the pixel holds that end but x lies beyond it; none for a
    // pixel that holds no part of the ticks.
    std::optional<double> valueUnderPixel(double x, double half) const;

    // "Name: value unit", the value to three significant figures.
    QString text(double value, const QLocale &locale = QLocale()) const;
};

namespace readings {

inline constexpr ScaleRule UpperDiameter{QT_TRANSLATE_NOOP("Scale", "Antenna diameter"),
                                         " m",
                                         ScaleRule::Logarithmic,
                                         4600,
                                         -2000,
                                         0.1,
                                         100};
inline constexpr ScaleRule UpperFrequency{QT_TRANSLATE_NOOP("Scale", "Frequency"),
                                          " GHz",
                                          ScaleRule::Logarithmic,
                                          4300,
                                          2000,
                                          0.01,
                                          100};
inline constexpr ScaleRule Beamwidth{QT_TRANSLATE_NOOP("Scale", "Beamwidth"),
                                     "\u00B0",
                                     ScaleRule::Logarithmic,
                                     4400,
                                     -2000,
                                     0.03,
                                     100};
inline constexpr ScaleRule Gain{
        QT_TRANSLATE_NOOP("Scale", "Gain"), " dBi", ScaleRule::Linear, 450, 100, 0, 75};
inline constexpr ScaleRule Efficiency{QT_TRANSLATE_NOOP("Scale", "Efficiency"),
                                      " %",
                                      ScaleRule::Logarithmic,
                                      -800,
                                      1000,
                                      10,
                                      100};
inline constexpr ScaleRule FarFieldRange{QT_TRANSLATE_NOOP("Scale", "Far-field range"),
                                         " m",
                                         ScaleRule::Logarithmic,
                                         8600,
                                         -2000,
                                         1,
                                         10000};
// The lower nomogram's diameter strip carries the same scale as the upper one.
inline constexpr ScaleRule LowerDiameter = UpperDiameter;
inline constexpr ScaleRule LowerFrequency{QT_TRANSLATE_NOOP("Scale", "Frequency"),
                                          " GHz",
                                          ScaleRule::Logarithmic,
                                          2300,
                                          1000,
                                          0.01,
                                          100};

} // namespace readings
