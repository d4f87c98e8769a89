#include "platform/qt/Views.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QWheelEvent>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "platform/qt/Artwork.h"

namespace qd::qt {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

void DrawRoundLamp(QPainter& p, const QRectF& r, const QColor& c, bool lit) {
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center() - QPointF(r.width() * 0.15, r.height() * 0.15), r.width() * 0.6);
    g.setColorAt(0, lit ? c.lighter(160) : c.lighter(130));
    g.setColorAt(1, c);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(g);
    p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
}
}  // namespace

bool HintTip::Apply(QWidget& w, const std::string& hint) {
    if (!first_ && hint == hint_) return false;
    first_ = false;
    hint_ = hint;
    w.setToolTip(hint_.empty() ? default_ : Q(hint_));
    return true;
}

void HintTip::SetDefault(QWidget& w, const std::string& hint, QString tip) {
    default_ = std::move(tip);
    first_ = true;
    Apply(w, hint);
}

// ------------------------------------------------------------------ digits

DigitView::DigitView(SevenSegmentChar& c, QWidget* parent) : QWidget(parent), c_(c) {
    setObjectName(Q(c.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    segments_ = c.segments;
    dark_ = c.dark;
}

bool DigitView::Sync() {
    if (c_.segments == segments_ && c_.dark == dark_) return false;
    segments_ = c_.segments;
    dark_ = c_.dark;
    update();
    return Changed();
}

void DigitView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawSegments(p, QRectF(rect()).adjusted(2, 2, -2, -2), ShownSegments(), kSegmentLit,
                 kSegmentUnlit);
}

// ------------------------------------------------------------------- lamps

RoundLampView::RoundLampView(Lamp& lamp, QColor lit, QColor unlit, QWidget* parent)
    : QWidget(parent), lamp_(lamp), litColour_(lit), unlitColour_(unlit), lit_(lamp.lit) {
    setObjectName(Q(lamp.name));
    tip_.Apply(*this, lamp.hint);
}

bool RoundLampView::Sync() {
    const bool hint = tip_.Apply(*this, lamp_.hint);
    if (lamp_.lit == lit_) return hint && Changed();
    lit_ = lamp_.lit;
    update();
    return Changed();
}

void RoundLampView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double d = std::min(width(), height());
    DrawRoundLamp(p, QRectF((width() - d) / 2, (height() - d) / 2, d, d),
                  lit_ ? litColour_ : unlitColour_, lit_);
}

RectLampView::RectLampView(Lamp& lamp, QString caption, QColor lit, QWidget* parent)
    : QWidget(parent), lamp_(lamp), caption_(std::move(caption)), litColour_(lit), lit_(lamp.lit) {
    setObjectName(Q(lamp.name));
    tip_.Apply(*this, lamp.hint);
}

bool RectLampView::Sync() {
    const bool hint = tip_.Apply(*this, lamp_.hint);
    if (lamp_.lit == lit_) return hint && Changed();
    lit_ = lamp_.lit;
    update();
    return Changed();
}

void RectLampView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(lit_ ? litColour_ : QColor(Qt::white));
    p.drawRoundedRect(r, 3, 3);
    QFont f = font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(lit_ ? QColor(Qt::white) : QColor(40, 40, 40));
    p.drawText(r, Qt::AlignCenter, caption_);
}

// -------------------------------------------------------------------- keys

KeyView::KeyView(QString caption, KeyGlyph glyph, QWidget* parent)
    : QAbstractButton(parent), glyph_(glyph) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void KeyView::PressFromKeyboard() {
    setDown(true);
    QTimer::singleShot(90, this, [this] { setDown(false); });
    emit clicked();
}

void KeyView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown();
    QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -3.5);
    // Shadow, then the key cap; pressed, the cap sinks onto its shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r.translated(0, 2), 7, 7);
    if (down) r.translate(0, 2);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, down ? QColor(150, 154, 162) : QColor(214, 218, 224));
    g.setColorAt(1, down ? QColor(110, 114, 122) : QColor(160, 164, 172));
    p.setPen(QPen(QColor(50, 52, 58), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QColor(24, 26, 30));
    p.setBrush(QColor(24, 26, 30));
    const QPointF c = r.center();
    if (glyph_ == KeyGlyph::Text) {
        QFont f = font();
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, text());
    } else {
        const double s = r.height() * 0.22;
        const double dir = glyph_ == KeyGlyph::Up ? -1 : 1;
        p.drawPolygon(
            QPolygonF({QPointF(c.x(), c.y() + dir * s), QPointF(c.x() - s * 1.3, c.y() - dir * s),
                       QPointF(c.x() + s * 1.3, c.y() - dir * s)}));
    }
}

