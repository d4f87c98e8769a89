#include "app/Link.h"

namespace qd {

void ClickLink(const Link& link, DesktopShell& shell, const std::function<void()>& onClick) {
    if (!link.target.empty()) {
        shell.Open(link.target);
        return;
    }
    if (onClick) onClick();
}

}  // namespace qd
