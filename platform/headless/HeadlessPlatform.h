// The platform services of the headless build: message boxes and dialogs become
// output lines and return at once, settings live in memory, nothing opens.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <string>

#include "app/Platform.h"

namespace qd::headless {

// Keys compare without regard to case, as the desktop store does.
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class MemorySettingsStore : public SettingsStore {
public:
    bool Read(const std::string& key, std::string& value) override;
    bool Write(const std::string& key, const std::string& value) override;
    std::map<std::string, std::string, NoCaseLess> values;
};

class HeadlessPlatform : public MessageBoxes,
                         public WindowSystem,
                         public DesktopShell,
                         public UpdateComponent,
                         public FatalStop {
public:
    explicit HeadlessPlatform(std::ostream& out);

    // Seeds the store as a returning user: no first-run questions.
    void SeedReturningUser();

    Platform& Services() { return services_; }
    MemorySettingsStore settings;

    bool fatalStopped = false;
    bool mainWindowClosed = false;
    std::function<void()> onCloseMainWindow;

    void Information(const std::string& text) override { Message("information", text); }
    void Error(const std::string& text) override { Message("error", text); }
    void Warning(const std::string& text) override { Message("warning", text); }
    bool Confirm(const std::string& text) override {
        Message("confirm", text);
        return false;
    }

    void ShowModal(const std::string& windowName) override;
    void ShowSplash() override {}
    void DestroySplash() override {}
    void CloseMainWindow() override;

    bool Open(const std::string&) override { return false; }
    bool IsPdfHandlerRegistered() override { return false; }
    bool IsHelpViewerAvailable() override { return false; }
    bool ShowHelp(const std::string&, const std::string&) override { return false; }

    void SetVersion(const std::string& v) override { version = v; }
    void SetProxy(const ProxySettings& p) override { proxy = p; }
    bool SilentCheck() override { return false; }
    void InteractiveCheck() override {}
    std::string version;
    ProxySettings proxy;

    void Stop(const std::string& message) override;

private:
    void Message(const char* kind, const std::string& text);
    std::ostream& out_;
    Platform services_;
};

}  // namespace qd::headless
