#include "scales/display_list.h"
#include "scales/scale_strip.h"
#include "support/failing_surface.h"
#include "support/fixtures.h"

#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The five scales of the upper nomogram, in drawing order.
enum Scale { A, B, C, D, E };
const char *const Names[] = {"PICA", "PICB", "PICC", "PICD", "PICE"};
using Procedure = void (Module1::*)();
const Procedure Procedures[] = {&Module1::PICA, &Module1::PICB, &Module1::PICC, &Module1::PICD,
                                &Module1::PICE};

constexpr int Foreground = -1;
constexpr int Red = int(colours::Red);
constexpr int Blue = int(colours::Blue);
constexpr int Magenta = int(colours::Magenta);

bool hasColour(const Colour &colour, int expected)
{
    return expected == Foreground ? !colour : colour && int(*colour) == expected;
}

// Positions are handed to the surface in single precision.
bool near(double a, double b)
{
    return std::abs(a - b) <= 0.01;
}

bool near(const QPointF &a, const QPointF &b)
{
    return near(a.x(), b.x()) && near(a.y(), b.y());
}

QString show(const QPointF &p)
{
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 3).arg(p.y(), 0, 'f', 3);
}

// Where a value stands on each logarithmic scale, from the value itself.
double diameterX(double metres) { return 4600 - 2000 * std::log10(metres); }
double frequencyX(double gigahertz) { return 4300 + 2000 * std::log10(gigahertz); }
double beamwidthX(double degrees) { return 4400 - 2000 * std::log10(degrees); }

ScaleStrip *stripOf(Dishscope &window, int scale)
{
    return stripsOf(window).at(scale);
}

// The window's own strips, except that one scale draws on `replacement`.
ScaleSurfaces surfacesWith(Dishscope &window, int scale, Surface *replacement)
{
    std::array<Surface *, 8> s{};
    const QList<ScaleStrip *> strips = stripsOf(window);
    for (int i = 0; i < 8; ++i)
        s[std::size_t(i)] = strips.at(i);
    s[std::size_t(scale)] = replacement;
    return {s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]};
}

// One kind of vertical stroke of a scale: its colour and direction, how many lie on
// the strip, where some of them must stand and where none may. `step` orders the
// kinds as the procedure draws them (the baseline is step 0).
struct TickGroup
{
    const char *name;
    int scale;
    int step;
    int colour;
    double fromY, toY;
    int count;
    std::vector<double> at;
    std::vector<double> notAt;

    bool holds(const Stroke &s) const
    {
        return hasColour(s.colour, colour) && near(s.from.x(), s.to.x()) && near(s.from.y(), fromY)
            && near(s.to.y(), toY);
    }
};

// With the layout heights: 670 for PICA, 570 for PICD.
const std::vector<TickGroup> &tickGroups()
{
    static const std::vector<TickGroup> groups = {
        {"PICA major", A, 1, Red, 500, 650, 4, {600, 2600, 4600, 6600}, {}},
        {"PICA digit, red stroke down", A, 2, Red, 550, 650, 24, {3997.94, 5997.94, 1997.94, 5202.06}, {}},
        {"PICA digit, blue stroke back", A, 2, Blue, 650, 550, 21, {3997.94, 5997.94, 1997.94},
         {5202.06, 3202.06, 1202.06}},
        {"PICA half-decade", A, 2, Blue, 650, 500, 3, {5202.06, 3202.06, 1202.06}, {}},
        {"PICA fine", A, 3, Magenta, 590, 550, 57,
         {6517.21, 4517.21, 2517.21, 3293.57, 3103.62, diameterX(0.38), diameterX(28)},
         {diameterX(5.5), diameterX(0.55), diameterX(55), diameterX(6.5)}},

        {"PICB major", B, 1, Red, 0, 150, 5, {300, 2300, 4300, 6300, 8300}, {}},
        {"PICB digit, stroke up", B, 2, Foreground, 100, 0, 32, {4902.06, 902.06, 7697.94, frequencyX(90)}, {}},
        {"PICB digit, blue stroke back", B, 2, Blue, 0, 100, 28, {4902.06, 902.06, frequencyX(90)},
         {1697.94, 3697.94, 5697.94, 7697.94}},
        {"PICB half-decade", B, 2, Blue, 0, 150, 4, {1697.94, 3697.94, 5697.94, 7697.94}, {}},
        {"PICB fine", B, 3, Foreground, 100, 30, 76,
         {5606.43, 5796.38, 4382.79, 382.79, 6382.79, frequencyX(38), frequencyX(0.022)},
         {frequencyX(5.5), frequencyX(55), frequencyX(0.065)}},

        {"PICC major", C, 1, Red, 0, 150, 4, {400, 2400, 4400, 6400}, {7445.76}},
        {"PICC digit, stroke up", C, 2, Foreground, 100, 0, 31,
         {3797.94, 5797.94, 1797.94, 7445.76, 6491.51}, {}},
        {"PICC digit, blue stroke back", C, 2, Blue, 0, 100, 27, {3797.94, 7445.76, 6491.51}, {7002.06}},
        {"PICC half-decade", C, 2, Blue, 0, 150, 4, {7002.06, 5002.06, 3002.06, 1002.06}, {}},
        {"PICC fine", C, 3, Foreground, 100, 30, 63,
         {3093.57, 2903.62, beamwidthX(0.032), beamwidthX(0.045), beamwidthX(0.056), beamwidthX(38),
          beamwidthX(19)},
         {beamwidthX(5.5), beamwidthX(0.055)}},

        {"PICD major", D, 1, Red, 420, 570, 16, {450, 950, 3450, 7950}, {}},
        {"PICD minor", D, 2, Foreground, 470, 570, 60, {550, 850, 3750, 7850}, {450, 950, 3450, 7950}},

        {"PICE major", E, 1, Red, 0, 150, 2, {200, 1200}, {}},
        {"PICE digit, stroke up", E, 2, Foreground, 100, 0, 8,
         {501.03, 677.12, 802.06, 898.97, 978.15, 1045.10, 1103.09, 1154.24}, {}},
        {"PICE digit, blue stroke back", E, 2, Blue, 0, 100, 7,
         {501.03, 677.12, 802.06, 978.15, 1045.10, 1103.09, 1154.24}, {898.97}},
        {"PICE half-decade", E, 2, Blue, 0, 150, 1, {898.97}, {}},
    };
    return groups;
}

