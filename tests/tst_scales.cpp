#include "scales/display_list.h"
#include "scales/scale_readings.h"
#include "scales/typeface.h"
#include "support/fixtures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>
#include <map>

// Each scale checked as a reader sees it: every tick stands at a value of its kind
// through the scale's reading rule, every label stands where its own value lies,
// the tooltip over a labelled tick reads that label, and the kept image holds
// every stroke in the pixels its twips round to.

namespace {

enum Kind { Decade, Digit, Tenth, FiveDb, WholeDb };
struct TickGroup { std::uint32_t colour; double top, bottom; int count; Kind kind; };
struct Title { const char *text; double x, y; };
struct Scale
{
    int strip;
    const ScaleReading &reading;
    double baselineY;
    std::vector<TickGroup> ticks; // colour 0 is black, which "no colour" draws in
    double labelY, decadeOffset, halfOffset;
    std::vector<Title> titles;
};

using namespace colours;
// A top-anchored logarithmic scale's ticks: each digit tick is a black stroke out and
// a blue one back, longer at the fives.
std::vector<TickGroup> hanging(int majors, int digits, int fives, int fine)
{
    return {{Red, 0, 150, majors, Decade}, {Black, 0, 100, digits, Digit}, {Blue, 0, 100, digits - fives, Digit},
            {Blue, 0, 150, fives, Digit}, {Black, 30, 100, fine, Tenth}};
}
std::vector<TickGroup> standing(std::uint32_t digit, std::uint32_t fine)
{
    return {{Red, 500, 650, 4, Decade}, {digit, 550, 650, 24, Digit}, {Blue, 550, 650, 21, Digit},
            {Blue, 500, 650, 3, Digit}, {fine, 550, 590, 57, Tenth}};
}

const std::map<QString, Scale> Scales = {
    {"diameter", {0, readings::UpperDiameter, 550, standing(Red, Magenta), 300, 50, 50, {{"Antenna Diameter (metres)", 2600, 100}}}},
    {"frequency", {1, readings::UpperFrequency, 100, hanging(5, 32, 4, 76), 170, 50, 50, {{"Frequency (GHz)", 3600, 320}}}},
    {"beamwidth", {2, readings::Beamwidth, 100, hanging(4, 31, 4, 63), 150, 50, 50, {{"Beamwidth (degrees)", 3100, 320}}}},
    {"gain", {3, readings::Gain, 470, {{Red, 420, 570, 16, FiveDb}, {Black, 470, 570, 60, WholeDb}}, 250, 70, 70,
              {{"Gain (dBi)", 3800, 100}}}},
    {"efficiency", {4, readings::Efficiency, 100, hanging(2, 8, 1, 0), 200, 50, 1000 * std::log10(5.0) - 600,
                    {{"Efficiency (%)", 1500, 150}}}},
    {"far-field range", {5, readings::FarFieldRange, 100, hanging(5, 32, 4, 76), 150, 50, 50,
                         {{"Far Field Range", 3300, 350}, {" (metres)", 5300, 350}, {"2D", 4690, 350},
                          {"2", 4900, 250}, {"/", 4950, 350}}}},
    {"lower diameter", {6, readings::LowerDiameter, 550, standing(Black, Black), 300, 50, 50,
                        {{"Antenna Diameter (metres)", 2600, 100}}}},
    {"lower frequency", {7, readings::LowerFrequency, 100, hanging(5, 32, 4, 16), 170, 20, 90, {{"Frequency (GHz)", 1900, 350}}}},
};

bool near(double a, double b, double tolerance = 1e-3) { return std::abs(a - b) <= tolerance; }
double mantissa(double v) { return v / std::pow(10.0, std::floor(std::log10(v) + 1e-9)); }
bool whole(double v) { return near(v, std::round(v)); }

bool isOfKind(double value, Kind kind)
{
    const double m = mantissa(value);
    switch (kind) {
    case Decade: return near(m, 1) || near(m, 10);
    case Digit: return whole(m) && m > 1.5 && m < 9.5;
    case Tenth: return whole(m * 10) && !whole(m);
    case FiveDb: return whole(value / 5);
    case WholeDb: return whole(value) && !whole(value / 5);
    }
    return false;
}

// The values a scale labels: every decade and half decade it spans, or every 5 dB.
QList<double> labelledValues(const ScaleReading &r)
{
    QList<double> values;
    for (double v = r.low; r.spacing == ScaleReading::Linear && v <= r.high; v += 5)
        values << v;
    for (double decade = 1e-3; r.spacing == ScaleReading::Logarithmic && decade <= r.high; decade *= 10)
        for (double v : {decade, 5 * decade})
            if (v >= r.low * 0.999 && v <= r.high * 1.001)
                values << v;
    return values;
}

// The pixel column of the view that holds a twip of the view.
int columnOf(double viewTwips) { return int(std::floor((viewTwips + 7.5) / 15)); }

} // namespace

class ScalesTest : public QObject
{
    Q_OBJECT
    StartedProgram program;

private slots:
    void everyScaleReadsTrue_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto &entry : Scales)
            QTest::newRow(qPrintable(entry.first)) << entry.first;
    }
    void everyScaleReadsTrue();
    void keptImageHoldsEveryStroke();
};

