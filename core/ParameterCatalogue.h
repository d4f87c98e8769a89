// The parameter memory of the simulated drive: registration with its row checks,
// and the look-ups by code that the operator and the simulation use.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/DriveState.h"
#include "core/ParameterEntry.h"

namespace qd {

constexpr int kMaxParameters = 800;

struct ParameterCatalogue {
    // entries[0] is entry 1 (the placeholder "---00").
    std::array<std::unique_ptr<ParameterEntry>, kMaxParameters> entries;

    // count, listNumber and lastListNumber live in DriveState (parameterCount,
    // listNumber, lastListNumber), shared with the monitor builder.

    ParameterEntry* Entry(int position) const {  // 1-based; nullptr past the count
        return position >= 1 && position <= kMaxParameters ? entries[position - 1].get() : nullptr;
    }

    // Index by code for the look-ups: code key -> positions in catalogue order.
    // Rebuilt lazily after registrations, so first-match order is kept.
    mutable std::unordered_map<uint32_t, std::vector<uint16_t>> byCode;
    mutable bool indexValid = false;
    mutable int32_t indexedCount = -1;  // parameterCount the index was built for
    // The same index flat, for codes of a capital letter, a digit and 0..99; the
    // simulation's many reads per tick then skip the hashing.
    mutable std::vector<const std::vector<uint16_t>*> byCodeDense;
};

struct ParameterCode {
    char groupLetter = 0;
    char groupDigit = 0;
    uint16_t number = 0;
};

// "C1-01" (case-insensitive) -> its parts; false when it is not of that form.
bool ParseParameterCode(const std::string& text, ParameterCode& code);

struct FoundValue {
    bool found = false;
    float value = 0;
};

struct DriveData;

void RegisterParameter(DriveData& d, uint8_t mode, const std::string& code, uint16_t reg,
                       const std::string& name, const std::string& unit,
                       const std::array<float, 4>& defaults, float minimum, float maximum,
                       float step, const std::array<uint8_t, 4>& accessLevels, uint8_t editType,
                       uint8_t changeableDuringRun, const VariantSet& variants,
                       int32_t displayMode, int32_t storeAction);

// Whether an entry is offered in the active column (access level, variant).
bool IsOffered(const DriveState& s, const ParameterEntry& e);

// The simulation's read of a parameter; also sets d.currentSettingText.
FoundValue FindParameterValue(DriveData& d, char groupLetter, char groupDigit, uint16_t number);
bool StoreParameterValue(DriveData& d, char groupLetter, char groupDigit, uint16_t number,
                         float value);
FoundValue FindParameterRegister(const DriveData& d, char groupLetter, char groupDigit,
                                 uint16_t number);  // 65535 when absent
// The first entry with that code, offered or not (nullptr when none).
ParameterEntry* FindParameterEntry(const DriveData& d, char groupLetter, char groupDigit,
                                   uint16_t number);
void ClearSettingTexts(DriveData& d, uint8_t mode);

// Registers the placeholder and the 440 rows of the catalogue.
void BuildParameterCatalogue(DriveData& d, uint8_t mode);

}  // namespace qd
