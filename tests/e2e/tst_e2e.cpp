#include "x_session.h"

#include "app/layout.h"
#include "scales/twips.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

// The program as its users meet it: the built binary in a real X session with
// a window manager, driven with the real mouse and keyboard and read off the screen.

namespace {

const QString Binary = QStringLiteral(BEAMWISE_BINARY);
const QString Caption = QStringLiteral("Beamwise     v2.4");
const QRgb WindowRed = qRgb(0xD5, 0x2B, 0x1E);
const QRgb White = qRgb(0xFF, 0xFF, 0xFF);
const QRgb MarkMagenta = qRgb(0xC0, 0x00, 0xC0);

// The sunken frame of the panels, which their client areas sit inside.
constexpr int PanelFrame = 2;
// How long the program may take to end once its window is closed.
constexpr int ExitTimeout = 5000 * Slowness;
// Each arrow press or click moves a bar 10 units; 48 of them move the upper
// strips 480 / 3.2 = 150 twips, 10 pixels, the far-field strip 480 / 4 = 120
// twips, 8 pixels, and the lower diameter strip 480 / 8 = 60 twips, 4 pixels.
constexpr int Steps = 48;

const char *const Strips[] = {"picPICA", "picPICB", "picPICC", "picPICD",
                              "picPICE", "picPICF", "picPICG", "picPICH"};
const char *const Marks[] = {"lblCursor1", "lblCursor2", "lblCursor3"};

QRect pixelRect(const Placement &p)
{
    return QRect(twips::toPixels(p.left), twips::toPixels(p.top), twips::toPixels(p.width),
                 twips::toPixels(p.height));
}

// The nomogram view's client area, inside its frame, in window pixels.
QRect nomogramClient()
{
    return pixelRect(placementOf("picPIC")).adjusted(PanelFrame, PanelFrame, -PanelFrame, -PanelFrame);
}

// Where a control stands in the window's client area, in pixels.
QRect inWindow(const char *name)
{
    const Placement &placement = placementOf(name);
    const QRect rect = pixelRect(placement);
    return placement.container == Container::Nomogram ? rect.translated(nomogramClient().topLeft()) : rect;
}

QRect panelClient(const char *name)
{
    return inWindow(name).adjusted(PanelFrame, PanelFrame, -PanelFrame, -PanelFrame);
}

// The rows that a strip alone covers, across the whole width of the view:
// there a slid strip shows nothing but its own drawing and the white view.
QRect band(const char *strip)
{
    const QRect own = inWindow(strip);
    int top = own.top();
    int bottom = own.bottom();
    auto cut = [&](const char *other) {
        const QRect rect = inWindow(other);
        if (qstrcmp(other, strip) == 0 || rect.bottom() < top || rect.top() > bottom)
            return;
        if (rect.center().y() < own.center().y())
            top = std::max(top, rect.bottom() + 1);
        else
            bottom = std::min(bottom, rect.top() - 1);
    };
    for (const char *other : Strips)
        cut(other);
    for (const char *other : Marks)
        cut(other);
    const QRect view = nomogramClient();
    return QRect(view.left(), top + 1, view.width(), bottom - top - 1);
}

bool sameIn(const QImage &a, const QImage &b, const QRect &area)
{
    return a.copy(area) == b.copy(area);
}

int countIn(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &kind)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += kind(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool isDark(QRgb rgb)
{
    return qGray(rgb) < 96;
}

// Enough drawn pixels in a strip's band to see where it stands.
bool hasDrawing(const QImage &shot, const char *strip)
{
    return countIn(shot, band(strip), [](QRgb rgb) { return rgb != White; }) >= 50;
}

bool matchesShifted(const QImage &before, const QImage &after, const QRect &area, int dx)
{
    const int from = std::max(area.left(), area.left() - dx);
    const int to = std::min(area.right(), area.right() - dx);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *now = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        for (int x = from; x <= to; ++x) {
            if (was[x] != now[x + dx])
                return false;
        }
    }
    return true;
}

// How far a strip's drawing moved sideways between two screenshots: the
// smallest shift under which its band matches pixel for pixel, if any does.
std::optional<int> shiftOf(const char *strip, const QImage &before, const QImage &after)
{
    const QRect area = band(strip);
    for (int distance = 0; distance < area.width() / 2; ++distance) {
        for (int dx : {distance, -distance}) {
            if (matchesShifted(before, after, area, dx))
                return dx;
        }
    }
    return std::nullopt;
}

bool redAt(const QImage &shot, QPoint point)
{
    return shot.pixel(point) == WindowRed;
}

bool showsNomogram(const QImage &shot)
{
    const QRect view = nomogramClient();
    const QRect mark = inWindow("lblCursor3");
    for (const char *strip : Strips) {
        if (!hasDrawing(shot, strip))
            return false;
    }
    return redAt(shot, QPoint(4, 4)) && shot.pixel(view.topLeft() + QPoint(2, 2)) == White
        && shot.pixel(mark.center().x(), mark.top() + 1) == MarkMagenta;
}

bool showsInstructions(const QImage &shot)
{
    const QRect text = panelClient("picPICK");
    const int dark = countIn(shot, text, isDark);
    const int white = countIn(shot, text, [](QRgb rgb) { return rgb == White; });
    return redAt(shot, nomogramClient().topLeft() + QPoint(2, 2))
        && redAt(shot, nomogramClient().bottomRight() - QPoint(2, 2))
        && white > text.width() * text.height() / 2 && dark > 500
        && countIn(shot, shot.rect(), [](QRgb rgb) { return rgb == MarkMagenta; }) == 0;
}

QImage companyPicture()
{
    const QImage picture(QStringLiteral(BEAMWISE_ASSETS "/company.png"));
    return picture.convertToFormat(QImage::Format_RGB32);
}

// The company page at natural size from the panel's top-left corner, cut off
// where the panel's client area ends.
bool showsCompanyInfo(const QImage &shot)
{
    static const QImage picture = companyPicture();
    const QRect page = panelClient("picPICJ");
    return redAt(shot, nomogramClient().topLeft() + QPoint(2, 2))
        && shot.copy(page) == picture.copy(QRect(QPoint(0, 0), page.size()));
}

QPoint centreOf(const char *name)
{
    return inWindow(name).center();
}

// A place on the red margin where the pointer hovers over nothing.
const QPoint Aside(4, 4);

QStringList repeated(const QString &key, int times)
{
    QStringList keys;
    for (int i = 0; i < times; ++i)
        keys << key;
    return keys;
}

QString shiftText(const std::optional<int> &shift)
{
    return shift ? QString::number(*shift) : QStringLiteral("none");
}

// Strips and how many pixels each has moved, to the right when positive; 0
// for a strip that must stay put.
using Moves = QList<std::pair<const char *, int>>;

bool movedAsExpected(const QImage &before, const QImage &after, const Moves &moves)
{
    return std::all_of(moves.begin(), moves.end(),
                       [&](const auto &move) { return shiftOf(move.first, before, after) == move.second; });
}

QString movesSeen(const QImage &before, const QImage &after, const Moves &moves)
{
    QStringList seen;
    for (const auto &[strip, dx] : moves)
        seen << QStringLiteral("%1 moved %2 (expected %3)")
                    .arg(QLatin1String(strip), shiftText(shiftOf(strip, before, after)))
                    .arg(dx);
    return seen.join(QStringLiteral(", "));
}

// What the steps of each bar do: the upper bar moves its three strips alike,
// the lower one the far-field strip twice as far as the diameter strip.
const Moves UpperSlide = {{"picPICB", 10}, {"picPICC", 10}, {"picPICD", 10}, {"picPICA", 0},
                          {"picPICE", 0},  {"picPICF", 0},  {"picPICG", 0},  {"picPICH", 0}};
const Moves LowerSlide = {{"picPICF", 8}, {"picPICG", 4}, {"picPICH", 0}, {"picPICA", 0},
                          {"picPICB", 0}, {"picPICC", 0}, {"picPICD", 0}, {"picPICE", 0}};

// A session with the program started in it and showing its nomogram view.
struct Desktop
{
    XSession session;
    ProgramWindow window{session, Caption};

