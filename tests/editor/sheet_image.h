// The worksheet of a document drawn into an image, to compare its variants.
#pragma once

#include "print/worksheet_sheet.h"

#include <QPainter>

namespace quindor::test {

inline QImage SheetImage(const Document& document, WorksheetVariant variant) {
    WorksheetSettings settings;
    WorksheetSource source;
    source.document = &document;
    WorksheetRequest request{variant, 1, false};
    const SheetPicture sheet = BuildWorksheet(source, settings, request);
    QImage image(sheet.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    sheet.replay(painter);
    return image;
}

} // namespace quindor::test
