// Message boxes, as the simulator shows them. The desktop build shows real
// boxes; the headless build writes them as output lines and answers at once.
#pragma once

#include <string>

namespace qd {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Information(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
    virtual void Warning(const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
};

}  // namespace qd
