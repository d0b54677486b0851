#include "readings/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

ThreeFigures toThreeFigures(double value, Rounding rounding, int maxDecimals)
{
    if (value == 0)
        return {0.0, std::min(2, maxDecimals)};
    int exponent = std::max(int(std::floor(std::log10(std::abs(value)))), 2 - maxDecimals);
    const double unit = std::pow(10.0, exponent - 2);
    const double steps = value / unit;
    // A hair of tolerance, so that an end that is already round stays where it is.
    const double rounded = unit
            * (rounding == Rounding::Up             ? std::ceil(steps - 1e-9)
                       : rounding == Rounding::Down ? std::floor(steps + 1e-9)
                                                    : std::round(steps));
    // 9.996 becomes 10.0, whose leading digit sits one place higher.
    if (std::abs(rounded) >= std::pow(10.0, exponent + 1))
        ++exponent;
    return {rounded, std::max(0, 2 - exponent)};
}

QString threeFigures(double value, const QLocale &locale, int maxDecimals)
{
    const auto [rounded, decimals] = toThreeFigures(value, Rounding::Nearest, maxDecimals);
    return locale.toString(rounded, 'f', decimals);
}

QByteArray plainThreeFigures(double value, int maxDecimals)
{
    const auto [rounded, decimals] = toThreeFigures(value, Rounding::Nearest, maxDecimals);
    char text[64];
    const int size = std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    return QByteArray(text, std::clamp(size, 0, int(sizeof text) - 1));
}
