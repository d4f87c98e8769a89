#include "operator/Selectors.h"
#include "operator/CatalogueWalk.h"

#include <cctype>
#include <cmath>

namespace qd {

namespace {
constexpr int kPreferredSlots = 32;

template <typename F>
void ForEachVisibleMonitor(const OperatorContext& c, F f) {
    for (int i = 1; i <= c.data.state.monitorCount; ++i) {
        const MonitorEntry* e = c.data.monitors.Entry(i);
        if (e && IsMonitorVisible(c.data.state, *e)) f(*e);
    }
}

void AppendUnlessRepeated(LetterList& list, char item) {
    if (list.Empty() || list.Last() != item) list.Append(item);
}
}  // namespace

std::string CodeText(char groupLetter, char groupDigit, int number) {
    std::string text{groupLetter, groupDigit, '-'};
    if (number < 10) text += '0';
    return text + std::to_string(number);
}

bool IsMonitorVisible(const DriveState& s, const MonitorEntry& e) {
    if (s.activeColumn < 1 || s.activeColumn > 4) return false;
    const int level = e.accessLevels[s.activeColumn - 1];
    return level != 0 && level <= s.accessLevel && s.variantNumber >= 0 &&
           s.variantNumber < static_cast<int>(e.variants.size()) &&
           e.variants.test(static_cast<size_t>(s.variantNumber));
}

void BuildParamLetters(OperatorContext& c) {
    c.panel.paramLetters.Clear();
    ForEachParameter(c, [&](const ParameterEntry& e) {
        if (IsOffered(c.data.state, e)) AppendUnlessRepeated(c.panel.paramLetters, e.groupLetter);
    });
}

void BuildParamDigits(OperatorContext& c, char letter) {
    c.panel.paramDigits.Clear();
    ForEachParameter(c, [&](const ParameterEntry& e) {
        if (e.groupLetter == letter && IsOffered(c.data.state, e))
            AppendUnlessRepeated(c.panel.paramDigits, e.groupDigit);
    });
}

void BuildParamNumbers(OperatorContext& c, char letter, char digit) {
    NumberList& list = c.panel.paramNumbers;
    list.Clear();
    // A2 offers only the preferred-parameter slots.
    const bool slots = UpperCode(letter) == 'A' && UpperCode(digit) == '2';
    ForEachParameter(c, [&](const ParameterEntry& e) {
        if (e.groupLetter != letter || e.groupDigit != digit || !IsOffered(c.data.state, e)) return;
        if (slots && (e.editType != 2 || list.count >= kPreferredSlots)) return;
        list.Append(e.number);
    });
}

void BuildMonitorLetters(OperatorContext& c) {
    c.panel.monitorLetters.Clear();
    ForEachVisibleMonitor(c, [&](const MonitorEntry& e) {
        AppendUnlessRepeated(c.panel.monitorLetters, e.groupLetter);
    });
}

void BuildMonitorDigits(OperatorContext& c, char letter) {
    c.panel.monitorDigits.Clear();
    ForEachVisibleMonitor(c, [&](const MonitorEntry& e) {
        if (e.groupLetter == letter) AppendUnlessRepeated(c.panel.monitorDigits, e.groupDigit);
    });
}

void BuildMonitorNumbers(OperatorContext& c, char letter, char digit) {
    c.panel.monitorNumbers.Clear();
    ForEachVisibleMonitor(c, [&](const MonitorEntry& e) {
        if (e.groupLetter == letter && e.groupDigit == digit && e.number != 0)
            c.panel.monitorNumbers.Append(e.number);
    });
}

void BuildVerifyList(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    p.verifyCodes.fill(std::string());
    p.verifyIndex = 1;
    int count = 0;
    const int column = c.data.state.activeColumn;
    ForEachParameter(c, [&](const ParameterEntry& e) {
        if (!IsOffered(c.data.state, e) || e.editType > 1) return;
        if (UpperCode(e.groupLetter) == 'A' && e.groupDigit == '2') return;
        if (column < 1 || column > 4 || e.values[column - 1] == e.activeDefault) return;
        if (count < kVerifyCapacity)
            p.verifyCodes[count] = CodeText(e.groupLetter, e.groupDigit, e.number);
        ++count;
    });
    p.verifyCount = count < kVerifyCapacity ? count : kVerifyCapacity;
}

}  // namespace qd
