#pragma once

#include "document/document.h"
#include "view/page_places.h"

#include <vector>

namespace quindor {

// The area of basket k (1 for the first) of a cluster document, in page fractions: its column
// between the margins, from the top to the bottom margin, as a dragged card finds it.
FracRect BasketArea(const HeaderDataTyp& header, int basket);

// Where a card of a run can be put from the keyboard, in reading order: the baskets of a
// cluster document, otherwise the open targets a dragged card can find (kinds that take cards,
// numbered, open, of the question shown), in single-position mode only the position asked.
std::vector<PagePlace> CardTargets(const Document& document, int currentQuestion, int askedTarget);

} // namespace quindor
