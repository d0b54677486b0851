#include "scales/scale_steps.h"

void Module1::PICH()
{
    ScaleSteps s(*this, *surfaces_.H, reporter_, "PICH");
    s.begin(0, 0, 0);
}
