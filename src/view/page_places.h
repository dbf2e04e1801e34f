#pragma once

#include "document/document.h"
#include "view/view_composer.h"

#include <QString>

#include <vector>

namespace quindor {

// A place on the page that can be chosen from the keyboard instead of clicked: an object, or a
// basket of a cluster document (1 for the first), with the name a screen reader says.
struct PagePlace {
    int object = -1;
    int basket = 0;
    FracRect area;
    QString name;
};

// Top to bottom in bands of a fiftieth of the page height, left to right within a band.
void SortInReadingOrder(std::vector<PagePlace>& places);

// A caption as it reads aloud: without its markup and line breaks.
QString SpokenText(const QString& caption);

// What a click on the page turns or opens, in reading order: the query fields, points, links
// and question buttons of the visible layers and the answers of the question shown; during a
// run (exerciseOnly) only the points and links released for exercises.
std::vector<PagePlace> PagePlaces(const ViewComposer& view, const Document& document,
                                  int currentQuestion, bool exerciseOnly);

} // namespace quindor
