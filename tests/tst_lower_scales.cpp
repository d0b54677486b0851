#include "app/layout.h"
#include "app/sunken_panel.h"
#include "scales/scale_strip.h"
#include "scales/typeface.h"
#include "support/failing_surface.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double Tolerance = 0.01;
constexpr int Foreground = -1;

// A colour column: an explicit 0x00BBGGRR value, or Foreground for none.
Colour colourOf(int code)
{
    return code == Foreground ? Colour{} : Colour{std::uint32_t(code)};
}

ScaleStrip *stripOf(Dishscope &window, const QString &procedure)
{
    if (procedure == QLatin1String("PICF"))
        return window.picPICF;
    if (procedure == QLatin1String("PICG"))
        return window.picPICG;
    return window.picPICH;
}

// Fills the table and runs one lower scale procedure on the module's surfaces.
void drawWith(Module1 &module, const QString &procedure)
{
    module.LG();
    if (procedure == QLatin1String("PICF"))
        module.PICF();
    else if (procedure == QLatin1String("PICG"))
        module.PICG();
    else
        module.PICH();
}

// One lower scale drawn by a fresh module on a fresh window's own strip.
struct OneScale
{
    explicit OneScale(const QString &procedure)
        : strip(stripOf(window, procedure))
    {
        drawWith(module, procedure);
    }

    ResolvedDrawing drawing() const { return resolve(strip->displayList()); }

    FixedClock clock{QDate(2027, 3, 1)};
    RecordingReporter reporter;
    Dishscope window;
    Module1 module{window, reporter, clock};
    ScaleStrip *strip;
};

// A module that draws one lower scale on the given surface instead of its strip.
struct Redirected
{
    Redirected(const QString &procedure, Surface &surface)
        : module(window,
                 {window.picPICA, window.picPICB, window.picPICC, window.picPICD, window.picPICE,
                  procedure == QLatin1String("PICF") ? &surface : window.picPICF,
                  procedure == QLatin1String("PICG") ? &surface : window.picPICG,
                  procedure == QLatin1String("PICH") ? &surface : window.picPICH},
                 reporter, clock)
    {
        drawWith(module, procedure);
    }

    FixedClock clock{QDate(2027, 3, 1)};
    RecordingReporter reporter;
    Dishscope window;
    Module1 module;
};

bool near(double a, double b, double within = Tolerance) { return std::fabs(a - b) <= within; }

QString describe(const QPointF &p) { return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y()); }


bool isPureBlue(QRgb rgb) { return qRed(rgb) == 0 && qGreen(rgb) == 0 && qBlue(rgb) == 255; }

// Where a printed text's ink lies, in pixels of its strip, drawn as the strip draws it.
QRectF inkOf(const PrintedText &text)
{
    const QFontMetricsF metrics(layoutFace(text.size));
    const QPointF corner(std::lround(text.at.x() / 15), std::lround(text.at.y() / 15));
    return metrics.tightBoundingRect(text.text).translated(corner + QPointF(0, metrics.ascent()));
}

} // namespace

class LowerScalesTest : public QObject
{
    Q_OBJECT

private slots:
    void tickGroups_data();
    void tickGroups();
    void baselines_data();
    void baselines();
    void totals_data();
    void totals();
    void texts_data();
    void texts();
    void lambdaIsTwoBlackStrokes();
    void diameterScaleFollowsItsHeight_data();
    void diameterScaleFollowsItsHeight();
    void onlyTheDiameterScaleReadsTheHeight_data();
    void onlyTheDiameterScaleReadsTheHeight();
    void failuresNameTheirProcedure_data();
    void failuresNameTheirProcedure();
    void textsFitTheirStripsAndOverlapNothing_data();
    void textsFitTheirStripsAndOverlapNothing();
    void oneMetreStandsOverTenGigahertz();
    void rangeUnderTheMarkIsAboutSeventyMetres();
    void pictureOfTheNomogram();
};

