#include "scales/scale_strip.h"
#include "slide/slide_rules.h"
#include "support/fixtures.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {

QList<float> leftsOf(Dishscope &w)
{
    QList<float> lefts;
    for (ScaleStrip *strip : stripsOf(w))
        lefts << strip->leftTwips();
    return lefts;
}

// Counts how often a widget is moved.
struct MoveCounter : QObject
{
    int moves = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            ++moves;
        return false;
    }
};

} // namespace

class SlidingTest : public QObject
{
    Q_OBJECT

private slots:
    void positionRules_data();
    void positionRules();
    void offsetsAndRatesHoldOverTheWholeRange();
    void eachBarMovesOnlyItsOwnStrips();
    void stripsStandAtPixelNearestTheirLeft();
    void startPositionsBeforeFirstShown();
    void barSettings();
    void arrowKeysMoveTheWayTheyPoint_data();
    void arrowKeysMoveTheWayTheyPoint();
    void dragMovesStripsLiveAndArrowsAgree();
    void eachChangePlacesOnce();
    void tenGigahertzStandsUnderOneMetre();
};

void SlidingTest::positionRules_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("frequency");
    QTest::addColumn<float>("beamwidth");
    QTest::addColumn<float>("gain");
    QTest::addColumn<float>("farField");
    QTest::addColumn<float>("diameter");
    QTest::newRow("0") << 0 << -4668.f << -4274.f << -4574.f << -3731.f << -900.f;
    QTest::newRow("16380") << 16380 << 450.75f << 844.75f << 544.75f << 364.f << 1147.5f;
    QTest::newRow("32767") << 32767 << 5571.6875f << 5965.6875f << 5665.6875f << 4460.75f << 3195.875f;
    QTest::newRow("13235, 10 GHz under 1 m") << 13235 << -532.0625f << -138.0625f << -438.0625f
                                             << -422.25f << 754.375f;
}

void SlidingTest::positionRules()
{
    QFETCH(int, value);
    QFETCH(float, frequency);
    QFETCH(float, beamwidth);
    QFETCH(float, gain);
    QFETCH(float, farField);
    QFETCH(float, diameter);
    QCOMPARE(slide::upperFrequencyLeft(value), frequency);
    QCOMPARE(slide::beamwidthLeft(value), beamwidth);
    QCOMPARE(slide::gainLeft(value), gain);
    QCOMPARE(slide::farFieldLeft(value), farField);
    QCOMPARE(slide::lowerDiameterLeft(value), diameter);
}

void SlidingTest::offsetsAndRatesHoldOverTheWholeRange()
{
    const float farAtStart = slide::farFieldLeft(slide::StartValue);
    const float diameterAtStart = slide::lowerDiameterLeft(slide::StartValue);
    for (int v = slide::Minimum; v <= slide::Maximum; ++v) {
        const float b = slide::upperFrequencyLeft(v);
        QCOMPARE(slide::beamwidthLeft(v) - b, 394.f);
        QCOMPARE(slide::gainLeft(v) - b, 94.f);
        QCOMPARE(slide::farFieldLeft(v) - farAtStart, 2 * (slide::lowerDiameterLeft(v) - diameterAtStart));
    }
}

void SlidingTest::eachBarMovesOnlyItsOwnStrips()
{
    StartedProgram program;
    Dishscope &w = program.window;
    const QList<float> start = leftsOf(w);
    const QList<QRect> startGeometry = {w.picPICA->geometry(), w.picPICE->geometry(),
                                        w.picPICH->geometry()};
    for (int value : {0, 7, 20000, 32767}) {
        w.scrSCROLL->setValue(value);
        QList<float> lefts = leftsOf(w);
        // A, E, F, G, H stay; B, C, D follow the rule.
        for (int i : {0, 4, 5, 6, 7})
            QCOMPARE(lefts[i], start[i]);
        QCOMPARE(lefts[1], slide::upperFrequencyLeft(value));
        QCOMPARE(lefts[2], slide::beamwidthLeft(value));
        QCOMPARE(lefts[3], slide::gainLeft(value));
    }
    const QList<float> upper = leftsOf(w);
    for (int value : {0, 3, 32767}) {
        w.scrSCROLL2->setValue(value);
        QList<float> lefts = leftsOf(w);
        for (int i : {0, 1, 2, 3, 4, 7})
            QCOMPARE(lefts[i], upper[i]);
        QCOMPARE(lefts[5], slide::farFieldLeft(value));
        QCOMPARE(lefts[6], slide::lowerDiameterLeft(value));
    }
    QCOMPARE((QList<QRect>{w.picPICA->geometry(), w.picPICE->geometry(), w.picPICH->geometry()}),
             startGeometry);
}

