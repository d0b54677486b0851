#pragma once

#include "scales/errors.h"

#include <QString>
#include <array>
#include <cstdint>

class Clock;
class Dishscope;
class Surface;

// The surfaces the eight scale procedures draw on, in the order they are drawn.
struct ScaleSurfaces
{
    Surface *A, *B, *C, *D, *E, *F, *G, *H;
};

// The program's start-up and drawing procedures with the state they share.
// The procedures take no arguments and talk through these variables and the
// window; each traps its own failures and reports them (see Trap).
class Module1
{
public:
    Module1(Dishscope &window, ErrorReporter &reporter, const Clock &clock);
    // Draws the scales on other surfaces than the window's own strips.
    Module1(Dishscope &window, const ScaleSurfaces &surfaces, ErrorReporter &reporter,
            const Clock &clock);

    void MAIN();
    void head();
    void LG();
    void PICA();
    void PICB();
    void PICC();
    void PICD();
    void PICE();
    void PICF();
    void PICG();
    void PICH();

    // The common logarithm of a digit, read with a checked index (0 to 10).
    double LOGT(int index) const;

    QString MSG;
    QString TODAY;
    double LN10 = 0;
    double HT = 0;
    double DIV = 0;
    double XA = 0;
    double XB = 0;
    double XPOS = 0;
    double YPOS = 0;
    std::int16_t NI = 0;
    std::int16_t NJ = 0;
    QString TXT;

private:
    Dishscope &window_;
    ScaleSurfaces surfaces_;
    ErrorReporter &reporter_;
    const Clock &clock_;
    std::array<double, 11> logTable_{};
};
