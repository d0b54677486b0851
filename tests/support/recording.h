#pragma once

// What the suites of the scales and of the window share.
#include "readings/layout.h"
#include "scales/errors.h"
#include "scales/twips.h"

#include <QRect>
#include <QStringList>
#include <cmath>

inline bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

// A control's place in its container, in pixels.
inline QRect pixelsOf(const Placement &p)
{
    using twips::toPixels;
    return QRect(toPixels(p.left), toPixels(p.top), toPixels(p.width), toPixels(p.height));
}

struct RecordingReporter : ErrorReporter
{
    void report(const QString &message) override { messages << message; }
    QStringList messages;
};
