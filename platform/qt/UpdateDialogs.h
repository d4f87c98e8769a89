// The desktop views of the program setup, proxy and first-run update windows.
#pragma once

#include "app/SimForm.h"
#include "platform/qt/QtPlatform.h"

namespace qd::qt {

// Puts the views of these windows into the window system by name.
void RegisterUpdateDialogs(QtWindowSystem& windows, TSimForm& form);

}  // namespace qd::qt