// The stroke is on the strip; some ticks of the beamwidth scale fall left of it.
bool onStrip(const Stroke &s)
{
    return s.from.x() >= 0 && s.to.x() >= 0;
}

bool isBaseline(const Stroke &s)
{
    return near(s.from.y(), s.to.y());
}

// The list without the n-th operation (counted from 1) of the given kind.
DisplayList without(DisplayList ops, DrawOp::Kind kind, int n)
{
    int seen = 0;
    for (auto it = ops.begin(); it != ops.end(); ++it) {
        if (it->kind == kind && ++seen == n) {
            ops.erase(it);
            break;
        }
    }
    return ops;
}

// Index of the first operation in which the lists differ, or -1 if they are the same.
int firstDifference(const DisplayList &a, const DisplayList &b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const DrawOp &x = a[i];
        const DrawOp &y = b[i];
        if (x.kind != y.kind || x.x != y.x || x.y != y.y || x.colour != y.colour || x.size != y.size
            || x.text != y.text)
            return int(i);
    }
    return a.size() == b.size() ? -1 : int(n);
}

} // namespace

class UpperScalesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void baselines_data();
    void baselines();
    void ticks_data();
    void ticks();
    void everyStrokeBelongsToOneStepInOrder_data();
    void everyStrokeBelongsToOneStepInOrder();
    void labelsAndTitle_data();
    void labelsAndTitle();
    void anotherHeightMovesOnlyBottomAnchoredDrawing_data();
    void anotherHeightMovesOnlyBottomAnchoredDrawing();
    void failingStepIsReportedOnceAndDrawingGoesOn_data();
    void failingStepIsReportedOnceAndDrawingGoesOn();

private:
    ResolvedDrawing drawingOf(int scale) const
    {
        return resolve(stripOf(program_->window, scale)->displayList());
    }

    std::unique_ptr<StartedProgram> program_;
};

void UpperScalesTest::initTestCase()
{
    program_ = std::make_unique<StartedProgram>();
    QCOMPARE(program_->reporter.messages, QStringList());
}

void UpperScalesTest::baselines_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<int>("colour");

    QTest::newRow("PICA") << int(A) << QPointF(600, 550) << QPointF(6600, 550) << Red;
    QTest::newRow("PICB") << int(B) << QPointF(300, 100) << QPointF(8300, 100) << Foreground;
    QTest::newRow("PICC runs on to 0.03") << int(C) << QPointF(400, 100) << QPointF(7445.76, 100)
                                          << Foreground;
    QTest::newRow("PICD") << int(D) << QPointF(450, 470) << QPointF(7950, 470) << Foreground;
    QTest::newRow("PICE") << int(E) << QPointF(200, 100) << QPointF(1200, 100) << Foreground;
}

