#pragma once

#include "scales/surface.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <vector>

// The colour a recorded operation is drawn in: the strips' foreground is black.
inline QColor toQColor(const Colour &colour)
{
    if (!colour)
        return Qt::black;
    return QColor(*colour & 0xFF, (*colour >> 8) & 0xFF, (*colour >> 16) & 0xFF);
}

// One recorded surface operation, kept in twips exactly as it was given.
struct DrawOp
{
    enum Kind { FontSize, PointSet, LineTo, SetX, SetY, Print };

    Kind kind = FontSize;
    float x = 0;
    float y = 0;
    Colour colour;
    double size = 0;
    QString text;

    friend bool operator==(const DrawOp &a, const DrawOp &b)
    {
        return a.kind == b.kind && a.x == b.x && a.y == b.y && a.colour == b.colour
                && a.size == b.size && a.text == b.text;
    }
};

using DisplayList = std::vector<DrawOp>;

// A drawn line with both ends resolved from the current position.
struct Stroke
{
    QPointF from;
    QPointF to;
    Colour colour;
};

// A printed text with the position of its top-left corner and its font size.
struct PrintedText
{
    QPointF at;
    QString text;
    double size;
};

// A single pixel set by a point-set.
struct Dot
{
    QPointF at;
    Colour colour;
};

// A display list replayed: every line's start resolved from the current position,
// every text with the font size in effect. Printing leaves the current position alone.
struct ResolvedDrawing
{
    std::vector<Dot> dots;
    std::vector<Stroke> strokes;
    std::vector<PrintedText> texts;
    double finalFontSize = 0;
};

ResolvedDrawing resolve(const DisplayList &ops);
