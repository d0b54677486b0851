#include "scales/scale_strip.h"
#include "support/fixtures.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>

#include "app/sunken_panel.h"

namespace {

// What the window looked like at the moment it was first shown.
struct ShowSnapshot : QObject
{
    bool shown = false;
    QString date;
    bool panelsHidden = false;
    bool buttonHidden = false;
    int upperValue = 0, lowerValue = 0;
    int stripsWithDrawing = 0;
    Dishscope *window = nullptr;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::Show && !shown) {
            shown = true;
            date = window->lblDate->text();
            panelsHidden = window->picPICJ->isHidden() && window->picPICK->isHidden();
            buttonHidden = window->cmdNomogram->isHidden();
            upperValue = window->scrSCROLL->value();
            lowerValue = window->scrSCROLL2->value();
            for (ScaleStrip *strip : stripsOf(*window))
                stripsWithDrawing += strip->displayList().empty() ? 0 : 1;
        }
        return false;
    }
};

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void windowIsShownLastWithEverythingReady();
    void everyProcedureEmptiesMsg_data();
    void everyProcedureEmptiesMsg();
    void dateHeading_data();
    void dateHeading();
    void longDateGrowsToTheRightAndStaysInView();
    void iconGoesToTheOutermostOwner();
    void withoutOwnerOnlyTheWindowGetsTheIcon();
    void noDisplayIsOneClearLine();
};

void StartupTest::windowIsShownLastWithEverythingReady()
{
    FixedClock clock(QDate(2027, 3, 1));
    RecordingReporter reporter;
    Dishscope window;
    Module1 module(window, reporter, clock);
    ShowSnapshot snapshot;
    snapshot.window = &window;
    window.installEventFilter(&snapshot);

    QVERIFY(!window.isVisible());
    module.MAIN();

    QVERIFY(snapshot.shown);
    QCOMPARE(snapshot.date, QStringLiteral("1 Mar 2027"));
    QVERIFY(snapshot.panelsHidden);
    QVERIFY(snapshot.buttonHidden);
    QCOMPARE(snapshot.upperValue, 16380);
    QCOMPARE(snapshot.lowerValue, 16380);
    QCOMPARE(snapshot.stripsWithDrawing, 8);
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(window.picPIC->isVisible());
    QVERIFY(reporter.messages.isEmpty());
    QVERIFY(module.MSG.isEmpty());
}

void StartupTest::everyProcedureEmptiesMsg_data()
{
    QTest::addColumn<int>("procedure");
    const char *names[] = {"head", "LG", "PICA", "PICB", "PICC", "PICD", "PICE", "PICF", "PICG", "PICH"};
    for (int i = 0; i < 10; ++i)
        QTest::newRow(names[i]) << i;
}

void StartupTest::everyProcedureEmptiesMsg()
{
    QFETCH(int, procedure);
    StartedProgram program;
    Module1 &m = program.module;
    void (Module1::*procedures[])() = {&Module1::head, &Module1::LG,   &Module1::PICA, &Module1::PICB,
                                       &Module1::PICC, &Module1::PICD, &Module1::PICE, &Module1::PICF,
                                       &Module1::PICG, &Module1::PICH};
    m.MSG = QStringLiteral("Error in MAIN()  Error number is  5");
    (m.*procedures[procedure])();
    QVERIFY(m.MSG.isEmpty());
}

void StartupTest::dateHeading_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << QDate(2027, 3, 1)
                             << "1 Mar 2027";
    QTest::newRow("two-digit-year locale, last century")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(1999, 12, 31) << "31 Dec 1999";
    QTest::newRow("two-digit-year locale, far future")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(2075, 7, 4) << "4 Jul 2075";
    QTest::newRow("German month name") << QLocale(QLocale::German, QLocale::Germany)
                                       << QDate(2027, 10, 9) << "9 Okt. 2027";
}

void StartupTest::dateHeading()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    const QLocale previous;
    QLocale::setDefault(locale);
    FixedClock clock(date);
    RecordingReporter reporter;
    Dishscope window;
    Module1 module(window, reporter, clock);
    module.head();
    QLocale::setDefault(previous);
    QCOMPARE(module.TODAY, expected);
}

void StartupTest::longDateGrowsToTheRightAndStaysInView()
{
    StartedProgram program;
    QLabel *date = program.window.lblDate;
    QCOMPARE(date->x(), 568); // 8520 twips
    QVERIFY(date->width() >= date->sizeHint().width());
    QVERIFY(date->geometry().right() < date->parentWidget()->width());
    QVERIFY(!date->isEnabled());

    program.window.setDateCaption(QStringLiteral("28 septembre 2027"));
    QVERIFY(date->width() >= date->sizeHint().width());
    QVERIFY(date->geometry().right() < date->parentWidget()->width());
}

void StartupTest::iconGoesToTheOutermostOwner()
{
    QWindow outer, inner;
    inner.setTransientParent(&outer);
    Dishscope window;
    window.winId();
    window.windowHandle()->setTransientParent(&inner);
    QVERIFY(outer.icon().isNull());
    window.load();
    QVERIFY(!outer.icon().isNull());
    QVERIFY(inner.icon().isNull());
    QCOMPARE(outer.icon().pixmap(32, 32).toImage(), window.windowIcon().pixmap(32, 32).toImage());
}

void StartupTest::withoutOwnerOnlyTheWindowGetsTheIcon()
{
    Dishscope window;
    window.load();
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

void StartupTest::noDisplayIsOneClearLine()
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(BEAMWISE_BINARY), {});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    QVERIFY(process.exitCode() != 0);
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardError())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().contains(QLatin1String("no display")));
}

BEAMWISE_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
