#include "document/markup_layout.h"

#include "core/rounding.h"
#include "document/caption_codec.h"
#include "document/markup_tags.h"

#include <QFontMetrics>
#include <QPainter>

#include <array>
#include <optional>

namespace quindor {

namespace {

QFont BaseFont(const MarkupLayoutParams& params, QPaintDevice* device) {
    QFont font(params.fontName);
    if (params.fontHeight < 0) {
        font.setPixelSize(-params.fontHeight);
    } else if (params.fontHeight > 0) {
        // A positive height is the whole character cell; scale the em size until the cell
        // height matches.
        font.setPixelSize(params.fontHeight);
        const int cell = QFontMetrics(font, device).height();
        if (cell > 0)
            font.setPixelSize(std::max(1, RoundHalfEven(static_cast<double>(params.fontHeight) *
                                                        params.fontHeight / cell)));
    } else {
        font.setPointSize(params.fontSize > 0 ? params.fontSize : 10);
    }
    return font;
}

struct LineMetrics {
    int lineHeight;
    int startOffset;
};

LineMetrics MeasureLine(const MarkupLayoutParams& params, const QFontMetrics& metrics) {
    const int th = metrics.height();
    int lineHeight = RoundHalfEven(th * 1.25);
    if (params.mode > 0)
        lineHeight = RoundHalfEven(lineHeight * 1.1);
    return {lineHeight, RoundHalfEven(th * 1.25 * 0.02 / 0.055)};
}

QPaintDevice* DeviceOf(const MarkupLayoutParams& params) {
    return params.painter ? params.painter->device() : params.device;
}

// One call of the paragraph layout: the scan over the text with its pen position.
class ParagraphRun {
public:
    ParagraphRun(const MarkupLayoutParams& params, const QString& paragraph, int top, int left)
        : params_(params), text_(paragraph + QLatin1Char(' ')), n_(text_.size()), left_(left),
          x_(left), y_(top) {
        device_ = DeviceOf(params);
        baseFont_ = BaseFont(params, device_);
        cache_ = params.cache;
        if (cache_ &&
            (cache_->fontName != params.fontName || cache_->fontHeight != params.fontHeight ||
             cache_->fontSize != params.fontSize || cache_->device != device_)) {
            *cache_ = MarkupMeasureCache();
            cache_->fontName = params.fontName;
            cache_->fontHeight = params.fontHeight;
            cache_->fontSize = params.fontSize;
            cache_->device = device_;
        }
        gapMode_ = params.mode != 0 && params.gaps != nullptr;
        drawing_ = !params.measureOnly && params.painter != nullptr;
        const LineMetrics line = MeasureLine(params, metrics());
        lineHeight_ = line.lineHeight;
        y_ += line.startOffset;
    }

    int run() {
        while (p_ < n_) {
            if (inGap_)
                scanInsideGap();
            else
                scanOutsideGap();
            p_ = p_ < s_ ? s_ : p_ + 1;
            if (p_ >= n_)
                flush(s_, n_ - 1, true);
        }
        return y_;
    }

private:
    enum Style { Bold = 1, Italic = 2, Underline = 4 };

    const QFontMetrics& metrics() {
        std::optional<QFontMetrics>& cached =
            (cache_ ? cache_->metrics : metrics_)[static_cast<size_t>(style_)];
        if (!cached)
            cached.emplace(currentFont(), device_);
        return *cached;
    }

    QFont currentFont() const {
        QFont font = baseFont_;
        font.setBold(style_ & Bold);
        font.setItalic(style_ & Italic);
        font.setUnderline(style_ & Underline);
        return font;
    }

    int width(qsizetype from, qsizetype to) {
        if (to < from)
            return 0;
        const QString piece = text_.mid(from, to - from + 1);
        if (!cache_)
            return metrics().horizontalAdvance(piece);
        QHash<QString, int>& widths = cache_->widths[static_cast<size_t>(style_)];
        const auto it = widths.constFind(piece);
        if (it != widths.constEnd())
            return *it;
        const int w = metrics().horizontalAdvance(piece);
        widths.insert(piece, w);
        return w;
    }

    bool drawsPlainText() const {
        return drawing_ && (params_.mode == 0 || !gapMode_ || params_.gaps->drawsPlainText());
    }

