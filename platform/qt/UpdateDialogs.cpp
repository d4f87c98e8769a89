#include "platform/qt/UpdateDialogs.h"

namespace qd::qt {

void RegisterUpdateDialogs(QtWindowSystem&, TSimForm&) {}

}  // namespace qd::qt
