// The control cycle (ControlLoopTimer, every 10 ms): parameters, sources,
// terminals, outputs, monitors and operation-error checks, in a fixed order.
#pragma once

#include "drive/DriveContext.h"

namespace qd {

void ControlCycle(DriveContext& c);

}  // namespace qd
