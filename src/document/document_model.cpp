#include "document/document_model.h"

#include <stdexcept>

namespace quindor {

bool IsPointKind(int typ) {
    return typ == KindInfoPoint || typ == KindExternalLink || typ == KindDocumentLink;
}

bool IsPictureKind(int typ) {
    return typ == KindQueryPicture || typ == KindFixedPicture || typ == KindPictureLink ||
           typ == KindChoiceQuestionPicture;
}

bool IsTransientKind(int typ) {
    return typ == KindGap || (typ >= KindChoicePartFirst && typ <= KindChoicePartLast) ||
           typ == KindTableStaticPicture || typ == KindTableQueryPicture;
}

QString DefaultPointTitle(int typ) {
    switch (typ) {
    case KindInfoPoint:
        return QStringLiteral("Info");
    case KindExternalLink:
        return QStringLiteral("Link");
    case KindDocumentLink:
        return QStringLiteral("Dok.");
    default:
        return QString();
    }
}

WinColor DefaultPointColour(int typ) {
    switch (typ) {
    case KindInfoPoint:
        return 0xFD5F00;
    case KindExternalLink:
        return 0x2F35A4;
    case KindDocumentLink:
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
    return (DokTyp == 1 && DokUnterTyp == 1) || DokTyp == 4 || DokTyp == 5;
}

quindor::Picture& ObjDataTyp::AnswerPicture(int index) {
    CheckIndex(index, kAnswerPictures, "answer picture out of range");
    return AntwPics[static_cast<size_t>(index)];
}

const quindor::Picture& ObjDataTyp::AnswerPicture(int index) const {
    return const_cast<ObjDataTyp*>(this)->AnswerPicture(index);
}

bool CellHasPicture(const HeaderDataTyp& h, const CellDataTyp& cell) {
    return (h.DokTyp == 1 && h.DokUnterTyp == 1 && cell.Art > 0) ||
           ((h.DokTyp == 4 || h.DokTyp == 5) && (cell.Art == 2 || cell.Art == 3));
}

FracRect DefaultEinrueckRand(int dokTyp) {
    switch (dokTyp) {
    case 1:
        return {0.035, 0.01, 0.035, 0.0};
    case 2:
        return {0.1, 0.165, 0.05, 0.195};
    case 3:
        return {0.05, 0.04, 0.05, 0.045};
    case 4:
    case 5:
        return {0.035, 0.03, 0.035, 0.03};
    default:
        return {0.0, 0.0, 0.0, 0.0};
    }
}

QString DocumentTypeName(int dokTyp, int dokUnterTyp) {
    switch (dokTyp) {
    case 0:
        return QStringLiteral("Freie Text-Bild-/Bild-Text-Zuordnung");
    case 1:
        switch (dokUnterTyp) {
        case 0:
            return QStringLiteral("L\u00fcckentext");
        case 1:
            return QStringLiteral("Tabellarische Text-Bild-/Bild-Text-Zuordnung");
        case 2:
            return QStringLiteral("C-Test");
        default:
            return QString();
        }
    case 2:
        return QStringLiteral("Einzelfragen");
    case 3:
        return QStringLiteral("Multiple-Choice-Fragen");
    case 4:
        return QStringLiteral("Cluster-\u00dcbung");
    case 5:
        return QStringLiteral("\u00dcber-Kreuz-Zuordnung");
    default:
        return QString();
    }
}

} // namespace quindor
