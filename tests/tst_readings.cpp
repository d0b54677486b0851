#include "scales/display_list.h"
#include "scales/scale_readings.h"
#include "scales/scale_strip.h"
#include "scales/twips.h"
#include "support/fixtures.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The strips in drawing order A to H and the readings the window gives them.
enum Strip { A, B, C, D, E, F, G, H };
const ScaleReading *const Readings[] = {
    &readings::UpperDiameter, &readings::UpperFrequency, &readings::Beamwidth,
    &readings::Gain,          &readings::Efficiency,     &readings::FarFieldRange,
    &readings::LowerDiameter, &readings::LowerFrequency};

const ScaleReading &readingOf(int strip)
{
    return *Readings[strip];
}

// The bar that slides a strip, or none for a fixed one.
enum Bar { Fixed, Upper, Lower };

QScrollBar *barOf(Dishscope &w, int bar)
{
    return bar == Upper ? w.scrSCROLL : bar == Lower ? w.scrSCROLL2 : nullptr;
}

bool vertical(const Stroke &s)
{
    return s.from.x() == s.to.x() && s.from.y() != s.to.y();
}

bool coloured(const Stroke &s, std::uint32_t colour)
{
    return s.colour && *s.colour == colour;
}

// x of every distinct vertical stroke that passes the filter, left to right.
template <class Keep>
std::vector<double> tickXs(const ScaleStrip *strip, Keep keep)
{
    std::vector<double> xs;
    for (const Stroke &s : resolve(strip->displayList()).strokes) {
        if (vertical(s) && keep(s))
            xs.push_back(s.from.x());
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    return xs;
}

// Major ticks: red and as long as the half-decade ticks, 150 twips on every scale.
std::vector<double> majorTicks(const ScaleStrip *strip)
{
    return tickXs(strip, [](const Stroke &s) {
        return coloured(s, colours::Red) && std::abs(s.to.y() - s.from.y()) == 150;
    });
}

// Ticks drawn at negative x, left of the strip, leave no mark.
bool onStrip(const ScaleStrip *strip, const Stroke &s)
{
    return s.from.x() >= 0 && s.from.x() <= strip->width() * twips::PerPixel;
}

// Red and blue ticks that leave a mark on the strip.
std::vector<double> markedTicks(const ScaleStrip *strip)
{
    return tickXs(strip, [&](const Stroke &s) {
        return (coloured(s, colours::Red) || coloured(s, colours::Blue)) && onStrip(strip, s);
    });
}

// The strip's own pixel under a pixel column of the nomogram view, at mid-height.
QPoint localAt(const ScaleStrip *strip, int viewPixel)
{
    return QPoint(viewPixel - strip->x(), strip->rect().height() / 2);
}

// The view pixel that holds a point of the strip's scale.
int viewPixelOf(const ScaleStrip *strip, double x)
{
    return twips::toPixels(strip->leftTwips() + x);
}

// Rests the pointer on a strip the way the application reports it.
void rest(ScaleStrip *strip, QPoint local)
{
    QHelpEvent event(QEvent::ToolTip, local, strip->mapToGlobal(local));
    QCoreApplication::sendEvent(strip, &event);
}

// Closes any tip at once, rather than after its fading delay.
void dismissTip()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("qtooltip_label"))
            w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The number of a tooltip text, read back in the locale it was written in.
