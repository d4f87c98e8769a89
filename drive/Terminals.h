// The terminal board: decoding the digital inputs per H1, evaluating the
// outputs per H2, the AM and MP outputs and the terminal hints.
#pragma once

#include <cstdint>

#include "drive/DriveContext.h"

namespace qd {

// Sets the signal of one input's setting when the terminal calls for it;
// `terminal` is 1..7. Nothing is ever cleared here.
void DecodeInput(bool on, int setting, int terminal, uint32_t& inputSignals,
                 uint32_t& inputSignals2);

// What the output conditions are judged on, gathered once per cycle.
struct OutputConditions {
    float outputFrequency = 0;  // signed; the conditions use magnitudes
    float frequencyReference = 0;
    bool running = false;
    float minimumFrequency = 0;
    float agreeWidth = 0;
    float lower = 0, upper = 0;  // speed-agreement window around the output
    bool l401Found = false, l403Found = false, l404Found = false, e109Found = false;
    float l401 = 0, l403 = 0, l404 = 0, e109 = 0;
    bool driveReadyLed = false, localLed = false, reverseLed = false;
    bool faultLatched = false, alarmActive = false;
    int errorIndex = 0;
    bool torque1Lasting = false, torque2Lasting = false;
    bool timerOutput = false;
    bool driveEnable = false;
};

// Whether an output with this stored H2 setting is ON.
bool EvaluateOutput(int setting, const OutputConditions& in);

// ControlCycle step 6: H1 and H2 into the function tables, with the hints.
void ReadTerminalFunctions(DriveContext& c);

// ControlCycle step 17: the signal words rebuilt from the inputs.
void DecodeInputs(DriveContext& c);

// ControlCycle step 23: input bits, outputs MA/MB/P1/P2, AM and MP.
void UpdateTerminalOutputs(DriveContext& c);

// A monitor as a percentage of its full scale; n as H4-01 stores it (102 = U1-02).
float MonitorPercent(DriveContext& c, long n);

// The hardwire baseblock (safety) input is open.
bool HardwireBaseblockOpen(const DriveContext& c);

// The baseblock signal of the multi-function inputs (08 ON, 17 OFF, 09 OFF).
bool InputBaseblock(const DriveContext& c);

}  // namespace qd
