#pragma once

#include "scales/errors.h"

#include <QString>
#include <array>
#include <cstdint>

class Surface;

// The surfaces the eight scale procedures draw on, in the order they are drawn.
struct ScaleSurfaces
{
    Surface *A, *B, *C, *D, *E, *F, *G, *H;
};

// The procedures that fill the logarithm table and draw the eight scales, with the
// variables they share. They take no arguments and talk through these variables; each
// traps its own failures, setting the owner's message and telling the reporter.
class ScaleProcedures
{
public:
    // MSG is the owner's error message, which every trap empties and fills.
    ScaleProcedures(const ScaleSurfaces &surfaces, ErrorReporter &reporter, QString &MSG);

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

    QString &MSG; // the owner's error message
    double LN10 = 0; // the natural logarithm of 10, which LG divides by
    double HT = 0; // the height of the strip being drawn, in twips
    double DIV = 0; // the length of one decade (or of one unit of a linear scale)
    double XA = 0; // the x where the scale starts
    double XB = 0; // the x where the scale ends
    double XPOS = 0; // the x of the tick or label being drawn
    double YPOS = 0; // the y of the tick's far end or of the label
    std::int16_t NI = 0; // the decade being drawn, counted from the left end
    std::int16_t NJ = 0; // the digit or tenths within a decade; the 5 dB step of the gain scale
    QString TXT; // the label about to be printed

private:
    ScaleSurfaces surfaces_;
    ErrorReporter &reporter_;
    std::array<double, 11> logTable_{};
};
