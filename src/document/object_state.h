#pragma once

#include <cstdint>

namespace quindor {

// How an object shows (ObjDataTyp::State): covered or not in the learning view, and the
// stages of a run. Never stored in a file.
enum class ObjectState : int32_t {
    QuestionClosed = -6, // a question closed after a wrong answer: neither content nor mark
    Open = -5,           // part of the run and not solved yet
    Crossed = -3,        // closed by a red cross after a failed attempt
    Ticked = -2,         // solved, shown with a green tick
    Covered = -1,        // learning view: covered
    Shown = 0,           // uncovered; in a run solved, or not part of it
    PairOpen = 5,        // an open element of a cross-matching run
};

// The states whose content the view draws.
constexpr bool ShowsContent(ObjectState state) {
    return state == ObjectState::Shown || state == ObjectState::PairOpen;
}
// The states a run leaves behind that the learning view does not know.
constexpr bool IsRunState(ObjectState state) {
    return state != ObjectState::Covered && state != ObjectState::Shown;
}

} // namespace quindor
