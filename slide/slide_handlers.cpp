#include "slide/slide_handlers.h"

#include "readings/bar_rules.h"
#include "scales/scale_strip.h"

namespace slide {

void placeUpper(int value, ScaleStrip &frequency, ScaleStrip &beamwidth, ScaleStrip &gain)
{
    frequency.setLeftTwips(float(bars::upperFrequencyLeft(value)));
    beamwidth.setLeftTwips(float(bars::beamwidthLeft(value)));
    gain.setLeftTwips(float(bars::gainLeft(value)));
}

void placeLower(int value, ScaleStrip &farField, ScaleStrip &diameter)
{
    farField.setLeftTwips(float(bars::farFieldLeft(value)));
    diameter.setLeftTwips(float(bars::lowerDiameterLeft(value)));
}

} // namespace slide
