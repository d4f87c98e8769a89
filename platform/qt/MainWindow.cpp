#include "platform/qt/MainWindow.h"

#include "app/HelpWindows.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include "platform/qt/Artwork.h"

namespace qd::qt {

namespace {

constexpr int kClientWidth = 1024;
constexpr int kClientHeight = 660;

// The longest the pump sleeps when no simulator timer falls due sooner.
constexpr int kMaxPumpSleepMs = 20;

const QColor kLampRed{235, 30, 30};
const QColor kLampGreen{30, 200, 60};

// The keypad's housing, drawn behind its controls.
class KeypadBody : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(66, 70, 78));
        g.setColorAt(1, QColor(38, 40, 46));
        p.setPen(QPen(QColor(20, 20, 24), 1.5));
        p.setBrush(g);
        p.drawRoundedRect(r, 12, 12);
        // The display window.
        p.setPen(QPen(QColor(110, 114, 122), 2));
        p.setBrush(QColor(8, 6, 6));
        p.drawRoundedRect(QRectF(16, 28, width() - 32, 100), 6, 6);
    }
};

// A frame of the information view (Shape8, Shape9).
void DrawInfoFrame(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.setBrush(QColor(226, 230, 236));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

// A picture in a Help-tab row that does what the link of its row does.
class IconButton : public QAbstractButton {
public:
    IconButton(QColor band, const char* tag, QWidget* parent)
        : QAbstractButton(parent), band_(band), tag_(tag) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        DrawDocumentIcon(p, QRectF(rect()).adjusted(3, 1, -3, -1), band_, tag_);
    }

private:
    QColor band_;
    const char* tag_;
};

}  // namespace

template <class V, class... A>
V* MainWindow::Add(QWidget* parent, QRect geometry, A&&... args) {
    auto* v = new V(std::forward<A>(args)..., parent);
    v->setGeometry(geometry);
    views_.push_back(v);
    return v;
}

QWidget* MainWindow::Caption(QWidget* parent, QRect geometry, const QString& text, int px,
                             bool bold, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setPixelSize(px);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(align);
    l->setGeometry(geometry);
    return l;
}

void MainWindow::Handler(void (TSimForm::*h)()) {
    form_.Run([this, h] { (form_.*h)(); });
    SyncViews();
    // The handler may have enabled a timer that falls due before the pump wakes.
    if (pump_) pump_->Reschedule();
}

MainWindow::MainWindow(TSimForm& form) : form_(form) {
    setObjectName(QStringLiteral("TSimForm"));
    setWindowTitle(QString::fromStdString(form.caption));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    BuildMenus();
    BuildKeypad(client);
    BuildPowerAndMotor(client);

    tabs_ = new QTabWidget(client);
    tabs_->setObjectName(QStringLiteral("PageControl"));
    tabs_->setGeometry(352, 256, 664, 396);
    tabs_->setFocusPolicy(Qt::NoFocus);
    auto* terminals = new QWidget;
    auto* faults = new QWidget;
    auto* help = new QWidget;
    tabs_->addTab(terminals, QStringLiteral("User Terminals"));
    tabs_->addTab(faults, QStringLiteral("Fault and Alarms"));
    tabs_->addTab(help, QStringLiteral("Help"));
    BuildTerminalsTab(terminals);
    BuildFaultsTab(faults);
    BuildHelpTab(help);

    // The dialog border is fixed: the window keeps its design size.
    adjustSize();
    setFixedSize(sizeHint());

    FormResize();
    const auto nextDue = [this]() -> std::optional<int64_t> {
        std::optional<int64_t> due;
        for (const Timer* t : form_.TimerTable())
            if (t->Enabled() && (!due || t->DueAt() < *due)) due = t->DueAt();
        return due;
    };
    pump_ = std::make_unique<RealTimePump>(
        form_.clock, [this] { SyncViews(); }, nextDue, kMaxPumpSleepMs);
    SyncViews();
}

