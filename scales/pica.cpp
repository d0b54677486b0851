#include "scales/scale_steps.h"

// Antenna diameter of the upper nomogram: 100 m at the left to 0.1 m at the right,
// ticks along the bottom edge facing the sliding frequency scale below.
void ScaleProcedures::PICA()
{
    ScaleSteps s(*this, *surfaces_.A, reporter_, "PICA");

    s.begin(2000, 600, 6600);
    s.readHeight();
    s.baseline(HT - 120, XB, {}, colours::Red);
    s.majorTicks(HT - 170, HT - 20);

    s.digitTicks(
            2, [&] { return XB - DIV * LOGT(NJ) - NI * DIV; }, HT - 120, HT - 20, colours::Red,
            HT - 170);

    s.fineTicks(
            ScaleSteps::standardFineLoops(0, 2),
            [&](double logM) { return XB - DIV * logM - NI * DIV; }, HT - 80, HT - 120,
            colours::Magenta);

    s.decadeLabels(HT - 370, 50, {"100", "10", "1", "0.1"});
    s.halfDecadeLabels(HT - 370, [&] { return XB - (NI + LOGT(5)) * DIV - 50; },
                       {"0.5", "5", "50"});
    s.printAt(2600, 100, QStringLiteral("Antenna Diameter (metres)"));
}
