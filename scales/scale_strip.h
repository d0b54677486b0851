#pragma once

#include "scales/display_list.h"
#include "scales/surface.h"

#include <QPixmap>
#include <QWidget>

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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void record(DrawOp drawn);
    void render(qreal ratio);

    DisplayList ops_;
    float heightTwips_;
    float leftTwips_ = 0;
    QPixmap kept_;
    int renderCount_ = 0;
};
