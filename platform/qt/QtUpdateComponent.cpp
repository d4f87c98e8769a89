#include "platform/qt/QtUpdateComponent.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <optional>

#include "app/SimForm.h"
#include "app/UpdateInfo.h"

namespace qd::qt {

namespace {

constexpr int kMaxRedirects = 5;
constexpr const char* kNoNewerVersion =
    "A newer version was not found. You are using the most recent version of this program.";

enum class Failure {
    None,
    Insecure,
    Unreachable,
    ProxyUnreachable,
    Timeout,
    Lost,
    NotFound,
    TooLarge,
    Malformed,
    TooManyRedirects,
    ProxyAuth,
    ServerAuth,
    Tls,
    Http,
    Disk,
};

bool IsLoopbackHost(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
    QHostAddress address;
    return address.setAddress(host) && address.isLoopback();
}

// Plain http is only trusted on this machine (tests, a local mirror).
bool IsAllowedAddress(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https")) return true;
    return scheme == QLatin1String("http") && IsLoopbackHost(url.host());
}

// The desktop's proxy configuration, never for this machine itself.
class SystemProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        if (IsLoopbackHost(query.peerHostName())) return {QNetworkProxy(QNetworkProxy::NoProxy)};
        return systemProxyForQuery(query);
    }
};

Failure FailureOf(QNetworkReply::NetworkError error) {
    switch (error) {
        case QNetworkReply::NoError:
            return Failure::None;
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::TimeoutError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::UnknownNetworkError:
            return Failure::Unreachable;
        case QNetworkReply::OperationCanceledError:
            return Failure::Timeout;  // our own aborts set their reason first
        case QNetworkReply::RemoteHostClosedError:
            return Failure::Lost;
        case QNetworkReply::SslHandshakeFailedError:
            return Failure::Tls;
        case QNetworkReply::TooManyRedirectsError:
            return Failure::TooManyRedirects;
        case QNetworkReply::InsecureRedirectError:
        case QNetworkReply::ProtocolUnknownError:
            return Failure::Insecure;
        case QNetworkReply::ProxyConnectionRefusedError:
        case QNetworkReply::ProxyConnectionClosedError:
        case QNetworkReply::ProxyNotFoundError:
        case QNetworkReply::ProxyTimeoutError:
        case QNetworkReply::UnknownProxyError:
            return Failure::ProxyUnreachable;
        case QNetworkReply::ProxyAuthenticationRequiredError:
            return Failure::ProxyAuth;
        case QNetworkReply::AuthenticationRequiredError:
            return Failure::ServerAuth;
        case QNetworkReply::ContentNotFoundError:
        case QNetworkReply::ContentGoneError:
            return Failure::NotFound;
        default:
            return Failure::Http;
    }
}

// One GET with a size limit, a timeout and checked redirects.
struct Transfer {
    QNetworkReply* reply = nullptr;
    QTimer deadline;
    qint64 limit = 0;
    qint64 received = 0;
    int redirects = 0;
    int status = 0;
    Failure failure = Failure::None;
    QString detail;
    QUrl finalUrl;
    // Takes each piece of a 200 answer; false stops the transfer.
    std::function<bool(const QByteArray&)> consume;
    std::function<void(Transfer&)> done;

    void Fail(Failure why) {
        if (failure == Failure::None) failure = why;
        if (reply) reply->abort();
    }
};

