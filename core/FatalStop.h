// A bad catalogue row or a broken list stops the program with a message. The
// builders throw this; the shell hands the message to the fatal-stop service,
// which shows it and ends the program, so nothing after the bad row runs.
#pragma once

#include <stdexcept>
#include <string>

namespace qd {

class FatalStopError : public std::runtime_error {
public:
    explicit FatalStopError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace qd
