// The frequency ramp: the step sizes the control cycle computes and the ramp
// tick that moves the output one step towards its target.
#pragma once

#include "core/ParameterCatalogue.h"
#include "drive/DriveContext.h"

namespace qd {

// Hz per ramp tick for a ramp time; 50 ticks make one second of ramp time.
// A missing time gives 1.0, a time of 0 or less a one-tick ramp (2 x maximum).
float StepSize(const FoundValue& rampTime, float maximumFrequency);

// Chooses the accel/decel pair (emergency stop, or the time set) and stores
// accelStep and decelStep.
void ComputeStepSizes(DriveContext& c);

// runFlashing from the run flags and E1-09; also stores minimumFrequency.
// False when E1-09 is not found.
bool ComputeRunFlashing(DriveContext& c, bool& minimumFound);

// Lifts the output to E1-09 when a run command asks for more than that.
void MinimumFrequencyStart(DriveContext& c, bool minimumFound);

// One ramp tick (AccDecTimer).
void RampTick(DriveContext& c);

}  // namespace qd
