// The capacity-dependent default table.
#include <gtest/gtest.h>

#include <vector>

#include "core/DefaultTable.h"

namespace qd {
namespace {

DefaultTable Computed(uint16_t lastInitialisation, int model = 97) {
    DriveState s;
    s.lastInitialisation = lastInitialisation;
    s.driveModelCode = model;
    DefaultTable t;
    ComputeDefaultTable(t, s);
    return t;
}

TEST(DefaultTable, RatingsOfModel97) {
    const DefaultTable t = Computed(2220);
    EXPECT_EQ(t.inputVoltageMinimum, 155);
    EXPECT_EQ(t.inputVoltageMaximum, 255);
    EXPECT_EQ(t.driveRatedCurrent, 3.2f);
    EXPECT_EQ(t.currentStep, 100);
    EXPECT_EQ(t.undervoltageMinimum, 150);
    EXPECT_EQ(t.undervoltageMaximum, 210);
    EXPECT_EQ(t.dcBusMinimum, 150);
    EXPECT_EQ(t.dcBusMaximum, 400);
    // 0.1 x and 2 x the rated current, as the trainee types them.
    EXPECT_EQ(t.RatedCurrentMinimum(), 0.32f);
    EXPECT_EQ(t.RatedCurrentMaximum(), 6.4f);
}

TEST(DefaultTable, OneSlotPerCapacityDependentParameter) {
    EXPECT_EQ(kDefaultSlotCount, 98);
}

TEST(DefaultTable, ColumnDefaults) {
    struct Case {
        DefaultSlot slot;
        std::array<float, 4> values;
    };
    const std::vector<Case> cases = {
        {DefaultSlot::C4_02, {200, 20, 20, 100}},
        {DefaultSlot::L1_01, {1, 1, 1, 4}},
        {DefaultSlot::E5_02, {0.1f, 0.1f, 0.1f, 0.4f}},
        {DefaultSlot::E5_03, {0.6f, 0.6f, 0.6f, 0.4f}},
        {DefaultSlot::E5_04, {4, 4, 4, 2}},
        {DefaultSlot::E1_05, {230, 230, 230, 230}},
        {DefaultSlot::E3_05, {230, 230, 230, 230}},
        {DefaultSlot::E1_08, {18.4f, 18.4f, 18.4f, 18.4f}},
        {DefaultSlot::E1_10, {12, 12, 12, 12}},
        {DefaultSlot::O2_04, {97, 97, 97, 97}},
        {DefaultSlot::E2_01, {1.9f, 1.9f, 1.9f, 1.9f}},
        {DefaultSlot::H1_05, {3, 3, 3, 3}},
        // Slots the model does not fill stay 0.
        {DefaultSlot::C6_01, {1, 0, 0, 0}},
        {DefaultSlot::B5_39, {2, 2, 0, 2}},
    };
    const DefaultTable t = Computed(2220);
    for (const Case& c : cases) {
        EXPECT_EQ(t.Columns(c.slot), c.values) << static_cast<int>(c.slot);
    }
}

TEST(DefaultTable, OnlyTheTerminalS1AndS2DefaultsDependOnTheInitialisation) {
    struct Case {
        uint16_t code;
        float s1, s2;
    };
    const std::vector<Case> cases = {
        {2220, 64, 65},
        {3330, 15, 15},
        {1110, 15, 15},
        {5550, 15, 15},
    };
    const DefaultTable reference = Computed(2220);
    for (const Case& c : cases) {
        const DefaultTable t = Computed(c.code);
        for (int column = 1; column <= 4; ++column) {
            EXPECT_EQ(t.Get(column, DefaultSlot::H1_01), c.s1) << c.code;
            EXPECT_EQ(t.Get(column, DefaultSlot::H1_02), c.s2) << c.code;
            for (int slot = 0; slot < kDefaultSlotCount; ++slot) {
                const auto s = static_cast<DefaultSlot>(slot);
                if (s == DefaultSlot::H1_01 || s == DefaultSlot::H1_02) continue;
                EXPECT_EQ(t.Get(column, s), reference.Get(column, s)) << c.code << " " << slot;
            }
        }
    }
}

TEST(DefaultTable, RecomputingStartsAfresh) {
    DriveState s;
    DefaultTable t;
    for (auto& column : t.columnDefaults) column.fill(7);
    ComputeDefaultTable(t, s);
    EXPECT_EQ(t.Get(2, DefaultSlot::C6_01), 0);
    EXPECT_EQ(t.Get(3, DefaultSlot::B5_39), 0);
}

TEST(DefaultTable, OtherModelCodesHaveNoTable) {
    const DefaultTable t = Computed(2220, 98);
    EXPECT_EQ(t.inputVoltageMaximum, 0);
    EXPECT_EQ(t.driveRatedCurrent, 0);
    for (int column = 1; column <= 4; ++column)
        for (int slot = 0; slot < kDefaultSlotCount; ++slot)
            EXPECT_EQ(t.Get(column, static_cast<DefaultSlot>(slot)), 0);
}

}  // namespace
}  // namespace qd
