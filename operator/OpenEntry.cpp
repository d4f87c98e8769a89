#include "operator/OpenEntry.h"

#include <algorithm>
#include <cmath>

#include "operator/Selectors.h"
#include "operator/ValueFormat.h"

namespace qd {

namespace {
int ColumnIndex(const DriveState& s) {
    return std::clamp(s.activeColumn, 1, 4) - 1;
}

const MonitorEntry* FindMonitor(const DriveData& d, char letter, char digit, int number) {
    for (int i = 1; i <= d.state.monitorCount; ++i) {
        const MonitorEntry* e = d.monitors.Entry(i);
        if (e && e->groupLetter == letter && e->groupDigit == digit && e->number == number)
            return e;
    }
    return nullptr;
}
}  // namespace

bool OpenParameter(OperatorContext& c, char letter, char digit, int number) {
    OperatorPanel& p = c.panel;
    p.negative = false;
    p.infoTitle.clear();
    p.infoUnit.clear();
    p.infoMinText.clear();
    p.infoMaxText.clear();
    p.infoMinHex.clear();
    p.infoMaxHex.clear();
    if (number < 0 || number > 0xFFFF) return false;
    const ParameterEntry* e =
        FindParameterEntry(c.data, letter, digit, static_cast<uint16_t>(number));
    if (e == nullptr) return false;

    p.editValue = e->values[ColumnIndex(c.data.state)];
    p.openMinimum = e->minimum;
    p.openMaximum = e->maximum;
    p.openStep = e->step;
    p.openEditType = e->editType;
    p.openDisplayMode = e->displayMode;
    p.openStoreAction = e->storeAction;
    p.openRunChangeable = e->changeableDuringRun != 0;
    p.openValue = p.editValue;

    const int decimals = DecimalsOfStep(p.openStep);
    p.infoTitle = CodeText(e->groupLetter, e->groupDigit, e->number) + ": " + e->name;
    p.infoUnit = e->unit;
    p.infoMinText = FixedText(p.openMinimum, decimals);
    p.infoMaxText = FixedText(p.openMaximum, decimals);
    if (decimals != 0) {
        p.infoMinHex = "0";
        p.infoMaxHex = "0";
    } else {
        p.infoMinHex = HexText4(std::lround(p.openMinimum));
        p.infoMaxHex = HexText4(std::lround(p.openMaximum));
    }
    return true;
}

bool OpenMonitor(OperatorContext& c, char letter, char digit, int number) {
    const MonitorEntry* e = FindMonitor(c.data, letter, digit, number);
    if (e == nullptr) return false;
    OperatorPanel& p = c.panel;
    p.editValue = e->values[ColumnIndex(c.data.state)];
    p.monitorMaximum = e->maximum;
    p.monitorStep = e->step;
    p.monitorKind = e->displayKind;
    p.infoTitle = CodeText(e->groupLetter, e->groupDigit, e->number) + ": " + e->name;
    p.infoUnit = e->unit;
    return true;
}

void OpenSelectedMonitor(OperatorContext& c) {
    const OperatorPanel& p = c.panel;
    if (!OpenMonitor(c, p.monitorLetters.Selected(), p.monitorDigits.Selected(),
                     p.monitorNumbers.Selected()))
        c.panel.editValue = 0;
}

void OpenSelectedParameter(OperatorContext& c) {
    const OperatorPanel& p = c.panel;
    if (!OpenParameter(c, p.paramLetters.Selected(), p.paramDigits.Selected(),
                       p.paramNumbers.Selected()))
        c.panel.editValue = 0;
}

}  // namespace qd
