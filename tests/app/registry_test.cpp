#include "app/Registry.h"

#include <gtest/gtest.h>

#include "support/RecordingPlatform.h"

namespace qd {
namespace {

struct RegistryFixture : ::testing::Test {
    testing::RecordingPlatform store;
    TReg reg{store};
    void SetUp() override { reg.Path = "SOFTWARE\\Torvane\\QD720\\SETUP"; }
    void Stored(const std::string& section, const std::string& name, const std::string& text) {
        store.store["SOFTWARE\\Torvane\\QD720\\SETUP\\" + section + "\\" + name] = text;
    }
};

TEST_F(RegistryFixture, StoredTextsReadAsBooleansAndIntegers) {
    const struct {
        const char* text;
        bool asBool;        // read with the default false
        int32_t asInteger;  // read with the default 8080
    } cases[] = {
        {"1", true, 1},    {"2", true, 2},       {"0", false, 0},
        {"-1", false, -1}, {"80a", false, 8080}, {"yes", false, 8080},
        {"", false, 8080}, {" 5", false, 8080},  {"99999999999", false, 8080},
    };
    for (const auto& c : cases) {
        Stored("PROXY", "PORT", c.text);
        EXPECT_EQ(reg.ReadBool("PROXY", "PORT", false), c.asBool) << c.text;
        EXPECT_EQ(reg.ReadInteger("PROXY", "PORT", 8080), c.asInteger) << c.text;
    }
    // A text that is not a number gives the caller's default, whichever it is.
    Stored("PRG", "L30", "x");
    EXPECT_TRUE(reg.ReadBool("PRG", "L30", true));
}

TEST_F(RegistryFixture, AbsentValuesGiveTheDefaultsAndWritesAreText) {
    std::string version;
    reg.ReadString("PROGRAM", "VERSION", version, "-1");
    EXPECT_EQ(version, "-1");
    EXPECT_TRUE(reg.ReadBool("PRG", "L30", true));

    reg.WriteBool("PRG", "L30", true);
    reg.WriteBool("PRG", "L2", false);
    reg.WriteInteger("PROXY", "PORT", 3128);
    reg.WriteString("PROGRAM", "VERSION", "1.00.600");
    EXPECT_EQ(store.store.at("SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L30"), "1");
    EXPECT_EQ(store.store.at("SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L2"), "0");
    EXPECT_EQ(store.store.at("SOFTWARE\\Torvane\\QD720\\SETUP\\PROXY\\PORT"), "3128");
    reg.ReadString("PROGRAM", "VERSION", version, "-1");
    EXPECT_EQ(version, "1.00.600");
}

TEST_F(RegistryFixture, KeyPathsHaveOneSeparatorBetweenTheParts) {
    EXPECT_EQ(reg.KeyOf("PRG", "L30"), "SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L30");
    reg.Path = "SOFTWARE\\Torvane\\QD720\\SETUP\\";
    EXPECT_EQ(reg.KeyOf("PRG\\", "L30"), "SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L30");
    EXPECT_EQ(reg.KeyOf("", "L30"), "SOFTWARE\\Torvane\\QD720\\SETUP\\L30");
}

}  // namespace
}  // namespace qd
