// The main window's update check, program setup and proxy settings.
#include "app/SimForm.h"

namespace qd {

namespace {
constexpr const char* kUpdateAvailable = "Update Available";
}

void TSimForm::LoadSetupAndProxySettings() {
    updateWindows.setup.FormCreate(*this);
    updateWindows.setup.Read_Setup(*this);
    updateWindows.proxy.Load_Proxy_settings(*this);
    updateWindows.proxy.Save_Proxy_settings(*this);
}

void TSimForm::GiveUpdateComponentVersion() {
    platform.update.SetVersion(kProgramVersion);
}

void TSimForm::AskAutoUpdate() {
    if (!askAutoUpdate) return;
    REGIST.WriteBool("PRG", "VY2", false);
    autoUpdateQuestionShown = true;
    TAutoUpdateSelection& question = updateWindows.autoUpdate.emplace();
    question.FormShow(*this);
    platform.windows.ShowModal("TAutoUpdateSelection");
    updateWindows.autoUpdate.reset();
}

void TSimForm::CheckUpdateStartTimerTimer() {
    CheckUpdateStartTimer.SetEnabled(false);
    updateWindows.manualUpdateCheck = false;
    if (platform.update.SilentCheck()) {
        STATUSPANEL4.text = kUpdateAvailable;
        STATUSPANEL4.color = "red";
        STATUSPANEL4.hint = "Click here to download update.";
        STATUSPANEL4.visible = true;
        FlashTimer.SetEnabled(true);
    } else {
        STATUSPANEL4.visible = false;
    }
}

void TSimForm::FlashTimerTimer() {
    STATUSPANEL4.text = STATUSPANEL4.text == kUpdateAvailable ? "" : kUpdateAvailable;
}

void TSimForm::CheckforUpdatesClick() {
    updateWindows.manualUpdateCheck = true;
    platform.update.InteractiveCheck();
    STATUSPANEL4.visible = false;
}

void TSimForm::dxBarButton2Click() {
    updateWindows.setup.FormShow(*this);
    platform.windows.ShowModal("TPSetup");
    TerminalVersion.checked = alternateTerminalBoard;
    TerminalVersionClick();
}

void TSimForm::STATUSPANEL4Click() {
    CheckforUpdatesClick();
}

void TSimForm::StartUpdateCheckIfEnabled() {
    if (updateCheckEnabled) {
        CheckUpdateStartTimer.SetEnabled(true);
        STATUSPANEL4.text = "Checking for updates...";
        STATUSPANEL4.visible = true;
    } else {
        STATUSPANEL4.text.clear();
        STATUSPANEL4.visible = false;
    }
}

}  // namespace qd
