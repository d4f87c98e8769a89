// Opening documents and addresses with the desktop's programs, and the help.
#pragma once

#include <QString>
#include <string>

#include "app/Platform.h"

namespace qd::qt {

class QtDesktopShell : public DesktopShell {
public:
    bool Open(const std::string& documentOrUrl) override;
    bool IsPdfHandlerRegistered() override;
    bool IsHelpViewerAvailable() override { return false; }
    bool ShowHelp(const std::string&, const std::string&) override { return false; }
};

}  // namespace qd::qt
