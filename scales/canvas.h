#pragma once

#include "scales/surface.h"

// A scale procedure's view of its surface: positions are computed in double
// precision and handed over in single precision, and a value that has no
// single-precision form fails the step.
class Canvas
{
public:
    explicit Canvas(Surface &surface)
        : surface_(surface)
    { }

    void setFontSize(double points) { surface_.setFontSize(points); }
    double height() const { return surface_.height(); }
    void pointSet(double x, double y, Colour colour = {})
    {
        surface_.pointSet(single(x), single(y), colour);
    }
    void lineTo(double x, double y, Colour colour = {})
    {
        surface_.lineTo(single(x), single(y), colour);
    }
    void setCurrentX(double x) { surface_.setCurrentX(single(x)); }
    void setCurrentY(double y) { surface_.setCurrentY(single(y)); }
    void print(const QString &text) { surface_.print(text); }

    static float single(double value);

private:
    Surface &surface_;
};
