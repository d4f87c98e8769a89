// The operation-error checks (oPE) on inconsistent settings and the hardwire
// baseblock, run at the end of every control cycle.
#pragma once

#include <array>

#include "drive/DriveContext.h"

namespace qd {

// Everything the checks look at, 0 for a parameter that is not found.
struct OperationErrorInputs {
    std::array<int, 7> inputFunctions{-1, -1, -1, -1, -1, -1, -1};
    int o204 = 0, h601 = 0, a102 = 0, b101 = 0;
    long n202 = 0, n203 = 0, c402 = 0, c406 = 0;
    float e502 = 0, e503 = 0, e504 = 0, e505 = 0, e506 = 0, e507 = 0, e509 = 0, e524 = 0;
    float e104 = 0, e106 = 0, e107 = 0, e109 = 0;
    float e304 = 0, e306 = 0, e307 = 0, e309 = 0;
    float c603 = 0, c604 = 0, c605 = 0;
    float b515 = 0;
    int b518 = 0, b103 = 0, b115 = 0;
    float a1Function = 0, a2Function = 0;
    int runSourceCode = 0;
    int driveModelCode = 0;
    bool pidActive = false;
};

// The code of the first operation error that applies, in the drive's order
// (oPE01, 03, 05, 07, 08, 09, 10, 11), or 0 when the settings are consistent.
int FindOperationError(const OperationErrorInputs& in);

// Reads the inputs from the catalogue and the cycle's values.
OperationErrorInputs GatherOperationErrorInputs(DriveContext& c);

// Latches the hardwire baseblock or the first operation error, or clears one
// that no longer applies.
void OperationErrorChecks(DriveContext& c);

}  // namespace qd
