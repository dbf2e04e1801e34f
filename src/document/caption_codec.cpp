#include "document/caption_codec.h"

namespace quindor {

namespace {

bool NeedsQuotes(const QString& line) {
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        if (u <= 32 || u == u'"' || u == u',')
            return true;
    }
    return false;
}

bool IsSkippable(char16_t u) {
    return u >= 1 && u <= 32;
}

} // namespace

QStringList SplitCaptionLines(const QString& caption) {
    QStringList lines;
    const qsizetype n = caption.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = caption.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(caption.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && caption.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < n)
        lines.append(caption.mid(start));
    return lines;
}

QString JoinCommaText(const QStringList& items) {
    if (items.size() == 1 && items.front().isEmpty())
        return QStringLiteral("\"\"");
    QString out;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += u',';
        const QString& item = items.at(i);
        if (NeedsQuotes(item)) {
            out += u'"';
            for (const QChar c : item) {
                if (c == u'"')
                    out += u'"';
                out += c;
            }
            out += u'"';
        } else {
            out += item;
        }
    }
    return out;
}

QString EncodeCaption(const QString& caption) {
    return JoinCommaText(SplitCaptionLines(caption));
}

QStringList SplitCommaText(const QString& stored) {
    // The list ends at the first NUL, as it always has for these strings.
    const qsizetype nul = stored.indexOf(QChar(0));
    const qsizetype n = nul >= 0 ? nul : stored.size();
    QStringList items;
    qsizetype i = 0;
    while (i < n && IsSkippable(stored.at(i).unicode()))
        ++i;
    while (i < n) {
        QString item;
        if (stored.at(i) == u'"') {
            ++i;
            while (i < n) {
                if (stored.at(i) == u'"') {
                    if (i + 1 < n && stored.at(i + 1) == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += stored.at(i);
                ++i;
            }
        } else {
            const qsizetype begin = i;
            while (i < n && stored.at(i).unicode() > 32 && stored.at(i) != u',')
                ++i;
            item = stored.mid(begin, i - begin);
        }
        items.append(item);
        while (i < n && IsSkippable(stored.at(i).unicode()))
            ++i;
        if (i < n && stored.at(i) == u',') {
            ++i;
            while (i < n && IsSkippable(stored.at(i).unicode()))
                ++i;
        }
    }
    return items;
}

QString DecodeCaption(const QString& stored) {
    QString result = SplitCommaText(stored).join(QStringLiteral("\r\n"));
    while (!result.isEmpty() && (result.endsWith(u'\r') || result.endsWith(u'\n')))
        result.chop(1);
    return result;
}

} // namespace quindor
