// One drive parameter of the catalogue, with its setting texts.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qd {

using VariantSet = std::bitset<256>;

inline VariantSet FullVariants() { return VariantSet().set(); }
inline VariantSet EmptyVariants() { return VariantSet(); }

constexpr int kMaxSettingTexts = 150;

struct SettingTextEntry {
    std::string text;
    std::array<uint8_t, 4> available{1, 1, 1, 1};  // per control-method column
};

// Up to kMaxSettingTexts texts, in the order they were added.
struct SettingTextList {
    std::vector<std::unique_ptr<SettingTextEntry>> entries;
    int32_t Count() const { return static_cast<int32_t>(entries.size()); }
};

struct ParameterEntry {
    uint16_t index = 0;
    char groupLetter = '-';
    char groupDigit = '-';
    uint16_t number = 0;
    uint16_t reg = 0;  // `register`
    SettingTextList settingTexts;
    std::string name;  // at most 50 characters
    std::string unit;  // at most 10 characters
    std::array<float, 4> values{};  // per column; the value is values[activeColumn - 1]
    float activeDefault = 0;
    float minimum = 0;
    float maximum = 0;
    float step = 1;
    std::array<uint8_t, 4> accessLevels{};
    uint8_t editType = 0;
    uint8_t changeableDuringRun = 0;
    VariantSet variants;
    int32_t displayMode = 0;
    int32_t storeAction = 0;

    // "C1-01"
    std::string Code() const;
};

}  // namespace qd
