// The main window's keypad handlers and display timers.
#include "app/SimForm.h"
#include "operator/DisplayRefresh.h"
#include "operator/OperatorKeys.h"

namespace qd {

void TSimForm::MainTimerTimer() {
    OperatorContext c = Operator();
    RefreshDisplay(c);
}

void TSimForm::BlinkTimer2Timer() {
    OperatorContext c = Operator();
    WholeDisplayTick(c, display.endCount, BlinkTimer2, false);
}

void TSimForm::BlinkTimer3Timer() {
    OperatorContext c = Operator();
    WholeDisplayTick(c, display.aboveMaximumCount, BlinkTimer3, true);
}

void TSimForm::BlinkTimer4Timer() {
    OperatorContext c = Operator();
    WholeDisplayTick(c, display.belowMinimumCount, BlinkTimer4, true);
}

void TSimForm::OperatorLedTimerTimer() {
    OperatorContext c = Operator();
    OperatorLedTick(c);
}

void TSimForm::RunLedSeqTimer() {
    OperatorContext c = Operator();
    RunLedSequenceTick(c);
}

void TSimForm::EscKeyClick() {
    OperatorContext c = Operator();
    EscKey(c);
}

void TSimForm::LeftKeyClick() {
    OperatorContext c = Operator();
    ResetKey(c);
}

void TSimForm::EnterKeyClick() {
    OperatorContext c = Operator();
    EnterKey(c);
}

void TSimForm::UpKeyClick() {
    OperatorContext c = Operator();
    UpKey(c);
}

void TSimForm::DownkeyClick() {
    OperatorContext c = Operator();
    DownKey(c);
}

void TSimForm::RunKeyClick() {
    OperatorContext c = Operator();
    RunKey(c);
}

void TSimForm::StopKeyClick() {
    OperatorContext c = Operator();
    StopKey(c);
}

void TSimForm::LOREKEYClick() {
    OperatorContext c = Operator();
    LoReKey(c);
}

}  // namespace qd
