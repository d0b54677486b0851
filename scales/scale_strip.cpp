#include "scales/scale_strip.h"

#include "readings/scale_rules.h"
#include "scales/twips.h"
#include "scales/typeface.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace {

// Device pixel for a twips coordinate at the given pixel ratio.
int device(double twips, qreal ratio)
{
    return int(std::lround(twips * ratio / twips::PerPixel));
}

// Twips to device pixels within the kept image. Across the strip, the part of its
// Left that the widget's whole-pixel position leaves out is added back, so a tick
// lands in the pixel column of the view it truly stands in; a strip that never
// slides is therefore exact wherever its Left falls between pixels.
struct ToDevice
{
    qreal ratio;
    double phase; // twips

    int x(double twips) const { return device(twips + phase, ratio); }
    int y(double twips) const { return device(twips, ratio); }
};

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
    move(int(std::lround(left / twipsPerPixel())), y());
    followPointer();
}

void ScaleStrip::setZoom(double zoom)
{
    zoom_ = zoom;
    kept_ = QPixmap();
    setLeftTwips(leftTwips_);
    update();
}

void ScaleStrip::setReading(const ScaleRule &reading)
{
    reading_ = &reading;
}

QString ScaleStrip::readingAt(QPoint pos) const
{
    if (!reading_ || !rect().contains(pos))
        return {};
    // A pixel of the view holds the twips that round to it. The strip's exact Left,
    // not its whole-pixel place, says which part of the scale lies there, so the
    // reading agrees with the fixed scales and marks it stands against.
    const double x = (this->x() + pos.x()) * twipsPerPixel() - leftTwips_;
    const std::optional<double> value = reading_->valueUnderPixel(x, twipsPerPixel() / 2);
    return value ? reading_->text(*value) : QString();
}

void ScaleStrip::showReading(QPoint pos)
{
    const QString text = readingAt(pos);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(mapToGlobal(pos), text, this);
}

// When the strip slides under a resting pointer, the value under the pointer
// changes; a tip that is showing is brought up to date, or hidden once the
// pointer is no longer over the scale.
void ScaleStrip::followPointer()
{
    if (!rest_ || !QToolTip::isVisible())
        return;
    if (parentWidget()->childAt(*rest_) != this) {
        rest_.reset();
        QToolTip::hideText();
        return;
    }
    showReading(*rest_ - pos());
}

bool ScaleStrip::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && reading_) {
        const QPoint at = static_cast<QHelpEvent *>(event)->pos();
        rest_ = mapToParent(at);
        showReading(at);
        return true;
    }
    if (event->type() == QEvent::Leave)
        rest_.reset();
    return QWidget::event(event);
}

// Drawn at the screen's pixel ratio times the zoom: device pixels of the zoomed size.
void ScaleStrip::render(qreal ratio)
{
    ++renderCount_;
    kept_ = QPixmap(size() * ratio);
    kept_.fill(Qt::white);

    const ResolvedDrawing drawing = resolve(ops_);
    const qreal scale = ratio * zoom_;
    const ToDevice to{scale, leftTwips_ - x() * twipsPerPixel()};
    const int penWidth = std::max(1, int(std::lround(scale)));
    QPainter painter(&kept_);
    painter.setRenderHint(QPainter::Antialiasing, false);

    for (const Dot &dot : drawing.dots)
        painter.fillRect(to.x(dot.at.x()), to.y(dot.at.y()), penWidth, penWidth,
                         toQColor(dot.colour));

    for (const Stroke &stroke : drawing.strokes) {
        const QPoint a(to.x(stroke.from.x()), to.y(stroke.from.y()));
        const QPoint b(to.x(stroke.to.x()), to.y(stroke.to.y()));
        const QColor colour = toQColor(stroke.colour);
        if (a.x() == b.x() || a.y() == b.y()) {
            // Ticks and baselines: exact pixel runs, both ends included, whichever
            // way they were drawn (QRect::normalized would drop the ends of a
            // rectangle given bottom-up).
            const QRect run(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
            painter.fillRect(run.x(), run.y(), run.width() - 1 + penWidth,
                             run.height() - 1 + penWidth, colour);
        } else {
            painter.setPen(QPen(colour, penWidth));
            painter.drawLine(a, b);
        }
    }

    painter.setPen(Qt::black);
    for (const PrintedText &text : drawing.texts) {
        painter.setFont(layoutFace(text.size, scale));
        const QPoint corner(to.x(text.at.x()), to.y(text.at.y()));
        painter.drawText(corner + QPoint(0, painter.fontMetrics().ascent()), text.text);
    }
    painter.end();
    kept_.setDevicePixelRatio(ratio);
}

void ScaleStrip::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    if (kept_.isNull() || kept_.devicePixelRatio() != ratio || kept_.size() != size() * ratio)
        render(ratio);
    QPainter painter(this);
    painter.drawPixmap(
            event->rect(), kept_,
            QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}
