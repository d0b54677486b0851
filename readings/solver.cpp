#include "readings/solver.h"

#include "readings/references.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <tuple>

using namespace readings;
using namespace references;
using Kind = QuantityKind;

namespace {

const ScaleRule &scaleOf(Kind kind)
{
    switch (kind) {
    case Kind::Diameter:
        return UpperDiameter;
    case Kind::Frequency:
        return UpperFrequency;
    case Kind::Gain:
        return Gain;
    case Kind::Beamwidth:
        return Beamwidth;
    case Kind::FarField:
        break;
    }
    return FarFieldRange;
}

// A value to so many significant figures, as the number that its digits read back
// as: the one a user gets who types what is printed.
double toFigures(double value, int figures)
{
    return QString::number(value, 'e', figures - 1).toDouble();
}

// One search for an antenna: the wanted reading's bar (the upper one for a gain or a
// beamwidth, the lower one for a far-field range) is the unknown, and every other
// quantity follows from its Value and what is given.
class Search
{
public:
    Search(Kind wanted, Kind given, double givenValue, std::optional<double> efficiency)
        : wanted_(wanted)
        , given_(given)
        , givenValue_(givenValue)
        , efficiency_(efficiency)
        , lower_(wanted == Kind::FarField)
        , farFieldBar_(given == Kind::FarField ? std::lround(valueFor(Kind::FarField, givenValue))
                                               : 0)
    { }

    // The Value, not rounded, that puts a reading against its reference.
    double valueFor(Kind wanted, double reading) const;
    std::optional<FoundAntenna> found(double reading) const;
    Reach reach() const;

    // How far the ends of the reach worked out from the scales may lie from the true ones.
    static constexpr int Slack = 4;

private:
    // Where the wanted reading's reference stands on its strip at a Value, and what
    // it reads there.
    double wantedX(int bar) const;
    std::optional<double> wantedAt(int bar) const { return readAt(scaleOf(wanted_), wantedX(bar)); }
    // The diameter and frequency the nomograms show at a Value with what is given.
    std::pair<double, double> antennaAt(int bar) const;
    // The Values at a Value of the bar, if both nomograms can set the antenna there.
    std::optional<BarValues> setsAt(int bar) const;
    Reach settledReach(int first, int last) const;