void LowerScalesTest::tickGroups_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<int>("colour");
    QTest::addColumn<double>("fromY");
    QTest::addColumn<double>("toY");
    QTest::addColumn<int>("count");
    // Ticks that must be in the group, and places where the group must have none.
    QTest::addColumn<QList<double>>("present");
    QTest::addColumn<QList<double>>("absent");

    const int red = colours::Red;
    const int blue = colours::Blue;

    // Far-field range: 1 m at 8600, 2000 twips a decade leftwards.
    QTest::newRow("PICF major") << "PICF" << red << 0.0 << 150.0 << 5
                                << QList<double>{600, 2600, 4600, 6600, 8600} << QList<double>{};
    // 2 m, 3 m, 9,000 m.
    QTest::newRow("PICF digit up") << "PICF" << Foreground << 100.0 << 0.0 << 32
                                   << QList<double>{7997.94, 7645.76, 691.51} << QList<double>{};
    QTest::newRow("PICF digit down") << "PICF" << blue << 0.0 << 100.0 << 28
                                     << QList<double>{7997.94, 7645.76, 691.51}
                                     << QList<double>{7202.06, 1202.06};
    QTest::newRow("PICF half-decade") << "PICF" << blue << 0.0 << 150.0 << 4
                                      << QList<double>{7202.06, 5202.06, 3202.06, 1202.06}
                                      << QList<double>{};
    // 1.1 m, 3.2 m, 4.5 m, 5.6 m, 5,600 m; none at 5.5 m or 6.5 m.
    QTest::newRow("PICF fine") << "PICF" << Foreground << 100.0 << 30.0 << 76
                               << QList<double>{8517.21, 7589.70, 7293.57, 7103.62, 1103.62}
                               << QList<double>{7119.27, 6974.17};

    // Lower diameter, height 670: 0.1 m at 6600, 2000 twips a decade leftwards.
    QTest::newRow("PICG major") << "PICG" << red << 500.0 << 650.0 << 4
                                << QList<double>{600, 2600, 4600, 6600} << QList<double>{};
    // 0.2 m, 3 m, 90 m.
    QTest::newRow("PICG digit down") << "PICG" << Foreground << 550.0 << 650.0 << 24
                                     << QList<double>{5997.94, 3645.76, 691.51} << QList<double>{};
    QTest::newRow("PICG digit up") << "PICG" << blue << 650.0 << 550.0 << 21
                                   << QList<double>{5997.94, 3645.76, 691.51}
                                   << QList<double>{5202.06, 3202.06};
    QTest::newRow("PICG half-decade") << "PICG" << blue << 650.0 << 500.0 << 3
                                      << QList<double>{5202.06, 3202.06, 1202.06} << QList<double>{};
    // 0.11 m, 11 m, 0.56 m, 5.6 m; none at 5.5 m or 6.5 m.
    QTest::newRow("PICG fine") << "PICG" << Foreground << 590.0 << 550.0 << 57
                               << QList<double>{6517.21, 2517.21, 5103.62, 3103.62}
                               << QList<double>{3119.27, 2974.17};

    // Lower frequency: 0.01 GHz at 300, 1000 twips a decade rightwards.
    QTest::newRow("PICH major") << "PICH" << red << 0.0 << 150.0 << 5
                                << QList<double>{300, 1300, 2300, 3300, 4300} << QList<double>{};
    // 0.02 GHz, 0.03 GHz, 90 GHz.
    QTest::newRow("PICH digit up") << "PICH" << Foreground << 100.0 << 0.0 << 32
                                   << QList<double>{601.03, 777.12, 4254.24} << QList<double>{};
    QTest::newRow("PICH digit down") << "PICH" << blue << 0.0 << 100.0 << 28
                                     << QList<double>{601.03, 777.12, 4254.24}
                                     << QList<double>{998.97, 3998.97};
    QTest::newRow("PICH half-decade") << "PICH" << blue << 0.0 << 150.0 << 4
                                      << QList<double>{998.97, 1998.97, 2998.97, 3998.97}
                                      << QList<double>{};
    // 0.012 GHz, 0.018 GHz, 18 GHz; none at 1.1, 1.5 or 2.2 GHz.
    QTest::newRow("PICH fine") << "PICH" << Foreground << 100.0 << 30.0 << 16
                               << QList<double>{379.18, 555.27, 3555.27}
                               << QList<double>{2341.39, 2476.09, 2642.42};
}

