#include "slide/slide_handlers.h"

#include "readings/bar_rules.h"
#include "scales/scale_strip.h"

namespace slide {

void placeUpper(int value, ScaleStrip &frequency, ScaleStrip &beamwidth, ScaleStrip &gain)
{
    frequency.setLeftTwips(bars::upperFrequencyLeft(value));
    beamwidth.setLeftTwips(bars::beamwidthLeft(value));
    gain.setLeftTwips(bars::gainLeft(value));
}

void placeLower(int value, ScaleStrip &farField, ScaleStrip &diameter)
{
    farField.setLeftTwips(bars::farFieldLeft(value));
    diameter.setLeftTwips(bars::lowerDiameterLeft(value));
}

} // namespace slide
