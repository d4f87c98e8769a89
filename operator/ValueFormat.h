// How numbers become display texts: fixed-point and hexadecimal texts, and the
// layout of the edit field (width, decimals, cursor range).
#pragma once

#include <string>

#include "operator/OperatorPanel.h"

namespace qd {

// Fixed-point with `decimals` decimals, rounded to nearest, never "-0.0".
std::string FixedText(double value, int decimals);

// The low 8, 12 or 16 bits as upper-case hexadecimal digits, leading zeros kept.
std::string HexText2(long value);
std::string HexText3(long value);
std::string HexText4(long value);

// 10, 100, 1000 give 1, 2, 3 decimals; any other resolution is a whole number.
int DecimalsOfStep(float step);

// Digits a magnitude needs with `decimals` decimals; a whole number gets at
// least two. No sign position and no cap at five digits.
int DigitCountFor(float magnitude, int decimals);

// Recomputes digitCount, decimals and digitCursorMax of the open field (states
// 12, 15 and 25) and pulls the cursor into the field.
void LayoutEditField(OperatorPanel& p, float maximumFrequency);

// The edit field's text, to be shown padded with zeros to digitCount digits.
std::string EditFieldText(const OperatorPanel& p);

}  // namespace qd
