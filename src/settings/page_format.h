#pragma once

#include "document/document.h"
#include "settings/settings.h"

namespace quindor {

// The page format that new documents take, for DocumentSession::setPageFormatDefaults.
PageFormatDefaults PageFormatFromSettings(const Settings& settings);

} // namespace quindor
