#include "readings/scale_rules.h"

#include "readings/figures.h"

#include <algorithm>
#include <cmath>

double ScaleRule::position(double v) const
{
    return origin + slope * (spacing == Logarithmic ? decadesOf(v) : v);
}

double ScaleRule::value(double x) const
{
    const double steps = (x - origin) / slope;
    return spacing == Logarithmic ? tenTo(steps) : steps;
}

double ScaleRule::firstX() const
{
    return std::min(position(low), position(high));
}

double ScaleRule::lastX() const
{
    return std::max(position(low), position(high));
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
