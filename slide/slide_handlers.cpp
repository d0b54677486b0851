#include "app/dishscope.h"

#include "scales/scale_strip.h"
#include "slide/slide_rules.h"

#include <QScrollBar>

// Sliding only moves strips; each carries its kept drawing along.

void Dishscope::placeUpperStrips()
{
    picPICB->setLeftTwips(slide::upperFrequencyLeft(scrSCROLL->value()));
    picPICC->setLeftTwips(slide::beamwidthLeft(scrSCROLL->value()));
    picPICD->setLeftTwips(slide::gainLeft(scrSCROLL->value()));
}

void Dishscope::placeLowerStrips()
{
    picPICF->setLeftTwips(slide::farFieldLeft(scrSCROLL2->value()));
    picPICG->setLeftTwips(slide::lowerDiameterLeft(scrSCROLL2->value()));
}
