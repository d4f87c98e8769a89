// The model of the five-digit seven-segment display: per-digit blink flags and
// the counters of the whole-display blink sequences.
#pragma once

#include <array>

namespace qd {

struct SegmentDisplay {
    std::array<bool, 5> blink{};
    int endCount = 0;
    int aboveMaximumCount = 0;
    int belowMinimumCount = 0;
    bool blinkPhase = true;
    int runLampStep = 0;
};

}  // namespace qd
