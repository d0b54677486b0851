#include "app/application.h"
#include "app/dishscope.h"
#include "app/message_box_reporter.h"
#include "app/module1.h"

int main(int argc, char **argv)
{
    auto app = createApplication(argc, argv);
    Dishscope window;
    MessageBoxReporter reporter;
    SystemClock clock;
    Module1 module(window, reporter, clock);
    module.MAIN();
    return app->exec();
}
