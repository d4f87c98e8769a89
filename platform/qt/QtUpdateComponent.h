// The update component of the desktop build.
#pragma once

#include <QString>
#include <string>

#include "app/Platform.h"

namespace qd::qt {

// No network yet: the version and proxy are kept, a check finds nothing.
class QtUpdateComponent : public UpdateComponent {
public:
    void SetVersion(const std::string& v) override { version = v; }
    void SetProxy(const ProxySettings& p) override { proxy = p; }
    bool SilentCheck() override { return false; }
    void InteractiveCheck() override {}
    std::string version;
    ProxySettings proxy;
};

}  // namespace qd::qt
