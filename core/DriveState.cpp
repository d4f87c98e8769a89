#include "core/DriveState.h"

namespace qd {

void InitialiseSimulationState(DriveState& s) {
    s.frequencyReference = 0;
    s.outputFrequency = 0;
    s.motorFrequency = 0;
    s.outputCurrent = 0;
    s.outputVoltage = 0;
    s.outputTorque = 0;
    s.runningForward = false;
    s.runningReverse = false;
    s.reverseSelected = false;
    s.localMode = false;
    s.referenceFromOperator = false;
    s.runFromOperator = false;
    s.terminalInputBits = 0;
    s.terminalOutputBits = 0;
    s.statusBits = 0;
    s.analogInputA1 = 0;
    s.analogInputA2 = 0;
    s.faultLatched = false;
    s.faultShown = false;
    s.alarmActive = false;
    s.alarmShowRequest = false;
    s.errorIndex = 0;
    s.errorState = 0;
    s.runBlocked = false;
    s.lastInitialisation = 2220;
    for (auto& c : s.faultCounts) c = 0;
}

std::string ProgramFolderFromPath(const std::string& programPath) {
    std::string folder = programPath;
    const auto slash = folder.find_last_of("/\\");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    if (folder.size() > 80) folder.resize(80);
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\') && folder.size() > 1)
        folder.pop_back();
    return folder;
}

void InitialiseDriveState(DriveState& s, const std::string& programPath) {
    s.activeColumn = 1;
    s.accessLevel = 4;
    s.variantNumber = 0;
    s.driveModelCode = 97;
    s.frequencyUnitText = "Hz";
    s.programFolder = ProgramFolderFromPath(programPath);
    s.parameterCount = 0;
    s.monitorCount = 0;
    s.listNumber = 0;
}

}  // namespace qd
