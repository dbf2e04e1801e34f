#pragma once

#include "layouts/question_sources.h"

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace quindor {

// A basket of a cluster document: its heading and the cards that belong in it.
struct Basket {
    QString Heading;
    QStringList Items;
};

// A pair of a cross-matching document.
struct ElementPair {
    QString Left;
    QString Right;
};

// The cell texts of a gap table, row by row.
using TableRows = std::vector<QStringList>;

// The content of a document made from text: the gap text (of a gap text or a C-test, its gaps
// made), the table, the single questions, the multiple-choice questions, the baskets or the
// pairs.
using TextContent =
    std::variant<QString, TableRows, std::vector<SingleQuestionLine>, std::vector<ChoiceSource>,
                 std::vector<Basket>, std::vector<ElementPair>>;

} // namespace quindor
