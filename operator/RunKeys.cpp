// RUN, STOP, LO/RE and RESET: the keys that act on the drive. None of them
// pauses the refresh; each changes single flags the control loop reads.
#include "operator/OperatorKeys.h"
#include "operator/ParameterEditing.h"

namespace qd {

bool DismissAlarmText(OperatorContext& c) {
    if (!c.data.state.alarmShowRequest) return false;
    c.data.state.alarmShowRequest = false;
    c.form.AlarmActiveTimer.SetEnabled(false);
    return true;
}

void RunKey(OperatorContext& c) {
    if (c.panel.keyLock) return;
    if (!c.form.MainPower.on) {
        c.messages.Information(kPowerOffMessage);
        return;
    }
    if (DismissAlarmText(c)) return;
    DriveState& s = c.data.state;
    // The operator always starts forward; the direction display does not steer.
    if (s.localMode || s.runFromOperator) s.runningForward = true;
}

void StopKey(OperatorContext& c) {
    if (c.panel.keyLock) return;
    DriveState& s = c.data.state;
    s.runBlocked = true;
    if (!c.form.MainPower.on) {
        c.messages.Information(kPowerOffMessage);
        return;
    }
    if (DismissAlarmText(c)) return;
    s.runningForward = false;
    s.runningReverse = false;
}

void LoReKey(OperatorContext& c) {
    if (!c.form.MainPower.on || c.panel.keyLock) return;
    if (DismissAlarmText(c)) return;
    DriveState& s = c.data.state;
    if (!s.runningForward && !s.runningReverse && c.panel.state < VerifyMode)
        s.localMode = !s.localMode;
}

void ResetKey(OperatorContext& c) {
    if (!c.form.MainPower.on || c.panel.keyLock) return;
    if (DismissAlarmText(c)) return;
    DriveState& s = c.data.state;
    if (s.faultLatched && s.errorState != 2) {
        s.errorState = 0;
        s.faultShown = false;
        s.faultLatched = false;
        return;
    }
    OperatorPanel& p = c.panel;
    switch (p.state) {
        case MonitorSelect:
            p.monitorCursor = p.monitorCursor == 3 ? 24 : 3;
            break;
        case ParameterSelect:
            p.selectCursor = p.selectCursor == 16 ? 8 : p.selectCursor == 8 ? 3 : 16;
            break;
        case ParameterEdit:
        case VerifyEdit:
        case ReferenceEdit:
            EditReset(c);
            break;
        default:
            break;
    }
}

}  // namespace qd
