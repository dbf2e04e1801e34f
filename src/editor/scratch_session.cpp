#include "editor/scratch_session.h"

#include "layouts/document_layouts.h"

namespace quindor {

ScratchSession::ScratchSession() {
    RegisterLayouts(session.layouts(), state);
}

} // namespace quindor
