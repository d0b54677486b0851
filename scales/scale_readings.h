#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// What a scale reads along its strip: the value at a position, the position of a
// value, and the stretch of the strip that carries ticks. Positions are in the
// strip's own twips, the same coordinates the scale is drawn in.
struct ScaleReading
{
    enum Spacing { Logarithmic, Linear };

    const char *name; // UTF-8
    const char *unit; // UTF-8, printed straight after the number, with its own blank
    Spacing spacing;
    double origin;    // x of the value 1 on a logarithmic scale, of 0 on a linear one
    double slope;     // twips per decade or per unit; negative where values grow leftwards
    double low, high; // the values at the two ends of the ticks

    double position(double value) const;
    double value(double x) const;

    // The x range that carries ticks, left end first.
    double firstX() const;
    double lastX() const;

    // The value shown by a pixel centred at x that covers from `half` twips left of
    // x up to, not including, `half` twips right of it: the value at x, or at the end
    // of the ticks when the pixel holds that end but x lies beyond it; none for a
    // pixel that holds no part of the ticks.
    std::optional<double> valueUnderPixel(double x, double half) const;

    // "Name: value unit", the value to three significant figures.
    QString text(double value, const QLocale &locale = QLocale()) const;
};

// A number to three significant figures, written the way the locale writes numbers.
QString threeFigures(double value, const QLocale &locale = QLocale());

namespace readings {

inline constexpr ScaleReading UpperDiameter{
    "Antenna diameter", " m", ScaleReading::Logarithmic, 4600, -2000, 0.1, 100};
inline constexpr ScaleReading UpperFrequency{
    "Frequency", " GHz", ScaleReading::Logarithmic, 4300, 2000, 0.01, 100};
inline constexpr ScaleReading Beamwidth{
    "Beamwidth", "\u00B0", ScaleReading::Logarithmic, 4400, -2000, 0.03, 100};
inline constexpr ScaleReading Gain{"Gain", " dBi", ScaleReading::Linear, 450, 100, 0, 75};
inline constexpr ScaleReading Efficiency{
    "Efficiency", " %", ScaleReading::Logarithmic, -800, 1000, 10, 100};
inline constexpr ScaleReading FarFieldRange{
    "Far-field range", " m", ScaleReading::Logarithmic, 8600, -2000, 1, 10000};
inline constexpr ScaleReading LowerDiameter{
    "Antenna diameter", " m", ScaleReading::Logarithmic, 4600, -2000, 0.1, 100};
inline constexpr ScaleReading LowerFrequency{
    "Frequency", " GHz", ScaleReading::Logarithmic, 2300, 1000, 0.01, 100};

} // namespace readings
