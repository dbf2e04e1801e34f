#pragma once

#include <QImage>

namespace quindor::bench {

// A deterministic picture with the statistics of a photograph: smooth shading, edges and
// fine sensor-like noise, so that PNG compression behaves as it does on real photos.
QImage PhotoLikeImage(int width, int height);

} // namespace quindor::bench
