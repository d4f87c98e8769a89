// UP and DOWN on a number field: the shown digits are read back, one unit is
// added or taken at the cursor within the field's limit, and the result becomes
// the new value. Nothing carries past the field and nothing wraps.
#pragma once

#include <cstdint>
#include <string>

#include "operator/OperatorPanel.h"

namespace qd {

// The whole number the digit characters of DIS1..DIS5 read as (hexadecimal
// letters count in a hexadecimal field); `skipIndex` (0-based, or -1) is a
// position that never counts, such as the F of the reference field.
int64_t ReadShownDigits(const std::string& characters, bool hexadecimal, int skipIndex);

// The largest whole number the open field can hold.
int64_t EditFieldLimit(const OperatorPanel& p);

// A decimal field whose minimum is negative carries a sign position.
bool IsSignedField(const OperatorPanel& p);

// One unit up or down: refused when it would pass the limit or go below zero.
int64_t StepMagnitude(int64_t magnitude, int64_t unit, int64_t limit, bool up);

// The whole UP or DOWN on the open field (layout must be current).
void StepEditDigit(OperatorPanel& p, bool up);

// RESET in the number editor: the cursor one digit to the left, wrapping
// inside the field.
void MoveDigitCursor(OperatorPanel& p);

}  // namespace qd
