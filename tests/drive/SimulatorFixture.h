// A whole simulator behind a recording platform, stepped 10 ms at a time. The
// drive's share of the display refresh runs after every step, so these tests do
// not depend on what the keypad's refresh draws.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/QD720SIM.h"
#include "core/ParameterCatalogue.h"
#include "drive/RefreshHooks.h"
#include "support/RecordingPlatform.h"

namespace qd {

class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.SeedReturningUser();
        Program program = StartProgram(platform.services, "/tmp/qd720/qd720sim");
        form = std::move(program.form);
        ASSERT_TRUE(form);
    }

    void Set(const char* code, float value) {
        ParameterCode p;
        ASSERT_TRUE(ParseParameterCode(code, p));
        ASSERT_TRUE(StoreParameterValue(*form->data, p.groupLetter, p.groupDigit, p.number, value))
            << code;
    }

    void Wait(int ms) {
        for (int t = 0; t < ms; t += 10) {
            form->clock.Advance(10);
            Refresh();
        }
    }

    void Refresh() {
        if (!form->MainPower.on) return;
        DriveContext c = form->Drive();
        RefreshMotorQuantities(c);
        CheckSelfRaisedFaults(c);
    }

    // Operator reference, two-wire forward run on S1, instant ramps.
    void RunAt(float hz) {
        Set("B1-01", 0);
        Set("D1-01", hz);
        Set("H1-01", 0x40);
        Set("C1-01", 0);
        Set("C1-02", 0);
        form->MainPower.on = true;
        form->S1.on = true;
        Wait(100);
    }

    DriveState& State() { return form->data->state; }

    qd::testing::RecordingPlatform platform;
    std::unique_ptr<TSimForm> form;
};

}  // namespace qd
