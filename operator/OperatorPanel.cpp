#include "operator/OperatorPanel.h"

namespace qd {

bool IsValidMenuState(int state) {
    return (state >= FrequencyReferenceMode && state <= VerifyEdit) || state == ReferenceEdit ||
           state == DirectionEdit;
}

}  // namespace qd
