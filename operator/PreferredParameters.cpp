#include "operator/PreferredParameters.h"
#include "operator/CatalogueWalk.h"

#include <array>
#include <cctype>
#include <cmath>

#include "operator/SegmentDisplay.h"

namespace qd {

namespace {
constexpr int kSlots = 32;

// Slot order; a preset shorter than 32 leaves the rest of the slots empty.
constexpr std::array<const char*, 26> kPreset0 = {
    "A1-02", "B1-01", "B1-02", "B1-03", "C1-01", "C1-02", "C6-01", "C6-02", "D1-01",
    "D1-02", "D1-03", "D1-04", "D1-17", "E1-01", "E1-03", "E1-04", "E1-05", "E1-06",
    "E1-09", "E1-13", "E2-01", "E2-04", "E2-11", "H4-02", "L1-01", "L3-04"};
constexpr std::array<const char*, 13> kPreset1 = {"B1-01", "B1-02", "B1-04", "C1-01", "C1-02",
                                                  "E1-03", "E1-07", "E1-08", "E2-01", "H1-05",
                                                  "H1-06", "H1-07", "L5-01"};
constexpr std::array<const char*, 7> kPreset2 = {"A1-02", "B1-01", "B1-02", "C1-01",
                                                 "C1-02", "E2-01", "L3-04"};
constexpr std::array<const char*, 14> kPreset3 = {"B1-01", "B1-02", "B1-04", "B3-01", "C1-01",
                                                  "C1-02", "E1-03", "E1-07", "E1-08", "E2-01",
                                                  "H1-05", "H1-06", "H1-07", "L5-01"};
constexpr std::array<const char*, 16> kPreset4 = {
    "B1-01", "B1-02", "B1-04", "C1-01", "C1-02", "C6-02", "D2-01", "D2-02",
    "E1-03", "E1-04", "E2-01", "H3-11", "H3-12", "L2-01", "L8-03", "O4-12"};
constexpr std::array<const char*, 9> kPreset5 = {"B1-01", "B1-02", "B1-04", "C1-01", "C1-02",
                                                 "E1-03", "E1-07", "E1-08", "E2-01"};
constexpr std::array<const char*, 16> kPreset6 = {
    "A1-02", "B1-01", "B6-01", "B6-02", "C1-01", "C1-02", "C6-02", "D1-01",
    "D1-02", "D1-03", "E1-08", "H2-01", "L1-01", "L4-01", "L6-02", "L6-03"};
constexpr std::array<const char*, 12> kPreset7 = {"B1-01", "C1-01", "C1-02", "C6-02",
                                                  "D1-01", "D1-02", "D1-03", "E2-01",
                                                  "H1-05", "H1-06", "H2-01", "L1-01"};

struct Preset {
    const char* const* codes;
    int count;
};

template <size_t N>
constexpr Preset Of(const std::array<const char*, N>& a) {
    return {a.data(), static_cast<int>(N)};
}

constexpr std::array<Preset, kApplicationPresets> kPresets = {
    Of(kPreset0), Of(kPreset1), Of(kPreset2), Of(kPreset3),
    Of(kPreset4), Of(kPreset5), Of(kPreset6), Of(kPreset7)};

// The placeholder is offered whatever the rules; group A never is.
bool OfferedToSelector(const OperatorContext& c, const ParameterEntry& e) {
    if (e.groupLetter == '-') return true;
    return UpperCode(e.groupLetter) != 'A' && IsOffered(c.data.state, e);
}

void AppendUnlessRepeated(LetterList& list, char item) {
    if (list.Empty() || list.Last() != item) list.Append(item);
}

bool InterlockHolds(const OperatorContext& c) {
    const DriveState& s = c.data.state;
    return (s.runningForward || s.runningReverse) && !c.panel.openRunChangeable;
}
}  // namespace

void ApplyApplicationPreset(OperatorContext& c, int preset) {
    if (preset < 0 || preset >= kApplicationPresets) return;
    const Preset& list = kPresets[static_cast<size_t>(preset)];
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (slot > list.count) {
            StoreParameterValue(c.data, 'A', '2', static_cast<uint16_t>(slot), 65535.0f);
            continue;
        }
        const char* code = list.codes[slot - 1];
        const uint16_t number = static_cast<uint16_t>((code[3] - '0') * 10 + (code[4] - '0'));
        const FoundValue r =
            FindParameterRegister(c.data, UpperCode(code[0]), UpperCode(code[1]), number);
        c.panel.editValue = r.value;
        if (r.found)
            StoreParameterValue(c.data, 'A', '2', static_cast<uint16_t>(slot), c.panel.editValue);
    }
}

