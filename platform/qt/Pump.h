// Drives the simulator's clock from wall time: a precise Qt timer advances it
// to the elapsed time, so every timer fires at its interval; a late tick is not
// made up (the clock drops it). The pump keeps running inside nested modal
// loops, which the clock allows.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "app/Clock.h"

namespace qd::qt {

class RealTimePump : public QObject {
public:
    RealTimePump(Clock& clock, std::function<void()> afterAdvance, int periodMs = 5);
    void Start();
    void Stop();
    bool Running() const { return timer_.isActive(); }
    // One step: the clock moves to the wall time elapsed since Start.
    void Pump();

private:
    Clock& clock_;
    std::function<void()> after_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    int64_t base_ = 0;
};

}  // namespace qd::qt
