// Time from process start to the first painted window, and peak memory, for the
// program's own start-up beside a bare Qt window of the same size, in one run.
//
//   bench_startup [runs]      drives both, prints medians and ratios
//   bench_startup --child beamwise|bare   one start-up, reports on stdout

#include "app/application.h"
#include "app/program.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Reports once the watched window has painted, then quits.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("painted %ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

int child(int argc, char **argv, bool bare)
{
    auto app = createApplication(argc, argv);
    FirstPaint watcher;
    if (bare) {
        QWidget window;
        window.setFixedSize(662, 622);
        window.installEventFilter(&watcher);
        window.show();
        return app->exec();
    }
    Program program;
    program.window.installEventFilter(&watcher);
    program.module.MAIN();
    return app->exec();
}

struct Sample
{
    double milliseconds;
    long peakKilobytes;
};

Sample measure(const QString &self, const QString &which)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(self, {QStringLiteral("--child"), which});
    process.waitForReadyRead(30000);
    const double elapsed = clock.nsecsElapsed() / 1e6;
    const QByteArray line = process.readLine().trimmed();
    process.waitForFinished(30000);
    if (!line.startsWith("painted ")) {
        std::fprintf(stderr, "the %s start-up did not report a paint\n", qPrintable(which));
        std::exit(1);
    }
    return {elapsed, line.mid(8).toLong()};
}

template<class T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv, qstrcmp(argv[2], "bare") == 0);

    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<double> ownTime, bareTime;
    std::vector<long> ownMemory, bareMemory;
    for (int i = 0; i < runs; ++i) { // interleaved so both see the same machine load
        const Sample bare = measure(self, QStringLiteral("bare"));
        const Sample own = measure(self, QStringLiteral("beamwise"));
        bareTime.push_back(bare.milliseconds);
        bareMemory.push_back(bare.peakKilobytes);
        ownTime.push_back(own.milliseconds);
        ownMemory.push_back(own.peakKilobytes);
    }
    const double t = median(ownTime), tb = median(bareTime);
    const long m = median(ownMemory), mb = median(bareMemory);
    std::printf("start-up to first paint (median of %d): Beamwise %.1f ms, bare window %.1f ms, "
                "ratio %.2f (goal <= 1.30)\n",
                runs, t, tb, t / tb);
    std::printf("peak memory (median): Beamwise %ld KiB, bare window %ld KiB, ratio %.2f (goal <= "
                "1.20)\n",
                m, mb, double(m) / double(mb));
    return 0;
}
