// What the keypad model works on: the window's controls, the drive data, the
// panel and display models, and the drive model it is coupled with.
#pragma once

#include "core/DriveData.h"
#include "core/FormControls.h"
#include "core/MessageBoxes.h"
#include "drive/DriveSimulation.h"
#include "operator/OperatorPanel.h"
#include "operator/SegmentDisplay.h"

namespace qd {

struct OperatorContext {
    FormControls& form;
    DriveData& data;
    OperatorPanel& panel;
    SegmentDisplay& display;
    DriveSimulation& sim;
    MessageBoxes& messages;
};

// The operator's part of showing the main window: the group letters, preset 0,
// the first group selected and the verify list. False when no group is offered.
bool PrepareOperatorAtStartup(OperatorContext& c);

}  // namespace qd
