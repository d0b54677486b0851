#include "scales/scale_steps.h"

void Module1::PICD()
{
    ScaleSteps s(*this, *surfaces_.D, reporter_, "PICD");
    s.begin(0, 0, 0);
}
