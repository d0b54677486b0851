#include "slide/slide_bar.h"

#include "readings/bar_rules.h"

#include <QKeyEvent>

SlideBar::SlideBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(bars::Minimum, bars::Maximum);
    setSingleStep(10);
    setPageStep(10);
    setFocusPolicy(Qt::StrongFocus);
}

void SlideBar::keyPressEvent(QKeyEvent *event)
{
    const bool forward = layoutDirection() == Qt::LeftToRight;
    switch (event->key()) {
    case Qt::Key_Left:
        triggerAction(forward ? SliderSingleStepSub : SliderSingleStepAdd);
        break;
    case Qt::Key_Right:
        triggerAction(forward ? SliderSingleStepAdd : SliderSingleStepSub);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}
