// Drives the simulator's clock from wall time: a precise Qt timer advances it
// to the elapsed time, so every timer fires at its interval; a late tick is not
// made up (the clock drops it). The pump keeps running inside nested modal
// loops, which the clock allows.
//
// Given the time the next simulator timer falls due, the pump sleeps until
// then instead of waking at a fixed period: it wakes only when there is a tick
// to run, and runs it on time. `maxSleepMs` bounds the sleep, so a timer
// enabled from outside a pump step is late by at most that much.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "app/Clock.h"

namespace qd::qt {

class RealTimePump : public QObject {
public:
    // `nextDue` answers the clock time of the next due timer, or nothing when
    // none is enabled; without it the pump wakes every `maxSleepMs`.
    RealTimePump(Clock& clock, std::function<void()> afterAdvance,
                 std::function<std::optional<int64_t>()> nextDue = {}, int maxSleepMs = 5);
    void Start();
    void Stop();
    bool Running() const { return timer_.isActive(); }
    // One step: the clock moves to the wall time elapsed since Start.
    void Pump();
    // Plans the next wake-up again, after something outside a step enabled a timer.
    void Reschedule();
    int Steps() const { return steps_; }

private:
    Clock& clock_;
    std::function<void()> after_;
    std::function<std::optional<int64_t>()> nextDue_;
    int maxSleep_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    int64_t base_ = 0;
    int steps_ = 0;
    bool running_ = false;
};

}  // namespace qd::qt
