// The information, revision-history and about windows, the manuals and the help
// window on the desktop services. Modal windows are answered from the event
// loop they run; nothing here waits for wall time.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/QD720SIM.h"
#include "platform/qt/HelpDialogs.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/LinkLabel.h"
#include "platform/qt/QtPlatform.h"
#include "support/RecordingPlatform.h"

namespace {

const std::string kBase = "SOFTWARE\\Torvane\\QD720\\SETUP\\";
const char* kRevisionQuestion =
    "This software has recently been updated, would you like to view the changes?\r\rThe "
    "Software Revision history is also available in the about window that can be activated "
    "from the help menu.";

// Runs `act` on the next modal window once it is up. When a check in `act`
// failed the window is closed, so the test fails instead of hanging.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, qApp, [act] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY2(w, "no modal window");
        act(w);
        if (QTest::currentTestFailed())
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    });
}

void Click(QWidget* window, const char* name) {
    auto* b = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(b, name);
    b->click();
}

// Recording fakes, with the desktop's window system and shell in front.
struct Sim {
    QTemporaryDir dir;
    QString folder = dir.path();
    qd::testing::RecordingPlatform rec;
    qd::qt::QtWindowSystem windows;
    qd::qt::QtDesktopShell shell;
    qd::Platform services{rec, windows, shell, rec, rec, rec};
    qd::Program program;
    std::vector<QUrl> opened;
    bool pdfHandler = true;

    explicit Sim(bool returningUser = true) {
        if (returningUser) rec.SeedReturningUser();
        windows.showSplashWindow = false;
        shell.intercept = [this](const QUrl& u) {
            opened.push_back(u);
            return true;
        };
        shell.pdfQuery = [this] { return pdfHandler; };
    }
    qd::TSimForm& Start() {
        program = qd::StartProgram(
            services, QDir(folder).filePath(QStringLiteral("qd720sim")).toStdString(),
            qd::InitialiseDriveData,
            [this](qd::TSimForm& f) { qd::qt::RegisterHelpDialogs(windows, f); });
        return *program.form;
    }
    void Put(const char* file, const QByteArray& text) {
        QFile f(QDir(folder).filePath(QString::fromLatin1(file)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    bool Shown(const std::string& kind, const std::string& text) const {
        for (const auto& m : rec.messages)
            if (m.kind == kind && m.text == text) return true;
        return false;
    }
};

}  // namespace

class HelpDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void eachManualOpensThroughTheShell() {
        const struct {
            void (qd::TSimForm::*click)();
            const char* file;
        } manuals[] = {{&qd::TSimForm::PDFClick, "DOCQ482157300.PDF"},
                       {&qd::TSimForm::PDFClick2, "TM.QD720.01.PDF"},
                       {&qd::TSimForm::PDFClick3, "DOCR6630915.PDF"}};
        for (const auto& m : manuals) {
            Sim s;
            qd::TSimForm& f = s.Start();
            s.Put(m.file, "%PDF-1.4");
            (f.*m.click)();
            QCOMPARE(s.opened.size(), std::size_t(1));
            QCOMPARE(s.opened[0],
                     QUrl::fromLocalFile(QDir(s.folder).filePath(QLatin1String(m.file))));
            QVERIFY(s.rec.messages.empty());

            s.pdfHandler = false;
            (f.*m.click)();
            QVERIFY(s.Shown("information",
                            "This option requires a PDF viewer to be installed on your PC."));
            QCOMPARE(s.opened.size(), std::size_t(1));

            s.pdfHandler = true;
            s.rec.messages.clear();
            QFile::remove(QDir(s.folder).filePath(QLatin1String(m.file)));
            (f.*m.click)();
            QCOMPARE(s.rec.messages.size(), std::size_t(1));
            QVERIFY(s.Shown("error", "PDF File not found!"));
            QCOMPARE(s.opened.size(), std::size_t(1));
        }
    }

    void hideDialogRoundTripsThroughL30() {
        Sim s;
        s.Put("QD720SIM_INF.RTF", "{\\rtf1 {\\b\\fs28 About the simulator}\\par Text.\\par}");
        qd::TSimForm& f = s.Start();
        f.showSimulatorInformation = true;
        bool seen = false;
        WhenModal([&](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("TSimInformation"));
            QCOMPARE(w->windowTitle(), QStringLiteral("Simulator Information"));
            auto* box = w->findChild<QCheckBox*>(QStringLiteral("HideDialog"));
            QVERIFY(box);
            QCOMPARE(box->text(), QStringLiteral("Hide Dialog"));
            QCOMPARE(box->toolTip(), QStringLiteral("Check to hide dialog next time."));
            QVERIFY(!box->isChecked());
            auto* view = w->findChild<QTextBrowser*>(QStringLiteral("InfoView"));
            QVERIFY(view);
            QVERIFY(view->toPlainText().startsWith(QStringLiteral("About the simulator")));
            box->setChecked(true);
            seen = true;
            Click(w, "Close");
        });
        f.SimInfoClick();
        QVERIFY(seen);
        QCOMPARE(s.rec.store[kBase + "PRG\\L30"], std::string("0"));
        QVERIFY(!f.showSimulatorInformation);

        // Shown again ticked; unticked and closed by the window's close box.
        WhenModal([&](QWidget* w) {
            auto* box = w->findChild<QCheckBox*>(QStringLiteral("HideDialog"));
            QVERIFY(box && box->isChecked());
            box->setChecked(false);
            w->close();
        });
        f.SimInfoClick();
        QCOMPARE(s.rec.store[kBase + "PRG\\L30"], std::string("1"));
        QVERIFY(f.showSimulatorInformation);
    }

