// The main window's stored flags, help, manuals, links and information windows.
#include <filesystem>

#include "app/Link.h"
#include "app/SimForm.h"

namespace qd {

void TSimForm::ReadStoredFlags() {
    showSimulatorInformation = REGIST.ReadBool("PRG", "L30", true);
    alternateTerminalBoard = REGIST.ReadBool("PRG", "T01", false);
    TerminalVersion.checked = alternateTerminalBoard;
    TerminalVersionClick();
}

void TSimForm::ReadLastRunVersion() {
    REGIST.ReadString("PROGRAM", "VERSION", lastRunVersion, "-1");
    askAutoUpdate = REGIST.ReadBool("PRG", "VY2", true);
}

void TSimForm::AskRevisionHistory() {
    const std::filesystem::path rev =
        std::filesystem::path(data->state.programFolder) / kRevisionHistoryFile;
    std::error_code ec;
    if (!std::filesystem::exists(rev, ec) || lastRunVersion == kProgramVersion) return;
    if (platform.messages.Confirm(
            "This software has recently been updated, would you like to view the "
            "changes?\r\rThe Software Revision history is also available in the about window "
            "that can be activated from the help menu."))
        platform.windows.ShowModal("TREVHIS1");
}

void TSimForm::StoreLastRunVersion() {
    REGIST.WriteString("PROGRAM", "VERSION", kProgramVersion);
}

void TSimForm::HelpClick() {
    GetHelp(*this, kHelpContentsTopic);
}

void TSimForm::PDFClick() {
    OpenManual(*this, kQuickStartGuideFile);
}

void TSimForm::PDFClick2() {
    OpenManual(*this, kCheatSheetFile);
}

void TSimForm::PDFClick3() {
    OpenManual(*this, kTechnicalManualFile);
}

// Clicks the link, as the menu item does on the original.
void TSimForm::btnHomePageClick() {
    ClickLink(URL, platform.shell, {});
}

void TSimForm::SimInfoClick() {
    platform.windows.ShowModal("TSimInformation");
}

void TSimForm::btnAboutUsClick() {
    platform.windows.ShowModal("TAboutBox");
}

}  // namespace qd
