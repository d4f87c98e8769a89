#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/DriveData.h"
#include "core/FatalStop.h"
#include "core/SettingTexts.h"

namespace qd {
namespace {

std::string FailureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const FatalStopError& e) {
        return e.what();
    }
    return "no failure";
}

// The setting value at the start of each text, joined with spaces.
std::string Prefixes(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& t : texts) {
        if (!joined.empty()) joined += ' ';
        joined += t.substr(0, t.find(' '));
    }
    return joined;
}

TEST(SettingTextLists, HoldEverySettingValueInOrderWrittenAsTheDriveWritesIt) {
    ASSERT_EQ(InputSettingTexts().size(), 88u);
    ASSERT_EQ(OutputSettingTexts().size(), 108u);
    EXPECT_EQ(Prefixes(InputSettingTexts()),
              "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c "
              "1d 1e 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F 30 31 32 34 35 40 41 42 43 "
              "44 45 46 60 61 62 65 66 67 68 6a 75 76 7A 7B 7C 7D 7E 80 81 82 83 84 85 86 87 90 "
              "91 92 93 94 95 96 97");
    EXPECT_EQ(Prefixes(OutputSettingTexts()),
              "000 001 002 003 004 005 006 007 008 009 00A 00B 00C 00D 00E 00F 010 011 012 013 "
              "014 015 016 017 018 019 01A 01B 01C 01E 01F 020 022 02F 030 037 038 039 03C 03D "
              "03E 03F 040 041 042 043 044 04A 04B 04C 04D 090 091 092 100 101 102 103 104 105 "
              "106 107 108 109 10A 10B 10C 10D 10E 10F 110 111 112 113 114 115 116 117 118 119 "
              "11A 11B 11C 11E 11F 120 122 12F 130 137 138 139 13C 13D 13E 13F 140 141 142 143 "
              "144 14A 14B 14C 14D 190 191 192");
}

TEST(SettingTextLists, SpotChecksOfExactTexts) {
    const auto& in = InputSettingTexts();
    const auto& out = OutputSettingTexts();
    EXPECT_EQ(in[3],
              "03 \"Multi-step speed reference 1 When H3-05 is set to 0, this function is combined "
              "with the master/auxiliary speed switch.\"");
    const std::string externalFault =
        " \"External fault (Desired settings possible) Input mode: NO contact/NC contact,  "
        "Detection mode: Normal/during operation\"";
    EXPECT_EQ(in[29], "20" + externalFault);
    EXPECT_EQ(in[44], "2F" + externalFault);
    EXPECT_EQ(in[62],
              "67 Communications test mode (\xE2\x80\x9CPass\xE2\x80\x9D is displayed when the "
              "communications test is passed.)");
    EXPECT_EQ(in[22],
              "18 Timer function input (Functions are set in b4-01 and b4-02 and the timer "
              "function outputs are set in H1-oo and H2-oo.)");
    EXPECT_EQ(in[71], "7E Forward/reverse detection (for simple V/f w/PG)");
    EXPECT_EQ(in.back(), "97 MFLX Digital Input 8");
    EXPECT_EQ(out[30], "01F Overload OL1, OH Alarm");
    EXPECT_EQ(out.back(), "192 DO 3 for APPX [Reverse]");
}

class SettingTextsOfBuiltDriveTest : public ::testing::Test {
protected:
    void SetUp() override { InitialiseDriveData(*d, "/tmp/x/qd720-script"); }

    ParameterEntry& Parameter(char letter, char digit, uint16_t number) {
        ParameterEntry* e = FindParameterEntry(*d, letter, digit, number);
        EXPECT_NE(e, nullptr);
        return *e;
    }

    // Every H1 parameter has the input list, every H2 one the output list, no other any.
    void ExpectListsAttached() {
        for (int p = 1; p <= d->state.parameterCount; ++p) {
            const ParameterEntry& e = *d->parameters.Entry(p);
            const bool input = e.groupLetter == 'H' && e.groupDigit == '1' && e.number <= 7;
            const bool output = e.groupLetter == 'H' && e.groupDigit == '2' && e.number <= 3;
            const auto* expected = input    ? &InputSettingTexts()
                                   : output ? &OutputSettingTexts()
                                            : nullptr;
            ASSERT_EQ(e.settingTexts.Count(), expected ? static_cast<int>(expected->size()) : 0)
                << e.Code();
            for (int i = 0; i < e.settingTexts.Count(); ++i) {
                EXPECT_EQ(e.settingTexts.entries[i]->text, (*expected)[i]) << e.Code();
            }
        }
    }

    std::unique_ptr<DriveData> d = std::make_unique<DriveData>();
};

