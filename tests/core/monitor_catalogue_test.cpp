#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/DriveData.h"
#include "core/FatalStop.h"
#include "core/MonitorCatalogue.h"

namespace qd {
namespace {

std::unique_ptr<DriveData> BuiltMonitors() {
    auto d = std::make_unique<DriveData>();
    BuildMonitorCatalogue(*d, 0);
    return d;
}

const MonitorEntry* Find(const DriveData& d, char digit, uint16_t number) {
    for (int p = 1; p <= d.state.monitorCount; ++p) {
        const MonitorEntry* e = d.monitors.Entry(p);
        if (e->groupDigit == digit && e->number == number) return e;
    }
    return nullptr;
}

TEST(MonitorCatalogue, BuildRegistersAllRowsInOrder) {
    auto d = BuiltMonitors();
    ASSERT_EQ(d->state.monitorCount, 102);
    EXPECT_EQ(d->state.listNumber, 102);
    EXPECT_EQ(d->state.lastMonitorListNumber, 102);
    EXPECT_EQ(d->monitors.Entry(1)->Code(), "U1-00");
    EXPECT_EQ(d->monitors.Entry(102)->Code(), "U8-10");
    EXPECT_EQ(d->monitors.Entry(103), nullptr);
    for (int p = 1; p <= 102; ++p) {
        const MonitorEntry& e = *d->monitors.Entry(p);
        EXPECT_EQ(e.index, p);
        EXPECT_EQ(e.groupLetter, 'U');
        EXPECT_EQ(e.minimum, 0.0f);
        EXPECT_EQ(e.values, (std::array<float, 4>{0, 0, 0, 0}));
        EXPECT_EQ(e.accessLevels, (std::array<uint8_t, 4>{4, 4, 4, 4}));
        EXPECT_TRUE(e.variants.all());
        if (p > 1) {  // each code once, so the first-match rule never hides a row
            EXPECT_EQ(Find(*d, e.groupDigit, e.number), &e) << e.Code();
        }
    }
}

TEST(MonitorCatalogue, RowsCarryTheirNamesUnitsAndDisplayKinds) {
    auto d = BuiltMonitors();
    struct Row {
        char digit;
        uint16_t number;
        const char* name;
        const char* unit;
        float step;
        float maximum;
        int32_t kind;
    };
    const Row rows[] = {
        {'1', 0, "No Signal Selected", "", -1, 100, 0},
        {'1', 3, "Output Current", "A", 10, 1000, 8},
        {'1', 6, "Output Voltage Reference", "V", 10, 480, 9},
        {'1', 7, "DC Bus Voltage", "V", 1, 800, 10},
        {'1', 12, "Drive Status", "", 1, 65535, 13},
        {'1', 18, "OPE Fault Parameter", "", 1, 65535, 20},
        {'1', 24, "Input Pulse Monitor", "", 1, 32000, 0},
        {'1', 26, "Software No. (ROM)", "", 1, 65535, 14},
        {'2', 1, "Current Fault", "", 1, 65535, 21},
        {'2', 15, "Soft Starter Speed Reference", "%", 100, 100, 0},
        {'3', 10, "10th Most Recent Fault", "", 1, 65535, 21},
        {'3', 11, "Cumulative Operation Time Most Recent Fault", "", 1, 65535, 0},
        // 51 characters, cut to the 50 a name can hold.
        {'3', 20, "Cumulative Operation Time at 10th Most Recent Faul", "", 1, 65535, 0},
        {'4', 9, "LED Check", "", 1, 65535, 22},
        {'4', 13, "Peak Hold Current", "A", 100, 65535, 0},
        {'4', 16, "Motor Overload Estimate (OL1)", "%", 1, 65535, 0},
        {'4', 18, "Frequency Reference Selection Results", "", 1, 65535, 25},
        {'4', 21, "Run Command Selection Results", "", 1, 65535, 26},
        {'5', 4, "PID Set-Point", "%", 100, 1000, 0},
        {'6', 5, "Output Voltage Reference Vd", "Vac", 10, 1000, 0},
        {'6', 19, "PID Adjusted Feedback", "%", 100, 1000, 0},
        {'6', 21, "Offset Frequency", "%", 10, 1000, 0},
        {'8', 10, "MFLX Monitor 10", "%", 1, 65535, 0},
    };
    for (const Row& r : rows) {
        const MonitorEntry* e = Find(*d, r.digit, r.number);
        ASSERT_NE(e, nullptr) << r.name;
        EXPECT_EQ(e->name, r.name);
        EXPECT_EQ(e->unit, r.unit) << e->Code();
        EXPECT_EQ(e->step, r.step) << e->Code();
        EXPECT_EQ(e->maximum, r.maximum) << e->Code();
        EXPECT_EQ(e->displayKind, r.kind) << e->Code();
    }

    struct Extra {
        char digit;
        uint16_t number;
        uint16_t reg;
        uint8_t editType;
        uint8_t flag;
    };
    const Extra extras[] = {
        {'1', 1, 1824, 11, 0}, {'1', 3, 1826, 11, 0}, {'1', 4, 1828, 0, 1},
        {'2', 5, 1826, 11, 1}, {'2', 6, 1828, 0, 1},
    };
    for (const Extra& x : extras) {
        const MonitorEntry* e = Find(*d, x.digit, x.number);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->reg, x.reg) << e->Code();
        EXPECT_EQ(e->editType, x.editType) << e->Code();
        EXPECT_EQ(e->flag, x.flag) << e->Code();
    }
    EXPECT_EQ(Find(*d, '2', 7)->editType, 4);
    EXPECT_EQ(Find(*d, '8', 10)->editType, 4);
    EXPECT_EQ(Find(*d, '1', 0)->flag, 1);
}

TEST(MonitorCatalogue, LookUpsReadAndWriteTheActiveColumn) {
    auto d = BuiltMonitors();
    EXPECT_TRUE(SetMonitorValue(*d, 'U', '1', 7, 310));
    MonitorValue v = FindMonitorValue(*d, 'U', '1', 7);
    EXPECT_TRUE(v.found);
    EXPECT_EQ(v.value, 310.0f);
    EXPECT_EQ(v.maximum, 800.0f);
    EXPECT_EQ(v.step, 1.0f);
    EXPECT_EQ(v.displayKind, 10);

    d->state.activeColumn = 2;
    EXPECT_EQ(FindMonitorValue(*d, 'U', '1', 7).value, 0.0f);
    EXPECT_TRUE(SetMonitorValue(*d, 'U', '1', 7, 5));
    EXPECT_EQ(Find(*d, '1', 7)->values, (std::array<float, 4>{310, 5, 0, 0}));
}

TEST(MonitorCatalogue, CodeNotInTheCatalogueIsNotFoundAndChangesNothing) {
    auto d = BuiltMonitors();
    const MonitorValue v = FindMonitorValue(*d, 'U', '1', 15);
    EXPECT_FALSE(v.found);
    EXPECT_EQ(v.value, 0.0f);
    EXPECT_FALSE(SetMonitorValue(*d, 'U', '1', 15, 42));
    EXPECT_FALSE(SetMonitorValue(*d, 'u', '1', 2, 42));  // codes are upper case
    for (int p = 1; p <= d->state.monitorCount; ++p) {
        EXPECT_EQ(d->monitors.Entry(p)->values, (std::array<float, 4>{0, 0, 0, 0}));
    }
}

TEST(MonitorCatalogue, RebuildOverwritesInPlaceAndResetsValues) {
    auto d = BuiltMonitors();
    const MonitorEntry* first = d->monitors.Entry(1);
    SetMonitorValue(*d, 'U', '1', 2, 50);
    d->state.activeColumn = 4;
    SetMonitorValue(*d, 'U', '5', 1, 12.5f);

    BuildMonitorCatalogue(*d, 1);
    EXPECT_EQ(d->state.monitorCount, 102);
    EXPECT_EQ(d->monitors.Entry(1), first);
    EXPECT_EQ(FindMonitorValue(*d, 'U', '5', 1).value, 0.0f);
    d->state.activeColumn = 1;
    EXPECT_EQ(FindMonitorValue(*d, 'U', '1', 2).value, 0.0f);
    EXPECT_TRUE(FindMonitorValue(*d, 'U', '1', 2).found);
}

// A small catalogue registered row by row.
class MonitorRegistrationTest : public ::testing::Test {
protected:
    void Register(uint8_t mode, uint16_t number, float step = 1, float maximum = 100,
                  float minimum = 0, std::array<float, 4> defaults = {0, 0, 0, 0},
                  uint8_t editType = 0, std::array<uint8_t, 4> access = {4, 4, 4, 4},
                  const std::string& name = "Monitor", const std::string& unit = "%") {
        RegisterMonitor(*d, mode, 'U', 0, FullVariants(), 1, editType, access, step, maximum,
                        minimum, defaults, unit, name, 7, number, '1');
    }

