#include "scales/scale_steps.h"

#include <cmath>

ScaleSteps::ScaleSteps(ScaleProcedures &module, Surface &surface, ErrorReporter &reporter,
                       const char *procedure)
    : m(module)
    , trap(module.MSG, reporter, QStringLiteral("Error in %1()").arg(QLatin1String(procedure)))
    , canvas(surface)
{ }

void ScaleSteps::begin(double div, double xa, double xb)
{
    trap([&] { canvas.setFontSize(8); });
    trap([&] {
        m.DIV = div;
        m.XA = xa;
        m.XB = xb;
    });
}

void ScaleSteps::readHeight()
{
    trap([&] { m.HT = canvas.height(); });
}

void ScaleSteps::baseline(double y, double xEnd, Colour start, Colour end)
{
    trap([&] { canvas.pointSet(m.XA, y, start); });
    trap([&] { canvas.lineTo(xEnd, y, end); });
}

void ScaleSteps::majorTicks(double yFrom, double yTo)
{
    trap.loop(m.XPOS, m.XA, m.XB, m.DIV, [&] {
        trap([&] { canvas.pointSet(m.XPOS, yFrom, colours::Red); });
        trap([&] { canvas.lineTo(m.XPOS, yTo, colours::Red); });
    });
}

void ScaleSteps::digitTick(double yStart, double yEdge, Colour out, double yLong)
{
    trap([&] { m.YPOS = yStart; });
    trap([&] { canvas.pointSet(m.XPOS, m.YPOS); });
    trap([&] { canvas.lineTo(m.XPOS, yEdge, out); });
    trap([&] {
        if (m.NJ == 5)
            m.YPOS = yLong;
    });
    trap([&] { canvas.lineTo(m.XPOS, m.YPOS, colours::Blue); });
}

void ScaleSteps::digitTicks(int lastDecade, const std::function<double()> &xRule, double yStart,
                            double yEdge, Colour out, double yLong)
{
    trap.loop(m.NI, 0, lastDecade, 1, [&] {
        trap.loop(m.NJ, 2, 9, 1, [&] {
            trap([&] { m.XPOS = xRule(); });
            digitTick(yStart, yEdge, out, yLong);
        });
    });
}

void ScaleSteps::fineTick(double yStart, double yEnd, Colour colour)
{
    trap([&] { m.YPOS = yStart; });
    trap([&] { canvas.pointSet(m.XPOS, m.YPOS); });
    trap([&] { canvas.lineTo(m.XPOS, yEnd, colour); });
}

void ScaleSteps::fineTicks(const std::vector<FineLoop> &loops,
                           const std::function<double(double)> &xOfLog, double yStart, double yEnd,
                           Colour colour)
{
    for (const FineLoop &loop : loops) {
        auto tick = [&](int b) {
            trap([&] { m.XPOS = xOfLog(log10Fresh(m.NJ / 10.0 + b)); });
            fineTick(yStart, yEnd, colour);
        };
        trap.loop(m.NI, loop.niFirst, loop.niLast, 1, [&] {
            if (loop.njStep == 0) {
                trap([&] { m.NJ = std::int16_t(loop.njFirst); });
                tick(loop.b);
            } else {
                trap.loop(m.NJ, loop.njFirst, loop.njLast, loop.njStep, [&] { tick(loop.b); });
            }
        });
    }
}

void ScaleSteps::chooseText(const QStringList &texts)
{
    if (m.NI >= 0 && m.NI < texts.size())
        m.TXT = texts.at(m.NI);
}

void ScaleSteps::decadeLabels(double y, double offset, const QStringList &texts)
{
    trap([&] { m.YPOS = y; });
    trap.loop(m.NI, 0, int(texts.size()) - 1, 1, [&] {
        trap([&] { m.XPOS = m.NI * m.DIV + m.XA - offset; });
        trap([&] { canvas.setCurrentX(m.XPOS); });
        trap([&] { chooseText(texts); });
        trap([&] { canvas.setCurrentY(m.YPOS); });
        trap([&] { canvas.print(m.TXT); });
    });
}

void ScaleSteps::halfDecadeLabels(double y, const std::function<double()> &xRule,
                                  const QStringList &texts)
{
    trap.loop(m.NI, 0, int(texts.size()) - 1, 1, [&] {
        trap([&] { m.XPOS = xRule(); });
        trap([&] { m.YPOS = y; });
        trap([&] { chooseText(texts); });
        trap([&] { canvas.setCurrentX(m.XPOS); });
        trap([&] { canvas.setCurrentY(m.YPOS); });
        trap([&] { canvas.print(m.TXT); });
    });
}

void ScaleSteps::printAt(double x, double y, const QString &text)
{
    trap([&] { canvas.setCurrentX(x); });
    trap([&] { canvas.setCurrentY(y); });
    trap([&] { canvas.print(text); });
}

double ScaleSteps::log10Fresh(double mantissa)
{
    return std::log(mantissa) / std::log(10.0);
}

std::vector<ScaleSteps::FineLoop> ScaleSteps::standardFineLoops(int niFirst, int niLast)
{
    return {
            {1, 1, 9, 1, niFirst, niLast}, // 1.1 to 1.9
            {2, 2, 8, 2, niFirst, niLast}, // 2.2, 2.4, 2.6, 2.8
            {3, 2, 8, 2, niFirst, niLast}, // 3.2, 3.4, 3.6, 3.8
            {4, 5, 5, 0, niFirst, niLast}, // 4.5
            {5, 6, 6, 0, niFirst, niLast}, // 5.6, not 5.5
    };
}
