// Faults and alarms: injection by the trainee, the faults the drive raises
// itself, latching and clearing, and the alarm re-display.
#pragma once

#include "drive/DriveContext.h"

namespace qd {

// Latches a fault of the fault list (errorState 0); the first latch brings the
// operator to the frequency-reference display and shows it.
void LatchFault(DriveContext& c, uint16_t code);

// Clears a latched error of any kind (RESET key, fault-reset input).
void ClearLatchedError(DriveContext& c);

// ControlCycle step 20: the fault-reset input.
void ApplyFaultResetInput(DriveContext& c);

// Display refresh: overload, OH2 and the external-fault inputs.
void RaiseSelfDetectedFaults(DriveContext& c);

// The injection page.
void InjectFault(DriveContext& c);
void InjectTuningError(DriveContext& c);
void PressOperationError(DriveContext& c);
void ReleaseOperationError(DriveContext& c);
void PressAlarm(DriveContext& c);
void ReleaseAlarm(DriveContext& c);
void AlarmTimerElapsed(DriveContext& c);

}  // namespace qd