std::optional<double> numberIn(const QString &tip, const ScaleReading &reading)
{
    const QString prefix = QString::fromUtf8(reading.name) + QStringLiteral(": ");
    const QString suffix = QString::fromUtf8(reading.unit);
    if (!tip.startsWith(prefix) || !tip.endsWith(suffix))
        return std::nullopt;
    bool ok = false;
    const double value =
        QLocale().toDouble(tip.mid(prefix.size(), tip.size() - prefix.size() - suffix.size()), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// The headless platform cannot raise a tip's window and says so for every tip.
QtMessageHandler passOn = nullptr;
void quietAboutRaising(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        passOn(type, context, message);
}

// A strip of a started program, once its bar (if it slides) stands at the Value.
ScaleStrip *slidTo(StartedProgram &program, int bar, int value, int strip)
{
    QCoreApplication::processEvents();
    if (QScrollBar *b = barOf(program.window, bar))
        b->setValue(value);
    return stripsOf(program.window).at(strip);
}

// Rows of strip, bar and Value: the fixed strips once, each moving strip at every Value.
void everyStripAt(std::initializer_list<int> values)
{
    QTest::addColumn<int>("strip");
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("value");
    QTest::newRow("picPICA") << int(A) << int(Fixed) << 0;
    QTest::newRow("picPICE") << int(E) << int(Fixed) << 0;
    QTest::newRow("picPICH") << int(H) << int(Fixed) << 0;
    for (int value : values) {
        const QByteArray at = " at " + QByteArray::number(value);
        QTest::newRow("picPICB" + at) << int(B) << int(Upper) << value;
        QTest::newRow("picPICC" + at) << int(C) << int(Upper) << value;
        QTest::newRow("picPICD" + at) << int(D) << int(Upper) << value;
        QTest::newRow("picPICF" + at) << int(F) << int(Lower) << value;
        QTest::newRow("picPICG" + at) << int(G) << int(Lower) << value;
    }
}

} // namespace

class ReadingsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void threeSignificantFigures_data();
    void threeSignificantFigures();
    void readingTexts_data();
    void readingTexts();
    void rulesEndWhereTheTicksEnd_data();
    void rulesEndWhereTheTicksEnd();
    void inverseReadsTheDrawnMajorTicks_data();
    void inverseReadsTheDrawnMajorTicks();
    void inverseReadsWholeDigitsAndSpansTheMarkedTicks_data();
    void inverseReadsWholeDigitsAndSpansTheMarkedTicks();
    void tipAtEveryMajorTick_data();
    void tipAtEveryMajorTick();
    void tipAtTicksOnWholePixels_data();
    void tipAtTicksOnWholePixels();
    void workedReadings_data();
    void workedReadings();
    void noTipBeyondTheTicks_data();
    void noTipBeyondTheTicks();
    void tipFollowsTheSlidingStrip_data();
    void tipFollowsTheSlidingStrip();
    void nothingIsRedrawn();
    void accessibleNamesAndDescriptions_data();
    void accessibleNamesAndDescriptions();
    void accessibleNamesAreDistinct();
};

void ReadingsTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    passOn = qInstallMessageHandler(quietAboutRaising);
}

void ReadingsTest::cleanup()
{
    dismissTip();
}

void ReadingsTest::threeSignificantFigures_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    const QString en = QStringLiteral("en_GB");
    const QString de = QStringLiteral("de_DE");
    QTest::newRow("9.87") << 9.87 << en << "9.87";
    QTest::newRow("whole one") << 1.0 << en << "1.00";
    QTest::newRow("a tenth") << 0.1 << en << "0.100";
    QTest::newRow("small") << 0.065712 << en << "0.0657";
    QTest::newRow("tens") << 55.0 << en << "55.0";
    QTest::newRow("rounds down") << 40.5306 << en << "40.5";
    QTest::newRow("rounds up") << 69.904 << en << "69.9";
    QTest::newRow("hundred") << 100.0 << en << "100";
    QTest::newRow("carries into tens") << 9.996 << en << "10.0";
    QTest::newRow("carries into hundreds") << 99.96 << en << "100";
    QTest::newRow("carries into thousands") << 999.6 << en << "1,000";
    QTest::newRow("ten thousand") << 10000.0 << en << "10,000";
    QTest::newRow("thousands rounded") << 1234.5 << en << "1,230";
    QTest::newRow("zero") << 0.0 << en << "0.00";
    QTest::newRow("German decimal comma") << 9.87 << de << "9,87";
    QTest::newRow("German grouping") << 10000.0 << de << "10.000";
}

void ReadingsTest::threeSignificantFigures()
{
    QFETCH(double, value);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(threeFigures(value, QLocale(locale)), expected);
}

void ReadingsTest::readingTexts_data()
{
    QTest::addColumn<int>("strip");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("upper frequency") << int(B) << 9.8712 << "Frequency: 9.87 GHz";
    QTest::newRow("upper diameter") << int(A) << 1.0214 << "Antenna diameter: 1.02 m";
    QTest::newRow("gain") << int(D) << 40.53 << "Gain: 40.5 dBi";
    QTest::newRow("beamwidth") << int(C) << 2.1061 << "Beamwidth: 2.11\u00B0";
    QTest::newRow("efficiency") << int(E) << 55.0 << "Efficiency: 55.0 %";
    QTest::newRow("far-field range") << int(F) << 69.904 << "Far-field range: 69.9 m";
    QTest::newRow("lower diameter") << int(G) << 12.34 << "Antenna diameter: 12.3 m";
    QTest::newRow("lower frequency") << int(H) << 0.0234 << "Frequency: 0.0234 GHz";
}

