// Program setup, proxy settings, the first-run question and the update panel,
// against the recording platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/QD720SIM.h"
#include "support/RecordingPlatform.h"

namespace qd {
namespace {

using testing::RecordingPlatform;

const std::string kBase = "SOFTWARE\\Torvane\\QD720\\SETUP\\";

std::string Folder() {
    const auto dir = std::filesystem::temp_directory_path() / "qd720-update-windows";
    std::filesystem::create_directories(dir);
    return (dir / "qd720sim").string();
}

struct Started {
    RecordingPlatform p;
    Program program;
    explicit Started(bool returning = true, bool updates = false) {
        if (returning) p.SeedReturningUser();
        if (updates) p.store[kBase + "PRG\\L2"] = "1";
        program = StartProgram(p.services, Folder());
    }
    TSimForm& f() { return *program.form; }
    std::string stored(const std::string& key) { return p.store[kBase + key]; }
};

TEST(UpdateWindowsTest, FirstRunWithTheDefaultNoStoresFalseAndRunsNoCheck) {
    Started s(false);
    TSimForm& f = s.f();
    EXPECT_TRUE(std::find(s.p.events.begin(), s.p.events.end(), "modal TAutoUpdateSelection") !=
                s.p.events.end());
    // The recording window system shows nothing, so "&Close" was never pressed.
    EXPECT_FALSE(f.updateWindows.autoUpdate);
    EXPECT_EQ(s.stored("PRG\\VY2"), "0");
    EXPECT_FALSE(f.updateCheckEnabled);
    EXPECT_FALSE(f.STATUSPANEL4.visible);
    EXPECT_FALSE(f.CheckUpdateStartTimer.Enabled());

    f.dxBarButton2Click();
    // "L2" absent: the box shows ticked, though no check runs.
    EXPECT_TRUE(f.updateWindows.setup.L2.checked);
}

TEST(UpdateWindowsTest, TheQuestionSetsTheFlagAndStoresIt) {
    for (const bool yes : {false, true}) {
        Started s;
        TSimForm& f = s.f();
        f.updateCheckEnabled = true;
        TAutoUpdateSelection q;
        q.FormShow(f);
        EXPECT_EQ(q.title, "QD720 Programming Simulator");
        EXPECT_FALSE(f.updateCheckEnabled);
        EXPECT_TRUE(q.R2.checked);
        q.Select(yes);
        q.CloseClick(f);
        EXPECT_EQ(f.updateCheckEnabled, yes);
        EXPECT_EQ(s.stored("PRG\\L2"), yes ? "1" : "0");
    }
}

TEST(UpdateWindowsTest, SilentCheckShowsAFlashingRedPanelOrHidesIt) {
    for (const bool found : {false, true}) {
        Started s(true, true);
        TSimForm& f = s.f();
        EXPECT_TRUE(f.STATUSPANEL4.visible);
        EXPECT_EQ(f.STATUSPANEL4.text, "Checking for updates...");
        s.p.silentCheckResult = found;
        f.updateWindows.manualUpdateCheck = true;
        f.clock.Advance(3000);
        EXPECT_FALSE(f.CheckUpdateStartTimer.Enabled());
        EXPECT_FALSE(f.updateWindows.manualUpdateCheck);
        EXPECT_EQ(f.STATUSPANEL4.visible, found);
        EXPECT_EQ(f.FlashTimer.Enabled(), found);
        EXPECT_EQ(s.p.interactiveChecks, 0);
        if (!found) continue;
        EXPECT_EQ(f.STATUSPANEL4.text, "Update Available");
        EXPECT_EQ(f.STATUSPANEL4.color, "red");
        EXPECT_EQ(f.STATUSPANEL4.hint, "Click here to download update.");
        f.FlashTimerTimer();
        EXPECT_EQ(f.STATUSPANEL4.text, "");
        f.FlashTimerTimer();
        EXPECT_EQ(f.STATUSPANEL4.text, "Update Available");

        f.STATUSPANEL4Click();
        EXPECT_EQ(s.p.interactiveChecks, 1);
        EXPECT_TRUE(f.updateWindows.manualUpdateCheck);
        EXPECT_FALSE(f.STATUSPANEL4.visible);
    }
}

TEST(UpdateWindowsTest, StartupHandsTheStoredProxyToTheComponent) {
    RecordingPlatform p;
    p.SeedReturningUser();
    p.store[kBase + "PROXY\\USE"] = "1";
    p.store[kBase + "PROXY\\ADDR"] = "proxy.example";
    p.store[kBase + "PROXY\\PORT"] = "3128";
    p.store[kBase + "PROXY\\UN"] = "anna";
    p.store[kBase + "PROXY\\PW"] = "secret";
    Program program = StartProgram(p.services, Folder());
    EXPECT_TRUE(p.proxy.useProxy);
    EXPECT_FALSE(p.proxy.useSystemSettings);
    EXPECT_EQ(p.proxy.host, "proxy.example");
    EXPECT_EQ(p.proxy.port, 3128);
    EXPECT_EQ(p.proxy.userName, "anna");
    EXPECT_EQ(p.proxy.password, "secret");
    EXPECT_EQ(program.form->updateWindows.proxy.ProxyPortNumber.text, "3128");

    // First run: the defaults are written back at once.
    RecordingPlatform fresh;
    Program first = StartProgram(fresh.services, Folder());
    EXPECT_EQ(fresh.store[kBase + "PROXY\\USE"], "0");
    EXPECT_EQ(fresh.store[kBase + "PROXY\\PORT"], "8080");
    EXPECT_TRUE(fresh.proxy.useSystemSettings);
    EXPECT_EQ(fresh.proxy.port, 8080);
}

TEST(UpdateWindowsTest, PortFieldTakesDigitsAndIsLimitedWhenLeft) {
    TProxyForm proxy;
    struct Case {
        const char* typed;
        const char* shown;
        const char* left;
    };
    const Case cases[] = {
        {"99999", "99999", "32768"},   {"", "", "0"},
        {"32768", "32768", "32768"},   {"32769", "32769", "32768"},
        {"00080", "00080", "80"},      {"8a0b8", "808", "808"},
        {"1234567", "12345", "12345"},
    };
    for (const Case& c : cases) {
        proxy.SetText(proxy.ProxyPortNumber, c.typed);
        EXPECT_EQ(proxy.ProxyPortNumber.text, c.shown) << c.typed;
        proxy.ProxyPortNumberExit();
        EXPECT_EQ(proxy.ProxyPortNumber.text, c.left) << c.typed;
    }
    for (char ch : std::string("09")) EXPECT_TRUE(TProxyForm::PortKeyAccepted(ch));
    for (char ch : std::string("a-+ .\b")) EXPECT_FALSE(TProxyForm::PortKeyAccepted(ch));
    proxy.SetText(proxy.ProxyAddress, std::string(80, 'x'));
    EXPECT_EQ(proxy.ProxyAddress.text.size(), 60u);
}

TEST(UpdateWindowsTest, UntickingTheProxyKeepsTheTypedFields) {
    Started s;
    TSimForm& f = s.f();
    TProxyForm& proxy = f.updateWindows.proxy;
    proxy.UseProxy.checked = true;
    proxy.SetText(proxy.ProxyAddress, "10.0.0.1");
    proxy.SetText(proxy.ProxyPortNumber, "99999");  // Accept by accelerator: never left
    proxy.SetText(proxy.ProxyUsername, "anna");
    proxy.SetText(proxy.ProxyPassword, "pw");
    proxy.CtrlOKClick(f);
    EXPECT_EQ(s.stored("PROXY\\PORT"), "32768");
    EXPECT_EQ(s.p.proxy.port, 32768);
    EXPECT_TRUE(s.p.proxy.useProxy);

    proxy.UseProxy.checked = false;
    proxy.CtrlOKClick(f);
    EXPECT_EQ(s.stored("PROXY\\USE"), "0");
    EXPECT_EQ(s.stored("PROXY\\ADDR"), "10.0.0.1");
    EXPECT_EQ(s.stored("PROXY\\UN"), "anna");
    EXPECT_EQ(s.stored("PROXY\\PW"), "pw");
    EXPECT_TRUE(s.p.proxy.useSystemSettings);
    EXPECT_FALSE(s.p.proxy.useProxy);
    EXPECT_EQ(s.p.proxy.host, "");
    EXPECT_EQ(s.p.proxy.port, 8080);
    EXPECT_EQ(s.p.proxy.userName, "");

    // Cancel keeps what was typed until the next load.
    proxy.SetText(proxy.ProxyAddress, "typed.example");
    proxy.CancelClick();
    EXPECT_EQ(proxy.ProxyAddress.text, "typed.example");
    EXPECT_EQ(s.stored("PROXY\\ADDR"), "10.0.0.1");
    f.updateWindows.setup.CtrlOKClick(f);  // accepting the setup reloads
    EXPECT_EQ(proxy.ProxyAddress.text, "10.0.0.1");
}

TEST(UpdateWindowsTest, ProgramSetupStoresReadsBackAndResetsTheTerminalBoard) {
    Started s;
    TSimForm& f = s.f();
    TPSetup& setup = f.updateWindows.setup;
    f.dxBarButton2Click();
    EXPECT_FALSE(setup.L1.checked);
    EXPECT_FALSE(setup.L2.checked);
    EXPECT_FALSE(setup.L3.checked);

    // Ticked on the main window, then the setup is cancelled: the stored choice wins.
    f.TerminalVersion.checked = true;
    f.TerminalVersionClick();
    f.dxBarButton2Click();
    EXPECT_FALSE(f.TerminalVersion.checked);
    EXPECT_TRUE(f.USA_Term.visible);

    setup.FormShow(f);
    setup.L1.checked = true;
    setup.L2.checked = true;
    setup.L3.checked = true;
    setup.CtrlOKClick(f);
    EXPECT_EQ(s.stored("PRG\\L30"), "1");
    EXPECT_EQ(s.stored("PRG\\L2"), "1");
    EXPECT_EQ(s.stored("PRG\\T01"), "1");
    EXPECT_TRUE(f.showSimulatorInformation);
    EXPECT_TRUE(f.updateCheckEnabled);
    EXPECT_TRUE(f.alternateTerminalBoard);
    // The check of this run is neither started nor stopped.
    EXPECT_FALSE(f.CheckUpdateStartTimer.Enabled());

    setup.HelpClick(f);
    EXPECT_NE(s.p.events.back().find("ProgramSetup"), std::string::npos);
    setup.URLClick(f);
    EXPECT_EQ(s.p.events.back(), "modal TProxyForm");
}

}  // namespace
}  // namespace qd