void SlidingTest::stripsStandAtPixelNearestTheirLeft()
{
    StartedProgram program;
    Dishscope &w = program.window;
    for (int value : {0, 13235, 16380, 32767}) {
        w.scrSCROLL->setValue(value);
        w.scrSCROLL2->setValue(value);
        for (ScaleStrip *strip : stripsOf(w))
            QCOMPARE(strip->x(), qRound(strip->leftTwips() / 15.0));
    }
    w.scrSCROLL->setValue(13235);
    QCOMPARE(w.picPICB->x(), -35); // -532.0625 twips
    QCOMPARE(w.picPICB->y(), 249); // Top never changes
}

void SlidingTest::startPositionsBeforeFirstShown()
{
    StartedProgram program;
    const QList<float> expected = {1168.f, 450.75f, 844.75f, 544.75f, 2860.f, 364.f, 1147.5f, 2285.f};
    QCOMPARE(leftsOf(program.window), expected);
}

void SlidingTest::barSettings()
{
    Dishscope w;
    for (QScrollBar *bar : {w.scrSCROLL, w.scrSCROLL2}) {
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 32767);
        QCOMPARE(bar->singleStep(), 10);
        QCOMPARE(bar->pageStep(), 10);
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QVERIFY(bar->hasTracking());
    }
}

void SlidingTest::arrowKeysMoveTheWayTheyPoint_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("change");
    QTest::newRow("Left lowers") << int(Qt::Key_Left) << -10;
    QTest::newRow("Right raises") << int(Qt::Key_Right) << 10;
    QTest::newRow("Page Up lowers") << int(Qt::Key_PageUp) << -10;
    QTest::newRow("Page Down raises") << int(Qt::Key_PageDown) << 10;
}

void SlidingTest::arrowKeysMoveTheWayTheyPoint()
{
    QFETCH(int, key);
    QFETCH(int, change);
    StartedProgram program;
    for (QScrollBar *bar : {program.window.scrSCROLL, program.window.scrSCROLL2}) {
        bar->setFocus();
        const int before = bar->value();
        QTest::keyClick(bar, Qt::Key(key));
        QCOMPARE(bar->value(), before + change);
    }
    QCOMPARE(program.window.picPICB->leftTwips(), slide::upperFrequencyLeft(program.window.scrSCROLL->value()));
    QCOMPARE(program.window.picPICG->leftTwips(), slide::lowerDiameterLeft(program.window.scrSCROLL2->value()));
}

void SlidingTest::dragMovesStripsLiveAndArrowsAgree()
{
    StartedProgram program;
    Dishscope &w = program.window;
    QScrollBar *bar = w.scrSCROLL;
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    const QPoint grip = partOf(bar, QStyle::SC_ScrollBarSlider).center();
    const int startX = w.picPICB->x();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(bar, grip + QPoint(60, 0));
    QVERIFY(bar->isSliderDown());
    // Still held: the strips have already followed the thumb.
    QVERIFY(w.picPICB->x() > startX);
    QCOMPARE(w.picPICB->leftTwips(), slide::upperFrequencyLeft(bar->value()));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, grip + QPoint(60, 0));
    const int dragged = bar->value();
    const QList<float> afterDrag = leftsOf(w);

    bar->setValue(dragged - 50);
    const QPoint addArrow = partOf(bar, QStyle::SC_ScrollBarAddLine).center();
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, addArrow);
    QCOMPARE(bar->value(), dragged);
    QCOMPARE(leftsOf(w), afterDrag);
}

void SlidingTest::eachChangePlacesOnce()
{
    StartedProgram program;
    Dishscope &w = program.window;
    MoveCounter frequency, farField;
    w.picPICB->installEventFilter(&frequency);
    w.picPICF->installEventFilter(&farField);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.scrSCROLL->setValue(20000);
    w.scrSCROLL2->setValue(20000);
    QCOMPARE(frequency.moves, 1);
    QCOMPARE(farField.moves, 1);
}

void SlidingTest::tenGigahertzStandsUnderOneMetre()
{
    StartedProgram program;
    Dishscope &w = program.window;
    w.grab(); // the kept images are made at the start position, as on screen
    w.scrSCROLL->setValue(13235);
    QCOMPARE(w.picPICB->leftTwips(), -532.0625f);
    const QImage shot = w.grab().toImage();

    // 1 m stands at x 4600 of the fixed diameter strip (Left 1168), 10 GHz at x 6300 of
    // the frequency strip: both at 5768 of the view to a tenth of a twip.
    const int expected = viewColumn(5768);
    const QList<int> diameter = columnsWhere(shot, viewRow(3105 + 610), expected - 6, expected + 6, isPureRed);
    const QList<int> frequency = columnsWhere(shot, viewRow(3735 + 50), expected - 6, expected + 6, isPureRed);
    QCOMPARE(diameter.size(), 1);
    QCOMPARE(frequency.size(), 1);
    QCOMPARE(frequency.first(), diameter.first());
    QVERIFY(std::abs(diameter.first() - expected) <= 1);
}

BEAMWISE_TEST_MAIN(SlidingTest)
#include "tst_sliding.moc"