    std::string FailureOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const FatalStopError& e) {
            return e.what();
        }
        return "no failure";
    }

    std::unique_ptr<DriveData> d = std::make_unique<DriveData>();
};

TEST_F(MonitorRegistrationTest, BadRowsStopWithTheirMessageAndListNumber) {
    struct Case {
        const char* what;
        float step;
        float maximum;
        float minimum;
        std::array<float, 4> defaults;
        uint8_t editType;
        std::array<uint8_t, 4> access;
        const char* message;
    };
    const Case cases[] = {
        {"min = max",
         1,
         5,
         5,
         {5, 5, 5, 5},
         0,
         {4, 4, 4, 4},
         "OSCILLOSCOPE LIST ERROR MIN>=MAX LIST NO. :3"},
        {"min > max",
         1,
         5,
         6,
         {5, 5, 5, 5},
         0,
         {4, 4, 4, 4},
         "OSCILLOSCOPE LIST ERROR MIN>=MAX LIST NO. :3"},
        {"step 0",
         0,
         100,
         0,
         {0, 0, 0, 0},
         0,
         {4, 4, 4, 4},
         "OSCILLOSCOPE RANGE STEP LIST ERROR LIST NO. :3"},
        {"column 1 below",
         1,
         100,
         0,
         {-1, 0, 0, 0},
         0,
         {4, 4, 4, 4},
         "OSCILLOSCOPE DEFAULT VALUE VF not in Range LIST NO :3"},
        {"column 2 above",
         1,
         100,
         0,
         {0, 101, 0, 0},
         0,
         {4, 4, 4, 4},
         "OSCILLOSCOPE DEFAULT VALUE PG not in Range LIST NO :3"},
        {"column 3, absent there",
         1,
         100,
         0,
         {0, 0, 200, 0},
         0,
         {4, 4, 0, 4},
         "OSCILLOSCOPE DEFAULT VALUE FL not in Range LIST NO :3"},
        {"column 4",
         1,
         100,
         0,
         {0, 0, 0, -5},
         0,
         {4, 4, 4, 4},
         "OSCILLOSCOPE DEFAULT VALUE FLPG not in Range LIST NO :3"},
        {"edit type 36",
         1,
         100,
         0,
         {0, 0, 0, 0},
         36,
         {4, 4, 4, 4},
         "OSCILLOSCOPE EDIT TYPE is not of 0..15 LIST NO :3"},
        {"min>=max is checked before step",
         0,
         5,
         5,
         {9, 9, 9, 9},
         99,
         {4, 4, 4, 4},
         "OSCILLOSCOPE LIST ERROR MIN>=MAX LIST NO. :3"},
    };
    for (const Case& c : cases) {
        d = std::make_unique<DriveData>();
        Register(0, 1);
        Register(0, 2);
        EXPECT_EQ(FailureOf([&] {
                      Register(0, 3, c.step, c.maximum, c.minimum, c.defaults, c.editType,
                               c.access);
                  }),
                  c.message)
            << c.what;
    }
}

