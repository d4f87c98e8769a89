// The main window's handlers of the drive model: control loop, ramp, output
// timers, terminal board and fault injection.
#include "app/SimForm.h"

namespace qd {

void TSimForm::ControlLoopTimerTimer() {}
void TSimForm::ADTimer() {}
void TSimForm::DelayTimerTimer() {}
void TSimForm::OLTIMERTimer() {}
void TSimForm::MonitorTimerTimer() {}
void TSimForm::AlarmActiveTimerTimer() {}
void TSimForm::FaultButtonClick() {}
void TSimForm::AutotuneButtonClick() {}
void TSimForm::AlarmButtonMouseDown() {}
void TSimForm::AlarmButtonMouseUp() {}
void TSimForm::OprAlarmButtonMouseDown() {}
void TSimForm::OprAlarmButtonMouseUp() {}
void TSimForm::Fault_ListChange() {}
void TSimForm::Alarm_ListChange() {}
void TSimForm::Opr_Alarm_ListChange() {}
void TSimForm::Autotune_FaultChange() {}
void TSimForm::RJ45_OPENClick() {}
void TSimForm::RJ45_CLOSEDClick() {}

void TSimForm::TerminalVersionClick() {
    USA_Term.visible = !TerminalVersion.checked;
    EuroTerminal.visible = TerminalVersion.checked;
}

}  // namespace qd
