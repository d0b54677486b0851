#pragma once

#include "scales/errors.h"
#include "scales/surface.h"

#include <map>

// Passes every operation on to a real surface, except that chosen calls fail:
// the n-th call (counted from 1) of an operation throws the given error number.
class FailingSurface : public Surface
{
public:
    enum Operation { FontSize, Height, PointSet, LineTo, SetX, SetY, Print };

    explicit FailingSurface(Surface &target)
        : target_(target)
    {
    }

    void failOn(Operation operation, int call, int number) { failures_[{operation, call}] = number; }
    // Every call of the operation fails.
    void failAlways(Operation operation, int number) { always_[operation] = number; }

    void setFontSize(double points) override { check(FontSize); target_.setFontSize(points); }
    double height() const override { const_cast<FailingSurface *>(this)->check(Height); return target_.height(); }
    void pointSet(float x, float y, Colour c) override { check(PointSet); target_.pointSet(x, y, c); }
    void lineTo(float x, float y, Colour c) override { check(LineTo); target_.lineTo(x, y, c); }
    void setCurrentX(float x) override { check(SetX); target_.setCurrentX(x); }
    void setCurrentY(float y) override { check(SetY); target_.setCurrentY(y); }
    void print(const QString &text) override { check(Print); target_.print(text); }

private:
    void check(Operation operation)
    {
        const int call = ++calls_[operation];
        if (auto it = always_.find(operation); it != always_.end())
            throw RuntimeError{it->second};
        if (auto it = failures_.find({operation, call}); it != failures_.end())
            throw RuntimeError{it->second};
    }

    Surface &target_;
    std::map<Operation, int> calls_;
    std::map<Operation, int> always_;
    std::map<std::pair<Operation, int>, int> failures_;
};
