#include "scales/scale_steps.h"
#include "scales/twips.h"
#include "scales/typeface.h"

#include <QFontMetricsF>

// The title reads "Far Field Range 2D²/λ (metres)": the exponent and the slash are set
// smaller, and λ is drawn as two strokes rather than printed, so it does not depend on
// the face having the letter. The face's own measures place each piece: it starts where
// the one before it ends; the slash stands on the line, and the exponent half a capital
// above it, clear of the labels over the title.
static void title(ScaleSteps &s)
{
    const QFontMetricsF face(layoutFace(8)), small(layoutFace(6));
    const auto twipsOf = [](double pixels) { return pixels * twips::PerPixel; };
    constexpr double LambdaWidth = 100 + twips::PerPixel; // its strokes and their pen
    const double formula =
            3300 + twipsOf(face.horizontalAdvance(QStringLiteral("Far Field Range ")));
    const double exponent = formula + twipsOf(face.horizontalAdvance(QStringLiteral("2D")));
    const double slash = exponent + twipsOf(small.horizontalAdvance(QStringLiteral("2")));
    const double lambda = slash + twipsOf(small.horizontalAdvance(QStringLiteral("/")));
    const double onLine = 350 + twipsOf(face.ascent() - small.ascent());
    s.printAt(3300, 350, QStringLiteral("Far Field Range"));
    s.printAt(lambda + LambdaWidth, 350, QStringLiteral(" (metres)"));
    s.printAt(formula, 350, QStringLiteral("2D"));
    s.trap([&] { s.canvas.setFontSize(6); });
    s.printAt(exponent, onLine - twipsOf(face.capHeight() / 2), QStringLiteral("2"));
    s.printAt(slash, onLine, QStringLiteral("/"));
    s.trap([&] { s.canvas.pointSet(lambda + 25, 387, colours::Black); });
    s.trap([&] { s.canvas.lineTo(lambda + 100, 525, colours::Black); });
    s.trap([&] { s.canvas.pointSet(lambda + 50, 450, colours::Black); });
    s.trap([&] { s.canvas.lineTo(lambda, 525, colours::Black); });
}

// Far-field range 2D²/λ: 10,000 m at the left to 1 m at the right, ticks rising
// from a baseline to the top edge, under the read-off mark above the strip. It
// slides twice as fast as the lower diameter scale, which is what squares D.
void ScaleProcedures::PICF()
{
    ScaleSteps s(*this, *surfaces_.F, reporter_, "PICF");

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

    title(s);
}
