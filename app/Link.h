// The hyperlink label: a click opens its target with the desktop's program, or
// runs the label's own click when it has no target.
#pragma once

#include <functional>

#include "app/Platform.h"
#include "core/Controls.h"

namespace qd {

inline constexpr const char* kLinkColor = "blue";
inline constexpr const char* kLinkHoverColor = "red";
inline constexpr const char* kPdfLinkHoverColor = "black";
inline constexpr int kLinkInitialWidth = 50;

// The outcome of the open request is not looked at: a desktop that cannot open
// the target simply shows nothing.
void ClickLink(const Link& link, DesktopShell& shell, const std::function<void()>& onClick);

}  // namespace qd
