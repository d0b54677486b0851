#include "readings/antenna_request.h"

#include "readings/solver.h"

#include <algorithm>

using Kind = QuantityKind;

PairBreach pairBreach(const Kinds &kinds)
{
    if (kinds.size() != 2)
        return kinds.size() < 2 ? PairBreach::TooFew : PairBreach::TooMany;
    if (kinds[0] == kinds[1])
        return PairBreach::SameTwice;
    if (kinds.contains(Kind::Gain) && kinds.contains(Kind::Beamwidth))
        return PairBreach::GainWithBeamwidth;
    return PairBreach::None;
}

namespace {

// The request's two quantities in the order of their kinds.
struct Ordered
{
    const GivenQuantity &low, &high;

    const Quantity &of(Kind kind) const { return low.kind == kind ? low.quantity : high.quantity; }
    const Quantity &other(Kind kind) const
    {
        return low.kind == kind ? high.quantity : low.quantity;
    }
};

// The sentence for a quantity that cannot be set, in the terms it was typed in.
Refusal refused(const OffScale &off, const Ordered &given, const QLocale &locale)
{
    return {PairBreach::None, false, {}, offScaleText(off, given.of(off.kind), locale)};
}

Refusal refused(const Reach &reach, const Ordered &given, const QLocale &locale)
{
    return {PairBreach::None,
            false,
            {},
            reachText(reach, given.of(reach.kind), given.other(reach.kind), locale)};
}

SetAntenna setAt(const AntennaRequest &request, TypedAntenna antenna, BarValues values)
{
    const NomogramReadings readings =
            readNomogram(values.exactUpper, values.exactLower, request.efficiencyPercent());
    return {request, std::move(antenna), values, readings};
}

std::variant<SetAntenna, Refusal> placed(const AntennaRequest &request, const Ordered &given,
                                         const QLocale &locale)
{
    const TypedAntenna antenna{given.low.quantity, given.high.quantity, request.efficiency};
    const auto place = placeAntenna(antenna.diameter.value, antenna.frequency.value);
    if (const auto *values = std::get_if<BarValues>(&place))
        return setAt(request, antenna, *values);
    if (const auto *off = std::get_if<OffScale>(&place))
        return refused(*off, given, locale);
    return refused(std::get<Reach>(place), given, locale);
}

// A far-field range with a gain or a beamwidth is what is given; otherwise the
// higher kind is the reading wanted and the lower one is given.
std::variant<SetAntenna, Refusal> found(const AntennaRequest &request, const Ordered &given,
                                        const QLocale &locale)
{
    const bool farFieldGiven = given.high.kind == Kind::FarField && given.low.kind >= Kind::Gain;
    const GivenQuantity &wanted = farFieldGiven ? given.low : given.high;
    const GivenQuantity &with = farFieldGiven ? given.high : given.low;
    const auto result = findAntenna(wanted.kind, wanted.quantity.value, with.kind,
                                    with.quantity.value, request.efficiencyPercent());
    if (const auto *off = std::get_if<OffScale>(&result))
        return refused(*off, given, locale);
    if (const auto *reach = std::get_if<Reach>(&result))
        return refused(*reach, given, locale);
    const FoundAntenna &f = std::get<FoundAntenna>(result);
    TypedAntenna antenna{Quantity{f.diameter, QStringLiteral("m"), 1},
                         Quantity{f.frequency, QStringLiteral("GHz"), 1}, request.efficiency,
                         with.kind != Kind::Diameter, with.kind != Kind::Frequency};
    if (with.kind == Kind::Diameter)
        antenna.diameter = with.quantity;
    if (with.kind == Kind::Frequency)
        antenna.frequency = with.quantity;
    return setAt(request, antenna, f.values);
}

} // namespace

std::variant<SetAntenna, Refusal> answer(const AntennaRequest &request, const QLocale &locale)
{
    if (const PairBreach breach = pairBreach({request.first.kind, request.second.kind});
        breach != PairBreach::None)
        return Refusal{breach, false, {}, {}};
    const bool inOrder = request.first.kind < request.second.kind;
    const Ordered given{inOrder ? request.first : request.second,
                        inOrder ? request.second : request.first};
    if (given.high.kind == Kind::Frequency)
        return placed(request, given, locale);
    return found(request, given, locale);
}

std::variant<SetAntenna, Refusal> answer(const TypedRequest &typed, const QLocale &locale)
{
    Kinds kinds;
    for (const auto &[kind, text] : typed.quantities)
        kinds << kind;
    if (const PairBreach breach = pairBreach(kinds); breach != PairBreach::None)
        return Refusal{breach, false, {}, {}};
    QVarLengthArray<GivenQuantity, 2> given;
    for (const auto &[kind, text] : typed.quantities) {
        ReadQuantity read = readField(kind, text, locale, typed.numbers);
        if (!read.quantity)
            return Refusal{PairBreach::None, true, kind, read.error};
        given << GivenQuantity{kind, std::move(*read.quantity)};
    }
    std::optional<Quantity> efficiency;
    if (typed.efficiency) {
        ReadQuantity read = readField(std::nullopt, *typed.efficiency, locale, typed.numbers);
        if (!read.quantity)
            return Refusal{PairBreach::None, true, {}, read.error};
        efficiency = std::move(read.quantity);
    }
    return answer({given[0], given[1], efficiency}, locale);
}
