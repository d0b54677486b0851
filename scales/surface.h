#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// A colour value laid out as 0x00BBGGRR; no value means the surface's foreground colour.
using Colour = std::optional<std::uint32_t>;

namespace colours {
constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Blue = 0xFF0000;
constexpr std::uint32_t Magenta = 0xFF00FF;
constexpr std::uint32_t Black = 0x000000;
} // namespace colours

// What a scale procedure draws through. Coordinates are twips from the top-left
// corner, y growing downwards. Any operation may fail by throwing RuntimeError.
class Surface
{
public:
    virtual ~Surface() = default;

    virtual void setFontSize(double points) = 0;
    virtual double height() const = 0;
    virtual void pointSet(float x, float y, Colour colour = {}) = 0;
    virtual void lineTo(float x, float y, Colour colour = {}) = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    virtual void print(const QString &text) = 0;
};
