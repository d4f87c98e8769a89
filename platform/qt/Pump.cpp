#include "platform/qt/Pump.h"

#include <algorithm>

namespace qd::qt {

RealTimePump::RealTimePump(Clock& clock, std::function<void()> afterAdvance,
                           std::function<std::optional<int64_t>()> nextDue, int maxSleepMs)
    : clock_(clock),
      after_(std::move(afterAdvance)),
      nextDue_(std::move(nextDue)),
      maxSleep_(std::max(1, maxSleepMs)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Pump(); });
}

void RealTimePump::Start() {
    base_ = clock_.Now();
    elapsed_.start();
    running_ = true;
    Reschedule();
}

void RealTimePump::Stop() {
    running_ = false;
    timer_.stop();
}

void RealTimePump::Reschedule() {
    if (!running_) return;
    int sleep = maxSleep_;
    if (nextDue_) {
        if (const std::optional<int64_t> due = nextDue_()) {
            const int64_t wall = base_ + elapsed_.elapsed();
            // At least 1 ms: a halted clock leaves its timers due in the past.
            sleep = static_cast<int>(std::clamp<int64_t>(*due - wall, 1, maxSleep_));
        }
    }
    timer_.start(sleep);
}

void RealTimePump::Pump() {
    if (!elapsed_.isValid()) return;
    ++steps_;
    // A handler that opens a modal box re-enters here from the nested loop, so
    // the next wake-up must be set before the clock moves.
    if (running_) timer_.start(maxSleep_);
    clock_.AdvanceTo(base_ + elapsed_.elapsed());
    if (after_) after_();
    Reschedule();
}

}  // namespace qd::qt
