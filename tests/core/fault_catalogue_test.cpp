#include <gtest/gtest.h>

#include <string>

#include "core/FaultCatalogue.h"

namespace qd {
namespace {

class FaultCatalogueTest : public ::testing::Test {
protected:
    void Build() { BuildFaultCatalogue(catalogue, state, lists); }

    FaultCatalogue catalogue;
    DriveState state;
    ComboBox faultList{"Fault_List", {}, -1, ""};
    ComboBox alarmList{"Alarm_List", {}, -1, ""};
    ComboBox operationList{"Opr_Alarm_List", {}, -1, ""};
    ComboBox tuningList{"Autotune_Fault", {}, -1, ""};
    FaultLists lists{faultList, alarmList, operationList, tuningList};
};

TEST_F(FaultCatalogueTest, BuildFillsEveryListAndItsDropDownInOrder) {
    faultList.items = {"design-time item"};
    Build();

    EXPECT_EQ(state.faultCounts[0], 84);
    EXPECT_EQ(state.faultCounts[1], 38);
    EXPECT_EQ(state.faultCounts[2], 10);
    EXPECT_EQ(state.faultCounts[3], 12);
    ASSERT_EQ(faultList.items.size(), 84u);
    EXPECT_EQ(alarmList.items.size(), 38u);
    EXPECT_EQ(operationList.items.size(), 10u);
    EXPECT_EQ(tuningList.items.size(), 12u);

    // Drop-down item 0 selects entry 1.
    EXPECT_EQ(faultList.items.front(), "bUS, Option Communication Error");
    EXPECT_EQ(catalogue.faults.Entry(1).code, 34);
    EXPECT_EQ(catalogue.faults.Entry(1).displayText, "  bUS");
    EXPECT_EQ(faultList.items.back(), "Uv3, Soft Charge Circuit Fault");
    EXPECT_EQ(catalogue.faults.Entry(84).code, 4);
    EXPECT_EQ(catalogue.faults.Entry(84).displayText, "  Uv3");

    for (int n = 1; n <= 84; ++n) {
        EXPECT_EQ(faultList.items[n - 1], FaultItemText(catalogue.faults.Entry(n))) << n;
    }
}

TEST_F(FaultCatalogueTest, EveryDisplayTextHasTheFiveCharactersOfTheDisplay) {
    Build();
    auto check = [](const auto& list, int count) {
        for (int n = 1; n <= count; ++n) {
            EXPECT_EQ(list.Entry(n).displayText.size(), 5u) << list.Entry(n).displayText;
            EXPECT_LE(list.Entry(n).description.size(), 80u);
        }
    };
    check(catalogue.faults, state.faultCounts[0]);
    check(catalogue.alarms, state.faultCounts[1]);
    check(catalogue.operationErrors, state.faultCounts[2]);
    check(catalogue.tuningErrors, state.faultCounts[3]);
}

TEST_F(FaultCatalogueTest, ItemTextsKeepTheDescriptionAsStored) {
    Build();
    struct Case {
        const ComboBox& box;
        std::size_t item;
        const char* text;
    };
    const Case cases[] = {
        {faultList, 1, "CE,  LINKNET/Modbus Communication Error"},
        {faultList, 6,
         "CPF06, Drive specification mismatch during Terminal Board or Control Board replacement"},
        {faultList, 22, "CPF25, "},  // empty description
        {faultList, 38, "oC, Overcurrent"},
        {faultList, 45, "oFA3x, Option Card Fault (port A)"},
        {faultList, 47, "OFA30, Option Card Fault (port A)"},
        {alarmList, 0, "bb, Drive Baseblock"},
        {alarmList, 1, "bUS,  Option Card Communications Error"},
        {alarmList, 20, "LT-1,  Cooling Fan Maintenance Time"},
        {alarmList, 37, "Hbb,  External Baseblock"},
        {operationList, 3, "oPE05, Run Command Selection Error"},
        {operationList, 9, "Hbb,  External Baseblock"},
        {tuningList, 5, "Er-08, Rated Slip Error"},
        {tuningList, 11, "End3,  Rated Current Setting Alarm"},
    };
    for (const Case& c : cases) {
        ASSERT_LT(c.item, c.box.items.size());
        EXPECT_EQ(c.box.items[c.item], c.text) << c.box.name << " item " << c.item;
    }
    EXPECT_EQ(catalogue.alarms.Entry(3).displayText, " CALL");
    EXPECT_EQ(catalogue.tuningErrors.Entry(10).displayText, " End1");
    EXPECT_EQ(catalogue.faults.Entry(69).code, 12);  // oL4 repeats oL2's code
}

TEST_F(FaultCatalogueTest, RebuildStartsAgainFromEmpty) {
    Build();
    Build();
    EXPECT_EQ(state.faultCounts[0], 84);
    EXPECT_EQ(faultList.items.size(), 84u);
    EXPECT_EQ(tuningList.items.size(), 12u);
}

TEST_F(FaultCatalogueTest, FullListsIgnoreFurtherRowsSilently) {
    for (int i = 0; i < 101; ++i) {
        AddFault(catalogue, state, faultList, static_cast<uint16_t>(i), "   oC", "x");
    }
    EXPECT_EQ(state.faultCounts[0], 100);
    EXPECT_EQ(faultList.items.size(), 100u);
    EXPECT_EQ(catalogue.faults.Entry(100).code, 99);

    for (int i = 0; i < 21; ++i) {
        AddOperationError(catalogue, state, operationList, static_cast<uint16_t>(i), "oPE01", "");
        AddTuningError(catalogue, state, tuningList, static_cast<uint16_t>(i), "Er-01", "");
    }
    EXPECT_EQ(state.faultCounts[2], 20);
    EXPECT_EQ(state.faultCounts[3], 20);
    EXPECT_EQ(operationList.items.size(), 20u);
    EXPECT_EQ(catalogue.operationErrors.Entry(20).code, 19);
    EXPECT_EQ(state.faultCounts[1], 0);  // each list keeps its own count
}

TEST_F(FaultCatalogueTest, AddCutsDisplayAndDescription) {
    const std::string longDescription(90, 'd');
    AddAlarm(catalogue, state, alarmList, 7, " ABCDEFG", longDescription);
    ASSERT_EQ(state.faultCounts[1], 1);
    EXPECT_EQ(catalogue.alarms.Entry(1).displayText, " ABCD");
    EXPECT_EQ(catalogue.alarms.Entry(1).description, std::string(80, 'd'));
    EXPECT_EQ(alarmList.items.at(0), "ABCD, " + std::string(80, 'd'));
}

}  // namespace
}  // namespace qd
