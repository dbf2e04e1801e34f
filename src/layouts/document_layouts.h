#pragma once

#include "core/program_state.h"
#include "document/layout_dispatch.h"

namespace quindor {

// Registers the layout of every document type that has one.
void RegisterLayouts(LayoutDispatch& layouts, ProgramState& state);

} // namespace quindor
