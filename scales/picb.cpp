#include "scales/scale_steps.h"

// Frequency of the upper nomogram: 0.01 GHz at the left to 100 GHz at the right,
// ticks hanging from the top edge to face the diameter scale above, against which
// it slides.
void ScaleProcedures::PICB()
{
    ScaleSteps s(*this, *surfaces_.B, reporter_, "PICB");

    s.begin(2000, 300, 8300);
    s.baseline(100, XB);
    s.majorTicks(0, 150);

    s.digitTicks(
            3, [&] { return DIV * LOGT(NJ) + XA + NI * DIV; }, 100, 0, {}, 150);

    s.fineTicks(
            ScaleSteps::standardFineLoops(0, 3),
            [&](double logM) { return DIV * logM + XA + NI * DIV; }, 100, 30);

    s.decadeLabels(170, 50, {"0.01", "0.1", "1", "10", "100"});
    s.halfDecadeLabels(170, [&] { return (NI + LOGT(5)) * DIV + XA - 50; },
                       {"0.05", "0.5", "5", "50"});
    s.printAt(3600, 320, QStringLiteral("Frequency (GHz)"));
}
