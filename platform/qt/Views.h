// Widgets that draw the main window's plain controls. Each view keeps the state
// it last drew; Sync() redraws only when its control has changed since.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/Controls.h"
#include "platform/qt/LinkLabel.h"

namespace qd::qt {

class SyncView {
public:
    virtual ~SyncView() = default;
    // True when the control changed and the view was redrawn.
    virtual bool Sync() = 0;
    int Redraws() const { return redraws_; }

protected:
    bool Changed() {
        ++redraws_;
        return true;
    }

private:
    int redraws_ = 0;
};

// Shows a control's hint as its widget's tool tip; while the control has no
// hint, the view's own short help instead.
class HintTip {
public:
    // True when the tool tip changed.
    bool Apply(QWidget& w, const std::string& hint);
    void SetDefault(QWidget& w, const std::string& hint, QString tip);

private:
    QString default_;
    std::string hint_;
    bool first_ = true;
};

class DigitView : public QWidget, public SyncView {
public:
    DigitView(SevenSegmentChar& c, QWidget* parent);
    bool Sync() override;
    uint8_t ShownSegments() const { return dark_ ? 0 : segments_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    SevenSegmentChar& c_;
    uint8_t segments_ = 0;
    bool dark_ = false;
};

// Round lamp: decimal points, RUN and LO/RE lamps, terminal outputs.
class RoundLampView : public QWidget, public SyncView {
public:
    RoundLampView(Lamp& lamp, QColor lit, QColor unlit, QWidget* parent);
    bool Sync() override;
    bool ShownLit() const { return lit_; }
    void SetDefaultTip(QString tip) { tip_.SetDefault(*this, lamp_.hint, std::move(tip)); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Lamp& lamp_;
    QColor litColour_, unlitColour_;
    bool lit_ = false;
    HintTip tip_;
};

class RectLampView : public QWidget, public SyncView {
public:
    RectLampView(Lamp& lamp, QString caption, QColor lit, QWidget* parent);
    bool Sync() override;
    bool ShownLit() const { return lit_; }
    void SetDefaultTip(QString tip) { tip_.SetDefault(*this, lamp_.hint, std::move(tip)); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Lamp& lamp_;
    QString caption_;
    QColor litColour_;
    bool lit_ = false;
    HintTip tip_;
};

enum class KeyGlyph { Text, Up, Down };

class KeyView : public QAbstractButton {
public:
    KeyView(QString caption, KeyGlyph glyph, QWidget* parent);
    // A key pressed from the keyboard: the pressed look for a moment, then the click.
    void PressFromKeyboard();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    KeyGlyph glyph_;
};

class TextView : public QLabel, public SyncView {
public:
    TextView(Label& label, QWidget* parent);
    bool Sync() override;
    std::function<void()> onClick;
    void SetDefaultTip(QString tip) { tip_.SetDefault(*this, label_.hint, std::move(tip)); }
    // The look of the text; the label's own colour, when it has one, overrides it.
    void SetBaseStyle(QString style);

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void ApplyStyle();
    Label& label_;
    QString baseStyle_;
    std::string color_;
    std::string text_;
    bool visible_ = true;
    bool first_ = true;
    HintTip tip_;
};

class RockerView : public QAbstractButton, public SyncView {
public:
    RockerView(Switch& s, QWidget* parent);
    bool Sync() override;
    void SetDefaultTip(QString tip) { tip_.SetDefault(*this, s_.hint, std::move(tip)); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Switch& s_;
    bool on_ = false;
    HintTip tip_;
};

class SwitchLampView : public QAbstractButton, public SyncView {
public:
    SwitchLampView(Switch& s, QString caption, QWidget* parent);
    bool Sync() override;
    void SetDefaultTip(QString tip) { tip_.SetDefault(*this, s_.hint, std::move(tip)); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Switch& s_;
    bool on_ = false;
    HintTip tip_;
};

// A decorative two-way toggle switch with a caption at each end; it flips when
// clicked and nothing reads it.
class ToggleSwitchView : public QAbstractButton {
public:
    ToggleSwitchView(QString left, QString right, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString left_, right_;
};

class KnobView : public QWidget, public SyncView {
public:
    KnobView(Knob& k, double majorStep, int decimals, QString unit, QWidget* parent);
    bool Sync() override;
    // Sets the position from a point in widget coordinates (also used by tests).
    void SetFromPoint(const QPointF& pt);
    // Pixel size of the scale labels and the position display.
    void SetLabelPixelSize(int px);
    int LabelPixelSize() const { return labelPx_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void Write(double v);
    QPointF Centre() const;
    double Radius() const;
    Knob& k_;
    double majorStep_;
    int decimals_;
    QString unit_;
    double shown_ = -1;
    int labelPx_ = 10;
};

class SliderView : public QSlider, public SyncView {
public:
    SliderView(Knob& k, QWidget* parent);
    bool Sync() override;

private:
    Knob& k_;
    int shown_ = -1;
};

// Numeric readouts. With `segments` the value is drawn in seven segments, dark
// while unpowered; otherwise as plain digits with a unit.
class ReadoutView : public QWidget, public SyncView {
public:
    ReadoutView(Readout& r, int digits, int decimals, QString unit, bool segments, QWidget* parent);
    bool Sync() override;
    QString ShownText() const;
    // Pixel size of the plain-digit text; 0 sizes it to the readout's height.
    void SetTextPixelSize(int px);
    int TextPixelSize() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Readout& r_;
    int digits_, decimals_;
    QString unit_;
    bool segments_;
    double value_ = 0;
    bool powered_ = true;
    bool first_ = true;
    int textPx_ = 0;
};

class MotorView : public QWidget, public SyncView {
public:
    MotorView(MotorPicture& m, QWidget* parent);
    bool Sync() override;
    bool FanTurning() const { return spin_.isActive(); }
    int FanInterval() const { return spin_.interval(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    MotorPicture& m_;
    QTimer spin_;
    double angle_ = 0;
    bool running_ = false;
    int interval_ = 0;
};

class PictureView : public QWidget, public SyncView {
public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;
    PictureView(Picture& pic, Painter paint, QWidget* parent);
    bool Sync() override;
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Picture& pic_;
    Painter paint_;
    bool visible_ = true;
    bool first_ = true;
};

class ComboView : public QComboBox, public SyncView {
public:
    ComboView(ComboBox& c, QWidget* parent);
    bool Sync() override;
    std::function<void()> onChange;
    void SetDefaultTip(QString tip) { tip_.SetDefault(*this, c_.hint, std::move(tip)); }

private:
    ComboBox& c_;
    std::vector<std::string> items_;
    int index_ = -2;
    bool syncing_ = false;
    HintTip tip_;
};

class CheckView : public QCheckBox, public SyncView {
public:
    CheckView(CheckBox& c, const QString& caption, QWidget* parent);
    bool Sync() override;
    std::function<void()> onClick;

private:
    CheckBox& c_;
    bool shown_ = false;
};

// A link label kept in step with its plain object by the window's refresh.
class LinkView : public LinkLabel, public SyncView {
public:
    LinkView(Link& l, DesktopShell& shell, const QString& caption, QWidget* parent)
        : LinkLabel(l, shell, parent) {
        if (l.caption.empty()) setText(caption);
    }
    bool Sync() override { return LinkLabel::Sync() && Changed(); }
};

}  // namespace qd::qt
