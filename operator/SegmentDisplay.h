// The model of the five-digit seven-segment display: the writer every text goes
// through, the per-digit blink flags and the counters of the whole-display blink
// sequences. The digits and point lamps themselves are the window's DIS1..DIS5
// and DSP1..DSP5; only this model writes them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/FormControls.h"

namespace qd {

struct SegmentDisplay {
    std::array<bool, 5> blink{};
    int endCount = 0;
    int aboveMaximumCount = 0;
    int belowMinimumCount = 0;
    bool blinkPhase = true;
    int runLampStep = 0;
};

// Per-digit raw segment codes; a negative entry keeps the digit's character.
using SegmentOverrides = std::array<int, 5>;
using BlinkFlags = std::array<bool, 5>;

inline constexpr SegmentOverrides kNoOverrides{-1, -1, -1, -1, -1};
inline constexpr BlinkFlags kNoBlink{};
inline constexpr BlinkFlags kAllBlink{true, true, true, true, true};

// Segment code of a character: the display's own font, or this program's letter
// table for the hyphen and G..Z, g..z. Unknown characters are blank.
uint8_t BuiltInFontCode(char c);
uint8_t LetterTableCode(char c);
uint8_t CharacterCode(char c);

// Bit 4 of a digit mask is DIS1, bit 0 is DIS5.
BlinkFlags BlinkFromMask(int mask);

// A text filled as the display fills it: five characters for DIS1..DIS5 and the
// 1-based digit whose point is lit (0 for none).
struct FilledText {
    std::string characters;
    int point = 0;
};
FilledText FillDisplayText(const std::string& text, int zeroDigits);

void ShowText(FormControls& form, SegmentDisplay& display, const std::string& text,
              const SegmentOverrides& segments, const BlinkFlags& blinkFlags, int zeroDigits);
inline void ShowText(FormControls& form, SegmentDisplay& display, const std::string& text) {
    ShowText(form, display, text, kNoOverrides, kNoBlink, 0);
}

// i is 1..5.
void SetDigitSegments(FormControls& form, int i, int code);
void SetDigitCharacter(FormControls& form, int i, char character);
void ShowSegments(FormControls& form, SegmentDisplay& display, const std::array<int, 5>& codes,
                  const std::array<bool, 5>& pointsLit);
void SetAllDark(FormControls& form, bool dark);
void BlinkStep(FormControls& form, const SegmentDisplay& display);

}  // namespace qd
