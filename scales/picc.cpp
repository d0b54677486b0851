#include "scales/scale_steps.h"

void Module1::PICC()
{
    ScaleSteps s(*this, *surfaces_.C, reporter_, "PICC");
    s.begin(0, 0, 0);
}
