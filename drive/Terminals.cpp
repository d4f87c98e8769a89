#include "drive/Terminals.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/MonitorCatalogue.h"
#include "drive/OutputTimers.h"
#include "drive/ParameterAccess.h"
#include "drive/Sources.h"

namespace qd {

namespace {

constexpr int kDriveEnableInput = 0x6A;

struct InputRule {
    int setting;
    bool secondWord;  // inputSignals2
    uint32_t bit;
    bool whenOn;
};

constexpr InputRule kInputRules[] = {
    {0x00, false, signal::kThreeWire, true},     {0x03, false, signal::kMultiStep1, true},
    {0x04, false, signal::kMultiStep2, true},    {0x05, false, signal::kMultiStep3, true},
    {0x32, false, signal::kMultiStep4, true},    {0x06, true, signal2::kJog, true},
    {0x07, false, signal::kAccelTime1, true},    {0x1A, false, signal::kAccelTime2, true},
    {0x08, false, signal::kBaseblock, true},     {0x17, false, signal::kBaseblock, false},
    {0x09, false, signal::kBaseblockNc, false},  {0x0A, true, signal2::kRampHold, true},
    {0x0B, false, signal::kOh2, true},           {0x12, false, signal::kForwardJog, true},
    {0x13, false, signal::kReverseJog, true},    {0x14, false, signal::kFaultReset, true},
    {0x15, false, signal::kEmergencyStop, true}, {0x19, false, signal::kPidDisable, true},
};

float Fout(const OutputConditions& in) {
    return std::fabs(in.outputFrequency);
}
float Fref(const OutputConditions& in) {
    return std::fabs(in.frequencyReference);
}

bool InWindow(float v, float low, float high) {
    return low <= v && v <= high;
}

bool On(const DriveContext& c, int k) {
    return c.form.Inputs()[static_cast<size_t>(k)]->on;
}

}  // namespace

void DecodeInput(bool on, int setting, int terminal, uint32_t& inputSignals,
                 uint32_t& inputSignals2) {
    if (setting >= 0x20 && setting <= 0x2F) {
        if (on && terminal >= 1 && terminal <= 7)
            inputSignals2 |= signal2::ExternalFault(terminal, (setting & 1) != 0);
        return;
    }
    for (const InputRule& r : kInputRules) {
        if (r.setting != setting) continue;
        if (on == r.whenOn) (r.secondWord ? inputSignals2 : inputSignals) |= r.bit;
        return;
    }
}

bool EvaluateOutput(int setting, const OutputConditions& in) {
    const float fout = Fout(in);
    const float fref = Fref(in);
    switch (setting) {
        case 0x00:
            return in.running;
        case 0x01:
            return fout < in.minimumFrequency;
        case 0x02:
            return InWindow(fref, in.lower, in.upper) && in.running;
        case 0x03: {
            if (!in.l401Found) return false;
            const float low = std::max(0.0f, in.l401 - in.agreeWidth);
            const float high = in.l401 + in.agreeWidth;
            return InWindow(fref, low, high) && InWindow(fout, low, high);
        }
        case 0x04:
            return in.l401Found && fout <= std::max(0.0f, in.l401 - in.agreeWidth);
        case 0x05:
            return in.l401Found && fout >= in.l401 + in.agreeWidth;
        case 0x06:
            return in.driveReadyLed;
        case 0x0A:
            return in.localLed;
        case 0x0B:
            return in.torque1Lasting;
        case 0x0E:
            return in.faultLatched;
        case 0x10:
            return in.alarmActive;
        case 0x12:
            return in.timerOutput;
        case 0x13:
            return in.l404Found && InWindow(fout, std::max(0.0f, fref - in.l404), fref + in.l404);
        case 0x14: {
            if (!in.l403Found || !in.l404Found) return false;
            const float low = std::max(0.0f, in.l403 - in.l404);
            const float high = in.l403 + in.l404;
            return InWindow(fref, low, high) && InWindow(fout, low, high);
        }
        case 0x15:
            return in.l403Found && in.l404Found && fout <= in.l403 + in.l404 / 2;
        case 0x16:
            return in.l403Found && in.l404Found && fout >= std::max(0.0f, in.l403 - in.l404 / 2);
        case 0x17:
            return !in.torque1Lasting;
        case 0x18:
            return in.torque2Lasting;
        case 0x19:
            return !in.torque2Lasting;
        case 0x1A:
            return in.reverseLed;
        case 0x1F:
            return in.errorIndex == 11;
        case 0x37:
            return in.e109Found && fout >= in.e109 && in.running;
        case 0x38:
            return in.driveEnable;
        case 0x3C:
            return !in.localLed;
        default:
            return false;
    }
}

bool HardwireBaseblockOpen(const DriveContext& c) {
    return !c.form.BASEBLOCK_EXT.on || (c.form.TerminalVersion.checked && !c.form.S7.on);
}

bool InputBaseblock(const DriveContext& c) {
    return (c.sim.inputSignals & (signal::kBaseblock | signal::kBaseblockNc)) != 0;
}

void ReadTerminalFunctions(DriveContext& c) {
    auto inputs = c.form.Inputs();
    for (int k = 0; k < 7; ++k) {
        const FoundValue v = FindParameterValue(c.data, 'H', '1', static_cast<uint16_t>(k + 1));
        c.sim.inputFunctions[static_cast<size_t>(k)] =
            v.found ? static_cast<int>(RoundWhole(v.value)) : -1;
        inputs[static_cast<size_t>(k)]->hint = v.found ? c.data.currentSettingText : "";
    }
    if (c.form.TerminalVersion.checked) c.form.S7.hint = "Click here to connect/disconnect";
    for (int k = 0; k < 3; ++k) {
        const FoundValue v = FindParameterValue(c.data, 'H', '2', static_cast<uint16_t>(k + 1));
        c.sim.outputFunctions[static_cast<size_t>(k)] =
            v.found ? static_cast<int>(RoundWhole(v.value)) : -1;
    }
}

void DecodeInputs(DriveContext& c) {
    DriveSimulation& m = c.sim;
    m.inputSignals = m.inputSignals2 = m.conditionBits = 0;
    for (int k = 0; k < 7; ++k) {
        if (!IsMultiFunctionTerminal(c, k)) continue;
        DecodeInput(On(c, k), m.inputFunctions[static_cast<size_t>(k)], k + 1, m.inputSignals,
                    m.inputSignals2);
    }
}

float MonitorPercent(DriveContext& c, long n) {
    const std::string hundreds = std::to_string(n / 100);
    const char groupDigit = hundreds.empty() ? '0' : hundreds[0];
    const auto number = static_cast<uint16_t>(std::abs(n % 100));
    const MonitorValue mv = FindMonitorValue(c.data, 'U', groupDigit, number);
    if (!mv.found) return 0;
    float fullScale = mv.maximum;
    if (groupDigit == '1' && (number == 1 || number == 2))
        fullScale = ReadOr(c.data, "E1-04", fullScale);
    if (groupDigit == '1' && number == 6) fullScale = ReadOr(c.data, "E1-05", fullScale);
    if (fullScale == 0) return 0;
    return Finite(mv.value / static_cast<double>(fullScale) * 100.0);
}

void UpdateTerminalOutputs(DriveContext& c) {
    DriveState& s = c.data.state;
    DriveSimulation& m = c.sim;
    auto inputs = c.form.Inputs();

    s.terminalInputBits = 0;
    for (int k = 0; k < 7; ++k)
        if (inputs[static_cast<size_t>(k)]->on)
            s.terminalInputBits |= static_cast<uint16_t>(1 << k);

    const FoundValue l402 = Read(c.data, "L4-02");
    if (l402.found) m.agreeWidth = l402.value;

    UpdateOutputTimers(c);

    OutputConditions in;
    in.outputFrequency = s.outputFrequency;
    in.frequencyReference = s.frequencyReference;
    in.running = s.runningForward || s.runningReverse;
    in.minimumFrequency = m.minimumFrequency;
    in.agreeWidth = m.agreeWidth;
    in.lower = std::max(0.0f, std::fabs(s.outputFrequency) - m.agreeWidth);
    in.upper = std::fabs(s.outputFrequency) + m.agreeWidth;
    const FoundValue l401 = Read(c.data, "L4-01"), l403 = Read(c.data, "L4-03"),
                     l404 = Read(c.data, "L4-04"), e109 = Read(c.data, "E1-09");
    in.l401Found = l401.found, in.l401 = l401.value;
    in.l403Found = l403.found, in.l403 = l403.value;
    in.l404Found = l404.found, in.l404 = l404.value;
    in.e109Found = e109.found, in.e109 = e109.value;
    in.driveReadyLed = c.form.DRVLED.lit;
    in.localLed = c.form.LOCAL_REMOTE_LED.lit;
    in.reverseLed = c.form.REVLED.lit;
    in.faultLatched = s.faultLatched;
    in.alarmActive = s.alarmActive;
    in.errorIndex = s.errorIndex;
    in.torque1Lasting = m.torqueTimers[0].done;
    in.torque2Lasting = m.torqueTimers[2].done;
    in.timerOutput = m.timerOutput;
    for (int k = 0; k < 7; ++k)
        if (IsMultiFunctionTerminal(c, k) &&
            m.inputFunctions[static_cast<size_t>(k)] == kDriveEnableInput && On(c, k))
            in.driveEnable = true;

    s.terminalOutputBits = 0;
    static constexpr uint16_t kBits[3] = {1, 2, 4};
    for (int k = 0; k < 3; ++k)
        if (EvaluateOutput(m.outputFunctions[static_cast<size_t>(k)], in))
            s.terminalOutputBits |= kBits[k];

    c.form.MA.lit = (s.terminalOutputBits & 1) != 0;
    c.form.MB.lit = !c.form.MA.lit;
    c.form.P1.lit = (s.terminalOutputBits & 2) != 0;
    c.form.P2.lit = (s.terminalOutputBits & 4) != 0;

    const FoundValue h401 = Read(c.data, "H4-01");
    if (h401.found) {
        const double volts = MonitorPercent(c, RoundWhole(h401.value)) * 10.0 / 100.0;
        const FoundValue h402 = Read(c.data, "H4-02"), h403 = Read(c.data, "H4-03");
        if (h402.found && h403.found)
            c.form.AMOUTPUT.value = Finite(volts * h402.value / 100.0 + h403.value);
    }
    const FoundValue h606 = Read(c.data, "H6-06"), h607 = Read(c.data, "H6-07");
    c.form.MPOUTPUT.value =
        h606.found && h607.found
            ? Finite(MonitorPercent(c, RoundWhole(h606.value)) * h607.value / 100.0)
            : 0;
}

}  // namespace qd
