#pragma once

#include "scales/display_list.h"
#include "scales/surface.h"
#include "scales/twips.h"

#include <QPixmap>
#include <QWidget>
#include <optional>

struct ScaleRule;

// A white strip that carries one scale. Everything drawn into it is recorded in
// twips and painted from that record into a pixmap kept at the screen's pixel
// ratio, so the scale is drawn once and survives covering, sliding and view
// switches without being computed again.
class ScaleStrip : public QWidget, public Surface
{
    Q_OBJECT

public:
    ScaleStrip(QWidget *parent, float heightTwips);

    void setFontSize(double points) override;
    double height() const override;
    void pointSet(float x, float y, Colour colour = {}) override;
    void lineTo(float x, float y, Colour colour = {}) override;
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    void print(const QString &text) override;

    const DisplayList &displayList() const { return ops_; }
    // How often the kept image was rendered from the display list.
    int renderCount() const { return renderCount_; }

    // Left in twips within the container, kept exactly; the widget stands at the nearest pixel.
    float leftTwips() const { return leftTwips_; }
    void setLeftTwips(float left);

    // The window's zoom, 1 to 2: a pixel holds 15 twips divided by it. The kept image is
    // drawn afresh at the new size, as sharp as at any pixel ratio of the screen.
    double zoom() const { return zoom_; }
    void setZoom(double zoom);

    // What the scale reads along the strip; the strip keeps a reference. With one
    // set, a pointer resting on the strip shows the value under it as a tooltip.
    void setReading(const ScaleRule &reading);
    // The tooltip text for a point of the strip in pixels: empty off the scale's ticks.
    QString readingAt(QPoint pos) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void record(DrawOp drawn);
    void render(qreal ratio);
    double twipsPerPixel() const { return twips::PerPixel / zoom_; }
    void showReading(QPoint pos);
    void followPointer();

    DisplayList ops_;
    float heightTwips_;
    float leftTwips_ = 0;
    double zoom_ = 1;
    QPixmap kept_;
    int renderCount_ = 0;
    const ScaleRule *reading_ = nullptr;
    // Where the pointer last rested on the strip, in the container's pixels, which
    // do not move when the strip slides.
    std::optional<QPoint> rest_;
};
