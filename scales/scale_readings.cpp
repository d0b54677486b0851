#include "scales/scale_readings.h"

#include <algorithm>
#include <cmath>

double ScaleReading::position(double v) const
{
    return origin + slope * (spacing == Logarithmic ? std::log10(v) : v);
}

double ScaleReading::value(double x) const
{
    const double steps = (x - origin) / slope;
    return spacing == Logarithmic ? std::pow(10.0, steps) : steps;
}

double ScaleReading::firstX() const
{
    return std::min(position(low), position(high));
}

double ScaleReading::lastX() const
{
    return std::max(position(low), position(high));
}

std::optional<double> ScaleReading::valueUnderPixel(double x, double half) const
{
    if (x + half <= firstX() || x - half > lastX())
        return std::nullopt;
    return value(std::clamp(x, firstX(), lastX()));
}

QString ScaleReading::text(double v, const QLocale &locale) const
{
    return QString::fromUtf8(name) + QStringLiteral(": ") + threeFigures(v, locale)
        + QString::fromUtf8(unit);
}

QString threeFigures(double value, const QLocale &locale)
{
    if (value == 0)
        return locale.toString(0.0, 'f', 2);
    // Round first: 9.996 becomes 10.0, whose leading digit sits one place higher.
    int exponent = int(std::floor(std::log10(std::abs(value))));
    const double unit = std::pow(10.0, exponent - 2);
    const double rounded = std::round(value / unit) * unit;
    if (std::abs(rounded) >= std::pow(10.0, exponent + 1))
        ++exponent;
    return locale.toString(rounded, 'f', std::max(0, 2 - exponent));
}