void ReadingsTest::readingTexts()
{
    QFETCH(int, strip);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(readingOf(strip).text(value), expected);
}

void ReadingsTest::rulesEndWhereTheTicksEnd_data()
{
    QTest::addColumn<int>("strip");
    QTest::addColumn<double>("lowX");
    QTest::addColumn<double>("highX");
    QTest::addColumn<double>("firstX");
    QTest::addColumn<double>("lastX");
    // x of the lowest and highest value; the ticks' left and right ends.
    QTest::newRow("picPICA") << int(A) << 6600.0 << 600.0 << 600.0 << 6600.0;
    QTest::newRow("picPICB") << int(B) << 300.0 << 8300.0 << 300.0 << 8300.0;
    QTest::newRow("picPICC") << int(C) << 7445.757 << 400.0 << 400.0 << 7445.757;
    QTest::newRow("picPICD") << int(D) << 450.0 << 7950.0 << 450.0 << 7950.0;
    QTest::newRow("picPICE") << int(E) << 200.0 << 1200.0 << 200.0 << 1200.0;
    QTest::newRow("picPICF") << int(F) << 8600.0 << 600.0 << 600.0 << 8600.0;
    QTest::newRow("picPICG") << int(G) << 6600.0 << 600.0 << 600.0 << 6600.0;
    QTest::newRow("picPICH") << int(H) << 300.0 << 4300.0 << 300.0 << 4300.0;
}

void ReadingsTest::rulesEndWhereTheTicksEnd()
{
    QFETCH(int, strip);
    QFETCH(double, lowX);
    QFETCH(double, highX);
    QFETCH(double, firstX);
    QFETCH(double, lastX);
    const ScaleReading &r = readingOf(strip);
    QVERIFY(std::abs(r.position(r.low) - lowX) < 0.001);
    QVERIFY(std::abs(r.position(r.high) - highX) < 0.001);
    QVERIFY(std::abs(r.firstX() - firstX) < 0.001);
    QVERIFY(std::abs(r.lastX() - lastX) < 0.001);
    // The inverse undoes the rule across the whole range.
    for (double x = r.firstX(); x <= r.lastX(); x += 7.3)
        QVERIFY2(std::abs(r.position(r.value(x)) - x) < 1e-9, qPrintable(QString::number(x)));
}

void ReadingsTest::inverseReadsTheDrawnMajorTicks_data()
{
    QTest::addColumn<int>("strip");
    QTest::addColumn<QList<double>>("values"); // of the major ticks, left to right
    const QList<double> diameter = {100, 10, 1, 0.1};
    const QList<double> frequency = {0.01, 0.1, 1, 10, 100};
    QList<double> gain;
    for (int dB = 0; dB <= 75; dB += 5)
        gain << dB;
    QTest::newRow("picPICA") << int(A) << diameter;
    QTest::newRow("picPICB") << int(B) << frequency;
    QTest::newRow("picPICC") << int(C) << QList<double>{100, 10, 1, 0.1};
    QTest::newRow("picPICD") << int(D) << gain;
    QTest::newRow("picPICE") << int(E) << QList<double>{10, 100};
    QTest::newRow("picPICF") << int(F) << QList<double>{10000, 1000, 100, 10, 1};
    QTest::newRow("picPICG") << int(G) << diameter;
    QTest::newRow("picPICH") << int(H) << frequency;
}

void ReadingsTest::inverseReadsTheDrawnMajorTicks()
{
    QFETCH(int, strip);
    QFETCH(QList<double>, values);
    StartedProgram program;
    const ScaleReading &r = readingOf(strip);
    const std::vector<double> ticks = majorTicks(stripsOf(program.window).at(strip));
    QCOMPARE(int(ticks.size()), int(values.size()));
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const double v = values.at(qsizetype(i));
        QCOMPARE(threeFigures(r.value(ticks[i])), threeFigures(v));
        QVERIFY2(std::abs(r.position(v) - ticks[i]) < 0.01, qPrintable(QString::number(v)));
    }
}

