#include "scales/scale_steps.h"

void Module1::PICG()
{
    ScaleSteps s(*this, *surfaces_.G, reporter_, "PICG");
    s.begin(0, 0, 0);
}
