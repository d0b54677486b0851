#pragma once

#include <QFont>

// The face of every text in the window and on the scales. Liberation Sans runs
// wider than the bitmap face the layout was measured with; at nine tenths of the
// nominal size its texts fit the places the layout gives them.
inline QFont layoutFace(double points, qreal pixelRatio = 1.0)
{
    constexpr double PixelsPerPoint = 96.0 / 72.0;
    constexpr double Fit = 0.9;
    QFont face(QStringLiteral("Liberation Sans"));
    face.setStyleHint(QFont::SansSerif);
    // The size in whole pixels at one pixel a pixel, then scaled: texts keep their
    // widths against the scales at any pixel ratio or zoom.
    face.setPixelSize(std::max(1, qRound(qRound(points * PixelsPerPoint * Fit) * pixelRatio)));
    return face;
}
