#include "app/offscreen_export.h"

#include "app/application.h"
#include "app/clock.h"
#include "app/dishscope.h"
#include "app/module1.h"
#include "app/nomogram_commands.h"
#include "app/sunken_panel.h"
#include "cli/say.h"
#include "print/print_door.h"

namespace {

// Without a window to show them in, failures while drawing go to standard error.
class StandardErrorReporter : public ErrorReporter
{
public:
    void report(const QString &message) override { say(message); }
};

} // namespace

int exportFromCommandLine(int argc, char **argv, const QString &file,
                          const std::optional<SetAntenna> &antenna)
{
    // Only the program's own message, if any, goes to standard error.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            say(message);
    });
    auto app = createApplication(argc, argv);
    StandardErrorReporter reporter;
    SystemClock clock;
    Dishscope window;
    Module1 module(window, reporter, clock);
    module.MAIN();
    if (antenna)
        window.commands->setAntenna(*antenna);
    const QString error = exporting::writeFile(file, window, window.commands->footer());
    if (error.isEmpty())
        return ExitOk;
    say(error);
    return ExitFailure;
}
