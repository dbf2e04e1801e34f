#pragma once

#include "document/document.h"

#include <QFont>
#include <QPainter>
#include <QRect>

namespace quindor {

// In question documents the view shows the question asked for and nothing of the others: an
// object numbered for another question is left out, and so are the stored multiple-choice
// questions, which the parts made from them show. The "OK" of multiple choice is never drawn,
// and in a run neither are the answer boxes: the exercise panel shows its own in their places.
// Controls and free objects always show.
bool HiddenByQuestion(const Document& document, const ObjDataTyp& object, int currentQuestion,
                      bool exercise);

// The kinds whose text is fitted to a height of their own: answer field (10), question texts
// (11, 22) and text answers (25).
bool IsQuestionTextKind(ObjectKind typ);

// How high the text of question-kind object `index` may grow on a page image of `image` size.
int QuestionTextLimit(const Document& document, int index, QSize image);

// Where the text of a question kind goes: the card, reaching to the right margin for the
// question texts and text answers.
QRect QuestionTextBox(const Document& document, ObjectKind typ, const QRect& card, QSize image);

// Draws the text left-aligned and wrapped in `box`, shrinking the font until it is at most
// `limit` high (or 3 pixels), without clipping; `padding` is kept free at both sides. Returns
// the box the fitted text takes.
QRect DrawQuestionText(QPainter& painter, ObjectKind typ, const QRect& box, int padding,
                       const QString& text, QFont font, int limit, const QColor& colour);

} // namespace quindor
