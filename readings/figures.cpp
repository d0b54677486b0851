#include "readings/figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Powers of ten by a table where readings lie: a table of antennas rounds many of them.
constexpr double powers[] = {1e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3,
                             1e-2,  1e-1,  1e0,   1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                             1e8,   1e9,   1e10,  1e11, 1e12, 1e13, 1e14, 1e15};
constexpr int lowest = -12, highest = 15;

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

// A whole number of units of the last decimal, written with its decimal point: from
// the last digit back, in one go.
std::string plainUnits(unsigned long long units, int decimals, bool negative)
{
    char text[32];
    char *const end = text + sizeof text;
    char *first = end;
    // At least one digit before the point.
    for (int written = 0; units > 0 || written <= decimals; ++written, units /= 10) {
        if (written == decimals && decimals > 0)
            *--first = '.';
        *--first = char('0' + units % 10);
    }
    if (negative)
        *--first = '-';
    return std::string(first, end);
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
    return plainUnits(static_cast<unsigned long long>(units), decimals, rounded < 0);
}

std::string plainTwelveFigures(double value)
{
    // Twelve figures are a whole number of units of the twelfth: where the value lies
    // well clear of half a unit, rounding its product with a power of ten gives them.
    const double magnitude = std::abs(value);
    if (magnitude >= 1e-4 && magnitude < 1e12) {
        int decimals = 11 - exponentOf(magnitude);
        const double scaled = magnitude * tenTo(decimals);
        auto units = static_cast<unsigned long long>(std::round(scaled));
        if (units < 1000000000000ULL && std::abs(scaled - std::floor(scaled) - 0.5) > 1e-3) {
            for (; decimals > 0 && units % 10 == 0; --decimals)
                units /= 10;
            return plainUnits(units, decimals, value < 0);
        }
    }
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12);
    return std::string(text, end.ptr);
}
