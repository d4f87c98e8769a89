// The parameter catalogue of the QD720: the placeholder and the 440 rows, one
// per line, in ascending order of code (the menus rely on the order).
#include "core/ParameterRows.h"

#include <iterator>
#include <string>

#include "core/DriveData.h"
#include "core/ParameterCatalogue.h"

namespace qd {
namespace rows {

namespace {

using S = DefaultSlot;

constexpr const char* kFreqUnit = nullptr;  // the drive's frequency unit text
constexpr Bound VinMin{Rating::InputVoltageMinimum};
constexpr Bound VinMax{Rating::InputVoltageMaximum};
constexpr Bound IMin{Rating::RatedCurrentMinimum};
constexpr Bound IMax{Rating::RatedCurrentMaximum};
constexpr Bound IStep{Rating::CurrentStep};
constexpr Bound UvMin{Rating::UndervoltageMinimum};
constexpr Bound UvMax{Rating::UndervoltageMaximum};
constexpr Bound DcMin{Rating::DcBusMinimum};
constexpr Bound DcMax{Rating::DcBusMaximum};

constexpr ParameterRow kPlaceholder{"---00", 0, "Dummy", "", 0, 0, 2, 1, "4444", "E"};

// code, register, name, unit, defaults (one value, four columns or a table
// slot), minimum, maximum, step, access levels, flags.
constexpr ParameterRow kRows[] = {
    // clang-format off
    {"A1-01", 257, "Access Level Selection", "", 2, 0, 9999, 1, "1111", "R"},
    {"A1-02", 258, "Control Method Selection", "", 0, 0, 7, 1, "3333", "T4"},
    {"A1-03", 259, "Initialize Parameters", "", 0, 0, 9990, 1, "4444", "T3"},
    {"A1-06", 295, "Application Selection", "", 0, 0, 7, 1, "4444", "S"},
    {"A1-07", 296, "MFLX Function Selection", "", 0, 0, 2, 1, "4444", ""},
    {"A2-01", 262, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-02", 263, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-03", 264, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-04", 265, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-05", 266, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-06", 267, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-07", 268, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-08", 269, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-09", 270, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-10", 271, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-11", 272, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-12", 273, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-13", 274, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-14", 275, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-15", 276, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-16", 277, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-17", 278, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-18", 279, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-19", 280, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-20", 281, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-21", 282, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-22", 283, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-23", 284, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-24", 285, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-25", 286, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-26", 287, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-27", 288, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-28", 289, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-29", 290, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-30", 291, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-31", 292, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-32", 293, "Preferred Parameters", "", 0, 0, 65535, 1, "4444", "T2"},
    {"A2-33", 294, "Preferred Parameter Automatic Selection", "", 0, 0, 1, 1, "4444", ""},
    {"B1-01", 384, "Frequency Reference Selection", "", 1, 0, 4, 1, "3333", ""},
    {"B1-02", 385, "Run Command Selection", "", 1, 0, 3, 1, "3333", ""},
    {"B1-03", 386, "Stopping Method Selection", "", 0, 0, 3, 1, "3333", ""},
    {"B1-04", 387, "Reverse Operation Selection", "", 0, 0, 1, 1, "4444", ""},
    {"B1-07", 390, "Local/Remote Run Selection", "", 0, 0, 1, 1, "4444", ""},
    {"B1-08", 391, "Run Command Selection during Program", "", 0, 0, 2, 1, "4444", ""},
    {"B1-14", 451, "Phase Order Selection", "", 0, 0, 1, 1, "4444", ""},
    {"B1-15", 452, "Frequency Reference 2", "", 0, 0, 4, 1, "4444", ""},
    {"B1-16", 453, "Run Command Source 2", "", 0, 0, 3, 1, "4444", ""},
    {"B1-17", 454, "Run Command at Power Up", "", 0, 0, 1, 1, "4444", ""},
    {"B2-01", 393, "DC Injection Braking Start Frequency", "Hz", 0.5f, 0, 10, 10, "4444", ""},
    {"B2-02", 394, "DC Injection Braking Current", "%", 50, 0, 100, 1, "4444", ""},
    {"B2-03", 395, "DC Injection Braking Time/DC Excitation Time at Start", "sec", 0, 0, 10, 100, "4445", ""},
    {"B2-04", 396, "DC Injection Braking Time at Stop", "sec", S::B2_04, 0, 10, 100, "4444", ""},
    {"B2-08", 400, "Magnetic Flux Compensation Capacity", "%", 0, 0, 1000, 1, "0040", ""},
    {"B2-12", 442, "Short Circuit Brake Time at Start", "sec", 0, 0, 25.5f, 100, "0004", ""},
    {"B2-13", 443, "Short Circuit Brake Time at Stop", "sec", 0.5f, 0, 25.5f, 100, "0004", ""},
    {"B2-15", 445, "DC Injection Braking Current 2", "%", 50, 0, 100, 1, "4444", ""},
    {"B3-01", 401, "Speed Search Selection at Start", "", S::B3_01, 0, 1, 1, "4444", ""},
    {"B3-02", 402, "Speed Search Deactivation Current", "%", S::B3_02, 0, 200, 1, "4444", ""},
    {"B3-03", 403, "Speed Search Deceleration Time", "sec", 2, 0.1f, 10, 10, "4440", ""},
    {"B3-05", 405, "Speed Search Delay Time", "sec", 0.2f, 0, 100, 10, "4444", ""},
    {"B3-06", 406, "Output Current 1 during Speed Search", "", S::B3_06, 0, 2, 100, "4444", ""},
    {"B3-10", 410, "Speed Search Detection Compensation Gain", "", 1.1f, 1, 1.2f, 100, "4400", ""},
    {"B3-14", 414, "Bi-Directional Speed Search Selection", "", 1, 0, 1, 1, "4440", ""},
    {"B3-17", 496, "Speed Search Restart Current Level", "%", 150, 0, 200, 1, "4444", ""},
    {"B3-18", 497, "Speed Search Restart Detection Time", "sec", 0.1f, 0, 1, 100, "4444", ""},
    {"B3-19", 498, "Number of Speed Search Restarts", "", 3, 0, 10, 1, "4445", ""},
    {"B3-24", 448, "Speed Search Method Selection", "", 0, 0, 1, 1, "4400", ""},
    {"B3-25", 456, "Speed Search Selection", "", 1, 0, 1, 1, "4400", ""},
    {"B4-01", 419, "Timer Function On-Delay Time", "sec", 0, 0, 3000, 10, "4444", ""},
    {"B4-02", 420, "Timer Function Off-Delay Time", "sec", 0, 0, 3000, 10, "4444", ""},
    {"B5-01", 421, "PID Function Setting", "", 0, 0, 4, 1, "4444", ""},
    {"B5-02", 422, "Proportional Gain Setting (P)", "", 1, 0, 25, 100, "4444", "R"},
    {"B5-03", 423, "Integral Time Setting (I)", "sec", 1, 0, 360, 10, "4444", "R"},
    {"B5-04", 424, "Integral Limit Setting", "%", 100, 0, 100, 10, "4444", "R"},
    {"B5-05", 425, "Derivative Time", "sec", 0, 0, 10, 100, "4444", "R"},
    {"B5-06", 426, "PID Output Limit", "%", 100, 0, 100, 10, "4444", "R"},
    {"B5-07", 427, "PID Offset Adjustment", "%", 0, -100, 100, 10, "4444", "R"},
    {"B5-08", 428, "PID Primary Delay Time Constant", "sec", 0, 0, 10, 100, "4444", "R"},
    {"B5-09", 429, "PID Output Level Selection", "", 0, 0, 1, 1, "4444", ""},
    {"B5-10", 430, "PID Output Gain Setting", "", 1, 0, 25, 100, "4444", ""},
    {"B5-11", 431, "PID Output Reverse Selection", "", 0, 0, 1, 1, "4444", ""},
    {"B5-12", 432, "PID Feedback Reference Missing Detection Selection", "", 0, 0, 5, 1, "4444", ""},
    {"B5-13", 433, "PID Feedback Loss Detection Level", "%", 0, 0, 100, 1, "4444", ""},
    {"B5-14", 434, "PID Feedback Loss Detection Time", "sec", 1, 0, 25.5f, 10, "4444", ""},
    {"B5-15", 435, "PID Sleep Function Start Level", "Hz", 0, 0, 400, 10, "4444", ""},
    {"B5-16", 436, "PID Sleep Delay Time", "sec", 0, 0, 25.5f, 10, "4444", ""},
    {"B5-17", 437, "PID Accel/Decel Time", "sec", 0, 0, 6000, 10, "4444", ""},
    {"B5-18", 476, "PID Setpoint Selection", "", 0, 0, 1, 1, "4444", ""},
    {"B5-19", 477, "PID Setpoint Value", "%", 0, 0, 100, 100, "4444", ""},
    {"B5-20", 482, "PID Setpoint Scaling", "", 1, 0, 3, 1, "4444", ""},
    {"B5-34", 415, "PID Output Lower Limit", "%", 0, -100, 100, 10, "4444", "R"},
    {"B5-35", 416, "PID Input Limit", "%", 1000, 0, 1000, 10, "4444", "R"},
    {"B5-36", 417, "PID Feedback High Detection Level", "%", 100, 0, 100, 1, "4444", ""},
    {"B5-37", 418, "PID Feedback High Detection Time", "sec", 1, 0, 25.5f, 10, "4444", ""},
    {"B5-38", 510, "PID Setpoint / User Display", "", S::B5_38, 1, 60000, 1, "4444", ""},
    {"B5-39", 511, "PID Setpoint and Display Digits", "", S::B5_39, 0, 3, 1, "4444", ""},
    {"B6-01", 438, "Dwell Reference at Start", "Hz", 0, 0, 400, 10, "4444", ""},
    {"B6-02", 439, "Dwell Time at Start", "sec", 0, 0, 10, 10, "4444", ""},
    {"B6-03", 440, "Dwell Frequency at Stop", "Hz", 0, 0, 400, 10, "4444", ""},
    {"B6-04", 441, "Dwell Time at Stop", "sec", 0, 0, 10, 10, "4444", ""},
    {"B8-01", 460, "Energy Saving Control Selection", "", 0, 0, 1, 1, "4440", ""},
    {"B8-02", 461, "Energy Saving Gain", "", S::B8_02, 0, 10, 10, "0040", "R"},
    {"B8-03", 462, "Energy Saving Control Filter Time Constant", "sec", S::B8_03, 0, 10, 100, "0040", "R"},
    {"B8-04", 463, "Energy Saving Coefficient Value", "", S::B8_04, 0, 655, 100, "4400", ""},
    {"B8-05", 464, "Power Detection Filter Time", "ms", 20, 0, 2000, 1, "4400", ""},
    {"B8-06", 465, "Search Operation Voltage Limit", "%", 0, 0, 100, 1, "4400", ""},
    {"B8-19", 509, "Motor Iron Loss for Energy Savings", "", 0, 0, 1, 1, "4400", "E"},
    {"C1-01", 512, "Acceleration Time 1", "sec.", 10, 0, 6000, 10, "3333", "R"},
    {"C1-02", 513, "Deceleration Time 1", "sec.", 10, 0, 6000, 10, "3333", "R"},
    {"C1-03", 514, "Acceleration Time 2", "sec.", 10, 0, 6000, 10, "4444", "R"},
    {"C1-04", 515, "Deceleration Time 2", "sec.", 10, 0, 6000, 10, "4444", "R"},
    {"C1-05", 516, "Acceleration Time 3 (Motor 2 Accel Time 1)\"", "sec.", 10, 0, 6000, 10, "4444", "R"},
    {"C1-06", 517, "Deceleration Time 3 (Motor 2 Decel Time 1)\"", "sec.", 10, 0, 6000, 10, "4444", "R"},
    {"C1-07", 518, "Acceleration Time 4 (Accel Time 2 for Motor 2)\"", "sec.", 10, 0, 6000, 10, "4444", "R"},
    {"C1-08", 519, "Deceleration Time 4 (Decel Time 2 for Motor 2)\"", "sec.", 10, 0, 6000, 10, "4444", "R"},
    {"C1-09", 520, "Emergency Stop Time", "sec.", 10, 0, 6000, 10, "4444", ""},
    {"C1-10", 521, "Accel/Decel Time Setting Units", "", 1, 0, 1, 1, "4444", ""},
    {"C1-11", 522, "Accel/Decel Switch Frequency", "Hz", 0, 0, 400, 10, "4444", ""},
    {"C2-01", 523, "S-Curve Characteristic at Accel Start", "sec", S::C2_01, 0, 10, 100, "4444", ""},
    {"C2-02", 524, "S-Curve Characteristic at Accel End", "sec", 0.2f, 0, 10, 100, "4444", ""},
    {"C2-03", 525, "S-Curve Characteristic at Decel Start", "sec", 0.2f, 0, 10, 100, "4444", ""},
    {"C2-04", 526, "S-Curve Characteristic at Decel End", "sec", 0, 0, 10, 100, "4444", ""},
    {"C3-01", 527, "Slip Compensation Gain", "", S::C3_01, 0, 2.5f, 10, "4440", "R"},
    {"C3-02", 528, "Slip Compensation Primary Delay Time", "ms", S::C3_02, 0, 10000, 1, "4440", ""},
    {"C3-03", 529, "Slip Compensation Limit", "%", 200, 0, 250, 1, "4440", ""},
    {"C3-04", 530, "Slip Compensation Selection during Regeneration", "", 0, 0, 1, 1, "4440", ""},
    {"C3-05", 531, "Output Voltage Limit Operation Selection", "", S::C3_05, 0, 1, 1, "0040", ""},
    {"C4-01", 533, "Torque Compensation Gain", "", S::C4_01, 0, 2.5f, 100, "4444", "R"},
    {"C4-02", 534, "Torque Compensation Primary Delay Time", "ms", S::C4_02, 0, 60000, 1, "4444", ""},
    {"C4-03", 535, "Torque Compensation at Forward Start", "%", 0, 0, 200, 10, "0040", ""},
    {"C4-04", 536, "Torque Compensation at Reverse Start", "%", 0, -200, 0, 10, "0040", ""},
    {"C4-05", 537, "Torque Compensation Time Constant", "ms", 10, 0, 200, 1, "0040", ""},
    {"C4-06", 538, "Torque Compensation Primary Delay Time 2", "ms", 150, 0, 10000, 1, "0400", ""},
    {"C5-01", 539, "ASR Proportional Gain 1(for Simple PG V/f Control)", "", S::C5_01, 0, 10, 100, "0400", "R"},
    {"C5-02", 540, "ASR Integral Time 1(for Simple PG V/f Control)", "sec", S::C5_02, 0, 10, 1000, "0400", "R"},
    {"C5-03", 541, "ASR Proportional Gain 2)(for Simple PG V/f Control)", "", S::C5_03, 0, 10, 100, "0400", "R"},
    {"C5-04", 542, "ASR Integral Time 2(for Simple PG V/f Control)", "sec", S::C5_04, 0, 10, 1000, "0400", "R"},
    {"C5-05", 543, "ASR Limit(for Simple PG V/f Control)", "%", 5, 0, 20, 10, "0400", ""},
    {"C6-01", 547, "Duty Cycle", "", S::C6_01, 0, 1, 1, "3333", ""},
    {"C6-02", 548, "Carrier Frequency Selection", "", S::C6_02, 0, 15, 1, "3333", "H"},
    {"C6-03", 549, "Carrier Frequency Upper Limit", "kHz", S::C6_03, 1, 15, 10, "4444", ""},
    {"C6-04", 550, "Carrier Frequency Lower Limit", "kHz", S::C6_04, 0.4f, 15, 10, "4400", ""},
    {"C6-05", 551, "Carrier Frequency Proportional Gain", "", S::C6_05, 0, 99, 1, "4400", ""},
    {"D1-01", 640, "Frequency Reference 1", kFreqUnit, 0, 0, 400, 100, "3333", "R"},
    {"D1-02", 641, "Frequency Reference 2", kFreqUnit, 0, 0, 400, 100, "3333", "R"},
    {"D1-03", 642, "Frequency Reference 3", kFreqUnit, 0, 0, 400, 100, "3333", "R"},
    {"D1-04", 643, "Frequency Reference 4", kFreqUnit, 0, 0, 400, 100, "3333", "R"},
    {"D1-05", 644, "Frequency Reference 5", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-06", 645, "Frequency Reference 6", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-07", 646, "Frequency Reference 7", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-08", 647, "Frequency Reference 8", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-09", 648, "Frequency Reference 9", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-10", 651, "Frequency Reference 10", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-11", 652, "Frequency Reference 11", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-12", 653, "Frequency Reference 12", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-13", 654, "Frequency Reference 13", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-14", 655, "Frequency Reference 14", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-15", 656, "Frequency Reference 15", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-16", 657, "Frequency Reference 16", kFreqUnit, 0, 0, 400, 100, "4444", "R"},
    {"D1-17", 658, "Jog Frequency Reference", kFreqUnit, 6, 0, 400, 100, "3333", "R"},
    {"D2-01", 649, "Frequency Reference Upper Limit", "%", 100, 0, 110, 10, "4444", ""},
    {"D2-02", 650, "Frequency Reference Lower Limit", "%", 0, 0, 110, 10, "4444", ""},
    {"D2-03", 659, "Master Speed Reference Lower Limit", "%", 0, 0, 110, 10, "4444", ""},
    {"D3-01", 660, "Jump Frequency 1", "Hz", 0, 0, 400, 10, "4444", ""},
    {"D3-02", 661, "Jump Frequency 2", "Hz", 0, 0, 400, 10, "4444", ""},
    {"D3-03", 662, "Jump Frequency 3", "Hz", 0, 0, 400, 10, "4444", ""},
    {"D3-04", 663, "Jump Frequency Widt", "Hz", 1, 0, 20, 10, "4444", ""},
    {"D4-01", 664, "Frequency Reference Hold Function Selection", "", 0, 0, 1, 1, "4444", ""},
    {"D4-03", 682, "Frequency Reference Bias Step(Up/Down 2)", "Hz", 0, 0, 99.99f, 100, "4444", "R"},
    {"D4-04", 683, "Frequency Reference Accel/Decel(Up/Down 2)", "", 0, 0, 1, 1, "4444", "R"},
    {"D4-05", 684, "Frequency Reference Bias Operation Mode Selection(Up/Down 2)", "", 0, 0, 1, 1, "4444", "R"},
    {"D4-06", 685, "Frequency Reference Bias (Up/Down 2)", "%", 0, -99.9f, 100, 10, "4444", ""},
    {"D4-07", 686, "Analog Frequency Reference Fluctuation Limit(Up/Down 2)", "%", 1, 0.1f, 100, 10, "4444", "R"},
    {"D4-08", 687, "Frequency Reference Upper Limit(Up/Down 2)", "%", 100, 0, 100, 10, "4444", "R"},
    {"D4-09", 688, "Frequency Reference Lower Limit(Up/Down 2)", "%", 0, -99.9f, 100, 10, "4444", "R"},
    {"D4-10", 689, "Frequency Reference Bias Setting", "%", 10, 0, 50, 1, "4444", "E"},
    {"D7-01", 690, "Offset Frequency 1", "%", 0, -100, 100, 10, "4444", "R"},
    {"D7-02", 691, "Offset Frequency 2", "%", 0, -100, 100, 10, "4444", "R"},
    {"D7-03", 692, "Offset Frequency 3", "%", 0, -100, 100, 10, "4444", "R"},
    {"E1-01", 768, "Input Voltage Setting", "VAC", S::E1_01, VinMin, VinMax, 1, "3333", ""},
    {"E1-03", 770, "V/f Pattern Selection", "", S::E1_03, 0, VinMax, 1, "4440", "H"},
    {"E1-04", 771, "Max Output Frequency (FMAX)", "Hz", S::E1_04, 40, 400, 10, "3333", ""},
    {"E1-05", 772, "Max Voltage (VMAX)", "VAC", S::E1_05, 0, VinMax, 10, "3333", ""},
    {"E1-06", 773, "Base Frequency (FA)", "Hz", S::E1_06, 0, 400, 10, "3333", ""},
    {"E1-07", 774, "Mid Output Frequency (FB)", "Hz", S::E1_07, 0, 400, 10, "4440", ""},
    {"E1-08", 775, "Mid Output Frequency Voltage (VC)", "VAC", S::E1_08, 0, VinMax, 10, "4440", ""},
    {"E1-09", 776, "Minimum Output Frequency (FMIN)", "Hz", S::E1_09, 0, 400, 10, "3333", ""},
    {"E1-10", 777, "Minimum Output Frequency Voltage (VMIN)", "VAC", S::E1_10, 0, VinMax, 10, "4440", ""},
    {"E1-11", 778, "Mid Output Frequency 2", "Hz", S::E1_11, 0, 400, 10, "4440", ""},
    {"E1-12", 779, "Mid Output Frequency Voltage 2", "VAC", S::E1_12, 0, VinMax, 10, "4440", ""},
    {"E1-13", 780, "Base Voltage (VBASE)", "VAC", S::E1_13, 0, VinMax, 10, "4430", ""},
    {"E2-01", 782, "Motor Rated Current", "A", S::E2_01, IMin, IMax, IStep, "3330", ""},
    {"E2-02", 783, "Motor Rated Slip", "Hz", S::E2_02, 0, 20, 100, "4440", ""},
    {"E2-03", 784, "Motor No-Load Current", "A", S::E2_03, IMin, IMax, 10, "4440", ""},
    {"E2-04", 785, "Number of Motor Poles", "poles", 4, 2, 48, 1, "4440", ""},
    {"E2-05", 786, "Motor Line-to-Line Resistance", "OHM", S::E2_05, 0, 65, 1000, "4440", ""},
    {"E2-06", 787, "Motor Leakage Inductance", "%", S::E2_06, 0, 40, 10, "4440", ""},
    {"E2-07", 788, "Motor Iron-Core Saturation Coefficient 1", "", 0.5f, 0, 0.5f, 100, "0040", ""},
    {"E2-08", 789, "Motor Iron-Core Saturation Coefficient 2", "", 0.75f, 0.5f, 0.75f, 100, "0040", ""},
    {"E2-09", 790, "Motor Mechanical Loss", "%", 0, 0, 10, 10, "0040", ""},
    {"E2-10", 791, "Motor Iron Loss for Torque Compensation", "W", S::E2_10, 0, 65535, 1, "4440", ""},
    {"E2-11", 792, "Motor Rated Output", "KW", S::E2_11, 0, 650, 100, "3330", ""},
    {"E2-12", 808, "Motor Iron-Core Saturation Coefficient3", "", 1.3f, 1.3f, 5, 100, "0040", ""},
    {"E3-01", 793, "Motor 2 Control Method Selection", "", 0, 0, 3, 1, "4440", ""},
    {"E3-04", 794, "(FMAX)", "Hz", S::E3_04, 40, 400, 10, "4440", ""},
    {"E3-05", 795, "Motor 2 Max Voltage(VMAX)", "VAC", S::E3_05, 0, VinMax, 10, "4440", ""},
    {"E3-06", 796, "Motor 2 Base Frequency(FA)", "Hz", S::E3_06, 0, 400, 10, "4440", ""},
    {"E3-07", 797, "Motor 2 Minimum Output Frequency (FB)", "Hz", S::E3_07, 0, 400, 10, "4440", ""},
    {"E3-08", 798, "Motor 2 Mid Output Frequency Voltage (VC)", "VAC", S::E3_08, 0, VinMax, 10, "4440", ""},
    {"E3-09", 799, "Motor 2 Minimum Output Frequency (FMIN)", "Hz", S::E3_09, 0, 400, 10, "4440", ""},
    {"E3-10", 800, "Motor 2 Minimum Output Frequency Voltage (VMIN)", "VAC", S::E3_10, 0, VinMax, 10, "4440", ""},
    {"E3-11", 837, "Motor 2 Mid Output Frequency 2", "Hz", S::E3_11, 0, 400, 10, "4440", ""},
    {"E3-12", 838, "Motor 2 Mid Output Frequency Voltage2", "VAC", S::E3_12, 0, VinMax, 10, "4440", ""},
    {"E3-13", 839, "Motor 2 Base Voltage (VBASE)", "VAC", S::E3_13, 0, 255, 10, "3330", ""},
    {"E4-01", 801, "Motor 2 Rated Current", "A", S::E4_01, IMin, IMax, IStep, "4440", ""},
    {"E4-02", 802, "Motor 2 Rated Slip", "Hz", S::E4_02, 0, 20, 100, "4440", ""},
    {"E4-03", 803, "Motor 2 Rated No-Load Current", "A", S::E4_03, IMin, IMax, 10, "4440", ""},
    {"E4-04", 804, "Motor 2 Motor Poles", "poles", 4, 2, 48, 1, "4440", ""},
    {"E4-05", 805, "Motor 2 Line-to-Line Resistance", "OHM", S::E4_05, 0, 65, 1000, "4440", ""},
    {"E4-06", 806, "Motor 2 Leakage Inductance", "%", S::E4_06, 0, 40, 10, "4440", ""},
    {"E4-07", 835, "Motor 2 Motor Iron-Core Saturation Coefficient 1", "", 0.5f, 0, 0.5f, 100, "0040", ""},
    {"E4-08", 836, "Motor 2 Motor Iron-Core Saturation Coefficient 2", "", 0.75f, 0.5f, 0.75f, 100, "0040", ""},
    {"E4-09", 831, "Motor 2 Mechanical Loss", "%", 0, 0, 10, 10, "0040", ""},
    {"E4-10", 832, "Motor 2 Iron Loss", "W", S::E4_10, 0, 65535, 1, "4440", ""},
    {"E4-11", 807, "Motor 2 Rated Capacity", "KW", S::E4_11, 0, 650, 100, "4440", ""},
    {"E4-12", 834, "Motor 2 Iron-Core Saturation Coefficient 3", "", 1.3f, 1.3f, 5, 100, "0040", ""},
    {"E4-14", 830, "Motor 2 Torque Compensation Gain", "", S::E4_14, 0, 2.5f, 100, "4440", "R"},
    {"E4-15", 833, "Torque Compensation Gain  Motor 2", "", 0, 0, 10, 100, "4440", "R"},
    {"E5-01", 809, "Motor Code Selection(for PM motor)", "", S::E5_01, 0, 65535, 1, "0003", ""},
    {"E5-02", 810, "Motor Rated Capacity(for PM motor)", "KW", S::E5_02, 0, 650, 100, "0003", ""},
    {"E5-03", 811, "Motor Rated Current (for PM motor)", "A", S::E5_03, IMin, IMax, 100, "0003", ""},
    {"E5-04", 812, "Motor Poles(for PM motor)", "poles", S::E5_04, 2, 48, 1, "0003", ""},
    {"E5-05", 813, "Motor Armature Resistance(for PM motor)", "OHM", S::E5_05, 0, 650, 100, "0003", ""},
    {"E5-06", 814, "Motor d Axis Inductance(for PM motor)", "mH", S::E5_06, 0, 300, 100, "0003", ""},
    {"E5-07", 815, "Motor q Axis Inductance(for PM motor)", "mH", S::E5_07, 0, 600, 100, "0003", ""},
    {"E5-09", 817, "Motor Induction Voltage Constant 1(for PM motor)", "mV sec/rad", S::E5_09, 0, 2000, 10, "0003", ""},
    {"E5-24", 851, "Motor Induction Voltage Parameter 2 (for PM motor)", "", S::E5_24, 0, 2000, 10, "0003", ""},
    {"F1-02", 897, "Operation Selection at PG Open Circuit (PGO)", "", 1, 0, 3, 1, "0400", ""},
    {"F1-03", 898, "Operation Selection at Overspeed (OS)(for Simple PG V/f)", "", 1, 0, 3, 1, "0400", ""},
    {"F1-04", 899, "Operation Selection at Deviation(for Simple PG V/f Control)", "", 3, 0, 3, 1, "0400", ""},
    {"F1-08", 903, "Overspeed Detection Level(for Simple PG V/f Control)", "%", 115, 0, 120, 1, "0400", ""},
    {"F1-09", 904, "Overspeed Detection Delay Time(for Simple PG V/f Control)", "sec", 0, 0, 2, 10, "0400", ""},
    {"F1-10", 905, "Excessive Speed Deviation Detection Level(for Simple PG V/f Control)", "%", 10, 0, 50, 1, "0400", ""},
    {"F1-11", 906, "Excessive Speed Deviation Detection Delay Time(for Simple PG V/f Control)", "sec", 0.5f, 0, 10, 10, "0400", ""},
    {"F1-14", 909, "PG Open-Circuit Detection Time(for Simple PG V/f Control)", "sec", 2, 0, 10, 10, "0400", ""},
    {"F6-01", 930, "Operation selection after communications error", "", 1, 0, 3, 1, "4444", ""},
    {"F6-02", 931, "Selection of External Fault from Communication Option Board", "", 0, 0, 1, 1, "4444", ""},
    {"F6-03", 932, "Stopping Method for External Fault from Communication Option Board", "", 1, 0, 3, 1, "4444", ""},
    {"F6-04", 933, "Trace Sampling from Communications Option Board", "", 0, 0, 60000, 1, "4444", ""},
    {"F6-10", 950, "Node Address", "", 64, 0, 64, 1, "4444", ""},
    {"F6-11", 951, "Communication Speed", "", 3, 0, 4, 1, "4444", ""},
    {"F6-14", 955, "BUS Reset Selection", "", 0, 0, 1, 1, "4444", ""},
    {"F6-20", 961, "MAC Address", "", 64, 0, 64, 1, "4444", ""},
    {"F6-21", 962, "Baud Rate", "", 3, 0, 4, 1, "4444", ""},
    {"F6-22", 963, "PCA setting", "", 1, 0, 255, 1, "4444", ""},
    {"F6-23", 964, "PPA setting", "", 1, 0, 255, 1, "4444", ""},
    {"F6-24", 965, "Idle Mode Fault Detection Selection", "", 0, 0, 1, 1, "4444", ""},
    {"F6-30", 971, "Node Address", "", 0, 0, 125, 1, "4444", ""},
    {"F6-31", 972, "Clear Mode Selection", "", 0, 0, 1, 1, "4444", ""},
    {"F6-32", 973, "ProfibusMap Selection", "", 0, 0, 255, 1, "4444", ""},
    {"F6-35", 976, "Node Address", "", 0, 0, 63, 1, "4444", ""},
    {"F6-36", 977, "Communicatrion Speed", "", 0, 0, 4, 1, "4444", ""},
    {"F6-40", 981, "Node Address", "", 0, 0, 63, 1, "4444", ""},
    {"F6-41", 982, "Communiation Speed", "", 0, 0, 4, 1, "4444", ""},
    {"F7-01", 997, "IP Address 1", "", 192, 0, 255, 1, "4444", ""},
    {"F7-02", 998, "IP Address 2", "", 168, 0, 255, 1, "4444", ""},
    {"F7-03", 999, "IP Address 3", "", 1, 0, 255, 1, "4444", ""},
    {"F7-04", 1000, "IP Address 4", "", 20, 0, 255, 1, "4444", ""},
    {"F7-05", 1001, "Subnet Mask 1", "", 255, 0, 255, 1, "4444", ""},
    {"F7-06", 1002, "Subnet Mask 2", "", 255, 0, 255, 1, "4444", ""},
    {"F7-07", 1003, "Subnet Mask 3", "", 255, 0, 255, 1, "4444", ""},
    {"F7-08", 1004, "Subnet Mask 4", "", 0, 0, 255, 1, "4444", ""},
    {"F7-09", 1005, "Gateway Address 1", "", 192, 0, 255, 1, "4444", ""},
    {"F7-10", 1006, "Gateway Address 2", "", 168, 0, 255, 1, "4444", ""},
    {"F7-11", 1007, "Gateway Address 3", "", 1, 0, 255, 1, "4444", ""},
    {"F7-12", 1008, "Gateway Address 4", "", 1, 0, 255, 1, "4444", ""},
    {"F7-13", 1009, "Address Startup Mode", "", 2, 0, 2, 1, "4444", ""},
    {"F7-14", 1010, "Security Mode Setting", "", 1, 0, 1, 1, "4444", ""},
    {"F7-15", 1011, "Duplex Mode Setting", "", 1, 0, 2, 1, "4444", ""},
    {"F7-18", 1014, "Speed Mode Setting", "", 0, 0, 3, 1, "4444", ""},
    {"F7-19", 1015, "Webpage access", "", 1, 0, 1, 1, "4444", ""},
    {"F7-20", 1016, "Gateway Use Enable", "", 1, 0, 1, 1, "4444", ""},
    {"F7-21", 1017, "Timeout Value", "sec", 0, 0, 300, 10, "4444", ""},
    {"H1-01", 1080, "Multi-Function Digital Input Terminal S1 Function Selection", "", S::H1_01, 0, 159, 1, "4444", "H T1"},
    {"H1-02", 1081, "Multi-Function Digital Input Terminal S2 Function Selection", "", S::H1_02, 0, 159, 1, "4444", "H T1"},
    {"H1-03", 1024, "Multi-Function Digital Input Terminal S3 Function Selection", "", 36, 0, 159, 1, "4444", "H T1"},
    {"H1-04", 1025, "Multi-Function Digital Input Terminal S4 Function Selection", "", 20, 0, 159, 1, "4444", "H T1"},
    {"H1-05", 1026, "Multi-Function Digital Input Terminal S5 Function Selection", "", S::H1_05, 0, 159, 1, "4444", "H T1"},
    {"H1-06", 1027, "Multi-Function Digital Input Terminal S6 Function Selection", "", S::H1_06, 0, 159, 1, "4444", "H T1"},
    {"H1-07", 1028, "Multi-Function Digital Input Terminal S7 Function Selection", "", S::H1_07, 0, 159, 1, "4444", "H T1"},
    {"H2-01", 1035, "Terminals MA, MB, and MC Function Selection (relays)\"", "", 14, 0, 402, 1, "4444", "H T1"},
    {"H2-02", 1036, "Terminals P1 Function Selection (open-collector)", "", 0, 0, 402, 1, "4444", "H T1"},
    {"H2-03", 1037, "Terminals P2 Function Selection (open-collector)", "", 2, 0, 402, 1, "4444", "H T1"},
    {"H2-06", 1079, "Watt Hour Output Unit Selection", "", 0, 0, 4, 1, "4444", ""},
    {"H3-01", 1040, "Terminal A1 Signal Level Selection", "", 0, 0, 1, 1, "4444", ""},
    {"H3-02", 1076, "Terminal A1 Function Selection", "", 0, 0, 49, 1, "4444", "H"},
    {"H3-03", 1041, "Terminal A1 Gain Setting", "%", 100, -999.9f, 999.9f, 10, "4444", "R"},
    {"H3-04", 1042, "Terminal A1 Bias Setting", "%", 0, -999.9f, 999.9f, 10, "4444", "R"},
    {"H3-09", 1047, "Terminal A2 Signal Level Selection", "", 2, 0, 3, 1, "4444", ""},
    {"H3-10", 1048, "Terminal A2 Function Selection", "", 0, 0, 49, 1, "4444", "H"},
    {"H3-11", 1049, "Terminal A2 Gain Setting", "%", 100, -999.9f, 999.9f, 10, "4444", "R"},
    {"H3-12", 1050, "Frequency Reference (Current)Terminal A2Input Bias", "%", 0, -999.9f, 999.9f, 10, "4444", "R"},
    {"H3-13", 1051, "Analog Input Filter Time Constant", "sec", 0.03f, 0, 2, 100, "4444", ""},
    {"H4-01", 1053, "Multi-Function Analog 1 (Terminal AM Monitor Selection)", "", 102, 0, 999, 1, "4444", ""},
    {"H4-02", 1054, "Multi-Function Analog 1 (Terminal AM Output Gain)", "%", 100, -999.9f, 999.9f, 10, "3333", "R"},
    {"H4-03", 1055, "Multi-Function Analog 1 (Terminal AM Output Bias)", "%", 0, -999.9f, 999.9f, 10, "4444", "R"},
    {"H5-01", 1061, "Drive Node Address", "", 31, 0, 31, 1, "4444", "H"},
    {"H5-02", 1062, "Communication Speed Selection", "", 3, 0, 8, 1, "4444", ""},
    {"H5-03", 1063, "Communication Parity Selection", "", 0, 0, 2, 1, "4444", ""},
    {"H5-04", 1064, "Stopping Method After Communication Error", "", 3, 0, 3, 1, "4444", ""},
    {"H5-05", 1065, "Communication Fault Detection Selection", "", 1, 0, 1, 1, "4444", ""},
    {"H5-06", 1066, "Drive Transmit Wait Time", "ms", 5, 5, 65, 1, "4444", ""},
    {"H5-07", 1067, "RTS Control Selection", "", 1, 0, 1, 1, "4444", ""},
    {"H5-09", 1077, "CE Detection Time", "sec", 2, 0, 10, 10, "4444", ""},
    {"H5-10", 1078, "Unit Selection for Linknet Register 0025", "", 0, 0, 1, 1, "4444", ""},
    {"H5-11", 1084, "Communications ENTER Function Selection", "", 0, 0, 1, 1, "4444", ""},
    {"H5-12", 1085, "Run Command Method Selection", "", 0, 0, 1, 1, "4444", ""},
    {"H6-01", 1068, "Terminal RP Pulse Train Input Function Selection", "", 0, 0, 3, 1, "4444", ""},
    {"H6-02", 1069, "Pulse Train Input Scaling", "Hz", 1440, 1000, 32000, 1, "4444", "R"},
    {"H6-03", 1070, "Pulse Train Input Gain", "%", 100, 0, 1000, 10, "4444", "R"},
    {"H6-04", 1071, "Pulse Train Input Bias", "%", 0, -100, 100, 10, "4444", "R"},
    {"H6-05", 1072, "Pulse Train Input Filter Time", "sec", 0.1f, 0, 2, 100, "4444", "R"},
    {"H6-06", 1073, "Terminal MP Pulse Train Monitor Selection", "", 102, 0, 809, 1, "4444", "R"},
    {"H6-07", 1074, "Pulse Train Monitor Scaling", "Hz", 1440, 0, 32000, 1, "4444", "R"},
    {"L1-01", 1152, "Motor Overload Protection Selection", "", S::L1_01, 0, 4, 1, "3333", ""},
    {"L1-02", 1153, "Motor Overload Protection Time", "min", 1, 1, 5, 10, "4444", ""},
    {"L1-03", 1154, "Motor Overheat Alarm Operation Selection (PTC input)", "", 3, 0, 3, 1, "4444", ""},
    {"L1-04", 1155, "Motor Overheat Fault Operation Selection (PTC input)", "", 1, 0, 2, 1, "4444", ""},
    {"L1-05", 1156, "Motor Temperature Input Filter Time (PTC input)", "sec", 0.2f, 0, 10, 100, "4444", ""},
    {"L1-13", 1133, "Continuous Eletrothermal Operation Selection", "", 1, 0, 1, 1, "4444", ""},
    {"L2-01", 1157, "Momentary Power Loss Operation Selection", "", 0, 0, 2, 1, "4444", ""},
    {"L2-02", 1158, "Momentary Power Loss Ridethru Time", "sec", S::L2_02, 0, 25.5f, 10, "4444", ""},
    {"L2-03", 1159, "Momentary Power Loss Minimum Baseblock Time", "sec", S::L2_03, 0.1f, 5, 10, "4444", ""},
    {"L2-04", 1160, "Momentary Power Loss Voltage Recovery Ramp Time", "sec", S::L2_04, 0, 5, 10, "4444", ""},
    {"L2-05", 1161, "Undervoltage Detection Level(UV)", "VDC", S::L2_05, UvMin, UvMax, 1, "4444", ""},
    {"L2-06", 1162, "KEB Deceleration Time", "sec", 0, 0, 200, 10, "4440", ""},
    {"L2-07", 1163, "Momentary Power Loss Ridethru Time", "sec", 0, 0, 25.5f, 10, "4440", ""},
    {"L2-08", 1164, "Minimum Frequency Gain at KEB Start", "%", 100, 0, 300, 1, "4400", ""},
    {"L2-11", 1121, "Desired DC Bus Voltage during KEB", "V", S::L2_11, DcMin, DcMax, 1, "4444", ""},
    {"L3-01", 1167, "Stall Prevention Selection during Acceleration", "", S::L3_01, 0, 2, 1, "4444", ""},
    {"L3-02", 1168, "Stall Prevention Level during Acceleration", "%", S::L3_02, 0, 150, 1, "4444", ""},
    {"L3-03", 1169, "Stall Prevention Limit during Acceleration", "%", 50, 0, 100, 1, "4444", ""},
    {"L3-04", 1170, "Stall Prevention Selection during Deceleration", "", S::L3_04, 0, 4, 1, "3333", ""},
    {"L3-05", 1171, "Stall Prevention Selection during Run", "", 1, 0, 2, 1, "4444", ""},
    {"L3-06", 1172, "Stall Prevention Level during Run", "%", S::L3_06, 30, 150, 1, "4444", ""},
    {"L3-11", 1223, "OV Suppression Function Selection", "", 0, 0, 1, 1, "4445", ""},
    {"L3-17", 1122, "Overvoltage Suppression and Deceleration Stall and Desired DC Bus Voltage during Motor Stall", "V", S::L3_17, DcMin, DcMax, 1, "4444", ""},
    {"L3-20", 1125, "Main Circuit Voltage Adjustment Gain", "", S::L3_20, 0, 5, 100, "4440", ""},
    {"L3-21", 1126, "Acceleration Deceleration Rate Calculation Gain", "", S::L3_21, 0, 200, 100, "4440", ""},
    {"L3-22", 1273, "Deceleration Time at Stall Prevention during Acceleration", "sec", 0, 0, 6000, 10, "0004", ""},
    {"L3-23", 1277, "Automatic Reduction Function Selection for Stall Prevention during Run", "", 0, 0, 1, 1, "4444", ""},
    {"L3-24", 1134, "Motor Acceleration Time for Inertia Calculations", "sec", S::L3_24, 0.001f, 10, 1000, "4440", ""},
    {"L3-25", 1135, "Load Inertia Ratio", "", 1, 0, 1000, 10, "4440", ""},
    {"L4-01", 1177, "Speed Agreement Detection Level", "Hz", 0, 0, 400, 10, "4444", ""},
    {"L4-02", 1178, "Speed Agreement Detection Width", "Hz", 2, 0, 20, 10, "4444", ""},
    {"L4-03", 1179, "Speed Agreement Detection Level(+/-)", "Hz", 0, -400, 400, 10, "4444", ""},
    {"L4-04", 1180, "Speed Agreement Detection Width (+/-)", "Hz", 2, 0, 20, 10, "4444", ""},
    {"L4-05", 1181, "Frequency Reference Loss Detection Selection", "", 0, 0, 1, 1, "4444", ""},
    {"L4-06", 1218, "Frequency Reference at Reference Loss", "%", 80, 0, 100, 10, "4444", ""},
    {"L4-07", 1136, "", "", 0, 0, 1, 1, "4444", ""},
    {"L5-01", 1182, "Number of Auto Restart Attempts", "", 0, 0, 10, 1, "4444", ""},
    {"L5-02", 1183, "Auto Restart Operation Selection", "", 0, 0, 1, 1, "4444", ""},
    {"L5-04", 1132, "Fault Reset Interval Time", "SEC", 10, 0.5f, 600, 10, "4444", ""},
    {"L5-05", 1127, "Fault Reset Operation Selection", "", 0, 0, 1, 1, "4444", ""},
    {"L6-01", 1185, "Torque Detection Selection 1", "", 0, 0, 8, 1, "4444", ""},
    {"L6-02", 1186, "Torque Detection Level 1", "%", 150, 0, 300, 1, "4444", ""},
    {"L6-03", 1187, "Torque Detection Time 1", "sec", 0.1f, 0, 10, 10, "4444", ""},
    {"L6-04", 1188, "Torque Detection Selection 2", "", 0, 0, 8, 1, "4444", ""},
    {"L6-05", 1189, "Torque Detection Level 2", "%", 150, 0, 300, 1, "4444", ""},
    {"L6-06", 1190, "Torque Detection Time 2", "sec", 0.1f, 0, 10, 10, "4444", ""},
    {"L6-08", 1128, "Mechanical Weakening Detection Operation", "", 0, 0, 8, 1, "4444", ""},
    {"L6-09", 1129, "Mechanical Weakening Detection Speed Level", "%", 110, -110, 110, 10, "4444", ""},
    {"L6-10", 1130, "Mechanical Weakening Detection Time", "sec", 0.1f, 0, 10, 10, "4444", ""},
    {"L6-11", 1131, "Mechanical Weakening Detection Start Time", "H", 0, 0, 65535, 1, "4444", ""},
    {"L7-01", 1191, "Forward Torque Limit", "%", 200, 0, 300, 1, "0040", ""},
    {"L7-02", 1192, "Reverse Torque Limit", "%", 200, 0, 300, 1, "0040", ""},
    {"L7-03", 1193, "Forward Regenerative Torque Limit", "%", 200, 0, 300, 1, "0040", ""},
    {"L7-04", 1194, "Reverse Regenerative Torque Limit", "%", 200, 0, 300, 1, "0040", ""},
    {"L7-06", 1196, "Torque Limit Integral Time Constant", "ms", 200, 5, 10000, 1, "0040", ""},
    {"L7-07", 1225, "Torque Limit Control Method Selection during Accel/Decel", "", 0, 0, 1, 1, "0040", ""},
    {"L8-01", 1197, "Internal Dynamic Braking Resistor Protection Selection(ERF type)", "", 0, 0, 1, 1, "4444", ""},
    {"L8-02", 1198, "Overheat Alarm Level", "C", S::L8_02, 50, 130, 1, "4444", ""},
    {"L8-03", 1199, "Overheat Pre-Alarm Operation Selection", "", 3, 0, 4, 1, "4444", ""},
    {"L8-05", 1201, "Input Phase Loss Protection Selection", "", 0, 0, 1, 1, "4444", ""},
    {"L8-07", 1203, "Output Phase Loss Protection", "", S::L8_07, 0, 2, 1, "4444", ""},
    {"L8-09", 1205, "Output Ground Fault Detection Selection", "", S::L8_09, 0, 1, 1, "4444", ""},
    {"L8-10", 1206, "Heatsink Cooling Fan Operation Selection", "", 0, 0, 2, 1, "4444", ""},
    {"L8-11", 1207, "Heatsink Cooling Fan Operation Delay Time", "sec", 60, 0, 300, 1, "4444", ""},
    {"L8-12", 1208, "Ambient Temperature Setting", "C", 40, -10, 50, 1, "4444", ""},
    {"L8-15", 1211, "OL2 Characteristics Selection at Low Speeds", "", 1, 0, 1, 1, "4440", ""},
    {"L8-18", 1214, "Soft CLA Selection", "", S::L8_18, 0, 1, 1, "4440", ""},
    {"L8-19", 1215, "Frequency Reduction Rate during OH Pre-Alarm", "%", 20, 10, 100, 10, "4444", ""},
    {"L8-29", 1247, "Current Unbalance Detection (LF2)", "", 1, 0, 1, 1, "0004", ""},
    {"L8-35", 1260, "Side-by-Side Selection", "", 0, 0, 3, 1, "4444", ""},
    {"L8-38", 1263, "Carrier Frequency Reduction", "", 1, 0, 2, 1, "4444", ""},
    {"L8-40", 1265, "Low Carrier Frequency Time", "sec", 0.5f, 0, 2, 10, "4444", ""},
    {"L8-41", 1266, "Current Alarm Selection", "", 0, 0, 1, 1, "4444", ""},
    {"N1-01", 1408, "Hunting Prevention Selection", "", 1, 0, 1, 1, "4404", ""},
    {"N1-02", 1409, "Hunting Prevention Gain Setting", "", 1, 0, 2, 100, "4404", ""},
    {"N1-03", 1410, "Hunting Prevention Time Constant", "ms", S::N1_03, 0, 500, 1, "4400", ""},
    {"N1-05", 1328, "Hunting Prevention Gain while in Reverse", "", 0, 0, 2, 100, "4400", ""},
    {"N2-01", 1412, "Speed Feedback Detection Control (AFR) Gain", "", 1, 0, 2, 100, "0040", ""},
    {"N2-02", 1413, "Speed Feedback Detection Control (AFR) Time Constant", "ms", 50, 0, 2000, 1, "0040", ""},
    {"N2-03", 1414, "Speed Feedback Detection Control (AFR) Time Constant 2", "ms", 750, 0, 2000, 1, "0040", ""},
    {"N3-01", 1416, "High Slip Braking Deceleration Frequency Width", "%", 5, 1, 20, 1, "4400", ""},
    {"N3-02", 1417, "High Slip Braking Current Limit", "%", 150, 100, 200, 1, "4400", ""},
    {"N3-03", 1418, "High Slip Braking Dwell Time at Stop", "sec", 1, 0, 10, 10, "4400", ""},
    {"N3-04", 1419, "High Slip Braking Overload Time", "sec", 40, 30, 1200, 1, "4400", ""},
    {"N3-13", 1329, "Overexcitation Deceleration Gain", "", 1.1f, 1, 2, 100, "4040", ""},
    {"N3-21", 1401, "Overslip Suppression Current Level", "%", 100, 0, 200, 1, "4040", ""},
    {"N3-23", 1403, "Overexcitation Operation Selection", "", 0, 0, 2, 1, "4040", ""},
    {"N6-01", 1392, "Line-to-Line Motor Resistance Online Tuning", "", 0, 0, 2, 1, "0040", ""},
    {"N8-45", 1336, "Speed Feedback Detection Control Gain*", "", 0.8f, 0, 10, 100, "0004", ""},
    {"N8-47", 1338, "Pull-In Current Compensation Time Constant", "sec", 5, 0, 100, 10, "0004", ""},
    {"N8-48", 1339, "Pull-In Current*", "%", 30, 20, 200, 1, "0004", ""},
    {"N8-49", 1340, "Load Current*", "%", 0, -100, 100, 10, "0004", ""},
    {"N8-51", 1342, "Acceleration Time Pull-In Current*", "%", 50, 0, 200, 1, "0004", ""},
    {"N8-55", 1390, "Load Inertia", "", 0, 0, 3, 1, "0004", ""},
    {"O1-01", 1280, "Drive Mode Unit Monitor Selection", "", 106, 104, 638, 1, "4444", "R"},
    {"O1-02", 1281, "User Monitor Selection After Power Up", "", 1, 1, 5, 1, "4444", "R"},
    {"O1-03", 1282, "Digital Operator Display Selection", "", 0, 0, 3, 1, "4444", ""},
    {"O1-10", 1312, "Frequency Reference Setting and User-Set Display", "", S::O1_10, 1, 60000, 1, "4444", ""},
    {"O1-11", 1313, "Frequency Reference Setting / Decimal Display", "", S::O1_11, 0, 3, 1, "4444", ""},
    {"O2-01", 1285, "LOCAL/REMOTE Key Function Selection", "", 1, 0, 1, 1, "4444", ""},
    {"O2-02", 1286, "STOP Key Function Selection", "", 1, 0, 1, 1, "4444", ""},
    {"O2-03", 1287, "User Parameter Default Value", "", 0, 0, 2, 1, "4444", ""},
    {"O2-04", 1288, "Drive/kVA Selection", "", S::O2_04, 0, 255, 1, "4444", "H"},
    {"O2-05", 1289, "Frequency Reference Setting Method Selection", "", 0, 0, 1, 1, "4444", ""},
    {"O2-06", 1290, "Operation Selection when Digital Operator is Disconnected", "", S::O2_06, 0, 1, 1, "4444", ""},
    {"O2-07", 1319, "Motor Direction at Power Up when Using Operator", "", 0, 0, 1, 1, "4444", ""},
    {"O2-09", 1293, "Initialization Specification Selection", "", 0, 0, 1, 1, "4444", ""},
    {"O4-01", 1291, "Accumulated Operation Time Setting", "H", 0, 0, 9999, 1, "4444", ""},
    {"O4-02", 1292, "Accumulated Operation Time Selection", "", 0, 0, 1, 1, "4444", ""},
    {"O4-03", 1294, "Cooling Fan Maintenance Setting (Operation Time)", "H", 0, 0, 9999, 1, "4444", ""},
    {"O4-05", 1309, "Capacitor Maintenance Setting", "%", 0, 0, 150, 1, "4444", ""},
    {"O4-07", 1315, "Inrush Prevention Relay Maintenance Setting", "%", 0, 0, 150, 1, "4444", ""},
    {"O4-09", 1317, "IGBT Maintenance Setting", "%", 0, 0, 150, 1, "4444", ""},
    {"O4-11", 1296, "U2, U3 Initial Value Selection\"", "", 0, 0, 1, 1, "4444", ""},
    {"O4-12", 1298, "kWH Monitor Initial Value Selection", "", 0, 0, 1, 1, "4444", ""},
    {"O4-13", 1320, "Motor rpm Reset", "", 0, 0, 1, 1, "4444", ""},
    // clang-format on
};

static_assert(std::size(kRows) == 440);

}  // namespace

float Bound::Value(const DefaultTable& table) const {
    switch (rating) {
        case Rating::None:
            return constant;
        case Rating::InputVoltageMinimum:
            return table.inputVoltageMinimum;
        case Rating::InputVoltageMaximum:
            return table.inputVoltageMaximum;
        case Rating::RatedCurrentMinimum:
            return table.RatedCurrentMinimum();
        case Rating::RatedCurrentMaximum:
            return table.RatedCurrentMaximum();
        case Rating::CurrentStep:
            return table.currentStep;
        case Rating::UndervoltageMinimum:
            return table.undervoltageMinimum;
        case Rating::UndervoltageMaximum:
            return table.undervoltageMaximum;
        case Rating::DcBusMinimum:
            return table.dcBusMinimum;
        case Rating::DcBusMaximum:
            return table.dcBusMaximum;
    }
    return constant;
}

std::array<float, 4> Defaults::Values(const DefaultTable& table) const {
    return FromTable() ? table.Columns(static_cast<DefaultSlot>(slot)) : constants;
}

const ParameterRow& PlaceholderRow() {
    return kPlaceholder;
}

std::span<const ParameterRow> CatalogueRows() {
    return kRows;
}

void RegisterRow(DriveData& d, uint8_t mode, const ParameterRow& row) {
    std::array<uint8_t, 4> access{};
    for (int k = 0; k < 4; ++k) access[k] = static_cast<uint8_t>(row.access[k] - '0');
    uint8_t editType = 0;
    uint8_t changeableDuringRun = 0;
    int32_t displayMode = 0;
    int32_t storeAction = 0;
    VariantSet variants = FullVariants();
    for (const char* f = row.flags; *f != '\0'; ++f) {
        switch (*f) {
            case 'R':
                changeableDuringRun = 1;
                break;
            case 'H':
                displayMode = 1;
                break;
            case 'S':
                storeAction = 1;
                break;
            case 'E':
                variants = EmptyVariants();
                break;
            case 'T':
                editType = static_cast<uint8_t>(f[1] - '0');
                ++f;
                break;
            default:
                break;
        }
    }
    const std::string unit = row.unit != nullptr ? row.unit : d.state.frequencyUnitText;
    RegisterParameter(d, mode, row.code, row.reg, row.name, unit, row.defaults.Values(d.defaults),
                      row.minimum.Value(d.defaults), row.maximum.Value(d.defaults),
                      row.step.Value(d.defaults), access, editType, changeableDuringRun, variants,
                      displayMode, storeAction);
}

}  // namespace rows

void BuildParameterCatalogue(DriveData& d, uint8_t mode) {
    d.state.listNumber = 0;
    rows::RegisterRow(d, mode, rows::PlaceholderRow());
    for (const rows::ParameterRow& row : rows::CatalogueRows()) rows::RegisterRow(d, mode, row);
}

}  // namespace qd
