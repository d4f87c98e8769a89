// The main window's keypad handlers and display timers.
#include "app/SimForm.h"

namespace qd {

void TSimForm::MainTimerTimer() {}
void TSimForm::BlinkTimer2Timer() {}
void TSimForm::BlinkTimer3Timer() {}
void TSimForm::BlinkTimer4Timer() {}
void TSimForm::OperatorLedTimerTimer() {}
void TSimForm::RunLedSeqTimer() {}
void TSimForm::EscKeyClick() {}
void TSimForm::LeftKeyClick() {}
void TSimForm::EnterKeyClick() {}
void TSimForm::UpKeyClick() {}
void TSimForm::DownkeyClick() {}
void TSimForm::RunKeyClick() {}
void TSimForm::StopKeyClick() {}
void TSimForm::LOREKEYClick() {}

}  // namespace qd
