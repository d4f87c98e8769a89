// The drive's read-only status values, the U monitors.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/ParameterEntry.h"

namespace qd {

constexpr int kMaxMonitors = 200;

struct MonitorEntry {
    uint16_t index = 0;
    char groupLetter = 'U';
    char groupDigit = '1';
    uint16_t number = 0;
    uint16_t reg = 0;
    std::string name;  // at most 50 characters
    std::string unit;  // at most 10 characters
    std::array<float, 4> values{};
    float minimum = 0;
    float maximum = 0;
    float step = 1;
    std::array<uint8_t, 4> accessLevels{};
    uint8_t editType = 0;
    uint8_t flag = 0;
    VariantSet variants;
    int32_t displayKind = 0;

    std::string Code() const;  // "U1-02"
};

struct MonitorCatalogue {
    std::array<std::unique_ptr<MonitorEntry>, kMaxMonitors> entries;  // entries[0] is entry 1
    MonitorEntry* Entry(int position) const {
        return position >= 1 && position <= kMaxMonitors ? entries[position - 1].get() : nullptr;
    }
    mutable std::unordered_map<uint32_t, uint16_t> byCode;  // first position with a code
    mutable bool indexValid = false;
};

// A monitor's value with the entry's range, resolution and display kind.
struct MonitorValue {
    bool found = false;
    float value = 0;
    float minimum = 0;
    float maximum = 0;
    float step = 1;
    int32_t displayKind = 0;
};

struct DriveData;

void RegisterMonitor(DriveData& d, uint8_t mode, char groupLetter, int32_t displayKind,
                     const VariantSet& variants, uint8_t flag, uint8_t editType,
                     const std::array<uint8_t, 4>& accessLevels, float step, float maximum,
                     float minimum, const std::array<float, 4>& defaults, const std::string& unit,
                     const std::string& name, uint16_t reg, uint16_t number, char groupDigit);
void BuildMonitorCatalogue(DriveData& d, uint8_t mode);
MonitorValue FindMonitorValue(const DriveData& d, char groupLetter, char groupDigit,
                              uint16_t number);
bool SetMonitorValue(DriveData& d, char groupLetter, char groupDigit, uint16_t number, float value);

}  // namespace qd