void BuildCodeLetters(OperatorContext& c) {
    c.panel.codeLetters.Clear();
    ForEachParameter(c, [&](const ParameterEntry& e) {
        if (OfferedToSelector(c, e)) AppendUnlessRepeated(c.panel.codeLetters, e.groupLetter);
    });
}

void BuildCodeDigits(OperatorContext& c, char letter) {
    c.panel.codeDigits.Clear();
    ForEachParameter(c, [&](const ParameterEntry& e) {
        if (e.groupLetter == letter && OfferedToSelector(c, e))
            AppendUnlessRepeated(c.panel.codeDigits, e.groupDigit);
    });
}

void BuildCodeNumbers(OperatorContext& c, char letter, char digit) {
    c.panel.codeNumbers.Clear();
    ForEachParameter(c, [&](const ParameterEntry& e) {
        if (e.groupLetter == letter && e.groupDigit == digit && OfferedToSelector(c, e))
            c.panel.codeNumbers.Append(e.number);
    });
}

bool LocateCodeByRegister(OperatorContext& c, int reg) {
    const ParameterEntry* found = nullptr;
    ForEachParameter(c, [&](const ParameterEntry& e) {
        if (found == nullptr && e.reg == reg) found = &e;
    });
    if (found == nullptr) return false;
    OperatorPanel& p = c.panel;
    BuildCodeLetters(c);
    p.codeLetters.index = p.codeLetters.Find(found->groupLetter, 50);
    if (p.codeLetters.index == 0) return false;
    BuildCodeDigits(c, found->groupLetter);
    p.codeDigits.index = p.codeDigits.Find(found->groupDigit, 50);
    if (p.codeDigits.index == 0) return false;
    BuildCodeNumbers(c, found->groupLetter, found->groupDigit);
    p.codeNumbers.index = p.codeNumbers.Find(found->number, 99);
    return p.codeNumbers.index != 0;
}

void OpenCodeSelector(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    BuildCodeLetters(c);
    if (!p.codeLetters.Empty()) p.codeLetters.index = 1;
    BuildCodeDigits(c, p.codeLetters.Selected());
    if (!p.codeDigits.Empty()) p.codeDigits.index = 1;
    BuildCodeNumbers(c, p.codeLetters.Selected(), p.codeDigits.Selected());
    p.codeNumbers.index = 1;
    p.codeCursor = 8;
    if (!LocateCodeByRegister(c, static_cast<int>(std::lround(p.editValue)))) {
        // Back on the no-parameter entry, the first of the catalogue.
        BuildCodeLetters(c);
        p.codeLetters.index = 1;
        BuildCodeDigits(c, p.codeLetters.Selected());
        p.codeDigits.index = 1;
        BuildCodeNumbers(c, p.codeLetters.Selected(), p.codeDigits.Selected());
        p.codeNumbers.index = 1;
    }
    SetAllDark(c.form, true);
}

void CodeSelectorUpDown(OperatorContext& c, bool up) {
    if (InterlockHolds(c)) return;
    OperatorPanel& p = c.panel;
    const auto move = [up](auto& list) { up ? list.MoveUp() : list.MoveDown(); };
    switch (p.codeCursor) {
        case 8:
            move(p.codeLetters);
            BuildCodeDigits(c, p.codeLetters.Selected());
            p.codeDigits.index = 1;
            BuildCodeNumbers(c, p.codeLetters.Selected(), p.codeDigits.Selected());
            p.codeNumbers.index = 1;
            break;
        case 4:
            move(p.codeDigits);
            BuildCodeNumbers(c, p.codeLetters.Selected(), p.codeDigits.Selected());
            p.codeNumbers.index = 1;
            break;
        case 3:
            move(p.codeNumbers);
            break;
        default:
            break;
    }
}

void CodeSelectorReset(OperatorContext& c) {
    if (InterlockHolds(c)) return;
    OperatorPanel& p = c.panel;
    p.codeCursor = p.codeCursor == 8 ? 4 : p.codeCursor == 4 ? 3 : 8;
    if (p.codeCursor > p.codeCursorMax) p.codeCursor = p.codeCursorMax;
}

void CodeSelectorEnter(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    p.state = ParameterSelect;
    const FoundValue r = FindParameterRegister(c.data, p.codeLetters.Selected(),
                                               p.codeDigits.Selected(), p.codeNumbers.Selected());
    if (r.found)
        StoreParameterValue(c.data, p.paramLetters.Selected(), p.paramDigits.Selected(),
                            p.paramNumbers.Selected(), r.value);
    c.display.endCount = 3;
    ShowText(c.form, c.display, "  End", kNoOverrides, kNoBlink, p.digitCount);
}

}  // namespace qd
