#pragma once

#include <QString>

namespace quindor {

// The instruction of the exercise panel for a document type and query mode.
QString InstructionText(int dokTyp, int abfrageModus);
// "mm:ss", minutes with two digits or more.
QString ClockText(int seconds);
// x in straight double quotes.
QString Quoted(const QString& text);

// Detail lines of a checked assignment (card and target as normalised captions), for the
// document types whose cards are assigned to positions, answers or baskets (0, 1, 2, 4) and
// for joined elements (5).
QString RightLine(int dokTyp, int abfrageModus, const QString& card, const QString& target);
QString WrongLine(int dokTyp, int abfrageModus, const QString& card, const QString& target);

// Detail lines of the presentation of a single card or a single position.
QString PresentCardLine(int dokTyp, const QString& caption);
QString PresentPositionLine(int dokTyp, const QString& caption);

} // namespace quindor
