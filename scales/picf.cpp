#include "scales/scale_steps.h"

void Module1::PICF()
{
    ScaleSteps s(*this, *surfaces_.F, reporter_, "PICF");
    s.begin(0, 0, 0);
}
