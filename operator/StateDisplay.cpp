// What the five digits show in each menu state.
#include <algorithm>
#include <cmath>

#include "operator/DisplayRefresh.h"
#include "operator/OpenEntry.h"
#include "operator/ParameterEditing.h"
#include "operator/RefreshTexts.h"
#include "operator/SegmentDisplay.h"
#include "operator/ValueFormat.h"

namespace qd {

namespace {
constexpr int kHyphen = 64;

std::string TwoDigits(int number) {
    return (number < 10 ? "0" : "") + std::to_string(number);
}

// "  End" while the End sequence runs; true when it was shown.
bool ShowEndSequence(OperatorContext& c) {
    if (c.display.endCount < 1) return false;
    c.form.BlinkTimer2.SetEnabled(true);
    ShowText(c.form, c.display, "  End", kNoOverrides, kNoBlink, c.panel.digitCount);
    return true;
}

void ShowTitle(OperatorContext& c, const std::string& text, const SegmentOverrides& codes,
               const BlinkFlags& blink) {
    ShowText(c.form, c.display, text, codes, blink, 0);
}

void ShowSelectorCode(OperatorContext& c, char letter, char digit, int number, int cursorMask) {
    ShowText(c.form, c.display, std::string{letter, digit, ' '} + TwoDigits(number),
             {-1, -1, kHyphen, -1, -1}, BlinkFromMask(cursorMask), 0);
}

void ShowCodeSelector(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    p.codeCursorMax = 8;
    const char letter = p.codeLetters.Selected();
    if (letter == '-') {
        ShowText(c.form, c.display, "     ", {-1, kHyphen, kHyphen, kHyphen, kHyphen}, kAllBlink,
                 0);
        p.codeCursorMax = 0;
        return;
    }
    const std::string text =
        std::string{letter, p.codeDigits.Selected(), '.'} + TwoDigits(p.codeNumbers.Selected());
    ShowText(c.form, c.display, text, kNoOverrides, BlinkFromMask(p.codeCursor), 0);
}

void ShowEditField(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    if (p.state == ParameterEdit && p.openEditType == 2) {
        ShowCodeSelector(c);
        return;
    }
    LayoutEditField(p, EditMaximumFrequency(c));
    const std::string text = EditFieldText(p);
    SegmentOverrides overrides = kNoOverrides;
    BlinkFlags blink = BlinkFromMask(p.digitCursor);
    if (c.display.aboveMaximumCount >= 1) {
        c.form.BlinkTimer3.SetEnabled(true);
        blink = kAllBlink;
    } else if (c.display.belowMinimumCount >= 1) {
        c.form.BlinkTimer4.SetEnabled(true);
        blink = kAllBlink;
    } else if (RunInterlockHolds(c)) {
        blink = kNoBlink;
    } else if (p.state == ReferenceEdit) {
        overrides[0] = 113;  // F, never part of the field
    }
    ShowText(c.form, c.display, text, overrides, blink, p.digitCount);
}

std::string MonitorValueText(const OperatorPanel& p, int decimals) {
    const bool signedKind = p.monitorKind == 0 || p.monitorKind == 1;
    if (!signedKind || p.editValue >= 0) return FixedText(p.editValue, decimals);
    std::string magnitude = FixedText(std::fabs(p.editValue), decimals);
    const size_t width = decimals > 0 ? 5 : 4;
    if (magnitude.size() < width) magnitude.insert(0, width - magnitude.size(), '0');
    return "-" + magnitude;
}

// The code of the parameter holding a register, as " b1.01".
std::string RegisterCodeText(const OperatorContext& c, long reg) {
    if (reg == 0) return " ----";
    for (int i = 1; i <= c.data.state.parameterCount; ++i) {
        const ParameterEntry* e = c.data.parameters.Entry(i);
        if (e && e->reg == reg)
            return std::string{' ', e->groupLetter, e->groupDigit, '.'} + TwoDigits(e->number);
    }
    return " ----";
}

void ShowMonitorView(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    FormControls& f = c.form;
    OpenSelectedMonitor(c);
    const int decimals = DecimalsOfStep(p.monitorStep);
    const int digitCount = DigitCountFor(p.monitorMaximum, decimals);
    const std::string value = MonitorValueText(p, decimals);
    const long whole = std::lround(p.editValue);
    switch (p.monitorKind) {
        case 8:
            ShowText(f, c.display, FixedText(p.editValue, 2) + "A");
            return;
        case 9:
            ShowText(f, c.display, FixedText(p.editValue, 1) + "u");
            return;
        case 10:
            ShowText(f, c.display, "Pn" + FixedText(p.editValue, 0), kNoOverrides, kNoBlink,
                     digitCount);
            return;
        case 11:
        case 12:
        case 13: {
            const auto bars = BitPatternSegments(whole);
            const int first = p.monitorKind == 11 ? 57 : p.monitorKind == 12 ? 92 : 0;
            ShowText(f, c.display, "     ", {first, bars[0], bars[1], bars[2], bars[3]}, kNoBlink,
                     0);
            return;
        }
        case 14:
            ShowText(f, c.display, value, kNoOverrides, kNoBlink, 5);
            return;
        case 20:
        case 23:
        case 24:
            ShowText(f, c.display, RegisterCodeText(c, whole));
            return;
        case 21:
            p.editValue = 1;
            ShowText(f, c.display, ErrorDisplayText(c, ErrorList::Faults, 1));
            return;
        case 22:
            ShowSegments(f, c.display, {127, 127, 127, 127, 127}, {});
            return;
        case 25:
            ShowSegments(f, c.display, {6, 6, 64, 63, 6}, {});
            return;
        case 26:
            ShowSegments(f, c.display, {6, 6, 64, 63, 63}, {true, true, true, true, true});
            return;
        default:
            ShowText(f, c.display, value);
            return;
    }
}
}  // namespace

std::array<int, 4> BitPatternSegments(long value) {
    std::array<int, 4> codes{};
    for (int digit = 0; digit < 4; ++digit) {
        // DIS5 holds bits 0 and 1, DIS2 bits 6 and 7.
        const int low = 2 * (3 - digit);
        const bool right = (value >> low) & 1;
        const bool left = (value >> (low + 1)) & 1;
        codes[static_cast<size_t>(digit)] = (right ? 2 + 4 : 4) + (left ? 16 + 32 : 16);
    }
    return codes;
}

std::string ErrorDisplayText(OperatorContext& c, ErrorList list, int code) {
    const FaultCatalogue& f = c.data.faults;
    const auto find = [&](const auto& entries, int count) -> const FaultEntry* {
        if (code == 0) return nullptr;
        for (int n = 1; n <= count && n <= entries.capacity; ++n)
            if (entries.Entry(n).code == code) return &entries.Entry(n);
        return nullptr;
    };
    const int32_t* counts = c.data.state.faultCounts;
    const FaultEntry* e = nullptr;
    switch (list) {
        case ErrorList::Faults:
            e = find(f.faults, counts[0]);
            break;
        case ErrorList::Alarms:
            e = find(f.alarms, counts[1]);
            break;
        case ErrorList::OperationErrors:
            e = find(f.operationErrors, counts[2]);
            break;
        case ErrorList::TuningErrors:
            e = find(f.tuningErrors, counts[3]);
            break;
    }
    if (e == nullptr) return "   --";
    (list == ErrorList::Alarms ? c.panel.alarmDescription : c.panel.faultDescription) =
        e->description;
    return e->displayText;
}

void ShowMenuState(OperatorContext& c) {
    OperatorPanel& p = c.panel;
    DriveState& s = c.data.state;
    const RefreshTexts texts = MakeRefreshTexts(s);
    switch (p.state) {
        case FrequencyReferenceMode:
            if (s.faultLatched) {
                s.faultShown = true;
                return;
            }
            if (ShowEndSequence(c)) return;
            ShowText(c.form, c.display, "F" + texts.reference);
            return;
        case DirectionMode: {
            const bool reverse =
                s.localMode || s.runFromOperator ? s.reverseSelected : s.runningReverse;
            ShowText(c.form, c.display, reverse ? "  rEu" : "  For");
            return;
        }
        case OutputFrequencyMode: {
            SegmentOverrides minus = kNoOverrides;
            if (s.outputFrequency < 0) minus[0] = kHyphen;
            ShowText(c.form, c.display, " " + texts.outputFrequency, minus, kNoBlink, 0);
            c.form.FOUTLED.lit = true;
            return;
        }
        case OutputCurrentMode:
            ShowText(c.form, c.display, " " + texts.current + "A");
            return;
        case OutputVoltageMode:
            ShowText(c.form, c.display, " " + texts.voltage + "u");
            return;
        case MonitorMode:
            ShowTitle(c, "     ", {-1, 49, 7, 92, 84}, kAllBlink);
            return;
        case VerifyMode:
            ShowTitle(c, "     ", {-1, 28, 80, 113, 110}, kAllBlink);
            return;
        case SetupMode:
            ShowTitle(c, "     ", {-1, 109, 49, 62, 115}, kAllBlink);
            return;
        case ParameterMode:
            ShowTitle(c, "     ", {-1, -1, 115, 119, 80}, {false, false, true, true, true});
            return;
        case AutoTuningMode:
            ShowTitle(c, " .   ", {-1, 119, 49, 62, 84}, kAllBlink);
            return;
        case MonitorSelect:
            ShowSelectorCode(c, p.monitorLetters.Selected(), p.monitorDigits.Selected(),
                             p.monitorNumbers.Selected(), p.monitorCursor);
            return;
        case ParameterSelect:
            if (ShowEndSequence(c)) return;
            ShowSelectorCode(c, p.paramLetters.Selected(), p.paramDigits.Selected(),
                             p.paramNumbers.Selected(), p.selectCursor);
            return;
        case ParameterEdit:
        case VerifyEdit:
        case ReferenceEdit:
            ShowEditField(c);
            return;
        case MonitorView:
            ShowMonitorView(c);
            return;
        case VerifySelect:
            if (ShowEndSequence(c)) return;
            if (p.verifyCount < 1) {
                ShowText(c.form, c.display, " nonE", kNoOverrides, {false, true, true, true, true},
                         0);
                return;
            }
            ShowText(c.form, c.display,
                     p.verifyCodes[static_cast<size_t>(
                         std::clamp(p.verifyIndex, 1, kVerifyCapacity) - 1)],
                     {-1, -1, kHyphen, -1, -1}, {true, true, false, true, true}, 0);
            return;
        case DirectionEdit:
            ShowText(c.form, c.display, s.reverseSelected ? "  rEu" : "  For", kNoOverrides,
                     kAllBlink, 0);
            return;
        default:
            return;
    }
}

}  // namespace qd
