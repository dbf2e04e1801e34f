#pragma once

#include "print/rtf_writer.h"

#include <QTextDocument>

namespace quindor {

// The paragraphs of a protocol text, one per line (CR LF, LF or CR end a line): a line
// beginning with "<tit>" (any case) becomes a bold heading followed by an empty line of 4
// points; every other line stays as it is, at 9 points.
std::vector<RichParagraph> ProtocolParagraphs(const QString& text);

// Appends paragraphs to a text document as the report area shows them (Arial, one tab stop).
void AppendToDocument(QTextDocument& document, const std::vector<RichParagraph>& paragraphs,
                      int tabStopPoints);

} // namespace quindor
