#include "readings/scale_rules.h"
#include "scales/error_trap.h"
#include "scales/scale_procedures.h"
#include "scales/scale_strip.h"
#include "scales/typeface.h"
#include "support/recording.h"

#include <QtTest>
#include <QtWidgets>

// Each scale checked as a reader sees it: its ticks stand on its baseline at exactly the
// values of their kind over the scale's range, read through the scale's own rule, the
// ticks of a kind drawn alike and unlike those of any other kind; every label reads as
// printed where its value lies, and the tooltip over its tick reads it; the title names
// the scale clear of its ticks and labels; the kept image holds every stroke in the
// pixels its twips round to.

namespace {

// The kinds of ticks: decades; digits 2 to 9, of which those but 5 are short and 5 is
// long (each digit tick is a stroke out and one back); fine ticks in the scale's
// stretches of mantissas; every 5 dB and every other whole dB.
enum Kind { Decade, Digit, Short, Long, Fine, FiveDb, WholeDb };
struct Stretch
{
    double from, to, step;
};
const std::vector<Stretch> Tenths{
        {1.1, 1.9, 0.1}, {2.2, 2.8, 0.2}, {3.2, 3.8, 0.2}, {4.5, 4.5, 1}, {5.6, 5.6, 1}};
const std::vector<Stretch> FirstFifths{{1.2, 1.8, 0.2}}, NoFineTicks;

// A strip's scale: its control, its rule, its fine ticks, where its labels stand (their
// top, and how far left of their ticks the labels of decades, or of every 5 dB, and of
// half decades start), and the first words of its title.
struct Scale
{
    Control strip;
    const ScaleRule &rule;
    const std::vector<Stretch> &fine;
    double labelY, decadeOffset, halfOffset;
    const char *title;
};
// In the order of the procedures, PICA to PICH.
const Scale Scales[] = {
        {Control::picPICA, readings::UpperDiameter, Tenths, 300, 50, 50, "Antenna Diameter"},
        {Control::picPICB, readings::UpperFrequency, Tenths, 170, 50, 50, "Frequency"},
        {Control::picPICC, readings::Beamwidth, Tenths, 150, 50, 50, "Beamwidth"},
        {Control::picPICD, readings::Gain, NoFineTicks, 250, 70, 70, "Gain"},
        {Control::picPICE, readings::Efficiency, NoFineTicks, 200, 50, 1000 * std::log10(5.0) - 600,
         "Efficiency"},
        {Control::picPICF, readings::FarFieldRange, Tenths, 150, 50, 50,
         "Far Field Range 2D2/\u03BB (metres)"},
        {Control::picPICG, readings::LowerDiameter, Tenths, 300, 50, 50, "Antenna Diameter"},
        {Control::picPICH, readings::LowerFrequency, FirstFifths, 170, 20, 90, "Frequency"}};

// A strip whose n-th line-to (every one for n < 0) fails with a number.
struct FailingStrip : ScaleStrip
{
    FailingStrip()
        : ScaleStrip(nullptr, 570)
    { }
    void lineTo(float x, float y, Colour c) override
    {
        if (++calls == call || call < 0)
            throw RuntimeError{number};
        ScaleStrip::lineTo(x, y, c);
    }
    int calls = 0, call = 0, number = 0;
};

// The eight strips where the window lays them out, each reading its scale, drawn by
// the scale procedures; the beamwidth scale on another surface if one is given.
struct DrawnScales
{
    explicit DrawnScales(Surface *beamwidth = nullptr)
    {
        for (const Scale &scale : Scales) {
            const Placement &p = placementOf(scale.strip);
            auto *strip = new ScaleStrip(&view, float(p.height));
            strip->setGeometry(pixelsOf(p));
            strip->setLeftTwips(float(p.left));
            strip->setReading(scale.rule);
            strips << strip;
        }
        const QList<ScaleStrip *> &s = strips;
        ScaleProcedures procedures(
                {s[0], s[1], beamwidth ? beamwidth : s[2], s[3], s[4], s[5], s[6], s[7]}, reporter,
                message);
        for (void (ScaleProcedures::*draw)() :
             {&ScaleProcedures::LG, &ScaleProcedures::PICA, &ScaleProcedures::PICB,
              &ScaleProcedures::PICC, &ScaleProcedures::PICD, &ScaleProcedures::PICE,
              &ScaleProcedures::PICF, &ScaleProcedures::PICG, &ScaleProcedures::PICH})
            (procedures.*draw)();
    }
    QWidget view;
    QList<ScaleStrip *> strips;
    RecordingReporter reporter;
    QString message;
};

// The values at which the ticks of a kind stand over the scale's range:
// on a linear scale whole values, on a logarithmic one its mantissas in every decade.
QList<double> valuesOf(Kind kind, const Scale &scale)
{
    const ScaleRule &r = scale.rule;
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
QString figures(QList<double> values)
{
    std::sort(values.begin(), values.end());
    QStringList texts;
    for (double v : values)
        texts << QString::number(v, 'g', 4);
    return texts.join(' ');
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

// The ticks of one strip's scale, in the order picPICA to picPICH.
void checkTicks(const Scale &scale, const ScaleStrip *strip)
{
    const ScaleRule &r = scale.rule;
    const ResolvedDrawing drawing = resolve(strip->displayList());
    QList<double> baselines; // level, along the whole length of the ticks
    std::map<std::tuple<std::uint32_t, double, double>, QList<double>> ticks; // by look
    for (const Stroke &s : drawing.strokes) {
        const double top = std::min(s.from.y(), s.to.y()), bottom = std::max(s.from.y(), s.to.y());
        if (top == bottom) {
            QVERIFY(near(std::min(s.from.x(), s.to.x()), r.firstX(), 0.01)
                    && near(std::max(s.from.x(), s.to.x()), r.lastX(), 0.01));
            baselines << top;
        } else if (s.from.x() == s.to.x() && s.from.x() >= 0 && s.from.x() <= strip->width() * 15) {
            ticks[{s.colour.value_or(colours::Black), top, bottom}] << r.value(s.from.x());
        }
    }
    QCOMPARE(baselines.size(), 1);
    // Every tick meets the baseline; the ticks of one look, its colour and its ends,
    // stand at exactly the values of one kind, and each kind has a look of its own.
    QStringList drawn, expected;
    for (const auto &[look, values] : ticks) {
        QVERIFY2(std::get<1>(look) <= baselines[0] && std::get<2>(look) >= baselines[0],
                 qPrintable(figures(values)));
        drawn << figures(values);
    }
    for (Kind kind : {Decade, Digit, Short, Long, Fine, FiveDb, WholeDb})
        if (!valuesOf(kind, scale).isEmpty())
            expected << figures(valuesOf(kind, scale));
    drawn.sort();
    expected.sort();
    QCOMPARE(drawn, expected);
}

// A text's ink in twips of its strip.
QRectF inkOf(const PrintedText &t)
{
    const QFontMetricsF metrics(layoutFace(t.size));
    const QRectF ink = metrics.tightBoundingRect(t.text);
    return QRectF(t.at + (ink.topLeft() + QPointF(0, metrics.ascent())) * 15, ink.size() * 15);
}

// A title's pieces read as one: each starts where the one before it ends in its face, but
// for a blank before "2D" and the drawn λ (strokes neither level nor upright, a pixel's pen
// wide) before " (metres)"; the title names the scale and lies within the strip, clear of
// the labels.
void checkTitle(const Scale &scale, const ScaleStrip *strip, const ResolvedDrawing &drawing,
                QList<PrintedText> titles, const QStringList &labels)
{
    std::sort(titles.begin(), titles.end(), [](auto &a, auto &b) { return a.at.x() < b.at.x(); });
    QRectF lambda;
    for (const Stroke &s : drawing.strokes)
        if (s.from.x() != s.to.x() && s.from.y() != s.to.y())
            lambda |= QRectF(s.from, s.to).normalized();
    QString title = titles.first().text;
    for (qsizetype i = 1; i < titles.size(); ++i) {
        const PrintedText &before = titles[i - 1], &t = titles[i];
        const QString spaced = t.text == "2D" ? " " : "";
        const QFontMetricsF face(layoutFace(before.size));
        const double next = before.at.x() + face.horizontalAdvance(before.text + spaced) * 15;
        const bool afterLambda = !lambda.isNull() && t.at.x() > lambda.left();
        QVERIFY2(afterLambda
                         ? near(lambda.left(), next, 1) && near(t.at.x(), lambda.right() + 15, 1)
                         : near(t.at.x(), next, 1),
                 qPrintable(t.text));
        title += spaced + (afterLambda ? "\u03BB" : "") + t.text;
    }
    QVERIFY2(title.startsWith(scale.title), qPrintable(title));
    const QRectF inside(0, 0, strip->width() * 15, strip->height() * 15);
    for (const PrintedText &title : titles) {
        const QRectF ink = inkOf(title);
        QVERIFY2(inside.contains(ink), qPrintable(title.text));
        for (const PrintedText &t : drawing.texts)
            QVERIFY2(!labels.contains(printed(t.text, t.at.x(), t.at.y(), t.size))
                             || !ink.intersects(inkOf(t)),
                     qPrintable(title.text));
    }
}

// Labels: every decade and half decade the scale spans, or every 5 dB, written as
// printed, each at its offset left of where it lies; the tooltip over its tick reads it,
// and stops with the ticks. Every other text is the title: the leftmost piece names the
// scale, and each piece lies within the strip, clear of the labels; the kept image
// shows them clear of the ticks.
void checkLabels(const Scale &scale, ScaleStrip *strip)
{
    const ScaleRule &r = scale.rule;
    const ResolvedDrawing drawing = resolve(strip->displayList());
    QStringList expected;
    for (Kind kind : {FiveDb, Decade, Long})
        for (double v : valuesOf(kind, scale)) {
            const QString text = r.spacing == ScaleRule::Linear
                    ? ' ' + QString::number(v)
                    : QLocale(QLocale::English).toString(v, 'g', 6);
            expected << printed(
                    text, r.position(v) - (kind == Long ? scale.halfOffset : scale.decadeOffset),
                    scale.labelY, 8);
            const QString tip = strip->readingAt(
                    QPoint(columnOf(strip->leftTwips() + r.position(v)) - strip->x(), 5));
            const double read =
                    QLocale().toDouble(QRegularExpression("[\\d.,]+").match(tip).captured());
            QVERIFY2(near(read, v, 0.02 * v + 0.08), qPrintable(tip));
        }
    QStringList labels;
    QList<PrintedText> titles;
    for (const PrintedText &t : drawing.texts)
        if (const QString p = printed(t.text, t.at.x(), t.at.y(), t.size); expected.contains(p))
            labels << p;
        else
            titles << t;
    expected.sort();
    labels.sort();
    QCOMPARE(labels, expected);
    QVERIFY(!titles.isEmpty());
    checkTitle(scale, strip, drawing, titles, labels);

    // The pixels that hold the ticks' ends read, the next ones do not.
    for (const auto &[end, beyond] : {std::pair{r.firstX(), -1}, {r.lastX(), 1}}) {
        const int column = columnOf(strip->leftTwips() + end) - strip->x();
        QVERIFY(!strip->readingAt(QPoint(column, 5)).isEmpty());
        QCOMPARE(strip->readingAt(QPoint(column + beyond, 5)), QString());
    }
}

// At each zoom, the strip stands at its Left's nearest pixel, and every axis-aligned stroke
// fills the pixel run its two ends round to, both ends included, a pixel of pen per whole zoom,
// in its colour: as sharp as drawn for the screen. Everything away from strokes and texts is
// white.
void checkKeptImage(ScaleStrip *strip)
{
    for (double zoom : {1.25, 2.0, 1.0}) {
        strip->setZoom(zoom);
        QCOMPARE(strip->x(), int(std::lround(strip->leftTwips() * zoom / 15)));
        const QImage shot = strip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected(shot.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QRegion busy; // texts and drawn letters, whose pixels are the face's own
        // Against where its Left puts the strip, which the drawing is in phase with.
        const double phase = strip->leftTwips() - strip->x() * 15.0 / zoom;
        const int pen = std::max(1, int(std::lround(zoom)));
        auto px = [zoom](double twips) { return int(std::lround(twips * zoom / 15)); };
        const ResolvedDrawing drawing = resolve(strip->displayList());
        for (const Stroke &s : drawing.strokes) {
            const int x1 = px(s.from.x() + phase), x2 = px(s.to.x() + phase), y1 = px(s.from.y()),
                      y2 = px(s.to.y());
            const QRect run(QPoint(std::min(x1, x2), std::min(y1, y2)),
                            QPoint(std::max(x1, x2) + pen - 1, std::max(y1, y2) + pen - 1));
            const std::uint32_t bgr = s.colour.value_or(0);
            if (x1 != x2 && y1 != y2)
                busy += run.adjusted(-pen, -pen, pen, pen);
            else
                QPainter(&expected).fillRect(run, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16));
        }
        for (const PrintedText &t : drawing.texts) {
            const QFontMetricsF metrics(layoutFace(t.size, zoom));
            const QRectF box = metrics.boundingRect(t.text).translated(
                    px(t.at.x() + phase), px(t.at.y()) + metrics.ascent());
            busy += box.toAlignedRect().adjusted(-2, -2, 2, 2);
        }
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (expected.pixel(x, y) != qRgb(255, 255, 255) || !busy.contains(QPoint(x, y)))
                    QVERIFY2(shot.pixel(x, y) == expected.pixel(x, y),
                             qPrintable(QString("at %1,%2, %3").arg(x).arg(y).arg(zoom)));
    }
}

} // namespace

class ScalesTest : public QObject
{
    Q_OBJECT
    DrawnScales drawn;

private slots:
    // One row a strip, by its name in the window.
    void everyScaleReadsTrue_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 8; ++i)
            QTest::newRow(placementOf(Scales[i].strip).name) << i;
    }
    void everyScaleReadsTrue()
    {
        QFETCH(int, index);
        checkTicks(Scales[index], drawn.strips.at(index));
        checkLabels(Scales[index], drawn.strips.at(index));
        checkKeptImage(drawn.strips.at(index));
        QCOMPARE(drawn.reporter.messages, QStringList());
    }

