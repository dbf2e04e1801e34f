#include "core/rounding.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
}

TEST(RoundHalfEven, OtherFractionsGoToTheNearest) {
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(-0.7), -1);
    EXPECT_EQ(RoundHalfEven(7.0), 7);
}

TEST(RoundHalfEven, SaturatesOutsideTheIntRange) {
    EXPECT_EQ(RoundHalfEven(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(-1e20), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

} // namespace
} // namespace quindor
