#include "slide/slide_handlers.h"

#include "scales/scale_strip.h"
#include "slide/slide_rules.h"

namespace slide {

void placeUpper(int value, ScaleStrip &frequency, ScaleStrip &beamwidth, ScaleStrip &gain)
{
    frequency.setLeftTwips(upperFrequencyLeft(value));
    beamwidth.setLeftTwips(beamwidthLeft(value));
    gain.setLeftTwips(gainLeft(value));
}

void placeLower(int value, ScaleStrip &farField, ScaleStrip &diameter)
{
    farField.setLeftTwips(farFieldLeft(value));
    diameter.setLeftTwips(lowerDiameterLeft(value));
}

} // namespace slide
