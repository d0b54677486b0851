#include "scales/scale_steps.h"
#include "scales/twips.h"
#include "scales/typeface.h"

// Far-field range 2D²/λ: 10,000 m at the left to 1 m at the right, ticks rising
// from a baseline to the top edge, under the read-off mark above the strip. It
// slides twice as fast as the lower diameter scale, which is what squares D.
void Module1::PICF()
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
    // does not depend on the face having the letter. Each piece starts where the one
    // before it ends in this face, whatever its letters' widths.
    constexpr double LambdaWidth = 100 + twips::PerPixel; // its strokes and their pen
    const double formula = 3300 + advanceTwips(QStringLiteral("Far Field Range "), 8);
    const double exponent = formula + advanceTwips(QStringLiteral("2D"), 8);
    const double slash = exponent + advanceTwips(QStringLiteral("2"), 6);
    const double lambda = slash + advanceTwips(QStringLiteral("/"), 6);
    s.printAt(3300, 350, QStringLiteral("Far Field Range"));
    s.printAt(lambda + LambdaWidth, 350, QStringLiteral(" (metres)"));
    s.printAt(formula, 350, QStringLiteral("2D"));
    trap([&] { s.canvas.setFontSize(6); });
    s.printAt(exponent, 250, QStringLiteral("2"));
    s.printAt(slash, 350, QStringLiteral("/"));
    trap([&] { s.canvas.pointSet(lambda + 25, 387, colours::Black); });
    trap([&] { s.canvas.lineTo(lambda + 100, 525, colours::Black); });
    trap([&] { s.canvas.pointSet(lambda + 50, 450, colours::Black); });
    trap([&] { s.canvas.lineTo(lambda, 525, colours::Black); });
}
