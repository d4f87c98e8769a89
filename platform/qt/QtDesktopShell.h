// Opening documents and addresses with the desktop's programs, and the help.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>

#include "app/Platform.h"

namespace qd::qt {

class HelpViewer;

class QtDesktopShell : public DesktopShell {
public:
    QtDesktopShell();
    ~QtDesktopShell() override;

    // When set, open requests go here instead of to the desktop (tests).
    std::function<bool(const QUrl&)> intercept;
    // When set, answers whether a PDF handler is registered (tests).
    std::function<bool()> pdfQuery;

    bool Open(const std::string& documentOrUrl) override;
    // Asks the desktop's MIME database (xdg-mime, else GIO).
    bool IsPdfHandlerRegistered() override;
    // The help viewer is part of the program.
    bool IsHelpViewerAvailable() override { return true; }
    // Any help file beside the program will do: the compiled help collection in
    // that folder is shown in the program's own viewer; without it the topic's
    // page of the plain help opens in the desktop's browser.
    bool ShowHelp(const std::string& helpFile, const std::string& topic) override;

    // Null until help was first shown.
    HelpViewer* Viewer() const { return viewer_.get(); }

private:
    bool OpenUrl(const QUrl& url);
    std::unique_ptr<HelpViewer> viewer_;
};

}  // namespace qd::qt