// ------------------------------------------------------------------ labels

TextView::TextView(Label& label, QWidget* parent) : QLabel(parent), label_(label) {
    setObjectName(Q(label.name));
    Sync();
}

void TextView::SetBaseStyle(QString style) {
    baseStyle_ = std::move(style);
    ApplyStyle();
}

void TextView::ApplyStyle() {
    color_ = label_.color;
    QString style = baseStyle_;
    if (!color_.empty()) style += QStringLiteral("; color: ") + Q(color_);
    setStyleSheet(style);
}

bool TextView::Sync() {
    const bool hint = tip_.Apply(*this, label_.hint);
    const bool recolour = label_.color != color_;
    if (recolour) ApplyStyle();
    if (!first_ && label_.text == text_ && label_.visible == visible_)
        return (hint || recolour) && Changed();
    first_ = false;
    if (label_.text != text_ || text().isEmpty()) {
        text_ = label_.text;
        setText(Q(text_));
    }
    if (label_.visible != visible_ || isHidden() == label_.visible) {
        visible_ = label_.visible;
        setVisible(visible_);
    }
    return Changed();
}

void TextView::mouseReleaseEvent(QMouseEvent* e) {
    if (onClick && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        onClick();
    QLabel::mouseReleaseEvent(e);
}

// ---------------------------------------------------------------- switches

RockerView::RockerView(Switch& s, QWidget* parent) : QAbstractButton(parent), s_(s), on_(s.on) {
    setObjectName(Q(s.name));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    tip_.Apply(*this, s.hint);
    connect(this, &QAbstractButton::clicked, this, [this] {
        s_.on = !s_.on;
        Sync();
    });
}

bool RockerView::Sync() {
    const bool hint = tip_.Apply(*this, s_.hint);
    if (s_.on == on_) return hint && Changed();
    on_ = s_.on;
    update();
    return Changed();
}

void RockerView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(50, 52, 56));
    p.drawRoundedRect(frame, 8, 8);
    const QRectF rocker = frame.adjusted(8, 8, -8, -8);
    const QColor face = on_ ? QColor(210, 40, 36) : QColor(150, 28, 26);
    const double half = rocker.height() / 2;
    // The pressed half of the rocker is the darker one.
    QRectF top(rocker.left(), rocker.top(), rocker.width(), half);
    QRectF bottom(rocker.left(), rocker.top() + half, rocker.width(), half);
    p.setPen(QPen(QColor(60, 10, 10), 1));
    // The half pressed in is the bright one: "I" when on, "O" when off.
    p.setBrush(on_ ? face.lighter(125) : face.darker(140));
    p.drawRoundedRect(top, 5, 5);
    p.setBrush(on_ ? face.darker(140) : face.lighter(125));
    p.drawRoundedRect(bottom, 5, 5);
    p.setPen(QPen(Qt::white, 2.5));
    p.drawLine(QPointF(top.center().x(), top.top() + half * 0.28),
               QPointF(top.center().x(), top.bottom() - half * 0.28));
    p.setBrush(Qt::NoBrush);
    const double rr = half * 0.22;
    p.drawEllipse(bottom.center(), rr, rr);
}

SwitchLampView::SwitchLampView(Switch& s, QString caption, QWidget* parent)
    : QAbstractButton(parent), s_(s), on_(s.on) {
    setObjectName(Q(s.name));
    setText(caption);
    tip_.Apply(*this, s.hint);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, [this] {
        s_.on = !s_.on;
        Sync();
    });
}

bool SwitchLampView::Sync() {
    const bool hint = tip_.Apply(*this, s_.hint);
    if (s_.on == on_) return hint && Changed();
    on_ = s_.on;
    update();
    return Changed();
}

