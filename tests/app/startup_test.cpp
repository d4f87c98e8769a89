#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "app/QD720SIM.h"
#include "core/FatalStop.h"
#include "support/RecordingPlatform.h"

namespace qd {
namespace {

using testing::RecordingPlatform;

const std::string kBase = "SOFTWARE\\Torvane\\QD720\\SETUP\\";

std::string TempProgramFolder(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / ("qd720-startup-" + name);
    std::filesystem::create_directories(dir);
    return dir.string();
}

TEST(StartupTest, OnlyTheOutputTimersRunBeforeTheWindowIsShown) {
    RecordingPlatform p;
    TSimForm form(p.services, std::make_unique<DriveData>());
    for (Timer* t : form.TimerTable())
        EXPECT_EQ(t->Enabled(), t == &form.DelayTimer || t == &form.OLTIMER) << t->name;
}

TEST(StartupTest, AReturningUserGetsTheRunningTimersAndTheSplashTimerOnly) {
    RecordingPlatform p;
    p.SeedReturningUser();
    Program program = StartProgram(p.services, TempProgramFolder("returning") + "/qd720sim");
    ASSERT_TRUE(program.form);
    TSimForm& f = *program.form;

    EXPECT_EQ(program.title, "Torvane QD720 Programming Simulator");
    EXPECT_EQ(program.helpFile, "QD720SIM.HLP");
    EXPECT_EQ(program.createdWindows,
              (std::vector<std::string>{"TSimForm", "TREVHIS1", "TWinV", "TUserInformation",
                                        "TUserInformation2", "TWinV2", "TShowMessageBB",
                                        "TSimInformation", "TAboutBox", "TPSetup", "TProxyForm"}));
    for (Timer* t : {&f.MainTimer, &f.ControlLoopTimer, &f.OperatorLedTimer, &f.AccDecTimer,
                     &f.DelayTimer, &f.MonitorTimer, &f.OLTIMER, &f.SplashTimer})
        EXPECT_TRUE(t->Enabled()) << t->name;
    for (Timer* t : {&f.AlarmActiveTimer, &f.RunLedSeq, &f.InfoTimer, &f.CheckUpdateStartTimer,
                     &f.FlashTimer, &f.BlinkTimer2})
        EXPECT_FALSE(t->Enabled()) << t->name;
    EXPECT_TRUE(p.messages.empty());
    EXPECT_FALSE(f.Connector.visible);
    EXPECT_FALSE(f.FacePlate.visible);
    EXPECT_FALSE(f.STATUSPANEL4.visible);
    EXPECT_EQ(f.Fault_List.items.size(), 84u);
    EXPECT_EQ(p.version, "1.00.600");
    EXPECT_EQ(f.data->state.programFolder, TempProgramFolder("returning"));

    f.clock.Advance(1999);
    EXPECT_EQ(p.events, (std::vector<std::string>{"splash shown"}));
    f.clock.Advance(1);
    EXPECT_EQ(p.events.back(), "splash destroyed");
    EXPECT_FALSE(f.SplashTimer.Enabled());
}

TEST(StartupTest, AFirstRunAsksAboutTheRevisionsThenUpdatesThenShowsTheInformation) {
    const std::string folder = TempProgramFolder("first");
    std::ofstream(folder + "/QD720SIM_REV.RTF") << "{\\rtf1 revisions}";
    RecordingPlatform p;
    p.confirmAnswer = true;
    Program program = StartProgram(p.services, folder + "/qd720sim");
    ASSERT_TRUE(program.form);

    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].kind, "confirm");
    EXPECT_EQ(p.messages[0].text,
              "This software has recently been updated, would you like to view the "
              "changes?\r\rThe Software Revision history is also available in the about window "
              "that can be activated from the help menu.");
    EXPECT_EQ(p.events, (std::vector<std::string>{"splash shown", "modal TREVHIS1",
                                                  "modal TAutoUpdateSelection"}));
    EXPECT_EQ(p.store[kBase + "PROGRAM\\VERSION"], "1.00.600");
    EXPECT_EQ(p.store[kBase + "PRG\\VY2"], "0");

    program.form->clock.Advance(1000);
    EXPECT_EQ(p.events.back(), "modal TSimInformation");
    EXPECT_EQ(p.events[p.events.size() - 2], "splash destroyed");

    // The next run asks nothing.
    std::filesystem::remove(folder + "/QD720SIM_REV.RTF");
    RecordingPlatform next;
    next.store = p.store;
    next.store[kBase + "PRG\\L30"] = "0";
    std::ofstream(folder + "/QD720SIM_REV.RTF") << "{\\rtf1 revisions}";
    Program again = StartProgram(next.services, folder + "/qd720sim");
    EXPECT_TRUE(next.messages.empty());
    EXPECT_EQ(next.events, (std::vector<std::string>{"splash shown"}));
}

