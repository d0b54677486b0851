#pragma once

#include "app/clock.h"
#include "app/dishscope.h"
#include "app/message_box_reporter.h"
#include "app/module1.h"

// The program as it runs for a user: its window, error reports in a message box,
// the system clock, and the procedures working over them. Start it with module.MAIN().
struct Program
{
    Dishscope window;
    MessageBoxReporter reporter;
    SystemClock clock;
    Module1 module{window, reporter, clock};
};
