#pragma once

#include "document/markup_layout.h"

#include <QSize>

namespace quindor {

struct Document;

// The first alternative of a gap's content: up to the first "|", or all of it.
QString FirstAlternative(const QString& content);
// What the break test at "<<" reserves: a blank followed by the first alternative or by
// minLuecke letters "X", whichever is wider.
int GapBreakWidth(const QFontMetrics& metrics, const QString& first, int minLuecke);
// The width a gap takes: as the break test, and at least " XX".
int GapWidth(const QFontMetrics& metrics, const QString& first, int minLuecke);

// The gap layout of the page: every gap becomes a gap object (kind 3) when the objects are
// created, and moves the next existing one otherwise, so the i-th gap of the text always maps
// to the i-th gap object.
class GapObjectHandler : public GapHandler {
public:
    GapObjectHandler(Document& document, QSize page, int minLuecke, bool drawText);

    // Starts a pass over the text: the reuse cursor returns to the first object; only a
    // drawing pass that regenerates creates objects.
    void startPass(bool drawingPass, bool regenerate);

    int breakWidth(const QFontMetrics& metrics, const QString& first) override;
    int placeGap(QPainter* painter, const QFontMetrics& metrics, const QString& content, int x,
                 int y, int lineHeight) override;
    bool drawsPlainText() const override { return drawText_; }

private:
    Document& document_;
    QSize page_;
    int minLuecke_;
    bool drawText_;
    bool create_ = false;
    size_t cursor_ = 0;
};

// Position of a blank size ("50 %" to "200 %" in steps of 10) in the worksheet's list: 0 to 15,
// 5 for "100 %"; -1 for any other text.
int BlankSizeIndex(const QString& sizeText);

// The gaps of a worksheet: 1 an underlined blank, 2 the answer in red, 3 both. No objects.
class WorksheetGapHandler : public GapHandler {
public:
    WorksheetGapHandler(int mode, int minLuecke, int blankSizeIndex, bool exerciseRunning);

    int breakWidth(const QFontMetrics& metrics, const QString& first) override;
    int placeGap(QPainter* painter, const QFontMetrics& metrics, const QString& content, int x,
                 int y, int lineHeight) override;
    // The answer sheet of mode 2 shows the answers alone, unless an exercise runs.
    bool drawsPlainText() const override { return mode_ != 2 || exerciseRunning_; }

private:
    int mode_;
    int minLuecke_;
    int blankSizeIndex_;
    bool exerciseRunning_;
};

} // namespace quindor
