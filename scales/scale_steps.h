#pragma once

#include "scales/canvas.h"
#include "scales/error_trap.h"
#include "scales/scale_procedures.h"

#include <QStringList>
#include <functional>

// The steps the scale procedures have in common, each run through the procedure's
// trap so that a failing step is reported and drawing goes on with the next one.
// They work on the module-wide variables exactly as the procedures' own steps do.
class ScaleSteps
{
public:
    ScaleSteps(ScaleProcedures &module, Surface &surface, ErrorReporter &reporter,
               const char *procedure);

    ScaleProcedures &m;
    Trap trap;
    Canvas canvas;

    // Set font size 8, then DIV, XA and XB in that order.
    void begin(double div, double xa, double xb);
    // HT = read height, for the scales anchored at the bottom edge.
    void readHeight();
    // Point-set at (XA, y), line-to (xEnd, y).
    void baseline(double y, double xEnd, Colour start = {}, Colour end = {});
    // For XPOS from XA to XB in steps of DIV: a red stroke from yFrom to yTo.
    void majorTicks(double yFrom, double yTo);
    // A digit tick at XPOS: YPOS = yStart, point-set, line-to yEdge in `out`, then
    // back in blue to YPOS, which the digit 5 first moves on to yLong.
    void digitTick(double yStart, double yEdge, Colour out, double yLong);
    // The digit ticks 2 to 9 of the decades NI = 0 to lastDecade, XPOS by the rule.
    void digitTicks(int lastDecade, const std::function<double()> &xRule, double yStart,
                    double yEdge, Colour out, double yLong);
    // A fine tick at XPOS: YPOS = yStart, point-set, line-to yEnd in `colour`.
    void fineTick(double yStart, double yEnd, Colour colour = {});

    // One loop of fine ticks at mantissas m = NJ/10 + b over the decades NI.
    // A fixed NJ (first == last with step 0) is set at the start of each pass.
    struct FineLoop
    {
        int b;
        int njFirst, njLast, njStep;
        int niFirst, niLast;
    };
    void fineTicks(const std::vector<FineLoop> &loops, const std::function<double(double)> &xOfLog,
                   double yStart, double yEnd, Colour colour = {});

    // TXT = the text for NI; an index without a text leaves TXT as it was.
    void chooseText(const QStringList &texts);
    // Decade labels: YPOS = y, then for NI over the texts: XPOS = NI*DIV + XA - offset,
    // set x, choose TXT, set y, print.
    void decadeLabels(double y, double offset, const QStringList &texts);
    // Half-decade labels: for NI over the texts: XPOS by the rule, YPOS = y, choose TXT,
    // set x, set y, print.
    void halfDecadeLabels(double y, const std::function<double()> &xRule, const QStringList &texts);
    // Set current x, set current y, print.
    void printAt(double x, double y, const QString &text);

    // log10 m computed afresh, not from the table.
    static double log10Fresh(double mantissa);
    // The five loops of fine ticks shared by the diameter, frequency and range scales.
    static std::vector<FineLoop> standardFineLoops(int niFirst, int niLast);
};
