// The lists the operator offers: group letters, digits and numbers of the
// parameter and monitor selectors, and the verify list of modified parameters.
#pragma once

#include <string>

#include "operator/OperatorContext.h"

namespace qd {

// "B1-01": letter, digit, hyphen, two-digit number.
std::string CodeText(char groupLetter, char groupDigit, int number);

void BuildParamLetters(OperatorContext& c);
void BuildParamDigits(OperatorContext& c, char letter);
void BuildParamNumbers(OperatorContext& c, char letter, char digit);
void BuildMonitorLetters(OperatorContext& c);
void BuildMonitorDigits(OperatorContext& c, char letter);
void BuildMonitorNumbers(OperatorContext& c, char letter, char digit);
void BuildVerifyList(OperatorContext& c);

bool IsMonitorVisible(const DriveState& s, const MonitorEntry& e);

}  // namespace qd
