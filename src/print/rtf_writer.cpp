#include "print/rtf_writer.h"

#include "core/win1252.h"

namespace quindor {

namespace {

void AppendEscaped(QByteArray& out, const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x20) {
            // Other control characters have no place in a paragraph.
            continue;
        } else {
            const QString one(c);
            if (IsWin1252Representable(one)) {
                const auto byte = static_cast<unsigned char>(EncodeWin1252(one).at(0));
                out += QByteArray("\\'") + QByteArray::number(byte, 16).rightJustified(2, '0');
            } else {
                // Beyond the code page: the Unicode value, with "?" for old readers.
                out += "\\u" + QByteArray::number(static_cast<int16_t>(u)) + '?';
            }
        }
    }
}

} // namespace

QByteArray WriteRtf(const std::vector<RichParagraph>& paragraphs, int tabStopPoints) {
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n";
    const QByteArray tab = "\\tx" + QByteArray::number(tabStopPoints * 20);
    for (const RichParagraph& p : paragraphs) {
        out += "\\pard" + tab + "\\f0\\fs" + QByteArray::number(p.points * 2);
        out += p.bold ? "\\b " : "\\b0 ";
        AppendEscaped(out, p.text);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

} // namespace quindor
