#include <gtest/gtest.h>

#include "drive/OutputTimers.h"
#include "drive/Ramp.h"

namespace qd {
namespace {

struct StepCase {
    bool found;
    float time;
    float maximum;
    float expected;
};

TEST(StepSize, FollowsFiftyTicksPerSecondWithFallbacks) {
    const StepCase cases[] = {
        {true, 10.0f, 60.0f, 0.12f},     // the ramp example
        {true, 0.0f, 60.0f, 120.0f},     // no time: one tick
        {true, -1.0f, 60.0f, 120.0f},    // negative counts as none
        {false, 10.0f, 60.0f, 1.0f},     // missing parameter
        {true, 2500.0f, 60.0f, 0.0f},    // longer than 40 x E1-04: rounds to 0
        {true, 2000.0f, 60.0f, 0.001f},  // the longest time that still moves
        {true, 3.0f, 50.0f, 0.333f},     // rounded to 3 decimals
        {true, 10.0f, 0.0f, 0.0f},       // zero full scale stays finite
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "T=" << c.time << " max=" << c.maximum);
        EXPECT_FLOAT_EQ(StepSize(FoundValue{c.found, c.time}, c.maximum), c.expected);
    }
}

// The timer function's delays, stepped as the control cycle (every 10 ms) and
// DelayTimer (every 100 ms) would.
class TimerFunction : public testing::Test {
protected:
    DriveSimulation m;
    bool output = false;
    void Cycles(bool input, int tenthsOfSecond) {
        for (int i = 0; i < tenthsOfSecond; ++i) {
            for (int k = 0; k < 10; ++k) output = StepTimerFunction(m, input, 0.5f, 1.0f);
            AdvanceOutputTimers(m);
        }
        output = StepTimerFunction(m, input, 0.5f, 1.0f);
    }
};

TEST_F(TimerFunction, OnDelayThenOffDelayHoldsTheOutput) {
    Cycles(true, 4);
    EXPECT_FALSE(output) << "0.4 s is before the on-delay";
    Cycles(true, 1);
    EXPECT_TRUE(output) << "on at 0.5 s";
    Cycles(false, 9);
    EXPECT_TRUE(output) << "the off-delay of 1.0 s keeps it on";
    Cycles(false, 1);
    EXPECT_FALSE(output) << "off once the off-delay has run";
    Cycles(true, 4);
    EXPECT_FALSE(output) << "the next ON starts the on-delay afresh";
}

TEST_F(TimerFunction, OnDuringTheOffDelayCancelsIt) {
    Cycles(true, 5);
    Cycles(false, 6);
    Cycles(true, 1);
    EXPECT_TRUE(output);
    Cycles(false, 9);
    EXPECT_TRUE(output) << "the off-delay started again from the new OFF";
    Cycles(false, 1);
    EXPECT_FALSE(output);
}

TEST_F(TimerFunction, ShortPulseNeverReachesTheOutput) {
    Cycles(true, 3);
    Cycles(false, 1);
    EXPECT_FALSE(output);
    Cycles(true, 3);
    EXPECT_FALSE(output) << "the on-delay restarted after the pulse";
}

}  // namespace
}  // namespace qd
