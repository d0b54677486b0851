#include "readings/scale_rules.h"

#include "readings/figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

double ScaleRule::position(double v) const
{
    return origin + slope * (spacing == Logarithmic ? decadesOf(v) : v);
}

double ScaleRule::value(double x) const
{
    const double steps = (x - origin) / slope;
    return spacing == Logarithmic ? tenTo(steps) : steps;
}

namespace {

// The x of each scale's ends, worked out once: every reading checks them, and a table
// of antennas reads many. The scales are few and live as long as the program.
std::pair<double, double> endsOf(const ScaleRule &rule)
{
    struct Ends
    {
        const ScaleRule *rule;
        double origin, slope, low, high;
        double first, last;
    };
    thread_local std::vector<Ends> known;
    for (const Ends &e : known)
        if (e.rule == &rule && e.origin == rule.origin && e.slope == rule.slope && e.low == rule.low
            && e.high == rule.high)
            return {e.first, e.last};
    const double first = std::min(rule.position(rule.low), rule.position(rule.high));
    const double last = std::max(rule.position(rule.low), rule.position(rule.high));
    known.push_back({&rule, rule.origin, rule.slope, rule.low, rule.high, first, last});
    return {first, last};
}

} // namespace

double ScaleRule::firstX() const
{
    return endsOf(*this).first;
}

double ScaleRule::lastX() const
{
    return endsOf(*this).second;
}

bool ScaleRule::holds(double v) const
{
    return v >= low * (1 - 1e-12) && v <= high * (1 + 1e-12);
}

std::optional<double> ScaleRule::valueUnderPixel(double x, double half) const
{
    if (x + half <= firstX() || x - half > lastX())
        return std::nullopt;
    return value(std::clamp(x, firstX(), lastX()));
}

QString ScaleRule::text(double v, const QLocale &locale) const
{
    return QCoreApplication::translate("Scale", name) + QStringLiteral(": ")
            + threeFigures(v, locale, spacing == Linear ? GainDecimals : 15)
            + QString::fromUtf8(unit);
}
