// The main window's controls as plain objects: exactly the state the simulator
// reads and drives. The desktop build draws them and writes user input back;
// the headless build drives them from a script. No control holds behaviour
// beyond keeping its own state consistent.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qd {

// One digit of the seven-segment display: a raw segment code (bit 0 = a ...
// bit 6 = g) and a dark flag that blanks it whatever it holds. `character` keeps
// the character it was last given through the font, 0 after raw segments.
struct SevenSegmentChar {
    std::string name;
    uint8_t segments = 0;
    char character = ' ';
    bool dark = false;
};

struct Lamp {
    std::string name;
    bool lit = false;
    std::string hint;
};

// Switch lamps, rocker switch and check boxes: an on flag the user toggles.
struct Switch {
    std::string name;
    bool on = false;
    std::string hint;
};

// Knobs, gauges and the slider: a position within a fixed range.
struct Knob {
    std::string name;
    double minimum = 0;
    double maximum = 10;
    double position = 0;
};

// Numeric readouts (AM, MP, RPM): a value and a powered flag.
struct Readout {
    std::string name;
    double value = 0;
    bool powered = true;
};

struct Label {
    std::string name;
    std::string text;
    bool visible = true;
    std::string hint;
    std::string color;  // text colour by name ("red"); empty for the view's own
};

struct ComboBox {
    std::string name;
    std::vector<std::string> items;
    int itemIndex = -1;
    std::string hint;
};

struct Picture {
    std::string name;
    bool visible = true;
};

struct CheckBox {
    std::string name;
    bool checked = false;
};

struct MotorPicture {
    std::string name;
    bool running = false;  // the fan turns
    int interval = 50;     // ms between two steps of the fan's animation
};

// A link label: caption and the address it opens.
struct Link {
    std::string name;
    std::string caption;
    std::string target;
};

// Anything that can tell the time of the simulator's clock, in milliseconds.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual int64_t Now() const = 0;
};

// A periodic timer. Enabling a disabled timer starts its countdown from now;
// enabling an enabled one changes nothing; a new interval restarts it.
class Timer {
public:
    Timer(std::string timerName, int intervalMs, bool enabledAtCreation)
        : name(std::move(timerName)), interval_(intervalMs), enabled_(enabledAtCreation) {}

    const std::string name;

    void Attach(const TimeSource* clock) {
        clock_ = clock;
        if (enabled_) dueAt_ = Time() + interval_;
    }
    void SetEnabled(bool on) {
        if (on == enabled_) return;
        enabled_ = on;
        if (on) dueAt_ = Time() + interval_;
    }
    bool Enabled() const { return enabled_; }
    int Interval() const { return interval_; }
    void SetInterval(int ms) {
        if (ms == interval_) return;
        interval_ = ms;
        if (enabled_) dueAt_ = Time() + interval_;
    }
    int64_t DueAt() const { return dueAt_; }
    // The clock calls this when it fires the timer.
    void Rearm() { dueAt_ += interval_; }
    void RearmFrom(int64_t t) { dueAt_ = t + interval_; }

    std::function<void()> onTimer;
    bool firing = false;

private:
    int64_t Time() const { return clock_ ? clock_->Now() : 0; }

    int interval_;
    bool enabled_;
    int64_t dueAt_ = 0;
    const TimeSource* clock_ = nullptr;
};

}  // namespace qd
