#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "drive/Terminals.h"

namespace qd {
namespace {

struct DecodeCase {
    int setting;
    bool on;
    int terminal;
    uint32_t signals;
    uint32_t signals2;
};

TEST(DecodeInput, SetsTheSignalOfEachSetting) {
    const DecodeCase cases[] = {
        {0x00, true, 1, signal::kThreeWire, 0},
        {0x03, true, 5, signal::kMultiStep1, 0},
        {0x05, true, 5, signal::kMultiStep3, 0},
        {0x32, true, 5, signal::kMultiStep4, 0},
        {0x06, true, 7, 0, signal2::kJog},
        {0x1A, true, 2, signal::kAccelTime2, 0},
        {0x08, true, 5, signal::kBaseblock, 0},
        {0x08, false, 5, 0, 0},
        {0x17, false, 5, signal::kBaseblock, 0},  // N.C.: set when open
        {0x17, true, 5, 0, 0},
        {0x09, false, 5, signal::kBaseblockNc, 0},
        {0x0A, true, 3, 0, signal2::kRampHold},
        {0x14, true, 4, signal::kFaultReset, 0},
        {0x15, true, 4, signal::kEmergencyStop, 0},
        {0x20, true, 3, 0, 1u << 12},  // S3 first external-fault bit
        {0x21, true, 3, 0, 1u << 13},  // odd settings: the second bit
        {0x2F, true, 7, 0, 1u << 21},
        {0x2E, false, 7, 0, 0},
        {0x40, true, 1, 0, 0},  // run commands are read directly
        {-1, true, 1, 0, 0},    // parameter not found
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "setting 0x" << std::hex << c.setting << " on=" << c.on);
        uint32_t s1 = 0, s2 = 0;
        DecodeInput(c.on, c.setting, c.terminal, s1, s2);
        EXPECT_EQ(s1, c.signals);
        EXPECT_EQ(s2, c.signals2);
    }
}

TEST(DecodeInput, NeverClearsWhatAnotherTerminalSet) {
    uint32_t s1 = signal::kFaultReset, s2 = signal2::kJog;
    DecodeInput(false, 0x14, 2, s1, s2);
    DecodeInput(true, 0x0A, 3, s1, s2);
    EXPECT_EQ(s1, signal::kFaultReset);
    EXPECT_EQ(s2, signal2::kJog | signal2::kRampHold);
}

OutputConditions Running(float fout, float fref) {
    OutputConditions in;
    in.outputFrequency = fout;
    in.frequencyReference = fref;
    in.running = true;
    in.minimumFrequency = 1.5f;
    in.agreeWidth = 2.0f;
    in.lower = std::max(0.0f, std::fabs(fout) - 2.0f);
    in.upper = std::fabs(fout) + 2.0f;
    in.l401Found = in.l403Found = in.l404Found = in.e109Found = true;
    in.l401 = 30, in.l403 = 30, in.l404 = 2, in.e109 = 1.5f;
    return in;
}

struct OutputCase {
    const char* what;
    int setting;
    OutputConditions in;
    bool expected;
};

TEST(EvaluateOutput, JudgesEachSetting) {
    OutputConditions stopped = Running(0, 30);
    stopped.running = false;
    OutputConditions noL401 = Running(30, 30);
    noL401.l401Found = false;
    OutputConditions torque = Running(30, 30);
    torque.torque1Lasting = true;
    OutputConditions faulted = Running(0, 0);
    faulted.faultLatched = true;
    faulted.errorIndex = 11;
    OutputConditions local = Running(0, 0);
    local.localLed = true;

    const OutputCase cases[] = {
        {"during run, running", 0x00, Running(30, 30), true},
        {"during run, stopped", 0x00, stopped, false},
        {"zero speed below E1-09", 0x01, Running(1.0f, 30), true},
        {"zero speed at E1-09", 0x01, Running(1.5f, 30), false},
        {"speed agree inside window", 0x02, Running(28.5f, 30), true},
        {"speed agree outside window", 0x02, Running(27.9f, 30), false},
        {"speed agree needs a run", 0x02, stopped, false},
        {"user speed agree", 0x03, Running(29, 31), true},
        {"user speed agree, ref outside", 0x03, Running(29, 33), false},
        {"user speed agree without L4-01", 0x03, noL401, false},
        {"fout detection 1", 0x04, Running(28, 30), true},
        {"fout detection 2", 0x05, Running(32, 30), true},
        {"fout detection 2 below", 0x05, Running(31.9f, 30), false},
        {"torque 1 N.O.", 0x0B, torque, true},
        {"torque 1 N.C.", 0x17, torque, false},
        {"torque 1 N.C. idle", 0x17, Running(30, 30), true},
        {"fault", 0x0E, faulted, true},
        {"oL1", 0x1F, faulted, true},
        {"fref/fout agree 2", 0x13, Running(29, 30), true},
        {"fref/fout agree 2 off", 0x13, Running(27.5f, 30), false},
        {"frequency detection 3", 0x15, Running(31, 30), true},
        {"frequency detection 4", 0x16, Running(29, 30), true},
        {"during run 2 reverse", 0x37, Running(-30, 30), true},
        {"during run 2 below E1-09", 0x37, Running(1.0f, 30), false},
        {"local", 0x0A, local, true},
        {"drive mode", 0x3C, local, false},
        {"inverted settings stay off", 0x100, Running(30, 30), false},
        {"not found", -1, Running(30, 30), false},
    };
    for (const OutputCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EvaluateOutput(c.setting, c.in), c.expected);
    }
}

}  // namespace
}  // namespace qd
