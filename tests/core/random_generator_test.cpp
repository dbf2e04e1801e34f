#include "core/random_generator.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quindor {
namespace {

// The values below were worked out by hand from the generator's rule:
// state := (state * 134775813 + 1) mod 2^32, random(n) = (state * n) div 2^32.
TEST(RandomGenerator, FollowsTheLcgRuleFromSeedZero) {
    RandomGenerator random(0);
    EXPECT_EQ(random.random(100), 0); // state 1: 100 / 2^32 = 0
    EXPECT_EQ(random.state(), 1u);
    EXPECT_EQ(random.random(100), 3); // state 134775814: 13477581400 / 4294967296 = 3.14
    EXPECT_EQ(random.state(), 134775814u);
    EXPECT_EQ(random.random(100), 86); // state 3698175007
    EXPECT_EQ(random.state(), 3698175007u);
}

TEST(RandomGenerator, KnownSequenceFromSeed12345) {
    RandomGenerator random;
    random.seed(12345);
    EXPECT_EQ(random.random(10), 3);
    EXPECT_EQ(random.state(), 1655067934u);
    EXPECT_EQ(random.random(100), 28);
    EXPECT_EQ(random.state(), 1242767767u);
    EXPECT_EQ(random.random(1000), 79);
    EXPECT_EQ(random.state(), 342459380u);
    // The product state * n needs 64 bits.
    EXPECT_EQ(random.random(2147483647), 1188868577);
    EXPECT_EQ(random.state(), 2377737157u);
    EXPECT_EQ(random.random(1), 0);
    EXPECT_EQ(random.random(7), 2);
}

TEST(RandomGenerator, StateWrapsModulo2To32) {
    RandomGenerator random(0xFFFFFFFFu);
    EXPECT_EQ(random.random(6), 5);
    EXPECT_EQ(random.state(), 4160191484u);
}

TEST(RandomGenerator, SameSeedSameSequence) {
    RandomGenerator a(987654321u);
    RandomGenerator b(987654321u);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(a.random(i + 1), b.random(i + 1));
}

TEST(RandomGenerator, ValuesStayInRange) {
    RandomGenerator random(42);
    for (const int n : {1, 2, 3, 5, 10, 12, 100, 1 << 20, 2147483647}) {
        for (int i = 0; i < 2000; ++i) {
            const int value = random.random(n);
            ASSERT_GE(value, 0) << "n = " << n;
            ASSERT_LT(value, n) << "n = " << n;
        }
    }
}

TEST(RandomGenerator, SmallRangesAreCovered) {
    RandomGenerator random(7);
    int seen[6] = {};
    for (int i = 0; i < 600; ++i)
        ++seen[random.random(6)];
    for (const int count : seen)
        EXPECT_GT(count, 50);
}

TEST(RandomGenerator, SeedFromClockIsMillisecondsOfTheDay) {
    RandomGenerator random(0xFFFFFFFFu);
    random.seedFromClock();
    EXPECT_LT(random.state(), 24u * 60u * 60u * 1000u);
}

} // namespace
} // namespace quindor