void LowerScalesTest::tickGroups()
{
    QFETCH(QString, procedure);
    QFETCH(int, colour);
    QFETCH(double, fromY);
    QFETCH(double, toY);
    QFETCH(int, count);
    QFETCH(QList<double>, present);
    QFETCH(QList<double>, absent);

    OneScale scale(procedure);
    QVERIFY(scale.reporter.messages.isEmpty());
    QList<double> group;
    for (const Stroke &stroke : scale.drawing().strokes) {
        if (stroke.colour == colourOf(colour) && near(stroke.from.y(), fromY) && near(stroke.to.y(), toY)) {
            QCOMPARE(stroke.to.x(), stroke.from.x());
            group << stroke.from.x();
        }
    }
    QCOMPARE(group.size(), count);
    for (double x : present) {
        QVERIFY2(std::any_of(group.begin(), group.end(), [x](double at) { return near(at, x); }),
                 qPrintable(QStringLiteral("no tick at %1").arg(x)));
    }
    for (double x : absent) {
        QVERIFY2(std::none_of(group.begin(), group.end(), [x](double at) { return near(at, x, 1); }),
                 qPrintable(QStringLiteral("a tick at %1").arg(x)));
    }
}

void LowerScalesTest::baselines_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::newRow("PICF") << "PICF" << QPointF(600, 100) << QPointF(8600, 100);
    QTest::newRow("PICG") << "PICG" << QPointF(600, 550) << QPointF(6600, 550);
    QTest::newRow("PICH") << "PICH" << QPointF(300, 100) << QPointF(4300, 100);
}

void LowerScalesTest::baselines()
{
    QFETCH(QString, procedure);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);

    OneScale scale(procedure);
    std::vector<Stroke> level;
    for (const Stroke &stroke : scale.drawing().strokes) {
        if (stroke.from.y() == stroke.to.y())
            level.push_back(stroke);
    }
    QCOMPARE(level.size(), std::size_t(1));
    QCOMPARE(level[0].from, from);
    QCOMPARE(level[0].to, to);
    QVERIFY(!level[0].colour);
}

void LowerScalesTest::totals_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<int>("strokes");
    QTest::addColumn<int>("dots");
    QTest::addColumn<int>("texts");
    QTest::addColumn<double>("finalFontSize");
    // Baseline, major, digit (two strokes, one dot each), fine, and for PICF the λ.
    QTest::newRow("PICF") << "PICF" << 1 + 5 + 64 + 76 + 2 << 1 + 5 + 32 + 76 + 2 << 9 + 5 << 6.0;
    QTest::newRow("PICG") << "PICG" << 1 + 4 + 48 + 57 << 1 + 4 + 24 + 57 << 7 + 1 << 8.0;
    QTest::newRow("PICH") << "PICH" << 1 + 5 + 64 + 16 << 1 + 5 + 32 + 16 << 9 + 1 << 8.0;
}

void LowerScalesTest::totals()
{
    QFETCH(QString, procedure);
    QFETCH(int, strokes);
    QFETCH(int, dots);
    QFETCH(int, texts);
    QFETCH(double, finalFontSize);

    OneScale scale(procedure);
    const ResolvedDrawing drawing = scale.drawing();
    QCOMPARE(int(drawing.strokes.size()), strokes);
    QCOMPARE(int(drawing.dots.size()), dots);
    QCOMPARE(int(drawing.texts.size()), texts);
    QCOMPARE(drawing.finalFontSize, finalFontSize);
    QVERIFY(scale.reporter.messages.isEmpty());
    QVERIFY(scale.module.MSG.isEmpty());
    // Every major tick starts with a red point; no other point is red.
    const auto redDots = std::count_if(drawing.dots.begin(), drawing.dots.end(),
                                       [](const Dot &dot) { return dot.colour == Colour{colours::Red}; });
    QCOMPARE(int(redDots), procedure == QLatin1String("PICG") ? 4 : 5);
}

