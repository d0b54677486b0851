#include "scales/scale_steps.h"

// Aperture efficiency: one decade, 10 % to 100 %, at 1000 twips per decade, which
// is 10 dB on the gain scale above. The ticks hang from the top edge to meet the
// gain ticks standing on the bottom edge of that strip.
void ScaleProcedures::PICE()
{
    ScaleSteps s(*this, *surfaces_.E, reporter_, "PICE");
    auto &trap = s.trap;

    s.begin(1000, 200, 1200);
    s.baseline(100, XB);
    s.majorTicks(0, 150);

    trap.loop(NJ, 2, 9, 1, [&] {
        trap([&] { XPOS = DIV * LOGT(NJ) + XA; });
        s.digitTick(100, 0, {}, 150);
    });

    s.printAt(XA - 50, 200, QStringLiteral("10"));
    // At a fixed offset from the scale's start rather than from its own tick.
    s.printAt(XA + 600, 200, QStringLiteral("50"));
    s.printAt(XB - 50, 200, QStringLiteral("100"));
    s.printAt(1500, 150, QStringLiteral("Efficiency (%)"));
}
