#include "readings/layout.h"
#include "scales/twips.h"

#include <QProcess>
#include <QTest>

// The built program as its users meet it: a real window under openbox, driven with
// xdotool and wmctrl and read off grabs of the screen. What the window does with its
// input is tested in-process (tests/app); here, that real input reaches it and the
// screen shows what it does.

static const QSize Size(twips::toPixels(layout::ClientWidth),
                        twips::toPixels(layout::ClientHeight));

// A tool's standard output; a tool that fails shows in what the test sees next.
static QByteArray run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

// A control's place in the window's client area, in pixels; nomogram controls
// count from picPIC's client area, inside its 2-pixel sunken frame.
static QRect rectOf(Control control)
{
    const Placement &p = placementOf(control);
    const QPoint in = p.container == Container::Window
            ? QPoint()
            : rectOf(Control::picPIC).topLeft() + QPoint(2, 2);
    using twips::toPixels;
    return QRect(toPixels(p.left), toPixels(p.top), toPixels(p.width), toPixels(p.height))
            .translated(in);
}

// How far a strip moved sideways between two grabs: the smallest shift under which the
// middle half of its rows (clear of its neighbours) matches exactly; -9999 where none does.
static int shift(Control strip, const QImage &before, const QImage &after)
{
    const QRect own = rectOf(strip), mid = own.adjusted(own.width() / 4, 4, -own.width() / 4, -4);
    int dx = 0;
    while (std::abs(dx) < mid.width() / 2 && before.copy(mid) != after.copy(mid.translated(dx, 0)))
        dx = dx > 0 ? -dx : 1 - dx;
    return std::abs(dx) < mid.width() / 2 ? dx : -9999;
}

class EndToEndTest : public QObject
{
    Q_OBJECT
    QProcess program;
    QString id;
    QPoint origin;

    // Puts the pointer on a point of the client area, then has xdotool do the rest.
    QByteArray pointer(QPoint p, const QStringList &then) const
    {
        return run("xdotool",
                   QStringList{"mousemove", "--window", id, QString::number(p.x()),
                               QString::number(p.y())}
                           + then);
    }

    // Grabs the client area until two grabs in a row agree, painting done, and `done`
    // holds for them, or time is up; the last grab either way.
    QImage grabUntil(const std::function<bool(const QImage &)> &done = {}) const
    {
        QImage last, shot;
        QDeadlineTimer limit(10000);
        do {
            const QImage screen = QImage::fromData(run("import", {"-window", "root", "png:-"}));
            last = std::exchange(shot,
                                 screen.convertToFormat(QImage::Format_RGB32).copy({origin, Size}));
        } while (!limit.hasExpired() && (shot.isNull() || shot != last || (done && !done(shot))));
        return shot;
    }

private slots:
    void init()
    {
        program.start("env", {"QT_QPA_PLATFORM=xcb", BEAMWISE_BINARY});
        // Asked again should the search come back empty, as it now and then does while
        // the window of the test before is being destroyed.
        for (QDeadlineTimer limit(10000); id.isEmpty() && !limit.hasExpired();)
            id = run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Beamwise "})
                         .trimmed();
        // "X=...\nY=...\n" of the client area's corner.
        const QList<QByteArray> corner = pointer({}, {"getmouselocation", "--shell"}).split('\n');
        origin = QPoint(corner.value(0).mid(2).toInt(), corner.value(1).mid(2).toInt());
        // The nomogram view shows: its frame's corner is not the red of the bare margin.
        const QPoint frame = rectOf(Control::picPIC).topLeft();
        QVERIFY(grabUntil([&](const QImage &s) {
                    return s.pixel(frame) != s.pixel(4, 4);
                }).pixel(frame)
                != qRgb(0xD5, 0x2B, 0x1E));
    }
    void cleanup()
    {
        id.clear();
        program.kill();
        program.waitForFinished();
    }

    // Pressed 48 times, a real Right key moves the upper bar 48 steps of 10 Values, and its
    // frequency strip on the screen 480 / 3.2 twips, 10 pixels, to the right; the diameter
    // strip above it stays.
    void barsSlideTheirStripsTheWayTheyPoint()
    {
        // On the thumb: takes the focus.
        pointer(rectOf(Control::scrSCROLL).center(), {"click", "1"});
        const QImage before = grabUntil();
        run("xdotool", QStringList{"key", "--delay", "5"} + QStringList(48, "Right"));
        const QImage after =
                grabUntil([&](auto &s) { return shift(Control::picPICB, before, s) == 10; });
        QCOMPARE(std::pair(shift(Control::picPICB, before, after),
                           shift(Control::picPICA, before, after)),
                 std::pair(10, 0));
    }

    void closingTheWindowEndsTheProgram()
    {
        run("wmctrl", {"-i", "-c", id});
        QVERIFY2(program.waitForFinished(5000), "the program outlived its window");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_e2e.moc"