void LowerScalesTest::texts_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<double>("size");

    struct Row
    {
        const char *text;
        double x, y, size;
    };
    auto rows = [](const char *procedure, std::initializer_list<Row> list) {
        int index = 0;
        for (const Row &row : list) {
            QTest::addRow("%s %d \"%s\"", procedure, index, row.text)
                << QString::fromLatin1(procedure) << index << QString::fromUtf8(row.text)
                << QPointF(row.x, row.y) << row.size;
            ++index;
        }
    };

    // Decade labels from the left end, half-decade labels from the right end, then the
    // title; the title's pieces come in the order they are printed, not as they read.
    rows("PICF", {{"10,000", 550, 150, 8},
                  {"1,000", 2550, 150, 8},
                  {"100", 4550, 150, 8},
                  {"10", 6550, 150, 8},
                  {"1", 8550, 150, 8},
                  {"5", 7152.06, 150, 8},
                  {"50", 5152.06, 150, 8},
                  {"500", 3152.06, 150, 8},
                  {"5,000", 1152.06, 150, 8},
                  {"Far Field Range", 3300, 350, 8},
                  {" (metres)", 5300, 350, 8},
                  {"2D", 4690, 350, 8},
                  {"2", 4900, 250, 6},
                  {"/", 4950, 350, 6}});
    rows("PICG", {{"100", 550, 300, 8},
                  {"10", 2550, 300, 8},
                  {"1", 4550, 300, 8},
                  {"0.1", 6550, 300, 8},
                  {"0.5", 5152.06, 300, 8},
                  {"5", 3152.06, 300, 8},
                  {"50", 1152.06, 300, 8},
                  {"Antenna Diameter (metres)", 2600, 100, 8}});
    // Decade labels 20 twips and half-decade labels 90 twips left of their ticks.
    rows("PICH", {{"0.01", 280, 170, 8},
                  {"0.1", 1280, 170, 8},
                  {"1", 2280, 170, 8},
                  {"10", 3280, 170, 8},
                  {"100", 4280, 170, 8},
                  {"0.05", 908.97, 170, 8},
                  {"0.5", 1908.97, 170, 8},
                  {"5", 2908.97, 170, 8},
                  {"50", 3908.97, 170, 8},
                  {"Frequency (GHz)", 1900, 350, 8}});
}

void LowerScalesTest::texts()
{
    QFETCH(QString, procedure);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QPointF, at);
    QFETCH(double, size);

    OneScale scale(procedure);
    const ResolvedDrawing drawing = scale.drawing();
    QVERIFY(index < int(drawing.texts.size()));
    const PrintedText &printed = drawing.texts[index];
    QCOMPARE(printed.text, text);
    QVERIFY2(near(printed.at.x(), at.x()) && near(printed.at.y(), at.y()),
             qPrintable(describe(printed.at) + QStringLiteral(" instead of ") + describe(at)));
    QCOMPARE(printed.size, size);
}

