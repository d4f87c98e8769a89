// What the drive model works on: the window's controls, the drive data and its
// own state.
#pragma once

#include "core/DriveData.h"
#include "core/FormControls.h"
#include "core/MessageBoxes.h"
#include "drive/DriveSimulation.h"

namespace qd {

struct DriveContext {
    FormControls& form;
    DriveData& data;
    DriveSimulation& sim;
    MessageBoxes& messages;
    // The operator's menu state, which a latched fault sends to the
    // frequency-reference display; null where no operator is attached.
    int* menuState = nullptr;
};

}  // namespace qd
