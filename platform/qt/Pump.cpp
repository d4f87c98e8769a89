#include "platform/qt/Pump.h"

namespace qd::qt {

RealTimePump::RealTimePump(Clock& clock, std::function<void()> afterAdvance, int periodMs)
    : clock_(clock), after_(std::move(afterAdvance)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(periodMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Pump(); });
}

void RealTimePump::Start() {
    base_ = clock_.Now();
    elapsed_.start();
    timer_.start();
}

void RealTimePump::Stop() {
    timer_.stop();
}

void RealTimePump::Pump() {
    if (!elapsed_.isValid()) return;
    // A handler that opens a modal box re-enters here from the nested loop.
    clock_.AdvanceTo(base_ + elapsed_.elapsed());
    if (after_) after_();
}

}  // namespace qd::qt
