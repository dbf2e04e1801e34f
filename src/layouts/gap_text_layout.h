#pragma once

#include "core/program_state.h"
#include "document/layout_dispatch.h"

namespace quindor {

struct Document;

// The layout of gap-text and C-test documents (DokTyp 1): the text of Lueckentext flows over
// the page at the largest font that fits (down to 8 pixels), and every gap becomes a gap
// object. Regenerating creates the gap objects anew and numbers them; otherwise the existing
// ones only move, keeping their states. The gap table (DokUnterTyp 1) has its own layout.
void GapTextLayout(Document& document, const LayoutPass& pass, ProgramState& state);

} // namespace quindor