void ReadingsTest::inverseReadsWholeDigitsAndSpansTheMarkedTicks_data()
{
    QTest::addColumn<int>("strip");
    QTest::addColumn<int>("digitTicks"); // blue ticks on the strip
    QTest::newRow("picPICA") << int(A) << 24;
    QTest::newRow("picPICB") << int(B) << 32;
    // Three full decades and the partial one from 0.03 to 0.09 degrees.
    QTest::newRow("picPICC") << int(C) << 31;
    QTest::newRow("picPICD") << int(D) << 0;
    QTest::newRow("picPICE") << int(E) << 8;
    QTest::newRow("picPICF") << int(F) << 32;
    QTest::newRow("picPICG") << int(G) << 24;
    QTest::newRow("picPICH") << int(H) << 32;
}

void ReadingsTest::inverseReadsWholeDigitsAndSpansTheMarkedTicks()
{
    QFETCH(int, strip);
    QFETCH(int, digitTicks);
    StartedProgram program;
    const ScaleStrip *s = stripsOf(program.window).at(strip);
    const ScaleReading &r = readingOf(strip);

    const std::vector<double> digits =
        tickXs(s, [&](const Stroke &k) { return coloured(k, colours::Blue) && onStrip(s, k); });
    QCOMPARE(int(digits.size()), digitTicks);
    for (double x : digits) {
        const double v = r.value(x);
        const double mantissa = v / std::pow(10.0, std::floor(std::log10(v) + 1e-9));
        QVERIFY2(std::abs(mantissa - std::round(mantissa)) < 1e-4 && std::round(mantissa) >= 2
                     && std::round(mantissa) <= 9,
                 qPrintable(QStringLiteral("x %1 reads %2").arg(x).arg(v)));
    }

    const std::vector<double> marked = markedTicks(s);
    QVERIFY(!marked.empty());
    QVERIFY2(std::abs(marked.front() - r.firstX()) < 0.01,
             qPrintable(QString::number(marked.front())));
    QVERIFY2(std::abs(marked.back() - r.lastX()) < 0.01,
             qPrintable(QString::number(marked.back())));
}

void ReadingsTest::tipAtEveryMajorTick_data()
{
    everyStripAt({16380, 9000, 27001});
}

// The pointer on the view pixel that holds a major tick reads the tick's value to
// within that pixel: the pixel spans 15 twips and the reading is rounded to three
// figures, so the value read stands within one pixel of the tick.
void ReadingsTest::tipAtEveryMajorTick()
{
    QFETCH(int, strip);
    QFETCH(int, bar);
    QFETCH(int, value);
    StartedProgram program;
    ScaleStrip *s = slidTo(program, bar, value, strip);
    const ScaleReading &r = readingOf(strip);

    for (double x : majorTicks(s)) {
        const int pixel = viewPixelOf(s, x);
        const QPoint local = localAt(s, pixel);
        rest(s, local);
        QVERIFY(QToolTip::isVisible());
        const QString tip = QToolTip::text();
        QCOMPARE(tip, s->readingAt(local));
        // The same pixel read through the rule: the view pixel's centre, in the strip.
        const double under =
            std::clamp(pixel * twips::PerPixel - s->leftTwips(), r.firstX(), r.lastX());
        QCOMPARE(tip, r.text(r.value(under)));
        const std::optional<double> read = numberIn(tip, r);
        QVERIFY2(read, qPrintable(tip));
        QVERIFY2(std::abs(r.position(*read) - x) <= twips::PerPixel,
                 qPrintable(QStringLiteral("%1 at the tick at x %2").arg(tip).arg(x)));
    }
}

