#include "core/random_generator.h"

#include <QTime>

namespace quindor {

void RandomGenerator::seedFromClock() {
    state_ = static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
}

int RandomGenerator::random(int n) {
    state_ = state_ * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int>((static_cast<uint64_t>(state_) * static_cast<uint64_t>(n)) >> 32);
}

} // namespace quindor
