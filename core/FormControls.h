// The controls of the main window that the simulator reads and drives, under
// their inventory names, and the window's timers in the order of its timer table.
// The desktop build draws these objects; the headless build drives them from a
// script. Both share this one definition.
#pragma once

#include <array>

#include "core/Controls.h"

namespace qd {

struct FormControls {
    // Keypad display and lamps.
    SevenSegmentChar DIS1{"DIS1"}, DIS2{"DIS2"}, DIS3{"DIS3"}, DIS4{"DIS4"}, DIS5{"DIS5"};
    Lamp DSP1{"DSP1"}, DSP2{"DSP2"}, DSP3{"DSP3"}, DSP4{"DSP4"}, DSP5{"DSP5"};
    Lamp ALMLED{"ALMLED"}, REVLED{"REVLED"}, FOUTLED{"FOUTLED"}, DRVLED{"DRVLED"};
    Lamp RUNLED{"RUNLED"}, LOCAL_REMOTE_LED{"LOCAL_REMOTE_LED"};
    Label StatusLabel{"StatusLabel"}, InfoLabel{"InfoLabel"}, InfoMainLabel{"InfoMainLabel"};
    Label Output_current2{"Output_current2"};

    // Power and terminal board.
    Switch MainPower{"MainPower"};
    Switch S1{"S1"}, S2{"S2"}, S3{"S3"}, S4{"S4"}, S5{"S5"}, S6{"S6"}, S7{"S7"};
    Switch BASEBLOCK_EXT{"BASEBLOCK_EXT", true, "Click here to connect/disconnect"};
    Lamp MA{"MA"}, MB{"MB", true}, P1{"P1"}, P2{"P2"};
    Readout AMOUTPUT{"AMOUTPUT", 0, false}, MPOUTPUT{"MPOUTPUT", 0, false};
    Knob A1POT{"A1POT", 0, 10, 0}, A2POT{"A2POT", 0, 10, 0};
    Knob RPINPUT{"RPINPUT", 0, 100, 0};
    CheckBox TerminalVersion{"TerminalVersion"};
    Picture USA_Term{"USA_Term"}, EuroTerminal{"EuroTerminal", false};

    // Motor simulation.
    Knob MotorCurrent{"MotorCurrent", 0, 200, 40}, MotorTorque{"MotorTorque", 0, 200, 0};
    Readout RPM{"RPM"};
    MotorPicture MOTOR{"MOTOR"};

    // Fault and alarm injection.
    ComboBox Fault_List{"Fault_List"}, Alarm_List{"Alarm_List"};
    ComboBox Opr_Alarm_List{"Opr_Alarm_List"}, Autotune_Fault{"Autotune_Fault"};
    Picture RJ45_OPEN{"RJ45_OPEN", false}, RJ45_CLOSED{"RJ45_CLOSED"};

    // Lower operator area.
    Picture Connector{"Connector"}, FacePlate{"FacePlate"}, Shape8{"Shape8"}, Shape9{"Shape9"};
    Label STATUSPANEL4{"STATUSPANEL4"};

    // Links.
    Link URL{"URL"}, URL1{"URL1"}, URL2{"URL2"}, URL3{"URL3"}, URL4{"URL4"}, URL5{"URL5"};
    Link PDFLINK{"PDFLINK"};

    // Timers, with their intervals and enabled state at creation. The ramp
    // timer ticks every 20 ms: its step is sized for 50 ticks a second.
    Timer MainTimer{"MainTimer", 10, false};
    Timer ControlLoopTimer{"ControlLoopTimer", 10, false};
    Timer AccDecTimer{"AccDecTimer", 20, false};
    Timer DelayTimer{"DelayTimer", 100, true};
    Timer OLTIMER{"OLTIMER", 100, true};
    Timer BlinkTimer2{"BlinkTimer2", 500, false};
    Timer BlinkTimer3{"BlinkTimer3", 500, false};
    Timer BlinkTimer4{"BlinkTimer4", 500, false};
    Timer OperatorLedTimer{"OperatorLedTimer", 500, false};
    Timer RunLedSeq{"RunLedSeq", 150, false};
    Timer MonitorTimer{"MonitorTimer", 1000, false};
    Timer AlarmActiveTimer{"AlarmActiveTimer", 15000, false};
    Timer InfoTimer{"InfoTimer", 1000, false};
    Timer SplashTimer{"SplashTimer", 2000, false};
    Timer CheckUpdateStartTimer{"CheckUpdateStartTimer", 3000, false};
    Timer FlashTimer{"FlashTimer", 500, false};

    // Timers in table order: on a tie they fire in this order.
    std::array<Timer*, 16> TimerTable() {
        return {&MainTimer,        &ControlLoopTimer, &AccDecTimer,           &DelayTimer,
                &OLTIMER,          &BlinkTimer2,      &BlinkTimer3,           &BlinkTimer4,
                &OperatorLedTimer, &RunLedSeq,        &MonitorTimer,          &AlarmActiveTimer,
                &InfoTimer,        &SplashTimer,      &CheckUpdateStartTimer, &FlashTimer};
    }

    std::array<SevenSegmentChar*, 5> Digits() { return {&DIS1, &DIS2, &DIS3, &DIS4, &DIS5}; }
    std::array<Lamp*, 5> Points() { return {&DSP1, &DSP2, &DSP3, &DSP4, &DSP5}; }
    std::array<Switch*, 7> Inputs() { return {&S1, &S2, &S3, &S4, &S5, &S6, &S7}; }
};

}  // namespace qd
