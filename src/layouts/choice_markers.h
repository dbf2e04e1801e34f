#pragma once

#include "document/picture.h"

namespace quindor {

// The answer markers of multiple choice: 65 x 65 opaque pictures, a white square with a grey
// frame holding a green tick (a correct or ticked answer) or a red bar (a wrong or unticked
// one). Every call returns a copy of the same built picture, stretched linearly when drawn.
constexpr int kChoiceMarkerSize = 65;
Picture ChoiceMarkerPicture(bool tick);

} // namespace quindor
