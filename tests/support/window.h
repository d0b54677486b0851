#pragma once

// What the suites of the window use of the program and of Qt, in one place (with
// recording.h, the layout and twips).
#include "app/application.h"
#include "app/clock.h"
#include "app/dishscope.h"
#include "app/module1.h"
#include "app/nomogram_commands.h"
#include "app/set_antenna_dialog.h"
#include "readings/scale_rules.h"
#include "scales/scale_strip.h"
#include "support/process.h"
#include "support/recording.h"

#include <QtTest>
#include <QtWidgets>

struct FixedClock : Clock
{
    QDate today() const override { return QDate(2027, 3, 1); }
};

// The program started as main() starts it, with error reports recorded and the
// date fixed at 1 March 2027.
struct StartedProgram
{
    explicit StartedProgram(bool start = true)
    {
        if (start)
            module.MAIN();
    }
    FixedClock clock;
    RecordingReporter reporter;
    Dishscope window;
    Module1 module{window, reporter, clock};
};

// Starts the application as the program does (style, fonts), with the settings (of its
// own, under CTest) emptied. A modal dialog left
// open for a second fails the running test and is closed, so the suite goes on
// instead of hanging.
#define BEAMWISE_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QTemporaryDir settings; /* the suite's own, never the user's, none from a run before */    \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));                            \
        auto app = createApplication(argc, argv);                                                  \
        QTimer watchdog;                                                                           \
        QObject::connect(&watchdog, &QTimer::timeout, [seen = QPointer<QWidget>()]() mutable {     \
            QWidget *modal = QApplication::activeModalWidget();                                    \
            if (modal && modal == seen)                                                            \
                modal->close(), QTest::qFail("a modal dialog was left open", __FILE__, __LINE__);  \
            seen = modal;                                                                          \
        });                                                                                        \
        watchdog.start(1000);                                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
