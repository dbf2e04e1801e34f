#pragma once

#include <QString>

namespace quindor {

// The warning shown when the screen is smaller than 960 x 768 pixels or has fewer than 15 bits
// of colour; empty when the screen is suitable.
QString DisplayCheckWarning(int width, int height, int depth);

} // namespace quindor
