// The windows around the help: simulator information, revision history and the
// about box, as plain objects; the help topics, the manuals and the Help tab.
#pragma once

#include <string>
#include <vector>

#include "app/RichText.h"
#include "app/UpdateWindows.h"
#include "core/Controls.h"

namespace qd {

class TSimForm;

inline constexpr const char* kQuickStartGuideFile = "DOCQ482157300.PDF";
inline constexpr const char* kCheatSheetFile = "TM.QD720.01.PDF";
inline constexpr const char* kTechnicalManualFile = "DOCR6630915.PDF";
inline constexpr const char* kRevisionHistoryFile = "QD720SIM_REV.RTF";
inline constexpr const char* kSimulatorInformationFile = "QD720SIM_INF.RTF";
// The compiled help is a Qt help collection; the classic help is the same pages
// as plain HTML in a folder, opened in the desktop's browser.
inline constexpr const char* kCompiledHelpFile = "QD720SIM.qhc";
inline constexpr const char* kCompiledHelpPages = "QD720SIM.qch";
inline constexpr const char* kClassicHelpFolder = "help";
inline constexpr const char* kHelpPageSuffix = ".html";
inline constexpr const char* kHelpContentsTopic = "Welcome";
inline constexpr const char* kProgramSetupTopic = "ProgramSetup";

inline constexpr const char* kNoPdfViewerMessage =
    "This option requires a PDF viewer to be installed on your PC.";
inline constexpr const char* kPdfNotFoundMessage = "PDF File not found!";
inline constexpr const char* kSimulatorInformationUnavailable =
    "Simulation Information Unavailable!";
inline constexpr const char* kRevisionHistoryUnavailable = "Revision History Unavailable!";

// A read-only rich-text view: the page it holds, or its placeholder text.
struct RichTextView {
    std::string name;
    std::string placeholder;
    RichTextDocument document;
    bool loaded = false;
};

// Reads folder/fileName into the view; false (view emptied) when the file is
// missing, unreadable or not rich text.
bool LoadRichTextPage(const std::string& folder, const std::string& fileName, RichTextView& view);

class TSimInformation {
public:
    std::string caption = "Simulator Information";
    std::string heading = "QD720 Training Simulator Information";
    std::string scrollHint = "Use cursor keys or scrollbars to scroll down.";
    RichTextView view{"InfoView", ""};
    Choice HideDialog{"HideDialog", "Hide Dialog"};
    std::string hideDialogHint = "Check to hide dialog next time.";
    DialogButton Close{"Close", "&Close", "Close window"};

    // False when the page could not be loaded: the message was shown and the
    // dialog has already been closed (and "L30" stored).
    bool FormShow(TSimForm& form);
    // By the button or the window's close box.
    void FormClose(TSimForm& form);
};

class TREVHIS1 {
public:
    std::string caption = "Revision History";
    RichTextView view{"RevisionView", "Revision History Unavailable"};
    DialogButton Ok{"Ok", "&Ok", ""};

    // False when the page could not be loaded: the message was shown and the
    // dialog is not to be shown.
    bool FormShow(TSimForm& form);
};

class TAboutBox {
public:
    std::string caption;
    std::string versionLabel;
    Link URL{"URL", "", ""};
    DialogButton RevisionHistory{"RevisionHistory", "&Revision History", "Revision History"};
    DialogButton Close{"Close", "&Close", ""};

    void FormShow();
    void RevisionHistoryClick(TSimForm& form);
};

struct HelpWindows {
    TSimInformation information;
    TREVHIS1 revisionHistory;
    TAboutBox about;
};

// Which help a topic opens and where.
enum class HelpKind { Html, Classic };
struct HelpRequest {
    HelpKind kind = HelpKind::Classic;
    std::string file;  // the help file the viewer is given
    std::string page;  // the page inside it (HTML help) or the topic (classic help)
};
HelpRequest HelpFor(const std::string& programFolder, const std::string& topic,
                    bool htmlViewerAvailable);

void GetHelp(TSimForm& form, const std::string& topic);
void OpenManual(TSimForm& form, const std::string& fileName);

// One row of the main window's Help tab: a picture, a link and a description.
// The picture does what the link does.
struct HelpTabRow {
    Link TSimForm::*link;
    const char* caption;
    const char* description;
    void (TSimForm::*click)();
};
const std::vector<HelpTabRow>& HelpTabRows();

}  // namespace qd
