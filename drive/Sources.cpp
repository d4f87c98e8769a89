#include "drive/Sources.h"

#include <algorithm>
#include <cmath>

#include "drive/ParameterAccess.h"

namespace qd {

namespace {

constexpr int kRunForward = 0x40, kRunReverse = 0x41;
constexpr int kRunForwardNc = 0x42, kRunReverseNc = 0x43;
constexpr int kThreeWireRun = 0x0F;

bool On(const DriveContext& c, int k) {
    return c.form.Inputs()[static_cast<size_t>(k)]->on;
}

float Limit(float v, float limit) {
    return std::clamp(v, -std::fabs(limit), std::fabs(limit));
}

bool IsTerminalReference(DriveContext& c) {
    const FoundValue b101 = Read(c.data, "B1-01");
    return b101.found && RoundWhole(b101.value) == 1;
}

}  // namespace

bool IsMultiFunctionTerminal(const DriveContext& c, int k) {
    return k < 6 || !c.form.TerminalVersion.checked;
}

void ReadOperatorFlags(DriveContext& c) {
    DriveState& s = c.data.state;
    const FoundValue b101 = Read(c.data, "B1-01");
    if (b101.found) s.referenceFromOperator = RoundWhole(b101.value) == 0;
    const FoundValue b102 = Read(c.data, "B1-02");
    if (b102.found) s.runFromOperator = RoundWhole(b102.value) == 0;
}

void SelectBaseReference(DriveContext& c) {
    DriveState& s = c.data.state;
    const DriveSimulation& m = c.sim;
    if (s.referenceFromOperator || s.localMode) {
        const FoundValue d101 = Read(c.data, "D1-01");
        if (d101.found) s.frequencyReference = d101.value;
        return;
    }
    const FoundValue b101 = Read(c.data, "B1-01");
    if (!b101.found) return;
    const FoundValue e104 = Read(c.data, "E1-04");
    switch (RoundWhole(b101.value)) {
        case 1:
            s.frequencyReference = 0;
            if (e104.found && (m.a1Function == 0 || m.a2Function == 0))
                s.frequencyReference = Finite(s.analogInputA1 * e104.value / 1000.0);
            break;
        case 4:
            // Without E1-04 the reference takes the value of B1-01 read last.
            s.frequencyReference =
                e104.found ? Finite(m.pulseInputLevel * e104.value / 100.0) : b101.value;
            break;
        default:
            s.frequencyReference = 0;
            break;
    }
}

void RunCommandFromTerminals(DriveContext& c) {
    DriveState& s = c.data.state;
    DriveSimulation& m = c.sim;
    m.runSourceCode = 0;
    if (s.runFromOperator || s.localMode) return;
    const FoundValue b102 = Read(c.data, "B1-02");
    if (!b102.found) return;
    m.runSourceCode = static_cast<int>(RoundWhole(b102.value));
    if (m.runSourceCode != 1) {
        s.frequencyReference = 0;
        return;
    }
    const auto& f = m.inputFunctions;
    const bool threeWire =
        s.lastInitialisation != 2220 || (m.inputSignals & signal::kThreeWire) != 0;
    if (!threeWire) {
        s.runningForward = s.runningReverse = false;
        for (int k = 0; k < 7; ++k) {
            if (!IsMultiFunctionTerminal(c, k)) continue;
            if (f[k] == kRunForward && On(c, k))
                s.runningForward = true;
            else if (f[k] == kRunReverse && On(c, k))
                s.runningReverse = true;
        }
        for (int k = 0; k < 7; ++k) {
            if (!IsMultiFunctionTerminal(c, k)) continue;
            if (f[k] == kRunForwardNc && !On(c, k))
                s.runningForward = true;
            else if (f[k] == kRunReverseNc && !On(c, k))
                s.runningReverse = true;
        }
        return;
    }
    // Three-wire: S1 is the run button, S2 the stop contact; the run latches.
    s.runningReverse = false;
    if (f[0] == kThreeWireRun && On(c, 0) && f[1] == kThreeWireRun && On(c, 1))
        s.runningForward = true;
    if (s.runningForward && f[1] == kThreeWireRun && !On(c, 1)) s.runningForward = false;
}

void ApplyMultiStepAndJog(DriveContext& c) {
    DriveState& s = c.data.state;
    const uint32_t in = c.sim.inputSignals;
    const int index = ((in & signal::kMultiStep1) ? 1 : 0) + ((in & signal::kMultiStep2) ? 2 : 0) +
                      ((in & signal::kMultiStep3) ? 4 : 0) + ((in & signal::kMultiStep4) ? 8 : 0);
    if (index > 0) {
        const FoundValue step =
            FindParameterValue(c.data, 'D', '1', static_cast<uint16_t>(index + 1));
        if (step.found) s.frequencyReference = step.value;
    }
    const FoundValue jog = Read(c.data, "D1-17");
    if (!jog.found) return;
    if (c.sim.inputSignals2 & signal2::kJog) s.frequencyReference = jog.value;
    if (in & signal::kForwardJog) {
        s.frequencyReference = jog.value;
        s.runningForward = true;
        s.runningReverse = false;
    }
    if (in & signal::kReverseJog) {
        s.frequencyReference = jog.value;
        s.runningForward = false;
        s.runningReverse = true;
    }
}

void ApplyAnalogFunctions(DriveContext& c) {
    if (!IsTerminalReference(c)) return;
    DriveState& s = c.data.state;
    const DriveSimulation& m = c.sim;
    if (m.a1Function == 1) {
        s.frequencyReference = 0;
    } else if (m.a2Function == 1) {
        s.frequencyReference =
            Limit(Finite(s.frequencyReference * s.analogInputA2 / 1000.0), m.maximumFrequency);
    }
    if (m.a2Function == 0) {
        s.frequencyReference =
            Limit(Finite(m.maximumFrequency * s.analogInputA2 / 1000.0 + s.frequencyReference),
                  m.maximumFrequency);
    }
}

void RunPid(DriveContext& c) {
    const DriveState& s = c.data.state;
    DriveSimulation& m = c.sim;
    if (m.pidMode == 0) {
        m.pidSetpoint = m.pidOutput = m.pidFeedback = m.pidDeviation = 0;
        return;
    }
    // A maximum frequency of 0 gives no setpoint rather than a division by zero.
    m.pidSetpoint =
        m.maximumFrequency != 0 ? Finite(s.frequencyReference / m.maximumFrequency * 100.0) : 0;
    if (m.a1Function == 12) m.pidSetpoint = s.analogInputA1 / 10;
    if (m.a2Function == 12) m.pidSetpoint = s.analogInputA2 / 10;
    m.pidFeedback = m.a1Function == 11   ? s.analogInputA1 / 10
                    : m.a2Function == 11 ? s.analogInputA2 / 10
                                         : 0;
    m.pidDeviation = m.pidSetpoint - m.pidFeedback;
    m.pidIntegralTerm =
        m.pidIntegralTime < 0.01f ? 0 : Finite(m.pidDeviation / (200.0 * m.pidIntegralTime));
    m.pidDerivativeTerm = Finite(m.pidDeviation * m.pidDerivativeTime / 200.0);
    const double next = static_cast<double>(m.pidOutput) + m.pidDeviation * m.pidGain +
                        100.0 * m.pidIntegralTerm + 100.0 * m.pidDerivativeTerm;
    m.pidOutput = std::clamp(Finite(next), 0.0f, 100.0f);
}

void CheckForwardReverseConflict(DriveContext& c) {
    DriveState& s = c.data.state;
    if (s.runningForward && s.runningReverse) {
        if (!s.alarmActive) s.alarmShowRequest = true;
        c.sim.conditionBits |= kForwardReverseConflict;
        s.alarmActive = true;
    } else if (s.alarmActive) {
        s.alarmActive = false;
        s.alarmShowRequest = false;
        c.form.AlarmActiveTimer.SetEnabled(false);
    }
}

void ReadAnalogInputs(DriveContext& c) {
    DriveState& s = c.data.state;
    const DriveSimulation& m = c.sim;
    s.analogInputA1 =
        Finite(c.form.A1POT.position * 1000.0 / 10.0 * m.a1Gain / 100.0 + m.a1Bias * 10.0);
    s.analogInputA2 =
        Finite(c.form.A2POT.position * 1000.0 / 10.0 * m.a2Gain / 100.0 + m.a2Bias * 10.0);
    c.sim.pulseInputLevel = Finite(c.form.RPINPUT.position);
}

void ReadSourceSettings(DriveContext& c) {
    DriveSimulation& m = c.sim;
    const FoundValue b501 = Read(c.data, "B5-01");
    if (b501.found) m.pidMode = static_cast<int>(RoundWhole(b501.value));
    m.pidActive = m.pidMode != 0 && (m.inputSignals & signal::kPidDisable) == 0;
    if (m.pidActive) {
        m.pidGain = ReadOr(c.data, "B5-02", m.pidGain);
        m.pidIntegralTime = ReadOr(c.data, "B5-03", m.pidIntegralTime);
        m.pidDerivativeTime = ReadOr(c.data, "B5-05", m.pidDerivativeTime);
    } else {
        m.pidGain = 1.0f;
        m.pidIntegralTime = 1.0f;
        m.pidDerivativeTime = 0;
    }
    m.pulseInputScale = ReadOr(c.data, "H6-02", 1000.0f);

    const FoundValue h302 = Read(c.data, "H3-02");
    if (h302.found) {
        m.a1Function = h302.value;
        m.a1Gain = ReadOr(c.data, "H3-03", 100.0f);
        m.a1Bias = ReadOr(c.data, "H3-04", 0.0f);
    }
    const FoundValue h310 = Read(c.data, "H3-10");
    if (h310.found) {
        m.a2Function = h310.value;
        m.a2Gain = ReadOr(c.data, "H3-11", 100.0f);
        m.a2Bias = ReadOr(c.data, "H3-12", 0.0f);
    }
}

}  // namespace qd
