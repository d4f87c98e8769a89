// The clock that fires the main window's timers. The headless build advances it
// exactly when told; the desktop build advances it from a monotonic clock. It is
// re-entrant: a handler that runs a nested modal loop may advance it again, and
// the timers other than the one whose handler is running keep firing.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/Controls.h"

namespace qd {

class Clock : public TimeSource {
public:
    explicit Clock(std::vector<Timer*> table);

    int64_t Now() const override { return now_; }

    // Moves the time to `target`, firing every timer that falls due on the way
    // (those due exactly at `target` included), in due order and, on a tie, in
    // table order. A tick that fell more than one interval behind is not made up.
    void AdvanceTo(int64_t target);
    void Advance(int64_t ms) { AdvanceTo(now_ + ms); }

    // When set and true, no further timer fires (the program has stopped).
    std::function<bool()> halted;

private:
    bool Halted() const { return halted && halted(); }
    int64_t now_ = 0;
    std::vector<Timer*> table_;
};

}  // namespace qd
