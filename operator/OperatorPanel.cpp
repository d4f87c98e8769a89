#include "operator/OperatorPanel.h"

namespace qd {

bool IsValidMenuState(int state) {
    return (state >= FrequencyReferenceMode && state <= VerifyEdit) || state == ReferenceEdit ||
           state == DirectionEdit;
}

bool IsDriveModeState(int state) {
    return (state >= FrequencyReferenceMode && state <= MonitorMode) || state == MonitorSelect ||
           state == MonitorView;
}

}  // namespace qd
