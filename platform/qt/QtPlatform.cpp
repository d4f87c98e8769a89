#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/SimForm.h"
#include "platform/qt/Artwork.h"

namespace qd::qt {

QString DisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

// ------------------------------------------------------------- message boxes

bool QtMessageBoxes::Show(const char* kind, const std::string& text) {
    if (intercept) return intercept(kind, text);
    const QString title = QString::fromLatin1(kApplicationTitle);
    const QString body = DisplayText(text);
    const std::string k = kind;
    if (k == "confirm")
        return QMessageBox::question(parent, title, body, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    if (k == "error")
        QMessageBox::critical(parent, title, body);
    else if (k == "warning")
        QMessageBox::warning(parent, title, body);
    else
        QMessageBox::information(parent, title, body);
    return true;
}

void QtMessageBoxes::Information(const std::string& text) {
    Show("information", text);
}
void QtMessageBoxes::Error(const std::string& text) {
    Show("error", text);
}
void QtMessageBoxes::Warning(const std::string& text) {
    Show("warning", text);
}
bool QtMessageBoxes::Confirm(const std::string& text) {
    return Show("confirm", text);
}

// ------------------------------------------------------------------ windows

namespace {

QString CaptionOf(const std::string& windowName) {
    for (const FormWindow& w : StartupWindows())
        if (w.name == windowName) return QString::fromStdString(w.caption);
    if (windowName == "TAutoUpdateSelection") return QStringLiteral("Automatic Updates");
    return QString::fromStdString(windowName);
}

class SplashWindow : public QWidget {
public:
    SplashWindow()
        : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
        setObjectName(QStringLiteral("TLOADING"));
        setFixedSize(632, 266);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        DrawSplash(p, rect());
    }
};

}  // namespace

QtWindowSystem::QtWindowSystem() = default;
QtWindowSystem::~QtWindowSystem() = default;

void QtWindowSystem::ShowModal(const std::string& windowName) {
    if (intercept) {
        intercept(windowName);
        return;
    }
    if (const auto it = dialogs.find(windowName); it != dialogs.end()) {
        it->second();
        return;
    }
    QDialog dialog(parent);
    dialog.setObjectName(QString::fromStdString(windowName));
    dialog.setWindowTitle(CaptionOf(windowName));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(CaptionOf(windowName), &dialog);
    text->setMinimumWidth(320);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
}

void QtWindowSystem::ShowSplash() {
    if (!showSplashWindow) return;
    splash_ = std::make_unique<SplashWindow>();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = splash_->rect();
        r.moveCenter(screen->availableGeometry().center());
        splash_->move(r.topLeft());
    }
    splash_->show();
    splash_->repaint();
    QCoreApplication::processEvents();
}

void QtWindowSystem::DestroySplash() {
    if (!splash_) return;
    splash_->hide();
    splash_.reset();
}

void QtWindowSystem::CloseMainWindow() {
    mainWindowCloseRequested = true;
    if (closeMainWindow) closeMainWindow();
}

// --------------------------------------------------------------- fatal stop

void QtFatalStop::Stop(const std::string& message) {
    if (intercept) {
        intercept(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
                    DisplayText(message), QMessageBox::Ok);
    box.exec();
    // At once: no close handler, no settings, no destructors.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace qd::qt
