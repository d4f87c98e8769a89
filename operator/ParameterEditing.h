// The number editor of the states ParameterEdit, VerifyEdit and ReferenceEdit:
// opening it, the digit keys, and storing or refusing on ENTER.
#pragma once

#include "operator/OperatorContext.h"

namespace qd {

// The control loop's maximum frequency, E1-04 (60 Hz) before its first cycle.
float EditMaximumFrequency(OperatorContext& c);

// UP and DOWN would change a value the drive forbids changing while it runs.
bool RunInterlockHolds(const OperatorContext& c);

// ENTER in ParameterSelect on the number: the selected parameter into the editor.
void OpenEditorFromSelect(OperatorContext& c);
// ENTER in VerifySelect: the listed parameter into the editor.
void OpenEditorFromVerify(OperatorContext& c);
// ENTER in FrequencyReferenceMode: D1-01 into the reference editor.
void OpenReferenceEditor(OperatorContext& c);

// States 12, 15 and 25. False when the run interlock refused the key.
bool EditUpDown(OperatorContext& c, bool up);
void EditReset(OperatorContext& c);
void EditEnter(OperatorContext& c);

}  // namespace qd