TEST(StartupTest, TheUpdateCheckPanelShowsWhenTheCheckIsEnabled) {
    RecordingPlatform p;
    p.SeedReturningUser();
    p.store[kBase + "PRG\\L2"] = "1";
    Program program = StartProgram(p.services, TempProgramFolder("update") + "/qd720sim");
    EXPECT_TRUE(program.form->CheckUpdateStartTimer.Enabled());
    EXPECT_TRUE(program.form->STATUSPANEL4.visible);
    EXPECT_EQ(program.form->STATUSPANEL4.text, "Checking for updates...");
}

TEST(StartupTest, ABadCatalogueRowStopsTheProgramBeforeAnyWindow) {
    RecordingPlatform p;
    p.SeedReturningUser();
    const DriveDataInitialiser badRow = [](DriveData& d, const std::string&) {
        d.state.lastListNumber = 0;
        RegisterParameter(d, 0, "Z1-01", 1, "Bad", "", {5, 5, 5, 5}, 5, 5, 1, {4, 4, 4, 4}, 0, 0,
                          FullVariants(), 0, 0);
    };
    const Program program = StartProgram(p.services, "/tmp/qd720sim", badRow);
    EXPECT_FALSE(program.form);
    EXPECT_TRUE(p.events.empty());  // not even the splash
    EXPECT_EQ(p.fatalMessages,
              (std::vector<std::string>{"PARAMETER LIST ERROR MIN>=MAX LIST NO. :Z1-01"}));
}

struct ShellFixture : ::testing::Test {
    RecordingPlatform p;
    Program program;
    void SetUp() override {
        p.SeedReturningUser();
        program = StartProgram(p.services, TempProgramFolder("shell") + "/qd720sim");
        ASSERT_TRUE(program.form);
    }
    TSimForm& form() { return *program.form; }
};

TEST_F(ShellFixture, AnEscapedExceptionStopsTheProgramWithItsMessage) {
    form().Run([] { throw std::runtime_error("List index out of bounds"); });
    ASSERT_EQ(p.fatalMessages.size(), 1u);
    EXPECT_EQ(p.fatalMessages[0], "EXCEPTION ERROR : List index out of bounds Program Aborted !");
    EXPECT_TRUE(form().halted);
    for (Timer* t : form().TimerTable()) EXPECT_FALSE(t->Enabled()) << t->name;
    // Nothing runs after the stop.
    bool ran = false;
    form().Run([&] { ran = true; });
    EXPECT_FALSE(ran);
}

TEST_F(ShellFixture, ACatalogueStopInAHandlerShowsItsOwnMessage) {
    form().Run([] { throw FatalStopError("Error in list, Address: H1-01"); });
    EXPECT_EQ(p.fatalMessages, (std::vector<std::string>{"Error in list, Address: H1-01"}));
    EXPECT_TRUE(form().halted);
}

TEST_F(ShellFixture, AfterTheFirstRunQuestionTheAbortTextHasNoBlank) {
    form().autoUpdateQuestionShown = true;
    form().Run([] { throw std::runtime_error("x"); });
    EXPECT_EQ(p.fatalMessages.at(0), "EXCEPTION ERROR : x Program Aborted!");
}

TEST_F(ShellFixture, TheLowerOperatorAreaCyclesThroughThreeViews) {
    TSimForm& f = form();
    struct View {
        bool connector, faceplate, shapes;
    };
    const View expected[] = {{true, false, false}, {false, true, false}, {false, false, true}};
    for (const View& v : expected) {
        f.BitBtn6Click();
        EXPECT_EQ(f.Connector.visible, v.connector);
        EXPECT_EQ(f.FacePlate.visible, v.faceplate);
        EXPECT_EQ(f.Shape8.visible, v.shapes);
        EXPECT_EQ(f.Shape9.visible, v.shapes);
    }
}

TEST_F(ShellFixture, ClosingStoresTheTerminalBoardAndStopsTheTimers) {
    form().TerminalVersion.checked = true;
    form().FormClose();
    EXPECT_EQ(p.store[kBase + "PRG\\T01"], "1");
    for (Timer* t : {&form().MainTimer, &form().ControlLoopTimer, &form().AccDecTimer,
                     &form().DelayTimer, &form().MonitorTimer, &form().RunLedSeq})
        EXPECT_FALSE(t->Enabled()) << t->name;
    EXPECT_TRUE(form().OLTIMER.Enabled());
}

}  // namespace
}  // namespace qd
