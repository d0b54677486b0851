#include "scales/scale_steps.h"

// Frequency of the lower nomogram: 0.01 GHz at the left to 100 GHz at the right,
// half the decade length of the sliding scales above so that a decade of frequency
// moves the range scale by one decade. Its ticks rise to the top edge, meeting the
// diameter scale's. Only the decades' first steps, 1 to 2, carry fine ticks.
void ScaleProcedures::PICH()
{
    ScaleSteps s(*this, *surfaces_.H, reporter_, "PICH");

    s.begin(1000, 300, 4300);
    s.baseline(100, XB);
    s.majorTicks(0, 150);

    s.digitTicks(
            3, [&] { return DIV * LOGT(NJ) + XA + NI * DIV; }, 100, 0, {}, 150);

    s.fineTicks(
            {{1, 2, 8, 2, 0, 3}}, [&](double logM) { return DIV * logM + XA + NI * DIV; }, 100, 30);

    s.decadeLabels(170, 20, {"0.01", "0.1", "1", "10", "100"});
    s.halfDecadeLabels(170, [&] { return (NI + LOGT(5)) * DIV + XA - 90; },
                       {"0.05", "0.5", "5", "50"});
    s.printAt(1900, 350, QStringLiteral("Frequency (GHz)"));
}