    void aMissingPageShowsItsMessageInsteadOfTheDialog() {
        Sim s;
        qd::TSimForm& f = s.Start();
        f.showSimulatorInformation = true;
        s.rec.store.erase(kBase + "PRG\\L30");
        // No modal window may come up: nothing is scheduled to answer one.
        f.SimInfoClick();
        QVERIFY(s.Shown("information", "Simulation Information Unavailable!"));
        QCOMPARE(s.rec.store[kBase + "PRG\\L30"], std::string("1"));
        s.Put("QD720SIM_REV.RTF", "not rich text");
        s.windows.ShowModal("TREVHIS1");
        QVERIFY(s.Shown("information", "Revision History Unavailable!"));
    }

    void revisionHistoryIsOfferedOnTheFirstRunOnly() {
        Sim first(false);
        first.rec.store[kBase + "PRG\\VY2"] = "0";  // not the update question here
        first.rec.store[kBase + "PRG\\L30"] = "0";
        first.rec.confirmAnswer = true;
        first.Put("QD720SIM_REV.RTF", "{\\rtf1 {\\b 1.00.600}\\par First release.\\par}");
        QString shownText;
        WhenModal([&](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("TREVHIS1"));
            QCOMPARE(w->windowTitle(), QStringLiteral("Revision History"));
            shownText = w->findChild<QTextBrowser*>(QStringLiteral("RevisionView"))->toPlainText();
            Click(w, "Ok");
        });
        first.Start();
        QVERIFY(first.Shown("confirm", kRevisionQuestion));
        QCOMPARE(shownText, QStringLiteral("1.00.600\nFirst release."));