void MainWindow::FormResize() {
    // The scales and the speed readout take their type size from two captions,
    // so a change of the captions' font carries over to them.
    const int scalePx = photoCaption_->font().pixelSize();
    for (KnobView* k : scaled_) k->SetLabelPixelSize(scalePx);
    for (QWidget* l : sliderLabels_) {
        QFont f = l->font();
        f.setPixelSize(scalePx);
        l->setFont(f);
    }
    // The speed is a display, not a caption: twice the caption's size.
    rpm_->SetTextPixelSize(2 * torqueCaption_->font().pixelSize());
    form_.Run([this] { form_.FormResize(); });
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    FormResize();
}

MainWindow::~MainWindow() = default;

int MainWindow::SyncViews() {
    int changed = 0;
    for (SyncView* v : views_)
        if (v->Sync()) ++changed;
    return changed;
}

void MainWindow::closeEvent(QCloseEvent* e) {
    pump_->Stop();
    if (!form_.closed) form_.Run([this] { form_.FormClose(); });
    e->accept();
}

void MainWindow::BuildMenus() {
    auto item = [this](QMenu* menu, const QString& text, void (TSimForm::*h)(),
                       const QKeySequence& key = {}) {
        QAction* a = menu->addAction(text);
        if (!key.isEmpty()) a->setShortcut(key);
        connect(a, &QAction::triggered, this, [this, h] { Handler(h); });
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    item(file, QStringLiteral("Program Setup"), &TSimForm::dxBarButton2Click);
    file->addSeparator();
    item(file, QStringLiteral("Exit"), &TSimForm::dxBarButton9Click,
         QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    item(help, QStringLiteral("Help contents"), &TSimForm::HelpClick, QKeySequence(Qt::Key_F1));
    item(help, QStringLiteral("Simulator Information"), &TSimForm::SimInfoClick);
    help->addSeparator();
    item(help, QStringLiteral("QD720 Quick Start Guide (PDF)"), &TSimForm::PDFClick);
    item(help, QStringLiteral("QD720 Cheat Sheet (PDF)"), &TSimForm::PDFClick2);
    item(help, QStringLiteral("QD720 Technical Manual (PDF)"), &TSimForm::PDFClick3);
    help->addSeparator();
    item(help, QStringLiteral("Torvane Home page"), &TSimForm::btnHomePageClick);
    help->addSeparator();
    item(help, QStringLiteral("Check for Updates"), &TSimForm::CheckforUpdatesClick);
    help->addSeparator();
    item(help, QStringLiteral("About"), &TSimForm::btnAboutUsClick);
}

void MainWindow::BuildKeypad(QWidget* client) {
    auto* body = new KeypadBody(client);
    body->setObjectName(QStringLiteral("Keypad"));
    body->setGeometry(8, 8, 336, 644);
    auto* title = Caption(body, QRect(0, 6, 336, 18), QStringLiteral("Control Panel"), 12, true,
                          Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: white"));

    const auto digits = form_.Digits();
    const auto points = form_.Points();
    for (int i = 0; i < 5; ++i) {
        const int x = 30 + i * 56;
        Add<DigitView>(body, QRect(x, 42, 44, 72), *digits[static_cast<size_t>(i)]);
        auto* point =
            Add<RoundLampView>(body, QRect(x + 45, 106, 8, 8), *points[static_cast<size_t>(i)],
                               kSegmentLit, kSegmentUnlit);
        point->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    Lamp* lamps[] = {&form_.ALMLED, &form_.REVLED, &form_.DRVLED, &form_.FOUTLED};
    const char* captions[] = {"ALM", "REV", "DRV", "FOUT"};
    const char* lampTips[] = {
        "ALM: lit while a fault or an alarm is present",
        "REV: lit while the direction is reverse",
        "DRV: lit in the drive mode, off in the programming mode",
        "FOUT: lit while the display shows the output frequency",
    };
    for (int i = 0; i < 4; ++i)
        Add<RectLampView>(body, QRect(26 + i * 74, 138, 62, 20), *lamps[i],
                          QString::fromLatin1(captions[i]), i == 2 ? kLampGreen : kLampRed)
            ->SetDefaultTip(QString::fromLatin1(lampTips[i]));

    struct KeyDef {
        const char* name;
        const char* caption;
        KeyGlyph glyph;
        void (TSimForm::*handler)();
        int col, row;
        const char* tip;
        std::vector<QKeySequence> keys;
    };
    const KeyDef keys[] = {
        {"EscKey",
         "ESC",
         KeyGlyph::Text,
         &TSimForm::EscKeyClick,
         0,
         0,
         "ESC (Esc)",
         {Qt::Key_Escape}},
        {"LeftKey",
         "RESET",
         KeyGlyph::Text,
         &TSimForm::LeftKeyClick,
         1,
         0,
         "RESET (Left arrow or Backspace)",
         {Qt::Key_Left, Qt::Key_Backspace}},
        {"EnterKey",
         "ENTER",
         KeyGlyph::Text,
         &TSimForm::EnterKeyClick,
         2,
         0,
         "ENTER (Enter)",
         {Qt::Key_Return, Qt::Key_Enter}},
        {"RunKey", "RUN", KeyGlyph::Text, &TSimForm::RunKeyClick, 0, 1, "RUN (F5)", {Qt::Key_F5}},
        {"UpKey", "UP", KeyGlyph::Up, &TSimForm::UpKeyClick, 1, 1, "UP (Up arrow)", {Qt::Key_Up}},
        {"StopKey",
         "STOP",
         KeyGlyph::Text,
         &TSimForm::StopKeyClick,
         2,
         1,
         "STOP (F6)",
         {Qt::Key_F6}},
        {"LOREKEY",
         "LO/RE",
         KeyGlyph::Text,
         &TSimForm::LOREKEYClick,
         0,
         2,
         "LO/RE (F7)",
         {Qt::Key_F7}},
        {"Downkey",
         "DOWN",
         KeyGlyph::Down,
         &TSimForm::DownkeyClick,
         1,
         2,
         "DOWN (Down arrow)",
         {Qt::Key_Down}},
    };
    for (const KeyDef& k : keys) {
        auto* key = new KeyView(QString::fromLatin1(k.caption), k.glyph, body);
        key->setObjectName(QString::fromLatin1(k.name));
        key->setGeometry(20 + k.col * 102, 172 + k.row * 56, 92, 48);
        key->setToolTip(QString::fromLatin1(k.tip));
        const auto handler = k.handler;
        connect(key, &QAbstractButton::clicked, this, [this, handler] { Handler(handler); });
        for (const QKeySequence& seq : k.keys) {
            auto* sc = new QShortcut(seq, this);
            connect(sc, &QShortcut::activated, key, [key] { key->PressFromKeyboard(); });
        }
        // The lamps on the keys let clicks through to their key.
        Lamp* keyLamp = k.handler == &TSimForm::RunKeyClick    ? &form_.RUNLED
                        : k.handler == &TSimForm::LOREKEYClick ? &form_.LOCAL_REMOTE_LED
                                                               : nullptr;
        if (keyLamp) {
            auto* lamp = Add<RoundLampView>(key, QRect(8, 8, 12, 12), *keyLamp, kLampGreen,
                                            QColor(Qt::black));
            lamp->setAttribute(Qt::WA_TransparentForMouseEvents);
            lamp->SetDefaultTip(QString::fromLatin1(k.tip));
        }
    }

    // The lower operator area: information, terminals or faceplate.
    auto* area = new QWidget(body);
    area->setObjectName(QStringLiteral("LowerArea"));
    area->setGeometry(12, 344, 312, 290);
    auto* cycle = new QPushButton(QStringLiteral("\u21bb"), area);
    cycle->setObjectName(QStringLiteral("BitBtn6"));
    cycle->setToolTip(QStringLiteral("Show Info / Terminals / Faceplate"));
    cycle->setFocusPolicy(Qt::NoFocus);
    cycle->setGeometry(280, 0, 32, 24);
    connect(cycle, &QPushButton::clicked, this, [this] { Handler(&TSimForm::BitBtn6Click); });

    Add<PictureView>(area, QRect(0, 28, 312, 44), form_.Shape8, DrawInfoFrame);
    Add<PictureView>(area, QRect(0, 78, 312, 210), form_.Shape9, DrawInfoFrame);
    auto* status = Add<TextView>(area, QRect(8, 32, 296, 36), form_.StatusLabel);
    status->setWordWrap(true);
    status->SetDefaultTip(QStringLiteral("What the display is showing"));
    auto* info = Add<TextView>(area, QRect(8, 84, 296, 198), form_.InfoLabel);
    info->setWordWrap(true);
    info->SetDefaultTip(QStringLiteral("About the item on the display"));
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* l : {static_cast<QLabel*>(status), static_cast<QLabel*>(info)})
        l->setStyleSheet(QStringLiteral("color: #101418; background: transparent"));
    Add<PictureView>(area, QRect(0, 28, 312, 260), form_.Connector, DrawConnector)
        ->setToolTip(QStringLiteral("The operator's connector and terminals"));
    Add<PictureView>(area, QRect(0, 28, 312, 260), form_.FacePlate, DrawFacePlate)
        ->setToolTip(QStringLiteral("The drive's faceplate"));
}

void MainWindow::BuildPowerAndMotor(QWidget* client) {
    auto* power = new QFrame(client);
    power->setObjectName(QStringLiteral("PowerPanel"));
    power->setFrameShape(QFrame::StyledPanel);
    power->setGeometry(352, 8, 150, 240);
    Caption(power, QRect(0, 6, 150, 18), QStringLiteral("Main Power"), 12, true, Qt::AlignCenter);
    Add<RockerView>(power, QRect(35, 32, 80, 120), form_.MainPower)
        ->SetDefaultTip(QStringLiteral("Click to switch the drive's main power on or off"));
    Caption(power, QRect(0, 154, 150, 16), QStringLiteral("Off / On"), 10, false, Qt::AlignCenter);
    auto* panel = Add<TextView>(power, QRect(6, 176, 138, 58), form_.STATUSPANEL4);
    panel->setWordWrap(true);
    panel->setAlignment(Qt::AlignCenter);
    panel->setCursor(Qt::PointingHandCursor);
    panel->SetBaseStyle(QStringLiteral("color: #0040a0; font-weight: bold"));
    panel->onClick = [this] { Handler(&TSimForm::STATUSPANEL4Click); };
    panel->SetDefaultTip(QStringLiteral("Click to check for updates"));

    auto* motor = new QFrame(client);
    motor->setObjectName(QStringLiteral("MotorPanel"));
    motor->setFrameShape(QFrame::StyledPanel);
    motor->setGeometry(510, 8, 506, 240);
    Caption(motor, QRect(10, 6, 200, 18), QStringLiteral("Motor Simulation"), 12, true);
    Add<MotorView>(motor, QRect(10, 34, 200, 130), form_.MOTOR)
        ->setToolTip(QStringLiteral("The motor: its fan turns while the drive runs it"));
    rpm_ = Add<ReadoutView>(motor, QRect(20, 178, 180, 42), form_.RPM, 5, 0, QStringLiteral(" RPM"),
                            false);
    rpm_->setToolTip(QStringLiteral("Motor speed"));
    Caption(motor, QRect(224, 6, 272, 18), QStringLiteral("Motor Load"), 12, true, Qt::AlignCenter);
    Caption(motor, QRect(224, 26, 136, 16), QStringLiteral("Motor Current"), 11, false,
            Qt::AlignCenter);
    torqueCaption_ = Caption(motor, QRect(362, 26, 136, 16), QStringLiteral("Output Torque"), 11,
                             false, Qt::AlignCenter);
    auto* currentKnob = Add<KnobView>(motor, QRect(230, 44, 124, 140), form_.MotorCurrent, 50.0, 0,
                                      QStringLiteral(" %"));
    currentKnob->setToolTip(
        QStringLiteral("Motor load current in percent of rated: drag or turn the mouse wheel"));
    auto* torqueKnob = Add<KnobView>(motor, QRect(368, 44, 124, 140), form_.MotorTorque, 50.0, 0,
                                     QStringLiteral(" %"));
    torqueKnob->setToolTip(
        QStringLiteral("Load torque in percent of rated: drag or turn the mouse wheel"));
    scaled_ = {currentKnob, torqueKnob};
    auto* current = Add<TextView>(motor, QRect(230, 192, 124, 22), form_.Output_current2);
    current->setAlignment(Qt::AlignCenter);
    current->setStyleSheet(QStringLiteral("font-weight: bold"));
    current->SetDefaultTip(QStringLiteral("Output current"));
}

void MainWindow::BuildTerminalsTab(QWidget* page) {
    const QRect board(6, 6, 646, 126);
    Add<PictureView>(page, board, form_.USA_Term,
                     [](QPainter& p, const QRectF& r) { DrawTerminalBoard(p, r, false); });
    Add<PictureView>(page, board, form_.EuroTerminal,
                     [](QPainter& p, const QRectF& r) { DrawTerminalBoard(p, r, true); });
    const auto inputs = form_.Inputs();
    for (int i = 0; i < 7; ++i)
        Add<SwitchLampView>(page, QRect(18 + i * 56, 14, 44, 62), *inputs[static_cast<size_t>(i)],
                            QStringLiteral("S%1").arg(i + 1))
            ->SetDefaultTip(QStringLiteral("Digital input S%1: click to close or open").arg(i + 1));
    Add<SwitchLampView>(page, QRect(18 + 7 * 56, 14, 44, 62), form_.BASEBLOCK_EXT,
                        QStringLiteral("HWBB"))
        ->SetDefaultTip(QStringLiteral("Hardwire Baseblock"));

    Lamp* outs[] = {&form_.MA, &form_.MB, &form_.P1, &form_.P2};
    const char* names[] = {"MA", "MB", "P1", "P2"};
    const char* outTips[] = {"Relay output: contact MA-MC", "Relay output: contact MB-MC",
                             "Photocoupler output P1", "Photocoupler output P2"};
    for (int i = 0; i < 4; ++i) {
        const int x = 496 + i * 38 + (i >= 2 ? 8 : 0);
        Add<RoundLampView>(page, QRect(x + 6, 44, 18, 18), *outs[i], kLampRed, QColor(70, 20, 20))
            ->SetDefaultTip(QString::fromLatin1(outTips[i]));
        auto* c = Caption(page, QRect(x, 64, 30, 14), QString::fromLatin1(names[i]), 10, true,
                          Qt::AlignCenter);
        c->setStyleSheet(QStringLiteral("color: white"));
    }
    auto* relay = Caption(page, QRect(492, 12, 76, 30), QStringLiteral("Relay Output"), 10, false,
                          Qt::AlignCenter);
    auto* photo = Caption(page, QRect(572, 12, 80, 30), QStringLiteral("Photocoupler Output"), 10,
                          false, Qt::AlignCenter);
    for (QWidget* w : {relay, photo}) {
        w->setStyleSheet(QStringLiteral("color: white"));
        static_cast<QLabel*>(w)->setWordWrap(true);
    }
    photoCaption_ = photo;

    Caption(page, QRect(10, 140, 220, 16), QStringLiteral("Analog Inputs"), 12, true);
    Caption(page, QRect(10, 158, 110, 14), QStringLiteral("A1 (V)"), 11, false, Qt::AlignCenter);
    Caption(page, QRect(124, 158, 110, 14), QStringLiteral("A2 (V)"), 11, false, Qt::AlignCenter);
    auto* a1 = Add<KnobView>(page, QRect(10, 174, 110, 128), form_.A1POT, 1.0, 2, QString());
    a1->setToolTip(QStringLiteral("Analog input A1, 0 to 10 V: drag or turn the mouse wheel"));
    auto* a2 = Add<KnobView>(page, QRect(124, 174, 110, 128), form_.A2POT, 1.0, 2, QString());
    a2->setToolTip(QStringLiteral("Analog input A2, 0 to 10 V: drag or turn the mouse wheel"));
    scaled_.push_back(a1);
    scaled_.push_back(a2);

    Caption(page, QRect(252, 140, 190, 16), QStringLiteral("Pulse Input"), 12, true);
    Add<SliderView>(page, QRect(252, 176, 190, 30), form_.RPINPUT)
        ->setToolTip(QStringLiteral("Pulse train input RP, 0 to 100 %: drag the slider"));
    sliderLabels_ = {
        Caption(page, QRect(248, 206, 30, 14), QStringLiteral("0"), 10, false, Qt::AlignCenter),
        Caption(page, QRect(332, 206, 30, 14), QStringLiteral("50"), 10, false, Qt::AlignCenter),
        Caption(page, QRect(416, 206, 30, 14), QStringLiteral("100"), 10, false, Qt::AlignCenter)};

    // The board's selector switches: part of the picture, nothing reads them.
    struct Toggle {
        const char* left;
        const char* right;
        const char* tip;
        const char* name;
    };
    const Toggle toggles[] = {
        {"SINK", "SOURCE", "Sink or source logic of the digital inputs", "SinkSourceSwitch"},
        {"V", "I", "Analog input A2 as a voltage or a current input", "VoltageCurrentSwitch"},
        {"Off", "On", "Termination resistor of the communication port", "TerminationSwitch"},
    };
    for (int i = 0; i < 3; ++i) {
        auto* t = new ToggleSwitchView(QString::fromLatin1(toggles[i].left),
                                       QString::fromLatin1(toggles[i].right), page);
        t->setObjectName(QString::fromLatin1(toggles[i].name));
        t->setToolTip(QString::fromLatin1(toggles[i].tip));
        t->setGeometry(252, 232 + i * 26, 190, 22);
    }

    Caption(page, QRect(462, 140, 186, 16), QStringLiteral("Analog Output (V)"), 11, true);
    Add<ReadoutView>(page, QRect(462, 158, 186, 52), form_.AMOUTPUT, 5, 2, QString(), true)
        ->setToolTip(QStringLiteral("Analog monitor output AM in volts"));
    Caption(page, QRect(462, 218, 186, 16), QStringLiteral("Pulse Output (Hz)"), 11, true);
    Add<ReadoutView>(page, QRect(462, 236, 186, 52), form_.MPOUTPUT, 5, 0, QString(), true)
        ->setToolTip(QStringLiteral("Pulse monitor output MP in hertz"));

    auto* alt = Add<CheckView>(page, QRect(12, 318, 230, 24), form_.TerminalVersion,
                               QStringLiteral("Alternate Terminal Board"));
    alt->setToolTip(QStringLiteral("Show the alternate terminal board"));
    alt->onClick = [this] { Handler(&TSimForm::TerminalVersionClick); };
    auto* url = Add<LinkView>(page, QRect(252, 318, 396, 24), form_.URL, form_.platform.shell,
                              QString::fromLatin1(kHomePage));
    url->setToolTip(QStringLiteral("Click here to visit our website"));
    url->onClick = [this] { Handler(&TSimForm::btnHomePageClick); };
}

void MainWindow::BuildFaultsTab(QWidget* page) {
    struct Row {
        const char* caption;
        ComboBox& list;
        void (TSimForm::*change)();
        const char* button;
        const char* buttonName;
        const char* hint;
        const char* what;
    };
    const Row rows[] = {
        {"Faults", form_.Fault_List, &TSimForm::Fault_ListChange, "Simulate Fault", "FaultButton",
         "Click here to simulate fault", "fault"},
        {"Alarms", form_.Alarm_List, &TSimForm::Alarm_ListChange, "Simulate Alarm", "AlarmButton",
         "Hold button to simulate alarm", "alarm"},
        {"Operation Errors", form_.Opr_Alarm_List, &TSimForm::Opr_Alarm_ListChange,
         "Simulate Error", "OprAlarmButton", "Hold button to simulate the operation error",
         "operation error"},
        {"Auto-Tuning Errors", form_.Autotune_Fault, &TSimForm::Autotune_FaultChange,
         "Simulate Tuning Error", "AutotuneButton", "Click here to simulate the tuning error",
         "auto-tuning error"},
    };
    for (int i = 0; i < 4; ++i) {
        const Row& r = rows[i];
        const int y = 14 + i * 64;
        Caption(page, QRect(12, y, 300, 18), QString::fromLatin1(r.caption), 12, true);
        auto* list = Add<ComboView>(page, QRect(12, y + 20, 440, 28), r.list);
        list->SetDefaultTip(
            QStringLiteral("Choose the %1 to simulate").arg(QString::fromLatin1(r.what)));
        const auto change = r.change;
        list->onChange = [this, change] { Handler(change); };
        auto* button = new QPushButton(QString::fromLatin1(r.button), page);
        button->setObjectName(QString::fromLatin1(r.buttonName));
        button->setToolTip(QString::fromLatin1(r.hint));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(464, y + 19, 184, 30);
        if (i == 1 || i == 2) {
            const auto down =
                i == 1 ? &TSimForm::AlarmButtonMouseDown : &TSimForm::OprAlarmButtonMouseDown;
            const auto up =
                i == 1 ? &TSimForm::AlarmButtonMouseUp : &TSimForm::OprAlarmButtonMouseUp;
            connect(button, &QPushButton::pressed, this, [this, down] { Handler(down); });
            connect(button, &QPushButton::released, this, [this, up] { Handler(up); });
        } else {
            const auto click =
                i == 0 ? &TSimForm::FaultButtonClick : &TSimForm::AutotuneButtonClick;
            connect(button, &QPushButton::clicked, this, [this, click] { Handler(click); });
        }
    }
    Caption(page, QRect(12, 276, 300, 18), QStringLiteral("Operator Connector"), 12, true);
    auto* open = Add<PictureView>(page, QRect(12, 296, 90, 60), form_.RJ45_OPEN,
                                  [](QPainter& p, const QRectF& r) { DrawRj45(p, r, true); });
    open->setToolTip(QStringLiteral("Click to close"));
    open->setCursor(Qt::PointingHandCursor);
    open->onClick = [this] { Handler(&TSimForm::RJ45_OPENClick); };
    auto* closed = Add<PictureView>(page, QRect(12, 296, 90, 60), form_.RJ45_CLOSED,
                                    [](QPainter& p, const QRectF& r) { DrawRj45(p, r, false); });
    closed->setToolTip(QStringLiteral("Click to open"));
    closed->setCursor(Qt::PointingHandCursor);
    closed->onClick = [this] { Handler(&TSimForm::RJ45_CLOSEDClick); };
}

void MainWindow::BuildHelpTab(QWidget* page) {
    // The rows themselves (link, caption, text, handler) are the shell's; only
    // their pictures and tips are the window's own.
    struct Look {
        QColor band;
        const char* tag;
        const char* tip;
    };
    const Look looks[] = {
        {QColor(200, 30, 30), "PDF", "Open the Quick Start Guide (PDF)"},
        {QColor(200, 30, 30), "PDF", "Open the Cheat Sheet (PDF)"},
        {QColor(200, 30, 30), "PDF", "Open the Technical Manual (PDF)"},
        {QColor(30, 90, 200), "?", "Open the program's help"},
        {QColor(30, 150, 60), "\u2191", "Check for a newer version of this program"},
    };
    const std::vector<HelpTabRow>& rows = HelpTabRows();
    for (size_t i = 0; i < rows.size() && i < std::size(looks); ++i) {
        const HelpTabRow& r = rows[i];
        const Look& look = looks[i];
        const int y = 14 + static_cast<int>(i) * 66;
        const auto handler = r.click;
        Link& plain = form_.*r.link;
        auto* link = Add<LinkView>(page, QRect(58, y, 400, 20), plain, form_.platform.shell,
                                   QString::fromLatin1(r.caption));
        link->onClick = [this, handler] { Handler(handler); };
        link->setToolTip(QString::fromLatin1(look.tip));
        auto* icon = new IconButton(look.band, look.tag, page);
        icon->setGeometry(12, y, 34, 44);
        icon->setObjectName(QString::fromStdString(plain.name) + QStringLiteral("Icon"));
        icon->setToolTip(QString::fromLatin1(look.tip));
        connect(icon, &QAbstractButton::clicked, link, [link] { link->Click(); });
        auto* text =
            Caption(page, QRect(58, y + 20, 590, 36), QString::fromLatin1(r.description), 11);
        static_cast<QLabel*>(text)->setWordWrap(true);
        static_cast<QLabel*>(text)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    auto* pdf =
        Add<LinkView>(page, QRect(0, 0, 10, 10), form_.PDFLINK, form_.platform.shell, QString());
    pdf->hoverColor = Qt::black;
    pdf->hide();
}

}  // namespace qd::qt
