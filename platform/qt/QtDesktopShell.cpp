#include "platform/qt/QtDesktopShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace qd::qt {

bool QtDesktopShell::Open(const std::string& documentOrUrl) {
    const QString what = QString::fromStdString(documentOrUrl);
    const QUrl url = what.contains(QLatin1String("://")) ? QUrl(what) : QUrl::fromLocalFile(what);
    return QDesktopServices::openUrl(url);
}

bool QtDesktopShell::IsPdfHandlerRegistered() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("application/pdf")});
    if (!query.waitForFinished(2000)) {
        query.kill();
        query.waitForFinished(500);
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace qd::qt
