#pragma once

#include "core/random_generator.h"
#include "document/document.h"
#include "exercise/run_state.h"

#include <vector>

namespace quindor {

// One query item of a run: the card offered and the target asked, both object indexes.
struct QueryPair {
    int CardObject = -1;
    int TargetObject = -1;
    bool operator==(const QueryPair&) const = default;
};

// Collects the open query objects (State -5) of the run, gives every picture card an identity
// in its caption, and orders cards and targets as the run's options say.
std::vector<QueryPair> BuildQueryList(Document& document, const UebDataTyp& run,
                                      RandomGenerator& random);

// Where each object is drawn during a run: entry x names the object at whose card point object
// x stands. Mixed, the answer boxes (kind 24) of each multiple-choice question, with the answer
// after each, exchange places among themselves; otherwise every object stays.
std::vector<int> BuildAnswerPlacementMap(const Document& document, bool mix,
                                         RandomGenerator& random);

} // namespace quindor
