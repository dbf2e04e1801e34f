#include "document/markup_tags.h"

namespace quindor {

namespace {

bool IsHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F');
}

bool IsDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Compares the upper-cased text at pos with pattern, where `fold` decides which characters of
// both sides count as "0".
template <typename Fold>
bool MatchesFolded(const QString& text, qsizetype pos, QStringView pattern, Fold fold) {
    if (text.size() - pos < pattern.size())
        return false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        QChar t = text.at(pos + i).toUpper();
        QChar p = pattern.at(i);
        if (fold(t))
            t = u'0';
        if (fold(p))
            p = u'0';
        if (t != p)
            return false;
    }
    return true;
}

bool MatchesExact(const QString& text, qsizetype pos, QStringView pattern) {
    return MatchesFolded(text, pos, pattern, [](QChar) { return false; });
}

int TwoDigits(const QString& text, qsizetype pos) {
    return (text.at(pos).unicode() - u'0') * 10 + (text.at(pos + 1).unicode() - u'0');
}

} // namespace

MarkupTagMatch MatchMarkupTag(const QString& text, qsizetype pos, bool gapMarkers) {
    if (pos < 0 || pos >= text.size())
        return {};
    const QChar first = text.at(pos);
    if (gapMarkers && first == u'>' && MatchesExact(text, pos, u">>"))
        return {MarkupTag::GapClose, 2, 0};
    if (first != u'<')
        return {};
    if (gapMarkers && MatchesExact(text, pos, u"<<"))
        return {MarkupTag::GapOpen, 2, 0};
    struct Fixed {
        QStringView pattern;
        MarkupTag tag;
    };
    static constexpr Fixed kFixed[] = {
        {u"<B>", MarkupTag::BoldOn},        {u"</B>", MarkupTag::BoldOff},
        {u"<I>", MarkupTag::ItalicOn},      {u"</I>", MarkupTag::ItalicOff},
        {u"<U>", MarkupTag::UnderlineOn},   {u"</U>", MarkupTag::UnderlineOff},
        {u"</@COL>", MarkupTag::ColourOff}, {u"<@LINIE>", MarkupTag::Rule},
    };
    for (const Fixed& fixed : kFixed) {
        if (MatchesExact(text, pos, fixed.pattern))
            return {fixed.tag, static_cast<int>(fixed.pattern.size()), 0};
    }
    if (MatchesFolded(text, pos, u"<@COL=000000>", IsHexDigit))
        return {MarkupTag::ColourOn, 13, 0};
    if (MatchesFolded(text, pos, u"<@POSX=00%>", IsDigit))
        return {MarkupTag::PositionX, 11, TwoDigits(text, pos + 7)};
    if (MatchesFolded(text, pos, u"<@REB=00>", IsDigit))
        return {MarkupTag::RightField, 9, TwoDigits(text, pos + 6)};
    return {};
}

} // namespace quindor
