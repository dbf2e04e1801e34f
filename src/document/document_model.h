#pragma once

#include "core/colour.h"
#include "document/document_type.h"
#include "document/object_kind.h"
#include "document/object_state.h"
#include "document/picture.h"

#include <QPointF>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace quindor {

// Left, top, right, bottom; fractions of the page or of the base image.
struct FracRect {
    double Left = 0.0;
    double Top = 0.0;
    double Right = 0.0;
    double Bottom = 0.0;
    bool operator==(const FracRect&) const = default;
    // Left and top edges inside, right and bottom outside.
    bool contains(QPointF point) const {
        return point.x() >= Left && point.x() < Right && point.y() >= Top && point.y() < Bottom;
    }
};

constexpr int kGridRows = 16;
constexpr int kGridColumns = 12;
constexpr int kAnswerPictures = 12;

// Default title and card colour of a point kind; empty title and white for other kinds.
QString DefaultPointTitle(ObjectKind kind);
WinColor DefaultPointColour(ObjectKind kind);

struct ColumnDataTyp {
    WinColor Farbe = 0;
    int32_t Deck = 50;
};

struct CellDataTyp {
    QString Text;
    Picture Bild;
    int32_t Art = 0;
    QString BildKenn;
    QString Link;
    int32_t Fsize = 20;
    int32_t BildkarteAnpassen = 0;
    int32_t PunktInUebung = 0;
};

// The header fields that loading, the layouts and editing compute; the file never holds them.
struct HeaderWorkingFields {
    bool Modified = false;
    int32_t MinZIndex = 0;
    int32_t MaxZIndex = 0;
    int32_t GapFontHeight = 0;
    // How far the gap layouts shrank their text from the page's starting font (zero or
    // negative); the view shrinks the gap cards by as much.
    int32_t GapFontAdjustment = 0;
};

struct HeaderDataTyp : HeaderWorkingFields {
    QString FileName;
    QString Vers = QStringLiteral("1.00");
    QString Titel;
    QString Autor;
    QString Bemerkung;
    QString Lueckentext;
    QString Fragentext;
    std::array<ColumnDataTyp, kGridColumns> SpaltenHtgd = DefaultColumns();
    std::array<std::array<CellDataTyp, kGridColumns>, kGridRows> Zellen;
    int32_t Zeilen = 5;
    int32_t Spalten = 2;
    int32_t Linie = 0;
    WinColor LinieCol = 0xC0C0C0;
    int32_t AnzFrageNummern = 0;
    DocumentType DokTyp = DocumentType::Labelling;
    DocumentSubtype DokUnterTyp = DocumentSubtype::Plain;
    FracRect RandErw;
    int32_t NumArt = 0;
    int32_t GeordnetArt = 0;
    int32_t SeitRatioArt = 1;
    int32_t SeitRatioBreite = 10;
    int32_t SeitRatioHoehe = 7;
    double BildGroesseProzent = 100.0;
    double BildPosXProzent = 50.0;
    double BildPosYProzent = 50.0;
    FracRect EinrueckRand;
    WinColor TextCol = 0;
    WinColor HtgdCol = 0xFFFFFF;
    WinColor FragBtnHtgdCol = 0xFF0000;
    WinColor FragBtnTextCol = 0xFFFFFF;
    int32_t MinLuecke = 3;
    QString BilderPasswort;
    QString Arbeitsblatt;
    QString ABAufgabe = DefaultTaskLine();
    Picture ABLogo;
    double LogoGroesse = 0.2;
    int32_t LogoAusricht = 2;
    QString Fusszeile;
    int32_t FusszeileAusricht = 0;
    int32_t BasisbildDeck = 100;

    static std::array<ColumnDataTyp, kGridColumns> DefaultColumns();
    static QString DefaultTaskLine();

    // Bounds-checked grid access: an index outside 16 x 12 (or 12 columns) is a programming
    // error and throws std::out_of_range.
    CellDataTyp& Cell(int row, int column);
    const CellDataTyp& Cell(int row, int column) const;
    ColumnDataTyp& Column(int column);
    const ColumnDataTyp& Column(int column) const;
    // Whether the grid, and the column backgrounds, belong to this document type.
    bool HasGrid() const;
    bool HasColumnBlock() const { return RowOf(DokTyp).baskets; }
    const DocumentTypeRow& Type() const { return RowOf(DokTyp); }
};

FracRect DefaultEinrueckRand(DocumentType type);
// Whether a cell of this document type stores a picture (and its picture fields).
bool CellHasPicture(const HeaderDataTyp& header, const CellDataTyp& cell);

// The object fields that the view, the layouts and a run compute; the file never holds them.
// A load starts every object with these values.
struct ObjectWorkingFields {
    double FixedWidth = -1.0;
    double FixedHeight = -1.0;
    ObjectState State = ObjectState::Covered;
    int32_t Nummer = -1;
    int32_t RunCounter1 = 0;
    int32_t RunCounter2 = 0;
    FracRect CardRect{-1.0, -1.0, -1.0, -1.0};
    int32_t DrawnLeft = -1;
    int32_t DrawnTop = -1;
    int32_t Partner = -1;
};

// One object of the page. Its defaults are those a file gives a field it does not hold.
struct ObjDataTyp : ObjectWorkingFields {
    double Sx = 0.0;
    double Sy = 0.0;
    double Kx = 0.0;
    double Ky = 0.0;
    QString Cap;
    QString PktCap;
    QString PktCap2;
    QString BildKenn;
    int32_t KAusr = 0;
    int32_t TAusr = 0;
    int32_t Ebene = 0;
    ObjectKind Typ = ObjectKind::QueryLabel;
    int32_t Untertyp = 0;
    int32_t Sline = 0;
    int32_t Fsize = 0;
    int32_t Stil = 0;
    WinColor Farbe = 0;
    WinColor LinieFarbe = 0;
    WinColor HFarbe = 0xFFFFFF;
    int32_t HDeck = 0;
    int32_t LinieDicke = 1;
    int32_t FrageNummer = -1;
    int32_t AntwortAnz = 0;
    int32_t KAusrAkt = 0;
    quindor::Picture Picture;
    int32_t BildDeck = 100;
    std::array<quindor::Picture, kAnswerPictures> AntwPics;
    int32_t ZIndex = 0;
    int32_t BildkarteAnpassen = 0;
    int32_t PunktInUebung = 0;

    ObjectWorkingFields& Working() { return *this; }

    // Bounds-checked access to the answer pictures (programming error beyond 12).
    quindor::Picture& AnswerPicture(int index);
    const quindor::Picture& AnswerPicture(int index) const;
};

} // namespace quindor
