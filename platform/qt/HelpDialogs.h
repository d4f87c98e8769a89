// The desktop views of the information, revision-history and about windows.
#pragma once

#include "app/SimForm.h"
#include "platform/qt/QtPlatform.h"

namespace qd::qt {

// Puts the views of these windows into the window system by name.
void RegisterHelpDialogs(QtWindowSystem& windows, TSimForm& form);

}  // namespace qd::qt
