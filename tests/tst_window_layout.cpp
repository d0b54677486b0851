#include "app/layout.h"
#include "app/sunken_panel.h"
#include "scales/scale_strip.h"
#include "support/fixtures.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void windowProperties();
    void everyControlAtItsPlace_data();
    void everyControlAtItsPlace();
    void texts();
    void tabOrder();
    void pixels();
};

void WindowLayoutTest::windowProperties()
{
    StartedProgram program;
    Dishscope &w = program.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Beamwise     v2.4"));
    QCOMPARE(w.size(), QSize(662, 622));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0xD5, 0x2B, 0x1E));
    QCOMPARE(w.font().family(), QStringLiteral("Liberation Sans"));
}

void WindowLayoutTest::everyControlAtItsPlace_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"picIco", "cmdInstr", "cmdInfo", "picPICK", "picPICJ", "cmdNomogram", "picPIC", "lblAd2",
          "picPICF", "picPICH", "picPICG", "picPICC", "picPICE", "picPICD", "picPICB", "picPICA",
          "scrSCROLL2", "scrSCROLL", "Image1", "lblCursor3", "lbl10", "lblCursor2", "lbl3",
          "lblCursor1", "lblBreak"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void WindowLayoutTest::everyControlAtItsPlace()
{
    QFETCH(QString, name);
    Dishscope window; // as laid out, before start-up slides anything
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    const Placement &p = placementOf(name.toLatin1().constData());
    const QRect expected(qRound(p.left / 15.0), qRound(p.top / 15.0), qRound(p.width / 15.0),
                         qRound(p.height / 15.0));
    QCOMPARE(control->geometry(), expected);
    QWidget *container = p.container == Container::Window ? static_cast<QWidget *>(&window)
                                                          : window.picPIC->client();
    QCOMPARE(control->parentWidget(), container);
    if (auto *strip = qobject_cast<ScaleStrip *>(control)) {
        QCOMPARE(strip->leftTwips(), float(p.left));
        QCOMPARE(strip->height(), double(p.height));
    }
}

void WindowLayoutTest::texts()
{
    Dishscope w;
    QCOMPARE(w.cmdInstr->text(), QStringLiteral("Instructions"));
    QCOMPARE(w.cmdInfo->text(), QStringLiteral("Company Info"));
    QCOMPARE(w.cmdNomogram->text(), QStringLiteral("Nomogram"));
    QCOMPARE(w.lbl10->text(), QStringLiteral("10dB"));
    QCOMPARE(w.lbl3->text(), QStringLiteral("3dB"));
    QVERIFY(w.lblAd2->text().endsWith(QLatin1String(".example")));
    QCOMPARE(w.Image1->pixmap().deviceIndependentSize(), QSizeF(300, 99));
    QCOMPARE(w.picIco->pixmap().deviceIndependentSize(), QSizeF(32, 32));
    QVERIFY(w.picPIC->client()->geometry() == w.picPIC->contentsRect());
    QCOMPARE(w.picPIC->frameWidth(), 2);
    // Every text fits where the layout puts it.
    for (QLabel *label : {w.lbl10, w.lbl3, w.lblAd2})
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
    for (QPushButton *button : {w.cmdInstr, w.cmdInfo, w.cmdNomogram})
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8,
                 qPrintable(button->objectName()));
}

void WindowLayoutTest::tabOrder()
{
    StartedProgram program;
    Dishscope &w = program.window;
    const QList<QWidget *> expected = {w.picPIC,  w.scrSCROLL, w.scrSCROLL2, w.picPICA, w.picPICB,
                                       w.picPICD, w.picPICE,   w.picPICC,    w.picPICG, w.picPICH,
                                       w.picPICF, w.cmdInfo,   w.cmdInstr};
    // Following the chain from picPIC visits the visible focusable controls in order;
    // hidden ones (cmdNomogram, the two panels, picIco) are skipped.
    QList<QWidget *> visited;
    QWidget *widget = w.picPIC;
    do {
        if (widget->isVisibleTo(&w) && widget->focusPolicy() & Qt::TabFocus && expected.contains(widget))
            visited << widget;
        widget = widget->nextInFocusChain();
    } while (widget != w.picPIC);
    QCOMPARE(visited, expected);
    for (QWidget *focusable : {static_cast<QWidget *>(w.scrSCROLL), static_cast<QWidget *>(w.scrSCROLL2)})
        QVERIFY(focusable->focusPolicy() & Qt::TabFocus);
}

void WindowLayoutTest::pixels()
{
    StartedProgram program;
    const QImage shot = program.window.grab().toImage();
    QCOMPARE(shot.size(), QSize(662, 622));

    // The window's red around the nomogram and between the bottom buttons.
    QCOMPARE(QColor(shot.pixel(5, 5)), QColor(0xD5, 0x2B, 0x1E));
    QCOMPARE(QColor(shot.pixel(100, 610)), QColor(0xD5, 0x2B, 0x1E));
    // The nomogram view is white inside its frame.
    QCOMPARE(QColor(shot.pixel(inView(60, 1000))), QColor(Qt::white));

    // Of each mark only the 150 twips above its strip show.
    for (auto [left, stripTop] : {std::pair{3600, 4680}, std::pair{4935, 7875}}) {
        QVERIFY(isMark(shot.pixel(inView(left + 5, stripTop - 140))));
        QVERIFY(isMark(shot.pixel(inView(left + 5, stripTop - 10))));
        QVERIFY(!isMark(shot.pixel(inView(left + 5, stripTop + 20))));
    }
    QVERIFY(isMark(shot.pixel(inView(3060, 4600))));

    // picIco is nowhere: its place shows the window's red.
    QCOMPARE(QColor(shot.pixel(24 + 8, 600 + 8)), QColor(0xD5, 0x2B, 0x1E));
    QVERIFY(!program.window.picIco->isVisible());
}

BEAMWISE_TEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
