// The drive model's share of the display refresh: the motor quantities and the
// faults the drive raises itself. Called by the keypad's refresh every 10 ms
// while the main power is on.
#pragma once

#include "drive/DriveContext.h"

namespace qd {

// motorFrequency, current, voltage, torque, RPM and the current label.
void RefreshMotorQuantities(DriveContext& c);

// Overload, OH2 and the external-fault inputs, in that order.
void CheckSelfRaisedFaults(DriveContext& c);

}  // namespace qd
