#pragma once

#include "core/colour.h"
#include "document/picture.h"

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
};

constexpr int kGridRows = 16;
constexpr int kGridColumns = 12;
constexpr int kAnswerPictures = 12;

// Object kinds (ObjDataTyp::Typ).
enum ObjectKind : int32_t {
    KindQueryLabel = 0,
    KindFixedLabel = 1,
    KindInfoPoint = 2,
    KindGap = 3,
    KindExternalLink = 4,
    KindDocumentLink = 5,
    KindQueryPicture = 6,
    KindFixedPicture = 7,
    KindPictureLink = 8,
    KindAnswerField = 10,
    KindQuestionText = 11,
    KindNavPrevious = 12,
    KindNavNext = 13,
    KindNavFirst = 14,
    KindNavLast = 15,
    KindNavRandom = 16,
    KindStaticLabel = 17,
    KindChoiceQuestion = 20,
    KindChoiceQuestionPicture = 21,
    KindChoicePartFirst = 22,
    KindChoicePartLast = 27,
    KindTableStaticPicture = 31,
    KindTableQueryPicture = 32,
    KindTablePictureLink = 33,
    KindClusterFirst = 40,
    KindClusterStaticText = 40,
    KindClusterQueryText = 41,
    KindClusterStaticPicture = 42,
    KindClusterQueryPicture = 43,
    KindClusterLast = 43,
    KindPairFirst = 50,
    KindPairStaticText = 50,
    KindPairQueryText = 51,
    KindPairStaticPicture = 52,
    KindPairQueryPicture = 53,
    KindPairLast = 53,
};

bool IsPointKind(int typ);
// Kinds that carry their own Picture in the file.
bool IsPictureKind(int typ);
// Kinds that the layouts generate anew and the writer never stores.
bool IsTransientKind(int typ);
// Default title and card colour of a point kind; empty title and white for other kinds.
QString DefaultPointTitle(int typ);
WinColor DefaultPointColour(int typ);

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

struct HeaderDataTyp {
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
    int32_t DokTyp = 0;
    int32_t DokUnterTyp = 0;
    bool Modified = false;
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
    int32_t MinZIndex = 0;
    int32_t MaxZIndex = 0;
    QString BilderPasswort;
    int32_t GapFontHeight = 0;
    // Runtime only: how far the gap layouts shrank their text from the page's starting font
    // (zero or negative); the view shrinks the gap cards by as much.
    int32_t GapFontAdjustment = 0;
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
    bool HasColumnBlock() const { return DokTyp == 4; }
};

FracRect DefaultEinrueckRand(int dokTyp);
// Whether a cell of this document type stores a picture (and its picture fields).
bool CellHasPicture(const HeaderDataTyp& header, const CellDataTyp& cell);

struct ObjDataTyp {
    double Sx = 0.0;
    double Sy = 0.0;
    double Kx = 0.0;
    double Ky = 0.0;
    double FixedWidth = -1.0;
    double FixedHeight = -1.0;
    QString Cap;
    QString PktCap;
    QString PktCap2;
    QString BildKenn;
    int32_t KAusr = 0;
    int32_t TAusr = 0;
    int32_t Ebene = 0;
    int32_t Typ = 0;
    int32_t Untertyp = 0;
    int32_t Sline = 0;
    int32_t Fsize = 0;
    int32_t Stil = 0;
    WinColor Farbe = 0;
    WinColor LinieFarbe = 0;
    WinColor HFarbe = 0;
    int32_t HDeck = 0;
    int32_t LinieDicke = 0;
    int32_t State = -1;
    int32_t Nummer = -1;
    int32_t FrageNummer = -1;
    int32_t AntwortAnz = 0;
    int32_t RunCounter1 = 0;
    int32_t RunCounter2 = 0;
    FracRect CardRect{-1.0, -1.0, -1.0, -1.0};
    int32_t KAusrAkt = 0;
    int32_t DrawnLeft = -1;
    int32_t DrawnTop = -1;
    quindor::Picture Picture;
    int32_t BildDeck = 100;
    std::array<quindor::Picture, kAnswerPictures> AntwPics;
    int32_t ZIndex = 0;
    int32_t BildkarteAnpassen = 0;
    int32_t PunktInUebung = 0;
    int32_t Partner = -1;

    // Bounds-checked access to the answer pictures (programming error beyond 12).
    quindor::Picture& AnswerPicture(int index);
    const quindor::Picture& AnswerPicture(int index) const;
};

// Name of a document type as shown to the user; empty for an unknown type.
QString DocumentTypeName(int dokTyp, int dokUnterTyp);

} // namespace quindor
