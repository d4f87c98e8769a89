// The global state of the simulated drive (VARDRIVE): configuration, catalogue
// counters, run and output quantities, terminal images, fault and alarm flags.
#pragma once

#include <cstdint>
#include <string>

namespace qd {

struct DriveState {
    // Configuration.
    int activeColumn = 1;     // control-method column 1..4, switched by A1-02
    int accessLevel = 4;      // never changes
    int variantNumber = 0;    // never changes
    int driveModelCode = 97;  // 'a': the only model with a default table
    uint16_t lastInitialisation = 2220;
    std::string frequencyUnitText = "Hz";
    std::string programFolder;  // at most 80 characters, no trailing separator

    // Catalogue counters.
    int32_t parameterCount = 0;
    int32_t monitorCount = 0;
    int32_t faultCounts[4] = {0, 0, 0, 0};  // faults, alarms, operation errors, tuning errors
    uint16_t listNumber = 0;
    uint16_t lastListNumber = 0;
    uint16_t lastMonitorListNumber = 0;

    // Run and output quantities.
    float frequencyReference = 0;
    float outputFrequency = 0;
    float motorFrequency = 0;
    float outputCurrent = 0;
    float outputVoltage = 0;
    float outputTorque = 0;
    bool runningForward = false;
    bool runningReverse = false;
    bool reverseSelected = false;
    bool localMode = false;
    bool referenceFromOperator = false;
    bool runFromOperator = false;
    uint16_t terminalInputBits = 0;
    uint16_t terminalOutputBits = 0;
    uint16_t statusBits = 0;
    float analogInputA1 = 0;
    float analogInputA2 = 0;

    // Fault and alarm state.
    bool faultLatched = false;
    bool faultShown = false;
    bool alarmActive = false;
    bool alarmShowRequest = false;
    uint16_t errorIndex = 0;
    int32_t errorState = 0;
    bool runBlocked = false;
};

// Run, output, terminal, fault and alarm variables back to their start values;
// lastInitialisation to 2220 and the fault-list counters to 0.
void InitialiseSimulationState(DriveState& s);

// Configuration, catalogue counters and texts to their start values. Runs once.
void InitialiseDriveState(DriveState& s, const std::string& programPath);

// The folder part of a program path: cut after 80 characters, one trailing
// separator removed.
std::string ProgramFolderFromPath(const std::string& programPath);

}  // namespace qd
