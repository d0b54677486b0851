#include "scales/scale_steps.h"

// Far-field range 2D²/λ: 10,000 m at the left to 1 m at the right, ticks rising
// from a baseline to the top edge, under the read-off mark above the strip. It
// slides twice as fast as the lower diameter scale, which is what squares D.
void ScaleProcedures::PICF()
{
    ScaleSteps s(*this, *surfaces_.F, reporter_, "PICF");
    auto &trap = s.trap;

    s.begin(2000, 600, 8600);
    s.baseline(100, XB);
    s.majorTicks(0, 150);

    s.digitTicks(
            3, [&] { return XB - DIV * LOGT(NJ) - NI * DIV; }, 100, 0, {}, 150);

    s.fineTicks(
            ScaleSteps::standardFineLoops(0, 3),
            [&](double logM) { return XB - DIV * logM - NI * DIV; }, 100, 30);

    s.decadeLabels(150, 50, {"10,000", "1,000", "100", "10", "1"});
    s.halfDecadeLabels(150, [&] { return XB - (NI + LOGT(5)) * DIV - 50; },
                       {"5", "50", "500", "5,000"});

    // The title reads "Far Field Range 2D²/λ (metres)": the exponent and the slash
    // are set smaller, and λ is drawn as two strokes rather than printed, so it
    // does not depend on the face having the letter.
    s.printAt(3300, 350, QStringLiteral("Far Field Range"));
    s.printAt(5300, 350, QStringLiteral(" (metres)"));
    s.printAt(4690, 350, QStringLiteral("2D"));
    trap([&] { s.canvas.setFontSize(6); });
    s.printAt(4900, 250, QStringLiteral("2"));
    s.printAt(4950, 350, QStringLiteral("/"));
    trap([&] { s.canvas.pointSet(5105, 387, colours::Black); });
    trap([&] { s.canvas.lineTo(5180, 525, colours::Black); });
    trap([&] { s.canvas.pointSet(5130, 450, colours::Black); });
    trap([&] { s.canvas.lineTo(5080, 525, colours::Black); });
}
