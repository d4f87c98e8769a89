#include "core/MonitorCatalogue.h"

#include <cstdio>

#include "core/DriveData.h"
#include "core/FatalStop.h"

namespace qd {

namespace {

struct MonitorRow {
    char groupDigit;
    uint16_t number;
    const char* name;
    const char* unit;
    float step;
    float maximum;
    int32_t displayKind;
    uint16_t reg;
    uint8_t editType;
    uint8_t flag;
};

// Every monitor: letter U, minimum 0, defaults 0, access level 4 everywhere,
// all variants.
constexpr MonitorRow kMonitorRows[] = {
    {'1', 0, "No Signal Selected", "", -1, 100, 0, 0, 0, 1},
    {'1', 1, "Frequency Reference", "Hz", 100, 400, 0, 1824, 11, 0},
    {'1', 2, "Output Frequency", "Hz", 100, 400, 0, 1825, 11, 0},
    {'1', 3, "Output Current", "A", 10, 1000, 8, 1826, 11, 0},
    {'1', 4, "Control Mode", "", 1, 4, 0, 1828, 0, 1},
    {'1', 5, "Motor Speed", "RPM", 1, 3600, 0, 5, 0, 1},
    {'1', 6, "Output Voltage Reference", "V", 10, 480, 9, 6, 0, 1},
    {'1', 7, "DC Bus Voltage", "V", 1, 800, 10, 7, 0, 1},
    {'1', 8, "Output Power", "kW", 100, 100, 0, 8, 0, 1},
    {'1', 9, "Torque Reference", "%", 10, 65535, 0, 9, 0, 1},
    {'1', 10, "Input Terminal Status", "", 1, 65535, 11, 10, 0, 1},
    {'1', 11, "Output Terminal Status", "", 1, 65535, 12, 11, 0, 1},
    {'1', 12, "Drive Status", "", 1, 65535, 13, 12, 0, 1},
    {'1', 13, "Terminal A1 Input", "%", 10, 100, 0, 13, 0, 1},
    {'1', 14, "Terminal A2 Input", "%", 10, 100, 0, 14, 0, 1},
    {'1', 16, "Output Frequency after Soft Start", "Hz", 100, 400, 0, 16, 0, 1},
    {'1', 18, "OPE Fault Parameter", "", 1, 65535, 20, 18, 0, 1},
    {'1', 19, "LINKNET Error Code", "", 1, 65535, 13, 19, 0, 1},
    {'1', 24, "Input Pulse Monitor", "", 1, 32000, 0, 24, 0, 1},
    {'1', 25, "Software No. (Flash)", "", 1, 65535, 14, 25, 0, 1},
    {'1', 26, "Software No. (ROM)", "", 1, 65535, 14, 26, 0, 1},
    {'2', 1, "Current Fault", "", 1, 65535, 21, 1, 0, 1},
    {'2', 2, "Previous Fault", "", 1, 65535, 21, 2, 0, 1},
    {'2', 3, "Frequency Reference", "Hz", 10, 400, 0, 1824, 11, 1},
    {'2', 4, "Output Frequency", "Hz", 10, 400, 0, 1825, 11, 1},
    {'2', 5, "Output Current", "A", 10, 1000, 8, 1826, 11, 1},
    {'2', 6, "Motor Speed", "RPM", 1, 3600, 0, 1828, 0, 1},
    {'2', 7, "Output Voltage", "V", 10, 480, 9, 7, 4, 1},
    {'2', 8, "DC Bus Voltage", "V", 1, 800, 10, 8, 4, 1},
    {'2', 9, "Output Power", "kW", 10, 1000, 0, 9, 4, 1},
    {'2', 10, "Torque Reference", "%", 10, 100, 0, 10, 4, 1},
    {'2', 11, "Input Terminal Status", "", 1, 65535, 11, 11, 4, 1},
    {'2', 12, "Output Terminal Status", "", 1, 65535, 12, 12, 4, 1},
    {'2', 13, "Drive Operation Status", "", 1, 65535, 13, 13, 4, 1},
    {'2', 14, "Cumulative Operation Time", "H", 1, 65535, 0, 14, 4, 1},
    {'2', 15, "Soft Starter Speed Reference", "%", 100, 100, 0, 15, 4, 1},
    {'2', 16, "Motor q-Axis Current", "%", 10, 100, 0, 16, 4, 1},
    {'2', 17, "Motor d-Axis Current", "%", 10, 100, 0, 17, 4, 1},
    {'3', 1, "Most Recent Fault", "", 1, 65535, 21, 1, 4, 1},
    {'3', 2, "2nd Most Recent Fault", "", 1, 65535, 21, 2, 4, 1},
    {'3', 3, "3rd Most Recent Fault", "", 1, 65535, 21, 3, 4, 1},
    {'3', 4, "4th Most Recent Fault", "", 1, 65535, 21, 4, 4, 1},
    {'3', 5, "5th Most Recent Fault", "", 1, 65535, 21, 5, 4, 1},
    {'3', 6, "6th Most Recent Fault", "", 1, 65535, 21, 6, 4, 1},
    {'3', 7, "7th Most Recent Fault", "", 1, 65535, 21, 7, 4, 1},
    {'3', 8, "8th Most Recent Fault", "", 1, 65535, 21, 8, 4, 1},
    {'3', 9, "9th Most Recent Fault", "", 1, 65535, 21, 9, 4, 1},
    {'3', 10, "10th Most Recent Fault", "", 1, 65535, 21, 10, 4, 1},
    {'3', 11, "Cumulative Operation Time Most Recent Fault", "", 1, 65535, 0, 11, 4, 1},
    {'3', 12, "Cumulative Operation Time at 2nd Most Recent Fault", "", 1, 65535, 0, 12, 4, 1},
    {'3', 13, "Cumulative Operation Time at 3rd Most Recent Fault", "", 1, 65535, 0, 13, 4, 1},
    {'3', 14, "Cumulative Operation Time at 4th Most Recent Fault", "", 1, 65535, 0, 14, 4, 1},
    {'3', 15, "Cumulative Operation Time at 5th Most Recent Fault", "", 1, 65535, 0, 15, 4, 1},
    {'3', 16, "Cumulative Operation Time at 6th Most Recent Fault", "", 1, 65535, 0, 16, 4, 1},
    {'3', 17, "Cumulative Operation Time at 7th Most Recent Fault", "", 1, 65535, 0, 17, 4, 1},
    {'3', 18, "Cumulative Operation Time at 8th Most Recent Fault", "", 1, 65535, 0, 18, 4, 1},
    {'3', 19, "Cumulative Operation Time at 9th Most Recent Fault", "", 1, 65535, 0, 19, 4, 1},
    {'3', 20, "Cumulative Operation Time at 10th Most Recent Fault", "", 1, 65535, 0, 20, 4, 1},
    {'4', 1, "Accumulated Operation Time", "H", 1, 65535, 0, 1, 4, 1},
    {'4', 2, "Number of Run Commands", "", 1, 65535, 0, 2, 4, 1},
    {'4', 3, "Cooling Fan Operation Time", "H", 1, 65535, 0, 3, 4, 1},
    {'4', 5, "Capacitor Maintenance", "%", 1, 65535, 0, 5, 4, 1},
    {'4', 7, "IGBT Maintenance", "%", 1, 65535, 0, 7, 4, 1},
    {'4', 9, "LED Check", "", 1, 65535, 22, 9, 4, 1},
    {'4', 10, "kWH Lower 4 Digits", "kWH", 1, 65535, 0, 10, 4, 1},
    {'4', 11, "kWH Upper 4 Digits", "kWH", 1, 65535, 0, 11, 4, 1},
    {'4', 13, "Peak Hold Current", "A", 100, 65535, 0, 13, 4, 1},
    {'4', 14, "Peak Hold Output Frequency", "Hz", 100, 65535, 0, 14, 4, 1},
    {'4', 16, "Motor Overload Estimate (OL1)", "%", 1, 65535, 0, 16, 4, 1},
    {'4', 18, "Frequency Reference Selection Results", "", 1, 65535, 25, 18, 4, 1},
    {'4', 19, "Frequency Reference from LINKNET Communication", "", 1, 65535, 0, 19, 4, 1},
    {'4', 20, "Option Frequency Reference", "", 1, 65535, 0, 20, 4, 1},
    {'4', 21, "Run Command Selection Results", "", 1, 65535, 26, 21, 4, 1},
    {'4', 22, "LINKNET/Modbus Communication Reference", "", 1, 65535, 0, 22, 4, 1},
    {'4', 23, "Option Card Reference", "", 1, 65535, 0, 23, 4, 1},
    {'5', 1, "PID Feedback", "%", 100, 1000, 0, 1, 4, 1},
    {'5', 2, "PID Input", "%", 100, 1000, 0, 2, 4, 1},
    {'5', 3, "PID Output", "%", 100, 1000, 0, 3, 4, 1},
    {'5', 4, "PID Set-Point", "%", 100, 1000, 0, 4, 4, 1},
    {'6', 1, "Torque Reference", "%", 10, 1000, 0, 1, 4, 1},
    {'6', 2, "Motor Secondary Current (Iq)", "%", 10, 1000, 0, 2, 4, 1},
    {'6', 3, "Motor Excitation Current (Id)", "%", 10, 1000, 0, 3, 4, 1},
    {'6', 4, "Output of Speed Control (ASR)", "%", 10, 1000, 0, 4, 4, 1},
    {'6', 5, "Output Voltage Reference Vd", "Vac", 10, 1000, 0, 5, 4, 1},
    {'6', 6, "Output Voltage Reference Vq", "Vac", 10, 1000, 0, 6, 4, 1},
    {'6', 7, "q-axis ACR Output", "%", 10, 1000, 0, 7, 4, 1},
    {'6', 8, "d-axis ACR Output", "%", 10, 1000, 0, 8, 4, 1},
    {'6', 17, "Energy Savings Coefficient Calculation Value", "%", 100, 1000, 0, 17, 4, 1},
    {'6', 18, "PID Differential Feedback", "%", 100, 1000, 0, 18, 4, 1},
    {'6', 19, "PID Adjusted Feedback", "%", 100, 1000, 0, 19, 4, 1},
    {'6', 20, "Frequency Reference Bias (Up/Down 2)", "%", 10, 1000, 0, 20, 4, 1},
    {'6', 21, "Offset Frequency", "%", 10, 1000, 0, 21, 4, 1},
    {'8', 1, "MFLX Monitor 1", "%", 1, 65535, 0, 1, 4, 1},
    {'8', 2, "MFLX Monitor 2", "%", 1, 65535, 0, 2, 4, 1},
    {'8', 3, "MFLX Monitor 3", "%", 1, 65535, 0, 3, 4, 1},
    {'8', 4, "MFLX Monitor 4", "%", 1, 65535, 0, 4, 4, 1},
    {'8', 5, "MFLX Monitor 5", "%", 1, 65535, 0, 5, 4, 1},
    {'8', 6, "MFLX Monitor 6", "%", 1, 65535, 0, 6, 4, 1},
    {'8', 7, "MFLX Monitor 7", "%", 1, 65535, 0, 7, 4, 1},
    {'8', 8, "MFLX Monitor 8", "%", 1, 65535, 0, 8, 4, 1},
    {'8', 9, "MFLX Monitor 9", "%", 1, 65535, 0, 9, 4, 1},
    {'8', 10, "MFLX Monitor 10", "%", 1, 65535, 0, 10, 4, 1},
};

constexpr uint32_t CodeKey(char groupLetter, char groupDigit, uint16_t number) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(groupLetter)) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(groupDigit)) << 16) | number;
}