void ReadingsTest::tipAtTicksOnWholePixels_data()
{
    QTest::addColumn<int>("strip");
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("tickX");
    QTest::addColumn<QString>("expected");
    // Bar values chosen so that Left plus the tick's x is a whole number of pixels.
    QTest::newRow("picPICE 10 %") << int(E) << int(Fixed) << 0 << 200.0 << "Efficiency: 10.0 %";
    QTest::newRow("picPICH 0.1 GHz") << int(H) << int(Fixed) << 0 << 1300.0
                                     << "Frequency: 0.100 GHz";
    QTest::newRow("picPICF 10,000 m at 16364") << int(F) << int(Lower) << 16364 << 600.0
                                               << "Far-field range: 10,000 m";
    QTest::newRow("picPICF 10 m at 16364") << int(F) << int(Lower) << 16364 << 6600.0
                                           << "Far-field range: 10.0 m";
    QTest::newRow("picPICF 1,000 m at 15024") << int(F) << int(Lower) << 15024 << 2600.0
                                              << "Far-field range: 1,000 m";
    QTest::newRow("picPICF 1 m at 15024") << int(F) << int(Lower) << 15024 << 8600.0
                                          << "Far-field range: 1.00 m";
    QTest::newRow("picPICG 1 m at 16240") << int(G) << int(Lower) << 16240 << 4600.0
                                          << "Antenna diameter: 1.00 m";
    QTest::newRow("picPICG 100 m at 14400") << int(G) << int(Lower) << 14400 << 600.0
                                            << "Antenna diameter: 100 m";
    QTest::newRow("picPICG 0.1 m at 14400") << int(G) << int(Lower) << 14400 << 6600.0
                                            << "Antenna diameter: 0.100 m";
}

// Where a tick stands on the centre of a view pixel, the pointer there reads the
// tick's own value.
void ReadingsTest::tipAtTicksOnWholePixels()
{
    QFETCH(int, strip);
    QFETCH(int, bar);
    QFETCH(int, value);
    QFETCH(double, tickX);
    QFETCH(QString, expected);
    StartedProgram program;
    ScaleStrip *s = slidTo(program, bar, value, strip);
    const std::vector<double> ticks = majorTicks(s);
    QVERIFY(std::find(ticks.begin(), ticks.end(), tickX) != ticks.end());
    const double view = s->leftTwips() + tickX;
    QCOMPARE(std::fmod(view, twips::PerPixel), 0.0);

    const QPoint local = localAt(s, int(view / twips::PerPixel));
    QCOMPARE(s->readingAt(local), expected);
    rest(s, local);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), expected);
}

void ReadingsTest::workedReadings_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("strip");
    QTest::addColumn<int>("viewPixel");
    QTest::addColumn<QString>("expected");
    // 10 GHz under 1 m: the beamwidth under the middle of the "3dB" mark (x 3615)
    // and the gain above the 100 % tick (x 4060).
    QTest::newRow("beamwidth under 3dB") << int(Upper) << 13235 << int(C) << 241
                                         << "Beamwidth: 2.11\u00B0";
    QTest::newRow("gain above 100 %") << int(Upper) << 13235 << int(D) << 271 << "Gain: 40.5 dBi";
    // The frequency strip stands at Left -532.0625, between pixels: 10 GHz lies
    // between the two pixel columns either side of x 5768.
    QTest::newRow("frequency left of 10 GHz") << int(Upper) << 13235 << int(B) << 384
                                              << "Frequency: 9.91 GHz";
    QTest::newRow("frequency right of 10 GHz") << int(Upper) << 13235 << int(B) << 385
                                               << "Frequency: 10.1 GHz";
    QTest::newRow("diameter left of 1 m") << int(Fixed) << 0 << int(A) << 384
                                          << "Antenna diameter: 1.01 m";
    QTest::newRow("diameter right of 1 m") << int(Fixed) << 0 << int(A) << 385
                                           << "Antenna diameter: 0.992 m";
    // The pixel holding the 100 % tick, whose centre lies just right of the tick.
    QTest::newRow("efficiency 100 %") << int(Fixed) << 0 << int(E) << 271 << "Efficiency: 100 %";
    // 1 m over 10 GHz: the far-field range under the middle of its mark (x 4950).
    QTest::newRow("far field under the mark") << int(Lower) << 15080 << int(F) << 330
                                              << "Far-field range: 69.9 m";
    QTest::newRow("lower diameter at 1 m") << int(Lower) << 15080 << int(G) << 372
                                           << "Antenna diameter: 1.01 m";
    QTest::newRow("lower frequency at 10 GHz") << int(Lower) << 15080 << int(H) << 372
                                               << "Frequency: 9.89 GHz";
}

