#pragma once

namespace quindor {

// What a cell of a basket or pair grid holds (CellDataTyp::Art); the card made from it is the
// first kind of its layout plus this value.
constexpr int kCellStaticText = 0;
constexpr int kCellQueryText = 1;
constexpr int kCellStaticPicture = 2;
constexpr int kCellQueryPicture = 3;

constexpr bool IsPictureCell(int art) {
    return art == kCellStaticPicture || art == kCellQueryPicture;
}
constexpr bool IsQueryCell(int art) {
    return art == kCellQueryText || art == kCellQueryPicture;
}

} // namespace quindor
