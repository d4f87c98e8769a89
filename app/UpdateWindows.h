// The windows of the update check: program setup, proxy settings and the
// first-run automatic-update question, as plain objects.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/Controls.h"

namespace qd {

class TSimForm;

struct DialogButton {
    std::string name;
    std::string caption;
    std::string hint;
};

struct EditField {
    std::string name;
    std::string label;
    std::size_t maxLength = 60;
    std::string text;
};

// A check box or radio button with the caption it shows.
struct Choice {
    std::string name;
    std::string caption;
    bool checked = false;
};

inline constexpr int kDefaultProxyPort = 8080;
inline constexpr int kMaxProxyPort = 32768;

class TProxyForm {
public:
    std::string caption = "Automatic Update: Proxy Server Configuration";
    Choice UseProxy{"UseProxy", "Use Proxy Server"};
    EditField ProxyAddress{"ProxyAddress", "Address:", 60};
    EditField ProxyPortNumber{"ProxyPortNumber", "Port:", 5};
    EditField ProxyUsername{"ProxyUsername", "User name:", 60};
    EditField ProxyPassword{"ProxyPassword", "Password:", 60};
    DialogButton CtrlOK{"CtrlOK", "&Accept", ""};
    DialogButton Cancel{"Cancel", "&Cancel", ""};

    void Load_Proxy_settings(TSimForm& form);
    void Save_Proxy_settings(TSimForm& form);
    void Transfer_Settings(TSimForm& form);

    // Puts text into a field as typing or pasting would: cut to the field's
    // length, and only the digits in the port field.
    void SetText(EditField& field, const std::string& text);
    // A character typed into the port field; false when it is discarded.
    static bool PortKeyAccepted(char c) { return c >= '0' && c <= '9'; }
    // Leaving the port field: its text becomes the decimal text of its value.
    void ProxyPortNumberExit();
    // The port field as a number: 0 when empty, at most kMaxProxyPort.
    int PortValue() const;

    void CtrlOKClick(TSimForm& form);  // saves; the view closes
    void CancelClick() {}              // what was typed stays until the next load
};

class TPSetup {
public:
    std::string caption = "Program setup";
    std::string tabCaption = "Program Startup";
    Choice L1{"L1", "Show Simulator Information on Startup"};
    Choice L2{"L2", "Check for updates"};
    Choice L3{"L3", "Alternate Terminal Board"};
    Link URL{"URL", "Use Proxy Server", ""};
    DialogButton Help{"Help", "&Help", "Get Help!"};
    DialogButton Cancel{"Cancel", "&Cancel", "Discard changes"};
    DialogButton CtrlOK{"CtrlOK", "&Accept", "Accept drive setup"};

    // Creation at start-up: the shell flags from the store.
    void FormCreate(TSimForm& form);
    void FormShow(TSimForm& form);
    void Read_Setup(TSimForm& form);
    void CtrlOKClick(TSimForm& form);  // stores; the view closes
    void HelpClick(TSimForm& form);
    void URLClick(TSimForm& form);
};

class TAutoUpdateSelection {
public:
    std::string caption = "Automatic Updates";
    std::string title;
    std::string text1 =
        "This software has a built-in automatic update function that can automatically notify "
        "you when a new update becomes available for download.";
    std::string text2 = "Please make your selection then click on the close button.";
    Choice R1{"R1", "Yes, I would like to enable the automatic update notification."};
    Choice R2{"R2", "No, I would like to check for updates manually. (See info below)", true};
    Link URL{"URL", "Use Proxy Server", ""};
    std::string manualHeading = "How to check for automatic updates manually:";
    std::string manualText =
        "Select \"Check for updates\" located under the help menu in the main window.";
    std::string noteHeading = "Important Note:";
    std::string noteText =
        "In order for the automatic update notification to work properly you must grant this "
        "software access to the internet when using any type of firewall or internet security "
        "software.";
    DialogButton Close{"Close", "&Close", ""};
    bool closed = false;

    void FormShow(TSimForm& form);
    void Select(bool yes);
    void URLClick(TSimForm& form);
    void CloseClick(TSimForm& form);
};

struct UpdateWindows {
    TPSetup setup;
    TProxyForm proxy;
    // Exists only while the first-run question is shown.
    std::optional<TAutoUpdateSelection> autoUpdate;
    // The update check was asked for by the user (not the start-up check).
    bool manualUpdateCheck = false;
};

}  // namespace qd
