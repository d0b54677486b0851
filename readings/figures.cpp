#include "readings/figures.h"

#include <algorithm>
#include <cmath>

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
