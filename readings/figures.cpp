#include "readings/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The value rounded to three significant figures, and the decimals that show them.
std::pair<double, int> roundedToThree(double value)
{
    if (value == 0)
        return {0.0, 2};
    // Round first: 9.996 becomes 10.0, whose leading digit sits one place higher.
    int exponent = int(std::floor(std::log10(std::abs(value))));
    const double unit = std::pow(10.0, exponent - 2);
    const double rounded = std::round(value / unit) * unit;
    if (std::abs(rounded) >= std::pow(10.0, exponent + 1))
        ++exponent;
    return {rounded, std::max(0, 2 - exponent)};
}

} // namespace

int decimalsFor(double value, int figures)
{
    return std::max(0, figures - 1 - int(std::floor(std::log10(std::abs(value)))));
}

QString threeFigures(double value, const QLocale &locale)
{
    const auto [rounded, decimals] = roundedToThree(value);
    return locale.toString(rounded, 'f', decimals);
}

QByteArray plainThreeFigures(double value)
{
    const auto [rounded, decimals] = roundedToThree(value);
    char text[64];
    const int size = std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    return QByteArray(text, std::clamp(size, 0, int(sizeof text) - 1));
}
