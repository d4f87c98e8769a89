// The keypad model: menu state, selectors, the verify list and the edit field.
#pragma once

#include <array>
#include <cstdint>

namespace qd {

// Menu states; 0 to 5, 10 and 13 are the drive mode.
enum MenuState : int {
    FrequencyReferenceMode = 0,
    DirectionMode = 1,
    OutputFrequencyMode = 2,
    OutputCurrentMode = 3,
    OutputVoltageMode = 4,
    MonitorMode = 5,
    VerifyMode = 6,
    SetupMode = 7,
    ParameterMode = 8,
    AutoTuningMode = 9,
    MonitorSelect = 10,
    ParameterSelect = 11,
    ParameterEdit = 12,
    MonitorView = 13,
    VerifySelect = 14,
    VerifyEdit = 15,
    ReferenceEdit = 25,
    DirectionEdit = 26,
};

// Whether a state code is one the operator can be in.
bool IsValidMenuState(int state);

struct OperatorPanel {
    int state = FrequencyReferenceMode;
    float editValue = 0;
    int digitCursor = 0;
    bool keyLock = false;
    int verifyCount = 0;
};

}  // namespace qd