void SwitchLampView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cap(1.5, 1.5, width() - 3, width() - 3);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0, isDown() ? QColor(140, 144, 150) : QColor(220, 222, 226));
    g.setColorAt(1, isDown() ? QColor(100, 104, 110) : QColor(150, 154, 160));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(g);
    p.drawRoundedRect(cap, 5, 5);
    const double d = cap.width() * 0.42;
    DrawRoundLamp(p, QRectF(cap.center().x() - d / 2, cap.center().y() - d / 2, d, d),
                  on_ ? QColor(40, 220, 60) : QColor(30, 70, 34), on_);
    QFont f = font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, cap.bottom() + 1, width(), height() - cap.bottom() - 1),
               Qt::AlignHCenter | Qt::AlignTop, text());
}

ToggleSwitchView::ToggleSwitchView(QString left, QString right, QWidget* parent)
    : QAbstractButton(parent), left_(std::move(left)), right_(std::move(right)) {
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void ToggleSwitchView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    // The captions take what the slot leaves; the one the lever points to is dark.
    const double slotW = std::min(40.0, width() * 0.34);
    const double slotH = std::min(16.0, height() - 4.0);
    const QRectF slot((width() - slotW) / 2, (height() - slotH) / 2, slotW, slotH);
    const QRectF leftText(0, 0, slot.left() - 4, height());
    const QRectF rightText(slot.right() + 4, 0, width() - slot.right() - 4, height());
    const bool right = isChecked();
    p.setPen(right ? QColor(130, 130, 130) : QColor(20, 20, 20));
    p.drawText(leftText, Qt::AlignRight | Qt::AlignVCenter, left_);
    p.setPen(right ? QColor(20, 20, 20) : QColor(130, 130, 130));
    p.drawText(rightText, Qt::AlignLeft | Qt::AlignVCenter, right_);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(60, 62, 68));
    p.drawRoundedRect(slot, slotH / 2, slotH / 2);
    const double d = slotH - 4;
    const QRectF lever(right ? slot.right() - 2 - d : slot.left() + 2, slot.top() + 2, d, d);
    QLinearGradient g(lever.topLeft(), lever.bottomLeft());
    g.setColorAt(0, QColor(246, 246, 246));
    g.setColorAt(1, QColor(176, 178, 184));
    p.setBrush(g);
    p.drawRoundedRect(lever, 2, 2);
}

// ------------------------------------------------------------------- knobs

namespace {
constexpr double kStartAngle = 225;  // degrees, at the minimum
constexpr double kSweep = 270;
}  // namespace

KnobView::KnobView(Knob& k, double majorStep, int decimals, QString unit, QWidget* parent)
    : QWidget(parent), k_(k), majorStep_(majorStep), decimals_(decimals), unit_(std::move(unit)) {
    setObjectName(Q(k.name));
    setCursor(Qt::PointingHandCursor);
    shown_ = k.position;
}

void KnobView::SetLabelPixelSize(int px) {
    if (px == labelPx_ || px <= 0) return;
    labelPx_ = px;
    update();
}

bool KnobView::Sync() {
    if (k_.position == shown_) return false;
    shown_ = k_.position;
    update();
    return Changed();
}

QPointF KnobView::Centre() const {
    return QPointF(width() / 2.0, (height() - 16) / 2.0 + 2);
}
double KnobView::Radius() const {
    return std::min(width(), height() - 16) / 2.0 - 2;
}

void KnobView::Write(double v) {
    v = std::clamp(v, k_.minimum, k_.maximum);
    const double unit = std::pow(10.0, decimals_);
    k_.position = std::round(v * unit) / unit;
    Sync();
}

void KnobView::SetFromPoint(const QPointF& pt) {
    const QPointF d = pt - Centre();
    double a = qRadiansToDegrees(std::atan2(-d.y(), d.x()));  // 0 = right, ccw
    double along = kStartAngle - a;                           // clockwise from the minimum
    while (along < -45) along += 360;
    while (along > 315) along -= 360;
    along = std::clamp(along, 0.0, kSweep);
    Write(k_.minimum + (k_.maximum - k_.minimum) * along / kSweep);
}

void KnobView::mousePressEvent(QMouseEvent* e) {
    SetFromPoint(e->position());
}
void KnobView::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton) SetFromPoint(e->position());
}
void KnobView::wheelEvent(QWheelEvent* e) {
    const double step = (k_.maximum - k_.minimum) / 100.0;
    Write(k_.position + (e->angleDelta().y() > 0 ? step : -step));
}

