// The keypad model: menu state, selectors, the verify list and the edit field.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qd {

// Menu states; 0 to 5, 10 and 13 are the drive mode.
enum MenuState : int {
    FrequencyReferenceMode = 0,
    DirectionMode = 1,
    OutputFrequencyMode = 2,
    OutputCurrentMode = 3,
    OutputVoltageMode = 4,
    MonitorMode = 5,
    VerifyMode = 6,
    SetupMode = 7,
    ParameterMode = 8,
    AutoTuningMode = 9,
    MonitorSelect = 10,
    ParameterSelect = 11,
    ParameterEdit = 12,
    MonitorView = 13,
    VerifySelect = 14,
    VerifyEdit = 15,
    ReferenceEdit = 25,
    DirectionEdit = 26,
};

// Whether a state code is one the operator can be in.
bool IsValidMenuState(int state);
bool IsDriveModeState(int state);

// A small fixed list with 1-based positions; `index` is the selected one.
template <typename T, int Capacity>
struct SelectorList {
    std::array<T, Capacity> items{};
    int count = 0;
    int first = 0;
    int last = 0;
    int index = 0;

    void Clear() { *this = SelectorList{}; }
    // Entries beyond the capacity are dropped; the catalogue stays well inside it.
    void Append(T item) {
        if (count >= Capacity) return;
        items[count++] = item;
        first = 1;
        last = count;
    }
    bool Empty() const { return count == 0; }
    T Last() const { return count > 0 ? items[count - 1] : T{}; }
    T Selected() const { return index >= 1 && index <= count ? items[index - 1] : T{}; }
    void SelectFirst() { index = first; }
    void MoveUp() {
        if (count == 0) return;
        index = index >= last ? first : index + 1;
    }
    void MoveDown() {
        if (count == 0) return;
        index = index <= first ? last : index - 1;
    }
    // Position of an item within the first `limit` positions, 0 when absent.
    int Find(T item, int limit) const {
        for (int i = 1; i <= limit && i <= count; ++i)
            if (items[i - 1] == item) return i;
        return 0;
    }
};

using LetterList = SelectorList<char, 50>;
using NumberList = SelectorList<uint16_t, 99>;

constexpr int kVerifyCapacity = 400;

struct OperatorPanel {
    int state = FrequencyReferenceMode;
    float editValue = 0;

    // Navigation.
    int selectCursor = 0;
    int monitorCursor = 0;
    LetterList paramLetters, paramDigits;
    NumberList paramNumbers;
    LetterList monitorLetters, monitorDigits;
    NumberList monitorNumbers;
    std::array<std::string, kVerifyCapacity> verifyCodes{};
    int verifyCount = 0;
    int verifyIndex = 0;
    bool keyLock = false;

    // Editing.
    int digitCursor = 0;
    int digitCursorMax = 0;
    int decimals = 0;
    int digitCount = 0;
    bool negative = false;
    float openMinimum = 0, openMaximum = 0, openStep = 1;
    float monitorMaximum = 0, monitorStep = 1;
    int openEditType = 0;
    int openDisplayMode = 0;
    int openStoreAction = 0;
    bool openRunChangeable = false;
    float openValue = 0;
    int monitorKind = 0;
    std::string infoTitle, infoUnit, infoMinText, infoMaxText, infoMinHex, infoMaxHex;

    // Code selector of the preferred-parameter slots.
    LetterList codeLetters, codeDigits;
    NumberList codeNumbers;
    int codeCursor = 0;
    int codeCursorMax = 0;

    // Display refresh.
    int blinkTicks = 0;
    std::string faultDescription;
    std::string alarmDescription;
};

}  // namespace qd
