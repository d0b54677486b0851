#include "scales/error_trap.h"
#include "app/message_box_reporter.h"
#include "scales/scale_strip.h"
#include "support/failing_surface.h"
#include "support/fixtures.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// The window's own strips, with B to H redirectable to failing wrappers.
struct Harness
{
    FixedClock clock{QDate(2027, 3, 1)};
    RecordingReporter reporter;
    Dishscope window;
    FailingSurface failingA{*window.picPICA};
    FailingSurface failingB{*window.picPICB};
    Module1 withFailingA{window,
                         {&failingA, window.picPICB, window.picPICC, window.picPICD, window.picPICE,
                          window.picPICF, window.picPICG, window.picPICH},
                         reporter, clock};
    Module1 withFailingB{window,
                         {window.picPICA, &failingB, window.picPICC, window.picPICD, window.picPICE,
                          window.picPICF, window.picPICG, window.picPICH},
                         reporter, clock};
};

// Answers the next message box with the given button and remembers what it showed.
struct BoxAnswer
{
    QMessageBox::StandardButton button = QMessageBox::Ok;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(button)->click();
        });
    }
};

} // namespace

class ErrorConventionTest : public QObject
{
    Q_OBJECT

private slots:
    void failingStepIsReportedAndDrawingGoesOn();
    void twoFailuresGiveTwoReportsInOrder();
    void numbersOfZeroOrBelowAreSilent_data();
    void numbersOfZeroOrBelowAreSilent();
    void failingScaleDoesNotStopStartUp();
    void counterOverflowIsReportedAndEndsTheLoop();
    void tableIndexOutOfRangeIsReported();
    void unexpectedExceptionIsReported();
    void messageBoxAnswers_data();
    void messageBoxAnswers();
};

void ErrorConventionTest::failingStepIsReportedAndDrawingGoesOn()
{
    Harness h;
    h.withFailingA.LG();
    h.failingA.failOn(FailingSurface::LineTo, 3, 480);
    h.withFailingA.PICA();

    QCOMPARE(h.reporter.messages, QStringList{"Error in PICA()  Error number is  480"});
    QCOMPARE(h.withFailingA.MSG, h.reporter.messages.last());

    // The same procedure on a sound strip draws exactly one line more.
    Dishscope clean;
    RecordingReporter quiet;
    Module1 reference(clean, quiet, h.clock);
    reference.LG();
    reference.PICA();
    const auto drawn = resolve(h.window.picPICA->displayList());
    const auto full = resolve(clean.picPICA->displayList());
    QCOMPARE(drawn.strokes.size() + 1, full.strokes.size());
    QCOMPARE(drawn.texts.size(), full.texts.size());
}

void ErrorConventionTest::twoFailuresGiveTwoReportsInOrder()
{
    Harness h;
    h.withFailingA.LG();
    h.failingA.failOn(FailingSurface::PointSet, 2, 481);
    h.failingA.failOn(FailingSurface::Print, 1, 7);
    h.withFailingA.PICA();

    QCOMPARE(h.reporter.messages,
             (QStringList{"Error in PICA()  Error number is  481", "Error in PICA()  Error number is  7"}));
    QCOMPARE(h.withFailingA.MSG, QStringLiteral("Error in PICA()  Error number is  7"));
}

void ErrorConventionTest::numbersOfZeroOrBelowAreSilent_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -5;
}

void ErrorConventionTest::numbersOfZeroOrBelowAreSilent()
{
    QFETCH(int, number);
    Harness h;
    h.withFailingA.LG();
    h.failingA.failOn(FailingSurface::Print, 1, number);
    h.withFailingA.MSG = QStringLiteral("stale");
    h.withFailingA.PICA();
    QVERIFY(h.reporter.messages.isEmpty());
    QVERIFY(h.withFailingA.MSG.isEmpty());
    // Only the failed print is missing.
    QVERIFY(!resolve(h.window.picPICA->displayList()).texts.empty());
}

void ErrorConventionTest::failingScaleDoesNotStopStartUp()
{
    Harness h;
    h.failingB.failAlways(FailingSurface::FontSize, 480);
    h.withFailingB.MAIN();

    QVERIFY(!h.reporter.messages.isEmpty());
    for (const QString &message : h.reporter.messages)
        QCOMPARE(message, QStringLiteral("Error in PICB()  Error number is  480"));
    for (ScaleStrip *strip : stripsOf(h.window)) {
        if (strip != h.window.picPICB)
            QVERIFY2(!strip->displayList().empty(), qPrintable(strip->objectName()));
    }
    QVERIFY(h.window.isVisible());
}

void ErrorConventionTest::counterOverflowIsReportedAndEndsTheLoop()
{
    QString msg;
    RecordingReporter reporter;
    Trap trap(msg, reporter, QStringLiteral("Error in PICA()"));
    std::int16_t counter = 0;
    int passes = 0;
    trap.loop(counter, 32760, 32767, 1, [&] { ++passes; });
    QCOMPARE(passes, 8);
    QCOMPARE(reporter.messages, QStringList{"Error in PICA()  Error number is  6"});

    // A loop that stays in range reports nothing and leaves the counter past its bound.
    RecordingReporter quiet;
    QString other;
    Trap calm(other, quiet, QStringLiteral("Error in PICB()"));
    passes = 0;
    calm.loop(counter, 2, 8, 2, [&] { ++passes; });
    QCOMPARE(passes, 4);
    QCOMPARE(counter, std::int16_t(10));
    QVERIFY(quiet.messages.isEmpty());
}

void ErrorConventionTest::tableIndexOutOfRangeIsReported()
{
    StartedProgram program;
    RecordingReporter reporter;
    QString msg = QStringLiteral("stale");
    Trap trap(msg, reporter, QStringLiteral("Error in PICC()"));
    QVERIFY(msg.isEmpty());
    double value = -1;
    trap([&] { value = program.module.LOGT(11); });
    trap([&] { value = program.module.LOGT(3); });
    QCOMPARE(reporter.messages, QStringList{"Error in PICC()  Error number is  9"});
    QVERIFY(value > 0.47 && value < 0.48);
}

void ErrorConventionTest::unexpectedExceptionIsReported()
{
    RecordingReporter reporter;
    QString msg;
    Trap trap(msg, reporter, QStringLiteral("Error in LG()"));
    trap([] { throw std::runtime_error("unexpected"); });
    QCOMPARE(reporter.messages, QStringList{"Error in LG()  Error number is  51"});
}

void ErrorConventionTest::messageBoxAnswers_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("OK") << int(QMessageBox::Ok);
    QTest::newRow("Cancel") << int(QMessageBox::Cancel);
}

void ErrorConventionTest::messageBoxAnswers()
{
    QFETCH(int, button);
    MessageBoxReporter boxes;
    QString msg;
    Trap trap(msg, boxes, QStringLiteral("Error in PICE()"));
    BoxAnswer answer;
    answer.button = QMessageBox::StandardButton(button);
    answer.arm();
    bool nextStepRan = false;
    trap([] { throw RuntimeError{480}; });
    trap([&] { nextStepRan = true; });

    QCOMPARE(answer.text, QStringLiteral("Error in PICE()  Error number is  480"));
    QCOMPARE(answer.title, QStringLiteral("Beamwise"));
    QCOMPARE(answer.icon, QMessageBox::NoIcon);
    QCOMPARE(answer.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(nextStepRan);
    QCOMPARE(msg, answer.text);
}

BEAMWISE_TEST_MAIN(ErrorConventionTest)
#include "tst_error_convention.moc"
