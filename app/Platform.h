// The outside services the shell uses, one small interface each. The desktop
// build implements them with Qt, the headless build with plain objects, and the
// tests with recording fakes.
#pragma once

#include <string>

#include "core/MessageBoxes.h"

namespace qd {

// Modal windows, the splash and the main window's own life.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Shows the named window modally and returns when it closes.
    virtual void ShowModal(const std::string& windowName) = 0;
    virtual void ShowSplash() = 0;
    virtual void DestroySplash() = 0;
    virtual void CloseMainWindow() = 0;
};

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // Opens a document or an address with the program the desktop has for it.
    virtual bool Open(const std::string& documentOrUrl) = 0;
    virtual bool IsPdfHandlerRegistered() = 0;
    virtual bool IsHelpViewerAvailable() = 0;
    // Opens the program's help at a topic; false when no help could be shown.
    virtual bool ShowHelp(const std::string& helpFile, const std::string& topic) = 0;
};

// The per-user key-value store. Keys are the full paths the settings component
// composes ("SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L30"); values are text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // False when the key is absent or cannot be read.
    virtual bool Read(const std::string& key, std::string& value) = 0;
    // False when the value could not be written; callers ignore it.
    virtual bool Write(const std::string& key, const std::string& value) = 0;
};

struct ProxySettings {
    bool useProxy = false;           // use the given proxy
    bool useSystemSettings = false;  // the system's preconfigured settings
    std::string host;
    int port = 0;
    std::string userName;
    std::string password;
};

class UpdateComponent {
public:
    virtual ~UpdateComponent() = default;
    virtual void SetVersion(const std::string& version) = 0;
    virtual void SetProxy(const ProxySettings& proxy) = 0;
    // Asks quietly whether a newer version is offered; shows nothing.
    virtual bool SilentCheck() = 0;
    // Checks and itself tells the user the outcome.
    virtual void InteractiveCheck() = 0;
};

// Shows the message in an error box with one OK button, then ends the program at
// once. A build that cannot end the process (a test) returns, and the shell
// halts every timer and handler instead.
class FatalStop {
public:
    virtual ~FatalStop() = default;
    virtual void Stop(const std::string& message) = 0;
};

struct Platform {
    MessageBoxes& messages;
    WindowSystem& windows;
    DesktopShell& shell;
    SettingsStore& settings;
    UpdateComponent& update;
    FatalStop& fatal;
};

}  // namespace qd