        Sim next(false);
        next.rec.store = first.rec.store;
        next.Put("QD720SIM_REV.RTF", "{\\rtf1 x}");
        next.Start();
        QVERIFY(!next.Shown("confirm", kRevisionQuestion));
    }

    void aboutBoxShowsTheVersionAndOpensTheHistoryOnTop() {
        Sim s;
        s.Put("QD720SIM_REV.RTF", "{\\rtf1 History}");
        qd::TSimForm& f = s.Start();
        QString version, title, historyOwner;
        WhenModal([&](QWidget* about) {
            title = about->windowTitle();
            version = about->findChild<QLabel*>(QStringLiteral("VersionLabel"))->text();
            auto* link = about->findChild<qd::qt::LinkLabel*>(QStringLiteral("URL"));
            QVERIFY(link);
            QCOMPARE(link->text(), QString::fromLatin1(qd::kHomePage));
            link->Click();
            auto* history = about->findChild<QPushButton*>(QStringLiteral("RevisionHistory"));
            QCOMPARE(history->toolTip(), QStringLiteral("Revision History"));
            WhenModal([&](QWidget* w) {
                historyOwner = w->parentWidget() ? w->parentWidget()->objectName() : QString();
                Click(w, "Ok");
            });
            history->click();
            // Esc closes the box as its Close button does.
            QTest::keyClick(about, Qt::Key_Escape);
        });
        f.btnAboutUsClick();
        QCOMPARE(title, QStringLiteral("About Torvane QD720 Software"));
        QCOMPARE(version, QStringLiteral("Version 1.00.600"));
        QCOMPARE(historyOwner, QStringLiteral("TAboutBox"));
        QCOMPARE(s.opened.size(), std::size_t(1));
        QCOMPARE(s.opened[0], QUrl(QString::fromLatin1(qd::kHomePage)));
    }

    void linkLabelHoversAndRestores() {
        qd::testing::RecordingPlatform rec;
        qd::Link link{"URL1", "QD720 Quick Start Guide", ""};
        qd::qt::LinkLabel label(link, rec);
        QVERIFY(label.font().underline());
        const QColor before = label.palette().color(QPalette::WindowText);
        QCOMPARE(before, QColor(Qt::blue));
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&label, &enter);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
        QCOMPARE(label.palette().color(QPalette::WindowText), before);
        QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);

        int clicks = 0;
        label.onClick = [&clicks] { ++clicks; };
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        link.target = "https://www.torvane.example/";
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QCOMPARE(rec.events.back(), std::string("open https://www.torvane.example/"));
    }

    void helpOpensAtItsTopic() {
        QTemporaryDir dir;
        const QString collection = CompiledHelp(dir);
        if (collection.isEmpty()) QSKIP("no compiled help and no qhelpgenerator to build one");
        qd::qt::QtDesktopShell shell;
        std::vector<QUrl> opened;
        shell.intercept = [&opened](const QUrl& u) {
            opened.push_back(u);
            return true;
        };
        const std::string anyFile = QDir(QFileInfo(collection).absolutePath())
                                        .filePath(QStringLiteral("QD720SIM.HLP"))
                                        .toStdString();
        for (const char* topic : {"Welcome.html", "ProgramSetup", "ProgramSetup.html"}) {
            QVERIFY2(shell.ShowHelp(anyFile, topic), topic);
            qd::qt::HelpViewer* viewer = shell.Viewer();
            QVERIFY(viewer && viewer->isVisible());
            const QString page = QString::fromLatin1(topic).section(QLatin1Char('.'), 0, 0);
            QCOMPARE(viewer->Page().fileName(), page + QStringLiteral(".html"));
            QVERIFY(!viewer->Browser()->toPlainText().trimmed().isEmpty());
        }
        QVERIFY(!shell.ShowHelp(anyFile, "NoSuchTopic"));
        QVERIFY(opened.empty());
        shell.Viewer()->close();
    }

    void withoutCompiledHelpTheTopicPageOpensInTheBrowser() {
        QTemporaryDir dir;
        qd::qt::QtDesktopShell shell;
        std::vector<QUrl> opened;
        shell.intercept = [&opened](const QUrl& u) {
            opened.push_back(u);
            return true;
        };
        const std::string hlp =
            QDir(dir.path()).filePath(QStringLiteral("QD720SIM.HLP")).toStdString();
        QVERIFY(!shell.ShowHelp(hlp, "Welcome"));
        QVERIFY(opened.empty());
        QDir(dir.path()).mkpath(QStringLiteral("help"));
        QFile page(QDir(dir.path()).filePath(QStringLiteral("help/Welcome.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body>Welcome</body></html>");
        page.close();
        QVERIFY(shell.ShowHelp(hlp, "Welcome.html"));
        QCOMPARE(opened.size(), std::size_t(1));
        QCOMPARE(opened[0], QUrl::fromLocalFile(page.fileName()));
        QVERIFY(!shell.Viewer());
    }

private:
    // The help collection the build made, or one built here from the project's
    // help pages.
    static QString CompiledHelp(const QTemporaryDir& dir) {
        const QString built = QStringLiteral(QD720_TEST_BUILD_DIR "/QD720SIM.qhc");
        if (QFile::exists(built) &&
            QFile::exists(QStringLiteral(QD720_TEST_BUILD_DIR "/QD720SIM.qch")))
            return built;
        const QString generator = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
                                  QStringLiteral("/qhelpgenerator");
        if (!QFile::exists(generator)) return {};
        const QDir source(QStringLiteral(QD720_TEST_SOURCE_DIR "/docs/help"));
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), QDir(dir.path()).filePath(name));
        QProcess gen;
        gen.setWorkingDirectory(dir.path());
        gen.start(generator, {QStringLiteral("QD720SIM.qhcp"), QStringLiteral("-o"),
                              QStringLiteral("QD720SIM.qhc")});
        if (!gen.waitForFinished(60000) || gen.exitCode() != 0) {
            qWarning() << gen.readAllStandardError();
            return {};
        }
        return QDir(dir.path()).filePath(QStringLiteral("QD720SIM.qhc"));
    }
};

QTEST_MAIN(HelpDialogsTest)

#include "help_dialogs_test.moc"