    // Draws characters from..to at the pen position and moves the pen behind them; with a new
    // line the pen returns to the left edge one line lower, past the blanks that follow.
    void flush(qsizetype from, qsizetype to, bool newLine) {
        if (to >= from) {
            const QString piece = text_.mid(from, to - from + 1);
            if (params_.onPiece)
                params_.onPiece(QPoint(x_, y_), piece, currentFont());
            if (drawsPlainText()) {
                QPainter* painter = params_.painter;
                painter->setFont(currentFont());
                painter->setPen(ToQColor(params_.colour));
                painter->drawText(QPointF(x_, y_ + metrics().ascent()), piece);
            }
            x_ += width(from, to);
        }
        if (newLine) {
            x_ = left_;
            y_ += lineHeight_;
            while (p_ + 1 < n_ && text_.at(p_ + 1) == u' ')
                ++p_;
        }
    }

    void scanOutsideGap() {
        const MarkupTagMatch tag = MatchMarkupTag(text_, p_, gapMode_);
        if (tag.tag == MarkupTag::GapOpen && text_.indexOf(QStringLiteral(">>"), p_ + 2) >= 0) {
            openGap();
            return;
        }
        if (tag.tag != MarkupTag::None && tag.tag != MarkupTag::GapOpen &&
            tag.tag != MarkupTag::GapClose) {
            applyTag(tag);
            return;
        }
        // Ordinary character, including unbalanced gap markers.
        if (gapSuffix_) {
            if (text_.at(p_) != u' ')
                return;
            flush(s_, p_ - 1, false);
            s_ = p_;
            gapSuffix_ = false;
        }
        if (fits(p_)) {
            skipFittingCharacters();
            return;
        }
        // The line is full: break after the last blank when there is one to use; otherwise the
        // overflowing character stays on this line.
        if (b_ >= 0 && (b_ >= s_ || (b_ == s_ - 1 && x_ > left_)))
            p_ = b_;
        flush(s_, p_, true);
        b_ = p_;
        s_ = p_ + 1;
    }

    bool fits(qsizetype to) {
        return x_ + width(s_, to) <= params_.areaRight - params_.rightMargin - 10;
    }

    // The character at p fits. Moves p to the last character of its run of ordinary text
    // that still fits, remembering the last blank on the way, as the scan one character at a
    // time would; the pending width grows with every character, so a binary search finds the
    // place with a few measurements instead of one per character.
    void skipFittingCharacters() {
        if (runEnd_ < p_) {
            runEnd_ = p_;
            while (runEnd_ + 1 < n_ &&
                   MatchMarkupTag(text_, runEnd_ + 1, gapMode_).tag == MarkupTag::None)
                ++runEnd_;
        }
        qsizetype last = p_;
        if (fits(runEnd_)) {
            last = runEnd_;
        } else {
            qsizetype over = runEnd_;
            while (over - last > 1) {
                const qsizetype mid = last + (over - last) / 2;
                (fits(mid) ? last : over) = mid;
            }
        }
        for (qsizetype i = last; i >= p_; --i) {
            if (text_.at(i) == u' ') {
                b_ = i;
                break;
            }
        }
        p_ = last;
    }

    void applyTag(const MarkupTagMatch& tag) {
        flush(s_, p_ - 1, false);
        qsizetype next = p_ + tag.length;
        qsizetype last = next - 1;
        switch (tag.tag) {
        case MarkupTag::BoldOn:
            style_ |= Bold;
            break;
        case MarkupTag::BoldOff:
            style_ &= ~Bold;
            break;
        case MarkupTag::ItalicOn:
            style_ |= Italic;
            break;
        case MarkupTag::ItalicOff:
            style_ &= ~Italic;
            break;
        case MarkupTag::UnderlineOn:
            style_ |= Underline;
            break;
        case MarkupTag::UnderlineOff:
            style_ &= ~Underline;
            break;
        case MarkupTag::Rule: {
            const int lineY = y_ + lineHeight_ / 2 - 1;
            if (!params_.measureOnly && params_.painter) {
                QPainter* painter = params_.painter;
                painter->setPen(QPen(ToQColor(params_.colour), 1, Qt::SolidLine, Qt::FlatCap));
                painter->drawLine(x_, lineY, params_.areaRight, lineY);
            }
            x_ = params_.areaRight;
            break;
        }
        case MarkupTag::PositionX:
            x_ = RoundHalfEven(tag.number / 100.0 * params_.areaRight);
            break;
        case MarkupTag::RightField: {
            const qsizetype count = std::min<qsizetype>(tag.number, n_ - next);
            const qsizetype fieldEnd = next + count - 1;
            x_ +=
                tag.number * metrics().horizontalAdvance(QLatin1Char('0')) - width(next, fieldEnd);
            flush(next, fieldEnd, false);
            next = fieldEnd + 1;
            last = fieldEnd;
            break;
        }
        default:
            // The colour tags only disappear from the text.
            break;
        }
        s_ = next;
        b_ = last;
    }

