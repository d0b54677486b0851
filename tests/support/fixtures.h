#pragma once

// What the suites use of the program and of Qt, in one place.
#include "app/antenna_input.h"
#include "app/application.h"
#include "app/clock.h"
#include "app/dishscope.h"
#include "app/layout.h"
#include "app/nomogram_commands.h"
#include "app/nomogram_readings.h"
#include "app/set_antenna_dialog.h"
#include "scales/errors.h"
#include "scales/module1.h"
#include "scales/scale_readings.h"
#include "scales/scale_strip.h"
#include "scales/twips.h"

#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <functional>

inline bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}
// A file's bytes, none where it cannot be read; and writing a file.
inline QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline bool write(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) > 0;
}

struct RecordingReporter : ErrorReporter
{
    void report(const QString &message) override { messages << message; }
    QStringList messages;
};

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

    QList<ScaleStrip *> strips() const
    {
        return {window.picPICA, window.picPICB, window.picPICC, window.picPICD,
                window.picPICE, window.picPICF, window.picPICG, window.picPICH};
    }
};

// A program run to its end as from a text console: no display, no platform chosen.
struct Run
{
    int status;
    QString out, err;
};
inline Run run(
        const QString &program, const QStringList &arguments, const QString &lang = "en_GB.UTF-8",
        const std::function<void()> &inChild = [] {})
{
    QProcess process;
    process.setChildProcessModifier(inChild);
    QProcessEnvironment environment;
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    for (const QString &setting :
         lang.split(' ')) // "de_DE.UTF-8", or settings such as "LANGUAGE=fr LANG=de_DE.UTF-8"
        environment.insert(setting.contains('=') ? setting.section('=', 0, 0) : "LANG",
                           setting.section('=', -1));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Starts the application as the program does (style, fonts). A modal dialog left
// open for a second fails the running test and is closed, so the suite goes on
// instead of hanging.
#define BEAMWISE_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
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
