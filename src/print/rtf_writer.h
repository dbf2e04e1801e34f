#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace quindor {

// One paragraph of a report: its text (tabs allowed), weight and size.
struct RichParagraph {
    QString text;
    bool bold = false;
    int points = 9;
    bool operator==(const RichParagraph&) const = default;
};

// The paragraphs as a Rich Text Format document in Arial with one tab stop: Windows-1252 text,
// other characters as Unicode escapes, so word processors everywhere read it.
QByteArray WriteRtf(const std::vector<RichParagraph>& paragraphs, int tabStopPoints);

} // namespace quindor