    void openGap() {
        // The word the gap belongs to moves with it: draw what comes before the word first.
        qsizetype wordStart = p_;
        while (wordStart > s_ && text_.at(wordStart - 1) != u' ')
            --wordStart;
        flush(s_, wordStart - 1, false);
        const qsizetype close = text_.indexOf(QStringLiteral(">>"), p_ + 2);
        const QString content = text_.mid(p_ + 2, close - p_ - 2);
        const QString first = content.section(QLatin1Char('|'), 0, 0);
        const int reserve = params_.gaps->breakWidth(metrics(), first);
        if (x_ + reserve > params_.areaRight - params_.rightMargin && x_ > left_) {
            x_ = left_;
            y_ += lineHeight_;
        }
        flush(wordStart, p_ - 1, false);
        gapSuffix_ = false;
        inGap_ = true;
        gapStart_ = p_ + 2;
        s_ = gapStart_;
    }

    void scanInsideGap() {
        if (MatchMarkupTag(text_, p_, true).tag != MarkupTag::GapClose)
            return;
        const QString content = text_.mid(gapStart_, p_ - gapStart_);
        QPainter* painter = drawing_ ? params_.painter : nullptr;
        // A handler that writes the answer writes it in the style in force at the gap.
        if (painter)
            painter->setFont(currentFont());
        x_ = params_.gaps->placeGap(painter, metrics(), content, x_, y_, lineHeight_);
        // The characters glued to the gap (a full stop, say) follow it up to the next blank
        // without a width check; tags among them still apply.
        inGap_ = false;
        gapSuffix_ = true;
        s_ = p_ + 2;
        b_ = p_ + 1;
    }

    const MarkupLayoutParams& params_;
    const QString text_;
    const qsizetype n_;
    QPaintDevice* device_ = nullptr;
    QFont baseFont_;
    std::array<std::optional<QFontMetrics>, 8> metrics_;
    MarkupMeasureCache* cache_ = nullptr;
    int style_ = 0;
    bool gapMode_ = false;
    bool drawing_ = false;
    int lineHeight_ = 0;
    const int left_;
    int x_;
    int y_;
    // Scan position, start of the pending piece, last break position (-1: none).
    qsizetype p_ = 0;
    qsizetype s_ = 0;
    qsizetype b_ = -1;
    // Last character of the run of ordinary text found so far (-1: none yet).
    qsizetype runEnd_ = -1;
    bool inGap_ = false;
    // Between ">>" and the next blank.
    bool gapSuffix_ = false;
    qsizetype gapStart_ = 0;
};

} // namespace

int LayoutParagraph(const MarkupLayoutParams& params, const QString& text, int top, int left) {
    return ParagraphRun(params, text, top, left).run();
}

int ParagraphMinimumHeight(const MarkupLayoutParams& params) {
    QPaintDevice* device = DeviceOf(params);
    const LineMetrics line = MeasureLine(params, QFontMetrics(BaseFont(params, device), device));
    return line.startOffset + line.lineHeight;
}

int LayoutText(const MarkupLayoutParams& params, const QString& text, int top, int left) {
    int y = top;
    for (const QString& line : SplitCaptionLines(text))
        y = LayoutParagraph(params, line, y, left);
    return y;
}

Picture RenderTextPicture(const QStringList& lines, int width, int fontSize, WinColor background,
                          const QString& fontName) {
    constexpr int kWorkingHeight = 3000;
    QImage working(std::max(1, width), kWorkingHeight, QImage::Format_ARGB32_Premultiplied);
    working.fill(ToQColor(background));
    int y = 0;
    {
        QPainter painter(&working);
        painter.setRenderHint(QPainter::TextAntialiasing);
        MarkupLayoutParams params;
        params.painter = &painter;
        params.fontName = fontName;
        params.areaRight = width;
        params.fontSize = fontSize;
        for (const QString& line : lines)
            y = LayoutParagraph(params, line, y, 0);
    }
    Picture picture;
    picture.Image = working.copy(0, 0, working.width(), std::clamp(y, 1, kWorkingHeight));
    picture.Linear = true;
    return picture;
}

} // namespace quindor
