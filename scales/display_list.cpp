#include "scales/display_list.h"

ResolvedDrawing resolve(const DisplayList &ops)
{
    ResolvedDrawing out;
    QPointF current;
    double fontSize = 0;
    for (const DrawOp &op : ops) {
        switch (op.kind) {
        case DrawOp::FontSize:
            fontSize = op.size;
            break;
        case DrawOp::PointSet:
            current = QPointF(op.x, op.y);
            out.dots.push_back({current, op.colour});
            break;
        case DrawOp::LineTo:
            out.strokes.push_back({current, QPointF(op.x, op.y), op.colour});
            current = QPointF(op.x, op.y);
            break;
        case DrawOp::SetX:
            current.setX(op.x);
            break;
        case DrawOp::SetY:
            current.setY(op.y);
            break;
        case DrawOp::Print:
            out.texts.push_back({current, op.text, fontSize});
            break;
        }
    }
    out.finalFontSize = fontSize;
    return out;
}
