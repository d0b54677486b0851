#include "app/layout.h"
#include "app/sunken_panel.h"
#include "scales/scale_strip.h"
#include "scales/twips.h"
#include "slide/slide_rules.h"
#include "support/fixtures.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <iterator>

// Thousands of random user actions in random order, with the window's promises
// checked after every one: the strips stand where the position rules put them,
// the view shows exactly what its table says, and no scale is ever drawn again.

namespace {

constexpr quint32 Seed = 20270301;
constexpr int Actions = 3000;
constexpr int ArrowStep = 10;

enum class View { Nomogram, Instructions, CompanyInfo };

// A strip and the rule that places it, or no rule for a fixed strip.
struct Placed
{
    ScaleStrip *strip;
    QScrollBar *bar;
    float (*rule)(int);
};

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void randomUse();

private:
    // One random action; says what it did.
    QString act();
    QString setValue();
    QString dragThumb();
    QString clickBar();
    QString pressKey();
    QString clickViewButton();

    // Checks the window against what the actions so far must have left, and
    // adds what went wrong during the last action; says what is wrong.
    QString violation(const QString &doing) const;
    QString placementViolation() const;
    QString viewViolation() const;
    QString drawingViolation() const;

    QScrollBar *anyBar();

    std::unique_ptr<StartedProgram> program_;
    QRandomGenerator random_{Seed};
    QList<Placed> placed_;
    QList<QRect> fixedGeometry_;
    QList<size_t> drawnOps_;
    View view_ = View::Nomogram;
    // The Value each bar must hold, where an action fixes it; drags and page
    // clicks leave it to the bar and only the position rules are checked.
    QHash<QScrollBar *, int> expectedValue_;
    QStringList problems_;
};

