#pragma once
// Rounding of computed positions and sizes to whole numbers: halves go to the even
// neighbour (2.5 -> 2, 3.5 -> 4), as the program's arithmetic has always done.
#include <climits>
#include <cmath>

namespace gb {

inline int RoundHalfEven(double value) {
    if (!(value > double(INT_MIN)) ) return INT_MIN; // also NaN
    if (value >= double(INT_MAX)) return INT_MAX;
    return int(std::nearbyint(value));
}

// a / b rounded with halves to even, for integers (b > 0), without floating point.
constexpr long long DivideHalfEven(long long a, long long b) {
    long long q = a / b, r = a % b;
    if (r < 0) r += b, --q;
    if (2 * r > b || (2 * r == b && (q & 1))) ++q;
    return q;
}

} // namespace gb
