#include "platform/headless/Snapshot.h"

#include <string>
#include <utility>

namespace qd::headless {

char GlyphOf(uint8_t segments) {
    static const std::pair<uint8_t, char> table[] = {
        // Digits, then the hexadecimal letters and the hyphen.
        {63, '0'},
        {6, '1'},
        {91, '2'},
        {79, '3'},
        {102, '4'},
        {109, '5'},
        {125, '6'},
        {7, '7'},
        {127, '8'},
        {103, '9'},
        {119, 'A'},
        {124, 'b'},
        {57, 'C'},
        {94, 'd'},
        {121, 'E'},
        {113, 'F'},
        {64, '-'},
        // Other capitals, then small letters; the first match wins.
        {61, 'G'},
        {118, 'H'},
        {31, 'J'},
        {117, 'K'},
        {56, 'L'},
        {43, 'M'},
        {115, 'P'},
        {49, 'R'},
        {120, 'T'},
        {62, 'U'},
        {106, 'W'},
        {73, 'X'},
        {110, 'Y'},
        {111, 'g'},
        {116, 'h'},
        {5, 'i'},
        {14, 'j'},
        {24, 'l'},
        {85, 'm'},
        {84, 'n'},
        {92, 'o'},
        {107, 'q'},
        {80, 'r'},
        {100, 's'},
        {112, 't'},
        {28, 'u'},
        {29, 'w'},
        {82, 'z'},
    };
    if (segments == 0) return ' ';
    for (const auto& [code, glyph] : table)
        if (code == segments) return glyph;
    return '?';
}

namespace {

template <typename T, typename F>
Json ArrayOf(const T& items, F f) {
    std::vector<Json> out;
    for (const auto* item : items) out.push_back(f(*item));
    return Json::Arr(out);
}

std::string DisplayText(TSimForm& form, bool honourDark) {
    std::string s;
    const auto digits = form.Digits();
    const auto points = form.Points();
    for (size_t i = 0; i < digits.size(); ++i) {
        s += honourDark && digits[i]->dark ? ' ' : GlyphOf(digits[i]->segments);
        if (points[i]->lit) s += '.';
    }
    return s;
}

}  // namespace

Json TakeSnapshot(TSimForm& form) {
    const DriveState& s = form.data->state;
    std::vector<Json> blink;
    for (bool b : form.display.blink) blink.push_back(Json::Flag(b));

    Json lamps = Json::Obj();
    lamps.Add("ALM", Json::Flag(form.ALMLED.lit))
        .Add("REV", Json::Flag(form.REVLED.lit))
        .Add("DRV", Json::Flag(form.DRVLED.lit))
        .Add("FOUT", Json::Flag(form.FOUTLED.lit))
        .Add("RUN", Json::Flag(form.RUNLED.lit))
        .Add("LORE", Json::Flag(form.LOCAL_REMOTE_LED.lit));

    Json outputs = Json::Obj();
    outputs.Add("MA", Json::Flag(form.MA.lit))
        .Add("MB", Json::Flag(form.MB.lit))
        .Add("P1", Json::Flag(form.P1.lit))
        .Add("P2", Json::Flag(form.P2.lit))
        .Add("AM", Json::Num(form.AMOUTPUT.value))
        .Add("MP", Json::Num(form.MPOUTPUT.value))
        .Add("AMpowered", Json::Flag(form.AMOUTPUT.powered))
        .Add("MPpowered", Json::Flag(form.MPOUTPUT.powered))
        .Add("RPM", Json::Num(form.RPM.value))
        .Add("fan", Json::Flag(form.MOTOR.running));

    Json j = Json::Obj();
    j.Add("type", Json::Str("snapshot"))
        .Add("t", Json::Num(static_cast<double>(form.clock.Now())))
        .Add("state", Json::Num(form.panel.state))
        .Add("segments", ArrayOf(form.Digits(),
                                 [](const SevenSegmentChar& d) { return Json::Num(d.segments); }))
        .Add("dark",
             ArrayOf(form.Digits(), [](const SevenSegmentChar& d) { return Json::Flag(d.dark); }))
        .Add("points", ArrayOf(form.Points(), [](const Lamp& l) { return Json::Flag(l.lit); }))
        .Add("blink", Json::Arr(blink))
        .Add("display", Json::Str(DisplayText(form, true)))
        .Add("text", Json::Str(DisplayText(form, false)))
        .Add("lamps", lamps)
        .Add("status", Json::Str(form.StatusLabel.text))
        .Add("info", Json::Str(form.InfoLabel.text))
        .Add("current2", Json::Str(form.Output_current2.text))
        .Add("outputs", outputs)
        .Add("editValue", Json::Num(form.panel.editValue))
        .Add("digitCursor", Json::Num(form.panel.digitCursor))
        .Add("keyLock", Json::Flag(form.panel.keyLock))
        .Add("verifyCount", Json::Num(form.panel.verifyCount))
        .Add("outputFrequency", Json::Num(s.outputFrequency))
        .Add("frequencyReference", Json::Num(s.frequencyReference))
        .Add("motorFrequency", Json::Num(s.motorFrequency))
        .Add("outputCurrent", Json::Num(s.outputCurrent))
        .Add("outputVoltage", Json::Num(s.outputVoltage))
        .Add("outputTorque", Json::Num(s.outputTorque))
        .Add("overloadEstimate", Json::Num(form.sim.overloadEstimate))
        .Add("runningForward", Json::Flag(s.runningForward))
        .Add("runningReverse", Json::Flag(s.runningReverse))
        .Add("runFlashing", Json::Flag(form.sim.runFlashing))
        .Add("runBlocked", Json::Flag(s.runBlocked))
        .Add("localMode", Json::Flag(s.localMode))
        .Add("reverseSelected", Json::Flag(s.reverseSelected))
        .Add("faultLatched", Json::Flag(s.faultLatched))
        .Add("faultShown", Json::Flag(s.faultShown))
        .Add("errorState", Json::Num(s.errorState))
        .Add("errorIndex", Json::Num(s.errorIndex))
        .Add("alarmActive", Json::Flag(s.alarmActive))
        .Add("alarmShowRequest", Json::Flag(s.alarmShowRequest))
        .Add("activeColumn", Json::Num(s.activeColumn))
        .Add("lastInitialisation", Json::Num(s.lastInitialisation));
    return j;
}

}  // namespace qd::headless