TEST_F(MonitorRegistrationTest, NegativeStepAndEditType35Pass) {
    Register(0, 0, -1);
    Register(0, 1, 1, 100, 0, {0, 0, 0, 0}, 35);
    EXPECT_EQ(d->state.monitorCount, 2);
}

TEST_F(MonitorRegistrationTest, FirstBuildMustCountUpInStepsOfOne) {
    Register(0, 1);
    d->state.lastMonitorListNumber = 5;
    EXPECT_EQ(FailureOf([&] { Register(0, 2); }),
              "Oscilloscope list should be an ascending order with stepsize of 1!");
}

TEST_F(MonitorRegistrationTest, TheTwoHundredAndFirstMonitorStops) {
    for (int i = 1; i <= 200; ++i) Register(0, static_cast<uint16_t>(i));
    EXPECT_EQ(d->state.monitorCount, 200);
    EXPECT_EQ(FailureOf([&] { Register(0, 201); }),
              "Maximum number of oscilloscope U1/U2 parameters exceeded!");
}

TEST_F(MonitorRegistrationTest, NameAndUnitAreCut) {
    Register(0, 1, 1, 100, 0, {0, 0, 0, 0}, 0, {4, 4, 4, 4}, std::string(60, 'n'), "0123456789AB");
    EXPECT_EQ(d->monitors.Entry(1)->name, std::string(50, 'n'));
    EXPECT_EQ(d->monitors.Entry(1)->unit, "0123456789");
}

TEST_F(MonitorRegistrationTest, FirstEntryWithACodeWinsAndLaterRowsAreSeen) {
    Register(0, 1, 1, 100, 0, {1, 1, 1, 1});
    EXPECT_EQ(FindMonitorValue(*d, 'U', '1', 1).value, 1.0f);
    EXPECT_FALSE(FindMonitorValue(*d, 'U', '1', 2).found);

    Register(0, 1, 1, 100, 0, {2, 2, 2, 2});  // same code again
    Register(0, 2, 1, 100, 0, {3, 3, 3, 3});
    EXPECT_EQ(FindMonitorValue(*d, 'U', '1', 1).value, 1.0f);
    EXPECT_EQ(FindMonitorValue(*d, 'U', '1', 2).value, 3.0f);
    SetMonitorValue(*d, 'U', '1', 1, 9);
    EXPECT_EQ(d->monitors.Entry(1)->values[0], 9.0f);
    EXPECT_EQ(d->monitors.Entry(2)->values[0], 2.0f);
}

}  // namespace
}  // namespace qd
