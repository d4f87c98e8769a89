#include <gtest/gtest.h>

#include "app/UpdateInfo.h"

namespace qd {
namespace {

const std::string kSha(64, 'a');

std::string File(const std::string& body) {
    return "# published with each release\n[QD720 update]\n" + body;
}

TEST(UpdateInfoTest, VersionsCompareByNumberPartByPart) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"1.00.600", "1.00.1000", -1}, {"1.00.1000", "1.00.600", 1}, {"1.00.600", "1.00.600", 0},
        {"1.0.600", "1.00.600", 0},    {"1.2", "1.2.0", 0},          {"2", "1.99.99999", 1},
        {"1.01.0", "1.00.999", 1},     {"0.9", "1.0", -1},
    };
    for (const Case& c : cases) {
        const auto a = VersionParts(c.a);
        const auto b = VersionParts(c.b);
        ASSERT_TRUE(a && b) << c.a << " " << c.b;
        const int got = CompareVersions(*a, *b);
        EXPECT_EQ((got > 0) - (got < 0), c.expected) << c.a << " vs " << c.b;
    }
    EXPECT_TRUE(IsNewerVersion("1.00.1000", "1.00.600"));
    EXPECT_FALSE(IsNewerVersion("1.00.600", "1.00.600"));
    EXPECT_FALSE(IsNewerVersion("1.00.500", "1.00.600"));
}

TEST(UpdateInfoTest, InvalidVersionsAreNeverNewer) {
    for (const char* v : {"", ".", "1.", ".1", "1..2", "1.a", "v1.2", "1.2 ", "-1", "1.0000000000",
                          "1.2.3.4.5.6.7", "99999999999"})
        EXPECT_FALSE(VersionParts(v)) << '"' << v << '"';
    EXPECT_FALSE(IsNewerVersion("abc", "1.00.600"));
    EXPECT_FALSE(IsNewerVersion("9.9.9", "garbage"));
}

TEST(UpdateInfoTest, AWellFormedFileGivesItsFields) {
    const auto info =
        ParseUpdateInfo(File("version = 1.00.700\r\nurl=qd720sim-1.00.700.tar.gz\n"
                             "size=1234\nsha256=" +
                             std::string(64, 'F') + "\nnotes=Faster ramps\nfuture=x\n"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->version, "1.00.700");
    EXPECT_EQ(info->url, "qd720sim-1.00.700.tar.gz");
    EXPECT_EQ(info->size, 1234u);
    EXPECT_EQ(info->sha256, std::string(64, 'f'));
    EXPECT_EQ(info->notes, "Faster ramps");
}

TEST(UpdateInfoTest, MalformedFilesAreNoInformation) {
    const std::string ok = "version=1.00.700\nurl=a.bin\nsize=10\nsha256=" + kSha + "\n";
    const std::string cases[] = {
        "",
        "<html><body>Not here</body></html>",
        "version=1.00.700\nurl=a.bin\nsize=10\nsha256=" + kSha + "\n",  // no header
        File("url=a.bin\nsize=10\nsha256=" + kSha),                     // no version
        File("version=1.00.x\nurl=a.bin\nsize=10\nsha256=" + kSha),
        File("version=1.00.700\nsize=10\nsha256=" + kSha),  // no address
        File("version=1.00.700\nurl=a.bin\nsha256=" + kSha),
        File("version=1.00.700\nurl=a.bin\nsize=0\nsha256=" + kSha),
        File("version=1.00.700\nurl=a.bin\nsize=-5\nsha256=" + kSha),
        File("version=1.00.700\nurl=a.bin\nsize=99999999999999999999\nsha256=" + kSha),
        File("version=1.00.700\nurl=a.bin\nsize=999999999999\nsha256=" + kSha),  // over the cap
        File("version=1.00.700\nurl=a.bin\nsize=10\nsha256=abc"),
        File("version=1.00.700\nurl=a.bin\nsize=10\nsha256=" + std::string(64, 'g')),
        File(ok + "version=1.00.800\n"),  // a field twice
        File(ok + "just a line\n"),
        File(ok + std::string("x=\0y", 4)),
    };
    for (const std::string& text : cases) EXPECT_FALSE(ParseUpdateInfo(text)) << text;
}

}  // namespace
}  // namespace qd