    bool start(QString *why) { return session.start(why) && window.start(Binary, showsNomogram, why); }

    std::optional<QByteArray> property(const char *name) const
    {
        return session.run(QStringLiteral("xprop"),
                           {QStringLiteral("-id"), window.id(), QString::fromLatin1(name)});
    }

    // Asks the window manager to act on a window given by its id.
    bool wmctrl(const QStringList &arguments) const
    {
        return session.run(QStringLiteral("wmctrl"), QStringList{QStringLiteral("-i")} + arguments)
            .has_value();
    }

    bool click(QPoint point, int times = 1)
    {
        QStringList arguments = window.at(point) << QStringLiteral("click");
        if (times > 1)
            arguments << QStringLiteral("--repeat") << QString::number(times) << QStringLiteral("--delay")
                      << QStringLiteral("25");
        arguments << QStringLiteral("1");
        return session.xdotool(arguments + window.at(Aside));
    }
};

} // namespace

#define START_DESKTOP(desktop)                                                                               \
    do {                                                                                                     \
        QString why;                                                                                         \
        QVERIFY2((desktop).start(&why), qPrintable(why));                                                    \
    } while (false)

class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void captionSizeAndFrame();
    void thumbDragMovesTheUpperStripsLive();
    void arrowKeysSlideTheWayTheyPoint();
    void arrowClicksSlideBothNomograms();
    void viewsRoundTrip();
    void closingThroughTheWindowManagerEnds_data();
    void closingThroughTheWindowManagerEnds();
    void withoutDisplayOneClearLine();
};

