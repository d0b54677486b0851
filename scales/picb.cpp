#include "scales/scale_steps.h"

void Module1::PICB()
{
    ScaleSteps s(*this, *surfaces_.B, reporter_, "PICB");
    s.begin(0, 0, 0);
}
