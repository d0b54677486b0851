#pragma once

#include "readings/antenna_request.h"

#include <QString>
#include <functional>

// A refusal in the terms of one way in, the options or a table's columns: a breach of
// the pair rules in that way's own words; else a field that could not be read, named
// as that way names it, before what is wrong with it; else the request's sentence.
QString refusalWords(const Refusal &refusal, const std::function<QString(PairBreach)> &breach,
                     const std::function<QString(std::optional<QuantityKind>)> &fieldName);