void EndToEndTest::captionSizeAndFrame()
{
    Desktop desktop;
    START_DESKTOP(desktop);

    const auto name = desktop.property("_NET_WM_NAME");
    QVERIFY(name);
    QCOMPARE(QString::fromUtf8(name->trimmed()),
             QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"%1\"").arg(Caption));
    QCOMPARE(desktop.window.client().size(), QSize(662, 622));

    // The window manager offers no maximising and no resizing, only closing.
    const auto actions = desktop.property("_NET_WM_ALLOWED_ACTIONS");
    QVERIFY(actions);
    QVERIFY2(actions->contains("_NET_WM_ACTION_CLOSE"), actions->constData());
    for (const char *action :
         {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
        QVERIFY2(!actions->contains(action), actions->constData());

    // What the window asks of its frame: a title with the system menu, neither
    // a minimise nor a maximise box, closing but no minimising or maximising.
    // Openbox keeps its minimise button all the same; it ignores these wishes.
    const auto motif = desktop.property("_MOTIF_WM_HINTS");
    QVERIFY(motif);
    const QRegularExpressionMatch hints =
        QRegularExpression(QStringLiteral("= (0x[0-9a-f]+), (0x[0-9a-f]+), (0x[0-9a-f]+)"))
            .match(QString::fromLatin1(*motif));
    QVERIFY2(hints.hasMatch(), motif->constData());
    enum : uint { HasFunctions = 1, HasDecorations = 2, All = 1 };
    enum : uint { Minimise = 8, Maximise = 16, Close = 32 };
    enum : uint { Title = 8, Menu = 16, MinimiseBox = 32, MaximiseBox = 64 };
    const uint flags = hints.captured(1).toUInt(nullptr, 16);
    const uint functions = hints.captured(2).toUInt(nullptr, 16);
    const uint decorations = hints.captured(3).toUInt(nullptr, 16);
    QCOMPARE(flags & (HasFunctions | HasDecorations), uint(HasFunctions | HasDecorations));
    QCOMPARE(functions & (All | Minimise | Maximise | Close), uint(Close));
    QCOMPARE(decorations & (All | Title | Menu | MinimiseBox | MaximiseBox), uint(Title | Menu));

    // Asked to maximise or to grow, the window keeps its size. Openbox handles
    // requests in order, so once the last one shows, the others have been dealt with.
    const QString id = desktop.window.id();
    QVERIFY(desktop.wmctrl({QStringLiteral("-r"), id, QStringLiteral("-b"),
                            QStringLiteral("add,maximized_vert,maximized_horz")}));
    QVERIFY(desktop.session.xdotool(
        {QStringLiteral("windowsize"), id, QStringLiteral("800"), QStringLiteral("700")}));
    QVERIFY(desktop.wmctrl({QStringLiteral("-r"), id, QStringLiteral("-b"), QStringLiteral("add,above")}));
    std::optional<QByteArray> state;
    QVERIFY(waitUntil(
        [&] {
            state = desktop.property("_NET_WM_STATE");
            return state && state->contains("_NET_WM_STATE_ABOVE");
        },
        10000 * Slowness));
    QVERIFY2(!state->contains("MAXIMIZED"), state->constData());
    const auto info = desktop.session.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    QVERIFY(info);
    QVERIFY2(info->contains("Width: 662\n") && info->contains("Height: 622\n"), info->constData());
}

void EndToEndTest::thumbDragMovesTheUpperStripsLive()
{
    Desktop desktop;
    START_DESKTOP(desktop);
    const QImage before = desktop.window.settledShot();
    QVERIFY(!before.isNull());

    // At the start value the thumb stands in the middle of the bar.
    const QPoint grip = centreOf("scrSCROLL");
    constexpr int Drag = 60;
    QVERIFY(desktop.session.xdotool(desktop.window.at(grip)
                                    << QStringLiteral("mousedown") << QStringLiteral("1")));
    QVERIFY(desktop.session.xdotool(desktop.window.at(grip + QPoint(Drag, 0))));

    // Still held: the moving strips have followed the thumb already.
    QVERIFY2(
        !desktop.window.shotWhen([&](const QImage &shot) { return !sameIn(before, shot, band("picPICB")); })
             .isNull(),
        "the frequency strip did not follow the held thumb");
    const QImage held = desktop.window.settledShot();
    QVERIFY(!held.isNull());

    // The whole slide of 10239 twips, 682 pixels, is longer than the bar, so the
    // strips move farther than the thumb, all three alike.
    const std::optional<int> moved = shiftOf("picPICB", before, held);
    QVERIFY2(moved && *moved > Drag && *moved < 3 * Drag,
             qPrintable(QStringLiteral("frequency strip moved %1 pixels").arg(shiftText(moved))));
    const Moves moves = {{"picPICC", *moved}, {"picPICD", *moved}, {"picPICA", 0}, {"picPICE", 0},
                         {"picPICF", 0},      {"picPICG", 0},      {"picPICH", 0}};
    QVERIFY2(movedAsExpected(before, held, moves), qPrintable(movesSeen(before, held, moves)));

    // Letting go leaves them where the drag put them.
    QVERIFY(desktop.session.xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    const QImage released = desktop.window.settledShot();
    QVERIFY(!released.isNull());
    for (const char *strip : Strips)
        QVERIFY2(sameIn(held, released, band(strip)), strip);
}

void EndToEndTest::arrowKeysSlideTheWayTheyPoint()
{
    Desktop desktop;
    START_DESKTOP(desktop);
    // A click on the track, well left of the thumb, gives the bar the focus.
    const QRect bar = inWindow("scrSCROLL");
    QVERIFY(desktop.click(QPoint(bar.left() + bar.width() / 6, bar.center().y())));
    const QImage before = desktop.window.settledShot();
    QVERIFY(!before.isNull());

    QVERIFY(desktop.session.xdotool(
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("5")}
        + repeated(QStringLiteral("Right"), Steps)));
    QVERIFY2(!desktop.window
                  .shotWhen([&](const QImage &shot) { return movedAsExpected(before, shot, UpperSlide); })
                  .isNull(),
             qPrintable(QStringLiteral("after %1 presses of Right: %2")
                            .arg(Steps)
                            .arg(movesSeen(before, desktop.window.shot(), UpperSlide))));

    QVERIFY(desktop.session.xdotool(
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("5")}
        + repeated(QStringLiteral("Left"), Steps)));
    QVERIFY2(
        !desktop.window.shotWhen([&](const QImage &shot) { return sameIn(before, shot, nomogramClient()); })
             .isNull(),
        "as many presses of Left did not bring the view back as it was");
}

