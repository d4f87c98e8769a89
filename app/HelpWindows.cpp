#include "app/HelpWindows.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "app/Link.h"
#include "app/SimForm.h"

namespace qd {

namespace {

// The pages are a few kilobytes; anything far larger is not one of them.
constexpr std::uintmax_t kMaxPageBytes = 8u * 1024u * 1024u;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

bool LoadRichTextPage(const std::string& folder, const std::string& fileName, RichTextView& view) {
    view.document = {};
    view.loaded = false;
    const std::string path = InFolder(folder, fileName);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || !IsFile(path) || size > kMaxPageBytes) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    std::string error;
    RichTextDocument doc;
    if (!ParseRichText(text, doc, error)) return false;
    view.document = std::move(doc);
    view.loaded = true;
    return true;
}

// ------------------------------------------------- simulator information

bool TSimInformation::FormShow(TSimForm& form) {
    HideDialog.checked = !form.showSimulatorInformation;
    if (LoadRichTextPage(form.data->state.programFolder, kSimulatorInformationFile, view))
        return true;
    form.platform.messages.Information(kSimulatorInformationUnavailable);
    FormClose(form);
    return false;
}

void TSimInformation::FormClose(TSimForm& form) {
    // The dialog has a settings component of its own on the same key.
    TReg reg(form.platform.settings);
    reg.Path = kSettingsPath;
    reg.WriteBool("PRG", "L30", !HideDialog.checked);
    form.showSimulatorInformation = !HideDialog.checked;
}

// ------------------------------------------------------ revision history

bool TREVHIS1::FormShow(TSimForm& form) {
    if (LoadRichTextPage(form.data->state.programFolder, kRevisionHistoryFile, view)) return true;
    form.platform.messages.Information(kRevisionHistoryUnavailable);
    return false;
}

// ------------------------------------------------------------- about box

void TAboutBox::FormShow() {
    caption = "About Torvane QD720 Software";
    versionLabel = std::string("Version ") + kProgramVersion;
    URL.caption = kHomePage;
    URL.target = kHomePage;
}

void TAboutBox::RevisionHistoryClick(TSimForm& form) {
    form.platform.windows.ShowModal("TREVHIS1");
}

// ------------------------------------------------------ help and manuals

HelpRequest HelpFor(const std::string& programFolder, const std::string& topic,
                    bool htmlViewerAvailable) {
    HelpRequest r;
    if (htmlViewerAvailable) {
        r.kind = HelpKind::Html;
        r.file = InFolder(programFolder, kCompiledHelpFile);
        r.page = EndsWith(topic, ".htm") || EndsWith(topic, kHelpPageSuffix)
                     ? topic
                     : topic + kHelpPageSuffix;
    } else {
        r.kind = HelpKind::Classic;
        r.file = InFolder(programFolder, kHelpFileName);
        r.page = topic;
    }
    return r;
}

void GetHelp(TSimForm& form, const std::string& topic) {
    const HelpRequest r =
        HelpFor(form.data->state.programFolder, topic, form.platform.shell.IsHelpViewerAvailable());
    // A missing viewer or help file shows nothing.
    form.platform.shell.ShowHelp(r.file, r.page);
}

void OpenManual(TSimForm& form, const std::string& fileName) {
    if (!form.platform.shell.IsPdfHandlerRegistered()) {
        form.platform.messages.Information(kNoPdfViewerMessage);
        return;
    }
    const std::string path = InFolder(form.data->state.programFolder, fileName);
    if (!IsFile(path)) {
        form.platform.messages.Error(kPdfNotFoundMessage);
        return;
    }
    form.PDFLINK.target = path;
    ClickLink(form.PDFLINK, form.platform.shell, {});
}

const std::vector<HelpTabRow>& HelpTabRows() {
    static const std::vector<HelpTabRow> rows = {
        {&TSimForm::URL1, "QD720 Quick Start Guide",
         "QD720 Quick Start Guide shows mechanical installation, parameters and basic "
         "programming.",
         &TSimForm::PDFClick},
        {&TSimForm::URL4, "QD720 Cheat Sheet",
         "QD720 Cheat Sheet shows a step by step basic setup.", &TSimForm::PDFClick2},
        {&TSimForm::URL5, "QD720 Technical Manual",
         "QD720 Technical Manual shows detailed parameter descriptions, keypad operations, "
         "wiring diagrams and more.",
         &TSimForm::PDFClick3},
        {&TSimForm::URL2, "Program Help",
         "Detailed document explaining on how to use this program.", &TSimForm::HelpClick},
        {&TSimForm::URL3, "Check for Updates",
         "Check if an update of this software is available. (Requires internet connection).",
         &TSimForm::CheckforUpdatesClick},
    };
    return rows;
}

}  // namespace qd