void UpperScalesTest::baselines()
{
    QFETCH(int, scale);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(int, colour);

    const ResolvedDrawing d = drawingOf(scale);
    std::vector<Stroke> lines;
    for (const Stroke &s : d.strokes) {
        if (isBaseline(s))
            lines.push_back(s);
    }
    QCOMPARE(int(lines.size()), 1);
    QVERIFY2(near(lines[0].from, from), qPrintable(show(lines[0].from)));
    QVERIFY2(near(lines[0].to, to), qPrintable(show(lines[0].to)));
    QVERIFY(hasColour(lines[0].colour, colour));
    // The first point-set of every scale starts its baseline, in the foreground colour.
    QVERIFY(near(d.dots.front().at, from));
    QVERIFY(!d.dots.front().colour);
}

void UpperScalesTest::ticks_data()
{
    QTest::addColumn<int>("group");
    const auto &groups = tickGroups();
    for (std::size_t i = 0; i < groups.size(); ++i)
        QTest::newRow(groups[i].name) << int(i);
}

void UpperScalesTest::ticks()
{
    QFETCH(int, group);
    const TickGroup &g = tickGroups()[std::size_t(group)];

    std::vector<double> xs;
    for (const Stroke &s : drawingOf(g.scale).strokes) {
        if (onStrip(s) && g.holds(s))
            xs.push_back(s.from.x());
    }
    QCOMPARE(int(xs.size()), g.count);

    auto found = [&](double x) {
        return std::any_of(xs.begin(), xs.end(), [&](double t) { return near(t, x); });
    };
    for (double x : g.at)
        QVERIFY2(found(x), qPrintable(QStringLiteral("no tick at %1").arg(x, 0, 'f', 2)));
    for (double x : g.notAt)
        QVERIFY2(!found(x), qPrintable(QStringLiteral("a tick at %1").arg(x, 0, 'f', 2)));
}

void UpperScalesTest::everyStrokeBelongsToOneStepInOrder_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("offStrip");
    QTest::addColumn<int>("dots");
    QTest::addColumn<QRectF>("extent");

    // Dots: one point-set for the baseline and for every tick; the red ones are the major ticks'.
    QTest::newRow("PICA") << int(A) << 0 << 1 + 4 + 24 + 57 << QRectF(QPointF(600, 500), QPointF(6600, 650));
    QTest::newRow("PICB") << int(B) << 0 << 1 + 5 + 32 + 76 << QRectF(QPointF(300, 0), QPointF(8300, 150));
    // Decade 3 of the beamwidth scale (8 digit ticks of two strokes) and the fine
    // tick for 450 degrees fall left of the strip.
    QTest::newRow("PICC") << int(C) << 8 * 2 + 1 << 1 + 4 + 32 + 7 + 64
                          << QRectF(QPointF(400, 0), QPointF(7445.76, 150));
    QTest::newRow("PICD") << int(D) << 0 << 1 + 16 + 60 << QRectF(QPointF(450, 420), QPointF(7950, 570));
    QTest::newRow("PICE") << int(E) << 0 << 1 + 2 + 8 << QRectF(QPointF(200, 0), QPointF(1200, 150));
}

void UpperScalesTest::everyStrokeBelongsToOneStepInOrder()
{
    QFETCH(int, scale);
    QFETCH(int, offStrip);
    QFETCH(int, dots);
    QFETCH(QRectF, extent);

    std::vector<const TickGroup *> groups;
    int majors = 0;
    int onStripTicks = 0;
    for (const TickGroup &g : tickGroups()) {
        if (g.scale != scale)
            continue;
        groups.push_back(&g);
        onStripTicks += g.count;
        if (g.step == 1)
            majors = g.count;
    }

    const ResolvedDrawing d = drawingOf(scale);
    int step = 0;
    int left = 0;
    for (std::size_t i = 0; i < d.strokes.size(); ++i) {
        const Stroke &s = d.strokes[i];
        const QString where = QStringLiteral("stroke %1 from %2 to %3").arg(i).arg(show(s.from), show(s.to));
        int strokeStep = -1;
        if (i == 0 && isBaseline(s))
            strokeStep = 0;
        for (const TickGroup *g : groups) {
            if (g->holds(s)) {
                QVERIFY2(strokeStep < 0, qPrintable(where + " fits two kinds"));
                strokeStep = g->step;
            }
        }
        QVERIFY2(strokeStep >= 0, qPrintable(where + " is of no kind"));
        QVERIFY2(strokeStep >= step, qPrintable(where + " is drawn out of order"));
        step = strokeStep;
        if (!onStrip(s)) {
            ++left;
            continue;
        }
        const double slack = 0.01;
        QVERIFY2(extent.adjusted(-slack, -slack, slack, slack).contains(s.from)
                     && extent.adjusted(-slack, -slack, slack, slack).contains(s.to),
                 qPrintable(where + " lies outside the scale"));
    }
    QCOMPARE(int(d.strokes.size()) - left, 1 + onStripTicks);
    QCOMPARE(left, offStrip);

    QCOMPARE(int(d.dots.size()), dots);
    const auto red = std::count_if(d.dots.begin(), d.dots.end(),
                                   [](const Dot &dot) { return hasColour(dot.colour, Red); });
    const auto plain = std::count_if(d.dots.begin(), d.dots.end(), [](const Dot &dot) { return !dot.colour; });
    QCOMPARE(int(red), majors);
    QCOMPARE(int(plain), dots - majors);
}

