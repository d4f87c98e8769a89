#include "platform/headless/ScriptRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless/Json.h"
#include "platform/headless/Snapshot.h"

namespace qd::headless {
namespace {

struct RunResult {
    int status = -1;
    std::vector<std::string> lines;
};

RunResult RunLines(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    const auto folder = std::filesystem::temp_directory_path() / "qd720-script-test";
    std::filesystem::create_directories(folder);
    RunResult r;
    r.status = RunScript(in, out, (folder / "qd720-script").string());
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) r.lines.push_back(line);
    return r;
}

TEST(ScriptRunnerTest, ASnapshotHasEveryFieldOfTheContract) {
    const RunResult r = RunLines("show\n");
    ASSERT_EQ(r.status, kScriptPassed);
    ASSERT_EQ(r.lines.size(), 1u);
    const std::string& s = r.lines[0];
    for (const char* field :
         {"\"type\":\"snapshot\"", "\"t\":0", "\"state\":", "\"segments\":[", "\"dark\":[",
          "\"points\":[", "\"blink\":[", "\"display\":", "\"text\":", "\"lamps\":{\"ALM\":",
          "\"REV\":", "\"DRV\":", "\"FOUT\":", "\"RUN\":", "\"LORE\":", "\"status\":",
          "\"info\":", "\"current2\":", "\"outputs\":{\"MA\":", "\"MB\":", "\"P1\":", "\"P2\":",
          "\"AM\":", "\"MP\":", "\"AMpowered\":", "\"MPpowered\":", "\"RPM\":", "\"fan\":",
          "\"editValue\":", "\"digitCursor\":", "\"keyLock\":", "\"verifyCount\":",
          "\"outputFrequency\":", "\"frequencyReference\":", "\"motorFrequency\":",
          "\"outputCurrent\":", "\"outputVoltage\":", "\"outputTorque\":",
          "\"overloadEstimate\":", "\"runningForward\":", "\"runningReverse\":",
          "\"runFlashing\":", "\"runBlocked\":", "\"localMode\":", "\"reverseSelected\":",
          "\"faultLatched\":", "\"faultShown\":", "\"errorState\":", "\"errorIndex\":",
          "\"alarmActive\":", "\"alarmShowRequest\":", "\"activeColumn\":1",
          "\"lastInitialisation\":2220"})
        EXPECT_NE(s.find(field), std::string::npos) << field;
}

TEST(ScriptRunnerTest, LooksUpParametersMonitorsAndLists) {
    const RunResult r = RunLines(
        "get E1-04\n"
        "get b8-19   # exists, but is never offered\n"
        "set H1-03 20\n"
        "get H1-03\n"
        "monitor U1-15\n"
        "items FAULT\n");
    ASSERT_EQ(r.status, kScriptPassed);
    ASSERT_EQ(r.lines.size(), 5u);
    EXPECT_EQ(r.lines[0], R"({"type":"value","code":"E1-04","found":true,"value":60})");
    EXPECT_EQ(r.lines[1], R"({"type":"value","code":"B8-19","found":false,"value":0})");
    EXPECT_EQ(r.lines[2], R"({"type":"value","code":"H1-03","found":true,"value":20,)"
                          R"x("text":"14 Fault reset (Reset when turned ON)"})x");
    EXPECT_EQ(r.lines[3], R"({"type":"value","code":"U1-15","found":false,"value":0})");
    Json items;
    std::string rest;
    const std::string& line = r.lines[4];
    EXPECT_EQ(line.rfind(R"({"type":"items","list":"FAULT","items":["bUS, Option Communication Error",)", 0), 0u);
    EXPECT_NE(line.find(R"("CPF25, ")"), std::string::npos);
    EXPECT_EQ(std::count(line.begin(), line.end(), '"') % 2, 0);
}

TEST(ScriptRunnerTest, ExpectReportsAMismatchAndTheRunEndsWithStatusOne) {
    const RunResult r = RunLines(
        "expect activeColumn 1\n"
        "expect lamps.RUN 1\n"
        "expect outputFrequency 0.0004\n"
        "expect outputFrequency 0.4 0.5\n"
        "expect segments [0,0,0,0,0]\n");
    EXPECT_EQ(r.status, kExpectFailed);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0],
              R"({"type":"expect-failed","line":2,"field":"lamps.RUN","expected":1,"actual":0})");
}

TEST(ScriptRunnerTest, AScriptErrorStopsTheRunWithStatusTwo) {
    const struct {
        const char* script;
        int line;
    } cases[] = {
        {"jump 3\n", 1},
        {"show\nknob A1 10.5\nshow\n", 2},  // out of range is an error, not a clamp
        {"slider RP -1\n", 1},
        {"\n# comment\nkey HOME\n", 3},
        {"select FAULT 84\n", 1},
        {"wait -5\n", 1},
        {"expect nosuchfield 1\n", 1},
        {"set Z9-99 1\n", 1},
    };
    for (const auto& c : cases) {
        const RunResult r = RunLines(c.script);
        EXPECT_EQ(r.status, kScriptError) << c.script;
        ASSERT_FALSE(r.lines.empty()) << c.script;
        EXPECT_EQ(r.lines.back().rfind(
                      R"({"type":"error","line":)" + std::to_string(c.line) + ",", 0),
                  0u)
            << c.script << r.lines.back();
    }
}

TEST(ScriptRunnerTest, WaitFiresTimersDueExactlyAtTheEnd) {
    const RunResult r = RunLines("wait 1999\nexpect t 1999\nwait 1\nexpect t 2000\n");
    EXPECT_EQ(r.status, kScriptPassed);
}

TEST(SnapshotTest, SegmentCodesReadAsTheirGlyphs) {
    const struct {
        int code;
        char glyph;
    } cases[] = {{0, ' '},   {63, '0'},  {6, '1'},   {103, '9'}, {119, 'A'}, {124, 'b'},
                 {57, 'C'},  {94, 'd'},  {121, 'E'}, {113, 'F'}, {64, '-'},  {61, 'G'},
                 {118, 'H'}, {115, 'P'}, {84, 'n'},  {92, 'o'},  {28, 'u'},  {80, 'r'},
                 {112, 't'}, {82, 'z'},  {1, '?'},   {127, '8'}};
    for (const auto& c : cases)
        EXPECT_EQ(GlyphOf(static_cast<uint8_t>(c.code)), c.glyph) << c.code;
}

TEST(JsonTest, NumbersHaveAtMostFourDecimals) {
    EXPECT_EQ(FormatNumber(10.0), "10");
    EXPECT_EQ(FormatNumber(0.12f), "0.12");
    EXPECT_EQ(FormatNumber(1.23456), "1.2346");
    EXPECT_EQ(FormatNumber(-0.00001), "0");
    EXPECT_EQ(Quote("a\"b\\c\r"), R"("a\"b\\c\r")");
}

}  // namespace
}  // namespace qd::headless
