#include "core/ParameterCatalogue.h"

#include <cctype>
#include <cmath>
#include <stdexcept>

#include "core/DriveData.h"
#include "core/FatalStop.h"

namespace qd {

namespace {

constexpr uint32_t CodeKey(char groupLetter, char groupDigit, uint16_t number) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(groupLetter)) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(groupDigit)) << 16) | number;
}

[[noreturn]] void Stop(const std::string& message) {
    throw FatalStopError(message);
}

// The two code digits as a decimal number; every catalogue row has digits there.
uint16_t CodeNumber(char tens, char units) {
    const auto digit = [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0;
    };
    return static_cast<uint16_t>(digit(tens) * 10 + digit(units));
}

// Hexadecimal digits at the start of the first three characters; none gives 0.
int SettingTextNumber(const std::string& text) {
    const char* c = text.c_str();  // the terminating 0 ends the digits
    int result = 0;
    for (int i = 0; i < 3; ++i, ++c) {
        int v;
        if (*c >= '0' && *c <= '9') {
            v = *c - '0';
        } else if (*c >= 'a' && *c <= 'f') {
            v = *c - 'a' + 10;
        } else if (*c >= 'A' && *c <= 'F') {
            v = *c - 'A' + 10;
        } else {
            break;
        }
        result = result * 16 + v;
    }
    return result;
}

constexpr int kDenseSize = 26 * 10 * 100;

// Slot of the flat index; -1 for codes outside it (the placeholder "---00").
int DenseSlot(char groupLetter, char groupDigit, uint16_t number) {
    if (groupLetter < 'A' || groupLetter > 'Z' || groupDigit < '0' || groupDigit > '9' ||
        number > 99)
        return -1;
    return ((groupLetter - 'A') * 10 + (groupDigit - '0')) * 100 + number;
}

void RebuildIndex(const ParameterCatalogue& c, int32_t count) {
    c.byCode.clear();
    const int last = count < kMaxParameters ? count : kMaxParameters;
    for (int position = 1; position <= last; ++position) {
        const ParameterEntry* e = c.Entry(position);
        if (e == nullptr) continue;
        c.byCode[CodeKey(e->groupLetter, e->groupDigit, e->number)].push_back(
            static_cast<uint16_t>(position));
    }
    c.byCodeDense.assign(kDenseSize, nullptr);
    for (const auto& [key, positions] : c.byCode) {
        const int slot = DenseSlot(static_cast<char>(key >> 24), static_cast<char>(key >> 16),
                                   static_cast<uint16_t>(key & 0xFFFF));
        if (slot >= 0) c.byCodeDense[slot] = &positions;  // map nodes do not move
    }
    c.indexValid = true;
    c.indexedCount = count;
}

// Positions (1-based, catalogue order) of the entries with a code; the index is
// rebuilt after any registration so the first match stays the scan's first match.
const std::vector<uint16_t>* Positions(const DriveData& d, char groupLetter, char groupDigit,
                                       uint16_t number) {
    const ParameterCatalogue& c = d.parameters;
    if (!c.indexValid || c.indexedCount != d.state.parameterCount)
        RebuildIndex(c, d.state.parameterCount);
    const int slot = DenseSlot(groupLetter, groupDigit, number);
    if (slot >= 0) return c.byCodeDense[slot];
    const auto it = c.byCode.find(CodeKey(groupLetter, groupDigit, number));
    return it == c.byCode.end() ? nullptr : &it->second;
}

}  // namespace

std::string ParameterEntry::Code() const {
    std::string text;
    text += groupLetter;
    text += groupDigit;
    text += '-';
    if (number < 10) text += '0';
    text += std::to_string(number);
    return text;
}

bool ParseParameterCode(const std::string& text, ParameterCode& code) {
    if (text.size() != 5) return false;
    const auto at = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    if (!std::isalpha(at(0)) || !std::isdigit(at(1)) || text[2] != '-' || !std::isdigit(at(3)) ||
        !std::isdigit(at(4)))
        return false;
    code.groupLetter = static_cast<char>(std::toupper(at(0)));
    code.groupDigit = text[1];
    code.number = CodeNumber(text[3], text[4]);
    return true;
}

