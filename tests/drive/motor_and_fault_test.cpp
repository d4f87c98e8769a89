#include <cmath>

#include "SimulatorFixture.h"
#include "core/DriveData.h"
#include "core/MonitorCatalogue.h"

namespace qd {
namespace {

TEST_F(SimulatorTest, MotorFiguresAtThirtyHertz) {
    Set("E2-01", 10.0f);
    RunAt(30);
    EXPECT_FLOAT_EQ(State().outputFrequency, 30);
    EXPECT_NEAR(State().outputCurrent, 4.0, 1e-4);
    EXPECT_EQ(form->Output_current2.text, "4.0 A");
    EXPECT_NEAR(State().outputVoltage, 115.0, 1e-3);
    EXPECT_NEAR(form->RPM.value, 900.0, 1e-3);
    EXPECT_NEAR(FindMonitorValue(*form->data, 'U', '1', 8).value, 0.7958, 1e-4);  // shows 0.80
    EXPECT_TRUE(form->MOTOR.running);

    // Torque adds half its share of the rated current, limited to twice rated.
    form->MotorTorque.position = 100;
    Wait(20);
    EXPECT_NEAR(State().outputCurrent, 9.0, 1e-4);
    form->MotorCurrent.position = 200;
    form->MotorTorque.position = 200;
    Wait(20);
    EXPECT_NEAR(State().outputCurrent, 20.0, 1e-4);
}

TEST_F(SimulatorTest, InputBaseblockStopsTheMotorButNotTheOutput) {
    Set("E2-01", 10.0f);
    Set("H1-05", 0x08);
    RunAt(40);
    form->S5.on = true;
    Wait(30);
    EXPECT_FLOAT_EQ(State().outputFrequency, 40);
    EXPECT_EQ(State().motorFrequency, 0);
    EXPECT_EQ(State().outputCurrent, 0);
    EXPECT_EQ(form->RPM.value, 0);
    EXPECT_FALSE(form->MOTOR.running);
}

TEST_F(SimulatorTest, OverloadFaultAfterFourSecondsAtOneHundredFiftyPercent) {
    Set("E2-01", 10.0f);
    Set("L1-01", 1);
    Set("L1-02", 1.0f);
    form->MotorCurrent.position = 150;
    RunAt(30);
    Wait(3700);
    EXPECT_FALSE(State().faultLatched);
    EXPECT_GT(form->sim.overloadEstimate, 80000);
    Wait(400);
    EXPECT_TRUE(State().faultLatched);
    EXPECT_EQ(State().errorIndex, 11);
    EXPECT_TRUE(State().faultShown);
}

TEST_F(SimulatorTest, OverloadWithoutRatedCurrentNeverFaults) {
    Set("L1-01", 1);
    // A rated current of 0: no division by it, no growth, no fault.
    Set("E2-01", 0.0f);
    RunAt(30);
    Wait(5000);
    EXPECT_EQ(form->sim.overloadEstimate, 0);
    EXPECT_FALSE(State().faultLatched);
    EXPECT_TRUE(std::isfinite(State().outputCurrent));
}

TEST_F(SimulatorTest, TorqueDetectionClosesAfterItsTime) {
    Set("E2-01", 10.0f);
    Set("H2-01", 0x0B);
    Set("L6-02", 150);
    Set("L6-03", 0.5f);
    RunAt(30);
    form->MotorTorque.position = 150;
    Wait(400);
    EXPECT_FALSE(form->MA.lit);
    Wait(200);
    EXPECT_TRUE(form->MA.lit);
    EXPECT_FALSE(form->MB.lit);
    form->MotorTorque.position = 100;
    Wait(20);
    EXPECT_FALSE(form->MA.lit);
}

TEST_F(SimulatorTest, InjectedFaultStopsTheDriveAndResetNeedsANewRun) {
    Set("H2-02", 0x0E);
    RunAt(40);
    Set("C1-02", 10);
    form->Fault_List.itemIndex = 0;
    form->Run([this] { form->FaultButtonClick(); });
    EXPECT_TRUE(State().faultLatched);
    EXPECT_TRUE(State().faultShown);
    EXPECT_EQ(form->panel.state, 0);
    Wait(1000);
    EXPECT_TRUE(form->P1.lit);
    EXPECT_NEAR(State().outputFrequency, 34.0, 0.2) << "decelerates with C1-02";
    Wait(6000);
    EXPECT_EQ(State().outputFrequency, 0);
    EXPECT_TRUE(State().runBlocked);

    form->S4.on = true;  // fault reset (14) is S4's default
    Wait(20);
    form->S4.on = false;
    EXPECT_FALSE(State().faultLatched);
    Wait(1000);
    EXPECT_EQ(State().outputFrequency, 0) << "the held run command does not restart";
    form->S1.on = false;
    Wait(20);
    form->S1.on = true;
    Wait(100);
    EXPECT_GT(State().outputFrequency, 0);
}

TEST_F(SimulatorTest, FaultButtonWithPowerOffOnlyShowsTheMessage) {
    form->Fault_List.itemIndex = 0;
    form->Run([this] { form->FaultButtonClick(); });
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "To use the fault simulation the Main Power Switch has to be in the On position");
    EXPECT_FALSE(State().faultLatched);
}

TEST_F(SimulatorTest, ExternalFaultRelatchesWhileTheInputIsHeld) {
    Set("H1-03", 0x20);
    form->MainPower.on = true;
    form->S3.on = true;
    Wait(30);
    EXPECT_TRUE(State().faultLatched);
    EXPECT_EQ(State().errorIndex, 17) << "EF3";
    form->S4.on = true;
    Wait(10);
    form->S4.on = false;
    Wait(20);
    EXPECT_TRUE(State().faultLatched) << "the cause remains";
    form->S3.on = false;
    form->S4.on = true;
    Wait(30);
    EXPECT_FALSE(State().faultLatched);
}

TEST_F(SimulatorTest, HeldOperationErrorLastsWhileTheButtonIsDown) {
    form->MainPower.on = true;
    Wait(20);
    form->Opr_Alarm_List.itemIndex = 1;
    form->Run([this] { form->OprAlarmButtonMouseDown(); });
    EXPECT_TRUE(State().faultLatched);
    EXPECT_EQ(State().errorState, 3);
    Wait(100);
    EXPECT_TRUE(State().faultLatched) << "the checks leave a held error alone";
    form->Run([this] { form->OprAlarmButtonMouseUp(); });
    EXPECT_FALSE(State().faultLatched);
    EXPECT_EQ(State().errorState, 0);
}

TEST_F(SimulatorTest, ThreeWireAfterInitialisation3330) {
    ReinitialiseDriveData(*form->data, 3330);
    Set("B1-01", 0);
    Set("D1-01", 20);
    Set("C1-01", 0);
    Set("C1-02", 0);
    form->MainPower.on = true;
    form->S2.on = true;
    Wait(30);
    EXPECT_FALSE(State().runningForward);
    form->S1.on = true;
    Wait(30);
    form->S1.on = false;
    Wait(100);
    EXPECT_TRUE(State().runningForward) << "the run latches";
    EXPECT_FLOAT_EQ(State().outputFrequency, 20);
    form->S2.on = false;
    Wait(100);
    EXPECT_FALSE(State().runningForward);
    EXPECT_EQ(State().outputFrequency, 0);
}

TEST_F(SimulatorTest, PidDrivesTheOutputTowardsItsSetpoint) {
    Set("B1-01", 0);
    Set("D1-01", 30);  // setpoint 50 %
    Set("H1-01", 0x40);
    Set("H3-10", 11);  // feedback on A2
    Set("B5-01", 1);
    Set("C1-01", 1);
    Set("C1-02", 1);
    form->MainPower.on = true;
    form->A2POT.position = 0;
    form->S1.on = true;
    Wait(3000);
    EXPECT_FLOAT_EQ(form->sim.pidSetpoint, 50);
    EXPECT_FLOAT_EQ(form->sim.pidOutput, 100);
    EXPECT_NEAR(State().outputFrequency, 60, 0.01);
    form->A2POT.position = 10;  // feedback above the setpoint
    Wait(3000);
    EXPECT_EQ(form->sim.pidOutput, 0);
    EXPECT_EQ(State().outputFrequency, 0);
}

}  // namespace
}  // namespace qd
