#pragma once

#include <cstdint>

namespace quindor {

// The program's one source of random numbers, a linear congruential generator:
// state := state * 134775813 + 1 (mod 2^32), random(n) = (state * n) div 2^32.
// Sequences are reproducible from a seed, which the numbering, the exercises and the
// network peers rely on.
class RandomGenerator {
public:
    explicit RandomGenerator(uint32_t seed = 0) : state_(seed) {}

    void seed(uint32_t value) { state_ = value; }
    // Seeds from the clock: milliseconds since local midnight.
    void seedFromClock();
    uint32_t state() const { return state_; }

    // A value in [0, n); 0 for n <= 0. Advances the state first.
    int random(int n);

private:
    uint32_t state_;
};

} // namespace quindor
