// RegisterParameter's checks and normalisation, and the look-ups by code, on
// small hand-made catalogues.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/DriveData.h"
#include "core/FatalStop.h"
#include "core/ParameterCatalogue.h"

namespace qd {
namespace {

// One registration with the arguments of a plain, valid row.
struct Row {
    std::string code = "A1-01";
    uint16_t reg = 257;
    std::string name = "Name";
    std::string unit = "Hz";
    std::array<float, 4> defaults{1, 2, 3, 4};
    float minimum = 0;
    float maximum = 10;
    float step = 1;
    std::array<uint8_t, 4> access{4, 4, 4, 4};
    uint8_t editType = 0;
    uint8_t run = 0;
    VariantSet variants = FullVariants();
    int32_t displayMode = 0;
    int32_t storeAction = 0;
};

void Register(DriveData& d, const Row& r, uint8_t mode = 0) {
    RegisterParameter(d, mode, r.code, r.reg, r.name, r.unit, r.defaults, r.minimum, r.maximum,
                      r.step, r.access, r.editType, r.run, r.variants, r.displayMode,
                      r.storeAction);
}

std::string MessageOf(DriveData& d, const Row& r, uint8_t mode = 0) {
    try {
        Register(d, r, mode);
    } catch (const FatalStopError& e) {
        return e.what();
    }
    return "(no stop)";
}

std::unique_ptr<DriveData> Fresh() {
    return std::make_unique<DriveData>();
}

struct BadRow {
    const char* what;
    Row row;
    std::string message;
};

Row With(void (*change)(Row&)) {
    Row r;
    change(r);
    return r;
}

TEST(RegisterParameter, EachCheckStopsWithItsMessageAndTheCodeAsPassed) {
    const std::vector<BadRow> cases = {
        {"min = max", With([](Row& r) {
             r.minimum = 5, r.maximum = 5, r.defaults = {5, 5, 5, 5};
         }),
         "PARAMETER LIST ERROR MIN>=MAX LIST NO. :A1-01"},
        {"min > max", With([](Row& r) { r.minimum = 11; }),
         "PARAMETER LIST ERROR MIN>=MAX LIST NO. :A1-01"},
        {"step 0", With([](Row& r) { r.step = 0; }), "RANGE STEP LIST ERROR LIST NO. :A1-01"},
        {"step < 0", With([](Row& r) { r.step = -10; }),
         "RANGE STEP LIST ERROR LIST < 0 NO. :A1-01"},
        {"column 1", With([](Row& r) { r.defaults[0] = -1; }),
         "DEFAULT VALUE Control Mode 1 not in Range LIST NO :A1-01"},
        {"column 2", With([](Row& r) { r.defaults[1] = 11; }),
         "DEFAULT VALUE Control Mode 2 not in Range LIST NO :A1-01"},
        {"column 3", With([](Row& r) { r.defaults[2] = 10.5f; }),
         "DEFAULT VALUE Control Mode 3 not in Range LIST NO :A1-01"},
        {"column 4", With([](Row& r) { r.defaults[3] = -0.1f; }),
         "DEFAULT VALUE Control Mode 4 not in Range LIST NO :A1-01"},
        {"edit type 5", With([](Row& r) { r.editType = 5; }),
         "EDIT TYPE is not 0/1/2/3/4 LIST NO :A1-01"},
        // The code is appended as passed, before its normalisation.
        {"short code", With([](Row& r) { r.code = "b1-1", r.step = 0; }),
         "RANGE STEP LIST ERROR LIST NO. :b1-1"},
        // Order: range before step before defaults before edit type.
        {"first failing check wins",
         With([](Row& r) { r.minimum = 20, r.step = 0, r.defaults[0] = 99, r.editType = 9; }),
         "PARAMETER LIST ERROR MIN>=MAX LIST NO. :A1-01"},
        {"step before defaults", With([](Row& r) { r.step = -1, r.defaults[0] = 99; }),
         "RANGE STEP LIST ERROR LIST < 0 NO. :A1-01"},
        {"lowest column first", With([](Row& r) {
             r.defaults = {1, 99, 99, 99}, r.editType = 7;
         }),
         "DEFAULT VALUE Control Mode 2 not in Range LIST NO :A1-01"},
    };
    for (const auto& c : cases) {
        auto d = Fresh();
        EXPECT_THROW(Register(*d, c.row), FatalStopError) << c.what;
        auto again = Fresh();
        EXPECT_EQ(MessageOf(*again, c.row), c.message) << c.what;
    }
}

TEST(RegisterParameter, AbsentColumnMayHoldAnyDefault) {
    auto d = Fresh();
    Row r;
    r.defaults = {1, 1, 99, 1};
    r.access = {4, 4, 0, 4};
    EXPECT_NO_THROW(Register(*d, r));
    EXPECT_EQ(d->parameters.Entry(1)->values[2], 99);
}

TEST(RegisterParameter, ModeZeroMustAscendInStepsOfOne) {
    auto d = Fresh();
    Register(*d, Row{});
    Register(*d, Row{});
    // A second mode-0 pass without resetting lastListNumber stops at its first row.
    d->state.listNumber = 0;
    EXPECT_EQ(MessageOf(*d, Row{}),
              "Parameter list should be an ascending order with stepsize of 1! 1");
    // The number is cut to its first three characters.
    auto e = Fresh();
    e->state.listNumber = 1233;
    EXPECT_EQ(MessageOf(*e, Row{}),
              "Parameter list should be an ascending order with stepsize of 1! 123");
}

TEST(RegisterParameter, TheEightHundredAndFirstEntryStops) {
    auto d = Fresh();
    for (int i = 0; i < kMaxParameters; ++i) Register(*d, Row{});
    EXPECT_EQ(d->state.parameterCount, 800);
    EXPECT_EQ(MessageOf(*d, Row{}), "Maximum number of parameters exceeded!");
}

TEST(RegisterParameter, FillsTheEntryAndCutsTheTexts) {
    auto d = Fresh();
    d->state.activeColumn = 2;
    Row r;
    r.code = "C1-01";
    r.reg = 512;
    r.name = std::string(59, 'n');
    r.unit = "abcdefghijkl";
    r.minimum = -5;
    r.maximum = 6000;
    r.step = 10;
    r.access = {3, 4, 0, 5};
    r.editType = 4;
    r.run = 1;
    r.displayMode = 1;
    r.storeAction = 1;
    Register(*d, r);
    const ParameterEntry& e = *d->parameters.Entry(1);
    EXPECT_EQ(e.index, 1);
    EXPECT_EQ(e.groupLetter, 'C');
    EXPECT_EQ(e.groupDigit, '1');
    EXPECT_EQ(e.number, 1);
    EXPECT_EQ(e.Code(), "C1-01");
    EXPECT_EQ(e.reg, 512);
    EXPECT_EQ(e.name, std::string(50, 'n'));
    EXPECT_EQ(e.unit, "abcdefghij");
    EXPECT_EQ(e.values, (std::array<float, 4>{1, 2, 3, 4}));
    EXPECT_EQ(e.activeDefault, 2);  // the column active at registration
    EXPECT_EQ(e.minimum, -5);
    EXPECT_EQ(e.maximum, 6000);
    EXPECT_EQ(e.step, 10);
    EXPECT_EQ(e.accessLevels, (std::array<uint8_t, 4>{3, 4, 0, 5}));
    EXPECT_EQ(e.editType, 4);
    EXPECT_EQ(e.changeableDuringRun, 1);
    EXPECT_TRUE(e.variants.all());
    EXPECT_EQ(e.displayMode, 1);
    EXPECT_EQ(e.storeAction, 1);
    EXPECT_EQ(d->state.parameterCount, 1);
    EXPECT_EQ(d->state.lastListNumber, 1);
}

TEST(RegisterParameter, NormalisesTheCode) {
    struct Case {
        const char* passed;
        const char* code;
        bool offeredVariants;
    };
    const std::vector<Case> cases = {
        {"A1-1", "A1-10", true},   {"A1-", "A1-00", true},
        {"A1", "---00", false},  // padded to "A1000": no hyphen in third place
        {"A11-0", "---00", false}, {"O4-13", "O4-13", true},
    };
    for (const auto& c : cases) {
        auto d = Fresh();
        Row r;
        r.code = c.passed;
        Register(*d, r);
        const ParameterEntry& e = *d->parameters.Entry(1);
        EXPECT_EQ(e.Code(), c.code) << c.passed;
        EXPECT_EQ(e.variants.any(), c.offeredVariants) << c.passed;
    }
    auto d = Fresh();
    Row r;
    r.code = "A11-0";
    Register(*d, r);
    EXPECT_FALSE(FindParameterValue(*d, '-', '-', 0).found);  // never offered
    EXPECT_TRUE(StoreParameterValue(*d, '-', '-', 0, 1));
}

TEST(RegisterParameter, RebuildModesOverwriteTheEntries) {
    auto d = Fresh();
    Register(*d, Row{});
    ParameterEntry* first = d->parameters.Entry(1);
    first->values = {7, 7, 7, 7};

    // Mode 1: the values return to the defaults; the entry object stays.
    d->state.listNumber = 0;
    Row changed;
    changed.name = "Renamed";
    changed.defaults = {5, 6, 7, 8};
    d->state.activeColumn = 4;
    Register(*d, changed, 1);
    EXPECT_EQ(d->parameters.Entry(1), first);
    EXPECT_EQ(first->name, "Renamed");
    EXPECT_EQ(first->values, (std::array<float, 4>{5, 6, 7, 8}));
    EXPECT_EQ(first->activeDefault, 8);
    EXPECT_EQ(d->state.parameterCount, 1);
    EXPECT_EQ(d->state.lastListNumber, 1);

    // Any other mode keeps the values; activeDefault follows the kept value.
    first->values = {1, 1, 1, 9};
    d->state.listNumber = 0;
    Register(*d, Row{}, 2);
    EXPECT_EQ(first->values, (std::array<float, 4>{1, 1, 1, 9}));
    EXPECT_EQ(first->activeDefault, 9);
    EXPECT_EQ(first->name, "Name");
}

TEST(RegisterParameter, ARebuildNeedsTheEntriesOfTheFirstBuild) {
    auto d = Fresh();
    EXPECT_THROW(Register(*d, Row{}, 1), std::out_of_range);
}

// A catalogue with several entries of one code, to pin first-match and visibility.
std::unique_ptr<DriveData> Catalogue() {
    auto d = Fresh();
    const auto add = [&](const char* code, uint16_t reg, std::array<uint8_t, 4> access,
                         std::array<float, 4> defaults, VariantSet variants = FullVariants()) {
        Row r;
        r.code = code;
        r.reg = reg;
        r.access = access;
        r.defaults = defaults;
        r.variants = variants;
        Register(*d, r);
    };
    add("---00", 0, {4, 4, 4, 4}, {0, 0, 0, 0}, EmptyVariants());
    add("B2-03", 395, {4, 4, 4, 5}, {1, 2, 3, 4});
    add("B8-19", 509, {4, 4, 0, 0}, {1, 1, 1, 1}, EmptyVariants());
    add("C1-01", 512, {0, 4, 4, 4}, {1, 2, 3, 4});  // absent in column 1
    add("C1-01", 600, {4, 0, 4, 4}, {5, 6, 7, 8});  // same code again, absent in column 2
    add("A1-01", 257, {1, 1, 1, 1}, {2, 2, 2, 2});
    return d;
}

TEST(FindParameterValue, FirstOfferedEntryInTheActiveColumn) {
    struct Case {
        int column;
        char letter, digit;
        uint16_t number;
        bool found;
        float value;
    };
    const std::vector<Case> cases = {
        {1, 'B', '2', 3, true, 1},   {3, 'B', '2', 3, true, 3},  {4, 'B', '2', 3, false, 0},
        {1, 'B', '8', 19, false, 0}, {1, 'C', '1', 1, true, 5},  {2, 'C', '1', 1, true, 2},
        {4, 'C', '1', 1, true, 4},   {1, 'A', '1', 1, true, 2},  {1, 'Z', '9', 99, false, 0},
        {1, '-', '-', 0, false, 0},  {1, 'c', '1', 1, false, 0},
    };
    auto d = Catalogue();
    for (const auto& c : cases) {
        d->state.activeColumn = c.column;
        const FoundValue v = FindParameterValue(*d, c.letter, c.digit, c.number);
        EXPECT_EQ(v.found, c.found) << c.letter << c.digit << c.number << " col " << c.column;
        EXPECT_EQ(v.value, c.value) << c.letter << c.digit << c.number << " col " << c.column;
    }
}

TEST(FindParameterValue, AccessLevelAboveTheDrivesIsNotOffered) {
    auto d = Catalogue();
    d->state.accessLevel = 1;
    EXPECT_FALSE(FindParameterValue(*d, 'B', '2', 3).found);
    EXPECT_TRUE(FindParameterValue(*d, 'A', '1', 1).found);
}

TEST(StoreAndRegister, IgnoreVisibilityAndTakeTheFirstEntry) {
    auto d = Catalogue();
    // The first C1-01 (register 512) is absent in column 1 but is still the one stored.
    d->state.activeColumn = 1;
    EXPECT_TRUE(StoreParameterValue(*d, 'C', '1', 1, 42));
    EXPECT_EQ(d->parameters.Entry(4)->values[0], 42);
    EXPECT_EQ(d->parameters.Entry(5)->values[0], 5);
    EXPECT_EQ(FindParameterRegister(*d, 'C', '1', 1).value, 512);
    EXPECT_TRUE(FindParameterRegister(*d, 'C', '1', 1).found);
    EXPECT_EQ(FindParameterEntry(*d, 'C', '1', 1), d->parameters.Entry(4));

    EXPECT_TRUE(StoreParameterValue(*d, 'B', '8', 19, 0));
    EXPECT_EQ(FindParameterRegister(*d, 'B', '8', 19).value, 509);
    d->state.activeColumn = 4;
    EXPECT_TRUE(StoreParameterValue(*d, 'B', '2', 3, 9));
    EXPECT_EQ(d->parameters.Entry(2)->values, (std::array<float, 4>{1, 2, 3, 9}));

    EXPECT_FALSE(StoreParameterValue(*d, 'Q', '1', 1, 1));
    const FoundValue absent = FindParameterRegister(*d, 'Q', '1', 1);
    EXPECT_FALSE(absent.found);
    EXPECT_EQ(absent.value, 65535);
    EXPECT_EQ(FindParameterEntry(*d, 'Q', '1', 1), nullptr);
}

TEST(FindParameterValue, TheIndexFollowsLaterRegistrations) {
    auto d = Catalogue();
    EXPECT_FALSE(FindParameterValue(*d, 'D', '1', 1).found);  // builds the index
    Row r;
    r.code = "D1-01";
    r.reg = 640;
    Register(*d, r);
    EXPECT_TRUE(FindParameterValue(*d, 'D', '1', 1).found);
    EXPECT_EQ(FindParameterRegister(*d, 'D', '1', 1).value, 640);
}

TEST(FindParameterValue, SettingTextOfASelectionParameter) {
    struct Case {
        float value;
        std::string text;
    };
    const std::vector<Case> cases = {
        {10, "0a Acceleration/deceleration ramp hold"},
        {15, "0f Not used (Set when a terminal is not used)"},
        {0, "000 During Run"},  // the first text whose number matches
        {64.4f, "40 Forward Run Command (NO)"},
        {3, ""},  // no text with that number
        {400, "190 DO 1"},
    };
    auto d = Fresh();
    Row r;
    r.code = "H1-01";
    r.editType = 1;
    r.maximum = 1000;
    r.defaults = {0, 0, 0, 0};
    Register(*d, r);
    r.code = "H1-02";
    r.editType = 0;
    Register(*d, r);
    for (const char* text :
         {"0a Acceleration/deceleration ramp hold", "0f Not used (Set when a terminal is not used)",
          "000 During Run", "0 Second zero", "xyz No digits", "40 Forward Run Command (NO)",
          "190 DO 1"}) {
        auto entry = std::make_unique<SettingTextEntry>();
        entry->text = text;
        d->parameters.Entry(1)->settingTexts.entries.push_back(std::move(entry));
        auto copy = std::make_unique<SettingTextEntry>();
        copy->text = text;
        d->parameters.Entry(2)->settingTexts.entries.push_back(std::move(copy));
    }
    for (const auto& c : cases) {
        ASSERT_TRUE(StoreParameterValue(*d, 'H', '1', 1, c.value));
        d->currentSettingText = "stale";
        EXPECT_TRUE(FindParameterValue(*d, 'H', '1', 1).found);
        EXPECT_EQ(d->currentSettingText, c.text) << c.value;
    }
    // Only editType 1 yields a text; any other look-up clears it.
    ASSERT_TRUE(StoreParameterValue(*d, 'H', '1', 2, 10));
    d->currentSettingText = "stale";
    EXPECT_TRUE(FindParameterValue(*d, 'H', '1', 2).found);
    EXPECT_EQ(d->currentSettingText, "");
    d->currentSettingText = "stale";
    EXPECT_FALSE(FindParameterValue(*d, 'H', '9', 2).found);
    EXPECT_EQ(d->currentSettingText, "");
}

TEST(ClearSettingTexts, OnlyModeZeroEmptiesTheLists) {
    auto d = Catalogue();
    for (int position = 1; position <= d->state.parameterCount; ++position)
        d->parameters.Entry(position)->settingTexts.entries.push_back(
            std::make_unique<SettingTextEntry>());
    ClearSettingTexts(*d, 1);
    EXPECT_EQ(d->parameters.Entry(2)->settingTexts.Count(), 1);
    ClearSettingTexts(*d, 0);
    for (int position = 1; position <= d->state.parameterCount; ++position)
        EXPECT_EQ(d->parameters.Entry(position)->settingTexts.Count(), 0);
}

TEST(ParameterCode, ParsesAndComposes) {
    struct Case {
        const char* text;
        bool ok;
        char letter, digit;
        uint16_t number;
    };
    const std::vector<Case> cases = {
        {"c1-01", true, 'C', '1', 1},  {"C1-01", true, 'C', '1', 1}, {"o4-13", true, 'O', '4', 13},
        {"A2-32", true, 'A', '2', 32}, {"C1-1", false, 0, 0, 0},     {"C1_01", false, 0, 0, 0},
        {"11-01", false, 0, 0, 0},     {"CC-01", false, 0, 0, 0},    {"C1-0a", false, 0, 0, 0},
        {"C1-010", false, 0, 0, 0},    {"", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        ParameterCode code;
        EXPECT_EQ(ParseParameterCode(c.text, code), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(code.groupLetter, c.letter) << c.text;
        EXPECT_EQ(code.groupDigit, c.digit) << c.text;
        EXPECT_EQ(code.number, c.number) << c.text;
    }
    ParameterEntry e;
    e.groupLetter = 'E';
    e.groupDigit = '5';
    e.number = 24;
    EXPECT_EQ(e.Code(), "E5-24");
    e.number = 9;
    EXPECT_EQ(e.Code(), "E5-09");
}

}  // namespace
}  // namespace qd
