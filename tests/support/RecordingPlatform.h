// Recording fakes of the platform services, for tests that build a simulator.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/Platform.h"

namespace qd::testing {

class RecordingPlatform : public MessageBoxes,
                          public WindowSystem,
                          public DesktopShell,
                          public SettingsStore,
                          public UpdateComponent,
                          public FatalStop {
public:
    struct Message {
        std::string kind;
        std::string text;
    };

    std::vector<Message> messages;
    std::vector<std::string> events;  // modal windows, splash, opened documents, in order
    std::map<std::string, std::string> store;
    std::vector<std::string> fatalMessages;
    bool confirmAnswer = false;
    bool pdfHandler = false;
    bool helpViewer = false;
    bool silentCheckResult = false;
    std::string version;
    ProxySettings proxy;
    int interactiveChecks = 0;

    Platform services{*this, *this, *this, *this, *this, *this};

    // A returning user: no first-run questions, no information dialog.
    void SeedReturningUser() {
        const std::string base = "SOFTWARE\\Torvane\\QD720\\SETUP\\";
        store[base + "PRG\\L30"] = "0";
        store[base + "PRG\\L2"] = "0";
        store[base + "PRG\\T01"] = "0";
        store[base + "PRG\\VY2"] = "0";
        store[base + "PROGRAM\\VERSION"] = "1.00.600";
    }

    void Information(const std::string& t) override { messages.push_back({"information", t}); }
    void Error(const std::string& t) override { messages.push_back({"error", t}); }
    void Warning(const std::string& t) override { messages.push_back({"warning", t}); }
    bool Confirm(const std::string& t) override {
        messages.push_back({"confirm", t});
        return confirmAnswer;
    }

    void ShowModal(const std::string& name) override { events.push_back("modal " + name); }
    void ShowSplash() override { events.push_back("splash shown"); }
    void DestroySplash() override { events.push_back("splash destroyed"); }
    void CloseMainWindow() override { events.push_back("main window closed"); }

    bool Open(const std::string& what) override {
        events.push_back("open " + what);
        return true;
    }
    bool IsPdfHandlerRegistered() override { return pdfHandler; }
    bool IsHelpViewerAvailable() override { return helpViewer; }
    bool ShowHelp(const std::string& file, const std::string& topic) override {
        events.push_back("help " + file + " " + topic);
        return true;
    }

    bool Read(const std::string& key, std::string& value) override {
        const auto it = store.find(key);
        if (it == store.end()) return false;
        value = it->second;
        return true;
    }
    bool Write(const std::string& key, const std::string& value) override {
        store[key] = value;
        return true;
    }

    void SetVersion(const std::string& v) override { version = v; }
    void SetProxy(const ProxySettings& p) override { proxy = p; }
    bool SilentCheck() override { return silentCheckResult; }
    void InteractiveCheck() override { ++interactiveChecks; }

    void Stop(const std::string& message) override { fatalMessages.push_back(message); }
};

}  // namespace qd::testing
