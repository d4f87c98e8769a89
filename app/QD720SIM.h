// Program start-up: the catalogues before any window, the splash, the windows
// in their creation order, then the main window is shown.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Platform.h"
#include "app/SimForm.h"

namespace qd {

struct Program {
    std::string title;
    std::string helpFile;
    std::unique_ptr<TSimForm> form;
    std::vector<std::string> createdWindows;  // in creation order, TSimForm first
};

using DriveDataInitialiser = void (*)(DriveData&, const std::string& programPath);

// Runs the start-up up to and including FormShow. On a bad catalogue row the
// fatal stop is told and the result has no form. Tests may pass their own
// catalogue initialisation. `beforeShow` runs once the windows exist, just
// before FormShow: the desktop build shows its window and starts its clock
// there, so the timers run in real time while the first-run questions are open.
Program StartProgram(Platform& platform, const std::string& programPath,
                     DriveDataInitialiser initialise = InitialiseDriveData,
                     const std::function<void(TSimForm&)>& beforeShow = {});

}  // namespace qd
