// The update component of the desktop build: reads the update information file
// over HTTPS, tells the outcome and downloads a newer version to the user's
// download folder after checking its size and SHA-256. It never installs or
// runs what it downloaded.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>

#include "app/Platform.h"

class QNetworkAccessManager;
class QWidget;

namespace qd::qt {

inline constexpr const char* kDefaultUpdateUrl = "https://updates.torvane.example/qd720/update.txt";

class QtUpdateComponent : public UpdateComponent {
public:
    QtUpdateComponent();
    ~QtUpdateComponent() override;
    QtUpdateComponent(const QtUpdateComponent&) = delete;
    QtUpdateComponent& operator=(const QtUpdateComponent&) = delete;

    void SetVersion(const std::string& v) override { version = v; }
    void SetProxy(const ProxySettings& p) override;
    bool SilentCheck() override;
    void InteractiveCheck() override;

    // The information file; QD720_UPDATE_URL overrides the maker's address.
    void SetInformationUrl(const QUrl& url) { informationUrl_ = url; }
    QUrl InformationUrl() const { return informationUrl_; }
    // Longest wait of one request, and of a silence during a download.
    void SetTimeout(int ms) { timeoutMs_ = ms; }
    void SetInformationLimit(qint64 bytes) { informationLimit_ = bytes; }
    // Where downloads are saved; the user's download folder when empty.
    void SetDownloadFolder(const QString& folder) { downloadFolder_ = folder; }

    // When set, messages are not shown: the hook sees kind ("information",
    // "error", "confirm") and text and gives the answer of a confirmation.
    std::function<bool(const std::string& kind, const std::string& text)> intercept;
    // When set, replaces opening the download folder on the desktop.
    std::function<void(const QUrl&)> openHook;
    // Called when an interactive check has told its outcome.
    std::function<void()> finished;
    QWidget* parent = nullptr;

    bool Busy() const { return interactiveBusy_; }
    QString LastSavedFile() const { return lastSavedFile_; }

    std::string version;
    ProxySettings proxy;

private:
    struct Fetch;
    struct Outcome;
    class Download;

    QNetworkAccessManager& Manager();
    void ApplyProxy();
    // Reads the information file; done runs once, on the user-interface thread.
    void FetchInformation(std::function<void(const Outcome&)> done);
    void TellOutcome(const Outcome& outcome);
    void StartDownload(const Outcome& outcome);
    void EndInteractive();
    bool Tell(const char* kind, const QString& text);

    std::unique_ptr<QNetworkAccessManager> manager_;
    QUrl informationUrl_;
    int timeoutMs_ = 20000;
    qint64 informationLimit_ = 64 * 1024;
    QString downloadFolder_;
    QString lastSavedFile_;
    bool interactiveBusy_ = false;
    bool silentBusy_ = false;
    std::shared_ptr<bool> alive_;
};

}  // namespace qd::qt
