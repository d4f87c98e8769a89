// The program setup, proxy and first-run question windows as the user works
// them, over the plain objects and the settings they store.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/QD720SIM.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/UpdateDialogs.h"
#include "support/RecordingPlatform.h"

namespace {

const std::string kBase = "SOFTWARE\\Torvane\\QD720\\SETUP\\";

// Records the order of the calls the shell makes.
struct OrderedUpdate : qd::UpdateComponent {
    std::vector<std::string>* log = nullptr;
    qd::ProxySettings proxy;
    void SetVersion(const std::string& v) override { log->push_back("version " + v); }
    void SetProxy(const qd::ProxySettings& p) override {
        proxy = p;
        log->push_back("proxy");
    }
    bool SilentCheck() override {
        log->push_back("silent check");
        return false;
    }
    void InteractiveCheck() override { log->push_back("interactive check"); }
};

// Runs the step on the named modal window once it is open.
void WhenShown(const char* name, std::function<void(QDialog*)> step) {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [name, step, tries, poll] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (w && w->objectName() == QLatin1String(name)) {
            QPointer<QDialog> open(w);
            step(w);
            // A failed check returns early: close the window so nothing hangs.
            if (open && open->isVisible()) open->reject();
            *poll = nullptr;  // ends the self-reference
            return;
        }
        if (++*tries > 200) {
            if (w) w->reject();  // never hang the suite on a wrong window
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

template <class W>
W* Child(QWidget* w, const char* name) {
    return w->findChild<W*>(QString::fromLatin1(name));
}

void Click(QWidget* w, const char* name) {
    auto* b = Child<QAbstractButton>(w, name);
    QVERIFY2(b, name);
    b->click();
}

void Leave(QWidget* w) {
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(w, &out);
}

struct Shell {
    qd::testing::RecordingPlatform p;
    qd::qt::QtWindowSystem windows;
    OrderedUpdate update;
    std::vector<std::string> log;
    qd::Platform services{p, windows, p, p, update, p};
    qd::Program program;

    Shell() {
        update.log = &log;
        windows.showSplashWindow = false;
        // No simulator information window a second after start-up.
        p.store[kBase + "PRG\\L30"] = "0";
    }
    // Starts the program; the dialogs exist before FormShow asks its question.
    void Start() {
        program = qd::StartProgram(services, "/nonexistent/qd720sim", qd::InitialiseDriveData,
                                   [this](qd::TSimForm& form) {
                                       qd::qt::RegisterUpdateDialogs(windows, form);
                                       auto show = windows.dialogs["TAutoUpdateSelection"];
                                       windows.dialogs["TAutoUpdateSelection"] = [this, show] {
                                           log.push_back("question");
                                           show();
                                       };
                                   });
    }
    qd::TSimForm& f() { return *program.form; }
    std::string stored(const std::string& key) { return p.store[kBase + key]; }
};

}  // namespace

class SetupDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunAnsweredNoChecksNothing() {
        Shell s;
        bool seen = false;
        WhenShown("TAutoUpdateSelection", [&seen](QDialog* d) {
            seen = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("Automatic Updates"));
            QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(Child<QLabel>(d, "Title")->text(),
                     QStringLiteral("QD720 Programming Simulator"));
            QVERIFY(Child<QRadioButton>(d, "R2")->isChecked());
            QVERIFY(!Child<QRadioButton>(d, "R1")->isChecked());
            QCOMPARE(Child<QPushButton>(d, "Close")->text(), QStringLiteral("&Close"));
            Click(d, "Close");
        });
        s.Start();
        QVERIFY(seen);
        QCOMPARE(s.stored("PRG\\L2"), std::string("0"));
        QCOMPARE(s.stored("PRG\\VY2"), std::string("0"));
        QVERIFY(!s.f().updateCheckEnabled);
        QVERIFY(!s.f().STATUSPANEL4.visible);
        QVERIFY(!s.f().updateWindows.autoUpdate);
        s.f().clock.Advance(5000);
        QVERIFY(std::find(s.log.begin(), s.log.end(), "silent check") == s.log.end());

        bool setupSeen = false;
        WhenShown("TPSetup", [&setupSeen](QDialog* d) {
            setupSeen = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("Program setup"));
            auto* tabs = d->findChild<QTabWidget*>();
            QVERIFY(tabs && tabs->count() == 1);
            QCOMPARE(tabs->tabText(0), QStringLiteral("Program Startup"));
            QVERIFY(!Child<QCheckBox>(d, "L2")->isChecked());
            QCOMPARE(Child<QCheckBox>(d, "L2")->text(), QStringLiteral("Check for updates"));
            QCOMPARE(Child<QPushButton>(d, "CtrlOK")->toolTip(),
                     QStringLiteral("Accept drive setup"));
            Click(d, "Cancel");
        });
        s.f().dxBarButton2Click();
        QVERIFY(setupSeen);
    }

    void firstRunAnsweredYesStartsTheSilentCheckAfterTheQuestion() {
        Shell s;
        WhenShown("TAutoUpdateSelection", [](QDialog* d) {
            Click(d, "R1");
            Click(d, "Close");
        });
        s.Start();
        QCOMPARE(s.stored("PRG\\L2"), std::string("1"));
        QVERIFY(s.f().CheckUpdateStartTimer.Enabled());
        QCOMPARE(s.f().STATUSPANEL4.text, std::string("Checking for updates..."));
        QVERIFY(s.f().STATUSPANEL4.visible);
        s.f().clock.Advance(2990);
        QCOMPARE(s.log,
                 (std::vector<std::string>{"proxy", "proxy", "version 1.00.600", "question"}));
        s.f().clock.Advance(10);
        QCOMPARE(s.log.back(), std::string("silent check"));
        QVERIFY(!s.f().STATUSPANEL4.visible);
        s.f().clock.Advance(10000);
        QCOMPARE(std::count(s.log.begin(), s.log.end(), "silent check"), 1);
    }

    void portFieldIsLimitedWhenLeft() {
        Shell s;
        s.p.SeedReturningUser();
        s.Start();
        bool proxySeen = false;
        WhenShown("TPSetup", [&proxySeen](QDialog* setup) {
            WhenShown("TProxyForm", [&proxySeen](QDialog* d) {
                proxySeen = true;
                QCOMPARE(d->windowTitle(),
                         QStringLiteral("Automatic Update: Proxy Server Configuration"));
                auto* port = Child<QLineEdit>(d, "ProxyPortNumber");
                QCOMPARE(port->text(), QStringLiteral("8080"));
                QCOMPARE(port->maxLength(), 5);
                QCOMPARE(Child<QLineEdit>(d, "ProxyAddress")->maxLength(), 60);
                port->clear();
                QTest::keyClicks(port, "9x9-9 99");
                QCOMPARE(port->text(), QStringLiteral("99999"));
                QTest::keyClick(port, Qt::Key_Backspace);
                QCOMPARE(port->text(), QStringLiteral("99999"));
                Leave(port);
                QCOMPARE(port->text(), QStringLiteral("32768"));
                port->selectAll();
                QTest::keyClick(port, Qt::Key_Delete);
                QCOMPARE(port->text(), QString());
                Leave(port);
                QCOMPARE(port->text(), QStringLiteral("0"));
                port->selectAll();
                QTest::keyClicks(port, "99999");
                Click(d, "CtrlOK");  // still in the field: the stored value is limited too
            });
            Click(setup, "URL");
            Click(setup, "Cancel");
        });
        s.f().dxBarButton2Click();
        QVERIFY(proxySeen);
        QCOMPARE(s.stored("PROXY\\PORT"), std::string("32768"));
        QCOMPARE(s.f().updateWindows.proxy.ProxyPortNumber.text, std::string("32768"));
    }

    void untickingTheProxyKeepsTheTypedFields() {
        Shell s;
        s.p.SeedReturningUser();
        s.p.store[kBase + "PROXY\\USE"] = "1";
        s.p.store[kBase + "PROXY\\ADDR"] = "proxy.example";
        s.p.store[kBase + "PROXY\\PORT"] = "3128";
        s.p.store[kBase + "PROXY\\UN"] = "anna";
        s.p.store[kBase + "PROXY\\PW"] = "secret";
        s.Start();
        QVERIFY(s.update.proxy.useProxy);

        WhenShown("TProxyForm", [](QDialog* d) {
            QVERIFY(Child<QCheckBox>(d, "UseProxy")->isChecked());
            QCOMPARE(Child<QLineEdit>(d, "ProxyPassword")->echoMode(), QLineEdit::Normal);
            Child<QCheckBox>(d, "UseProxy")->click();
            Click(d, "CtrlOK");
        });
        s.f().updateWindows.setup.URLClick(s.f());
        QCOMPARE(s.stored("PROXY\\USE"), std::string("0"));
        QCOMPARE(s.stored("PROXY\\ADDR"), std::string("proxy.example"));
        QCOMPARE(s.stored("PROXY\\PORT"), std::string("3128"));
        QCOMPARE(s.stored("PROXY\\UN"), std::string("anna"));
        QCOMPARE(s.stored("PROXY\\PW"), std::string("secret"));
        QVERIFY(s.update.proxy.useSystemSettings);
        QVERIFY(s.update.proxy.host.empty());

        // Cancel keeps what was typed for the next showing.
        WhenShown("TProxyForm", [](QDialog* d) {
            auto* address = Child<QLineEdit>(d, "ProxyAddress");
            address->clear();
            QTest::keyClicks(address, "typed.example");
            Click(d, "Cancel");
        });
        s.f().updateWindows.setup.URLClick(s.f());
        QCOMPARE(s.stored("PROXY\\ADDR"), std::string("proxy.example"));
        QString shown;
        WhenShown("TProxyForm", [&shown](QDialog* d) {
            shown = Child<QLineEdit>(d, "ProxyAddress")->text();
            Click(d, "Cancel");
        });
        s.f().updateWindows.setup.URLClick(s.f());
        QCOMPARE(shown, QStringLiteral("typed.example"));
    }

    void acceptingTheSetupStoresTheBoxesAndResetsTheTerminalBoard() {
        Shell s;
        s.p.SeedReturningUser();
        s.Start();
        s.f().TerminalVersion.checked = true;  // ticked on the main window, not stored
        s.f().TerminalVersionClick();
        WhenShown("TPSetup", [](QDialog* d) {
            QVERIFY(!Child<QCheckBox>(d, "L3")->isChecked());
            Click(d, "L1");
            Click(d, "L2");
            Click(d, "CtrlOK");
        });
        s.f().dxBarButton2Click();
        QCOMPARE(s.stored("PRG\\L30"), std::string("1"));
        QCOMPARE(s.stored("PRG\\L2"), std::string("1"));
        QCOMPARE(s.stored("PRG\\T01"), std::string("0"));
        QVERIFY(s.f().updateCheckEnabled);
        QVERIFY(!s.f().TerminalVersion.checked);
        QVERIFY(!s.f().CheckUpdateStartTimer.Enabled());

        WhenShown("TPSetup", [](QDialog* d) {
            QVERIFY(Child<QCheckBox>(d, "L1")->isChecked());
            Click(d, "Help");
            Click(d, "Cancel");
        });
        s.f().dxBarButton2Click();
        QVERIFY(s.p.events.back().find("ProgramSetup") != std::string::npos);
    }
};

QTEST_MAIN(SetupDialogsTest)
#include "setup_dialogs_test.moc"
