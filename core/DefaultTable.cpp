#include "core/DefaultTable.h"

namespace qd {

namespace {

using S = DefaultSlot;

// One slot of the model's table. `columns` marks the columns the model fills
// (bit 0 = column 1); the others keep 0.
struct SlotDefaults {
    DefaultSlot slot;
    std::array<float, 4> values;
    unsigned columns = 0xF;
};

constexpr unsigned kColumn1Only = 0x1;
constexpr unsigned kNotColumn3 = 0xB;

// Model 97 (hexadecimal 61): 200 V class, 0.4 kW, 3.2 A.
constexpr SlotDefaults kModel97[] = {
    // clang-format off
    {S::B2_04, {0.5f, 0.5f, 0.5f, 0.5f}},
    {S::B3_01, {0, 0, 0, 0}},
    {S::B3_02, {120, 120, 100, 120}},
    {S::B3_06, {0.5f, 0.5f, 0.5f, 0.5f}},
    {S::B5_38, {100, 100, 100, 100}},
    {S::B5_39, {2, 2, 0, 2}, kNotColumn3},
    {S::B8_02, {0.7f, 0.7f, 0.7f, 0.7f}},
    {S::B8_03, {0.5f, 0.5f, 0.5f, 0.5f}},
    {S::B8_04, {288.2f, 288.2f, 288.2f, 288.2f}},
    {S::C2_01, {0.2f, 0.2f, 0.2f, 0.2f}},
    {S::C3_01, {0, 0, 1, 0}},
    {S::C3_02, {2000, 2000, 200, 2000}},
    {S::C3_05, {0, 0, 0, 0}},
    {S::C4_01, {1, 1, 1, 1}},
    {S::C4_02, {200, 20, 20, 100}},
    {S::C5_01, {0.2f, 0.2f, 0.2f, 0.2f}},
    {S::C5_02, {0.2f, 0.2f, 0.2f, 0.2f}},
    {S::C5_03, {0.02f, 0.02f, 0.02f, 0.02f}},
    {S::C5_04, {0.05f, 0.05f, 0.05f, 0.05f}},
    {S::C6_01, {1, 0, 0, 0}, kColumn1Only},
    {S::C6_02, {7, 7, 7, 7}},
    {S::C6_03, {2, 2, 2, 2}},
    {S::C6_04, {2, 2, 2, 2}},
    {S::C6_05, {0, 0, 0, 0}},
    {S::E1_01, {230, 230, 230, 230}},
    {S::E1_03, {15, 15, 15, 15}},
    {S::E1_04, {60, 60, 60, 60}},
    {S::E1_05, {230, 230, 230, 230}},
    {S::E1_06, {60, 60, 60, 60}},
    {S::E1_07, {3, 3, 3, 3}},
    {S::E1_08, {18.4f, 18.4f, 18.4f, 18.4f}},
    {S::E1_09, {1.5f, 1.5f, 1.5f, 1.5f}},
    {S::E1_10, {12, 12, 12, 12}},
    {S::E1_11, {0, 0, 0, 0}},
    {S::E1_12, {0, 0, 0, 0}},
    {S::E1_13, {0, 0, 0, 0}},
    {S::E2_01, {1.9f, 1.9f, 1.9f, 1.9f}},
    {S::E2_02, {2.9f, 2.9f, 2.9f, 2.9f}},
    {S::E2_03, {1.2f, 1.2f, 1.2f, 1.2f}},
    {S::E2_05, {9.842f, 9.842f, 9.842f, 9.842f}},
    {S::E2_06, {18.2f, 18.2f, 18.2f, 18.2f}},
    {S::E2_10, {14, 14, 14, 14}},
    {S::E2_11, {0.4f, 0.4f, 0.4f, 0.4f}},
    {S::E3_04, {60, 60, 60, 60}},
    {S::E3_05, {230, 230, 230, 230}},
    {S::E3_06, {60, 60, 60, 60}},
    {S::E3_07, {3, 3, 3, 3}},
    {S::E3_08, {18.4f, 18.4f, 18.4f, 18.4f}},
    {S::E3_09, {1.5f, 1.5f, 1.5f, 1.5f}},
    {S::E3_10, {12, 12, 12, 12}},
    {S::E3_11, {0, 0, 0, 0}},
    {S::E3_12, {0, 0, 0, 0}},
    {S::E3_13, {0, 0, 0, 0}},
    {S::E4_01, {1.9f, 1.9f, 1.9f, 1.9f}},
    {S::E4_02, {2.9f, 2.9f, 2.9f, 2.9f}},
    {S::E4_03, {1.2f, 1.2f, 1.2f, 1.2f}},
    {S::E4_05, {9.842f, 9.842f, 9.842f, 9.842f}},
    {S::E4_06, {18.2f, 18.2f, 18.2f, 18.2f}},
    {S::E4_10, {14, 14, 14, 14}},
    {S::E4_11, {0.4f, 0.4f, 0.4f, 0.4f}},
    {S::E4_14, {1, 1, 1, 1}},
    {S::E5_01, {0, 0, 0, 0}},
    {S::E5_02, {0.1f, 0.1f, 0.1f, 0.4f}},
    {S::E5_03, {0.6f, 0.6f, 0.6f, 0.4f}},
    {S::E5_04, {4, 4, 4, 2}},
    {S::E5_05, {0, 0, 0, 0}},
    {S::E5_06, {0, 0, 0, 0}},
    {S::E5_07, {0, 0, 0, 0}},
    {S::E5_09, {0, 0, 0, 0}},
    {S::E5_24, {0, 0, 0, 0}},
    {S::H1_05, {3, 3, 3, 3}},
    {S::H1_06, {4, 4, 4, 4}},
    {S::H1_07, {6, 6, 6, 6}},
    {S::L1_01, {1, 1, 1, 4}},
    {S::L2_02, {0.1f, 0.1f, 0.1f, 0.1f}},
    {S::L2_03, {0.2f, 0.2f, 0.2f, 0.2f}},
    {S::L2_04, {0.3f, 0.3f, 0.3f, 0.3f}},
    {S::L2_05, {190, 190, 190, 190}},
    {S::L2_11, {240, 240, 240, 240}},
    {S::L3_01, {1, 1, 1, 1}},
    {S::L3_02, {150, 150, 150, 150}},
    {S::L3_04, {1, 1, 1, 1}},
    {S::L3_06, {150, 150, 150, 150}},
    {S::L3_17, {370, 370, 370, 370}},
    {S::L3_20, {1, 1, 1, 1}},
    {S::L3_21, {1, 1, 1, 1}},
    {S::L3_24, {0.178f, 0.178f, 0.178f, 0.178f}},
    {S::L8_02, {100, 100, 100, 100}},
    {S::L8_07, {1, 1, 1, 1}},
    {S::L8_09, {1, 1, 1, 1}},
    {S::L8_18, {1, 1, 1, 1}},
    {S::N1_03, {10, 10, 10, 10}},
    {S::O1_10, {6000, 6000, 6000, 6000}},
    {S::O1_11, {2, 2, 2, 2}},
    {S::O2_04, {97, 97, 97, 97}},
    {S::O2_06, {0, 0, 0, 0}},
    // clang-format on
};

void Fill(DefaultTable& table, DefaultSlot slot, const std::array<float, 4>& values,
          unsigned columns = 0xF) {
    for (int k = 0; k < 4; ++k) {
        if (columns & (1u << k)) table.columnDefaults[k][static_cast<int>(slot)] = values[k];
    }
}

}  // namespace

// Computed in double and rounded once, so 0.1 x 3.2 A is the Single nearest 0.32.
float DefaultTable::RatedCurrentMinimum() const {
    return static_cast<float>(0.1 * static_cast<double>(driveRatedCurrent));
}

float DefaultTable::RatedCurrentMaximum() const {
    return static_cast<float>(2.0 * static_cast<double>(driveRatedCurrent));
}

void ComputeDefaultTable(DefaultTable& table, const DriveState& s) {
    table = DefaultTable{};
    if (s.driveModelCode != 97) return;  // the only model with a table

    table.inputVoltageMinimum = 155;
    table.inputVoltageMaximum = 255;
    table.driveRatedCurrent = 3.2f;
    table.currentStep = 100;
    table.undervoltageMinimum = 150;
    table.undervoltageMaximum = 210;
    table.dcBusMinimum = 150;
    table.dcBusMaximum = 400;

    for (const SlotDefaults& row : kModel97) Fill(table, row.slot, row.values, row.columns);

    // 2220 wires S1/S2 as forward/reverse run (40, 41); 3330 leaves them unused (0F).
    const bool twoWire = s.lastInitialisation == 2220;
    const float s1 = twoWire ? 64 : 15;
    const float s2 = twoWire ? 65 : 15;
    Fill(table, S::H1_01, {s1, s1, s1, s1});
    Fill(table, S::H1_02, {s2, s2, s2, s2});
}

}  // namespace qd
