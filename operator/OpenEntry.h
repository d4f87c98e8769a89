// Opening a parameter or a monitor: its value into editValue, its limits and
// kind into the panel, and the texts of the information label.
#pragma once

#include "operator/OperatorContext.h"

namespace qd {

bool OpenParameter(OperatorContext& c, char letter, char digit, int number);
bool OpenMonitor(OperatorContext& c, char letter, char digit, int number);

// The monitor selected in the monitor selector; editValue 0 when it is absent.
void OpenSelectedMonitor(OperatorContext& c);
// The parameter selected in the parameter selector; editValue 0 when absent.
void OpenSelectedParameter(OperatorContext& c);

}  // namespace qd