void UpperScalesTest::labelsAndTitle_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QPointF>>("corners");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QPointF>("titleAt");

    QTest::newRow("PICA") << int(A) << QStringList{"100", "10", "1", "0.1", "0.5", "5", "50"}
                          << QList<QPointF>{{550, 300}, {2550, 300}, {4550, 300}, {6550, 300},
                                            {5152.06, 300}, {3152.06, 300}, {1152.06, 300}}
                          << "Antenna Diameter (metres)" << QPointF(2600, 100);
    QTest::newRow("PICB") << int(B)
                          << QStringList{"0.01", "0.1", "1", "10", "100", "0.05", "0.5", "5", "50"}
                          << QList<QPointF>{{250, 170}, {2250, 170}, {4250, 170}, {6250, 170},
                                            {8250, 170}, {1647.94, 170}, {3647.94, 170},
                                            {5647.94, 170}, {7647.94, 170}}
                          << "Frequency (GHz)" << QPointF(3600, 320);
    QTest::newRow("PICC") << int(C) << QStringList{"100", "10", "1", "0.1", "0.05", "0.5", "5", "50"}
                          << QList<QPointF>{{350, 150}, {2350, 150}, {4350, 150}, {6350, 150},
                                            {6952.06, 150}, {4952.06, 150}, {2952.06, 150},
                                            {952.06, 150}}
                          << "Beamwidth (degrees)" << QPointF(3100, 320);

    // " 0" to " 75", every 500 twips, each 70 twips left of its tick.
    QStringList gains;
    QList<QPointF> gainCorners;
    for (int db = 0; db <= 75; db += 5) {
        gains << QStringLiteral(" %1").arg(db);
        gainCorners << QPointF(380 + 100 * db, 250);
    }
    QTest::newRow("PICD") << int(D) << gains << gainCorners << "Gain (dBi)" << QPointF(3800, 100);

    QTest::newRow("PICE") << int(E) << QStringList{"10", "50", "100"}
                          << QList<QPointF>{{150, 200}, {800, 200}, {1150, 200}}
                          << "Efficiency (%)" << QPointF(1500, 150);
}

void UpperScalesTest::labelsAndTitle()
{
    QFETCH(int, scale);
    QFETCH(QStringList, texts);
    QFETCH(QList<QPointF>, corners);
    QFETCH(QString, title);
    QFETCH(QPointF, titleAt);

    const DisplayList &ops = stripOf(program_->window, scale)->displayList();
    QVERIFY(!ops.empty());
    QCOMPARE(ops.front().kind, DrawOp::FontSize);
    QCOMPARE(ops.front().size, 8.0);

    const ResolvedDrawing d = resolve(ops);
    QCOMPARE(int(d.texts.size()), texts.size() + 1);
    for (int i = 0; i < texts.size(); ++i) {
        const PrintedText &t = d.texts[std::size_t(i)];
        QCOMPARE(t.text, texts[i]);
        QVERIFY2(near(t.at, corners[i]), qPrintable(t.text + " at " + show(t.at)));
    }
    QCOMPARE(d.texts.back().text, title);
    QVERIFY2(near(d.texts.back().at, titleAt), qPrintable(show(d.texts.back().at)));
    for (const PrintedText &t : d.texts)
        QCOMPARE(t.size, 8.0);
    QCOMPARE(d.finalFontSize, 8.0);
}

void UpperScalesTest::anotherHeightMovesOnlyBottomAnchoredDrawing_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("bottomAnchored");
    QTest::newRow("PICA") << int(A) << true;
    QTest::newRow("PICB") << int(B) << false;
    QTest::newRow("PICC") << int(C) << false;
    QTest::newRow("PICD") << int(D) << true;
    QTest::newRow("PICE") << int(E) << false;
}

