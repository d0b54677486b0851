// Time from process start to the first painted window, and peak memory, for the
// program's own start-up beside a bare Qt window of the same size with three labels
// of text, in one run; and the first switch to each of the views not shown at start.
//
//   bench_startup [runs]      drives both, at least nine runs each, prints medians and ratios
//   bench_startup --child beamwise|bare   one start-up, reports on stdout

#include "app/application.h"
#include "app/program.h"
#include "app/sunken_panel.h"
#include "readings/layout.h"
#include "scales/twips.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <sys/resource.h>

namespace {

constexpr double TimeGoal = 1.05;
constexpr double MemoryGoal = 1.05;
constexpr double SwitchGoalMs = 16;

// Calls `then` once the watched widget has painted, after the update that painted
// it has finished, so that what else that update paints is counted too.
class AfterPaint : public QObject
{
public:
    AfterPaint(QWidget *watched, std::function<void()> then)
        : QObject(watched)
        , then_(std::move(then))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(then_, {}));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

void report(const char *what, double value)
{
    std::printf("%s %.3f\n", what, value);
    std::fflush(stdout);
}

double milliseconds(const timeval &t)
{
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

// Peak memory and the processor time spent so far, which other work on the
// machine disturbs less than the time on the clock.
void reportPeakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    report("cpu", milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime));
    report("painted", double(usage.ru_maxrss));
}

// Clicks a view button and reports the time until the view it shows has painted.
void timeSwitch(const char *name, QPushButton *button, QWidget *view, std::function<void()> then)
{
    QElapsedTimer clock;
    clock.start();
    new AfterPaint(view, [=] {
        report(name, clock.nsecsElapsed() / 1e6);
        then();
    });
    button->click();
}

int bareChild(int argc, char **argv)
{
    auto app = createApplication(argc, argv);
    QWidget window;
    window.setFixedSize(twips::toPixels(layout::ClientWidth),
                        twips::toPixels(layout::ClientHeight));
    const QFont face(QStringLiteral("Liberation Sans"), 10);
    int top = 20;
    for (const char *text :
         {"Beamwise", "Dish antenna nomograms", "www.parabolic-instruments.example"}) {
        auto *label = new QLabel(QString::fromLatin1(text), &window);
        label->setFont(face);
        label->move(20, top);
        top += 30;
    }
    AfterPaint shown(&window, [] {
        reportPeakMemory();
        QCoreApplication::quit();
    });
    window.show();
    return app->exec();
}

int beamwiseChild(int argc, char **argv)
{
    auto app = createApplication(argc, argv);
    Program program;
    Dishscope &w = program.window;
    AfterPaint shown(&w, [&] {
        reportPeakMemory();
        timeSwitch("instructions", w.cmdInstr, w.picPICK, [&] {
            timeSwitch("company", w.cmdInfo, w.picPICJ, [] { QCoreApplication::quit(); });
        });
    });
    program.module.MAIN();
    return app->exec();
}

using Sample = std::map<QByteArray, double>;

// One start-up: the time until its first paint is reported, and every figure it reports.
Sample measure(const QString &self, const QString &which)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(self, {QStringLiteral("--child"), which});
    process.waitForReadyRead(30000);
    Sample sample{{"time", clock.nsecsElapsed() / 1e6}};
    process.waitForFinished(30000);
    while (process.canReadLine()) {
        const QList<QByteArray> words = process.readLine().trimmed().split(' ');
        if (words.size() == 2)
            sample[words[0]] = words[1].toDouble();
    }
    if (!sample.count("painted")) {
        std::fprintf(stderr, "the %s start-up did not report a paint\n", qPrintable(which));
        std::exit(1);
    }
    return sample;
}

double median(const std::vector<Sample> &samples, const char *what)
{
    std::vector<double> values;
    for (const Sample &s : samples)
        values.push_back(s.at(what));
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const char *verdict(bool met)
{
    return met ? "met" : "NOT met";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return qstrcmp(argv[2], "bare") == 0 ? bareChild(argc, argv) : beamwiseChild(argc, argv);

    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const int runs = argc > 1 ? std::max(9, atoi(argv[1])) : 15;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<Sample> own, bare;
    // Interleaved, each first in turn, so that both see the same machine load and caches.
    for (int i = 0; i < runs; ++i) {
        if (i % 2)
            own.push_back(measure(self, QStringLiteral("beamwise")));
        bare.push_back(measure(self, QStringLiteral("bare")));
        if (i % 2 == 0)
            own.push_back(measure(self, QStringLiteral("beamwise")));
    }
    const double t = median(own, "time"), tb = median(bare, "time");
    const double c = median(own, "cpu"), cb = median(bare, "cpu");
    const double m = median(own, "painted"), mb = median(bare, "painted");
    const double instructions = median(own, "instructions"), company = median(own, "company");
    std::printf("platform %s, median of %d runs each\n", qgetenv("QT_QPA_PLATFORM").constData(),
                runs);
    std::printf("start-up to first paint: Beamwise %.1f ms, bare window %.1f ms, ratio %.3f (goal "
                "<= %.2f: %s)\n",
                t, tb, t / tb, TimeGoal, verdict(t / tb <= TimeGoal));
    std::printf(
            "processor time to first paint: Beamwise %.1f ms, bare window %.1f ms, ratio %.3f\n", c,
            cb, c / cb);
    std::printf(
            "peak memory: Beamwise %.0f KiB, bare window %.0f KiB, ratio %.3f (goal <= %.2f: %s)\n",
            m, mb, m / mb, MemoryGoal, verdict(m / mb <= MemoryGoal));
    std::printf("first view switch to its paint: Instructions %.1f ms, Company Info %.1f ms (goal "
                "<= %.0f ms: %s)\n",
                instructions, company, SwitchGoalMs,
                verdict(std::max(instructions, company) <= SwitchGoalMs));
    return 0;
}
