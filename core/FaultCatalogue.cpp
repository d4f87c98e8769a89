#include "core/FaultCatalogue.h"

namespace qd {

namespace {

struct FaultRow {
    uint16_t code;
    const char* displayText;
    const char* description;
};

// clang-format off
constexpr FaultRow kFaultRows[] = {
    {34, "  bUS", "Option Communication Error"},
    {33, "   CE", " LINKNET/Modbus Communication Error"},
    {37, "   CF", " Control Fault"},
    {131, "CPF02", "A/D Conversion Error"},
    {132, "CPF03", "PWM Data Fault"},
    {134, "CPF05", "Adjustment abnormality of two CPUs"},
    {135, "CPF06", "Drive specification mismatch during Terminal Board or Control Board replacement"},
    {136, "CPF07", "Terminal Board Communication Fault"},
    {137, "CPF08", "EEPROM Serial Communications Fault"},
    {140, "CPF11", "RAM Fault"},
    {141, "CPF12", "FLASH Memory Fault"},
    {142, "CPF13", "Watchdog Circuit Exception"},
    {143, "CPF14", "Control Circuit Fault"},
    {145, "CPF16", "Clock Fault"},
    {146, "CPF17", "Timing Fault"},
    {147, "CPF18", "Control Circuit Fault"},
    {148, "CPF19", "Control Circuit Fault"},
    {149, "CPF20", "RAM Fault, FLASH Memory Fault, Watchdog Circuit Exception Clock Fault"},
    {150, "CPF21", "RAM Fault, FLASH Memory Fault, Watchdog Circuit Exception Clock Fault"},
    {151, "CPF22", "A/D Conversion Error"},
    {152, "CPF23", "PWM Feedback Data Fault"},
    {153, "CPF24", "Drive Capacity Signal Fault"},
    {154, "CPF25", ""},
    {25, "  dEv", "Excessive Speed Deviation (for Simple V/f with PG)"},
    {39, "  EF0", "Option Card External Fault"},
    {66, "  EF1", "External Fault Terminal S1"},
    {67, "  EF2", "External Fault Terminal S2"},
    {17, "  EF3", "External Fault Terminal S3"},
    {18, "  EF4", "External Fault Terminal S4"},
    {19, "  EF5", "External Fault Terminal S5"},
    {20, "  EF6", "External Fault Terminal S6"},
    {21, "  EF7", "External Fault Terminal S7"},
    {23, "  FAn", "Inverter internal cooler fan breakdown"},
    {65, "  FbH", "Excessive PID Feedback"},
    {40, "  FbL", "PID Feedback Loss"},
    {6, "   GF", "Ground Fault"},
    {28, "   LF", "Output Phase Loss"},
    {54, "  LF2", "Output Open Phase"},
    {7, "   oC", "Overcurrent"},
    {256, "oFA00", "Option Card Fault (port A)"},
    {257, "oFA01", "Option Card Fault (port A)"},
    {258, "oFA02", "Option Card Fault (port A)"},
    {259, "oFA03", "Option Card Fault (port A)"},
    {260, "oFA04", "Option Card Fault (port A)"},
    {261, "oFA05", "Option Card Fault (port A)"},
    {65, "oFA3x", "Option Card Fault (port A)"},
    {66, "oFA4x", "Option Card Fault (port A)"},
    {305, "OFA30", "Option Card Fault (port A)"},
    {306, "OFA31", "Option Card Fault (port A)"},
    {307, "OFA32", "Option Card Fault (port A)"},
    {308, "OFA33", "Option Card Fault (port A)"},
    {309, "OFA34", "Option Card Fault (port A)"},
    {310, "OFA35", "Option Card Fault (port A)"},
    {311, "OFA36", "Option Card Fault (port A)"},
    {312, "OFA37", "Option Card Fault (port A)"},
    {313, "OFA38", "Option Card Fault (port A)"},
    {314, "OFA39", "Option Card Fault (port A)"},
    {315, "OFA40", "Option Card Fault (port A)"},
    {316, "OFA41", "Option Card Fault (port A)"},
    {317, "OFA42", "Option Card Fault (port A)"},
    {318, "OFA43", "Option Card Fault (port A)"},
    {9, "   oH", "Heatsink Overheat"},
    {10, "  oH1", "Heatsink Overheat"},
    {29, "  oH3", "Motor Overheat 1 (PTC input)"},
    {32, "  oH4", "Motor Overheat 2 (PTC input)"},
    {11, "  oL1", "Motor Overload"},
    {12, "  oL2", "Drive Overload"},
    {13, "  oL3", "Overtorque Detection 1"},
    {12, "  oL4", "Overtorque Detection 2"},
    {43, "  oL7", "High Slip Braking OL"},
    {30, "  oPr", "Operator Connection Fault"},
    {24, "   oS", "Overspeed (for Simple V/f with PG)"},
    {8, "   ov", "Overvoltage"},
    {27, "   PF", "Input Phase Loss"},
    {26, "  PGo", "PG Disconnect (for Simple V/f with PG)"},
    {16, "   rH", "Dynamic Braking Resistor"},
    {15, "   rr", "Dynamic Braking Transistor"},
    {59, "  SEr", "Too Many Speed Search Restarts"},
    {55, "  STO", "Pull-Out Detection"},
    {41, "  UL3", "Undertorque Detection 1"},
    {42, "  UL4", "Undertorque Detection 2"},
    {2, "  Uv1", "Undervoltage"},
    {3, "  Uv2", "Control Power Supply Undervoltage"},
    {4, "  Uv3", "Soft Charge Circuit Fault"},
};

constexpr FaultRow kAlarmRows[] = {
    {1, "   bb", "Drive Baseblock"},
    {2, "  bUS", " Option Card Communications Error"},
    {3, " CALL", " Serial Communication Transmission Error"},
    {4, "   CE", " LINKNET/Modbus Communication Error"},
    {5, "  dEv", " Excessive Speed Deviation (for Simple V/f with PG)"},
    {6, "  dnE", " Drive Disabled"},
    {7, "   EF", " Run Command Input Error"},
    {8, "  EF0", " Option Card External Fault"},
    {9, "  EF1", " External Fault Terminal S1"},
    {10, "  EF2", " External Fault Terminal S2"},
    {11, "  EF3", " External Fault Terminal S3"},
    {12, "  EF4", " External Fault Terminal S4"},
    {13, "  EF5", " External Fault Terminal S5"},
    {14, "  EF6", " External Fault Terminal S6"},
    {15, "  EF7", " External Fault Terminal S7"},
    {16, "  FbH", " Excessive PID Feedback"},
    {17, "  FbL", " PID Feedback Loss"},
    {18, "  Hbb", " Hardwire Baseblock Signal Input"},
    {19, " HbbF", " Hardwire Baseblock Signal Input"},
    {20, "  HCA", " Current Alarm"},
    {21, " LT-1", " Cooling Fan Maintenance Time"},
    {22, " LT-2", " Capacitor Maintenance Time"},
    {23, " LT-3", " DC bus Pre-charge Relay Maintenance Time"},
    {24, "   oH", " Heatsink Overheat"},
    {25, "  oH2", " Drive Overheat"},
    {26, "  oH3", " Motor Overheat"},
    {27, "  oL3", " Overtorque 1"},
    {28, "  oL4", " Overtorque 2"},
    {29, "   oS", " Overspeed (for Simple V/f with PG)"},
    {30, "   ov", " Overvoltage"},
    {31, " PASS", " LINKNET/Modbus Test Mode Complete"},
    {32, "  PGo", " PG Disconnect (for Simple V/f with PG)"},
    {33, "  rUn", " During Run 2, Motor Switch Command Input"},
    {34, " rUnC", " Run Command Reset"},
    {35, "  UL3", " Undertorque 1"},
    {36, "  UL4", " Undertorque 2"},
    {37, "   Uv", " Undervoltage"},
    {38, "  Hbb", " External Baseblock"},
};

constexpr FaultRow kOperationErrorRows[] = {
    {1, "oPE01", "Drive kVA Setting Error"},
    {2, "oPE02", "Parameter Setting Range Error"},
    {3, "oPE03", "Multi-Function Input Setting Error"},
    {4, "oPE05", "Run Command Selection Error"},
    {5, "oPE07", "Multi-Function Analog Input Selection Error"},
    {6, "oPE08", "Parameter Selection Error"},
    {7, "oPE09", "PID Control Selection Error"},
    {8, "oPE10", "V/f Data Setting Error"},
    {9, "oPE11", "Carrier Frequency Setting Error"},
    {10, "  Hbb", " External Baseblock"},
};

constexpr FaultRow kTuningErrorRows[] = {
    {1, "Er-01", "Motor Data Error"},
    {2, "Er-02", "Alarm"},
    {3, "Er-03", "STOP button Input"},
    {4, "Er-04", "Line-to-Line Resistance Error"},
    {5, "Er-05", "No-Load Current Error"},
    {6, "Er-08", "Rated Slip Error"},
    {7, "Er-09", "Acceleration Error"},
    {8, "Er-11", "Motor Speed Error"},
    {9, "Er-12", "Current Detection Error"},
    {10, " End1", " Excessive V/f Setting"},
    {11, " End2", " Motor Iron Core Saturation Coefficient Error"},
    {12, " End3", " Rated Current Setting Alarm"},
};
// clang-format on

// Slots of DriveState::faultCounts.
constexpr int kFaultCount = 0;
constexpr int kAlarmCount = 1;
constexpr int kOperationErrorCount = 2;
constexpr int kTuningErrorCount = 3;

template <int Capacity>
void AddEntry(FaultList<Capacity>& list, int32_t& count, ComboBox& box, uint16_t code,
              const std::string& displayText, const std::string& description) {
    // A full list drops further rows without a word.
    if (count < 0 || count >= Capacity) return;
    ++count;
    FaultEntry& e = list.entries[count - 1];
    e.code = code;
    e.displayText = displayText.substr(0, 5);
    e.description = description.substr(0, 80);
    box.items.push_back(FaultItemText(e));
}

}  // namespace

std::string FaultItemText(const FaultEntry& e) {
    std::string text;
    for (char ch : e.displayText) {
        if (ch != ' ') text += ch;
    }
    return text + ", " + e.description;
}

void AddFault(FaultCatalogue& c, DriveState& s, ComboBox& list, uint16_t code,
              const std::string& displayText, const std::string& description) {
    AddEntry(c.faults, s.faultCounts[kFaultCount], list, code, displayText, description);
}

void AddAlarm(FaultCatalogue& c, DriveState& s, ComboBox& list, uint16_t code,
              const std::string& displayText, const std::string& description) {
    AddEntry(c.alarms, s.faultCounts[kAlarmCount], list, code, displayText, description);
}

void AddOperationError(FaultCatalogue& c, DriveState& s, ComboBox& list, uint16_t code,
                       const std::string& displayText, const std::string& description) {
    AddEntry(c.operationErrors, s.faultCounts[kOperationErrorCount], list, code, displayText,
             description);
}

void AddTuningError(FaultCatalogue& c, DriveState& s, ComboBox& list, uint16_t code,
                    const std::string& displayText, const std::string& description) {
    AddEntry(c.tuningErrors, s.faultCounts[kTuningErrorCount], list, code, displayText,
             description);
}

void BuildFaultCatalogue(FaultCatalogue& c, DriveState& s, const FaultLists& lists) {
    for (int32_t& count : s.faultCounts) count = 0;
    lists.faultList.items.clear();
    lists.alarmList.items.clear();
    lists.operationList.items.clear();
    lists.tuningList.items.clear();
    for (const FaultRow& row : kFaultRows) {
        AddFault(c, s, lists.faultList, row.code, row.displayText, row.description);
    }
    for (const FaultRow& row : kAlarmRows) {
        AddAlarm(c, s, lists.alarmList, row.code, row.displayText, row.description);
    }
    for (const FaultRow& row : kOperationErrorRows) {
        AddOperationError(c, s, lists.operationList, row.code, row.displayText, row.description);
    }
    for (const FaultRow& row : kTuningErrorRows) {
        AddTuningError(c, s, lists.tuningList, row.code, row.displayText, row.description);
    }
}

}  // namespace qd
