// Everything the drive data subsystem owns: the state, the default table and
// the catalogues. One instance per simulator, so tests can build fresh ones.
#pragma once

#include <string>

#include "core/DefaultTable.h"
#include "core/DriveState.h"
#include "core/FaultCatalogue.h"
#include "core/MonitorCatalogue.h"
#include "core/ParameterCatalogue.h"

namespace qd {

struct DriveData {
    DriveState state;
    DefaultTable defaults;
    ParameterCatalogue parameters;
    MonitorCatalogue monitors;
    FaultCatalogue faults;
    std::string currentSettingText;  // set by FindParameterValue
};

// Start-up steps before any window: state, default table, parameter catalogue,
// setting texts, monitor catalogue. Throws FatalStopError on a bad row.
void InitialiseDriveData(DriveData& d, const std::string& programPath);

// Initialisation by the trainee (A1-03 = 2220 or 3330): recompute the defaults
// and rebuild the catalogues in mode 1, then the setting texts.
void ReinitialiseDriveData(DriveData& d, uint16_t initialisationCode);

}  // namespace qd
