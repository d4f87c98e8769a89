// The delays of the output functions: torque detection 1 and 2 and the timer
// function (on-delay B4-01, off-delay B4-02). The control cycle decides which
// delays count; DelayTimer advances them every 100 ms.
#pragma once

#include "drive/DriveContext.h"

namespace qd {

// Control cycle: start, hold or clear each delay from its condition.
void UpdateOutputTimers(DriveContext& c);

// DelayTimer tick: 0.1 s on every counting delay.
void AdvanceOutputTimers(DriveSimulation& m);

// Power off: the torque-detection-1 and timer-function delays stop counting.
void StopOutputTimers(DriveSimulation& m);

// The timer function for one cycle, given its input and the two delay times
// (read only while the delay has not yet reached half a second). Returns the
// output. Kept apart from the form so the delays can be tested on their own.
bool StepTimerFunction(DriveSimulation& m, bool input, float onDelayTime, float offDelayTime);

}  // namespace qd
