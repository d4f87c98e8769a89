// The platform services of the desktop build, on Qt Widgets.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/Platform.h"
#include "platform/qt/QtDesktopShell.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtUpdateComponent.h"

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
    // The real windows by name; a name without one gets a plain window with its
    // caption.
    std::map<std::string, std::function<void()>> dialogs;
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
