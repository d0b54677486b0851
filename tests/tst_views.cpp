#include "app/sunken_panel.h"
#include "scales/scale_strip.h"
#include "support/fixtures.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

enum View { Nomogram, Instructions, CompanyInfo };

void click(Dishscope &w, View target)
{
    QPushButton *button = target == Instructions ? w.cmdInstr
                        : target == CompanyInfo  ? w.cmdInfo
                                                 : w.cmdNomogram;
    QVERIFY2(button->isVisible(), "the button for the view must be showing");
    QTest::mouseClick(button, Qt::LeftButton);
}

// The full state of a view, with cmdNomogram's place where it shows.
void verifyState(Dishscope &w, View view)
{
    QCOMPARE(w.picPIC->isVisible(), view == Nomogram);
    QCOMPARE(w.picPICK->isVisible(), view == Instructions);
    QCOMPARE(w.picPICJ->isVisible(), view == CompanyInfo);
    QCOMPARE(w.cmdInstr->isVisible(), view != Instructions);
    QCOMPARE(w.cmdInfo->isVisible(), view != CompanyInfo);
    QCOMPARE(w.cmdNomogram->isVisible(), view != Nomogram);
    if (view == Instructions)
        QCOMPARE(w.cmdNomogram->x(), 152);
    if (view == CompanyInfo)
        QCOMPARE(w.cmdNomogram->x(), 432);
    QVERIFY(w.lblAd2->isVisible());
    QVERIFY(!w.picIco->isVisible());
    QCOMPARE(w.cmdInstr->x(), 152);
    QCOMPARE(w.cmdInfo->x(), 432);
}

} // namespace

class ViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void startsInNomogramView();
    void everyTransition_data();
    void everyTransition();
    void slidingSurvivesARoundTrip();
    void panelsShowTheirPictures();
};

void ViewsTest::startsInNomogramView()
{
    StartedProgram program;
    verifyState(program.window, Nomogram);
}

void ViewsTest::everyTransition_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const char *names[] = {"nomogram", "instructions", "company info"};
    for (int from : {Nomogram, Instructions, CompanyInfo})
        for (int to : {Nomogram, Instructions, CompanyInfo})
            if (from != to)
                QTest::addRow("%s to %s", names[from], names[to]) << from << to;
}

void ViewsTest::everyTransition()
{
    QFETCH(int, from);
    QFETCH(int, to);
    StartedProgram program;
    if (from != Nomogram)
        click(program.window, View(from));
    verifyState(program.window, View(from));
    click(program.window, View(to));
    verifyState(program.window, View(to));
}

void ViewsTest::slidingSurvivesARoundTrip()
{
    StartedProgram program;
    Dishscope &w = program.window;
    w.scrSCROLL->setValue(9000);
    w.scrSCROLL2->setValue(25000);
    QList<float> lefts;
    for (ScaleStrip *strip : stripsOf(w))
        lefts << strip->leftTwips();
    const QImage before = w.grab().toImage();

    for (View view : {Instructions, CompanyInfo, Instructions, Nomogram}) {
        click(w, view);
        verifyState(w, view);
    }
    QCOMPARE(w.scrSCROLL->value(), 9000);
    QCOMPARE(w.scrSCROLL2->value(), 25000);
    QList<float> after;
    for (ScaleStrip *strip : stripsOf(w))
        after << strip->leftTwips();
    QCOMPARE(after, lefts);
    QCOMPARE(w.grab().toImage(), before);
}

void ViewsTest::panelsShowTheirPictures()
{
    StartedProgram program;
    Dishscope &w = program.window;

    click(w, Instructions);
    auto *instructions = w.picPICK->client()->findChild<QLabel *>(QStringLiteral("instructionsText"));
    QVERIFY(instructions && instructions->isVisible());
    QCOMPARE(instructions->geometry(), QRect(0, 0, 382, 234));
    QVERIFY(instructions->text().contains(QLatin1String("upper nomogram")));
    QVERIFY(instructions->text().contains(QLatin1String("far-field distance")));
    QVERIFY(instructions->heightForWidth(382) <= 234); // the whole text fits its panel

    click(w, CompanyInfo);
    auto *company = w.picPICJ->client()->findChild<QLabel *>();
    QVERIFY(company && company->isVisible());
    QCOMPARE(company->pos(), QPoint(0, 0));
    QCOMPARE(company->pixmap().deviceIndependentSize(), QSizeF(443, 525));

    // Showing a view again builds nothing new.
    click(w, Nomogram);
    click(w, CompanyInfo);
    QCOMPARE(w.picPICJ->client()->findChildren<QLabel *>().size(), 1);
}

BEAMWISE_TEST_MAIN(ViewsTest)
#include "tst_views.moc"
