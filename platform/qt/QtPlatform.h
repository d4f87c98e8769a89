// The platform services of the desktop build, on Qt Widgets.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/Platform.h"

class QWidget;

namespace qd::qt {

// Texts of the simulator use "\r" as a line break; Qt wants "\n".
QString DisplayText(const std::string& text);

class QtMessageBoxes : public MessageBoxes {
public:
    // When set, boxes are not shown: the hook sees kind and text and gives the
    // answer of a confirmation (tests).
    std::function<bool(const std::string& kind, const std::string& text)> intercept;
    QWidget* parent = nullptr;

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    void Warning(const std::string& text) override;
    bool Confirm(const std::string& text) override;

private:
    bool Show(const char* kind, const std::string& text);
};

class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;

    // When set, modal windows are not shown; the hook sees the window's name.
    std::function<void(const std::string&)> intercept;
    std::function<void()> closeMainWindow;
    QWidget* parent = nullptr;
    bool mainWindowCloseRequested = false;
    bool showSplashWindow = true;

    void ShowModal(const std::string& windowName) override;
    void ShowSplash() override;
    void DestroySplash() override;
    void CloseMainWindow() override;

    QWidget* Splash() const { return splash_.get(); }

private:
    std::unique_ptr<QWidget> splash_;
};

class QtDesktopShell : public DesktopShell {
public:
    bool Open(const std::string& documentOrUrl) override;
    bool IsPdfHandlerRegistered() override;
    bool IsHelpViewerAvailable() override { return false; }
    bool ShowHelp(const std::string&, const std::string&) override { return false; }
};

// Settings in an INI file, $XDG_CONFIG_HOME/Torvane/QD720.conf. Keys are kept
// in lower case: the store compares them without regard to case.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(QString file) : file_(std::move(file)) {}
    bool Read(const std::string& key, std::string& value) override;
    bool Write(const std::string& key, const std::string& value) override;
    const QString& File() const { return file_; }

private:
    QString file_;
};

// No network yet: the version and proxy are kept, a check finds nothing.
class QtUpdateComponent : public UpdateComponent {
public:
    void SetVersion(const std::string& v) override { version = v; }
    void SetProxy(const ProxySettings& p) override { proxy = p; }
    bool SilentCheck() override { return false; }
    void InteractiveCheck() override {}
    std::string version;
    ProxySettings proxy;
};

class QtFatalStop : public FatalStop {
public:
    // When set, the box is not shown and the process goes on (tests); the shell
    // halts itself.
    std::function<void(const std::string&)> intercept;
    void Stop(const std::string& message) override;
};

struct QtPlatform {
    QtMessageBoxes messages;
    QtWindowSystem windows;
    QtDesktopShell shell;
    QtSettingsStore settings;
    QtUpdateComponent update;
    QtFatalStop fatal;
    Platform services{messages, windows, shell, settings, update, fatal};
};

}  // namespace qd::qt