void SoakTest::init()
{
    program_ = std::make_unique<StartedProgram>();
    Dishscope &w = program_->window;
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();

    placed_ = {{w.picPICA, nullptr, nullptr},
               {w.picPICB, w.scrSCROLL, slide::upperFrequencyLeft},
               {w.picPICC, w.scrSCROLL, slide::beamwidthLeft},
               {w.picPICD, w.scrSCROLL, slide::gainLeft},
               {w.picPICE, nullptr, nullptr},
               {w.picPICF, w.scrSCROLL2, slide::farFieldLeft},
               {w.picPICG, w.scrSCROLL2, slide::lowerDiameterLeft},
               {w.picPICH, nullptr, nullptr}};
    fixedGeometry_.clear();
    drawnOps_.clear();
    for (const Placed &p : placed_) {
        fixedGeometry_ << p.strip->geometry();
        drawnOps_ << p.strip->displayList().size();
        QVERIFY2(!p.strip->displayList().empty(), qPrintable(p.strip->objectName()));
        // Every strip shows at the start, so each has rendered its drawing once.
        QCOMPARE(p.strip->renderCount(), 1);
    }
    view_ = View::Nomogram;
    expectedValue_ = {{w.scrSCROLL, slide::StartValue}, {w.scrSCROLL2, slide::StartValue}};
    const QString wrong = violation(QStringLiteral("start"));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void SoakTest::cleanup()
{
    program_.reset();
}

void SoakTest::randomUse()
{
    for (int i = 0; i < Actions; ++i) {
        problems_.clear();
        const QString doing = QStringLiteral("action %1: %2").arg(i).arg(act());
        // Let the window paint what the action changed before looking.
        QCoreApplication::processEvents();
        const QString wrong = violation(doing);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
}

QScrollBar *SoakTest::anyBar()
{
    Dishscope &w = program_->window;
    return random_.bounded(2) ? w.scrSCROLL : w.scrSCROLL2;
}

QString SoakTest::act()
{
    // The bars can only be used while the nomogram view shows them.
    const bool barsShown = view_ == View::Nomogram;
    switch (random_.bounded(barsShown ? 5 : 2)) {
    case 0:
        return setValue();
    case 1:
        return clickViewButton();
    case 2:
        return dragThumb();
    case 3:
        return clickBar();
    default:
        return pressKey();
    }
}

QString SoakTest::setValue()
{
    QScrollBar *bar = anyBar();
    const int value = random_.bounded(slide::Minimum, slide::Maximum + 1);
    bar->setValue(value);
    expectedValue_[bar] = value;
    return QStringLiteral("%1 set to %2").arg(bar->objectName()).arg(value);
}

QString SoakTest::dragThumb()
{
    QScrollBar *bar = anyBar();
    const QPoint grip = partOf(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grip);
    expectedValue_.remove(bar);
    // Moves may leave the bar on either side, as a hurried hand does.
    const int moves = random_.bounded(1, 6);
    QPoint at = grip;
    for (int i = 0; i < moves; ++i) {
        at = QPoint(random_.bounded(-40, bar->width() + 40), random_.bounded(-20, bar->height() + 20));
        QTest::mouseMove(bar, at);
        QCoreApplication::processEvents();
        if (!bar->isSliderDown())
            problems_ << QStringLiteral("thumb grabbed at %1,%2 not held").arg(grip.x()).arg(grip.y());
        const QString wrong = placementViolation();
        if (!wrong.isEmpty())
            problems_ << QStringLiteral("held at %1,%2: %3").arg(at.x()).arg(at.y()).arg(wrong);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
    return QStringLiteral("%1 thumb dragged in %2 moves to %3")
        .arg(bar->objectName())
        .arg(moves)
        .arg(bar->value());
}

QString SoakTest::clickBar()
{
    QScrollBar *bar = anyBar();
    // Arrows move by exactly one step; a click in the track moves towards the
    // click, by a page or, where the style says so, to the place clicked.
    struct Part
    {
        QStyle::SubControl control;
        int direction;
        bool exact;
        const char *name;
    };
    static const Part parts[] = {{QStyle::SC_ScrollBarAddLine, 1, true, "right arrow"},
                                 {QStyle::SC_ScrollBarSubLine, -1, true, "left arrow"},
                                 {QStyle::SC_ScrollBarAddPage, 1, false, "track right of the thumb"},
                                 {QStyle::SC_ScrollBarSubPage, -1, false, "track left of the thumb"}};
    const Part &part = parts[random_.bounded(4)];
    const QRect rect = partOf(bar, part.control);
    // At either end of the range the track on that side has no room left.
    if (rect.isEmpty())
        return QStringLiteral("%1 has no %2").arg(bar->objectName(), QLatin1String(part.name));
    const int before = bar->value();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, rect.center());
    if (part.exact) {
        expectedValue_[bar] = std::clamp(before + part.direction * ArrowStep, bar->minimum(), bar->maximum());
    } else {
        expectedValue_.remove(bar);
        if ((bar->value() - before) * part.direction <= 0)
            problems_ << QStringLiteral("the thumb did not move towards the click");
    }
    return QStringLiteral("%1 %2 clicked: %3 to %4")
        .arg(bar->objectName(), QLatin1String(part.name))
        .arg(before)
        .arg(bar->value());
}

QString SoakTest::pressKey()
{
    QScrollBar *bar = anyBar();
    struct Key
    {
        Qt::Key key;
        int change;
        const char *name;
    };
    static const Key keys[] = {
        {Qt::Key_Right, ArrowStep, "Right"},        {Qt::Key_Left, -ArrowStep, "Left"},
        {Qt::Key_PageDown, ArrowStep, "Page Down"}, {Qt::Key_PageUp, -ArrowStep, "Page Up"},
        {Qt::Key_Home, -slide::Maximum, "Home"},    {Qt::Key_End, slide::Maximum, "End"}};
    const Key &key = keys[random_.bounded(int(std::size(keys)))];
    bar->setFocus();
    const int before = bar->value();
    QTest::keyClick(bar, key.key);
    expectedValue_[bar] = std::clamp(before + key.change, bar->minimum(), bar->maximum());
    return QStringLiteral("%1 key %2: %3 to %4")
        .arg(bar->objectName(), QLatin1String(key.name))
        .arg(before)
        .arg(bar->value());
}

QString SoakTest::clickViewButton()
{
    Dishscope &w = program_->window;
    QList<std::pair<QPushButton *, View>> shown;
    for (const auto &[button, view] :
         {std::pair{w.cmdInstr, View::Instructions}, std::pair{w.cmdInfo, View::CompanyInfo},
          std::pair{w.cmdNomogram, View::Nomogram}}) {
        if (button->isVisible())
            shown.append({button, view});
    }
    if (shown.isEmpty())
        return QStringLiteral("no view button showing");
    const auto &[button, view] = shown[random_.bounded(int(shown.size()))];
    QTest::mouseClick(button, Qt::LeftButton);
    view_ = view;
    return QStringLiteral("%1 clicked").arg(button->objectName());
}

QString SoakTest::violation(const QString &doing) const
{
    QStringList wrong = problems_;
    for (const QString &part : {placementViolation(), viewViolation(), drawingViolation()}) {
        if (!part.isEmpty())
            wrong << part;
    }
    return wrong.isEmpty() ? QString() : doing + QStringLiteral(": ") + wrong.join(QStringLiteral("; "));
}

QString SoakTest::placementViolation() const
{
    QStringList wrong;
    for (auto it = expectedValue_.begin(); it != expectedValue_.end(); ++it) {
        if (it.key()->value() != it.value())
            wrong << QStringLiteral("%1 holds %2, not %3")
                         .arg(it.key()->objectName())
                         .arg(it.key()->value())
                         .arg(it.value());
    }
    for (qsizetype i = 0; i < placed_.size(); ++i) {
        const Placed &p = placed_[i];
        const QString name = p.strip->objectName();
        if (!p.rule) {
            if (p.strip->geometry() != fixedGeometry_[i])
                wrong << QStringLiteral("fixed %1 moved").arg(name);
            continue;
        }
        const float left = p.rule(p.bar->value());
        if (p.strip->leftTwips() != left)
            wrong << QStringLiteral("%1 at Left %2 twips, not %3 for Value %4")
                         .arg(name)
                         .arg(p.strip->leftTwips())
                         .arg(left)
                         .arg(p.bar->value());
        if (p.strip->x() != twips::toPixels(left))
            wrong << QStringLiteral("%1 at x %2, not the pixel nearest %3 twips")
                         .arg(name)
                         .arg(p.strip->x())
                         .arg(left);
        if (p.strip->y() != fixedGeometry_[i].y() || p.strip->size() != fixedGeometry_[i].size())
            wrong << QStringLiteral("%1 changed its top or size").arg(name);
    }
    return wrong.join(QStringLiteral("; "));
}

QString SoakTest::viewViolation() const
{
    const Dishscope &w = program_->window;
    const int leftPlace = twips::toPixels(layout::LeftButtonPlace);
    const int rightPlace = twips::toPixels(layout::RightButtonPlace);
    struct Expected
    {
        QWidget *widget;
        bool shown;
    };
    const Expected table[] = {
        {w.picPIC, view_ == View::Nomogram},
        {w.picPICK, view_ == View::Instructions},
        {w.picPICJ, view_ == View::CompanyInfo},
        {w.cmdInstr, view_ != View::Instructions},
        {w.cmdInfo, view_ != View::CompanyInfo},
        {w.cmdNomogram, view_ != View::Nomogram},
        {w.lblAd2, true},
        {w.picIco, false},
    };
    QStringList wrong;
    for (const Expected &e : table) {
        if (e.widget->isVisible() != e.shown)
            wrong << QStringLiteral("%1 %2").arg(
                e.widget->objectName(), e.shown ? QStringLiteral("hidden") : QStringLiteral("shown"));
    }
    const int panels = int(w.picPIC->isVisible()) + int(w.picPICK->isVisible()) + int(w.picPICJ->isVisible());
    if (panels != 1)
        wrong << QStringLiteral("%1 views shown at once").arg(panels);
    if (view_ == View::Instructions && w.cmdNomogram->x() != leftPlace)
        wrong << QStringLiteral("Nomogram at x %1 in the instructions view").arg(w.cmdNomogram->x());
    if (view_ == View::CompanyInfo && w.cmdNomogram->x() != rightPlace)
        wrong << QStringLiteral("Nomogram at x %1 in the company view").arg(w.cmdNomogram->x());
    if (w.cmdInstr->x() != leftPlace || w.cmdInfo->x() != rightPlace)
        wrong << QStringLiteral("a view button left its place");
    return wrong.join(QStringLiteral("; "));
}

QString SoakTest::drawingViolation() const
{
    QStringList wrong;
    for (qsizetype i = 0; i < placed_.size(); ++i) {
        const ScaleStrip *strip = placed_[i].strip;
        if (strip->displayList().size() != drawnOps_[i])
            wrong << QStringLiteral("%1 drawn into again").arg(strip->objectName());
        if (strip->renderCount() != 1)
            wrong
                << QStringLiteral("%1 rendered %2 times").arg(strip->objectName()).arg(strip->renderCount());
    }
    return wrong.join(QStringLiteral("; "));
}

BEAMWISE_TEST_MAIN(SoakTest)
#include "tst_soak.moc"
