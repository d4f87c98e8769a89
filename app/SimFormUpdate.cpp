// The main window's update check, program setup and proxy settings.
#include "app/SimForm.h"

namespace qd {

void TSimForm::LoadSetupAndProxySettings() {
    updateCheckEnabled = REGIST.ReadBool("PRG", "L2", false);
}

void TSimForm::GiveUpdateComponentVersion() {
    platform.update.SetVersion(kProgramVersion);
}

void TSimForm::AskAutoUpdate() {
    if (!askAutoUpdate) return;
    REGIST.WriteBool("PRG", "VY2", false);
    autoUpdateQuestionShown = true;
    platform.windows.ShowModal("TAutoUpdateSelection");
}

void TSimForm::CheckUpdateStartTimerTimer() {
    CheckUpdateStartTimer.SetEnabled(false);
}

void TSimForm::FlashTimerTimer() {
    STATUSPANEL4.text = STATUSPANEL4.text == "Update Available" ? "" : "Update Available";
}

void TSimForm::CheckforUpdatesClick() {}

void TSimForm::dxBarButton2Click() {}

void TSimForm::STATUSPANEL4Click() {}

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
