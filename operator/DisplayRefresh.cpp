// The 10 ms display refresh: drive quantities, lamps, the display content, the
// per-digit blink step and the two labels under the keypad.
#include "operator/DisplayRefresh.h"

#include <cmath>

#include "drive/RefreshHooks.h"
#include "operator/RefreshTexts.h"
#include "operator/SegmentDisplay.h"

namespace qd {

namespace {
constexpr int kTicksPerBlinkStep = 37;

bool AlarmTextShown(const OperatorContext& c) {
    return c.data.state.alarmShowRequest || c.sim.alarmButtonHeld;
}

bool HardwireBaseblockClosed(const OperatorContext& c) {
    return c.form.BASEBLOCK_EXT.on && (!c.form.TerminalVersion.checked || c.form.S7.on);
}

void UpdateLamps(OperatorContext& c) {
    const DriveState& s = c.data.state;
    FormControls& f = c.form;
    f.FOUTLED.lit = false;
    f.REVLED.lit = s.outputFrequency < -0.001f;
    f.DRVLED.lit = IsDriveModeState(c.panel.state);
    f.LOCAL_REMOTE_LED.lit = s.localMode || s.referenceFromOperator;
    if (s.faultLatched && s.errorState != 2)
        f.ALMLED.lit = true;
    else if (!s.faultLatched && !s.alarmActive && !c.sim.alarmButtonHeld)
        f.ALMLED.lit = false;
}

void ShowErrorOrAlarm(OperatorContext& c) {
    const DriveState& s = c.data.state;
    if (s.faultShown) {
        const ErrorList list = s.errorState == 0   ? ErrorList::Faults
                               : s.errorState == 1 ? ErrorList::TuningErrors
                                                   : ErrorList::OperationErrors;
        ShowText(c.form, c.display, ErrorDisplayText(c, list, s.errorIndex));
        return;
    }
    if (AlarmTextShown(c)) {
        const uint32_t inputs = c.sim.inputSignals;
        int code = c.sim.selectedAlarm;
        if (inputs & (signal::kBaseblock | signal::kBaseblockNc))
            code = 1;
        else if (inputs & signal::kOh2)
            code = 25;
        else if (c.sim.conditionBits & kForwardReverseConflict)
            code = 7;
        ShowText(c.form, c.display, ErrorDisplayText(c, ErrorList::Alarms, code), kNoOverrides,
                 kAllBlink, 0);
        return;
    }
    if (s.alarmActive) c.form.AlarmActiveTimer.SetEnabled(true);
    ShowMenuState(c);
}

void UpdateAlarmLampAtBlinkStep(OperatorContext& c) {
    const DriveState& s = c.data.state;
    Lamp& alm = c.form.ALMLED;
    if (s.faultLatched) {
        alm.lit = s.errorState != 2 ? true : !alm.lit;
    } else if (s.alarmActive || c.sim.alarmButtonHeld) {
        if (AlarmTextShown(c)) {
            bool allLit = true;
            for (const SevenSegmentChar* d : c.form.Digits()) allLit = allLit && !d->dark;
            alm.lit = allLit;
        } else {
            alm.lit = !alm.lit;
        }
    } else {
        alm.lit = false;
    }
}

void BlinkStepEvery37Ticks(OperatorContext& c) {
    const FormControls& f = c.form;
    int& ticks = c.panel.blinkTicks;
    if (f.BlinkTimer2.Enabled() || f.BlinkTimer3.Enabled() || f.BlinkTimer4.Enabled()) {
        ticks = 0;
    } else if (ticks < kTicksPerBlinkStep - 1) {
        ++ticks;
    } else {
        BlinkStep(c.form, c.display);
        UpdateAlarmLampAtBlinkStep(c);
        ticks = 0;
    }
}

void PowerOff(OperatorContext& c) {
    FormControls& f = c.form;
    DriveState& s = c.data.state;
    ShowText(f, c.display, "      ");
    c.panel.state = FrequencyReferenceMode;
    s.runningForward = false;
    s.runningReverse = false;
    for (Lamp* lamp : {&f.FOUTLED, &f.DRVLED, &f.ALMLED, &f.REVLED, &f.MA, &f.MB, &f.P1, &f.P2})
        lamp->lit = false;
    f.RPM.value = 0;
    for (Readout* r : {&f.AMOUTPUT, &f.MPOUTPUT}) {
        r->value = 0;
        r->powered = false;
    }
    s.outputCurrent = 0;
    f.Output_current2.text = "0.0 A";
    f.StatusLabel.text =
        "Drive is currently turned Off, to turn the drive On click on the Main Power button.";
    f.InfoLabel.text.clear();
}

void UpdateLabels(OperatorContext& c) {
    const DriveState& s = c.data.state;
    FormControls& f = c.form;
    if (s.faultLatched) {
        f.StatusLabel.text = "Drive Fault";
        f.InfoLabel.text = c.panel.faultDescription;
    } else if (AlarmTextShown(c)) {
        f.StatusLabel.text = "Drive Alarm";
        f.InfoLabel.text = c.panel.alarmDescription;
    } else {
        UpdateStateLabels(c);
    }
}
}  // namespace

void RefreshDisplay(OperatorContext& c) {
    FormControls& f = c.form;
    DriveState& s = c.data.state;
    f.MainTimer.SetEnabled(false);
    if (f.MainPower.on) {
        DriveContext drive{c.form, c.data, c.sim, c.messages};
        f.AMOUTPUT.powered = true;
        f.MPOUTPUT.powered = true;
        if (HardwireBaseblockClosed(c) && s.faultLatched) {
            s.runningForward = false;
            s.runningReverse = false;
        }
        RefreshMotorQuantities(drive);
        f.Output_current2.text = MakeRefreshTexts(s).current + " A";
        UpdateLamps(c);
        CheckSelfRaisedFaults(drive);
        ShowErrorOrAlarm(c);
        BlinkStepEvery37Ticks(c);
        UpdateLabels(c);
    } else {
        PowerOff(c);
    }
    f.InfoMainLabel.visible = !f.InfoLabel.text.empty();
    f.MainTimer.SetEnabled(true);
}

}  // namespace qd
