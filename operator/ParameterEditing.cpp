#include "operator/ParameterEditing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "operator/DigitArithmetic.h"
#include "operator/OpenEntry.h"
#include "operator/PreferredParameters.h"
#include "operator/Selectors.h"
#include "operator/ValueFormat.h"

namespace qd {

namespace {
bool CodeSelectorOpen(const OperatorPanel& p) {
    return p.state == ParameterEdit && p.openEditType == 2;
}

void ShowEnd(OperatorContext& c) {
    c.display.endCount = 3;
    ShowText(c.form, c.display, "  End", kNoOverrides, kNoBlink, c.panel.digitCount);
}

void RefuseAbove(OperatorContext& c) {
    c.display.aboveMaximumCount = 3;
    c.panel.keyLock = true;
}

void RefuseBelow(OperatorContext& c) {
    c.display.belowMinimumCount = 3;
    c.panel.keyLock = true;
}

// True when the value lies in range; otherwise the refusal indication starts.
bool AcceptRange(OperatorContext& c) {
    const OperatorPanel& p = c.panel;
    if (p.editValue > p.openMaximum) {
        RefuseAbove(c);
        return false;
    }
    if (p.editValue < p.openMinimum) {
        RefuseBelow(c);
        return false;
    }
    return true;
}

void StoreSelected(OperatorContext& c) {
    const OperatorPanel& p = c.panel;
    StoreParameterValue(c.data, p.paramLetters.Selected(), p.paramDigits.Selected(),
                        p.paramNumbers.Selected(), p.editValue);
}

struct VerifyCode {
    char letter = 0;
    char digit = 0;
    int number = -1;
};

VerifyCode SplitVerifyCode(const std::string& code) {
    if (code.size() < 5) return {};
    const auto digitAt = [&](size_t i) {
        const char ch = code[i];
        return ch >= '0' && ch <= '9' ? ch - '0' : 0;
    };
    return {code[0], code[1], digitAt(code.size() - 2) * 10 + digitAt(code.size() - 1)};
}

void StoreFollowUp(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    if (p.openStoreAction > 0 && p.openValue != p.editValue && p.openStoreAction == 1) {
        const FoundValue a106 = FindParameterValue(c.data, 'A', '1', 6);
        if (a106.found) ApplyApplicationPreset(c, static_cast<int>(std::lround(a106.value)));
    }
    BuildVerifyList(c);
    ShowEnd(c);
}

void EnterControlMethod(OperatorContext& c) {
    const long code = std::lround(c.panel.editValue);
    int column = 0;
    if (code == 0) column = 1;
    if (code == 2) column = 2;
    if (code == 5) column = 4;
    if (column == 0) {
        RefuseBelow(c);
        return;
    }
    c.data.state.activeColumn = column;
    c.panel.state = ParameterSelect;
    StoreSelected(c);
    StoreFollowUp(c);
}

void EnterInitialise(OperatorContext& c) {
    const long code = std::lround(c.panel.editValue);
    switch (code) {
        case 1110:
        case 4440:
        case 5550:
            c.panel.editValue = 0;
            c.data.state.lastInitialisation = static_cast<uint16_t>(code);
            break;
        case 2220:
        case 3330:
            c.panel.editValue = 0;
            ReinitialiseDriveData(c.data, static_cast<uint16_t>(code));
            // Every value is back at its default: the old verify list would
            // offer parameters that are no longer modified.
            BuildVerifyList(c);
            break;
        default:
            RefuseBelow(c);
            return;
    }
    ShowEnd(c);
}
}  // namespace

float EditMaximumFrequency(OperatorContext& c) {
    if (c.sim.maximumFrequency > 0) return c.sim.maximumFrequency;
    const FoundValue e104 = FindParameterValue(c.data, 'E', '1', 4);
    return e104.found ? e104.value : 60.0f;
}

bool RunInterlockHolds(const OperatorContext& c) {
    const DriveState& s = c.data.state;
    const int state = c.panel.state;
    return (state == ParameterEdit || state == VerifyEdit) &&
           (s.runningForward || s.runningReverse) && !c.panel.openRunChangeable;
}

void OpenEditorFromSelect(OperatorContext& c) {
    c.panel.state = ParameterEdit;
    c.panel.digitCursor = 16;
    OpenSelectedParameter(c);
    if (c.panel.openEditType == 2) OpenCodeSelector(c);
}

void OpenEditorFromVerify(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    p.state = VerifyEdit;
    const VerifyCode code = SplitVerifyCode(
        p.verifyCodes[static_cast<size_t>(std::clamp(p.verifyIndex, 1, kVerifyCapacity) - 1)]);
    if (!OpenParameter(c, code.letter, code.digit, code.number)) p.editValue = 0;
    p.digitCursor = 16;
}

void OpenReferenceEditor(OperatorContext& c) {
    if (!OpenParameter(c, 'D', '1', 1)) return;
    c.panel.state = ReferenceEdit;
    c.panel.digitCursor = 8;
}

bool EditUpDown(OperatorContext& c, bool up) {
    if (RunInterlockHolds(c)) return false;
    if (CodeSelectorOpen(c.panel)) {
        CodeSelectorUpDown(c, up);
        return true;
    }
    LayoutEditField(c.panel, EditMaximumFrequency(c));
    StepEditDigit(c.panel, up);
    return true;
}

void EditReset(OperatorContext& c) {
    if (RunInterlockHolds(c)) return;
    if (CodeSelectorOpen(c.panel)) {
        CodeSelectorReset(c);
        return;
    }
    LayoutEditField(c.panel, EditMaximumFrequency(c));
    MoveDigitCursor(c.panel);
}

void EditEnter(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    switch (p.state) {
        case ParameterEdit:
            switch (p.openEditType) {
                case 2:
                    CodeSelectorEnter(c);
                    return;
                case 3:
                    EnterInitialise(c);
                    return;
                case 4:
                    EnterControlMethod(c);
                    return;
                default:
                    if (!AcceptRange(c)) return;
                    p.state = ParameterSelect;
                    StoreSelected(c);
                    StoreFollowUp(c);
                    return;
            }
        case VerifyEdit: {
            if (!AcceptRange(c)) return;
            const VerifyCode code = SplitVerifyCode(p.verifyCodes[static_cast<size_t>(
                std::clamp(p.verifyIndex, 1, kVerifyCapacity) - 1)]);
            p.state = VerifySelect;
            if (code.number >= 0)
                StoreParameterValue(c.data, code.letter, code.digit,
                                    static_cast<uint16_t>(code.number), p.editValue);
            StoreFollowUp(c);
            return;
        }
        case ReferenceEdit:
            LayoutEditField(p, EditMaximumFrequency(c));
            if (!AcceptRange(c)) return;
            p.state = FrequencyReferenceMode;
            StoreParameterValue(c.data, 'D', '1', 1, p.editValue);
            c.data.state.frequencyReference = p.editValue;
            BuildVerifyList(c);
            ShowEnd(c);
            return;
        default:
            return;
    }
}

}  // namespace qd
