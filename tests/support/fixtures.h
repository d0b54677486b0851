#pragma once

#include "app/clock.h"
#include "app/dishscope.h"
#include "scales/errors.h"
#include "scales/module1.h"

#include "app/application.h"
#include "support/modal_watchdog.h"

#include <QImage>
#include <QStringList>
#include <QStyle>
#include <QTest>
#include <memory>

// Records error reports instead of showing a box.
class RecordingReporter : public ErrorReporter
{
public:
    void report(const QString &message) override { messages << message; }
    QStringList messages;
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDate date)
        : date_(date)
    {
    }
    QDate today() const override { return date_; }

private:
    QDate date_;
};

// A window started the way the program starts it, with a recording reporter and
// a fixed date (1 March 2027).
struct StartedProgram
{
    StartedProgram();

    FixedClock clock{QDate(2027, 3, 1)};
    RecordingReporter reporter;
    Dishscope window;
    Module1 module{window, reporter, clock};
};

// Pixel of a grabbed window that shows a point of the nomogram view given in
// twips: the view's client area starts inside picPIC's two-pixel frame.
inline int viewColumn(double xTwips) { return 16 + 2 + int(xTwips / 15); }
inline int viewRow(double yTwips) { return 13 + 2 + int(yTwips / 15); }
inline QPoint inView(double xTwips, double yTwips) { return QPoint(viewColumn(xTwips), viewRow(yTwips)); }

inline bool isPureRed(QRgb rgb) { return qRed(rgb) == 255 && qGreen(rgb) == 0 && qBlue(rgb) == 0; }
inline bool isMark(QRgb rgb) { return qRed(rgb) == 0xC0 && qGreen(rgb) == 0 && qBlue(rgb) == 0xC0; }

// The columns from first to last (inclusive) of one image row whose pixel passes the test.
template <class Test>
QList<int> columnsWhere(const QImage &image, int row, int first, int last, Test test)
{
    QList<int> columns;
    for (int x = first; x <= last; ++x)
        if (test(image.pixel(x, row)))
            columns << x;
    return columns;
}

class QScrollBar;
// Where a part of a scroll bar (thumb, arrows, track) stands, in the bar's pixels.
QRect partOf(QScrollBar *bar, QStyle::SubControl part);

class ScaleStrip;
// The eight strips in drawing order A to H.
QList<ScaleStrip *> stripsOf(Dishscope &window);

// Starts the application as the program does (style, fonts) with a watchdog for
// modal dialogs, then runs the test class.
#define BEAMWISE_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char **argv)                                                           \
    {                                                                                         \
        auto app = createApplication(argc, argv);                                             \
        ModalWatchdog watchdog;                                                               \
        TestClass test;                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                            \
        return QTest::qExec(&test, argc, argv);                                               \
    }
