#include "document/document_model.h"

#include <stdexcept>

namespace quindor {

QString DefaultPointTitle(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::InfoPoint:
        return QStringLiteral("Info");
    case ObjectKind::ExternalLink:
        return QStringLiteral("Link");
    case ObjectKind::DocumentLink:
        return QStringLiteral("Dok.");
    default:
        return QString();
    }
}

WinColor DefaultPointColour(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::InfoPoint:
        return 0xFD5F00;
    case ObjectKind::ExternalLink:
        return 0x2F35A4;
    case ObjectKind::DocumentLink:
        return 0x4A9829;
    default:
        return 0xFFFFFF;
    }
}

std::array<ColumnDataTyp, kGridColumns> HeaderDataTyp::DefaultColumns() {
    static constexpr WinColor kCycle[5] = {0xBEFF7F, 0xBF7FFF, 0xFFC080, 0x7FBEFF, 0xFF7FBE};
    std::array<ColumnDataTyp, kGridColumns> columns{};
    for (int i = 0; i < kGridColumns; ++i)
        columns[static_cast<size_t>(i)] = ColumnDataTyp{kCycle[i % 5], 50};
    return columns;
}

QString HeaderDataTyp::DefaultTaskLine() {
    return QStringLiteral("Aufgabe: F\u00fclle die freien Felder aus!");
}

namespace {

void CheckIndex(int index, int bound, const char* what) {
    if (index < 0 || index >= bound)
        throw std::out_of_range(what);
}

} // namespace

CellDataTyp& HeaderDataTyp::Cell(int row, int column) {
    CheckIndex(row, kGridRows, "grid row out of range");
    CheckIndex(column, kGridColumns, "grid column out of range");
    return Zellen[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

const CellDataTyp& HeaderDataTyp::Cell(int row, int column) const {
    return const_cast<HeaderDataTyp*>(this)->Cell(row, column);
}

ColumnDataTyp& HeaderDataTyp::Column(int column) {
    CheckIndex(column, kGridColumns, "grid column out of range");
    return SpaltenHtgd[static_cast<size_t>(column)];
}

const ColumnDataTyp& HeaderDataTyp::Column(int column) const {
    return const_cast<HeaderDataTyp*>(this)->Column(column);
}

bool HeaderDataTyp::HasGrid() const {
    switch (RowOf(DokTyp).grid) {
    case DocumentTypeRow::Grid::Always:
        return true;
    case DocumentTypeRow::Grid::GapTableOnly:
        return DokUnterTyp == DocumentSubtype::GapTable;
    default:
        return false;
    }
}

quindor::Picture& ObjDataTyp::AnswerPicture(int index) {
    CheckIndex(index, kAnswerPictures, "answer picture out of range");
    return AntwPics[static_cast<size_t>(index)];
}

const quindor::Picture& ObjDataTyp::AnswerPicture(int index) const {
    return const_cast<ObjDataTyp*>(this)->AnswerPicture(index);
}

bool CellHasPicture(const HeaderDataTyp& h, const CellDataTyp& cell) {
    switch (RowOf(h.DokTyp).grid) {
    case DocumentTypeRow::Grid::GapTableOnly:
        // Static, query and link pictures.
        return h.DokUnterTyp == DocumentSubtype::GapTable && cell.Art > 0;
    case DocumentTypeRow::Grid::Always:
        // Static and query pictures; 0 and 1 are texts.
        return cell.Art == 2 || cell.Art == 3;
    default:
        return false;
    }
}

FracRect DefaultEinrueckRand(DocumentType type) {
    const double* m = RowOf(type).margins;
    return {m[0], m[1], m[2], m[3]};
}

} // namespace quindor