void LowerScalesTest::lambdaIsTwoBlackStrokes()
{
    OneScale scale(QStringLiteral("PICF"));
    const ResolvedDrawing drawing = scale.drawing();
    const Colour black{colours::Black};

    std::vector<Stroke> strokes;
    std::copy_if(drawing.strokes.begin(), drawing.strokes.end(), std::back_inserter(strokes),
                 [&](const Stroke &stroke) { return stroke.colour == black; });
    QCOMPARE(strokes.size(), std::size_t(2));
    QCOMPARE(strokes[0].from, QPointF(5105, 387));
    QCOMPARE(strokes[0].to, QPointF(5180, 525));
    QCOMPARE(strokes[1].from, QPointF(5130, 450));
    QCOMPARE(strokes[1].to, QPointF(5080, 525));

    std::vector<QPointF> blackDots;
    for (const Dot &dot : drawing.dots) {
        if (dot.colour == black)
            blackDots.push_back(dot.at);
    }
    QCOMPARE(blackDots, (std::vector<QPointF>{QPointF(5105, 387), QPointF(5130, 450)}));

    // The letter itself is never printed.
    for (const PrintedText &text : drawing.texts)
        QVERIFY2(!text.text.contains(QChar(0x03BB)), qPrintable(text.text));

    // The other two scales use no explicit black.
    for (const char *other : {"PICG", "PICH"}) {
        OneScale plain{QString::fromLatin1(other)};
        const ResolvedDrawing d = plain.drawing();
        QVERIFY(std::none_of(d.strokes.begin(), d.strokes.end(),
                             [&](const Stroke &stroke) { return stroke.colour == black; }));
    }
}

void LowerScalesTest::diameterScaleFollowsItsHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("lower") << 500;
    QTest::newRow("higher") << 900;
    QTest::newRow("much higher") << 1500;
}

void LowerScalesTest::diameterScaleFollowsItsHeight()
{
    QFETCH(int, height);
    const double shift = height - 670;

    OneScale laidOut(QStringLiteral("PICG"));
    ScaleStrip other(nullptr, float(height));
    Redirected redrawn(QStringLiteral("PICG"), other);
    QVERIFY(redrawn.reporter.messages.isEmpty());
    QCOMPARE(redrawn.module.HT, double(height));

    const ResolvedDrawing reference = laidOut.drawing();
    const ResolvedDrawing moved = resolve(other.displayList());
    QCOMPARE(moved.strokes.size(), reference.strokes.size());
    for (std::size_t i = 0; i < moved.strokes.size(); ++i) {
        const Stroke &a = reference.strokes[i];
        const Stroke &b = moved.strokes[i];
        QVERIFY2(b.from == a.from + QPointF(0, shift) && b.to == a.to + QPointF(0, shift)
                     && b.colour == a.colour,
                 qPrintable(QStringLiteral("stroke %1 from %2").arg(i).arg(describe(b.from))));
    }
    // The baseline keeps its distance from the bottom edge.
    QCOMPARE(moved.strokes.front().from, QPointF(600, height - 120));

    QCOMPARE(moved.texts.size(), reference.texts.size());
    for (std::size_t i = 0; i + 1 < moved.texts.size(); ++i) {
        QCOMPARE(moved.texts[i].text, reference.texts[i].text);
        QCOMPARE(moved.texts[i].at, reference.texts[i].at + QPointF(0, shift));
        QCOMPARE(moved.texts[i].at.y(), double(height - 370));
    }
    // The title keeps its place below the top edge.
    QCOMPARE(moved.texts.back().text, QStringLiteral("Antenna Diameter (metres)"));
    QCOMPARE(moved.texts.back().at, QPointF(2600, 100));
}

void LowerScalesTest::onlyTheDiameterScaleReadsTheHeight_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<QStringList>("reports");
    QTest::newRow("PICF") << "PICF" << QStringList{};
    QTest::newRow("PICG") << "PICG" << QStringList{"Error in PICG()  Error number is  480"};
    QTest::newRow("PICH") << "PICH" << QStringList{};
}

void LowerScalesTest::onlyTheDiameterScaleReadsTheHeight()
{
    QFETCH(QString, procedure);
    QFETCH(QStringList, reports);

    // A strip of another height whose height cannot be read at all.
    ScaleStrip other(nullptr, 1200);
    FailingSurface failing(other);
    failing.failAlways(FailingSurface::Height, 480);
    Redirected redrawn(procedure, failing);
    QCOMPARE(redrawn.reporter.messages, reports);

    OneScale laidOut(procedure);
    if (reports.isEmpty()) {
        QVERIFY(other.displayList() == laidOut.strip->displayList());
    } else {
        // The drawing goes on after the failed read, with every text still printed.
        QCOMPARE(resolve(other.displayList()).texts.size(), laidOut.drawing().texts.size());
    }
}

