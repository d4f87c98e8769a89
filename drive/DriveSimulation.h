// The drive and motor model's own state beyond the shared drive variables.
#pragma once

#include <cstdint>

namespace qd {

struct DriveSimulation {
    bool runFlashing = false;
    float overloadEstimate = 0;
    uint16_t conditionBits = 0;
};

}  // namespace qd
