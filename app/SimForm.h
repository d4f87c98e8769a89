// The main window as plain objects: every control of its inventory, its timers,
// its handlers and the shell state. The desktop build binds widgets to it; the
// headless build drives it from a script.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Clock.h"
#include "app/HelpWindows.h"
#include "app/Platform.h"
#include "app/Registry.h"
#include "app/UpdateWindows.h"
#include "core/DriveData.h"
#include "core/FormControls.h"
#include "drive/DriveContext.h"
#include "drive/DriveSimulation.h"
#include "operator/OperatorContext.h"
#include "operator/OperatorPanel.h"
#include "operator/SegmentDisplay.h"

namespace qd {

inline constexpr const char* kProgramVersion = "1.00.600";
inline constexpr const char* kMainCaption = "QD720 Programming Simulator";
inline constexpr const char* kApplicationTitle = "Torvane QD720 Programming Simulator";
inline constexpr const char* kHelpFileName = "QD720SIM.HLP";
inline constexpr const char* kSettingsPath = "SOFTWARE\\Torvane\\QD720\\SETUP";
inline constexpr const char* kHomePage = "https://www.torvane.example/";

// A window of the program other than the main window.
struct FormWindow {
    std::string name;
    std::string caption;
};

class TSimForm : public FormControls {
public:
    TSimForm(Platform& platform, std::unique_ptr<DriveData> data);
    TSimForm(const TSimForm&) = delete;
    TSimForm& operator=(const TSimForm&) = delete;

    Platform& platform;
    std::unique_ptr<DriveData> data;
    OperatorPanel panel;
    SegmentDisplay display;
    DriveSimulation sim;
    Clock clock;
    TReg REGIST;
    std::string caption = kMainCaption;
    HelpWindows helpWindows;      // information, revision history, about
    UpdateWindows updateWindows;  // program setup, proxy, first-run question

    // Shell state.
    bool showSimulatorInformation = true;
    bool updateCheckEnabled = false;
    bool alternateTerminalBoard = false;
    bool askAutoUpdate = true;
    bool splashShown = false;
    bool autoUpdateQuestionShown = false;
    std::string lastRunVersion;
    // The program has stopped itself (fatal stop); nothing runs any more.
    bool halted = false;
    bool closed = false;

    // The views the operator and the drive model work through.
    OperatorContext Operator() { return {*this, *data, panel, display, sim, platform.messages}; }
    DriveContext Drive() { return {*this, *data, sim, platform.messages, &panel.state}; }

    // Runs a handler under the application-wide exception handler.
    void Run(const std::function<void()>& handler);

    // Window life.
    void FormShow();
    void FormClose();
    void FormResize() {}
    void InfoTimerTimer();
    void SplashTimerTimer();
    void BitBtn6Click();
    void dxBarButton9Click();  // File, Exit

    // Display refresh, control loop, ramp and the other periodic handlers.
    void MainTimerTimer();
    void ControlLoopTimerTimer();
    void ADTimer();
    void DelayTimerTimer();
    void OLTIMERTimer();
    void BlinkTimer2Timer();
    void BlinkTimer3Timer();
    void BlinkTimer4Timer();
    void OperatorLedTimerTimer();
    void RunLedSeqTimer();
    void MonitorTimerTimer();
    void AlarmActiveTimerTimer();
    void CheckUpdateStartTimerTimer();
    void FlashTimerTimer();

    // Keypad.
    void EscKeyClick();
    void LeftKeyClick();  // RESET
    void EnterKeyClick();
    void UpKeyClick();
    void DownkeyClick();
    void RunKeyClick();
    void StopKeyClick();
    void LOREKEYClick();

    // Terminal board and injection page.
    void TerminalVersionClick();
    void FaultButtonClick();
    void AutotuneButtonClick();
    void AlarmButtonMouseDown();
    void AlarmButtonMouseUp();
    void OprAlarmButtonMouseDown();
    void OprAlarmButtonMouseUp();
    void Fault_ListChange();
    void Alarm_ListChange();
    void Opr_Alarm_ListChange();
    void Autotune_FaultChange();
    void RJ45_OPENClick();
    void RJ45_CLOSEDClick();

    // Menus, links and the update panel.
    void HelpClick();
    void PDFClick();
    void PDFClick2();
    void PDFClick3();
    void btnHomePageClick();
    void SimInfoClick();
    void btnAboutUsClick();
    void CheckforUpdatesClick();
    void dxBarButton2Click();  // File, Program Setup
    void STATUSPANEL4Click();

private:
    void WireTimers();
    void Halt();

    // Start-up steps that belong to the settings, help and update parts.
    void LoadSetupAndProxySettings();
    void GiveUpdateComponentVersion();
    void ReadStoredFlags();
    void ReadLastRunVersion();
    void AskRevisionHistory();
    void StoreLastRunVersion();
    void AskAutoUpdate();
    void StartUpdateCheckIfEnabled();
};

// The other windows, created after the main window in this order.
const std::vector<FormWindow>& StartupWindows();

}  // namespace qd