void KnobView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = Centre();
    const double R = Radius();
    const double range = k_.maximum - k_.minimum;
    // Scale: ticks and labels around the knob.
    QFont f = font();
    f.setPixelSize(labelPx_);
    p.setFont(f);
    const int minor = 5;
    const int majors = static_cast<int>(std::round(range / majorStep_));
    for (int i = 0; i <= majors * minor; ++i) {
        const double a = qDegreesToRadians(kStartAngle - kSweep * i / (majors * minor));
        const bool major = i % minor == 0;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.setPen(QPen(QColor(20, 20, 20), major ? 1.6 : 0.8));
        p.drawLine(c + dir * (R * 0.62), c + dir * (R * (major ? 0.76 : 0.7)));
        if (major) {
            const double v = k_.minimum + majorStep_ * (i / minor);
            const QPointF t = c + dir * (R * 0.9);
            p.drawText(QRectF(t.x() - 14, t.y() - 7, 28, 14), Qt::AlignCenter,
                       QString::number(v, 'f', 0));
        }
    }
    // Knob body with its pointer.
    const double kr = R * 0.5;
    QRadialGradient g(c - QPointF(kr * 0.3, kr * 0.3), kr * 1.4);
    g.setColorAt(0, QColor(110, 114, 122));
    g.setColorAt(1, QColor(30, 32, 36));
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.setBrush(g);
    p.drawEllipse(c, kr, kr);
    const double frac = range > 0 ? (shown_ - k_.minimum) / range : 0;
    const double a = qDegreesToRadians(kStartAngle - kSweep * frac);
    const QPointF dir(std::cos(a), -std::sin(a));
    p.setPen(QPen(QColor(255, 200, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + dir * (kr * 0.25), c + dir * (kr * 0.9));
    // Position display.
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(0, height() - 16, width(), 16), Qt::AlignCenter,
               QString::number(shown_, 'f', decimals_) + unit_);
}

SliderView::SliderView(Knob& k, QWidget* parent) : QSlider(Qt::Horizontal, parent), k_(k) {
    setObjectName(Q(k.name));
    setRange(static_cast<int>(k.minimum), static_cast<int>(k.maximum));
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(10);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QSlider::valueChanged, this, [this](int v) {
        if (v == shown_) return;
        k_.position = v;
        Sync();
    });
    Sync();
}

bool SliderView::Sync() {
    const int v = static_cast<int>(std::lround(k_.position));
    if (v == shown_) return false;
    shown_ = v;
    setValue(v);
    return Changed();
}

// ---------------------------------------------------------------- readouts

ReadoutView::ReadoutView(Readout& r, int digits, int decimals, QString unit, bool segments,
                         QWidget* parent)
    : QWidget(parent),
      r_(r),
      digits_(digits),
      decimals_(decimals),
      unit_(std::move(unit)),
      segments_(segments) {
    setObjectName(Q(r.name));
    Sync();
}

bool ReadoutView::Sync() {
    if (!first_ && r_.value == value_ && r_.powered == powered_) return false;
    first_ = false;
    value_ = r_.value;
    powered_ = r_.powered;
    update();
    return Changed();
}

void ReadoutView::SetTextPixelSize(int px) {
    if (px == textPx_) return;
    textPx_ = px;
    update();
}

int ReadoutView::TextPixelSize() const {
    return textPx_ > 0 ? textPx_ : static_cast<int>(height() * 0.5);
}

QString ReadoutView::ShownText() const {
    if (!powered_) return QString();
    return QString::number(value_, 'f', decimals_) + unit_;
}

