#include "drive/Faults.h"

#include "core/FaultCatalogue.h"
#include "drive/Motor.h"

namespace qd {

namespace {

constexpr uint16_t kOverloadCode = 11;
constexpr const char* kFaultPowerOff =
    "To use the fault simulation the Main Power Switch has to be in the On position";
constexpr const char* kAlarmPowerOff =
    "To use the alarm simulation the Main Power Switch has to be in the On position";

void ShowFrequencyReference(DriveContext& c) {
    if (c.menuState) *c.menuState = 0;
}

// The code of the list's selected entry; false when nothing valid is selected.
template <int N>
bool SelectedCode(const FaultList<N>& list, int32_t count, const ComboBox& box, uint16_t& code) {
    const int n = box.itemIndex + 1;
    if (n < 1 || n > count || n > N) return false;
    code = list.Entry(n).code;
    return true;
}

// EF1..EF7 as the fault list names them; the code of "EFk", else 0.
uint16_t ExternalFaultCode(const DriveContext& c, int terminal) {
    const std::string want = "EF" + std::to_string(terminal);
    const auto& list = c.data.faults.faults;
    const int32_t count = c.data.state.faultCounts[0];
    for (int n = 1; n <= count && n <= list.capacity; ++n) {
        const std::string& t = list.Entry(n).displayText;
        const size_t first = t.find_first_not_of(' ');
        if (first != std::string::npos && t.substr(first) == want) return list.Entry(n).code;
    }
    return 0;
}

}  // namespace

void LatchFault(DriveContext& c, uint16_t code) {
    DriveState& s = c.data.state;
    if (!s.faultLatched) {
        ShowFrequencyReference(c);
        s.faultShown = true;
    }
    s.faultLatched = true;
    s.errorState = 0;
    s.errorIndex = code;
}

void ClearLatchedError(DriveContext& c) {
    DriveState& s = c.data.state;
    s.errorState = 0;
    s.faultShown = false;
    s.faultLatched = false;
}

void ApplyFaultResetInput(DriveContext& c) {
    if ((c.sim.inputSignals & signal::kFaultReset) && c.data.state.faultLatched)
        ClearLatchedError(c);
}

void RaiseSelfDetectedFaults(DriveContext& c) {
    const uint32_t in2 = c.sim.inputSignals2;
    if (OverloadCheck(c)) {
        LatchFault(c, kOverloadCode);
    } else if (c.sim.inputSignals & signal::kOh2) {
        c.data.state.alarmActive = true;
    } else if (in2 & signal2::ExternalFault(1, false)) {
        LatchFault(c, ExternalFaultCode(c, 1));
    }
    for (int k = 2; k <= 7; ++k)
        if (in2 & signal2::ExternalFault(k, false)) LatchFault(c, ExternalFaultCode(c, k));
    for (int k = 1; k <= 7; ++k)
        if (in2 & signal2::ExternalFault(k, true)) LatchFault(c, ExternalFaultCode(c, k));
}

void InjectFault(DriveContext& c) {
    if (!c.form.MainPower.on) {
        c.messages.Information(kFaultPowerOff);
        return;
    }
    DriveState& s = c.data.state;
    uint16_t code = 0;
    if (!SelectedCode(c.data.faults.faults, s.faultCounts[0], c.form.Fault_List, code)) return;
    s.errorIndex = code;
    s.faultLatched = true;
    s.faultShown = true;
    ShowFrequencyReference(c);
}

void InjectTuningError(DriveContext& c) {
    if (!c.form.MainPower.on) {
        c.messages.Information(kFaultPowerOff);
        return;
    }
    DriveState& s = c.data.state;
    uint16_t code = 0;
    if (!SelectedCode(c.data.faults.tuningErrors, s.faultCounts[3], c.form.Autotune_Fault, code))
        return;
    s.errorState = 1;
    s.errorIndex = code;
    s.faultLatched = true;
    s.faultShown = true;
    ShowFrequencyReference(c);
}

void PressOperationError(DriveContext& c) {
    if (!c.form.MainPower.on) {
        c.messages.Information(kAlarmPowerOff);
        return;
    }
    DriveState& s = c.data.state;
    uint16_t code = 0;
    if (!SelectedCode(c.data.faults.operationErrors, s.faultCounts[2], c.form.Opr_Alarm_List, code))
        return;
    s.errorIndex = code;
    s.faultLatched = true;
    s.errorState = 3;
}

void ReleaseOperationError(DriveContext& c) {
    DriveState& s = c.data.state;
    if (s.errorState != 3) return;
    s.faultLatched = false;
    s.faultShown = false;
    s.errorState = 0;
}

void PressAlarm(DriveContext& c) {
    if (!c.form.MainPower.on) {
        c.messages.Information(kAlarmPowerOff);
        return;
    }
    uint16_t code = 0;
    if (SelectedCode(c.data.faults.alarms, c.data.state.faultCounts[1], c.form.Alarm_List, code))
        c.sim.selectedAlarm = code;
    c.sim.alarmButtonHeld = true;
    c.form.AlarmActiveTimer.SetEnabled(false);
}

void ReleaseAlarm(DriveContext& c) {
    c.sim.alarmButtonHeld = false;
}

void AlarmTimerElapsed(DriveContext& c) {
    c.form.AlarmActiveTimer.SetEnabled(false);
    c.data.state.alarmShowRequest = true;
}

}  // namespace qd
