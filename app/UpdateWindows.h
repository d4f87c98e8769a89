// The windows of the update check: program setup, proxy settings and the
// first-run automatic-update question, as plain objects.
#pragma once

namespace qd {

struct UpdateWindows {};

}  // namespace qd