void ReadingsTest::workedReadings()
{
    QFETCH(int, bar);
    QFETCH(int, value);
    QFETCH(int, strip);
    QFETCH(int, viewPixel);
    QFETCH(QString, expected);
    StartedProgram program;
    ScaleStrip *s = slidTo(program, bar, value, strip);
    rest(s, localAt(s, viewPixel));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), expected);
}

void ReadingsTest::noTipBeyondTheTicks_data()
{
    everyStripAt({16380, 3001});
}

// The pixels that hold the end ticks read; their neighbours beyond, still on the
// strip, show no tip.
void ReadingsTest::noTipBeyondTheTicks()
{
    QFETCH(int, strip);
    QFETCH(int, bar);
    QFETCH(int, value);
    StartedProgram program;
    ScaleStrip *s = slidTo(program, bar, value, strip);
    const ScaleReading &r = readingOf(strip);

    const int first = viewPixelOf(s, r.firstX());
    const int last = viewPixelOf(s, r.lastX());
    const QPoint beforeFirst = localAt(s, first - 1);
    const QPoint afterLast = localAt(s, last + 1);
    QVERIFY(s->rect().contains(beforeFirst));
    QVERIFY(s->rect().contains(afterLast));

    for (const QPoint &end : {localAt(s, first), localAt(s, last)}) {
        QVERIFY(!s->readingAt(end).isEmpty());
        rest(s, end);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), s->readingAt(end));
        dismissTip();
    }
    for (const QPoint &beyond : {beforeFirst, afterLast}) {
        QCOMPARE(s->readingAt(beyond), QString());
        rest(s, beyond);
        QVERIFY(!QToolTip::isVisible());
    }
}

void ReadingsTest::tipFollowsTheSlidingStrip_data()
{
    QTest::addColumn<int>("strip");
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("key");
    QTest::newRow("picPICB, right arrow") << int(B) << int(Upper) << int(Qt::Key_Right);
    QTest::newRow("picPICB, left arrow") << int(B) << int(Upper) << int(Qt::Key_Left);
    QTest::newRow("picPICC, right arrow") << int(C) << int(Upper) << int(Qt::Key_Right);
    QTest::newRow("picPICD, left arrow") << int(D) << int(Upper) << int(Qt::Key_Left);
    QTest::newRow("picPICF, right arrow") << int(F) << int(Lower) << int(Qt::Key_Right);
    QTest::newRow("picPICG, left arrow") << int(G) << int(Lower) << int(Qt::Key_Left);
}

// The pointer rests in the middle of a moving scale and stays there while the bar
// is slid with the keyboard: after every key the tip shows the value that now lies
// under the pointer.
void ReadingsTest::tipFollowsTheSlidingStrip()
{
    QFETCH(int, strip);
    QFETCH(int, bar);
    QFETCH(int, key);
    StartedProgram program;
    QCoreApplication::processEvents();
    QScrollBar *slider = barOf(program.window, bar);
    ScaleStrip *s = stripsOf(program.window).at(strip);
    const ScaleReading &r = readingOf(strip);

    const QPoint pointer(viewPixelOf(s, (r.firstX() + r.lastX()) / 2),
                         s->y() + s->rect().height() / 2);
    QCOMPARE(s->parentWidget()->childAt(pointer), s);
    rest(s, pointer - s->pos());
    QVERIFY(QToolTip::isVisible());
    const QString before = QToolTip::text();
    const int startValue = slider->value();
    const float startLeft = s->leftTwips();

    for (int press = 0; press < 40; ++press) {
        QTest::keyClick(slider, Qt::Key(key));
        QVERIFY(QToolTip::isVisible());
        const double under = pointer.x() * twips::PerPixel - s->leftTwips();
        QCOMPARE(QToolTip::text(), r.text(r.value(under)));
    }
    QCOMPARE(std::abs(slider->value() - startValue), 400);
    QVERIFY(s->leftTwips() != startLeft);
    QVERIFY(QToolTip::text() != before);
}

