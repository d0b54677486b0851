#include "readings/solver.h"

#include "readings/figures.h"
#include "readings/references.h"

#include <algorithm>
#include <cmath>

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

// The reading a wanted quantity is found by. A diameter and a frequency are placed,
// never found, so only the three readings are ever asked for.
ReadingKind readingOf(Kind wanted)
{
    switch (wanted) {
    case Kind::Gain:
        return ReadingKind::GainAtEfficiency;
    case Kind::Beamwidth:
        return ReadingKind::Beamwidth3dB;
    case Kind::Diameter:
    case Kind::Frequency:
    case Kind::FarField:
        break;
    }
    return ReadingKind::FarFieldRange;
}

// One search for an antenna: the wanted reading's bar is the unknown, and every other
// quantity follows from its Value and what is given.
class Search
{
public:
    Search(Kind wanted, Kind given, double givenValue, std::optional<double> efficiency)
        : wanted_(wanted)
        , given_(given)
        , givenValue_(givenValue)
        , reference_(referenceOf(readingOf(wanted), efficiency.value_or(100)))
        , lower_(wanted == Kind::FarField)
        , farFieldBar_(given == Kind::FarField ? std::lround(farField_.valueAt(givenValue)) : 0)
    { }

    std::optional<FoundAntenna> found(double reading) const;
    Reach reach() const;

    // How far the ends of the reach worked out from the scales may lie from the true ones.
    static constexpr int Slack = 4;

private:
    std::optional<double> wantedAt(int bar) const
    {
        return readAt(reference_.scale, reference_.stripX(bar));
    }
    // The diameter and frequency the nomograms show at a Value with what is given.
    std::pair<double, double> antennaAt(int bar) const;
    // Whether a Value of the bar sets an antenna: the wanted reading, the diameter and
    // the frequency on their scales, and a far-field range given on its own.
    bool setsAt(int bar) const;
    Reach settledReach(int first, int last) const;

    const Reference farField_ = referenceOf(ReadingKind::FarFieldRange);
    Kind wanted_, given_;
    double givenValue_;
    Reference reference_;
    bool lower_;
    long farFieldBar_;
};

std::pair<double, double> Search::antennaAt(int bar) const
{
    const double g = givenValue_;
    if (given_ == Kind::FarField)
        return references::antennaAt(bar, int(farFieldBar_));
    if (given_ == Kind::Diameter)
        return {g, lower_ ? lowerFrequencyWith(g, bar) : upperFrequencyWith(g, bar)};
    return {lower_ ? lowerDiameterWith(g, bar) : upperDiameterWith(g, bar), g};
}

bool Search::setsAt(int bar) const
{
    if (!wantedAt(bar))
        return false;
    if (given_ == Kind::FarField
        && (!bars::holds(double(farFieldBar_))
            || !readAt(FarFieldRange, farField_.stripX(int(farFieldBar_)))))
        return false;
    const auto [d, f] = antennaAt(bar);
    return UpperDiameter.holds(d) && UpperFrequency.holds(f);
}

// Found where the reading's Value sets an antenna; what was found is then rounded to
// three figures, and the bars go where that antenna sets them.
std::optional<FoundAntenna> Search::found(double reading) const
{
    const double exact = reference_.valueAt(reading);
    if (!bars::holds(exact) || !setsAt(int(std::lround(exact))))
        return std::nullopt;
    auto [diameter, frequency] = antennaAt(int(std::lround(exact)));
    if (given_ != Kind::Diameter)
        diameter = toThreeFigures(diameter).value;
    if (given_ != Kind::Frequency)
        frequency = toThreeFigures(frequency).value;
    const auto placed = placeAntenna(diameter, frequency);
    if (const auto *values = std::get_if<BarValues>(&placed))
        return FoundAntenna{diameter, frequency, *values};
    return std::nullopt;
}

// The readings of every Value that sets an antenna with what is given. Each thing
// that must hold for a Value to set one (the reading on its scale, the diameter and
// the frequency on theirs) is a position that moves in proportion to the Value, so the
// Values that set one are a stretch of the bar, found from its ends rather than by
// trying every Value; the reading, moving with the Value too, has its extremes at the
// stretch's ends.
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
    within([&](int bar) { return reference_.stripX(bar); }, reference_.scale.firstX(),
           reference_.scale.lastX());
    within([&](int bar) { return UpperDiameter.position(antennaAt(bar).first); },
           UpperDiameter.firstX(), UpperDiameter.lastX());
    within([&](int bar) { return UpperFrequency.position(antennaAt(bar).second); },
           UpperFrequency.firstX(), UpperFrequency.lastX());
    return settledReach(int(std::ceil(first)), int(std::floor(last)));
}

// The ends worked out above can be off by the rounding of a Value: each is moved to
// the last Value that still sets an antenna, a few steps at most.
Reach Search::settledReach(int first, int last) const
{
    const auto sets = [&](int bar) {
        return bar >= bars::Minimum && bar <= bars::Maximum && setsAt(bar);
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
