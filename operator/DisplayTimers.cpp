// The whole-display blink sequences after ENTER and the RUN lamp.
#include "operator/DisplayRefresh.h"
#include "operator/SegmentDisplay.h"

namespace qd {

void WholeDisplayTick(OperatorContext& c, int& counter, Timer& timer, bool restoresValue) {
    SegmentDisplay& d = c.display;
    // All three sequences share the phase and test the End counter.
    if (d.blinkPhase && d.endCount == 0) {
        d.blinkPhase = false;
        SetAllDark(c.form, true);
    } else {
        d.blinkPhase = true;
        SetAllDark(c.form, false);
    }
    if (counter > 0) {
        --counter;
        return;
    }
    if (restoresValue) c.panel.editValue = c.panel.openValue;
    c.panel.keyLock = false;
    timer.SetEnabled(false);
}

void OperatorLedTick(OperatorContext& c) {
    const DriveState& s = c.data.state;
    Lamp& lamp = c.form.RUNLED;
    if (s.runBlocked) {
        c.form.RunLedSeq.SetEnabled(true);
        return;
    }
    c.form.RunLedSeq.SetEnabled(false);
    if (c.sim.conditionBits & kForwardReverseConflict) {
        lamp.lit = c.sim.runFlashing ? false : !lamp.lit;
    } else if (c.sim.runFlashing) {
        lamp.lit = !lamp.lit;
    } else {
        lamp.lit = s.runningForward || s.runningReverse;
    }
}

void RunLedSequenceTick(OperatorContext& c) {
    SegmentDisplay& d = c.display;
    c.form.RUNLED.lit = d.runLampStep == 1 || d.runLampStep == 3;
    d.runLampStep = d.runLampStep >= 5 ? 0 : d.runLampStep + 1;
}

}  // namespace qd