    Kind wanted_, given_;
    double givenValue_;
    std::optional<double> efficiency_;
    bool lower_;
    long farFieldBar_;
};

double Search::valueFor(Kind wanted, double reading) const
{
    switch (wanted) {
    case Kind::Gain:
        return bars::gainValueFor(EfficiencyLeft + Efficiency.position(efficiency_.value_or(100))
                                  - Gain.position(reading));
    case Kind::Beamwidth:
        return bars::beamwidthValueFor(Mark3dB - Beamwidth.position(reading));
    default:
        return bars::farFieldValueFor(FarFieldMark - FarFieldRange.position(reading));
    }
}

double Search::wantedX(int bar) const
{
    switch (wanted_) {
    case Kind::Gain:
        return EfficiencyLeft + Efficiency.position(efficiency_.value_or(100))
                - bars::gainLeft(bar);
    case Kind::Beamwidth:
        return Mark3dB - bars::beamwidthLeft(bar);
    default:
        return FarFieldMark - bars::farFieldLeft(bar);
    }
}

std::pair<double, double> Search::antennaAt(int bar) const
{
    const double g = givenValue_;
    if (given_ == Kind::FarField)
        return references::antennaAt(bar, int(farFieldBar_));
    if (given_ == Kind::Diameter)
        return {g, lower_ ? lowerFrequencyWith(g, bar) : upperFrequencyWith(g, bar)};
    return {lower_ ? lowerDiameterWith(g, bar) : upperDiameterWith(g, bar), g};
}

std::optional<BarValues> Search::setsAt(int bar) const
{
    if (!wantedAt(bar))
        return std::nullopt;
    if (given_ == Kind::FarField
        && (!bars::holds(double(farFieldBar_))
            || !readAt(FarFieldRange, FarFieldMark - bars::farFieldLeft(int(farFieldBar_)))))
        return std::nullopt;
    const auto [d, f] = antennaAt(bar);
    const auto placed = placeAntenna(d, f);
    const auto *set = std::get_if<BarValues>(&placed);
    if (!set || (lower_ ? set->lower : set->upper) != bar
        || (given_ == Kind::FarField && set->lower != farFieldBar_))
        return std::nullopt;
    return *set;
}

// Found where the reading's Value sets an antenna; then with fewer figures for what
// was found, as long as they set the same Values.
std::optional<FoundAntenna> Search::found(double reading) const
{
    const double exact = valueFor(wanted_, reading);
    if (!bars::holds(exact))
        return std::nullopt;
    const std::optional<BarValues> set = setsAt(int(std::lround(exact)));
    if (!set)
        return std::nullopt;
    const auto [diameter, frequency] = antennaAt(int(std::lround(exact)));
    for (int figures = 3; figures < 9; ++figures) {
        const double d = given_ == Kind::Diameter ? diameter : toFigures(diameter, figures);
        const double f = given_ == Kind::Frequency ? frequency : toFigures(frequency, figures);
        const auto again = placeAntenna(d, f);
        const auto *v = std::get_if<BarValues>(&again);
        if (v && v->upper == set->upper && v->lower == set->lower)
            return FoundAntenna{d, f, figures, *set};
    }
    return FoundAntenna{diameter, frequency, 9, *set};
}

// The readings of every Value that sets an antenna with what is given. Each thing
// that must hold for a Value to set one (the reading on its scale, the diameter and
// the frequency on theirs, both bars within their travel) is a position that moves
// in proportion to the Value, so the Values that set one are a stretch of the bar,
// found from its ends rather than by trying every Value; the reading, moving with
// the Value too, has its extremes at the stretch's ends.
Reach Search::reach() const
{
    double first = bars::Minimum, last = bars::Maximum;
    const auto within = [&](const auto &position, double low, double high) {
        const double atMinimum = position(bars::Minimum), atMaximum = position(bars::Maximum);
        const double slope = (atMaximum - atMinimum) / (bars::Maximum - bars::Minimum);
        if (slope == 0 && (atMinimum < low || atMinimum > high))
            first = bars::Maximum + 1;
        if (slope == 0)
            return;
        // By value: std::minmax of two temporaries would hand back references to them.
        const auto [from, to] =
                std::minmax({(low - atMinimum) / slope, (high - atMinimum) / slope});
        first = std::max(first, bars::Minimum + from);
        last = std::min(last, bars::Minimum + to);
    };
    const ScaleRule &scale = scaleOf(wanted_);
    within([&](int bar) { return wantedX(bar); }, scale.firstX(), scale.lastX());
    for (const ScaleRule *rule : {&UpperDiameter, &UpperFrequency})
        within(
                [&](int bar) {
                    const auto [d, f] = antennaAt(bar);
                    return rule->position(rule == &UpperDiameter ? d : f);
                },
                rule->firstX(), rule->lastX());
    within([&](int bar) { return std::apply(exactValues, antennaAt(bar)).first; }, -0.5, 32767.5);
    within([&](int bar) { return std::apply(exactValues, antennaAt(bar)).second; }, -0.5, 32767.5);
    return settledReach(int(std::ceil(first)), int(std::floor(last)));
}

// The ends worked out above can be off by the rounding of a Value: each is moved to
// the last Value that still sets an antenna, a few steps at most.
Reach Search::settledReach(int first, int last) const
{
    const auto sets = [&](int bar) {
        return bar >= bars::Minimum && bar <= bars::Maximum && setsAt(bar).has_value();
    };
    for (int step = 0; step < Slack && first <= last && !sets(first); ++step)
        ++first;
    for (int step = 0; step < Slack && sets(first - 1); ++step)
        --first;
    for (int step = 0; step < Slack && last >= first && !sets(last); ++step)
        --last;
    for (int step = 0; step < Slack && sets(last + 1); ++step)
        ++last;
    if (first > last || !sets(first) || !sets(last))
        return {wanted_, HUGE_VAL, -HUGE_VAL};
    const auto [low, high] = std::minmax({*wantedAt(first), *wantedAt(last)});
    return {wanted_, low, high};
}

} // namespace

std::variant<FoundAntenna, OffScale, Reach> findAntenna(Kind wanted, double value, Kind given,
                                                        double givenValue,
                                                        std::optional<double> efficiency)
{
    for (const auto &[kind, v] : {std::pair{wanted, value}, {given, givenValue}})
        if (!scaleOf(kind).holds(v))
            return OffScale{kind, scaleOf(kind).low, scaleOf(kind).high};
    const Search search(wanted, given, givenValue, efficiency);
    if (std::optional<FoundAntenna> found = search.found(value))
        return *found;
    return search.reach();
}
