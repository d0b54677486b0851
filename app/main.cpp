#include "app/application.h"
#include "app/command_line.h"
#include "app/nomogram_commands.h"
#include "app/program.h"

#include <csignal>
#include <cstdio>

int main(int argc, char **argv)
{
    // Past a file-size limit a write should fail with its reason, to be reported
    // with the old file kept, rather than end the program halfway.
    std::signal(SIGXFSZ, SIG_IGN);
    CommandLine command;
    if (argc > 1) {
        // The command line is answered in the user's language, without a window.
        QCoreApplication words(argc, argv);
        installTranslations();
        command = readCommandLine(argc, argv);
        if (command.exitNow)
            return *command.exitNow;
        if (command.readings) {
            std::fputs(qUtf8Printable(commandLineReadings(command).join(QLatin1Char('\n')) + QLatin1Char('\n')), stdout);
            return ExitOk;
        }
    }
    if (!command.exportFile.isEmpty())
        return exportFromCommandLine(argc, argv, command);

    auto app = createApplication(argc, argv);
    Program program;
    program.module.MAIN();
    if (command.antenna)
        program.window.commands->setAntenna(*command.antenna, command.values);
    return app->exec();
}
