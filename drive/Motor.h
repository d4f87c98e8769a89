// The motor model: what the motor receives, its current, voltage, torque and
// speed, the overload estimate, the motor picture and the monitors.
#pragma once

#include "drive/DriveContext.h"

namespace qd {

// Display refresh, motor part (steps 1 to 5): motorFrequency, current, voltage,
// torque, RPM and the current label.
void ComputeMotorQuantities(DriveContext& c);

// True when the oL1 fault is to be raised; refreshes ratedCurrent, the OLTIMER
// interval and the increments. With no rated current the estimate stays put.
bool OverloadCheck(DriveContext& c);

// OLTIMER tick.
void IntegrateOverload(DriveSimulation& m);

// ControlCycle step 24: the fan turns from E1-09 up.
void UpdateMotorPicture(DriveContext& c);

// ControlCycle step 27: U1, U4 and U5.
void StoreMonitors(DriveContext& c);

// MonitorTimer: U1-07 with fresh noise.
void StoreDcBusMonitor(DriveContext& c);

}  // namespace qd
