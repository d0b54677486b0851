#pragma once

#include <QScrollBar>

// A horizontal bar that slides strips. Its arrow keys move the thumb the way they
// point (a plain QScrollBar reverses Left and Right); everything else is Qt's own.
class SlideBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit SlideBar(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
