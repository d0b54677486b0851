#pragma once

class ScaleStrip;

// What the slide bars' handlers do: stand each strip that follows a bar where its
// rule puts it for the bar's Value. Only Left changes; each strip carries its kept
// drawing along, nothing is redrawn.
namespace slide {

void placeUpper(int value, ScaleStrip &frequency, ScaleStrip &beamwidth, ScaleStrip &gain);
void placeLower(int value, ScaleStrip &farField, ScaleStrip &diameter);

} // namespace slide