void ReadoutView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(12, 12, 14));
    p.drawRoundedRect(r, 4, 4);
    if (!segments_) {
        QFont f = font();
        f.setPixelSize(TextPixelSize());
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(80, 240, 110));
        p.drawText(r.adjusted(6, 0, -8, 0), Qt::AlignRight | Qt::AlignVCenter, ShownText());
        return;
    }
    // Right-aligned digits; the decimal point sits after its digit.
    QString text = QString::number(std::fabs(value_), 'f', decimals_);
    const bool negative = value_ < 0 && powered_;
    QString digitsOnly = text;
    digitsOnly.remove(QLatin1Char('.'));
    if (negative) digitsOnly.prepend(QLatin1Char('-'));
    const int pointAfter = decimals_ > 0 ? digitsOnly.size() - decimals_ - 1 : -1;
    const double cellW = (r.width() - 8) / digits_;
    const double cellH = r.height() - 10;
    for (int i = 0; i < digits_; ++i) {
        const int idx = digitsOnly.size() - digits_ + i;
        const char ch = idx >= 0 ? digitsOnly.at(idx).toLatin1() : ' ';
        const QRectF cell(r.left() + 4 + i * cellW, r.top() + 5, cellW, cellH);
        const uint8_t code = powered_ ? SegmentCodeOf(ch) : 0;
        DrawSegments(p, cell.adjusted(2, 0, -cellW * 0.18, 0), code, kSegmentLit, kSegmentUnlit);
        p.setPen(Qt::NoPen);
        p.setBrush(powered_ && idx >= 0 && idx == pointAfter ? kSegmentLit : kSegmentUnlit);
        const double d = cellW * 0.12;
        p.drawEllipse(QRectF(cell.right() - cellW * 0.16, cell.bottom() - d, d, d));
    }
}

// ------------------------------------------------------------------- motor

MotorView::MotorView(MotorPicture& m, QWidget* parent) : QWidget(parent), m_(m) {
    setObjectName(Q(m.name));
    // The view paints its whole rectangle, so a turn of the fan repaints only
    // the fan and nothing behind the view.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&spin_, &QTimer::timeout, this, [this] {
        angle_ = std::fmod(angle_ + 23, 360);
        update(MotorFanRect(rect()).toAlignedRect().adjusted(-1, -1, 1, 1));
    });
    running_ = !m.running;
    Sync();
}

bool MotorView::Sync() {
    if (m_.running == running_ && m_.interval == interval_) return false;
    if (m_.interval != interval_) {
        interval_ = m_.interval;
        spin_.setInterval(std::max(1, interval_));
    }
    if (m_.running == running_) return Changed();
    running_ = m_.running;
    if (running_)
        spin_.start();
    else
        spin_.stop();
    update();
    return Changed();
}

void MotorView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    DrawMotor(p, rect(), angle_, running_);
}

// ---------------------------------------------------------------- pictures

PictureView::PictureView(Picture& pic, Painter paint, QWidget* parent)
    : QWidget(parent), pic_(pic), paint_(std::move(paint)) {
    setObjectName(Q(pic.name));
}

bool PictureView::Sync() {
    if (!first_ && pic_.visible == visible_) return false;
    first_ = false;
    visible_ = pic_.visible;
    setVisible(visible_);
    return Changed();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (paint_) paint_(p, rect());
}

void PictureView::mouseReleaseEvent(QMouseEvent* e) {
    if (onClick && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        onClick();
}

// ------------------------------------------------------- lists and buttons

ComboView::ComboView(ComboBox& c, QWidget* parent) : QComboBox(parent), c_(c) {
    setObjectName(Q(c.name));
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (syncing_) return;
        c_.itemIndex = i;
        index_ = i;
        if (onChange) onChange();
        Sync();
    });
    Sync();
}

bool ComboView::Sync() {
    const bool hint = tip_.Apply(*this, c_.hint);
    if (c_.items == items_ && c_.itemIndex == index_) return hint && Changed();
    syncing_ = true;
    if (c_.items != items_) {
        items_ = c_.items;
        clear();
        for (const std::string& s : items_) addItem(Q(s));
    }
    if (c_.itemIndex != currentIndex()) setCurrentIndex(c_.itemIndex);
    index_ = c_.itemIndex;
    syncing_ = false;
    return Changed();
}

CheckView::CheckView(CheckBox& c, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent), c_(c) {
    setObjectName(Q(c.name));
    setFocusPolicy(Qt::NoFocus);
    shown_ = c.checked;
    setChecked(shown_);
    connect(this, &QAbstractButton::clicked, this, [this](bool on) {
        c_.checked = on;
        shown_ = on;
        if (onClick) onClick();
        Sync();
    });
}

bool CheckView::Sync() {
    if (c_.checked == shown_) return false;
    shown_ = c_.checked;
    setChecked(shown_);
    return Changed();
}

}  // namespace qd::qt