    // One failed stroke, every stroke failed, and failures numbered 0 or less, which are
    // silent. Each is told, and the procedure goes on after it, and so does drawing.
    void failuresAreReportedAndDrawingGoesOn_data()
    {
        QTest::addColumn<int>("call"); // the line-to that fails, every one for -1
        QTest::addColumn<int>("number");
        QTest::newRow("one stroke") << 3 << 480;
        QTest::newRow("every stroke") << -1 << 480;
        QTest::newRow("number 0") << 3 << 0;
        QTest::newRow("number below 0") << 3 << -7;
    }
    void failuresAreReportedAndDrawingGoesOn()
    {
        QFETCH(int, call);
        QFETCH(int, number);
        const auto strokes = [](const ScaleStrip *s) {
            return std::count_if(s->displayList().begin(), s->displayList().end(),
                                 [](auto &op) { return op.kind == DrawOp::LineTo; });
        };
        const int all = strokes(drawn.strips[2]), failed = call < 0 ? all : 1;
        FailingStrip failing;
        std::tie(failing.call, failing.number) = std::pair(call, number);
        const DrawnScales again(&failing);
        QCOMPARE(again.reporter.messages,
                 QStringList(number > 0 ? failed : 0, "Error in PICC()  Error number is  480"));
        QCOMPARE(strokes(&failing), all - failed);
        QCOMPARE(again.strips[7]->displayList(), drawn.strips[7]->displayList());
    }

    // The logarithm table is read at its indexes 0 to 10 only: a read beyond them fails
    // its step as a subscript out of range.
    void logarithmTableReadsOnlyItsIndexes()
    {
        RecordingReporter reporter;
        QString message;
        ScaleProcedures procedures({}, reporter, message);
        QList<int> read;
        for (int index = -2; index <= 12; ++index)
            Trap(message, reporter, "LOGT")([&] {
                procedures.LOGT(index);
                read << index;
            });
        QCOMPARE(read, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(reporter.messages, QStringList(4, "LOGT  Error number is  9"));
    }
};

QTEST_MAIN(ScalesTest)
#include "tst_scales.moc"
