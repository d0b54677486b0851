#include "app/application.h"
#include "app/program.h"

int main(int argc, char **argv)
{
    auto app = createApplication(argc, argv);
    Program program;
    program.module.MAIN();
    return app->exec();
}
