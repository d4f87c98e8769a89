// Where the frequency reference and the run command come from: the operator,
// the terminals, multi-step speeds and jog, the analog inputs, the pulse input
// and the PID function. Each step runs at its place in the control cycle.
#pragma once

#include "drive/DriveContext.h"

namespace qd {

void ReadOperatorFlags(DriveContext& c);        // B1-01, B1-02 -> operator flags
void SelectBaseReference(DriveContext& c);      // D1-01, terminals, pulse input
void RunCommandFromTerminals(DriveContext& c);  // two-wire or three-wire per B1-02
void ApplyMultiStepAndJog(DriveContext& c);
void ApplyAnalogFunctions(DriveContext& c);  // gain and bias of A2
void RunPid(DriveContext& c);
void CheckForwardReverseConflict(DriveContext& c);
void ReadAnalogInputs(DriveContext& c);    // knobs and slider
void ReadSourceSettings(DriveContext& c);  // B5, H6-02, H3

// Whether terminal k (0-based) takes part as a multi-function input: S7 does
// not while the alternate board is fitted.
bool IsMultiFunctionTerminal(const DriveContext& c, int k);

}  // namespace qd