std::shared_ptr<Transfer> StartTransfer(QNetworkAccessManager& manager, const QUrl& url,
                                        const QString& userAgent, int timeoutMs, bool totalDeadline,
                                        qint64 limit,
                                        std::function<bool(const QByteArray&)> consume,
                                        std::function<void(Transfer&)> done) {
    auto t = std::make_shared<Transfer>();
    t->limit = limit;
    t->finalUrl = url;
    t->consume = std::move(consume);
    t->done = std::move(done);
    if (!IsAllowedAddress(url)) {
        t->failure = Failure::Insecure;
        QTimer::singleShot(0, &manager, [t] {
            auto finish = std::move(t->done);
            t->consume = nullptr;
            finish(*t);
        });
        return t;
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = manager.get(request);
    t->reply = reply;

    QObject::connect(reply, &QNetworkReply::redirected, reply, [t](const QUrl& to) {
        if (++t->redirects > kMaxRedirects) return t->Fail(Failure::TooManyRedirects);
        if (!IsAllowedAddress(to)) return t->Fail(Failure::Insecure);
        t->finalUrl = to;
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [t, reply] {
        t->status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (t->status == 200 && length.isValid() && length.toLongLong() > t->limit)
            t->Fail(Failure::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [t, reply] {
        const QByteArray piece = reply->readAll();
        if (t->failure != Failure::None) return;
        if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200) return;
        t->received += piece.size();
        if (t->received > t->limit) return t->Fail(Failure::TooLarge);
        if (t->consume && !t->consume(piece)) t->Fail(Failure::Disk);
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [t, reply] {
        t->deadline.stop();
        if (t->failure == Failure::None) {
            t->status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            t->failure = FailureOf(reply->error());
            // Qt reports refused proxy credentials as either kind.
            if (t->status == 407) t->failure = Failure::ProxyAuth;
            if (t->failure == Failure::None && t->status != 200)
                t->failure =
                    t->status == 404 || t->status == 410 ? Failure::NotFound : Failure::Http;
            if (t->failure != Failure::None) t->detail = reply->errorString();
        }
        t->reply = nullptr;
        reply->deleteLater();
        auto finish = std::move(t->done);
        t->consume = nullptr;
        if (finish) finish(*t);
    });
    if (totalDeadline) {
        t->deadline.setSingleShot(true);
        QObject::connect(&t->deadline, &QTimer::timeout, reply,
                         [tp = t.get()] { tp->Fail(Failure::Timeout); });
        t->deadline.start(timeoutMs);
    }
    return t;
}

// Through a proxy the only connection made is the one to the proxy, and the
// update server never asks for a password: some proxies answer refused
// credentials with 401 instead of 407.
Failure ThroughProxy(Failure f) {
    if (f == Failure::Unreachable) return Failure::ProxyUnreachable;
    if (f == Failure::ServerAuth) return Failure::ProxyAuth;
    return f;
}

QString FailureText(Failure failure, int status, const QString& detail) {
    QString text;
    switch (failure) {
        case Failure::None:
            break;
        case Failure::Insecure:
            text = QStringLiteral(
                "The update address is not a secure (https) address, so it was not used.");
            break;
        case Failure::Unreachable:
            text = QStringLiteral(
                "The update server could not be reached. Check the internet connection and the "
                "proxy settings (Program Setup, Use Proxy Server).");
            break;
        case Failure::ProxyUnreachable:
            text = QStringLiteral(
                "The proxy server could not be reached. Check its address and port under Program "
                "Setup, Use Proxy Server.");
            break;
        case Failure::Timeout:
            text =
                QStringLiteral("The update server did not answer in time. Please try again later.");
            break;
        case Failure::Lost:
            text = QStringLiteral(
                "The connection to the update server was lost. Please try again later.");
            break;
        case Failure::NotFound:
            text =
                QStringLiteral("The update information file was not found on the update server.");
            break;
        case Failure::TooLarge:
        case Failure::Malformed:
            text =
                QStringLiteral("No valid update information file was found on the update server.");
            break;
        case Failure::TooManyRedirects:
            text = QStringLiteral("The update server redirected the request too many times.");
            break;
        case Failure::ProxyAuth:
            text = QStringLiteral(
                "The proxy server asks for a password and did not accept the user name and "
                "password given. Check them under Program Setup, Use Proxy Server.");
            break;
        case Failure::ServerAuth:
            text = QStringLiteral(
                "The update server asks for a password. Updates cannot be checked this way.");
            break;
        case Failure::Tls:
            text = QStringLiteral(
                "The identity of the update server could not be verified, so the connection was "
                "closed.");
            break;
        case Failure::Http:
            text = status > 0
                       ? QStringLiteral("The update server answered with an error (HTTP %1).")
                             .arg(status)
                       : QStringLiteral("The update check failed.");
            break;
        case Failure::Disk:
            text = QStringLiteral("The update could not be written to the download folder.");
            break;
    }
    if (!detail.isEmpty() && failure != Failure::Malformed && failure != Failure::TooLarge)
        text += QStringLiteral("\n\n(") + detail + QLatin1Char(')');
    return text;
}

// A name for the download that cannot leave its folder or hide itself.
QString SafeFileName(const QUrl& url, const std::string& version) {
    QString name = url.fileName();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
    if (name.isEmpty() || name.size() > 100)
        name = QStringLiteral("qd720sim-update-%1").arg(QString::fromStdString(version));
    return name;
}

QString UnusedPath(const QDir& folder, const QString& name) {
    QString path = folder.filePath(name);
    const QFileInfo info(name);
    for (int i = 1; QFileInfo::exists(path) && i < 1000; ++i)
        path = folder.filePath(
            QStringLiteral("%1 (%2)%3")
                .arg(info.completeBaseName())
                .arg(i)
                .arg(info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix()));
    return path;
}

}  // namespace

struct QtUpdateComponent::Outcome {
    Failure failure = Failure::None;
    int status = 0;
    QString detail;
    QUrl base;
    std::optional<UpdateInfo> info;
};

QtUpdateComponent::QtUpdateComponent() : alive_(std::make_shared<bool>(true)) {
    const QString fromEnvironment = qEnvironmentVariable("QD720_UPDATE_URL");
    informationUrl_ =
        QUrl(fromEnvironment.isEmpty() ? QString::fromLatin1(kDefaultUpdateUrl) : fromEnvironment);
}

QtUpdateComponent::~QtUpdateComponent() {
    // Replies deleted with the manager must not call back into this object.
    *alive_ = false;
    manager_.reset();
}

QNetworkAccessManager& QtUpdateComponent::Manager() {
    if (!manager_) {
        manager_ = std::make_unique<QNetworkAccessManager>();
        manager_->setAutoDeleteReplies(false);
        ApplyProxy();
    }
    return *manager_;
}

void QtUpdateComponent::SetProxy(const ProxySettings& p) {
    proxy = p;
    if (manager_) ApplyProxy();
}

void QtUpdateComponent::ApplyProxy() {
    if (proxy.useProxy) {
        manager_->setProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QString::fromStdString(proxy.host),
                          static_cast<quint16>(proxy.port), QString::fromStdString(proxy.userName),
                          QString::fromStdString(proxy.password)));
    } else {
        manager_->setProxyFactory(new SystemProxyFactory);
    }
    // Credentials that were refused once are not asked for again: the check
    // fails with a message instead of waiting for an answer nobody gives.
    manager_->clearAccessCache();
}

void QtUpdateComponent::FetchInformation(std::function<void(const Outcome&)> done) {
    auto body = std::make_shared<QByteArray>();
    const QString agent = QStringLiteral("QD720Sim/%1").arg(QString::fromStdString(version));
    const bool viaProxy = proxy.useProxy;
    StartTransfer(
        Manager(), informationUrl_, agent, timeoutMs_, true, informationLimit_,
        [body](const QByteArray& piece) {
            body->append(piece);
            return true;
        },
        [body, viaProxy, done = std::move(done), alive = alive_](Transfer& t) {
            if (!*alive) return;
            Outcome o;
            o.failure = t.failure;
            if (viaProxy) o.failure = ThroughProxy(o.failure);
            o.status = t.status;
            o.detail = t.detail;
            o.base = t.finalUrl;
            if (o.failure == Failure::None) {
                o.info = ParseUpdateInfo(body->toStdString());
                if (!o.info) o.failure = Failure::Malformed;
            }
            done(o);
        });
}

bool QtUpdateComponent::SilentCheck() {
    if (silentBusy_) return false;
    silentBusy_ = true;
    struct State {
        bool ended = false;
        bool newer = false;
        QEventLoop* loop = nullptr;
    };
    auto state = std::make_shared<State>();
    QEventLoop loop;
    state->loop = &loop;
    FetchInformation([state, current = version](const Outcome& o) {
        state->ended = true;
        state->newer = o.failure == Failure::None && IsNewerVersion(o.info->version, current);
        if (state->loop) state->loop->quit();
    });
    // The request has its own deadline; this one only guards the loop.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(timeoutMs_ + 2000);
    if (!state->ended) loop.exec();
    state->loop = nullptr;
    silentBusy_ = false;
    return state->ended && state->newer;
}

bool QtUpdateComponent::Tell(const char* kind, const QString& text) {
    if (intercept) return intercept(kind, text.toStdString());
    const QString title = QString::fromLatin1(kApplicationTitle);
    const std::string k = kind;
    if (k == "confirm")
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    if (k == "error")
        QMessageBox::warning(parent, title, text);
    else
        QMessageBox::information(parent, title, text);
    return true;
}

void QtUpdateComponent::InteractiveCheck() {
    if (interactiveBusy_) {
        Tell("information", QStringLiteral("An update check is already running."));
        return;
    }
    interactiveBusy_ = true;
    FetchInformation([this](const Outcome& o) { TellOutcome(o); });
}

void QtUpdateComponent::EndInteractive() {
    interactiveBusy_ = false;
    if (finished) finished();
}

void QtUpdateComponent::TellOutcome(const Outcome& o) {
    if (o.failure != Failure::None) {
        Tell("error", FailureText(o.failure, o.status, o.detail));
        return EndInteractive();
    }
    if (!IsNewerVersion(o.info->version, version)) {
        Tell("information", QString::fromLatin1(kNoNewerVersion));
        return EndInteractive();
    }
    QString question =
        QStringLiteral("A newer version of this program is available: %1 (you are using %2).")
            .arg(QString::fromStdString(o.info->version), QString::fromStdString(version));
    if (!o.info->notes.empty())
        question += QStringLiteral("\n\n") + QString::fromStdString(o.info->notes);
    question += QStringLiteral(
        "\n\nDownload it now? It is saved in your download folder; install it after closing "
        "the simulator.");
    if (!Tell("confirm", question)) return EndInteractive();
    StartDownload(o);
}

void QtUpdateComponent::StartDownload(const Outcome& o) {
    const UpdateInfo info = *o.info;
    const QUrl url = o.base.resolved(QUrl(QString::fromStdString(info.url)));
    if (!IsAllowedAddress(url)) {
        Tell("error", FailureText(Failure::Insecure, 0, {}));
        return EndInteractive();
    }
    QString folderPath = downloadFolder_.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)
                             : downloadFolder_;
    const QDir folder(folderPath);
    if (folderPath.isEmpty() || !QDir().mkpath(folderPath)) {
        Tell("error", QStringLiteral("There is no download folder to save the update in."));
        return EndInteractive();
    }

    struct State {
        QFile file;
        QCryptographicHash hash{QCryptographicHash::Sha256};
        // The parent window may go first at exit, taking the dialog with it.
        QPointer<QProgressDialog> progress;
        QPointer<QNetworkReply> reply;
        bool cancelled = false;
        bool ended = false;
        ~State() {
            delete progress.data();
            if (!ended) file.remove();  // dropped unfinished, at exit
        }
    };
    auto state = std::make_shared<State>();
    const QString name = SafeFileName(url, info.version);
    state->file.setFileName(UnusedPath(folder, name + QStringLiteral(".part")));
    if (!state->file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Tell("error", QStringLiteral("The update could not be saved in %1.")
                          .arg(QDir::toNativeSeparators(folderPath)));
        return EndInteractive();
    }

    auto* progress = new QProgressDialog(
        QStringLiteral("Downloading version %1...").arg(QString::fromStdString(info.version)),
        QStringLiteral("&Cancel"), 0, 1000, parent);
    state->progress = progress;
    progress->setObjectName(QStringLiteral("UpdateDownload"));
    progress->setWindowTitle(QString::fromLatin1(kApplicationTitle));
    // Not modal: a modal dialog handles events inside setValue(), which would
    // run the end of the transfer in the middle of writing a piece.
    progress->setWindowModality(Qt::NonModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(0);
    progress->setValue(0);
    QObject::connect(progress, &QProgressDialog::canceled, progress, [sp = state.get()] {
        sp->cancelled = true;
        if (sp->reply) sp->reply->abort();
    });

    const QString agent = QStringLiteral("QD720Sim/%1").arg(QString::fromStdString(version));
    const qint64 size = static_cast<qint64>(info.size);
    auto t = StartTransfer(
        Manager(), url, agent, timeoutMs_, false, size,
        [sp = state.get(), size](const QByteArray& piece) {
            sp->hash.addData(piece);
            if (sp->progress && size > 0)
                sp->progress->setValue(
                    static_cast<int>(1000 * (sp->file.pos() + piece.size()) / size));
            return sp->file.write(piece) == piece.size();
        },
        [this, state, info, folderPath, name, viaProxy = proxy.useProxy,
         alive = alive_](Transfer& tr) {
            if (!*alive) return;
            state->ended = true;
            if (state->progress) state->progress->hide();
            state->file.close();
            const auto refuse = [&](const QString& text) {
                state->file.remove();
                Tell("error", text);
                EndInteractive();
            };
            if (state->cancelled)
                return refuse(QStringLiteral("The download was cancelled; nothing was saved."));
            const bool mismatch = tr.failure == Failure::TooLarge ||
                                  (tr.failure == Failure::None &&
                                   (static_cast<uint64_t>(tr.received) != info.size ||
                                    state->hash.result().toHex().toStdString() != info.sha256));
            if (mismatch)
                return refuse(QStringLiteral(
                    "The downloaded file does not match the update information (size or SHA-256 "
                    "checksum), so it was deleted. Nothing was installed."));
            if (tr.failure != Failure::None)
                return refuse(QStringLiteral("The download failed. ") +
                              FailureText(viaProxy ? ThroughProxy(tr.failure) : tr.failure,
                                          tr.status, tr.detail));
            const QString target = UnusedPath(QDir(folderPath), name);
            if (!state->file.rename(target))
                return refuse(QStringLiteral("The update could not be saved in %1.")
                                  .arg(QDir::toNativeSeparators(folderPath)));
            lastSavedFile_ = target;
            const QString saved =
                QStringLiteral(
                    "Version %1 was downloaded and checked, and saved as\n%2\n\nClose the "
                    "simulator before you install it. Open the download folder now?")
                    .arg(QString::fromStdString(info.version), QDir::toNativeSeparators(target));
            if (Tell("confirm", saved)) {
                const QUrl where = QUrl::fromLocalFile(folderPath);
                if (openHook)
                    openHook(where);
                else
                    QDesktopServices::openUrl(where);
            }
            EndInteractive();
        });
    state->reply = t->reply;
    if (!t->reply) progress->hide();
}

}  // namespace qd::qt