[[noreturn]] void Stop(const std::string& message) {
    throw FatalStopError(message);
}

// The row checks name the list number by its first three digits.
[[noreturn]] void StopAt(const std::string& message, uint16_t listNumber) {
    Stop(message + std::to_string(listNumber).substr(0, 3));
}

std::string Cut(const std::string& text, std::size_t length) {
    return text.substr(0, length);
}

int ColumnIndex(const DriveState& s) {
    return s.activeColumn >= 1 && s.activeColumn <= 4 ? s.activeColumn - 1 : 0;
}

void EnsureIndex(const MonitorCatalogue& c, int32_t count) {
    if (c.indexValid) return;
    c.byCode.clear();
    const int last = count < kMaxMonitors ? count : kMaxMonitors;
    for (int position = 1; position <= last; ++position) {
        const MonitorEntry* e = c.Entry(position);
        if (e == nullptr) continue;
        // emplace keeps the earliest position: the first match wins.
        c.byCode.emplace(CodeKey(e->groupLetter, e->groupDigit, e->number),
                         static_cast<uint16_t>(position));
    }
    c.indexValid = true;
}

MonitorEntry* FindMonitorEntry(const DriveData& d, char groupLetter, char groupDigit,
                               uint16_t number) {
    EnsureIndex(d.monitors, d.state.monitorCount);
    const auto it = d.monitors.byCode.find(CodeKey(groupLetter, groupDigit, number));
    return it == d.monitors.byCode.end() ? nullptr : d.monitors.Entry(it->second);
}

}  // namespace

