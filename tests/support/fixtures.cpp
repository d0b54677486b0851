#include "support/fixtures.h"

#include "scales/scale_strip.h"

#include <QScrollBar>
#include <QStyleOptionSlider>

StartedProgram::StartedProgram()
{
    module.MAIN();
}

QList<ScaleStrip *> stripsOf(Dishscope &window)
{
    return {window.picPICA, window.picPICB, window.picPICC, window.picPICD,
            window.picPICE, window.picPICF, window.picPICG, window.picPICH};
}

QRect partOf(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}
