#include "scales/display_list.h"
#include "scales/typeface.h"
#include "support/window.h"

// Each scale checked as a reader sees it: every kind of tick stands at exactly the
// values of its kind over the scale's range, read through the scale's own rule;
// every label reads as printed where its value lies, and the tooltip over its tick
// reads it; the kept image holds every stroke in the pixels its twips round to.

namespace {

// The ticks of a kind: decades; digits 2 to 9, of which those but 5 are short and
// 5 is long; fine ticks in the scale's stretches of mantissas; every 5 dB and every
// other whole dB.
enum Kind { Decade, Digit, Short, Long, Fine, FiveDb, WholeDb };
struct TickGroup
{
    std::uint32_t colour;
    double top, bottom;
    Kind kind;
};
struct Stretch
{
    double from, to, step;
};
struct Title
{
    const char *text;
    double x, y, size = 8;
};
struct Scale
{
    int strip;
    const ScaleRule &reading;
    double baselineY;
    std::vector<TickGroup> ticks; // colour 0 is black, which "no colour" draws in
    std::vector<Stretch> fine;
    double labelY, decadeOffset, halfOffset;
    std::vector<Title> titles;
};

using namespace colours;
// A top-anchored logarithmic scale's ticks: each digit tick is a black stroke out and a blue one
// back.
const std::vector<TickGroup> Hanging{{Red, 0, 150, Decade},
                                     {Black, 0, 100, Digit},
                                     {Blue, 0, 100, Short},
                                     {Blue, 0, 150, Long},
                                     {Black, 30, 100, Fine}};
std::vector<TickGroup> standing(std::uint32_t digit, std::uint32_t fine)
{
    return {{Red, 500, 650, Decade},
            {digit, 550, 650, Digit},
            {Blue, 550, 650, Short},
            {Blue, 500, 650, Long},
            {fine, 550, 590, Fine}};
}
const std::vector<Stretch> Tenths{
        {1.1, 1.9, 0.1}, {2.2, 2.8, 0.2}, {3.2, 3.8, 0.2}, {4.5, 4.5, 1}, {5.6, 5.6, 1}};

const std::map<QString, Scale> Scales = {
        {"diameter",
         {0,
          readings::UpperDiameter,
          550,
          standing(Red, Magenta),
          Tenths,
          300,
          50,
          50,
          {{"Antenna Diameter (metres)", 2600, 100}}}},
        {"frequency",
         {1,
          readings::UpperFrequency,
          100,
          Hanging,
          Tenths,
          170,
          50,
          50,
          {{"Frequency (GHz)", 3600, 320}}}},
        {"beamwidth",
         {2,
          readings::Beamwidth,
          100,
          Hanging,
          Tenths,
          150,
          50,
          50,
          {{"Beamwidth (degrees)", 3100, 320}}}},
        {"gain",
         {3,
          readings::Gain,
          470,
          {{Red, 420, 570, FiveDb}, {Black, 470, 570, WholeDb}},
          {},
          250,
          70,
          70,
          {{"Gain (dBi)", 3800, 100}}}},
        {"efficiency",
         {4,
          readings::Efficiency,
          100,
          Hanging,
          {},
          200,
          50,
          1000 * std::log10(5.0) - 600,
          {{"Efficiency (%)", 1500, 150}}}},
        {"far-field range",
         {5,
          readings::FarFieldRange,
          100,
          Hanging,
          Tenths,
          150,
          50,
          50,
          {{"Far Field Range", 3300, 350},
           {" (metres)", 5300, 350},
           {"2D", 4690, 350},
           {"2", 4900, 250, 6},
           {"/", 4950, 350, 6}}}},
        {"lower diameter",
         {6,
          readings::LowerDiameter,
          550,
          standing(Black, Black),
          Tenths,
          300,
          50,
          50,
          {{"Antenna Diameter (metres)", 2600, 100}}}},
        {"lower frequency",
         {7,
          readings::LowerFrequency,
          100,
          Hanging,
          {{1.2, 1.8, 0.2}},
          170,
          20,
          90,
          {{"Frequency (GHz)", 1900, 350}}}},
};

// The values at which the ticks of a kind stand over the scale's range:
// on a linear scale whole values, on a logarithmic one its mantissas in every decade.
QList<double> valuesOf(Kind kind, const Scale &scale)
{
    const ScaleRule &r = scale.reading;
    QList<double> mantissas, values;
    if (kind == Decade)
        mantissas << 1;
    for (int d = 2; d <= 9; ++d)
        if (kind == Digit || (kind == Short && d != 5) || (kind == Long && d == 5))
            mantissas << d;
    for (const Stretch &s : scale.fine)
        for (int i = 0; kind == Fine && s.from + i * s.step <= s.to + 1e-9; ++i)
            mantissas << s.from + i * s.step;
    for (double v = r.low; r.spacing == ScaleRule::Linear && kind >= FiveDb && v <= r.high; ++v)
        if ((std::fmod(v, 5) == 0) == (kind == FiveDb))
            values << v;
    for (int decade = -3; r.spacing == ScaleRule::Logarithmic && decade <= 4; ++decade)
        for (double m : mantissas)
            if (const double v = m * std::pow(10.0, decade);
                v >= r.low * 0.999 && v <= r.high * 1.001)
                values << v;
    return values;
}

// Values as a reader compares them, to four figures, smallest first.
QStringList figures(QList<double> values)
{
    std::sort(values.begin(), values.end());
    QStringList texts;
    for (double v : values)
        texts << QString::number(v, 'g', 4);
    return texts;
}

// A label or title as drawn: its text, where it starts, its size.
QString printed(const QString &text, double x, double y, double size)
{
    return QString("\"%1\" at %2,%3 in %4 pt").arg(text).arg(x, 0, 'f', 1).arg(y).arg(size);
}

// The pixel column of the view that holds a twip of the view.
int columnOf(double viewTwips)
{
    return int(std::floor((viewTwips + 7.5) / 15));
}

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