void EndToEndTest::arrowClicksSlideBothNomograms()
{
    Desktop desktop;
    START_DESKTOP(desktop);
    struct Case
    {
        const char *bar;
        Moves moves;
    };
    const Case cases[] = {{"scrSCROLL", UpperSlide}, {"scrSCROLL2", LowerSlide}};
    for (const Case &c : cases) {
        const QRect bar = inWindow(c.bar);
        // The arrows are the square ends of the bar.
        const QPoint leftArrow(bar.left() + bar.height() / 2, bar.center().y());
        const QPoint rightArrow(bar.right() - bar.height() / 2, bar.center().y());
        const QImage before = desktop.window.settledShot();
        QVERIFY(!before.isNull());

        QVERIFY(desktop.click(rightArrow, Steps));
        QVERIFY2(
            !desktop.window
                 .shotWhen([&](const QImage &shot) { return movedAsExpected(before, shot, c.moves); })
                 .isNull(),
            qPrintable(QStringLiteral("after %1 clicks on the right arrow of %2: %3")
                           .arg(Steps)
                           .arg(QLatin1String(c.bar), movesSeen(before, desktop.window.shot(), c.moves))));

        QVERIFY(desktop.click(leftArrow, Steps));
        QVERIFY2(
            !desktop.window
                 .shotWhen([&](const QImage &shot) { return sameIn(before, shot, nomogramClient()); })
                 .isNull(),
            qPrintable(QStringLiteral("as many clicks on the left arrow of %1 did not bring the view back")
                           .arg(QLatin1String(c.bar))));
    }
}

