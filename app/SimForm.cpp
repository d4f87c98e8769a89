#include "app/SimForm.h"

#include <exception>

#include "core/FatalStop.h"
#include "core/FaultCatalogue.h"

namespace qd {

namespace {
std::vector<Timer*> TimerList(FormControls& c) {
    auto table = c.TimerTable();
    return {table.begin(), table.end()};
}
}  // namespace

const std::vector<FormWindow>& StartupWindows() {
    static const std::vector<FormWindow> windows = {
        {"TREVHIS1", "Software Revision History"},
        {"TWinV", "Scan Results"},
        {"TUserInformation", "Action Message"},
        {"TUserInformation2", "Project Information"},
        {"TWinV2", "Report Info"},
        {"TShowMessageBB", "Action Message"},
        {"TSimInformation", "Simulator Information"},
        {"TAboutBox", "About"},
        {"TPSetup", "Program Setup"},
        {"TProxyForm", "Proxy Settings"},
    };
    return windows;
}

TSimForm::TSimForm(Platform& p, std::unique_ptr<DriveData> d)
    : platform(p), data(std::move(d)), clock(TimerList(*this)), REGIST(p.settings) {
    REGIST.Path = kSettingsPath;
    clock.halted = [this] { return halted || closed; };
    WireTimers();
}

void TSimForm::WireTimers() {
    const std::pair<Timer*, void (TSimForm::*)()> handlers[] = {
        {&MainTimer, &TSimForm::MainTimerTimer},
        {&ControlLoopTimer, &TSimForm::ControlLoopTimerTimer},
        {&AccDecTimer, &TSimForm::ADTimer},
        {&DelayTimer, &TSimForm::DelayTimerTimer},
        {&OLTIMER, &TSimForm::OLTIMERTimer},
        {&BlinkTimer2, &TSimForm::BlinkTimer2Timer},
        {&BlinkTimer3, &TSimForm::BlinkTimer3Timer},
        {&BlinkTimer4, &TSimForm::BlinkTimer4Timer},
        {&OperatorLedTimer, &TSimForm::OperatorLedTimerTimer},
        {&RunLedSeq, &TSimForm::RunLedSeqTimer},
        {&MonitorTimer, &TSimForm::MonitorTimerTimer},
        {&AlarmActiveTimer, &TSimForm::AlarmActiveTimerTimer},
        {&InfoTimer, &TSimForm::InfoTimerTimer},
        {&SplashTimer, &TSimForm::SplashTimerTimer},
        {&CheckUpdateStartTimer, &TSimForm::CheckUpdateStartTimerTimer},
        {&FlashTimer, &TSimForm::FlashTimerTimer},
    };
    for (const auto& [timer, handler] : handlers) {
        auto h = handler;
        timer->onTimer = [this, h] { Run([this, h] { (this->*h)(); }); };
    }
}

void TSimForm::Halt() {
    halted = true;
    for (Timer* t : TimerTable()) t->SetEnabled(false);
}

void TSimForm::Run(const std::function<void()>& handler) {
    if (halted || closed) return;
    try {
        handler();
    } catch (const FatalStopError& e) {
        Halt();
        platform.fatal.Stop(e.what());
    } catch (const std::exception& e) {
        Halt();
        // The first-run question installs a handler of its own, worded without the blank.
        const char* tail = autoUpdateQuestionShown ? " Program Aborted!" : " Program Aborted !";
        platform.fatal.Stop(std::string("EXCEPTION ERROR : ") + e.what() + tail);
    }
}

// ---------------------------------------------------------------- window life

void TSimForm::FormShow() {
    URL.caption = kHomePage;
    URL.target = kHomePage;

    OperatorContext op = Operator();
    if (!PrepareOperatorAtStartup(op)) {
        platform.messages.Information("No Parameter groups found");
        dxBarButton9Click();
        return;
    }

    Connector.visible = false;
    FacePlate.visible = false;

    BuildFaultCatalogue(data->faults, data->state,
                        FaultLists{Fault_List, Alarm_List, Opr_Alarm_List, Autotune_Fault});

    MainTimer.SetEnabled(true);
    ControlLoopTimer.SetEnabled(true);
    OperatorLedTimer.SetEnabled(true);
    AccDecTimer.SetEnabled(true);
    DelayTimer.SetEnabled(true);
    MonitorTimer.SetEnabled(true);
    AlarmActiveTimer.SetEnabled(false);
    RunLedSeq.SetEnabled(false);

    LoadSetupAndProxySettings();
    GiveUpdateComponentVersion();
    ReadStoredFlags();
    ReadLastRunVersion();
    AskRevisionHistory();
    StoreLastRunVersion();
    AskAutoUpdate();

    if (showSimulatorInformation)
        InfoTimer.SetEnabled(true);
    else
        SplashTimer.SetEnabled(true);

    StartUpdateCheckIfEnabled();
}

void TSimForm::FormClose() {
    for (Timer* t : {&MainTimer, &ControlLoopTimer, &OperatorLedTimer, &AccDecTimer, &DelayTimer,
                     &MonitorTimer, &AlarmActiveTimer, &RunLedSeq})
        t->SetEnabled(false);
    REGIST.WriteBool("PRG", "T01", TerminalVersion.checked);
    closed = true;
}

void TSimForm::dxBarButton9Click() {
    platform.windows.CloseMainWindow();
}

void TSimForm::InfoTimerTimer() {
    InfoTimer.SetEnabled(false);
    if (splashShown) {
        splashShown = false;
        platform.windows.DestroySplash();
    }
    platform.windows.ShowModal("TSimInformation");
}

void TSimForm::SplashTimerTimer() {
    SplashTimer.SetEnabled(false);
    if (splashShown) {
        splashShown = false;
        platform.windows.DestroySplash();
    }
}

void TSimForm::BitBtn6Click() {
    if (Connector.visible) {  // terminals -> faceplate
        Connector.visible = false;
        FacePlate.visible = true;
        Shape8.visible = Shape9.visible = false;
    } else if (FacePlate.visible) {  // faceplate -> information
        Connector.visible = false;
        FacePlate.visible = false;
        Shape8.visible = Shape9.visible = true;
    } else {  // information -> terminals
        Connector.visible = true;
        FacePlate.visible = false;
        Shape8.visible = Shape9.visible = false;
    }
}

// ------------------------------------------------- start-up steps of the shell

// ------------------------------------------- handlers filled by later modules

}  // namespace qd