void ReadingsTest::nothingIsRedrawn()
{
    StartedProgram program;
    Dishscope &w = program.window;
    QCoreApplication::processEvents();
    w.grab();
    const QList<ScaleStrip *> strips = stripsOf(w);
    QList<int> renders;
    std::vector<DisplayList> drawn;
    for (ScaleStrip *s : strips) {
        QVERIFY(s->renderCount() > 0);
        renders << s->renderCount();
        drawn.push_back(s->displayList());
    }

    auto restOnAll = [&] {
        for (ScaleStrip *s : strips)
            rest(s, QPoint(s->width() / 2, s->rect().height() / 2));
    };
    restOnAll();
    for (QScrollBar *bar : {w.scrSCROLL, w.scrSCROLL2}) {
        for (int value : {0, 32767, 13235})
            bar->setValue(value);
        for (int press = 0; press < 5; ++press)
            QTest::keyClick(bar, Qt::Key_Right);
        restOnAll();
    }
    w.grab();

    for (int i = 0; i < strips.size(); ++i) {
        QCOMPARE(strips[i]->renderCount(), renders[i]);
        QVERIFY(strips[i]->displayList() == drawn[std::size_t(i)]);
    }
}

void ReadingsTest::accessibleNamesAndDescriptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("inName");
    QTest::addColumn<QString>("inDescription");
    QTest::newRow("picPICA") << "picPICA" << "Upper antenna diameter" << "0.1 to 100 metres";
    QTest::newRow("picPICB") << "picPICB" << "Upper frequency" << "upper slide bar";
    QTest::newRow("picPICC") << "picPICC" << "Beamwidth" << "3dB and 10dB";
    QTest::newRow("picPICD") << "picPICD" << "Gain" << "0 to 75 dBi";
    QTest::newRow("picPICE") << "picPICE" << "Efficiency" << "10 to 100 percent";
    QTest::newRow("picPICF") << "picPICF" << "Far-field range" << "1 to 10,000 metres";
    QTest::newRow("picPICG") << "picPICG" << "Lower antenna diameter" << "lower slide bar";
    QTest::newRow("picPICH") << "picPICH" << "Lower frequency" << "0.01 to 100 GHz";
    QTest::newRow("scrSCROLL") << "scrSCROLL" << "Upper slide bar"
                               << "frequency, beamwidth and gain";
    QTest::newRow("scrSCROLL2") << "scrSCROLL2" << "Lower slide bar"
                                << "antenna diameter and far-field range";
    QTest::newRow("cmdInstr") << "cmdInstr" << "Instructions" << "read the nomograms";
    QTest::newRow("cmdInfo") << "cmdInfo" << "Company" << "company information";
    QTest::newRow("cmdNomogram") << "cmdNomogram" << "Nomogram" << "nomogram view";
}

// What a screen reader is told about each control.
void ReadingsTest::accessibleNamesAndDescriptions()
{
    QFETCH(QString, control);
    QFETCH(QString, inName);
    QFETCH(QString, inDescription);
    StartedProgram program;
    auto *widget = program.window.findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    QVERIFY2(face->text(QAccessible::Name).contains(inName),
             qPrintable(face->text(QAccessible::Name)));
    QVERIFY2(face->text(QAccessible::Description).contains(inDescription),
             qPrintable(face->text(QAccessible::Description)));
}

// Every strip, bar and button of the window has a name and a description of its
// own, so that none can be mistaken for another.
void ReadingsTest::accessibleNamesAreDistinct()
{
    StartedProgram program;
    Dishscope &w = program.window;
    const QList<ScaleStrip *> strips = w.findChildren<ScaleStrip *>();
    const QList<QScrollBar *> bars = w.findChildren<QScrollBar *>();
    const QList<QPushButton *> buttons = w.findChildren<QPushButton *>();
    QCOMPARE(strips.size(), 8);
    QCOMPARE(bars.size(), 2);
    QCOMPARE(buttons.size(), 3);

    QList<QWidget *> controls;
    controls << QList<QWidget *>(strips.begin(), strips.end())
             << QList<QWidget *>(bars.begin(), bars.end())
             << QList<QWidget *>(buttons.begin(), buttons.end());
    QSet<QString> names;
    QSet<QString> descriptions;
    for (QWidget *control : controls) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        QVERIFY(face);
        const QString name = face->text(QAccessible::Name);
        const QString description = face->text(QAccessible::Description);
        QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!description.isEmpty(), qPrintable(control->objectName()));
        names << name;
        descriptions << description;
    }
    QCOMPARE(names.size(), controls.size());
    QCOMPARE(descriptions.size(), controls.size());
}

BEAMWISE_TEST_MAIN(ReadingsTest)
#include "tst_readings.moc"
