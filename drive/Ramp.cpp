#include "drive/Ramp.h"

#include <cmath>

#include "drive/ParameterAccess.h"

namespace qd {

float StepSize(const FoundValue& rampTime, float maximumFrequency) {
    if (!rampTime.found) return 1.0f;
    const double step = rampTime.value > 0
                            ? static_cast<double>(maximumFrequency) / rampTime.value / 50.0
                            : static_cast<double>(maximumFrequency) * 100.0 / 50.0;
    return Finite(RoundDecimals(step, 3));
}

void ComputeStepSizes(DriveContext& c) {
    DriveSimulation& m = c.sim;
    static constexpr const char* kPairs[4][2] = {
        {"C1-01", "C1-02"}, {"C1-03", "C1-04"}, {"C1-05", "C1-06"}, {"C1-07", "C1-08"}};
    const bool emergency = (m.inputSignals & (signal::kEmergencyStop | signal::kBaseblock)) != 0;
    const char* accel = emergency ? "C1-01" : kPairs[m.accelTimeSet & 3][0];
    const char* decel = emergency ? "C1-09" : kPairs[m.accelTimeSet & 3][1];
    m.accelStep = StepSize(Read(c.data, accel), m.maximumFrequency);
    m.decelStep = StepSize(Read(c.data, decel), m.maximumFrequency);
}

bool ComputeRunFlashing(DriveContext& c, bool& minimumFound) {
    const DriveState& s = c.data.state;
    const FoundValue e109 = Read(c.data, "E1-09");
    minimumFound = e109.found;
    if (e109.found) c.sim.minimumFrequency = e109.value;
    if (s.faultLatched) return true;
    if (!e109.found) return false;
    const bool running = s.runningForward || s.runningReverse;
    const float out = std::fabs(s.outputFrequency);
    return (!running && out > 0.01f) || (running && out < e109.value);
}

void MinimumFrequencyStart(DriveContext& c, bool minimumFound) {
    DriveState& s = c.data.state;
    if (!minimumFound || s.faultLatched || !(s.runningForward || s.runningReverse)) return;
    const float m = c.sim.minimumFrequency;
    if (std::fabs(s.outputFrequency) >= m) return;
    if (s.frequencyReference > m)
        s.outputFrequency = c.sim.rampTarget >= 0 ? m : -m;
    else if (s.frequencyReference < m)
        s.outputFrequency = 0;
}

void RampTick(DriveContext& c) {
    if (!c.form.MainPower.on) return;
    DriveState& s = c.data.state;
    DriveSimulation& m = c.sim;

    // 1-4: the target, and what forces it to 0.
    double target = m.rampTarget;
    if (m.pidMode != 0) {
        target = static_cast<double>(m.pidOutput) * m.maximumFrequency / 100.0;
        if (RoundWhole(m.pidOutput) == 0 && m.outputSnapshot < 1.0) target = m.rampTarget = 0;
    }
    if (s.faultLatched) {
        target = m.rampTarget = 0;
    } else if (m.inputSignals2 & signal2::kRampHold) {
        return;
    }
    if (s.errorIndex == 10 && s.faultLatched) {
        s.runBlocked = false;
        target = m.rampTarget = m.outputSnapshot = 0;
    }
    if (s.runBlocked) target = m.rampTarget = 0;

    // 5: one step from the snapshot of the last cycle; the sign of the change
    // picks the step. A partial step that ends within one step of 0 snaps to 0,
    // so the ramp alone never leaves standstill; landing on the target keeps it,
    // or a short ramp time (step above the target) could never run at all.
    const double snap = m.outputSnapshot;
    const float a = m.accelStep;
    const float d = m.decelStep;
    const bool moving = s.runningForward || s.runningReverse || m.runFlashing;
    const double gap = std::fabs(target - snap);
    if (gap < d && gap < a && std::fabs(target) < 0.001 && std::fabs(snap) < 0.001) {
        s.outputFrequency = 0;
    } else if (target < snap && moving) {
        if (snap - d > target) {
            s.outputFrequency -= d;
            if (std::fabs(s.outputFrequency) <= d) s.outputFrequency = 0;
        } else {
            s.outputFrequency = Finite(target);
        }
    } else if (target > snap && moving) {
        if (snap + a < target) {
            s.outputFrequency += a;
            if (std::fabs(s.outputFrequency) <= a) s.outputFrequency = 0;
        } else {
            s.outputFrequency = Finite(target);
        }
    } else if (!moving) {
        s.outputFrequency = 0;
    }

    // 6, 7: a blocked drive is cut below 2 Hz.
    if (s.faultLatched && s.runBlocked && std::fabs(s.outputFrequency) < 1.0f) {
        s.outputFrequency = 0;
        m.outputSnapshot = 0;
    }
    if (s.runBlocked && std::fabs(s.outputFrequency) < 2.0f) {
        s.outputFrequency = 0;
        m.outputSnapshot = 0;
    }
}

}  // namespace qd