std::string MonitorEntry::Code() const {
    char text[16];
    std::snprintf(text, sizeof text, "%c%c-%02u", groupLetter, groupDigit,
                  static_cast<unsigned>(number));
    return text;
}

void RegisterMonitor(DriveData& d, uint8_t mode, char groupLetter, int32_t displayKind,
                     const VariantSet& variants, uint8_t flag, uint8_t editType,
                     const std::array<uint8_t, 4>& accessLevels, float step, float maximum,
                     float minimum, const std::array<float, 4>& defaults, const std::string& unit,
                     const std::string& name, uint16_t reg, uint16_t number, char groupDigit) {
    DriveState& s = d.state;
    MonitorCatalogue& c = d.monitors;
    ++s.listNumber;
    const uint16_t position = s.listNumber;

    if (mode == 0) {
        if (s.lastMonitorListNumber != s.monitorCount) {
            Stop("Oscilloscope list should be an ascending order with stepsize of 1!");
        }
        ++s.lastMonitorListNumber;
        ++s.monitorCount;
        if (s.monitorCount > kMaxMonitors || position > kMaxMonitors) {
            Stop("Maximum number of oscilloscope U1/U2 parameters exceeded!");
        }
        c.entries[position - 1] = std::make_unique<MonitorEntry>();
    } else if (position > kMaxMonitors) {
        Stop("Maximum number of oscilloscope U1/U2 parameters exceeded!");
    } else if (!c.entries[position - 1]) {
        // A rebuild only overwrites; an entry the first build never made is made now
        // rather than written through a null reference.
        c.entries[position - 1] = std::make_unique<MonitorEntry>();
    }

    if (!(minimum < maximum)) StopAt("OSCILLOSCOPE LIST ERROR MIN>=MAX LIST NO. :", position);
    if (step == 0) StopAt("OSCILLOSCOPE RANGE STEP LIST ERROR LIST NO. :", position);
    static constexpr const char* kDefaultMessages[4] = {
        "OSCILLOSCOPE DEFAULT VALUE VF not in Range LIST NO :",
        "OSCILLOSCOPE DEFAULT VALUE PG not in Range LIST NO :",
        "OSCILLOSCOPE DEFAULT VALUE FL not in Range LIST NO :",
        "OSCILLOSCOPE DEFAULT VALUE FLPG not in Range LIST NO :",
    };
    for (int k = 0; k < 4; ++k) {
        if (defaults[k] < minimum || defaults[k] > maximum) StopAt(kDefaultMessages[k], position);
    }
    if (editType > 35) StopAt("OSCILLOSCOPE EDIT TYPE is not of 0..15 LIST NO :", position);

    MonitorEntry& e = *c.entries[position - 1];
    e.index = position;
    e.groupLetter = groupLetter;
    e.groupDigit = groupDigit;
    e.number = number;
    e.reg = reg;
    e.name = Cut(name, 50);
    e.unit = Cut(unit, 10);
    e.values = defaults;
    e.minimum = minimum;
    e.maximum = maximum;
    e.step = step;
    e.accessLevels = accessLevels;
    e.editType = editType;
    e.flag = flag;
    e.variants = variants;
    e.displayKind = displayKind;
    c.indexValid = false;
}

