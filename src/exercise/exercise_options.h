#pragma once

#include "document/document_type.h"
#include "exercise/run_state.h"
#include "settings/settings.h"

namespace quindor {

// Seconds of a time limit typed as minutes and seconds; an empty field, or one that is no
// number from 0 to 59, counts 0.
int TimeLimitSeconds(const QString& minutes, const QString& seconds);

// Copies the options of the dialog that belongs to the document type, then the grade scale,
// into the run state. Types without an exercise leave the options alone.
void TakeOptions(const Settings& settings, DocumentType type, UebDataTyp& run);

} // namespace quindor
