#include "platform/qt/QtDesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "app/HelpWindows.h"
#include "platform/qt/HelpViewer.h"

namespace qd::qt {

namespace {

// The window must not hang on a stuck helper.
constexpr int kQueryTimeoutMs = 2000;

// Runs a MIME query; its standard output, or nothing when it could not run.
bool RunQuery(const QString& program, const QStringList& args, QByteArray& out) {
    QProcess query;
    query.start(program, args);
    if (!query.waitForStarted(kQueryTimeoutMs)) return false;
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished(500);
        return false;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return false;
    out = query.readAllStandardOutput().trimmed();
    return true;
}

QString TopicId(const std::string& topic) {
    QString id = QString::fromStdString(topic);
    for (const char* suffix : {".html", ".htm"})
        if (id.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) {
            id.chop(static_cast<int>(qstrlen(suffix)));
            break;
        }
    return id;
}

}  // namespace

QtDesktopShell::QtDesktopShell() = default;
QtDesktopShell::~QtDesktopShell() = default;

bool QtDesktopShell::OpenUrl(const QUrl& url) {
    if (intercept) return intercept(url);
    return QDesktopServices::openUrl(url);
}

bool QtDesktopShell::Open(const std::string& documentOrUrl) {
    const QString what = QString::fromStdString(documentOrUrl);
    if (what.isEmpty()) return false;
    const QUrl url = what.contains(QLatin1String("://")) ? QUrl(what) : QUrl::fromLocalFile(what);
    return OpenUrl(url);
}

bool QtDesktopShell::IsPdfHandlerRegistered() {
    if (pdfQuery) return pdfQuery();
    QByteArray out;
    if (RunQuery(
            QStringLiteral("xdg-mime"),
            {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf")},
            out))
        return !out.isEmpty();
    // GIO lists "Default application for ..." only when one is set.
    if (RunQuery(QStringLiteral("gio"), {QStringLiteral("mime"), QStringLiteral("application/pdf")},
                 out))
        return out.contains("Default application");
    return false;
}

bool QtDesktopShell::ShowHelp(const std::string& helpFile, const std::string& topic) {
    const QDir folder = QFileInfo(QString::fromStdString(helpFile)).absoluteDir();
    const QString id = TopicId(topic);
    if (id.isEmpty()) return false;

    const QString collection = folder.filePath(QString::fromLatin1(kCompiledHelpFile));
    const QString pages = folder.filePath(QString::fromLatin1(kCompiledHelpPages));
    if (QFileInfo(collection).isFile() && QFileInfo(pages).isFile()) {
        if (!viewer_) viewer_ = std::make_unique<HelpViewer>();
        if (viewer_->Open(collection, id)) {
            viewer_->show();
            viewer_->raise();
            viewer_->activateWindow();
            return true;
        }
    }

    // The classic help: the same page as plain HTML, in the desktop's browser.
    const QString page =
        folder.filePath(QString::fromLatin1(kClassicHelpFolder) + QLatin1Char('/') + id +
                        QString::fromLatin1(kHelpPageSuffix));
    if (!QFileInfo(page).isFile()) return false;
    return OpenUrl(QUrl::fromLocalFile(page));
}

}  // namespace qd::qt
