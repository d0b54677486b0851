#include "app/application.h"
#include "app/nomogram_commands.h"
#include "app/offscreen_export.h"
#include "app/program.h"
#include "cli/command_line.h"

#include <csignal>

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
        if (const std::optional<int> status = answerWithoutWindow(command))
            return *status;
    }
    if (!command.exportFile.isEmpty())
        return exportFromCommandLine(argc, argv, command.exportFile, command.antenna);

    auto app = createApplication(argc, argv);
    Program program;
    program.module.MAIN();
    if (command.antenna)
        program.window.commands->setAntenna(*command.antenna);
    return app->exec();
}
