#include "readings/figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Powers of ten by a table where readings lie: a table of antennas rounds many of them.
constexpr double powers[] = {1e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4,
                             1e-3,  1e-2,  1e-1,  1e0,  1e1,  1e2,  1e3,  1e4,  1e5,
                             1e6,   1e7,   1e8,   1e9,  1e10, 1e11, 1e12};
constexpr int lowest = -12, highest = 12;

double tenTo(int exponent)
{
    return exponent >= lowest && exponent <= highest ? powers[exponent - lowest]
                                                     : std::pow(10.0, exponent);
}

// The exponent of the value's leading digit.
int exponentOf(double magnitude)
{
    if (!(magnitude >= powers[0] && magnitude < powers[highest - lowest]))
        return int(std::floor(std::log10(magnitude)));
    int exponent = 0;
    while (magnitude < tenTo(exponent))
        --exponent;
    while (magnitude >= tenTo(exponent + 1))
        ++exponent;
    return exponent;
}

} // namespace

ThreeFigures toThreeFigures(double value, Rounding rounding, int maxDecimals)
{
    if (value == 0)
        return {0.0, std::min(2, maxDecimals)};
    int exponent = std::max(exponentOf(std::abs(value)), 2 - maxDecimals);
    const double unit = tenTo(exponent - 2);
    const double steps = value / unit;
    // A hair of tolerance, so that an end that is already round stays where it is.
    const double rounded = unit
            * (rounding == Rounding::Up             ? std::ceil(steps - 1e-9)
                       : rounding == Rounding::Down ? std::floor(steps + 1e-9)
                                                    : std::round(steps));
    // 9.996 becomes 10.0, whose leading digit sits one place higher.
    if (std::abs(rounded) >= tenTo(exponent + 1))
        ++exponent;
    return {rounded, std::max(0, 2 - exponent)};
}

QString threeFigures(double value, const QLocale &locale, int maxDecimals)
{
    const auto [rounded, decimals] = toThreeFigures(value, Rounding::Nearest, maxDecimals);
    return locale.toString(rounded, 'f', decimals);
}

std::string plainThreeFigures(double value, int maxDecimals)
{
    const auto [rounded, decimals] = toThreeFigures(value, Rounding::Nearest, maxDecimals);
    // Three figures are a whole number of units of the last decimal: written as one,
    // which is much faster than a general conversion, and the same digits.
    const double units = std::round(std::abs(rounded) * tenTo(decimals));
    if (!(units < 1e15)) {
        char text[400];
        const auto end = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed,
                                       decimals);
        return std::string(text, end.ec == std::errc() ? end.ptr : text);
    }
    std::string digits = std::to_string(static_cast<long long>(units));
    if (decimals > 0) {
        if (digits.size() <= std::size_t(decimals))
            digits.insert(0, std::size_t(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - std::size_t(decimals), 1, '.');
    }
    return rounded < 0 ? '-' + digits : digits;
}
