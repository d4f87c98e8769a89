// The defaults that depend on the drive model and the kind of initialisation:
// the drive's ratings and, per control-method column, the defaults of the
// capacity-dependent parameters.
#pragma once

#include <array>

#include "core/DriveState.h"

namespace qd {

// One slot per capacity-dependent parameter (the 98 rows of the catalogue that
// take their defaults from the table), in catalogue order.
enum class DefaultSlot : int {
    // clang-format off
    B2_04, B3_01, B3_02, B3_06, B5_38, B5_39, B8_02, B8_03,
    B8_04, C2_01, C3_01, C3_02, C3_05, C4_01, C4_02, C5_01,
    C5_02, C5_03, C5_04, C6_01, C6_02, C6_03, C6_04, C6_05,
    E1_01, E1_03, E1_04, E1_05, E1_06, E1_07, E1_08, E1_09,
    E1_10, E1_11, E1_12, E1_13, E2_01, E2_02, E2_03, E2_05,
    E2_06, E2_10, E2_11, E3_04, E3_05, E3_06, E3_07, E3_08,
    E3_09, E3_10, E3_11, E3_12, E3_13, E4_01, E4_02, E4_03,
    E4_05, E4_06, E4_10, E4_11, E4_14, E5_01, E5_02, E5_03,
    E5_04, E5_05, E5_06, E5_07, E5_09, E5_24, H1_01, H1_02,
    H1_05, H1_06, H1_07, L1_01, L2_02, L2_03, L2_04, L2_05,
    L2_11, L3_01, L3_02, L3_04, L3_06, L3_17, L3_20, L3_21,
    L3_24, L8_02, L8_07, L8_09, L8_18, N1_03, O1_10, O1_11,
    O2_04, O2_06,
    // clang-format on
    Count
};

constexpr int kDefaultSlotCount = static_cast<int>(DefaultSlot::Count);

struct DefaultTable {
    float inputVoltageMinimum = 0;
    float inputVoltageMaximum = 0;
    float driveRatedCurrent = 0;
    float currentStep = 0;
    float undervoltageMinimum = 0;
    float undervoltageMaximum = 0;
    float dcBusMinimum = 0;
    float dcBusMaximum = 0;
    // columnDefaults[column - 1][slot]
    std::array<std::array<float, kDefaultSlotCount>, 4> columnDefaults{};

    float Get(int column, DefaultSlot slot) const {
        return columnDefaults[column - 1][static_cast<int>(slot)];
    }
    // The four column defaults of a slot, in column order.
    std::array<float, 4> Columns(DefaultSlot slot) const {
        return {Get(1, slot), Get(2, slot), Get(3, slot), Get(4, slot)};
    }
    // 0.1 x and 2 x the rated current: the range of the motor-current parameters.
    float RatedCurrentMinimum() const;
    float RatedCurrentMaximum() const;
};

// Fills the ratings and the four columns from driveModelCode and
// lastInitialisation; everything not computed for the model is 0.
void ComputeDefaultTable(DefaultTable& table, const DriveState& s);

}  // namespace qd
