#pragma once

#include "document/document.h"
#include "exercise/protocol.h"
#include "exercise/run_state.h"

#include <QStringList>

#include <vector>

namespace quindor {

// What the initiator works out from the open document when it publishes a network exercise.

// The number of queries of a complete run: every query object (in the typing mode only those
// that can be typed), for cross-matching the pairs.
int NetworkQueryCount(const Document& document, bool typing);

// One query number per object, 0 or less for objects without a column on the control display:
// the number the learning view shows (labelled pictures and gap texts), the question number
// (questions, multiple choice, baskets), or for pairs the pair's number on its left element
// (its right element gets -1 when the left one is asked, else 0).
std::vector<int> AssignQueryNumbers(const Document& document, bool typing);

// The label of query number q in the solution list: letters A-Z with an apostrophe per further
// round under letter numbering, else the number right-aligned in four places.
QString SolutionLabel(int q, bool letters);
// "label - solution" for every object with a query number, sorted by text without regard to
// case (the blanks before the number labels keep them in numerical order).
QStringList SolutionList(const Document& document, const std::vector<int>& queryNumbers);

// The information page: heading, the settings block, the solutions with their hints.
QString NetworkInformationText(const UebDataTyp& run, const ProtocolFacts& facts,
                               const QStringList& solutions);

} // namespace quindor
