// The preferred-parameter slots A2-01..A2-32: the application presets that fill
// them and the parameter-code selector that edits one slot.
#pragma once

#include "operator/OperatorContext.h"

namespace qd {

constexpr int kApplicationPresets = 8;

void ApplyApplicationPreset(OperatorContext& c, int preset);

void BuildCodeLetters(OperatorContext& c);
void BuildCodeDigits(OperatorContext& c, char letter);
void BuildCodeNumbers(OperatorContext& c, char letter, char digit);
bool LocateCodeByRegister(OperatorContext& c, int reg);

// ENTER on a slot in the parameter selector, after it was opened.
void OpenCodeSelector(OperatorContext& c);
void CodeSelectorUpDown(OperatorContext& c, bool up);
void CodeSelectorReset(OperatorContext& c);
void CodeSelectorEnter(OperatorContext& c);

}  // namespace qd