void LowerScalesTest::failuresNameTheirProcedure_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::newRow("PICF") << "PICF";
    QTest::newRow("PICG") << "PICG";
    QTest::newRow("PICH") << "PICH";
}

void LowerScalesTest::failuresNameTheirProcedure()
{
    QFETCH(QString, procedure);
    Dishscope window;
    FailingSurface failing(*stripOf(window, procedure));
    failing.failOn(FailingSurface::Print, 2, 480);
    failing.failOn(FailingSurface::LineTo, 7, 481);
    Redirected redrawn(procedure, failing);

    const QString prefix = QStringLiteral("Error in %1()  Error number is  ").arg(procedure);
    QCOMPARE(redrawn.reporter.messages, (QStringList{prefix + "481", prefix + "480"}));
    QCOMPARE(redrawn.module.MSG, prefix + "480");

    // Only the failed print and the failed line are missing; the second label is skipped.
    OneScale laidOut(procedure);
    const ResolvedDrawing full = laidOut.drawing();
    const ResolvedDrawing drawn = resolve(stripOf(window, procedure)->displayList());
    QCOMPARE(drawn.strokes.size() + 1, full.strokes.size());
    QCOMPARE(drawn.texts.size() + 1, full.texts.size());
    QCOMPARE(drawn.texts[1].text, full.texts[2].text);
}

void LowerScalesTest::textsFitTheirStripsAndOverlapNothing_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::newRow("PICF") << "PICF";
    QTest::newRow("PICG") << "PICG";
    QTest::newRow("PICH") << "PICH";
}

void LowerScalesTest::textsFitTheirStripsAndOverlapNothing()
{
    QFETCH(QString, procedure);
    OneScale scale(procedure);
    const ResolvedDrawing drawing = scale.drawing();
    const QRectF strip(QPointF(0, 0), QSizeF(scale.strip->size()));

    std::vector<QRectF> inks;
    for (const PrintedText &text : drawing.texts) {
        const QRectF ink = inkOf(text);
        QVERIFY2(strip.contains(ink), qPrintable(QStringLiteral("\"%1\" is clipped").arg(text.text)));
        inks.push_back(ink);
    }
    for (std::size_t i = 0; i < inks.size(); ++i) {
        for (std::size_t j = i + 1; j < inks.size(); ++j) {
            QVERIFY2(!inks[i].intersects(inks[j]),
                     qPrintable(QStringLiteral("\"%1\" overlaps \"%2\"")
                                    .arg(drawing.texts[i].text, drawing.texts[j].text)));
        }
    }
    // No tick or stroke runs through a text.
    for (const Stroke &stroke : drawing.strokes) {
        for (int step = 0; step <= 40; ++step) {
            const QPointF point = (stroke.from + (stroke.to - stroke.from) * (step / 40.0)) / 15;
            for (std::size_t i = 0; i < inks.size(); ++i) {
                QVERIFY2(!inks[i].adjusted(0.5, 0.5, -0.5, -0.5).contains(point),
                         qPrintable(QStringLiteral("a stroke from %1 crosses \"%2\"")
                                        .arg(describe(stroke.from), drawing.texts[i].text)));
            }
        }
    }
}

