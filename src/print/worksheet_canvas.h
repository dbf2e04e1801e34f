#pragma once

#include "document/markup_layout.h"
#include "print/worksheet_sheet.h"

#include <QFont>
#include <QPainter>
#include <QRect>

#include <functional>

namespace quindor {

// The sheet while it is built: the painter in sheet units, a working copy of the document, the
// settings and the running vertical position. Shared by the parts of the sheet.
struct SheetCanvas {
    QPainter& painter;
    Document& document;
    WorksheetSettings& settings;
    const WorksheetSource& source;
    WorksheetRequest& request;
    // 1 worksheet, 2 overlay, 3 complete solution.
    int mode = 1;
    int width = 0;
    int height = 0;
    // Body parts placed as pictures end here, above the footer.
    int bottomLimit = 0;
    int y = 0;

    // The sheet itself, drawn on the worksheet and the complete solution.
    bool sheetContent() const { return mode != 2; }
    // The answers, drawn on both solutions.
    bool answers() const { return mode != 1; }

    // The document font at an em height of `units`.
    QFont font(int units, bool bold = false) const;
    // The height of "X" in a font.
    int textHeight(const QFont& font) const;
    int textWidth(const QFont& font, const QString& text) const;
    // Text with its top at `top`: left-aligned at x, centred on x or right-aligned at x.
    void text(int x, int top, const QString& text, const QFont& font, Qt::AlignmentFlag align,
              const QColor& colour = Qt::black);
    void line(int x1, int y1, int x2, int y2, const QColor& colour = Qt::black, int width = 1);
    // The outline of the rectangle from (left, top) to (right, bottom), both exclusive.
    void frame(int left, int top, int right, int bottom);
    // Layout parameters for the text layout on the sheet: black, at an em height, reaching to
    // areaRight; measuring only unless draw.
    MarkupLayoutParams layoutParams(int emHeight, int areaRight, bool draw) const;
};

// The page of the document as the learning view shows it, redrawn on the sheet for the
// worksheet: its background (the page with the base image, or a picture of the view), and the
// objects in the worksheet's drawing mode.
struct WorkingPage {
    QSize size;
    // A picture of the view to show under the objects, when there is one.
    QImage picture;
    // Otherwise the page's colour and base image, or white paper.
    bool pageBackground = false;
    // Draws on the page in page pixels (the painter mapped onto the sheet).
    std::function<void(QPainter&)> drawOnPage;
};

// The page the document's bodies are laid out on.
QSize WorkingPageSize(const SheetCanvas& canvas);
// The page's colour and its base image at their place and opacity, on a page of `size`.
void DrawPageBackground(const SheetCanvas& canvas, QPainter& painter, QSize size);
// Draws every object in z order in the drawing mode of the sheet (only those `take` accepts).
void DrawPageObjects(SheetCanvas& canvas, QPainter& painter, QSize size,
                     const std::function<bool(const ObjDataTyp&)>& take);
// Draws the working page stretched into `target`, cut to `visible`.
void DrawWorkingPage(SheetCanvas& canvas, const WorkingPage& page, const QRect& target,
                     const QRect& visible);
// Where a page picture of `size` goes on the sheet from the running y: its size in percent of
// the page width (or the full width), shifted by the x and y of the settings; refitted first
// after a change of orientation.
QRect PlaceBodyPicture(SheetCanvas& canvas, QSize size);

// The sizes the fitted gap texts step through: halves below 48, whole sizes from 48, even
// sizes from 56 (each rounded down to its step).
double WorksheetFontStep(double size);
// The first size tried for a font adjustment of the dialog (-10..10): 48 for 0.
double WorksheetStartSize(int maxFontSize);
// The em height in sheet units of a fitted size.
int WorksheetFontEm(double size);
// A caption on one line, as the answer bank lists it: a hyphen before a line break goes with
// the break when a lower-case letter follows, every other break becomes a blank, runs of
// blanks shrink and the ends are trimmed.
QString FlattenCaption(const QString& caption);

// The parts of the sheet below the task, each from canvas.y.
void DrawAnswerBank(SheetCanvas& canvas);
void DrawLabellingBody(SheetCanvas& canvas);
void DrawPairBody(SheetCanvas& canvas);
void DrawClusterBody(SheetCanvas& canvas);
void DrawGapTextBody(SheetCanvas& canvas);
void DrawGapTableBody(SheetCanvas& canvas);
void DrawSingleQuestionBody(SheetCanvas& canvas);
void DrawChoiceBody(SheetCanvas& canvas);

} // namespace quindor
