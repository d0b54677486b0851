#include "scales/scale_steps.h"

void Module1::PICE()
{
    ScaleSteps s(*this, *surfaces_.E, reporter_, "PICE");
    s.begin(0, 0, 0);
}
