// The faults, alarms, operation errors and tuning errors a trainee can inject,
// each list tied to its drop-down list of the main window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Controls.h"
#include "core/DriveState.h"

namespace qd {

struct FaultEntry {
    uint16_t code = 0;
    std::string displayText;  // at most 5 characters, right-aligned
    std::string description;  // at most 80 characters
};

template <int Capacity>
struct FaultList {
    std::array<FaultEntry, Capacity> entries;
    static constexpr int capacity = Capacity;
    // Entry n (1-based); the count is DriveState::faultCounts of the list.
    const FaultEntry& Entry(int n) const { return entries[n - 1]; }
};

struct FaultCatalogue {
    FaultList<100> faults;
    FaultList<100> alarms;
    FaultList<20> operationErrors;
    FaultList<20> tuningErrors;
};

// The four drop-down lists the catalogue fills.
struct FaultLists {
    ComboBox& faultList;         // Fault_List
    ComboBox& alarmList;         // Alarm_List
    ComboBox& operationList;     // Opr_Alarm_List
    ComboBox& tuningList;        // Autotune_Fault
};

// "   oC", "Overcurrent" -> "oC, Overcurrent"
std::string FaultItemText(const FaultEntry& e);

void AddFault(FaultCatalogue& c, DriveState& s, ComboBox& list, uint16_t code,
              const std::string& displayText, const std::string& description);
void AddAlarm(FaultCatalogue& c, DriveState& s, ComboBox& list, uint16_t code,
              const std::string& displayText, const std::string& description);
void AddOperationError(FaultCatalogue& c, DriveState& s, ComboBox& list, uint16_t code,
                       const std::string& displayText, const std::string& description);
void AddTuningError(FaultCatalogue& c, DriveState& s, ComboBox& list, uint16_t code,
                    const std::string& displayText, const std::string& description);
void BuildFaultCatalogue(FaultCatalogue& c, DriveState& s, const FaultLists& lists);

}  // namespace qd
