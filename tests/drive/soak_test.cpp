// An hour of virtual time with seeded random input, checking after every 10 ms
// that nothing the trainee can see is broken.
#include <cmath>
#include <random>

#include "SimulatorFixture.h"
#include "operator/OperatorPanel.h"

namespace qd {
namespace {

class SoakTest : public SimulatorTest {
protected:
    void CheckInvariants(int64_t t) {
        const DriveState& s = State();
        const DriveSimulation& m = form->sim;
        const float quantities[] = {s.outputFrequency, s.frequencyReference, s.motorFrequency,
                                    s.outputCurrent,   s.outputVoltage,      s.outputTorque,
                                    s.analogInputA1,   s.analogInputA2,      m.overloadEstimate,
                                    m.pidOutput,       m.pidSetpoint,        m.accelStep,
                                    m.decelStep,       m.maximumFrequency};
        for (float q : quantities) ASSERT_TRUE(std::isfinite(q)) << "t=" << t;
        ASSERT_TRUE(std::isfinite(form->AMOUTPUT.value) && std::isfinite(form->MPOUTPUT.value) &&
                    std::isfinite(form->RPM.value))
            << "t=" << t;
        ASSERT_LE(std::fabs(s.outputFrequency), 400.0f) << "t=" << t;
        ASSERT_TRUE(IsValidMenuState(form->panel.state)) << "t=" << t;
        for (const SevenSegmentChar* d : form->Digits()) ASSERT_LE(d->segments, 127) << "t=" << t;
    }
};

TEST_F(SoakTest, AnHourOfRandomUseKeepsEveryQuantitySane) {
    std::mt19937 rng(720);
    auto chance = [&rng](int perTenThousand) {
        return std::uniform_int_distribution<int>(0, 9999)(rng) < perTenThousand;
    };
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    void (TSimForm::*const keys[])() = {&TSimForm::EscKeyClick,   &TSimForm::LeftKeyClick,
                                        &TSimForm::EnterKeyClick, &TSimForm::UpKeyClick,
                                        &TSimForm::DownkeyClick,  &TSimForm::RunKeyClick,
                                        &TSimForm::StopKeyClick,  &TSimForm::LOREKEYClick};
    // Settings that steer the model into its corners: sources, times, limits.
    const std::pair<const char*, float> settings[] = {
        {"B1-01", 0},    {"B1-01", 1},    {"B1-01", 4},    {"B1-02", 0},    {"B1-02", 1},
        {"B1-04", 0},    {"C1-01", 0},    {"C1-01", 5},    {"C1-02", 0},    {"C1-02", 3},
        {"E1-04", 400},  {"E1-04", 60},   {"B5-01", 1},    {"B5-01", 0},    {"H3-10", 11},
        {"H3-10", 0},    {"E1-09", 0},    {"E1-09", 1.5f}, {"H1-03", 0x0A}, {"H1-03", 0x24},
        {"H1-05", 0x15}, {"H1-05", 0x03}, {"L1-01", 1},    {"B1-03", 1},    {"B1-03", 0},
        {"D1-01", 400},  {"D1-01", 30},   {"H6-07", 0}};

    form->MainPower.on = true;
    const int64_t kTicks = 60 * 60 * 100;
    for (int64_t t = 0; t < kTicks; ++t) {
        if (chance(2)) form->MainPower.on = !form->MainPower.on;
        if (chance(30)) form->Run([&] { (form.get()->*keys[pick(8)])(); });
        if (chance(40)) {
            Switch* s = form->Inputs()[static_cast<size_t>(pick(7))];
            s->on = !s->on;
        }
        if (chance(3)) form->BASEBLOCK_EXT.on = !form->BASEBLOCK_EXT.on;
        if (chance(2)) {
            form->TerminalVersion.checked = !form->TerminalVersion.checked;
            form->Run([&] { form->TerminalVersionClick(); });
        }
        if (chance(20)) form->A1POT.position = pick(1001) / 100.0;
        if (chance(20)) form->A2POT.position = pick(1001) / 100.0;
        if (chance(20)) form->RPINPUT.position = pick(101);
        if (chance(10)) form->MotorCurrent.position = pick(201);
        if (chance(10)) form->MotorTorque.position = pick(201);
        if (chance(5)) {
            const auto& [code, value] = settings[pick(static_cast<int>(std::size(settings)))];
            Set(code, value);
        }
        if (chance(3) && !form->Fault_List.items.empty()) {
            form->Fault_List.itemIndex = pick(static_cast<int>(form->Fault_List.items.size()));
            form->Run([&] { form->FaultButtonClick(); });
        }
        if (chance(3) && !form->Opr_Alarm_List.items.empty()) {
            form->Opr_Alarm_List.itemIndex =
                pick(static_cast<int>(form->Opr_Alarm_List.items.size()));
            form->Run([&] { form->OprAlarmButtonMouseDown(); });
        }
        if (chance(5)) form->Run([&] { form->OprAlarmButtonMouseUp(); });
        if (chance(3)) form->Run([&] { form->AlarmButtonMouseDown(); });
        if (chance(5)) form->Run([&] { form->AlarmButtonMouseUp(); });

        form->clock.Advance(10);
        Refresh();
        CheckInvariants(t * 10);
        if (HasFatalFailure()) return;
    }
    EXPECT_TRUE(platform.fatalMessages.empty());
}

}  // namespace
}  // namespace qd
