#include "scales/scale_steps.h"

// Beamwidth: 100 degrees at the left to 0.03 degrees at the right, so that it
// falls as the diameter-frequency product grows. The scale runs on past 0.1
// degree into part of a further decade, which needs its own digit and fine ticks.
void ScaleProcedures::PICC()
{
    ScaleSteps s(*this, *surfaces_.C, reporter_, "PICC");
    auto &trap = s.trap;

    s.begin(2000, 400, 6400);
    // The baseline ends at 0.03 degrees, not at the last major tick.
    trap([&] { s.canvas.pointSet(XA, 100); });
    trap([&] { s.canvas.lineTo(XB + DIV * (1 - LOGT(3)), 100); });
    s.majorTicks(0, 150);

    // Decade 3 (200 to 900 degrees) falls left of the strip and leaves no mark.
    s.digitTicks(
            3, [&] { return XB - DIV * LOGT(NJ) - NI * DIV; }, 100, 0, {}, 150);
    trap.loop(NJ, 3, 9, 1, [&] {
        trap([&] { XPOS = XB + DIV - DIV * LOGT(NJ); });
        s.digitTick(100, 0, {}, 150);
    });

    // Decade -1 is the partial one right of 0.1 degree, which starts at 0.03.
    s.fineTicks(
            {
                    {1, 1, 9, 1, 0, 2}, // 1.1 to 1.9
                    {2, 2, 8, 2, 0, 2}, // 2.2, 2.4, 2.6, 2.8
                    {3, 2, 8, 2, -1, 2}, // 3.2, 3.4, 3.6, 3.8
                    {4, 5, 5, 0, -1, 3}, // 4.5; the one for 450 degrees falls off the strip
                    {5, 6, 6, 0, -1, 2}, // 5.6, not 5.5
            },
            [&](double logM) { return XB - DIV * logM - NI * DIV; }, 100, 30);

    s.decadeLabels(150, 50, {"100", "10", "1", "0.1"});
    // One decade further right than the digit ticks, so that the first is the 0.05
    // of the partial decade.
    s.halfDecadeLabels(150, [&] { return XB - (NI + LOGT(5)) * DIV - 50 + DIV; },
                       {"0.05", "0.5", "5", "50"});
    s.printAt(3100, 320, QStringLiteral("Beamwidth (degrees)"));
}
