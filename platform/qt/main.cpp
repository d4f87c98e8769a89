// qd720sim: the simulator in a desktop window.
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/QD720SIM.h"
#include "core/ParameterCatalogue.h"
#include "platform/qt/HelpDialogs.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/UpdateDialogs.h"

namespace {

bool DisplayAvailable() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// QD720_SCREENSHOT_DIR: write a picture of each tab there, then one with the
// main power on and one with the drive running, then quit.
void ScheduleScreenshots(qd::qt::MainWindow& w, const QString& dir) {
    // The pointer out of the way, so no link shows its hover colour.
    QCursor::setPos(0, 0);
    QTimer::singleShot(2500, &w, [&w, dir] {
        QDir().mkpath(dir);
        QTabWidget* tabs = w.Tabs();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            w.grab().save(QStringLiteral("%1/tab%2.png").arg(dir).arg(i + 1));
        }
        tabs->setCurrentIndex(0);
        w.Form().MainPower.on = true;
        QTimer::singleShot(1500, &w, [&w, dir] {
            w.grab().save(QStringLiteral("%1/power-on.png").arg(dir));
            // Then the drive running in LOCAL at 45 Hz.
            qd::TSimForm& form = w.Form();
            qd::StoreParameterValue(*form.data, 'D', '1', 1, 45.0f);
            form.Run([&form] { form.LOREKEYClick(); });
            if (!form.data->state.localMode) form.Run([&form] { form.LOREKEYClick(); });
            form.Run([&form] { form.RunKeyClick(); });
            QTimer::singleShot(9000, &w, [&w, dir] {
                w.grab().save(QStringLiteral("%1/running.png").arg(dir));
                w.close();
            });
        });
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs(
            "qd720sim: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
            "Start it from a desktop session, or set QT_QPA_PLATFORM (for example "
            "QT_QPA_PLATFORM=offscreen).\n",
            stderr);
        return 2;
    }

    std::error_code ec;
    std::string programPath = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec || programPath.empty()) programPath = argc > 0 ? argv[0] : "qd720sim";

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(qd::kApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(qd::kApplicationTitle));
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::setAttribute(Qt::AA_DontShowIconsInMenus, false);

    qd::qt::QtPlatform platform;
    // The window is shown and its clock started before FormShow, so the timers
    // already run while the first-run questions are open.
    // Declared first so the window, which refers to the form, is destroyed first.
    qd::Program program;
    std::unique_ptr<qd::qt::MainWindow> window;
    const auto showWindow = [&](qd::TSimForm& form) {
        window = std::make_unique<qd::qt::MainWindow>(form);
        platform.messages.parent = window.get();
        platform.windows.parent = window.get();
        qd::qt::MainWindow* w = window.get();
        platform.windows.closeMainWindow = [w] { QTimer::singleShot(0, w, [w] { w->close(); }); };
        RegisterHelpDialogs(platform.windows, form);
        RegisterUpdateDialogs(platform.windows, form);
        window->show();
        if (QWidget* splash = platform.windows.Splash()) splash->raise();
        window->Pump().Start();
    };
    program = qd::StartProgram(platform.services, programPath, qd::InitialiseDriveData, showWindow);
    if (!program.form || !window) return EXIT_FAILURE;
    qd::TSimForm& form = *program.form;
    if (form.halted) return EXIT_FAILURE;
    if (platform.windows.mainWindowCloseRequested) {
        // Closed during FormShow (no parameter groups): the program ends there.
        form.Run([&form] { form.FormClose(); });
        return EXIT_SUCCESS;
    }

    const QString shots = qEnvironmentVariable("QD720_SCREENSHOT_DIR");
    if (!shots.isEmpty()) ScheduleScreenshots(*window, shots);
    return app.exec();
}
