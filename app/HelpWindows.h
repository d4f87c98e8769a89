// The windows around the help: simulator information, revision history and the
// about box, as plain objects.
#pragma once

namespace qd {

struct HelpWindows {};

}  // namespace qd
