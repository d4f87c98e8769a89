// The main window's handlers of the drive model: control loop, ramp, output
// timers, terminal board and fault injection.
#include "app/SimForm.h"
#include "drive/ControlCycle.h"
#include "drive/Faults.h"
#include "drive/Motor.h"
#include "drive/OutputTimers.h"
#include "drive/Ramp.h"

namespace qd {

void TSimForm::ControlLoopTimerTimer() {
    DriveContext c = Drive();
    ControlCycle(c);
}

void TSimForm::ADTimer() {
    DriveContext c = Drive();
    RampTick(c);
}

void TSimForm::DelayTimerTimer() {
    AdvanceOutputTimers(sim);
}
void TSimForm::OLTIMERTimer() {
    IntegrateOverload(sim);
}

void TSimForm::MonitorTimerTimer() {
    DriveContext c = Drive();
    StoreDcBusMonitor(c);
}

void TSimForm::AlarmActiveTimerTimer() {
    DriveContext c = Drive();
    AlarmTimerElapsed(c);
}

void TSimForm::FaultButtonClick() {
    DriveContext c = Drive();
    InjectFault(c);
}

void TSimForm::AutotuneButtonClick() {
    DriveContext c = Drive();
    InjectTuningError(c);
}

void TSimForm::AlarmButtonMouseDown() {
    DriveContext c = Drive();
    PressAlarm(c);
}

void TSimForm::AlarmButtonMouseUp() {
    DriveContext c = Drive();
    ReleaseAlarm(c);
}

void TSimForm::OprAlarmButtonMouseDown() {
    DriveContext c = Drive();
    PressOperationError(c);
}

void TSimForm::OprAlarmButtonMouseUp() {
    DriveContext c = Drive();
    ReleaseOperationError(c);
}

namespace {
// A drop-down's hint is the text of its current item.
void CopyItemToHint(ComboBox& list) {
    const bool valid = list.itemIndex >= 0 && list.itemIndex < static_cast<int>(list.items.size());
    list.hint = valid ? list.items[static_cast<size_t>(list.itemIndex)] : "";
}
}  // namespace

void TSimForm::Fault_ListChange() {
    CopyItemToHint(Fault_List);
}
void TSimForm::Alarm_ListChange() {
    CopyItemToHint(Alarm_List);
}
void TSimForm::Opr_Alarm_ListChange() {
    CopyItemToHint(Opr_Alarm_List);
}
void TSimForm::Autotune_FaultChange() {
    CopyItemToHint(Autotune_Fault);
}

void TSimForm::RJ45_OPENClick() {
    RJ45_OPEN.visible = false;
    RJ45_CLOSED.visible = true;
}

void TSimForm::RJ45_CLOSEDClick() {
    RJ45_CLOSED.visible = false;
    RJ45_OPEN.visible = true;
}

void TSimForm::TerminalVersionClick() {
    S7.on = TerminalVersion.checked;
    USA_Term.visible = !TerminalVersion.checked;
    EuroTerminal.visible = TerminalVersion.checked;
}

}  // namespace qd