    void everyScaleReadsTrue()
    {
        QFETCH(QString, name);
        const Scale &scale = Scales.at(name);
        const ScaleRule &r = scale.reading;
        ScaleStrip *strip = program.strips().at(scale.strip);
        const ResolvedDrawing drawing = resolve(strip->displayList());

        int baselines = 0;
        std::map<std::tuple<std::uint32_t, double, double>, QList<double>> ticks;
        for (const Stroke &s : drawing.strokes) {
            const std::uint32_t colour = s.colour.value_or(Black);
            const double top = std::min(s.from.y(), s.to.y()),
                         bottom = std::max(s.from.y(), s.to.y());
            if (top == bottom) { // the baseline, along the whole length of the ticks
                QCOMPARE(top, scale.baselineY);
                QVERIFY(near(std::min(s.from.x(), s.to.x()), r.firstX(), 0.01)
                        && near(std::max(s.from.x(), s.to.x()), r.lastX(), 0.01));
                ++baselines;
            } else if (s.from.x() == s.to.x() && s.from.x() >= 0
                       && s.from.x() <= strip->width() * 15) {
                const auto ofTheGroup = [&](const TickGroup &g) {
                    return std::tuple(g.colour, g.top, g.bottom) == std::tuple(colour, top, bottom);
                };
                QVERIFY2(std::any_of(scale.ticks.begin(), scale.ticks.end(), ofTheGroup),
                         qPrintable(QString("tick at %1 from y %2 to %3 in %4")
                                            .arg(r.value(s.from.x()))
                                            .arg(top)
                                            .arg(bottom)
                                            .arg(colour, 0, 16)));
                ticks[{colour, top, bottom}] << r.value(s.from.x());
            }
        }
        QCOMPARE(baselines, 1);
        for (const TickGroup &g : scale.ticks)
            QCOMPARE(figures(ticks[{g.colour, g.top, g.bottom}]), figures(valuesOf(g.kind, scale)));

        // Labels: every decade and half decade the scale spans, or every 5 dB, written as
        // printed, each at its offset left of where it lies; the tooltip over its tick
        // reads it. Every other text is a title.
        QStringList texts, expected;
        for (Kind kind : {FiveDb, Decade, Long})
            for (double v : valuesOf(kind, scale)) {
                const QString text = r.spacing == ScaleRule::Linear
                        ? ' ' + QString::number(v)
                        : QLocale(QLocale::English).toString(v, 'g', 6);
                expected << printed(
                        text,
                        r.position(v) - (kind == Long ? scale.halfOffset : scale.decadeOffset),
                        scale.labelY, 8);
                const QString tip = strip->readingAt(
                        QPoint(columnOf(strip->leftTwips() + r.position(v)) - strip->x(), 5));
                const double read =
                        QLocale().toDouble(QRegularExpression("[\\d.,]+").match(tip).captured());
                QVERIFY2(near(read, v, 0.02 * v + 0.08), qPrintable(tip));
            }
        for (const Title &t : scale.titles)
            expected << printed(QString::fromUtf8(t.text), t.x, t.y, t.size);
        for (const PrintedText &t : drawing.texts)
            texts << printed(t.text, t.at.x(), t.at.y(), t.size);
        std::sort(texts.begin(), texts.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(texts, expected);

        // The tooltip stops with the ticks: the pixels that hold their ends read, the next ones do
        // not.
        for (const auto &[end, beyond] : {std::pair{r.firstX(), -1}, {r.lastX(), 1}}) {
            const int column = columnOf(strip->leftTwips() + end) - strip->x();
            QVERIFY(!strip->readingAt(QPoint(column, 5)).isEmpty());
            QCOMPARE(strip->readingAt(QPoint(column + beyond, 5)), QString());
        }
    }

    // Every axis-aligned stroke fills the pixel run its two ends round to, both ends
    // included, in its colour; everything away from strokes and texts is white.
    void keptImageHoldsEveryStroke()
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
                const int x1 = px(s.from.x() + phase), x2 = px(s.to.x() + phase),
                          y1 = px(s.from.y()), y2 = px(s.to.y());
                const QRect run(QPoint(std::min(x1, x2), std::min(y1, y2)),
                                QPoint(std::max(x1, x2), std::max(y1, y2)));
                const std::uint32_t bgr = s.colour.value_or(0);
                if (run.width() > 1 && run.height() > 1)
                    busy += run;
                else
                    QPainter(&expected).fillRect(run,
                                                 QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16));
            }
            for (const PrintedText &t : drawing.texts) {
                const QFontMetricsF metrics(layoutFace(t.size));
                const QRectF box = metrics.boundingRect(t.text).translated(
                        px(t.at.x() + phase), px(t.at.y()) + metrics.ascent());
                busy += box.toAlignedRect().adjusted(-2, -2, 2, 2);
            }
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (expected.pixel(x, y) != qRgb(255, 255, 255) || !busy.contains(QPoint(x, y)))
                        QVERIFY2(shot.pixel(x, y) == expected.pixel(x, y),
                                 qPrintable(QString("%1 at %2,%3")
                                                    .arg(strip->objectName())
                                                    .arg(x)
                                                    .arg(y)));
        }
    }
};

BEAMWISE_TEST_MAIN(ScalesTest)
#include "tst_scales.moc"