void UpperScalesTest::anotherHeightMovesOnlyBottomAnchoredDrawing()
{
    QFETCH(int, scale);
    QFETCH(bool, bottomAnchored);

    FixedClock clock{QDate(2027, 3, 1)};
    RecordingReporter reporter;
    Dishscope window;
    const double extra = 300;
    ScaleStrip taller(nullptr, float(stripOf(window, scale)->height() + extra));
    Module1 asLaidOut(window, reporter, clock);
    Module1 onTaller(window, surfacesWith(window, scale, &taller), reporter, clock);
    for (Module1 *module : {&asLaidOut, &onTaller}) {
        module->LG();
        (module->*Procedures[scale])();
    }
    QCOMPARE(reporter.messages, QStringList());

    const ResolvedDrawing before = resolve(stripOf(window, scale)->displayList());
    const ResolvedDrawing after = resolve(taller.displayList());
    const QPointF shift(0, bottomAnchored ? extra : 0);

    QCOMPARE(after.strokes.size(), before.strokes.size());
    for (std::size_t i = 0; i < before.strokes.size(); ++i) {
        QVERIFY2(near(after.strokes[i].from, before.strokes[i].from + shift)
                     && near(after.strokes[i].to, before.strokes[i].to + shift),
                 qPrintable(QStringLiteral("stroke %1 at %2").arg(i).arg(show(after.strokes[i].from))));
    }
    QCOMPARE(after.dots.size(), before.dots.size());
    for (std::size_t i = 0; i < before.dots.size(); ++i)
        QVERIFY2(near(after.dots[i].at, before.dots[i].at + shift), qPrintable(show(after.dots[i].at)));

    QCOMPARE(after.texts.size(), before.texts.size());
    for (std::size_t i = 0; i + 1 < before.texts.size(); ++i)
        QVERIFY2(near(after.texts[i].at, before.texts[i].at + shift), qPrintable(after.texts[i].text));
    // The title keeps its place below the top edge.
    QVERIFY(near(after.texts.back().at, before.texts.back().at));
}

void UpperScalesTest::failingStepIsReportedOnceAndDrawingGoesOn_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("recorded");
    QTest::addColumn<int>("call");

    QTest::newRow("PICA, a fine tick")
        << int(A) << int(FailingSurface::LineTo) << int(DrawOp::LineTo) << 60;
    QTest::newRow("PICB, a digit tick")
        << int(B) << int(FailingSurface::PointSet) << int(DrawOp::PointSet) << 20;
    QTest::newRow("PICC, the label 0.1")
        << int(C) << int(FailingSurface::Print) << int(DrawOp::Print) << 4;
    QTest::newRow("PICD, a minor tick")
        << int(D) << int(FailingSurface::PointSet) << int(DrawOp::PointSet) << 37;
    QTest::newRow("PICE, the label 50")
        << int(E) << int(FailingSurface::SetX) << int(DrawOp::SetX) << 2;
}

void UpperScalesTest::failingStepIsReportedOnceAndDrawingGoesOn()
{
    QFETCH(int, scale);
    QFETCH(int, operation);
    QFETCH(int, recorded);
    QFETCH(int, call);

    FixedClock clock{QDate(2027, 3, 1)};
    RecordingReporter reporter;
    Dishscope window;
    FailingSurface failing(*stripOf(window, scale));
    failing.failOn(FailingSurface::Operation(operation), call, 480);
    Module1 module(window, surfacesWith(window, scale, &failing), reporter, clock);
    module.MAIN();

    QCOMPARE(reporter.messages,
             QStringList{QStringLiteral("Error in %1()  Error number is  480").arg(Names[scale])});

    // Only the failed operation is missing, from this scale; every other scale is drawn in full.
    const QList<ScaleStrip *> drawn = stripsOf(window);
    const QList<ScaleStrip *> reference = stripsOf(program_->window);
    for (int i = 0; i < drawn.size(); ++i) {
        DisplayList expected = reference.at(i)->displayList();
        if (i == scale)
            expected = without(expected, DrawOp::Kind(recorded), call);
        const int at = firstDifference(drawn.at(i)->displayList(), expected);
        QVERIFY2(at < 0, qPrintable(QStringLiteral("%1 differs at operation %2")
                                        .arg(drawn.at(i)->objectName())
                                        .arg(at)));
    }
}

BEAMWISE_TEST_MAIN(UpperScalesTest)
#include "tst_upper_scales.moc"
