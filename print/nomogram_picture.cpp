#include "print/nomogram_picture.h"

#include "print/print_door.h"
#include "readings/layout.h"
#include "scales/display_list.h"
#include "scales/scale_strip.h"
#include "scales/twips.h"
#include "scales/typeface.h"

#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace picture {

namespace {

// The window's faces are sized in screen pixels; here a pixel is 15 twips. A zoomed
// window's face is its size at 100 % times the zoom, to the nearest pixel.
QFont faceInTwips(QFont face, double zoom = 1)
{
    face.setPixelSize(qRound(face.pixelSize() / zoom) * int(twips::PerPixel));
    return face;
}

// A control's place in twips as laid out at 100 %: a zoomed window puts each edge at
// the nearest pixel to its place times the zoom, which divides back exactly.
QRectF laidOut(const QRect &r, double zoom)
{
    const auto at = [zoom](int pixels) { return std::round(pixels / zoom) * twips::PerPixel; };
    return QRectF(QPointF(at(r.left()), at(r.top())),
                  QPointF(at(r.left() + r.width()), at(r.top() + r.height())));
}

void paintStrip(QPainter &p, const ScaleStrip &strip, const Placement &place)
{
    p.save();
    p.translate(strip.leftTwips(), place.top);
    p.setClipRect(QRectF(0, 0, place.width, place.height), Qt::IntersectClip);
    p.fillRect(QRectF(0, 0, place.width, place.height), Qt::white);
    const ResolvedDrawing drawing = resolve(strip.displayList());
    // A screen pixel wide, square ends: the same ink as the strip's pixel runs.
    for (const Dot &dot : drawing.dots)
        p.fillRect(QRectF(dot.at - QPointF(7.5, 7.5), QSizeF(15, 15)), toQColor(dot.colour));
    for (const Stroke &stroke : drawing.strokes) {
        p.setPen(QPen(toQColor(stroke.colour), twips::PerPixel, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(stroke.from, stroke.to);
    }
    p.setPen(Qt::black);
    for (const PrintedText &text : drawing.texts) {
        p.setFont(faceInTwips(layoutFace(text.size)));
        p.drawText(text.at + QPointF(0, p.fontMetrics().ascent()), text.text);
    }
    p.restore();
}

void paintLabel(QPainter &p, const QLabel &label, bool logo, double zoom)
{
    const QRectF rect = laidOut(label.geometry(), zoom);
    p.save();
    p.setClipRect(rect, Qt::IntersectClip); // as the label clips its text
    if (label.autoFillBackground())
        p.fillRect(rect, label.palette().color(label.backgroundRole()));
    if (logo) {
        // The logo's drawing rather than its pixels, at the size the window shows.
        const QSizeF size = label.pixmap().deviceIndependentSize() / zoom * twips::PerPixel;
        QSvgRenderer(QStringLiteral(":/logo.svg")).render(&p, QRectF(rect.topLeft(), size));
    }
    if (!label.text().isEmpty()) {
        const QPalette::ColorGroup group =
                label.isEnabled() ? QPalette::Active : QPalette::Disabled;
        p.setPen(label.palette().color(group, QPalette::WindowText));
        p.setFont(faceInTwips(label.font(), zoom));
        p.drawText(rect, int(label.alignment()), label.text());
    }
    p.restore();
}

} // namespace

QSizeF viewSize()
{
    const Placement &view = placementOf(Control::picPIC);
    const double frame = 2 * twips::PerPixel;
    return QSizeF(view.width - 2 * frame, view.height - 2 * frame);
}

void paintView(QPainter &p, const NomogramFace &view)
{
    p.save();
    p.setClipRect(QRectF(QPointF(), viewSize()), Qt::IntersectClip);
    p.fillRect(QRectF(QPointF(), viewSize()), Qt::white);
    // In the window's own stacking order: marks and labels under the strips.
    // The picture stays at true size whatever the window's zoom.
    for (const QLabel *label : view.labels())
        if (label->isVisibleTo(label->parentWidget()))
            paintLabel(p, *label, label == view.logo(), view.zoom());
    for (const NomogramFace::Scale &scale : view.scales())
        paintStrip(p, *scale.strip, *scale.place);
    p.restore();
}

void paintPage(QPainter &p, const NomogramFace &view, QSizeF page, const QStringList &footer)
{
    const QSizeF size = viewSize();
    p.save();
    p.translate((page.width() - size.width()) / 2, (page.height() - size.height()) / 2);
    p.setPen(QPen(Qt::black, 15));
    p.drawRect(QRectF(QPointF(), size));
    paintView(p, view);
    p.setFont(faceInTwips(layoutFace(9)));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, size.height() + 240, size.width(), 2400), Qt::AlignLeft | Qt::AlignTop,
               footer.join(QLatin1Char('\n')));
    p.restore();
}

} // namespace picture