void EndToEndTest::viewsRoundTrip()
{
    Desktop desktop;
    START_DESKTOP(desktop);
    const QImage start = desktop.window.settledShot();
    QVERIFY(!start.isNull());
    // Slide the lower nomogram away from its start first, so that a reset would show.
    const QPoint grip = centreOf("scrSCROLL2");
    QVERIFY(desktop.session.xdotool(desktop.window.at(grip)
                                    << QStringLiteral("mousedown") << QStringLiteral("1")));
    QVERIFY(desktop.session.xdotool(desktop.window.at(grip - QPoint(40, 0))
                                    << QStringLiteral("mouseup") << QStringLiteral("1")));
    QVERIFY(desktop.session.xdotool(desktop.window.at(Aside)));
    QVERIFY(
        !desktop.window.shotWhen([&](const QImage &shot) { return !sameIn(start, shot, band("picPICF")); })
             .isNull());
    const QImage nomogram = desktop.window.settledShot();
    QVERIFY(!nomogram.isNull());

    const QRect leftPlace = inWindow("cmdInstr");
    const QRect rightPlace = inWindow("cmdInfo");

    QVERIFY(desktop.click(leftPlace.center()));
    QVERIFY2(!desktop.window.shotWhen(showsInstructions).isNull(),
             "Instructions did not show the instructions view");
    const QImage instructions = desktop.window.settledShot();
    QVERIFY(!instructions.isNull());

    QVERIFY(desktop.click(rightPlace.center()));
    QVERIFY2(!desktop.window.shotWhen(showsCompanyInfo).isNull(),
             "Company Info did not show the company page");
    const QImage company = desktop.window.settledShot();
    QVERIFY(!company.isNull());

    // The Nomogram button stands in the place of the hidden button of the view;
    // the other button stays in its own.
    QVERIFY(!sameIn(nomogram, instructions, leftPlace));
    QVERIFY(sameIn(nomogram, instructions, rightPlace));
    QVERIFY(sameIn(nomogram, company, leftPlace));
    QVERIFY(!sameIn(nomogram, company, rightPlace));
    QCOMPARE(instructions.copy(leftPlace), company.copy(rightPlace));

    QVERIFY(desktop.click(rightPlace.center()));
    const QImage back = desktop.window.shotWhen([&](const QImage &shot) { return shot == nomogram; });
    QVERIFY2(!back.isNull(), "the nomogram view did not come back exactly as it was left");
}

void EndToEndTest::closingThroughTheWindowManagerEnds_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("byKeystroke");
    QTest::newRow("nomogram view") << QString() << false;
    QTest::newRow("instructions view") << QStringLiteral("cmdInstr") << false;
    QTest::newRow("company info view") << QStringLiteral("cmdInfo") << false;
    QTest::newRow("company info view, Alt+F4") << QStringLiteral("cmdInfo") << true;
}

void EndToEndTest::closingThroughTheWindowManagerEnds()
{
    QFETCH(QString, button);
    QFETCH(bool, byKeystroke);
    Desktop desktop;
    START_DESKTOP(desktop);
    if (!button.isEmpty()) {
        QVERIFY(desktop.click(centreOf(button.toLatin1().constData())));
        const auto shows = button == QLatin1String("cmdInstr") ? showsInstructions : showsCompanyInfo;
        QVERIFY(!desktop.window.shotWhen(shows).isNull());
    }

    if (byKeystroke)
        QVERIFY(desktop.session.xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")}));
    else
        QVERIFY(desktop.wmctrl({QStringLiteral("-c"), desktop.window.id()}));

    QProcess &program = desktop.window.process();
    QVERIFY2(program.waitForFinished(ExitTimeout), "the program went on after its window was closed");
    const QByteArray said = program.readAllStandardError();
    QVERIFY2(program.exitStatus() == QProcess::NormalExit, said.constData());
    QVERIFY2(program.exitCode() == 0, said.constData());
}

void EndToEndTest::withoutDisplayOneClearLine()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(Binary, {});
    QVERIFY(program.waitForFinished(10000 * Slowness));
    // Ended by itself, not by a signal: no abort and no core dump.
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY(program.exitCode() != 0);
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    const QStringList lines = error.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() == 1, qPrintable(error));
    QVERIFY2(lines.first().startsWith(QLatin1String("beamwise: "))
                 && lines.first().contains(QLatin1String("display"), Qt::CaseInsensitive),
             qPrintable(error));
    QVERIFY(program.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_e2e.moc"
