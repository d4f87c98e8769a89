// UP, DOWN, ENTER and ESC: the menu state machine.
#include "operator/OpenEntry.h"
#include "operator/OperatorKeys.h"
#include "operator/ParameterEditing.h"
#include "operator/Selectors.h"

namespace qd {

namespace {
// The display refresh and the control loop stand still while a key handler
// changes the panel, so a refresh never sees a half-done move.
class PauseRefresh {
public:
    explicit PauseRefresh(FormControls& form)
        : form_(form),
          mainWasEnabled_(form.MainTimer.Enabled()),
          controlWasEnabled_(form.ControlLoopTimer.Enabled()) {
        form_.MainTimer.SetEnabled(false);
        form_.ControlLoopTimer.SetEnabled(false);
    }
    ~PauseRefresh() {
        form_.MainTimer.SetEnabled(mainWasEnabled_);
        form_.ControlLoopTimer.SetEnabled(controlWasEnabled_);
    }
    PauseRefresh(const PauseRefresh&) = delete;
    PauseRefresh& operator=(const PauseRefresh&) = delete;

private:
    FormControls& form_;
    bool mainWasEnabled_;
    bool controlWasEnabled_;
};

void MoveSelector(OperatorContext& c, bool up) {
    OperatorPanel& p = c.panel;
    const auto move = [up](auto& list) { up ? list.MoveUp() : list.MoveDown(); };
    if (p.state == MonitorSelect) {
        if (p.monitorCursor == 3) {
            move(p.monitorNumbers);
        } else if (p.monitorCursor == 24) {
            move(p.monitorDigits);
            BuildMonitorNumbers(c, p.monitorLetters.Selected(), p.monitorDigits.Selected());
            p.monitorNumbers.SelectFirst();
        }
        OpenSelectedMonitor(c);
        return;
    }
    if (p.selectCursor == 3) {
        move(p.paramNumbers);
    } else if (p.selectCursor == 8) {
        move(p.paramDigits);
        BuildParamNumbers(c, p.paramLetters.Selected(), p.paramDigits.Selected());
        p.paramNumbers.SelectFirst();
    } else if (p.selectCursor == 16) {
        move(p.paramLetters);
        BuildParamDigits(c, p.paramLetters.Selected());
        p.paramDigits.SelectFirst();
        BuildParamNumbers(c, p.paramLetters.Selected(), p.paramDigits.Selected());
        p.paramNumbers.SelectFirst();
    }
    OpenSelectedParameter(c);
}

// False when the run interlock refused the key (no epilogue then).
bool UpDownAction(OperatorContext& c, bool up) {
    OperatorPanel& p = c.panel;
    switch (p.state) {
        case MonitorSelect:
        case ParameterSelect:
            MoveSelector(c, up);
            return true;
        case ParameterEdit:
        case VerifyEdit:
        case ReferenceEdit:
            return EditUpDown(c, up);
        case VerifySelect:
            if (p.verifyCount < 1) return true;
            if (up)
                p.verifyIndex = p.verifyIndex >= p.verifyCount ? 1 : p.verifyIndex + 1;
            else
                p.verifyIndex = p.verifyIndex <= 1 ? p.verifyCount : p.verifyIndex - 1;
            return true;
        case DirectionEdit:
            // Two directions only: either key changes to the other one.
            c.data.state.reverseSelected = !c.data.state.reverseSelected;
            return true;
        case MonitorView:
            return true;
        default:
            p.state = ModeRingStep(p.state, up, p.verifyCount);
            return true;
    }
}

void UpDownKey(OperatorContext& c, bool up) {
    if (c.panel.keyLock) return;
    PauseRefresh pause(c.form);
    if (!c.form.MainPower.on) {
        c.messages.Information(kPowerOffMessage);
    } else {
        if (c.panel.state == FrequencyReferenceMode) c.data.state.faultShown = false;
        if (DismissAlarmText(c)) return;
        if (!UpDownAction(c, up)) return;
    }
    if (c.panel.state < MonitorSelect) SetAllDark(c.form, true);
}

void EnterMonitorSelector(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    p.state = MonitorSelect;
    BuildMonitorLetters(c);
    p.monitorLetters.SelectFirst();
    BuildMonitorDigits(c, p.monitorLetters.Selected());
    p.monitorDigits.SelectFirst();
    BuildMonitorNumbers(c, p.monitorLetters.Selected(), p.monitorDigits.Selected());
    p.monitorNumbers.SelectFirst();
    p.monitorCursor = 3;
    OpenSelectedMonitor(c);
}

void EnterParameterSelector(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    p.state = ParameterSelect;
    p.selectCursor = 16;
    BuildParamLetters(c);
    p.paramLetters.SelectFirst();
    BuildParamDigits(c, p.paramLetters.Selected());
    p.paramDigits.SelectFirst();
    BuildParamNumbers(c, p.paramLetters.Selected(), p.paramDigits.Selected());
    p.paramNumbers.SelectFirst();
    OpenSelectedParameter(c);
}

void EnterAction(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    const DriveState& s = c.data.state;
    switch (p.state) {
        case FrequencyReferenceMode:
            if (s.localMode || s.referenceFromOperator) OpenReferenceEditor(c);
            return;
        case DirectionMode:
            if (s.localMode || s.runFromOperator) p.state = DirectionEdit;
            return;
        case MonitorMode:
            EnterMonitorSelector(c);
            return;
        case VerifyMode:
            p.state = VerifySelect;
            return;
        case SetupMode:
            c.messages.Information("Setup Group Parameters is currently not supported.");
            return;
        case ParameterMode:
            EnterParameterSelector(c);
            return;
        case AutoTuningMode:
            c.messages.Information("Motor Tuning is currently not supported.");
            return;
        case MonitorSelect:
            if (p.monitorCursor == 3) {
                p.state = MonitorView;
                OpenSelectedMonitor(c);
            } else {
                ResetKey(c);
            }
            return;
        case ParameterSelect:
            if (p.selectCursor == 3)
                OpenEditorFromSelect(c);
            else
                ResetKey(c);
            return;
        case ParameterEdit:
        case VerifyEdit:
        case ReferenceEdit:
            EditEnter(c);
            return;
        case VerifySelect:
            // " nonE" offers nothing to open.
            if (p.verifyCount >= 1) OpenEditorFromVerify(c);
            return;
        case DirectionEdit:
            p.state = DirectionMode;
            return;
        default:
            return;
    }
}
}  // namespace

int ModeRingStep(int state, bool up, int verifyCount) {
    int next = up ? (state + 1) % 10 : (state + 9) % 10;
    if (next == VerifyMode && verifyCount == 0) next = up ? SetupMode : MonitorMode;
    return next;
}

void UpKey(OperatorContext& c) {
    UpDownKey(c, true);
}
void DownKey(OperatorContext& c) {
    UpDownKey(c, false);
}

void EnterKey(OperatorContext& c) {
    if (c.panel.keyLock) return;
    PauseRefresh pause(c.form);
    if (!c.form.MainPower.on) return;
    SetAllDark(c.form, false);
    if (DismissAlarmText(c)) return;
    EnterAction(c);
}

void EscKey(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    if (p.keyLock || !c.form.MainPower.on) return;
    if (DismissAlarmText(c)) return;
    switch (p.state) {
        case FrequencyReferenceMode:
        case DirectionEdit:
            return;
        case MonitorSelect:
            if (p.monitorCursor == 3) {
                p.monitorCursor = 24;
                return;
            }
            p.state = MonitorMode;
            break;
        case ParameterSelect:
            p.state = ParameterMode;
            break;
        case ParameterEdit:
            p.state = ParameterSelect;
            break;
        case MonitorView:
            p.state = MonitorSelect;
            break;
        case VerifySelect:
            p.state = VerifyMode;
            break;
        case VerifyEdit:
            p.state = VerifySelect;
            break;
        case ReferenceEdit:
            p.state = FrequencyReferenceMode;
            SetAllDark(c.form, false);
            return;
        default:
            p.state = FrequencyReferenceMode;
            return;
    }
    SetAllDark(c.form, true);
}

}  // namespace qd
