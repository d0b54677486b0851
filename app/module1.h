#pragma once

#include "scales/scale_procedures.h"

#include <QString>

class Clock;
class Dishscope;

// The program's start-up: it dates the window, has the scale procedures draw its
// strips and shows it. Like them, MAIN and head take no arguments, talk through
// these variables and trap their own failures.
class Module1
{
public:
    Module1(Dishscope &window, ErrorReporter &reporter, const Clock &clock);

    void MAIN();
    void head();

    QString MSG; // the last error report, emptied as each procedure starts
    QString TODAY; // today's date as the window shows it
    ScaleProcedures scales; // the logarithm table and the eight scales

private:
    Dishscope &window_;
    ErrorReporter &reporter_;
    const Clock &clock_;
};
