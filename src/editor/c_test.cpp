#include "editor/c_test.h"

#include "document/markup_tags.h"

#include <vector>

namespace quindor {

QString GapEverySecondWord(const QString& text) {
    QString result;
    result.reserve(text.size() + text.size() / 4);
    int counted = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const MarkupTagMatch tag = MatchMarkupTag(text, i, false);
        if (tag.tag != MarkupTag::None) {
            result += text.mid(i, tag.length);
            i += tag.length;
            continue;
        }
        if (!text.at(i).isLetter()) {
            result += text.at(i++);
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text.at(end).isLetter())
            ++end;
        const qsizetype letters = end - i;
        if (letters >= 2 && ++counted % 2 == 0) {
            const qsizetype keep = letters / 2;
            result += text.mid(i, keep) + QStringLiteral("<<") +
                      text.mid(i + keep, letters - keep) + QStringLiteral(">>");
        } else {
            result += text.mid(i, letters);
        }
        i = end;
    }
    return result;
}

QString MakeCTest(const QString& text) {
    // Where each sentence begins; a sentence of nothing but blanks (after the last full stop)
    // is none.
    std::vector<qsizetype> starts{0};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool closes = c == u'.' || c == u'!' || c == u'?';
        if (closes && (i + 1 == text.size() || text.at(i + 1).isSpace()))
            starts.push_back(i + 1);
    }
    while (starts.size() > 1 && text.mid(starts.back()).trimmed().isEmpty())
        starts.pop_back();
    if (starts.size() < 3)
        return text;
    const qsizetype from = starts[1];
    const qsizetype to = starts.back();
    return text.left(from) + GapEverySecondWord(text.mid(from, to - from)) + text.mid(to);
}

QString RemoveGaps(const QString& gapText) {
    QString result;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = gapText.indexOf(QStringLiteral("<<"), from);
        const qsizetype close = open < 0 ? -1 : gapText.indexOf(QStringLiteral(">>"), open + 2);
        if (close < 0)
            break;
        result += gapText.mid(from, open - from);
        result += gapText.mid(open + 2, close - open - 2).section(QLatin1Char('|'), 0, 0);
        from = close + 2;
    }
    return result + gapText.mid(from);
}

} // namespace quindor
