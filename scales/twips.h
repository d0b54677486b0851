#pragma once

#include <cmath>

// The layout and every scale are measured in twips: 1/1440 inch, 15 to a pixel at 96 dpi.
namespace twips {

constexpr double PerPixel = 15.0;

// Nearest whole pixel, halves away from zero.
inline int toPixels(double twips)
{
    return int(std::lround(twips / PerPixel));
}

} // namespace twips