TEST_F(SettingTextsOfBuiltDriveTest, StartUpAttachesTheListsByRegister) {
    EXPECT_EQ(Parameter('H', '1', 1).settingTexts.Count(), 88);
    EXPECT_EQ(Parameter('H', '1', 7).settingTexts.Count(), 88);
    EXPECT_EQ(Parameter('H', '2', 1).settingTexts.Count(), 108);
    ExpectListsAttached();
}

TEST_F(SettingTextsOfBuiltDriveTest, RepeatedInitialisationsDoNotDoubleTheLists) {
    ReinitialiseDriveData(*d, 2220);
    ReinitialiseDriveData(*d, 3330);
    ExpectListsAttached();
}

TEST_F(SettingTextsOfBuiltDriveTest, LookUpYieldsTheTextOfTheCurrentSetting) {
    struct Case {
        char digit;
        uint16_t number;
        float value;
        const char* text;
    };
    const Case cases[] = {
        {'1', 3, 20, "14 Fault reset (Reset when turned ON)"},
        {'1', 3, 10,
         "0a Acceleration/deceleration ramp hold (ON: Acceleration/deceleration stopped, "
         "frequency on hold)"},
        {'1', 1, 15, "0f Not used (Set when a terminal is not used)"},
        {'1', 7, 126, "7E Forward/reverse detection (for simple V/f w/PG)"},
        {'1', 3, 51, ""},  // hexadecimal 33 is not in the list
        {'2', 1, 266, "10A Local/Remote [Reverse]"},
        {'2', 3, 0, "000 During Run"},
        {'2', 2, 402, "192 DO 3 for APPX [Reverse]"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(StoreParameterValue(*d, 'H', c.digit, c.number, c.value));
        const FoundValue v = FindParameterValue(*d, 'H', c.digit, c.number);
        EXPECT_TRUE(v.found);
        EXPECT_EQ(d->currentSettingText, c.text)
            << "H" << c.digit << "-0" << c.number << " = " << c.value;
    }
}

// Single entries placed by hand, for the attachment's own checks.
class AttachSettingTextsTest : public ::testing::Test {
protected:
    ParameterEntry& Place(int position, char letter, char digit, uint16_t number,
                          uint8_t editType) {
        auto& slot = d->parameters.entries[position - 1];
        slot = std::make_unique<ParameterEntry>();
        slot->groupLetter = letter;
        slot->groupDigit = digit;
        slot->number = number;
        slot->editType = editType;
        return *slot;
    }

    std::unique_ptr<DriveData> d = std::make_unique<DriveData>();
};

TEST_F(AttachSettingTextsTest, BrokenListsStopWithTheirMessage) {
    ParameterEntry& h = Place(3, 'H', '1', 3, 0);
    EXPECT_EQ(FailureOf([&] { AttachSettingTexts(*d, h.settingTexts, 1024, 0, 3); }),
              "Error in list, Address: H1-03");
    EXPECT_EQ(FailureOf([&] { AttachSettingTexts(*d, h.settingTexts, 1036, 4, 3); }),
              "Error in list, Address: H1-03");
    EXPECT_EQ(FailureOf([&] { AttachSettingTexts(*d, h.settingTexts, 500, 1, 3); }),
              "Edit Type <> 0 but no list found! Address :500");

    SettingTextEntry text;
    text.text = "00 x";
    for (int i = 0; i < kMaxSettingTexts; ++i) AddSettingText(*d, h.settingTexts, text, 1, 3);
    EXPECT_EQ(h.settingTexts.Count(), 150);
    EXPECT_EQ(FailureOf([&] { AddSettingText(*d, h.settingTexts, text, 1, 3); }),
              "Parameter selection list to long, max.=150!");
}

TEST_F(AttachSettingTextsTest, ReattachingReplacesTheList) {
    ParameterEntry& h = Place(1, 'H', '2', 1, 1);
    AttachSettingTexts(*d, h.settingTexts, 1035, 1, 1);
    AttachSettingTexts(*d, h.settingTexts, 1035, 1, 1);
    EXPECT_EQ(h.settingTexts.Count(), 108);

    // A register without a list leaves a non-selection parameter with none.
    AttachSettingTexts(*d, h.settingTexts, 384, 0, 1);
    EXPECT_EQ(h.settingTexts.Count(), 0);
}

TEST_F(AttachSettingTextsTest, TextsUnavailableInTheActiveColumnAreSkipped) {
    ParameterEntry& h = Place(1, 'H', '1', 1, 1);
    d->state.activeColumn = 2;
    SettingTextEntry text;
    text.text = "00 x";
    text.available = {1, 0, 1, 1};
    AddSettingText(*d, h.settingTexts, text, 1, 1);
    EXPECT_EQ(h.settingTexts.Count(), 0);
    d->state.activeColumn = 1;
    AddSettingText(*d, h.settingTexts, text, 1, 1);
    EXPECT_EQ(h.settingTexts.Count(), 1);
}

}  // namespace
}  // namespace qd
