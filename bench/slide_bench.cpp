// The cost of one slide step (a new Value and the repaint it causes) beside
// moving one bare widget by a pixel with its repaint, measured in one run.

#include "app/application.h"
#include "app/program.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Steps = 2000;

// The best of five rounds: what the step costs, less what else the machine was doing.
template<class Step>
double microsecondsPerStep(Step step)
{
    for (int i = 0; i < 50; ++i) // warm the caches and the kept images
        step(i);
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < Steps; ++i)
            step(i);
        best = std::min(best, clock.nsecsElapsed() / 1e3 / Steps);
    }
    return best;
}

// Moving one bare widget by a pixel, with its repaint; -1 if its window never showed.
double bareWidgetMove()
{
    QWidget bare;
    bare.setFixedSize(662, 622);
    QWidget box(&bare);
    box.setAutoFillBackground(true);
    box.setGeometry(100, 100, 573, 41);
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare))
        return -1;
    return microsecondsPerStep([&](int i) {
        box.move(100 + i % 2, 100);
        QCoreApplication::processEvents();
    });
}

// The slide bar's steps made by a bare scroll bar of its size, in a window of its own.
double bareScrollBarStep(const QScrollBar &like)
{
    QWidget plain;
    plain.setFixedSize(662, 622);
    QScrollBar bar(Qt::Horizontal, &plain);
    bar.setGeometry(like.geometry());
    bar.setRange(like.minimum(), like.maximum());
    plain.show();
    if (!QTest::qWaitForWindowExposed(&plain))
        return -1;
    return microsecondsPerStep([&](int i) {
        bar.setValue(16380 + (i % 2 ? 10 : -10) * (i % 50));
        QCoreApplication::processEvents();
    });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    auto app = createApplication(argc, argv);

    Program program;
    Dishscope &window = program.window;
    program.module.MAIN();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    // Steps of 10 to and fro, as arrow clicks would make them.
    const auto steps = [&] {
        return microsecondsPerStep([&](int i) {
            window.scrSCROLL->setValue(16380 + (i % 2 ? 10 : -10) * (i % 50));
            QCoreApplication::processEvents();
        });
    };
    const double slide = steps();
    // The same at the largest zoom, where every strip is four times the pixels.
    window.setZoom(2);
    const double zoomed = steps();
    window.setZoom(1);

    const double move = bareWidgetMove(), bareStep = bareScrollBarStep(*window.scrSCROLL);
    if (move < 0 || bareStep < 0)
        return 1;

    std::printf("one slide step with its repaint: %.1f us (goal < 2000 us)\n", slide);
    std::printf("the same at 200 %% zoom: %.1f us (goal < 2000 us), %.2f times\n", zoomed,
                zoomed / slide);
    std::printf("one bare widget move with its repaint: %.1f us\n", move);
    std::printf("ratio %.2f (goal <= 3.00)\n", slide / move);
    std::printf("one bare scroll bar step with its repaint: %.1f us\n", bareStep);
    std::printf("ratio to the bare scroll bar %.2f (goal <= 1.15)\n", slide / bareStep);
    return 0;
}
