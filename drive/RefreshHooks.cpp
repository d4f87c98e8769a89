#include "drive/RefreshHooks.h"

namespace qd {

void RefreshMotorQuantities(DriveContext&) {}
void CheckSelfRaisedFaults(DriveContext&) {}

}  // namespace qd