void ScalesTest::everyScaleReadsTrue()
{
    QFETCH(QString, name);
    const Scale &scale = Scales.at(name);
    const ScaleReading &r = scale.reading;
    ScaleStrip *strip = program.strips().at(scale.strip);
    const ResolvedDrawing drawing = resolve(strip->displayList());

    std::map<std::tuple<std::uint32_t, double, double>, int> counts;
    for (const Stroke &s : drawing.strokes) {
        const std::uint32_t colour = s.colour.value_or(Black);
        const double top = std::min(s.from.y(), s.to.y()), bottom = std::max(s.from.y(), s.to.y());
        if (top == bottom) { // the baseline, along the whole length of the ticks
            QCOMPARE(top, scale.baselineY);
            QVERIFY(near(std::min(s.from.x(), s.to.x()), r.firstX(), 0.01) && near(std::max(s.from.x(), s.to.x()), r.lastX(), 0.01));
            ++counts[{0, -1, -1}];
        } else if (s.from.x() == s.to.x() && s.from.x() >= 0 && s.from.x() <= strip->width() * 15) {
            const auto group = std::find_if(scale.ticks.begin(), scale.ticks.end(), [&](const TickGroup &g) {
                return g.colour == colour && g.top == top && g.bottom == bottom;
            });
            QVERIFY2(group != scale.ticks.end() && isOfKind(r.value(s.from.x()), group->kind),
                     qPrintable(QString("tick at x %1, y %2 to %3, colour %4 reads %5")
                                    .arg(s.from.x()).arg(top).arg(bottom).arg(colour, 0, 16).arg(r.value(s.from.x()))));
            ++counts[{colour, top, bottom}];
        }
    }
    QCOMPARE(counts[std::make_tuple(0u, -1.0, -1.0)], 1);
    for (const TickGroup &g : scale.ticks)
        QCOMPARE(counts[std::make_tuple(g.colour, g.top, g.bottom)], g.count);

    // Labels: exactly the labelled values, each at its offset left of where it
    // lies, and the tooltip over its tick reads it. Every other text is a title.
    QList<double> labelled;
    QList<std::tuple<QString, double, double>> titles, expected;
    for (const PrintedText &text : drawing.texts) {
        bool number = false;
        const double value = QString(text.text).remove(',').trimmed().toDouble(&number);
        if (!number || text.size != 8) {
            titles << std::make_tuple(text.text, text.at.x(), text.at.y());
            continue;
        }
        labelled << value;
        const bool half = r.spacing == ScaleReading::Logarithmic && near(mantissa(value), 5);
        QVERIFY2(near(r.position(value) - text.at.x(), half ? scale.halfOffset : scale.decadeOffset, 0.01), qPrintable(text.text));
        QCOMPARE(text.at.y(), scale.labelY);
        const QString tip = strip->readingAt(QPoint(columnOf(strip->leftTwips() + r.position(value)) - strip->x(), 5));
        const double read = QLocale().toDouble(QRegularExpression("[\\d.,]+").match(tip).captured());
        QVERIFY2(near(read, value, 0.02 * value + 0.08), qPrintable(tip));
    }
    std::sort(labelled.begin(), labelled.end());
    QCOMPARE(labelled, labelledValues(r));
    for (const Title &t : scale.titles)
        expected << std::make_tuple(QString::fromUtf8(t.text), t.x, t.y);
    QCOMPARE(titles, expected);

    // The tooltip stops with the ticks: the pixels that hold their ends read, the next ones do not.
    for (const auto &[end, beyond] : {std::pair{r.firstX(), -1}, {r.lastX(), 1}}) {
        const int column = columnOf(strip->leftTwips() + end) - strip->x();
        QVERIFY(!strip->readingAt(QPoint(column, 5)).isEmpty());
        QCOMPARE(strip->readingAt(QPoint(column + beyond, 5)), QString());
    }
}

// Every axis-aligned stroke fills the pixel run its two ends round to, both ends
// included, in its colour; everything away from strokes and texts is white.
void ScalesTest::keptImageHoldsEveryStroke()
{
    for (ScaleStrip *strip : program.strips()) {
        const QImage shot = strip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected(shot.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QRegion busy; // texts and drawn letters, whose pixels are the face's own
        const double phase = strip->leftTwips() - strip->x() * 15.0;
        auto px = [](double twips) { return int(std::lround(twips / 15)); };
        const ResolvedDrawing drawing = resolve(strip->displayList());
        for (const Stroke &s : drawing.strokes) {
            const int x1 = px(s.from.x() + phase), x2 = px(s.to.x() + phase), y1 = px(s.from.y()), y2 = px(s.to.y());
            const QRect run(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
            const std::uint32_t bgr = s.colour.value_or(0);
            if (run.width() > 1 && run.height() > 1)
                busy += run;
            else
                QPainter(&expected).fillRect(run, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16));
        }
        for (const PrintedText &t : drawing.texts) {
            const QFontMetricsF metrics(layoutFace(t.size));
            busy += metrics.boundingRect(t.text).translated(px(t.at.x() + phase), px(t.at.y()) + metrics.ascent()).toAlignedRect().adjusted(-2, -2, 2, 2);
        }
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (expected.pixel(x, y) != qRgb(255, 255, 255) || !busy.contains(QPoint(x, y)))
                    QVERIFY2(shot.pixel(x, y) == expected.pixel(x, y), qPrintable(QString("%1 at %2,%3").arg(strip->objectName()).arg(x).arg(y)));
    }
}

BEAMWISE_TEST_MAIN(ScalesTest)
#include "tst_scales.moc"
