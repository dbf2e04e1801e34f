#pragma once

#include "document/document.h"
#include "print/worksheet_settings.h"

#include "print/sheet_picture.h"
#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>

namespace quindor {

// What a worksheet is made from besides the dialog's settings.
struct WorksheetSource {
    const Document* document = nullptr;
    // The learning view's page image: the bodies drawn from the page place their cards on a
    // page of this size, as the view does. Empty: the page fitted into 1280 x 900.
    QSize pageImageSize;
    // The layers shown in the learning view; objects on a hidden one stay off the sheet.
    std::array<bool, 4> layers{true, true, true, true};
    // The learning view's display picture with what was drawn on it (for a worksheet of a
    // labelling document that includes the drawings).
    QImage viewPicture;
};

// One build of the sheet.
struct WorksheetRequest {
    WorksheetVariant variant = WorksheetVariant::Worksheet;
    // Fixes the order of the cross-matching elements, so that every build of one dialog
    // session shows the same one.
    uint32_t seed = 1;
    // Set when the orientation changed: the build first refits the base picture to the new
    // page (size and vertical position in the settings) and clears the flag.
    bool orientationChanged = false;
};

// The size of the sheet in sheet units.
QSize SheetSize(bool landscape);

// Draws the sheet in sheet units into a picture (a recorded vector page, one unit wider than
// the page) that any paint device can replay: the logo, the fields for name, class and date,
// the title, the task, the answer bank, the body made from the document and the footer. The
// three variants differ only in what is drawn; everything keeps its place on all three.
SheetPicture BuildWorksheet(const WorksheetSource& source, WorksheetSettings& settings,
                            WorksheetRequest& request);

} // namespace quindor
