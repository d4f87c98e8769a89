#include "core/SettingTexts.h"

#include "core/DriveData.h"
#include "core/FatalStop.h"

namespace qd {

namespace {

// The multi-function input settings; the values are hexadecimal.
// clang-format off
constexpr const char* kInputTexts[] = {
    "00 3-wire sequence (Forward/Reverse Run Command)",
    "01 Local/Remote selection (ON: Operator, OFF: Constant setting)",
    "02 Option/Inverter selection (ON: Option board)",
    "03 \"Multi-step speed reference 1 When H3-05 is set to 0, this function is combined with the master/auxiliary speed switch.\"",
    "04 Multi-step speed reference 2",
    "05 Multi-step speed reference 3",
    "06 Jog frequency command (higher priority than multi-step speed reference)",
    "07 Accel/decel time 1",
    "08 External baseblock NO (NO contact: Baseblock at ON)",
    "09 External baseblock NC (NC contact: Baseblock at OFF)",
    "0a Acceleration/deceleration ramp hold (ON: Acceleration/deceleration stopped, frequency on hold)",
    "0b OH2 alarm signal input (ON: OH2 will be displayed)",
    "0c Multi-function analog input selection (ON: Enable)",
    "0f Not used (Set when a terminal is not used)",
    "10 Up command (Always set with the down command)",
    "11 Down command (Always set with the up command)",
    "12 FJOG command (ON: Forward run at jog frequency d1-17)",
    "13 RJOG command (ON: Reverse run at jog frequency d1-17)",
    "14 Fault reset (Reset when turned ON)",
    "15 Emergency stop. (Normally open condition: Deceleration to stop in deceleration time set in C1-09 when ON.)",
    "16 Motor switch command (Motor 2 selection)",
    "17 Emergency stop (Normally closed condition: Deceleration to stop in deceleration time set in C1-09 when OFF)",
    "18 Timer function input (Functions are set in b4-01 and b4-02 and the timer function outputs are set in H1-oo and H2-oo.)",
    "19 PID control disable (ON: PID control disabled)",
    "1a Accel/Decel time 2",
    "1b Constants write enable (ON: All constants can be written-in. OFF: All constants other than frequency monitor are write protected.)",
    "1c Trim control increase (ON: d4-02 frequency is added to analog frequency reference.)",
    "1d Trim control decrease (ON: d4-02 frequency is subtracted from analog frequency reference.)",
    "1e Analog frequency reference sample/hold",
    "20 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "21 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "22 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "23 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "24 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "25 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "26 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "27 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "28 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "29 \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "2A \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "2B \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "2C \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "2D \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "2E \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "2F \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  Detection mode: Normal/during operation\"",
    "30 PID control integral reset (reset when reset command is input or when stopped during PID control)",
    "31 PID control integral hold (ON: Hold)",
    "32 Multi-step speed reference 4",
    "34 PID soft starter",
    "35 PID input characteristics switch",
    "40 Forward Run Command (NO)",
    "41 Reverse Run Command (NO)",
    "42 Forward Run Command (NC)",
    "43 Reverse Run Command (NC)",
    "44 Offset frequency 1 addition",
    "45 Offset frequency 2 addition",
    "46 Offset frequency 3 addition",
    "60 DC injection braking command (ON: Performs DC injection braking)",
    "61 External search command 1 (ON: Speed search from maximum output frequency)",
    "62 External search command 2 (ON: Speed search from set frequency)",
    "65 KEB (deceleration at momentary power loss) command (NC contact)",
    "66 KEB (deceleration at momentary power loss) command (NC contact)",
    "67 Communications test mode (“Pass” is displayed when the communications test is passed.)",
    "68 High-slip braking (HSB)",
    "6a Drive Enable",
    "75 Up command (Always set with the down command)",
    "76 Down command (Always set with the up command)",
    "7A KEB (deceleration at momentary power loss) command 2(NC contact)",
    "7B KEB (deceleration at momentary power loss) command 2(NC contact)",
    "7C Short Circuit Brake Command (N.O. digital input) (can be set for PM control only) from the Z9mini",
    "7D Short Circuit Brake Command (N.C. digital input) (can be set for PM control only) from the Z9mini",
    "7E Forward/reverse detection (for simple V/f w/PG)",
    "80 APPX DI1",
    "81 APPX DI2",
    "82 APPX DI3",
    "83 APPX DI4",
    "84 APPX DI5",
    "85 APPX DI6",
    "86 APPX DI7",
    "87 APPX DI8",
    "90 MFLX Digital Input 1",
    "91 MFLX Digital Input 2",
    "92 MFLX Digital Input 3",
    "93 MFLX Digital Input 4",
    "94 MFLX Digital Input 5",
    "95 MFLX Digital Input 6",
    "96 MFLX Digital Input 7",
    "97 MFLX Digital Input 8",
};

// The multi-function output settings.
constexpr const char* kOutputTexts[] = {
    "000 During Run",
    "001 Zero Speed",
    "002 Speed Agree 1",
    "003 User-Set Speed Agree 1",
    "004 Frequency (FOUT) Detection 1",
    "005 Frequency (FOUT) Detection 2",
    "006 Drive Ready",
    "007 DC Bus Undervoltage",
    "008 During Baseblock",
    "009 Option Reference",
    "00A Local/Remote",
    "00B Torque Detection 1 (N.O.)",
    "00C Loss of Reference",
    "00D Braking Resistor Fault",
    "00E Fault",
    "00F Not used",
    "010 Alarm",
    "011 Reset Command Active",
    "012 Timer Output",
    "013 Fref/Fout Agree 2",
    "014 Fref/Fset Agree 2",
    "015 Frequency Detection 3",
    "016 Frequency Detection 4",
    "017 Torque Detection 1 (N.C.)",
    "018 Torque Detection 2 (N.O.)",
    "019 Torque Detection 2 (N.C.)",
    "01A Reverse Direction",
    "01B Baseblock 2",
    "01C Motor 2 Selection",
    "01E Restart Enabled",
    "01F Overload OL1, OH Alarm",
    "020 OH Prealarm",
    "022 Mechanical Weakening (N.O.)",
    "02F Maintenance Period",
    "030 During Torque Limit",
    "037 During Run 2",
    "038 Drive Enable",
    "039 Watt Hour Pulse Output",
    "03C Drive Mode",
    "03D Speed Search",
    "03E PID Feedback Loss",
    "03F PID Feedback Fault",
    "040 DO 1 for APPX",
    "041 DO 2 for APPX",
    "042 DO 3 for APPX",
    "043 DO 4 for APPX",
    "044 DO 5 for APPX",
    "04A KEB Operation",
    "04B Short-Circuit Brake",
    "04C During Emergency Stop",
    "04D OH Prealarm Time Limit",
    "090 DO 1 for APPX",
    "091 DO 2 for APPX",
    "092 DO 3 for APPX",
    "100 During Run [Reverse]",
    "101 Zero Speed [Reverse]",
    "102 Speed Agree 1 [Reverse]",
    "103 User-Set Speed Agree 1 [Reverse]",
    "104 Frequency (FOUT) Detection 1 [Reverse]",
    "105 Frequency (FOUT) Detection 2 [Reverse]",
    "106 Drive Ready [Reverse]",
    "107 DC Bus Undervoltage [Reverse]",
    "108 During Baseblock [Reverse]",
    "109 Option Reference [Reverse]",
    "10A Local/Remote [Reverse]",
    "10B Torque Detection 1 (N.O.) [Reverse]",
    "10C Loss of Reference [Reverse]",
    "10D Braking Resistor Fault [Reverse]",
    "10E Fault [Reverse]",
    "10F Not used [Reverse]",
    "110 Alarm [Reverse]",
    "111 Reset Command Active [Reverse]",
    "112 Timer Output [Reverse]",
    "113 Fref/Fout Agree 2 [Reverse]",
    "114 Fref/Fset Agree 2 [Reverse]",
    "115 Frequency Detection 3 [Reverse]",
    "116 Frequency Detection 4 [Reverse]",
    "117 Torque Detection 1 (N.C.) [Reverse]",
    "118 Torque Detection 2 (N.O.) [Reverse]",
    "119 Torque Detection 2 (N.C.) [Reverse]",
    "11A Reverse Direction [Reverse]",
    "11B Baseblock 2 [Reverse]",
    "11C Motor 2 Selection [Reverse]",
    "11E Restart Enabled [Reverse]",
    "11F Overload OL1, OH Alarm [Reverse]",
    "120 OH Prealarm [Reverse]",
    "122 Mechanical Weakening (N.O.) [Reverse]",
    "12F Maintenance Period [Reverse]",
    "130 During Torque Limit [Reverse]",
    "137 During Run 2 [Reverse]",
    "138 Drive Enable [Reverse]",
    "139 Watt Hour Pulse Output [Reverse]",
    "13C Drive Mode [Reverse]",
    "13D Speed Search [Reverse]",
    "13E PID Feedback Loss [Reverse]",
    "13F PID Feedback Fault [Reverse]",
    "140 DO 1 for APPX [Reverse]",
    "141 DO 2 for APPX [Reverse]",
    "142 DO 3 for APPX [Reverse]",
    "143 DO 4 for APPX [Reverse]",
    "144 DO 5 for APPX [Reverse]",
    "14A KEB Operation [Reverse]",
    "14B Short-Circuit Brake [Reverse]",
    "14C During Emergency Stop [Reverse]",
    "14D OH Prealarm Time Limit [Reverse]",
    "190 DO 1 for APPX [Reverse]",
    "191 DO 2 for APPX [Reverse]",
    "192 DO 3 for APPX [Reverse]",
};
// clang-format on

template <std::size_t N>
std::vector<std::string> MakeList(const char* const (&rows)[N]) {
    std::vector<std::string> texts;
    texts.reserve(N);
    for (const char* row : rows) texts.emplace_back(row);
    return texts;
}

// The list a parameter gets, picked by its register; nullptr for none.
const std::vector<std::string>* ListForRegister(uint16_t reg) {
    if ((reg >= 1024 && reg <= 1028) || reg == 1080 || reg == 1081) return &InputSettingTexts();
    if (reg >= 1035 && reg <= 1037) return &OutputSettingTexts();
    return nullptr;
}

}  // namespace

const std::vector<std::string>& InputSettingTexts() {
    static const std::vector<std::string> texts = MakeList(kInputTexts);
    return texts;
}

const std::vector<std::string>& OutputSettingTexts() {
    static const std::vector<std::string> texts = MakeList(kOutputTexts);
    return texts;
}

void AddSettingText(DriveData& d, SettingTextList& list, const SettingTextEntry& text,
                    uint8_t editType, int entryIndex) {
    if (editType != 1) {
        const ParameterEntry* e = d.parameters.Entry(entryIndex);
        throw FatalStopError("Error in list, Address: " + (e != nullptr ? e->Code() : ""));
    }
    const int column = d.state.activeColumn;
    if (column >= 1 && column <= 4 && text.available[column - 1] == 0) return;
    if (list.Count() >= kMaxSettingTexts) {
        throw FatalStopError(
            "Parameter selection list to long, max.=" + std::to_string(kMaxSettingTexts) + "!");
    }
    list.entries.push_back(std::make_unique<SettingTextEntry>(text));
}

void AttachSettingTexts(DriveData& d, SettingTextList& list, uint16_t reg, uint8_t editType,
                        int entryIndex) {
    list.entries.clear();
    const std::vector<std::string>* texts = ListForRegister(reg);
    if (texts == nullptr) {
        if (editType == 1) {
            throw FatalStopError("Edit Type <> 0 but no list found! Address :" +
                                 std::to_string(reg));
        }
        return;
    }
    SettingTextEntry entry;  // every text is available in all four columns
    for (const std::string& text : *texts) {
        entry.text = text;
        AddSettingText(d, list, entry, editType, entryIndex);
    }
}

void AttachAllSettingTexts(DriveData& d) {
    for (int position = 1; position <= d.state.parameterCount; ++position) {
        ParameterEntry* e = d.parameters.Entry(position);
        if (e == nullptr) continue;
        AttachSettingTexts(d, e->settingTexts, e->reg, e->editType, position);
    }
}

void RebuildSettingTexts(DriveData& d) {
    for (int position = 1; position <= d.state.parameterCount; ++position) {
        ParameterEntry* e = d.parameters.Entry(position);
        if (e == nullptr) continue;
        if (e->editType == 1) e->settingTexts.entries.clear();
        AttachSettingTexts(d, e->settingTexts, e->reg, e->editType, position);
    }
}

}  // namespace qd
