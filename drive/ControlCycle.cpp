#include "drive/ControlCycle.h"

#include <cmath>

#include "drive/Faults.h"
#include "drive/Motor.h"
#include "drive/OperationErrors.h"
#include "drive/OutputTimers.h"
#include "drive/ParameterAccess.h"
#include "drive/Ramp.h"
#include "drive/Sources.h"
#include "drive/Terminals.h"

namespace qd {

namespace {

void PowerOff(DriveContext& c) {
    c.sim.runFlashing = false;
    c.form.MOTOR.running = false;
    c.data.state.runningForward = c.data.state.runningReverse = false;
    StopOutputTimers(c.sim);
}

bool Running(const DriveState& s) {
    return s.runningForward || s.runningReverse;
}

// The steps run in this order on purpose: values read late (analog levels,
// settings, input signals) feed the early steps of the next cycle.
void PoweredCycle(DriveContext& c) {
    DriveState& s = c.data.state;
    DriveSimulation& m = c.sim;

    if (!Running(s) && std::fabs(s.outputFrequency) < 0.01f)  // 1
        m.maximumFrequency = ReadOr(c.data, "E1-04", 60.0f);
    m.accelTimeSet = static_cast<uint16_t>(((m.inputSignals & signal::kAccelTime1) ? 1 : 0) +
                                           ((m.inputSignals & signal::kAccelTime2) ? 2 : 0));  // 2
    ComputeStepSizes(c);                                                                       // 3
    ReadOperatorFlags(c);                                                                      // 4
    SelectBaseReference(c);                                                                    // 5
    ReadTerminalFunctions(c);                                                                  // 6
    RunCommandFromTerminals(c);                                                                // 7
    ApplyMultiStepAndJog(c);                                                                   // 8
    ApplyAnalogFunctions(c);                                                                   // 9
    RunPid(c);                                                                                 // 10
    if (m.conditionBits & kForwardReverseConflict) s.frequencyReference = 0;                   // 11
    if (s.runBlocked && std::fabs(s.outputFrequency) < 1.0f) s.outputFrequency = 0;            // 12

    m.rampTarget = RoundDecimals(s.frequencyReference, 2);  // 13
    m.outputSnapshot = RoundDecimals(s.outputFrequency, 2);
    const FoundValue b104 = Read(c.data, "B1-04");  // 14
    if (b104.found && RoundWhole(b104.value) == 0 && s.runningReverse) m.rampTarget = -m.rampTarget;
    if (!Running(s)) m.rampTarget = 0;  // 15

    bool minimumFound = false;  // 16
    m.runFlashing = ComputeRunFlashing(c, minimumFound);
    DecodeInputs(c);                              // 17
    CheckForwardReverseConflict(c);               // 18
    MinimumFrequencyStart(c, minimumFound);       // 19
    ApplyFaultResetInput(c);                      // 20
    if (m.inputSignals & signal::kEmergencyStop)  // 21
        s.runningForward = s.runningReverse = false;
    const FoundValue b103 = Read(c.data, "B1-03");  // 22
    if (!Running(s) && b103.found && RoundWhole(b103.value) == 1)
        s.outputFrequency = s.motorFrequency = 0;

    UpdateTerminalOutputs(c);  // 23
    ReadAnalogInputs(c);       // 24
    UpdateMotorPicture(c);
    if ((s.faultLatched || s.runBlocked) && std::fabs(s.outputFrequency) < 2.0f)  // 25
        s.outputFrequency = 0;
    if (m.pidMode != 0 && RoundWhole(m.pidOutput) == 0 && m.outputSnapshot < 2.0)  // 26
        s.outputFrequency = 0;
    StoreMonitors(c);                // 27
    ReadSourceSettings(c);           // 28
    if (Running(s) && !m.runEdge) {  // 29
        ++m.runCommandCount;
        m.runEdge = true;
    } else if (!Running(s)) {
        m.runEdge = false;
    }
    OperationErrorChecks(c);                            // 30
    c.form.AlarmActiveTimer.SetEnabled(s.alarmActive);  // 31
    if (Running(s) && s.faultLatched)                   // 32
        s.runBlocked = true;
    else if (!Running(s))
        s.runBlocked = false;
}

}  // namespace

void ControlCycle(DriveContext& c) {
    c.form.ControlLoopTimer.SetEnabled(false);
    if (c.form.MainPower.on)
        PoweredCycle(c);
    else
        PowerOff(c);
    c.form.ControlLoopTimer.SetEnabled(true);
}

}  // namespace qd
