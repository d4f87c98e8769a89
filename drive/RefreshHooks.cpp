#include "drive/RefreshHooks.h"

#include "drive/Faults.h"
#include "drive/Motor.h"

namespace qd {

void RefreshMotorQuantities(DriveContext& c) {
    ComputeMotorQuantities(c);
}

void CheckSelfRaisedFaults(DriveContext& c) {
    RaiseSelfDetectedFaults(c);
}

}  // namespace qd