void RegisterParameter(DriveData& d, uint8_t mode, const std::string& code, uint16_t reg,
                       const std::string& name, const std::string& unit,
                       const std::array<float, 4>& defaults, float minimum, float maximum,
                       float step, const std::array<uint8_t, 4>& accessLevels, uint8_t editType,
                       uint8_t changeableDuringRun, const VariantSet& variants, int32_t displayMode,
                       int32_t storeAction) {
    DriveState& s = d.state;
    ParameterCatalogue& c = d.parameters;
    c.indexValid = false;

    ++s.listNumber;
    if (mode == 0) {
        if (s.listNumber != s.lastListNumber + 1)
            Stop("Parameter list should be an ascending order with stepsize of 1! " +
                 std::to_string(s.listNumber).substr(0, 3));
        s.lastListNumber = s.listNumber;
        ++s.parameterCount;
        if (s.parameterCount > kMaxParameters) Stop("Maximum number of parameters exceeded!");
    }
    // Only reachable when the counters were reset by hand: no position past the array,
    // and a rebuild works on the entries of the first build.
    if (s.listNumber > kMaxParameters || (mode != 0 && c.Entry(s.listNumber) == nullptr))
        throw std::out_of_range("RegisterParameter: no entry " + std::to_string(s.listNumber));
    if (mode == 0) c.entries[s.listNumber - 1] = std::make_unique<ParameterEntry>();
    ParameterEntry* e = c.Entry(s.listNumber);

    if (!(minimum < maximum)) Stop("PARAMETER LIST ERROR MIN>=MAX LIST NO. :" + code);
    if (step == 0) Stop("RANGE STEP LIST ERROR LIST NO. :" + code);
    if (step < 0) Stop("RANGE STEP LIST ERROR LIST < 0 NO. :" + code);
    for (int k = 0; k < 4; ++k) {
        if (accessLevels[k] != 0 && (defaults[k] < minimum || defaults[k] > maximum))
            Stop("DEFAULT VALUE Control Mode " + std::to_string(k + 1) +
                 " not in Range LIST NO :" + code);
    }
    if (editType > 4) Stop("EDIT TYPE is not 0/1/2/3/4 LIST NO :" + code);

    std::string normalised = code;
    VariantSet offeredIn = variants;
    while (normalised.size() < 5) normalised += '0';
    if (normalised[2] != '-') {
        normalised = "---00";
        offeredIn.reset();
    }

    e->index = s.listNumber;
    e->groupLetter = normalised[0];
    e->groupDigit = normalised[1];
    e->number = CodeNumber(normalised[3], normalised[4]);
    e->reg = reg;
    e->name = name.substr(0, 50);
    e->unit = unit.substr(0, 10);
    if (mode == 0 || mode == 1) e->values = defaults;
    e->minimum = minimum;
    e->maximum = maximum;
    e->step = step;
    e->accessLevels = accessLevels;
    e->editType = editType;
    e->changeableDuringRun = changeableDuringRun;
    e->variants = offeredIn;
    e->displayMode = displayMode;
    e->storeAction = storeAction;
    e->activeDefault = e->values[s.activeColumn - 1];
}

bool IsOffered(const DriveState& s, const ParameterEntry& e) {
    const uint8_t level = e.accessLevels[s.activeColumn - 1];
    return level != 0 && level <= s.accessLevel && s.variantNumber >= 0 && s.variantNumber < 256 &&
           e.variants[static_cast<size_t>(s.variantNumber)];
}

FoundValue FindParameterValue(DriveData& d, char groupLetter, char groupDigit, uint16_t number) {
    d.currentSettingText.clear();
    FoundValue result;
    const auto* positions = Positions(d, groupLetter, groupDigit, number);
    if (positions == nullptr) return result;
    const ParameterEntry* found = nullptr;
    const uint16_t* position = positions->data();
    for (size_t i = 0, n = positions->size(); i < n; ++i) {
        const ParameterEntry* e = d.parameters.entries[position[i] - 1].get();
        if (IsOffered(d.state, *e)) {
            found = e;
            break;
        }
    }
    if (found == nullptr) return result;

    result.found = true;
    result.value = found->values[d.state.activeColumn - 1];
    if (found->editType == 1) {
        // Setting codes are whole numbers; the nearest one picks the text.
        const long wanted = std::lrint(result.value);
        const auto& texts = found->settingTexts.entries;
        const std::unique_ptr<SettingTextEntry>* text = texts.data();
        for (size_t i = 0, n = texts.size(); i < n; ++i) {
            const SettingTextEntry* t = text[i].get();
            if (t != nullptr && SettingTextNumber(t->text) == wanted) {
                d.currentSettingText = t->text;
                break;
            }
        }
    }
    return result;
}

ParameterEntry* FindParameterEntry(const DriveData& d, char groupLetter, char groupDigit,
                                   uint16_t number) {
    const auto* positions = Positions(d, groupLetter, groupDigit, number);
    if (positions == nullptr || positions->empty()) return nullptr;
    return d.parameters.entries[positions->front() - 1].get();
}

bool StoreParameterValue(DriveData& d, char groupLetter, char groupDigit, uint16_t number,
                         float value) {
    ParameterEntry* e = FindParameterEntry(d, groupLetter, groupDigit, number);
    if (e == nullptr) return false;
    e->values[d.state.activeColumn - 1] = value;
    return true;
}

FoundValue FindParameterRegister(const DriveData& d, char groupLetter, char groupDigit,
                                 uint16_t number) {
    const ParameterEntry* e = FindParameterEntry(d, groupLetter, groupDigit, number);
    if (e == nullptr) return {false, 65535.0f};
    return {true, static_cast<float>(e->reg)};
}

void ClearSettingTexts(DriveData& d, uint8_t mode) {
    if (mode != 0) return;
    for (int position = 1; position <= kMaxParameters; ++position) {
        if (ParameterEntry* e = d.parameters.Entry(position)) e->settingTexts.entries.clear();
    }
}

}  // namespace qd
