// The drive and motor model's own state beyond the shared drive variables.
// Everything starts at 0 or false unless given here.
#pragma once

#include <array>
#include <cstdint>

namespace qd {

// Bits of inputSignals.
namespace signal {
constexpr uint32_t kThreeWire = 1u << 0;
constexpr uint32_t kMultiStep1 = 1u << 2;
constexpr uint32_t kMultiStep2 = 1u << 3;
constexpr uint32_t kMultiStep3 = 1u << 4;
constexpr uint32_t kAccelTime1 = 1u << 5;
constexpr uint32_t kBaseblock = 1u << 6;  // external baseblock N.O. / emergency stop N.C.
constexpr uint32_t kBaseblockNc = 1u << 7;
constexpr uint32_t kOh2 = 1u << 8;
constexpr uint32_t kForwardJog = 1u << 12;
constexpr uint32_t kReverseJog = 1u << 13;
constexpr uint32_t kFaultReset = 1u << 14;
constexpr uint32_t kEmergencyStop = 1u << 15;
constexpr uint32_t kPidDisable = 1u << 17;
constexpr uint32_t kAccelTime2 = 1u << 18;
constexpr uint32_t kMultiStep4 = 1u << 24;
}  // namespace signal

// Bits of inputSignals2; the external faults sit at 2k+6 and 2k+7 for terminal k.
namespace signal2 {
constexpr uint32_t kJog = 1u << 3;
constexpr uint32_t kRampHold = 1u << 4;
constexpr uint32_t ExternalFault(int terminal, bool second) {
    return 1u << (2 * terminal + 6 + (second ? 1 : 0));
}
}  // namespace signal2

// Bits of conditionBits.
constexpr uint32_t kForwardReverseConflict = 1u << 0;

// One delay of the output functions: counting, elapsed seconds, its time, elapsed.
struct DelayCounter {
    bool counting = false;
    float elapsed = 0;
    float time = 0;
    bool done = false;

    void Clear() { *this = DelayCounter{}; }
};

struct DriveSimulation {
    // Ramp.
    bool runFlashing = false;
    double rampTarget = 0;
    double outputSnapshot = 0;
    float accelStep = 0;
    float decelStep = 0;
    uint16_t accelTimeSet = 0;
    float maximumFrequency = 0;
    float minimumFrequency = 0;
    uint32_t runCommandCount = 0;
    bool runEdge = false;

    // Sources.
    int runSourceCode = 0;
    float pulseInputLevel = 0;
    float a1Function = 0, a1Gain = 100, a1Bias = 0;
    float a2Function = 0, a2Gain = 100, a2Bias = 0;
    float pulseInputScale = 1000;
    int pidMode = 0;
    bool pidActive = false;
    float pidSetpoint = 0, pidFeedback = 0, pidDeviation = 0;
    float pidIntegralTerm = 0, pidDerivativeTerm = 0, pidOutput = 0;
    float pidGain = 1, pidIntegralTime = 1, pidDerivativeTime = 0;

    // Terminals: index 0 is S1 / MA.
    std::array<int, 7> inputFunctions{-1, -1, -1, -1, -1, -1, -1};
    std::array<int, 3> outputFunctions{-1, -1, -1};
    uint32_t inputSignals = 0;
    uint32_t inputSignals2 = 0;
    uint32_t conditionBits = 0;
    float agreeWidth = 0;

    // Output timers: torque detection 1 N.O., 1 N.C., 2 N.O., 2 N.C.; the timer function.
    std::array<DelayCounter, 4> torqueTimers{};
    DelayCounter onDelay;
    DelayCounter offDelay;
    bool timerOutput = false;

    // Motor overload.
    float ratedCurrent = 0;
    float overloadIncrement = 0;
    float overloadDecrement = 0;
    float overloadEstimate = 0;

    // Faults and alarms.
    uint16_t selectedAlarm = 0;
    bool alarmButtonHeld = false;

    // Operation-error inputs read late in the cycle (0 when not found).
    float o204 = 0;                // O2-04, the model code the drive was set to
    uint32_t randomState = 12345;  // U1-07 noise
};

}  // namespace qd
