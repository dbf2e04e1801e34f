#include "print/report.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>

namespace quindor {

std::vector<RichParagraph> ProtocolParagraphs(const QString& text) {
    std::vector<RichParagraph> paragraphs;
    // Protocol lines end with CR LF; a typed comment's lines with LF alone. A break of any
    // kind left inside a paragraph would be shown as a new line but lost in the rich text.
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
    QStringList lines = text.split(kLineBreak);
    // The text ends with a line break; that is no further line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString& line : lines) {
        if (line.left(5).compare(QLatin1String("<tit>"), Qt::CaseInsensitive) == 0) {
            paragraphs.push_back({line.mid(5), true, 9});
            paragraphs.push_back({QString(), false, 4});
        } else {
            paragraphs.push_back({line, false, 9});
        }
    }
    return paragraphs;
}

void AppendToDocument(QTextDocument& document, const std::vector<RichParagraph>& paragraphs,
                      int tabStopPoints) {
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat block;
    QTextOption::Tab tab;
    tab.position = tabStopPoints * 96.0 / 72.0;
    block.setTabPositions({tab});
    const bool empty = document.isEmpty();
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        const RichParagraph& p = paragraphs[i];
        QTextCharFormat format;
        format.setFontFamilies({QStringLiteral("Arial")});
        format.setFontPointSize(p.points);
        format.setFontWeight(p.bold ? QFont::Bold : QFont::Normal);
        if (i == 0 && empty) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(format);
        } else {
            cursor.insertBlock(block, format);
        }
        cursor.insertText(p.text, format);
    }
}

} // namespace quindor
