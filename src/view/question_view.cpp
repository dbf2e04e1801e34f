#include "view/question_view.h"

#include "core/rounding.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace quindor {

namespace {

bool IsQuestionDocument(const Document& document) {
    return document.Header.Type().questions;
}

// The usable height of the page between the top and bottom margins, in pixels.
double UsableHeight(const Document& document, QSize image) {
    const FracRect& m = document.Header.EinrueckRand;
    return (1 - m.Top - m.Bottom) * image.height();
}

// A text broken into lines within a width as QPainter::drawText breaks it for
// Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, to the pixel, so that one layout both measures
// and draws it (measuring with QFontMetrics and drawing with drawText would shape it twice).
class WrappedText {
public:
    WrappedText(QString text, const QFont& font, int width) {
        for (QChar& c : text) {
            if (c == u'\r' || c == u'\t')
                c = u' ';
            else if (c == u'\n')
                c = QChar::LineSeparator;
        }
        layout_.setText(text);
        layout_.setFont(font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        option.setTextDirection(Qt::LeftToRight);
        layout_.setTextOption(option);
        layout_.setCacheEnabled(true);
        const QFontMetricsF metrics(font);
        if (text.isEmpty()) {
            height_ = metrics.height();
            return;
        }
        // Lines follow each other at the font's leading, each on a whole pixel.
        const qreal leading = metrics.leading();
        height_ = -leading;
        layout_.beginLayout();
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            line.setLineWidth(std::max(0, width));
            height_ = std::ceil(height_ + leading);
            line.setPosition(QPointF(0, height_));
            height_ += line.ascent() + line.descent();
            width_ = std::max(width_, line.naturalTextWidth());
        }
        layout_.endLayout();
    }

    // The height QFontMetrics::boundingRect gives, in whole pixels.
    int height() const { return static_cast<int>(std::ceil(height_)); }

    // Draws the lines from the rectangle's top left, clipped to it where they would leave it.
    void draw(QPainter& painter, const QRect& rect) const {
        if (layout_.text().isEmpty())
            return;
        const bool clip = width_ > rect.width() || height_ > rect.height();
        if (clip) {
            painter.save();
            painter.setClipRect(rect, Qt::IntersectClip);
        }
        layout_.draw(&painter, rect.topLeft());
        if (clip)
            painter.restore();
    }

private:
    QTextLayout layout_;
    qreal width_ = 0;
    qreal height_ = 0;
};

} // namespace

bool HiddenByQuestion(const Document& document, const ObjDataTyp& o, int currentQuestion,
                      bool exercise) {
    if (!IsQuestionDocument(document))
        return false;
    // The "OK" does nothing in the learning view, where it would sit on the control row; in a
    // run the exercise panel's answer boxes and "OK" stand where these objects are (drawn
    // beneath, they would show at the edges of the panels, covered or with their solution).
    if (document.Header.DokTyp == DocumentType::MultipleChoice &&
        (o.Typ == ObjectKind::ChoiceQuestion || o.Typ == ObjectKind::ChoiceQuestionPicture ||
         o.Typ == ObjectKind::ChoiceOk || (o.Typ == ObjectKind::ChoiceMarker && exercise)))
        return true;
    return o.FrageNummer >= 1 && o.FrageNummer != currentQuestion;
}

bool IsQuestionTextKind(ObjectKind typ) {
    return typ == ObjectKind::AnswerField || typ == ObjectKind::QuestionText ||
           typ == ObjectKind::ChoiceText || typ == ObjectKind::ChoiceAnswerText;
}

int QuestionTextLimit(const Document& document, int index, QSize image) {
    const ObjDataTyp& o = document.Object(index);
    const double scale = image.width() / 870.0;
    switch (o.Typ) {
    case ObjectKind::QuestionText:
        return RoundHalfEven(UsableHeight(document, image) * 0.2 / 0.64);
    case ObjectKind::AnswerField:
        return RoundHalfEven(UsableHeight(document, image) * 0.135 / 0.64);
    case ObjectKind::ChoiceText:
        return RoundHalfEven(UsableHeight(document, image) * 0.08 / 0.915);
    default: {
        // Text answers have less room the more answers their question has; the count is on
        // the marker in front of each.
        const int answers = index > 0 ? document.Object(index - 1).AntwortAnz : 0;
        return RoundHalfEven((2.8 - 0.15 * answers) * 35 * scale);
    }
    }
}

QRect QuestionTextBox(const Document& document, ObjectKind typ, const QRect& card, QSize image) {
    if (typ == ObjectKind::AnswerField)
        return card;
    const int right = RoundHalfEven((1 - document.Header.EinrueckRand.Right) * image.width());
    QRect box = card;
    box.setRight(std::max(card.left(), right - 1));
    return box;
}

QRect DrawQuestionText(QPainter& painter, ObjectKind typ, const QRect& box, int padding,
                       const QString& text, QFont font, int limit, const QColor& colour) {
    const QRect inner = box.adjusted(padding, 0, -padding, 0);
    const int width = std::max(1, inner.width());
    const int start = font.pixelSize();
    int size = start;
    std::optional<WrappedText> wrapped;
    wrapped.emplace(text, font, width);
    while (wrapped->height() > limit && size > 3) {
        size = std::min(size - 1, RoundHalfEven(size * 0.9));
        font.setPixelSize(std::max(1, size));
        wrapped.emplace(text, font, width);
    }
    const int height = wrapped->height();
    int top = box.top();
    if (typ == ObjectKind::ChoiceText)
        top += RoundHalfEven((box.height() - height) / 2.0);
    else if (typ != ObjectKind::AnswerField && height > box.height())
        top -= RoundHalfEven(size * static_cast<double>(box.height()) / start * 0.25);
    painter.save();
    painter.setPen(colour);
    wrapped->draw(painter, QRect(inner.left(), top, width, height));
    painter.restore();
    return {box.left(), top, box.width(), height};
}

} // namespace quindor
