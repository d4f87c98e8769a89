// Short forms of the parameter look-ups the drive model makes every cycle, and
// the roundings it applies to what it reads.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/DriveData.h"
#include "core/ParameterCatalogue.h"

namespace qd {

// Read("C1-01"): the code is always a literal of the form "X9-99".
inline FoundValue Read(DriveData& d, std::string_view code) {
    const auto number = static_cast<uint16_t>((code[3] - '0') * 10 + (code[4] - '0'));
    return FindParameterValue(d, code[0], code[1], number);
}

// The value, or `fallback` when the parameter is not found.
inline float ReadOr(DriveData& d, std::string_view code, float fallback) {
    const FoundValue v = Read(d, code);
    return v.found ? v.value : fallback;
}

// Nearest whole number, halves away from zero; never undefined for odd input.
inline long RoundWhole(double v) {
    if (!std::isfinite(v)) return 0;
    if (v > 1e9) return 1000000000L;
    if (v < -1e9) return -1000000000L;
    return std::lround(v);
}

// Decimal rounding to `decimals` places, to nearest.
inline double RoundDecimals(double v, int decimals) {
    if (!std::isfinite(v)) return 0;
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

// A finite float, or 0: nothing that is not a number reaches an output.
inline float Finite(double v) {
    return std::isfinite(v) ? static_cast<float>(v) : 0.0f;
}

}  // namespace qd
