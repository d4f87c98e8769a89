#include "drive/OutputTimers.h"

#include "drive/ParameterAccess.h"
#include "drive/Sources.h"

namespace qd {

namespace {

constexpr int kTimerInput = 0x18;

// A delay's time is taken up again until it has run for half a second, so an
// edit made right after the start still counts.
void Hold(DelayCounter& t, float time) {
    t.counting = true;
    if (RoundWhole(t.elapsed) == 0) t.time = time;
    if (t.time <= 0) t.done = true;
}

void Advance(DelayCounter& t) {
    if (!t.counting) return;
    t.elapsed += 0.1f;
    // A hair of slack so 0.1 s steps reach times like 0.3 s despite binary tenths.
    if (t.elapsed + 1e-4f >= t.time) t.done = true;
}

}  // namespace

bool StepTimerFunction(DriveSimulation& m, bool input, float onDelayTime, float offDelayTime) {
    if (input) {
        // An ON during the off-delay cancels it; the output stays ON.
        m.offDelay.Clear();
        Hold(m.onDelay, onDelayTime);
        return m.onDelay.done;
    }
    if (m.onDelay.done) {
        Hold(m.offDelay, offDelayTime);
        if (!m.offDelay.done) return true;
    }
    // Off-delay over, or the input went away before the on-delay elapsed.
    m.onDelay.Clear();
    m.offDelay.Clear();
    return false;
}

void UpdateOutputTimers(DriveContext& c) {
    DriveSimulation& m = c.sim;
    const float torque = c.data.state.outputTorque;
    const FoundValue l602 = Read(c.data, "L6-02"), l605 = Read(c.data, "L6-05");
    const bool over1 = l602.found && torque >= l602.value;
    const bool over2 = l605.found && torque >= l605.value;
    const float time1 = ReadOr(c.data, "L6-03", 0);
    const float time2 = ReadOr(c.data, "L6-06", 0);
    const bool over[4] = {over1, over1, over2, over2};
    const float times[4] = {time1, time1, time2, time2};
    for (size_t i = 0; i < 4; ++i) {
        if (over[i])
            Hold(m.torqueTimers[i], times[i]);
        else
            m.torqueTimers[i].Clear();
    }

    bool input = false;
    auto inputs = c.form.Inputs();
    for (int k = 0; k < 7; ++k)
        if (IsMultiFunctionTerminal(c, k) &&
            m.inputFunctions[static_cast<size_t>(k)] == kTimerInput &&
            inputs[static_cast<size_t>(k)]->on)
            input = true;
    m.timerOutput =
        StepTimerFunction(m, input, ReadOr(c.data, "B4-01", 0), ReadOr(c.data, "B4-02", 0));
}

void AdvanceOutputTimers(DriveSimulation& m) {
    for (DelayCounter& t : m.torqueTimers) Advance(t);
    Advance(m.onDelay);
    Advance(m.offDelay);
}

void StopOutputTimers(DriveSimulation& m) {
    m.torqueTimers[0].counting = false;
    m.onDelay.counting = false;
    m.offDelay.counting = false;
}

}  // namespace qd