void LowerScalesTest::oneMetreStandsOverTenGigahertz()
{
    StartedProgram program;
    Dishscope &w = program.window;
    // Painted first at the start position, as the user first sees it, then slid.
    w.grab();
    w.scrSCROLL2->setValue(15080);
    QCOMPARE(w.picPICG->leftTwips(), 985.0f);
    QCOMPARE(w.picPICH->leftTwips(), 2285.0f);
    // 1 m (x 4600 on its strip) and 10 GHz (x 3300 on its strip) both at x 5585 of the view.
    QCOMPARE(w.picPICG->leftTwips() + 4600, w.picPICH->leftTwips() + 3300);

    const QImage shot = w.grab().toImage();
    const int expected = viewColumn(5585);
    // The red major tick of picPICG hangs from 6725 to 6875, that of picPICH rises from 6870.
    const QList<int> diameter =
        columnsWhere(shot, viewRow(6225 + 600), expected - 6, expected + 6, isPureRed);
    const QList<int> frequency =
        columnsWhere(shot, viewRow(6870 + 60), expected - 6, expected + 6, isPureRed);
    QCOMPARE(diameter.size(), 1);
    QCOMPARE(frequency.size(), 1);
    QVERIFY2(std::abs(frequency.first() - expected) <= 1, qPrintable(QString::number(frequency.first())));
    QCOMPARE(diameter.first(), frequency.first());
}

void LowerScalesTest::rangeUnderTheMarkIsAboutSeventyMetres()
{
    StartedProgram program;
    Dishscope &w = program.window;
    // Painted first at the start position, as the user first sees it, then slid.
    w.grab();
    w.scrSCROLL2->setValue(15080);
    const double leftF = w.picPICF->leftTwips();
    QCOMPARE(leftF, 39.0);

    // By the range scale's own rule: R stands at x = 8600 - 2000 log10 R on its strip.
    const Placement &cursor = placementOf("lblCursor3");
    const double markMiddle = cursor.left + cursor.width / 2.0;
    QCOMPARE(markMiddle, 4950.0);
    const double range = std::pow(10.0, (8600 - (markMiddle - leftF)) / 2000);
    QVERIFY2(range > 60 && range < 80, qPrintable(QString::number(range)));

    // On the picture: the mark's columns above the strip, and just below the strip's top
    // edge, where only major and digit ticks reach, the red 100 m tick on the left of the
    // mark and the blue ticks of 90, 80, 70 and 60 m that follow it to the right.
    const QImage shot = w.grab().toImage();
    const QList<int> mark = columnsWhere(shot, viewRow(7800), viewColumn(4800), viewColumn(5100), isMark);
    QVERIFY(!mark.isEmpty());
    const int row = viewRow(7875 + 15);
    const QList<int> red = columnsWhere(shot, row, mark.first() - 40, mark.first(), isPureRed);
    QCOMPARE(red.size(), 1);
    const QList<int> blue = columnsWhere(shot, row, red.first() + 1, mark.last() + 15, isPureBlue);
    QVERIFY(blue.size() >= 4);
    const double middle = (mark.first() + mark.last()) / 2.0;
    QVERIFY2(blue[1] < middle && middle < blue[3],
             qPrintable(QStringLiteral("mark at %1, 80 m at %2, 60 m at %3")
                            .arg(middle).arg(blue[1]).arg(blue[3])));
}

void LowerScalesTest::pictureOfTheNomogram()
{
    StartedProgram program;
    Dishscope &w = program.window;
    const QImage view = w.picPIC->grab().toImage();
    const QString file = QDir::currentPath() + QStringLiteral("/nomogram.png");
    QVERIFY(view.save(file));
    const QImage saved(file);
    QCOMPARE(saved.size(), view.size());

    // Each lower strip shows red ticks and black text where the view places it.
    for (ScaleStrip *strip : {w.picPICF, w.picPICG, w.picPICH}) {
        const QRect area = strip->geometry().translated(w.picPIC->client()->pos());
        int red = 0, black = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = std::max(0, area.left()); x <= std::min(saved.width() - 1, area.right()); ++x) {
                const QRgb rgb = saved.pixel(x, y);
                red += isPureRed(rgb);
                black += qRed(rgb) < 64 && qGreen(rgb) < 64 && qBlue(rgb) < 64;
            }
        }
        QVERIFY2(red > 0 && black > 0, qPrintable(strip->objectName()));
    }
}

BEAMWISE_TEST_MAIN(LowerScalesTest)
#include "tst_lower_scales.moc"
