#pragma once

#include "print/worksheet_sheet.h"
#include "sheet_recorder.h"

#include <QFontMetrics>

#include <memory>

namespace quindor::test {

// The page the learning view would show, so that the cards land where the tests expect.
constexpr QSize kTestPage(870, 609);
// Answers are red (0x0000FF), the sheet black.
inline const QColor kAnswerRed(255, 0, 0);

inline std::unique_ptr<SheetRecorder> BuildSheet(const Document& document,
                                                 WorksheetSettings settings,
                                                 WorksheetVariant variant, uint32_t seed = 7) {
    WorksheetSource source;
    source.document = &document;
    source.pageImageSize = kTestPage;
    WorksheetRequest request{variant, seed, false};
    return RecordSheet(BuildWorksheet(source, settings, request));
}

// The height of "X" in the document font at an em height of `units` sheet units, measured as
// the sheet measures it.
inline int SheetTextHeight(const Document& document, int units, bool bold = false) {
    QFont font(document.FontName);
    font.setPixelSize(units);
    font.setBold(bold);
    SheetPictureDevice device(QSize(10, 10));
    return QFontMetrics(font, &device).height();
}

inline int SheetAscent(const Document& document, int units, bool bold = false) {
    QFont font(document.FontName);
    font.setPixelSize(units);
    font.setBold(bold);
    SheetPictureDevice device(QSize(10, 10));
    return QFontMetrics(font, &device).ascent();
}

// The first recorded text that equals `text`, or null.
inline const SheetRecorder::Text* FindText(const SheetRecorder& sheet, const QString& text) {
    for (const SheetRecorder::Text& t : sheet.texts) {
        if (t.text == text)
            return &t;
    }
    return nullptr;
}

} // namespace quindor::test
