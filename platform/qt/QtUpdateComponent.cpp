#include "platform/qt/QtUpdateComponent.h"

namespace qd::qt {}  // namespace qd::qt
