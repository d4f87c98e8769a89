#include "core/DriveData.h"

#include "core/SettingTexts.h"

namespace qd {

void InitialiseDriveData(DriveData& d, const std::string& programPath) {
    InitialiseSimulationState(d.state);
    InitialiseDriveState(d.state, programPath);
    d.state.lastListNumber = 0;
    d.state.lastMonitorListNumber = 0;
    ComputeDefaultTable(d.defaults, d.state);
    BuildParameterCatalogue(d, 0);
    ClearSettingTexts(d, 0);
    AttachAllSettingTexts(d);
    BuildMonitorCatalogue(d, 0);
}

void ReinitialiseDriveData(DriveData& d, uint16_t initialisationCode) {
    d.state.lastInitialisation = initialisationCode;
    ComputeDefaultTable(d.defaults, d.state);
    BuildParameterCatalogue(d, 1);
    ClearSettingTexts(d, 1);
    BuildMonitorCatalogue(d, 1);
    RebuildSettingTexts(d);
}

}  // namespace qd
