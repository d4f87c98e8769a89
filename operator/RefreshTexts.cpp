#include "operator/RefreshTexts.h"

#include <cmath>

#include "operator/ValueFormat.h"

namespace qd {

namespace {
std::string PadLeft(std::string text, size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string RangeText(const OperatorPanel& p, bool decimalLimits) {
    if (p.openEditType == 2) return {};
    const bool hex = p.openDisplayMode == 1 && !decimalLimits;
    return p.infoTitle + "\r\rRange: " + (hex ? p.infoMinHex : p.infoMinText) + " to " +
           (hex ? p.infoMaxHex : p.infoMaxText) + " " + p.infoUnit;
}

std::string MonitorText(const OperatorPanel& p) {
    return p.infoUnit.empty() ? p.infoTitle : p.infoTitle + " in " + p.infoUnit;
}
}  // namespace

RefreshTexts MakeRefreshTexts(const DriveState& s) {
    RefreshTexts t;
    t.reference = PadLeft(FixedText(s.frequencyReference, 2), 5);
    const float magnitude = std::fabs(s.outputFrequency);
    t.outputFrequency = PadLeft(FixedText(magnitude, magnitude >= 100 ? 1 : 2), 5);
    t.current = s.motorFrequency != 0 ? FixedText(s.outputCurrent, 1) : "0.0";
    t.voltage = FixedText(s.outputVoltage, 1);
    return t;
}

void UpdateStateLabels(OperatorContext& c) {
    const OperatorPanel& p = c.panel;
    Label& status = c.form.StatusLabel;
    Label& info = c.form.InfoLabel;
    switch (p.state) {
        case FrequencyReferenceMode:
            status.text = "Frequency Reference Display";
            break;
        case DirectionMode:
            status.text = "Forward/Reverse";
            break;
        case OutputFrequencyMode:
            status.text = "Output Frequency Display";
            break;
        case OutputCurrentMode:
            status.text = "Output Current Display";
            break;
        case OutputVoltageMode:
            status.text = "Output Voltage Reference";
            break;
        case MonitorMode:
            status.text = "Monitor Display";
            break;
        case VerifyMode:
            status.text = "Verify Function";
            break;
        case SetupMode:
            status.text = "Setup Group Parameters";
            break;
        case ParameterMode:
            status.text = "All Parameters";
            break;
        case AutoTuningMode:
            status.text = "Auto-Tuning";
            break;
        case MonitorSelect:
            status.text = "Drive Status Monitors";
            info.text = MonitorText(p);
            return;
        case ParameterSelect:
            status.text = "Drive Parameters";
            info.text = RangeText(p, false);
            return;
        case ParameterEdit:
            status.text = "Parameter Edit";
            info.text = RangeText(p, false);
            return;
        case MonitorView:
            status.text = "Drive Monitor";
            info.text = MonitorText(p);
            return;
        case VerifySelect:
            status.text = "Modified Parameter";
            info.text = RangeText(p, false);
            return;
        case VerifyEdit:
            status.text = "Edit Modified Parameter";
            info.text = RangeText(p, true);
            return;
        default:
            return;  // the reference and direction editors keep the labels
    }
    info.text.clear();
}

}  // namespace qd
