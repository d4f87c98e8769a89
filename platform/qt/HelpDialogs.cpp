#include "platform/qt/HelpDialogs.h"

namespace qd::qt {

void RegisterHelpDialogs(QtWindowSystem&, TSimForm&) {}

}  // namespace qd::qt