void BuildMonitorCatalogue(DriveData& d, uint8_t mode) {
    d.state.listNumber = 0;
    const VariantSet all = FullVariants();
    for (const MonitorRow& row : kMonitorRows) {
        RegisterMonitor(d, mode, 'U', row.displayKind, all, row.flag, row.editType, {4, 4, 4, 4},
                        row.step, row.maximum, 0.0f, {0, 0, 0, 0}, row.unit, row.name, row.reg,
                        row.number, row.groupDigit);
    }
}

MonitorValue FindMonitorValue(const DriveData& d, char groupLetter, char groupDigit,
                              uint16_t number) {
    MonitorValue result;
    const MonitorEntry* e = FindMonitorEntry(d, groupLetter, groupDigit, number);
    if (e == nullptr) return result;
    result.found = true;
    result.value = e->values[ColumnIndex(d.state)];
    result.minimum = e->minimum;
    result.maximum = e->maximum;
    result.step = e->step;
    result.displayKind = e->displayKind;
    return result;
}

bool SetMonitorValue(DriveData& d, char groupLetter, char groupDigit, uint16_t number,
                     float value) {
    MonitorEntry* e = FindMonitorEntry(d, groupLetter, groupDigit, number);
    if (e == nullptr) return false;
    e->values[ColumnIndex(d.state)] = value;
    return true;
}

}  // namespace qd
