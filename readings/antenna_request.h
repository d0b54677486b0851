#pragma once

#include "readings/readings_text.h"

#include <QVarLengthArray>
#include <variant>

// What a user gives to set an antenna, from the Set Antenna dialog, the command line
// or a row of a table: two quantities, each of its kind, and an optional aperture
// efficiency. The rules of which pairs can be given, which of the two is wanted and
// which given, live here alone; the places that gather quantities only word a
// broken rule in their own terms and show the answer.
struct GivenQuantity
{
    QuantityKind kind;
    Quantity quantity;
};

struct AntennaRequest
{
    GivenQuantity first, second;
    std::optional<Quantity> efficiency;

    std::optional<double> efficiencyPercent() const
    {
        return efficiency ? std::optional(efficiency->value) : std::nullopt;
    }
};

// The ways the kinds given can break the pair rules.
enum class PairBreach {
    None,
    TooFew, // fewer than two quantities
    TooMany, // more than two
    SameTwice, // one kind twice
    GainWithBeamwidth, // both fix the product of diameter and frequency
};

// Checked on the kinds alone, before any value is read.
using Kinds = QVarLengthArray<QuantityKind, 5>;
PairBreach pairBreach(const Kinds &kinds);

// An antenna set by a request: what was given, the antenna as typed or found, where
// the bars go for it and what the nomograms then read.
struct SetAntenna
{
    AntennaRequest request;
    TypedAntenna antenna;
    BarValues values;
    NomogramReadings readings;
};

// A request refused: a breach of the pair rules, or else the sentence that says why
// the antenna cannot be set, naming the quantity it speaks of. A field typed that
// cannot be read is named by its kind, none for the efficiency, beside what is wrong
// with it, so that each way in can name the field in its own terms.
struct Refusal
{
    PairBreach breach = PairBreach::None;
    bool unread = false;
    std::optional<QuantityKind> field;
    QString sentence;
};

std::variant<SetAntenna, Refusal> answer(const AntennaRequest &request,
                                         const QLocale &locale = QLocale());

// A request as typed, in UTF-8: each quantity with its kind, in the order given, and
// the efficiency if one was given. Views, of texts that outlive the request.
struct TypedRequest
{
    QVarLengthArray<std::pair<QuantityKind, QByteArrayView>, 5> quantities;
    std::optional<QByteArrayView> efficiency;
    Numbers numbers = Numbers::Typed; // how their numbers are written
};

// Checks the pair rules on the kinds, then reads each field in the order given, then
// answers; the numbers are read in the locale's way.
std::variant<SetAntenna, Refusal> answer(const TypedRequest &typed,
                                         const QLocale &locale = QLocale());
