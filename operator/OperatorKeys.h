// The eight keys of the operator. The main window's click handlers call these.
#pragma once

#include "operator/OperatorContext.h"

namespace qd {

inline constexpr const char* kPowerOffMessage =
    "To use the digital operator the Main Power Switch has to be in the On position";

void UpKey(OperatorContext& c);
void DownKey(OperatorContext& c);
void EnterKey(OperatorContext& c);
void EscKey(OperatorContext& c);
void ResetKey(OperatorContext& c);
void RunKey(OperatorContext& c);
void StopKey(OperatorContext& c);
void LoReKey(OperatorContext& c);

// A key pressed while the alarm text is shown only takes the text away; true
// when it did.
bool DismissAlarmText(OperatorContext& c);

// The mode a ring step leads to; Verify is skipped while nothing is modified.
int ModeRingStep(int state, bool up, int verifyCount);

}  // namespace qd
