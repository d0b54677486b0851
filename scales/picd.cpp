#include "scales/scale_steps.h"

// Gain: 0 to 75 dBi, linear at 100 twips per dB so that 20 dB matches one decade
// of diameter times frequency. The ticks stand on the bottom edge, where they
// meet the efficiency ticks hanging from the top of the strip below.
void ScaleProcedures::PICD()
{
    ScaleSteps s(*this, *surfaces_.D, reporter_, "PICD");
    auto &trap = s.trap;

    s.begin(500, 450, 7950);
    s.readHeight();
    s.baseline(HT - 100, XB);
    s.majorTicks(HT - 150, HT);

    // The four whole dB between two multiples of 5.
    trap.loop(NJ, 0, 14, 1, [&] {
        trap.loop(XPOS, NJ * DIV + XA + DIV / 5, NJ * DIV + XA + 4 * DIV / 5, DIV / 5, [&] {
            trap([&] { s.canvas.pointSet(XPOS, HT - 100); });
            trap([&] { s.canvas.lineTo(XPOS, HT); });
        });
    });

    // Printed the way a non-negative number is printed, with a blank for its sign.
    trap.loop(NJ, 0, 15, 1, [&] {
        trap([&] { s.canvas.setCurrentX(NJ * DIV + XA - 70); });
        trap([&] { s.canvas.setCurrentY(HT - 320); });
        trap([&] { s.canvas.print(QStringLiteral(" %1").arg(NJ * 5)); });
    });
    s.printAt(3800, 100, QStringLiteral("Gain (dBi)"));
}
