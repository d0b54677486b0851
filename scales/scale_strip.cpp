#include "scales/scale_strip.h"

#include "scales/twips.h"
#include "scales/typeface.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {

QColor toQColor(const Colour &colour)
{
    if (!colour)
        return Qt::black; // the strips' foreground colour
    const std::uint32_t bgr = *colour;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// Device pixel for a twips coordinate at the given pixel ratio.
int device(double twips, qreal ratio)
{
    return int(std::lround(twips * ratio / twips::PerPixel));
}

DrawOp op(DrawOp::Kind kind, float x = 0, float y = 0, Colour colour = {})
{
    DrawOp result;
    result.kind = kind;
    result.x = x;
    result.y = y;
    result.colour = colour;
    return result;
}

} // namespace

ScaleStrip::ScaleStrip(QWidget *parent, float heightTwips)
    : QWidget(parent)
    , heightTwips_(heightTwips)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void ScaleStrip::record(DrawOp drawn)
{
    ops_.push_back(std::move(drawn));
    kept_ = QPixmap();
    update();
}

void ScaleStrip::setFontSize(double points)
{
    DrawOp fontSize = op(DrawOp::FontSize);
    fontSize.size = points;
    record(fontSize);
}

double ScaleStrip::height() const
{
    return heightTwips_;
}

void ScaleStrip::pointSet(float x, float y, Colour colour)
{
    record(op(DrawOp::PointSet, x, y, colour));
}

void ScaleStrip::lineTo(float x, float y, Colour colour)
{
    record(op(DrawOp::LineTo, x, y, colour));
}

void ScaleStrip::setCurrentX(float x)
{
    record(op(DrawOp::SetX, x));
}

void ScaleStrip::setCurrentY(float y)
{
    record(op(DrawOp::SetY, 0, y));
}

void ScaleStrip::print(const QString &text)
{
    DrawOp printed = op(DrawOp::Print);
    printed.text = text;
    record(printed);
}

void ScaleStrip::setLeftTwips(float left)
{
    leftTwips_ = left;
    move(twips::toPixels(left), y());
}

void ScaleStrip::render(qreal ratio)
{
    ++renderCount_;
    kept_ = QPixmap(size() * ratio);
    kept_.fill(Qt::white);

    const ResolvedDrawing drawing = resolve(ops_);
    const int penWidth = std::max(1, int(std::lround(ratio)));
    QPainter painter(&kept_);
    painter.setRenderHint(QPainter::Antialiasing, false);

    for (const Dot &dot : drawing.dots)
        painter.fillRect(device(dot.at.x(), ratio), device(dot.at.y(), ratio), penWidth, penWidth,
                         toQColor(dot.colour));

    for (const Stroke &stroke : drawing.strokes) {
        const QPoint a(device(stroke.from.x(), ratio), device(stroke.from.y(), ratio));
        const QPoint b(device(stroke.to.x(), ratio), device(stroke.to.y(), ratio));
        const QColor colour = toQColor(stroke.colour);
        if (a.x() == b.x() || a.y() == b.y()) {
            // Ticks and baselines: exact pixel runs, both ends included.
            const QRect run = QRect(a, b).normalized();
            painter.fillRect(run.x(), run.y(), run.width() - 1 + penWidth,
                             run.height() - 1 + penWidth, colour);
        } else {
            painter.setPen(QPen(colour, penWidth));
            painter.drawLine(a, b);
        }
    }

    painter.setPen(Qt::black);
    for (const PrintedText &text : drawing.texts) {
        painter.setFont(layoutFace(text.size, ratio));
        const QPoint corner(device(text.at.x(), ratio), device(text.at.y(), ratio));
        painter.drawText(corner + QPoint(0, painter.fontMetrics().ascent()), text.text);
    }
    painter.end();
    kept_.setDevicePixelRatio(ratio);
}

void ScaleStrip::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    if (kept_.isNull() || kept_.devicePixelRatio() != ratio
        || kept_.size() != size() * ratio)
        render(ratio);
    QPainter painter(this);
    painter.drawPixmap(event->rect(), kept_,
                       QRectF(QPointF(event->rect().topLeft()) * ratio,
                              QSizeF(event->rect().size()) * ratio));
}
