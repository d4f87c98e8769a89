// The display refresh: every 10 ms the lamps, labels and the five digits are
// brought up to date from the panel and the drive; and the timed display
// effects (whole-display blink sequences, the RUN lamp).
#pragma once

#include <array>
#include <string>

#include "operator/OperatorContext.h"

namespace qd {

enum class ErrorList { Faults, Alarms, OperationErrors, TuningErrors };

// The five-character text of an error code; "   --" when absent. A found
// entry's description becomes the fault or alarm description.
std::string ErrorDisplayText(OperatorContext& c, ErrorList list, int code);

// The eight low bits as vertical bars, two per digit, DIS2..DIS5.
std::array<int, 4> BitPatternSegments(long value);

void RefreshDisplay(OperatorContext& c);

// What the digits show for the current state (power on, no fault or alarm text).
void ShowMenuState(OperatorContext& c);

// The three whole-display sequences; `restoresValue` for the refused entries.
void WholeDisplayTick(OperatorContext& c, int& counter, Timer& timer, bool restoresValue);
void OperatorLedTick(OperatorContext& c);
void RunLedSequenceTick(OperatorContext& c);

}  // namespace qd
