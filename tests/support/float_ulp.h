// Distances between floats counted in units in the last place, for checks
// whose intermediate precision is left open.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

// The number of steps from one float to the other along the line of all
// floats; +0 and -0 are the same point. A NaN is infinitely far from
// everything, itself included.
inline std::int64_t iUlpDistance(float fA, float fB) {
    if (std::isnan(fA) || std::isnan(fB)) {
        return std::numeric_limits<std::int64_t>::max();
    }
    auto iOrdinal = [](float fValue) {
        std::uint32_t iBits;
        std::memcpy(&iBits, &fValue, sizeof iBits);
        const std::int64_t iMagnitude = iBits & 0x7fffffffu;
        return (iBits & 0x80000000u) ? -iMagnitude : iMagnitude;
    };
    const std::int64_t iDistance = iOrdinal(fA) - iOrdinal(fB);
    return iDistance < 0 ? -iDistance : iDistance;
}

// The exact bit pattern, for checks that must tell -0 from +0 or compare NaNs.
inline std::uint32_t iFloatBits(float fValue) {
    std::uint32_t iBits;
    std::memcpy(&iBits, &fValue, sizeof iBits);
    return iBits;
}
