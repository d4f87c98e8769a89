#include "drive/Motor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/MonitorCatalogue.h"
#include "drive/ParameterAccess.h"
#include "drive/Terminals.h"

namespace qd {

namespace {

constexpr float kOverloadLimit = 100000;

std::string Amps(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return std::string(text) + " A";
}

void Store(DriveContext& c, char digit, uint16_t number, double value) {
    SetMonitorValue(c.data, 'U', digit, number, Finite(value));
}

// Small, fast and seeded: the soak runs must repeat exactly.
int NextNoise(DriveSimulation& m) {
    m.randomState = m.randomState * 1103515245u + 12345u;
    return static_cast<int>((m.randomState >> 16) % 3);
}

}  // namespace

void ComputeMotorQuantities(DriveContext& c) {
    DriveState& s = c.data.state;
    const DriveSimulation& m = c.sim;
    s.motorFrequency = InputBaseblock(c) || HardwireBaseblockOpen(c) ? 0.0f : s.outputFrequency;

    const float rated = m.ratedCurrent;
    if (s.motorFrequency != 0) {
        const double current = c.form.MotorCurrent.position * rated / 100.0 +
                               static_cast<double>(s.outputTorque) * rated / 200.0;
        s.outputCurrent = Finite(std::min(current, 2.0 * rated));
        c.form.Output_current2.text = Amps(s.outputCurrent);
    } else {
        s.outputCurrent = 0;
        c.form.Output_current2.text = "0.0 A";
    }
    s.outputVoltage = Finite(std::fabs(s.motorFrequency) / 60.0 * 230.0);
    s.outputTorque =
        s.motorFrequency != 0 && c.form.MotorCurrent.position > 0 && s.outputVoltage > 0
            ? Finite(c.form.MotorTorque.position)
            : 0.0f;
    c.form.RPM.value = std::fabs(s.motorFrequency) * 1800.0 / 60.0;
}

bool OverloadCheck(DriveContext& c) {
    DriveSimulation& m = c.sim;
    const FoundValue e201 = Read(c.data, "E2-01");
    if (e201.found) m.ratedCurrent = e201.value;
    const FoundValue l102 = Read(c.data, "L1-02");
    if (l102.found) {
        // A timer needs a positive interval; 0 would stop the estimate for good.
        const long ms = RoundWhole(static_cast<double>(l102.value) * 100.0);
        c.form.OLTIMER.SetInterval(static_cast<int>(std::clamp(ms, 1L, 600000L)));
    }
    const FoundValue l101 = Read(c.data, "L1-01");
    if (l101.found && RoundWhole(l101.value) != 0 && !(m.ratedCurrent > 0)) {
        // No rated current to compare with: the estimate neither grows nor faults.
        m.overloadIncrement = m.overloadDecrement = 0;
    } else if (l101.found && RoundWhole(l101.value) != 0) {
        const float current = c.data.state.outputCurrent;
        const double share = (current - m.ratedCurrent) / static_cast<double>(m.ratedCurrent) * 100;
        if (current > m.ratedCurrent) {
            m.overloadIncrement = Finite(share * share);
            m.overloadDecrement = 0;
        } else {
            m.overloadDecrement = Finite(share * share);
            m.overloadIncrement = 0;
        }
    }
    return c.form.MOTOR.running && m.overloadEstimate >= kOverloadLimit;
}

void IntegrateOverload(DriveSimulation& m) {
    if (m.overloadIncrement > 0)
        m.overloadEstimate += m.overloadIncrement;
    else
        m.overloadEstimate -= m.overloadDecrement;
    m.overloadEstimate = std::clamp(m.overloadEstimate, 0.0f, kOverloadLimit);
}

void UpdateMotorPicture(DriveContext& c) {
    c.form.MOTOR.running = std::fabs(c.data.state.motorFrequency) >= c.sim.minimumFrequency;
}

void StoreDcBusMonitor(DriveContext& c) {
    Store(c, '1', 7, NextNoise(c.sim) + 0.85 * c.data.defaults.dcBusMaximum);
}

void StoreMonitors(DriveContext& c) {
    const DriveState& s = c.data.state;
    const DriveSimulation& m = c.sim;
    Store(c, '1', 1, s.frequencyReference);
    Store(c, '1', 2, s.outputFrequency);
    Store(c, '1', 3, s.outputCurrent);
    Store(c, '1', 4, s.activeColumn - 1);
    Store(c, '1', 6, s.outputVoltage);
    StoreDcBusMonitor(c);
    Store(c, '1', 8, static_cast<double>(s.outputCurrent) * s.outputVoltage * 1.73 / 1000.0);
    Store(c, '1', 9, s.outputTorque);
    Store(c, '1', 10, s.terminalInputBits);
    Store(c, '1', 11, s.terminalOutputBits);
    Store(c, '1', 12, s.statusBits);
    Store(c, '1', 13, s.analogInputA1 / 10.0);
    Store(c, '1', 14, s.analogInputA2 / 10.0);
    Store(c, '1', 16, s.outputFrequency);
    Store(c, '1', 24, c.form.RPINPUT.position * m.pulseInputScale / 100.0);
    Store(c, '1', 25, 5010);
    Store(c, '1', 26, 10);

    static constexpr std::pair<uint16_t, float> kFixedU4[] = {
        {1, 521}, {3, 702}, {5, 11}, {7, 5},  {10, 55}, {11, 0}, {13, 3.2f}, {14, 15.2f},
        {16, 78}, {18, 78}, {19, 0}, {20, 0}, {21, 0},  {22, 0}, {23, 0}};
    for (const auto& [number, value] : kFixedU4) Store(c, '4', number, value);
    Store(c, '4', 2, m.runCommandCount);

    Store(c, '5', 1, m.pidFeedback);
    Store(c, '5', 2, m.pidDeviation);
    Store(c, '5', 3, m.pidOutput);
    Store(c, '5', 4, m.pidSetpoint);
}

}  // namespace qd
