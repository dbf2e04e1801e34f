#pragma once

#include "core/program_state.h"
#include "document/document.h"
#include "view/view_composer.h"

#include <QPoint>
#include <QString>

namespace quindor {

// What a click in the learning view asks of the window beyond what the view did itself.
enum class ClickEffect {
    None,
    Redrawn,         // a query field was covered or uncovered; the display picture changed
    Recomposed,      // another question is shown
    OpenInfo,        // the info box of the point `index`
    OpenExternal,    // the file or address `target`
    OpenDocument,    // the document or folder `target`
    OpenPictureLink, // a picture's link `target`, a document or a file
};

struct ClickOutcome {
    ClickEffect effect = ClickEffect::None;
    int index = -1;
    QString target;
};

// A press of the left (pointer tool) or middle button at a display point: covers or uncovers
// the field hit, steps through the questions, or names the point or link to open.
ClickOutcome ClickAt(ViewComposer& view, Document& document, ProgramState& state, QPoint point);
// During a run only the points and links released for exercises open; everything else on the
// page ignores the click.
ClickOutcome ExerciseClickAt(const ViewComposer& view, const Document& document, QPoint point);

} // namespace quindor
