#pragma once

#include "core/random_generator.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace quindor {

struct DocumentHooks;

// What a worksheet shows: the sheet itself, the complete solution or the overlay solution for
// a transparent film.
enum class WorksheetVariant { Worksheet = 0, Solution = 1, Overlay = 2 };

// The sheet: 1000 x 1625 units upright (16 cm x 26 cm), 1625 x 1000 across.
constexpr int kSheetShortSide = 1000;
constexpr int kSheetLongSide = 1625;
constexpr double kSheetUnitsPerCm = 62.5;

// The sizes of the blanks offered, "50 %" to "200 %" in steps of 10.
const QStringList& BlankSizeTexts();
// The default blank size, "110 %".
constexpr int kDefaultBlankSize = 6;

// The settings of the worksheet dialog, named after its controls. They belong to the program
// run; the layout part of them travels with each document as its worksheet settings string.
struct WorksheetSettings {
    WorksheetVariant ModeRadio = WorksheetVariant::Worksheet;
    int OrientRadio = 0; // 0 portrait, 1 landscape
    bool ABNameBox = true;
    bool ABKlasseBox = true;
    bool ABDatumBox = true;
    bool TitelCheck = true;
    QString TitelEdit;
    QString AufgMemo;
    bool TextvorgabeCheck = true;
    int AbFrageEdit = 1;
    // Position of the blank size in BlankSizeTexts(); -1 when none is chosen.
    int KaestchengroesseCombo = kDefaultBlankSize;
    bool BasisbildCheck = true;
    bool ZeichnungenEinbindenCheck = false;
    bool RaenderCheck = true;
    int MaxFontSize = 0;
    double BasisbildGroesse = 100.0;
    double BasisbildX = 0.0;
    double BasisbildY = 0.0;
    bool VollbreiteCheck = false;
    bool ObjekteCheck = true;

    bool landscape() const { return OrientRadio == 1; }
};

// The limits the dialog keeps: the picture size at most 300 % (no lower bound), the horizontal
// shift within -20..20 cm, the vertical shift not above -20 cm, the font adjustment within
// -10..10, the first question within 1..99999.
void ClampWorksheetSettings(WorksheetSettings& settings);

// The layout settings as the document stores them: ten values, each followed by "|" (blank
// size text, margins, font adjustment, base picture, further objects, x, y, size, full width,
// orientation); reals with one decimal and a point.
QString SerializeWorksheetSettings(const WorksheetSettings& settings);
// Applies a stored string field by field: blanks inside numbers are ignored, an unreadable
// number reads as 0 and an unknown blank size as none; fields the string lacks keep their
// values, so an empty string changes nothing.
void ApplyWorksheetSettings(const QString& stored, WorksheetSettings& settings);

// Where the printed sheet goes on the paper, in cm, always for the portrait case. The values
// stay while the program runs.
struct WorksheetPrintPlacement {
    double LiRand = 2.2;
    double ObRand = 1.4;
    double Breite = 16.5;
    double Hoehe = 26.8;
    bool SeitRatio = true;
    int Kopien = 1;
};

// The placement as the print dialog shows it for a sheet: a landscape sheet swaps the margins
// and the width and height (the height following the width when the proportion is kept).
WorksheetPrintPlacement ShownPlacement(const WorksheetPrintPlacement& stored, bool landscape);
// The shown values back into the portrait case.
WorksheetPrintPlacement StoredPlacement(const WorksheetPrintPlacement& shown, bool landscape);
// The height that keeps the sheet's proportion at a printed width, and the width at a height.
double ProportionalHeight(double width, bool landscape);
double ProportionalWidth(double height, bool landscape);
// The sheet's rectangle on the paper in 0.1 mm, the printer's unprintable offset (in 0.1 mm)
// taken off the margins, not below 0.
struct PrintRectangle {
    int left;
    int top;
    int width;
    int height;
};
PrintRectangle WorksheetPrintRect(const WorksheetPrintPlacement& shown, int offsetX, int offsetY);

// Everything the worksheets keep for the program run.
struct WorksheetState {
    WorksheetSettings settings;
    WorksheetPrintPlacement placement;
};

// A new variant seed, 1 to 10000, from the program's generator.
uint32_t DrawVariantSeed(RandomGenerator& random);

// Loading applies a document's stored settings; writing stores the current ones.
void RegisterWorksheetHooks(DocumentHooks& hooks, WorksheetSettings& settings);

} // namespace quindor
