#include "app/Clock.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace qd {
namespace {

// Three timers in table order, each logging "name@time" when it fires.
struct ClockFixture : ::testing::Test {
    Timer a{"a", 10, false};
    Timer b{"b", 20, false};
    Timer c{"c", 5, false};
    Clock clock{{&a, &b, &c}};
    std::vector<std::string> log;

    void SetUp() override {
        for (Timer* t : {&a, &b, &c})
            t->onTimer = [this, t] { log.push_back(t->name + "@" + std::to_string(clock.Now())); };
    }
};

TEST_F(ClockFixture, FiresInDueOrderAndTableOrderOnTies) {
    a.SetEnabled(true);
    b.SetEnabled(true);
    c.SetEnabled(true);
    clock.Advance(20);
    EXPECT_EQ(log,
              (std::vector<std::string>{"c@5", "a@10", "c@10", "c@15", "a@20", "b@20", "c@20"}));
    EXPECT_EQ(clock.Now(), 20);
}

TEST_F(ClockFixture, ReenablingRestartsTheCountdownButEnablingTwiceDoesNot) {
    a.SetEnabled(true);
    clock.Advance(7);
    a.SetEnabled(true);  // already enabled: still due at 10
    clock.Advance(3);
    ASSERT_EQ(log, (std::vector<std::string>{"a@10"}));
    clock.Advance(4);
    a.SetEnabled(false);
    a.SetEnabled(true);  // restarted at 14: next at 24, not 20
    clock.Advance(9);
    EXPECT_EQ(log.size(), 1u);
    clock.Advance(1);
    EXPECT_EQ(log.back(), "a@24");
}

TEST_F(ClockFixture, ATimerDisabledByAnEarlierHandlerDoesNotFire) {
    a.SetEnabled(true);
    b.SetEnabled(true);
    b.SetInterval(10);
    a.onTimer = [this] {
        log.push_back("a");
        b.SetEnabled(false);
    };
    clock.Advance(10);
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));
}

TEST_F(ClockFixture, ANestedLoopKeepsOtherTimersRunningButNotTheBusyOne) {
    a.SetEnabled(true);
    c.SetEnabled(true);
    bool nested = false;
    a.onTimer = [&] {
        log.push_back("a@" + std::to_string(clock.Now()));
        if (!nested) {
            nested = true;
            clock.Advance(30);  // a modal box open for 30 ms
        }
    };
    clock.Advance(10);
    // While a's handler runs, c keeps firing and a does not fire again.
    EXPECT_EQ(log.front(), "c@5");
    EXPECT_EQ(log[1], "a@10");
    EXPECT_EQ(std::count(log.begin(), log.end(), std::string("a@20")), 0);
    EXPECT_EQ(log.back(), "c@40");
    // The ticks a missed while it was busy are not made up: one late tick, then
    // back on its interval.
    log.clear();
    clock.Advance(10);
    std::vector<std::string> ofA;
    for (const std::string& s : log)
        if (s[0] == 'a') ofA.push_back(s);
    EXPECT_EQ(ofA, (std::vector<std::string>{"a@40", "a@50"}));
}

TEST_F(ClockFixture, AHaltedClockFiresNothing) {
    bool halted = false;
    clock.halted = [&] { return halted; };
    a.SetEnabled(true);
    a.onTimer = [&] {
        log.push_back("a");
        halted = true;
    };
    clock.Advance(100);
    EXPECT_EQ(log.size(), 1u);
}

}  // namespace
}  // namespace qd
