#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace quindor {

// Every real-to-integer conversion of the program rounds to the nearest integer, halves to the
// even neighbour: RoundHalfEven(2.5) == 2, RoundHalfEven(3.5) == 4, RoundHalfEven(-2.5) == -2.
// Values beyond the int range saturate; NaN gives 0.
inline int RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        lower += 1.0;
    if (lower >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (lower <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(lower);
}

} // namespace quindor
