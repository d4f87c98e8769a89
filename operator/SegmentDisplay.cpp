#include "operator/SegmentDisplay.h"

namespace qd {

uint8_t BuiltInFontCode(char c) {
    switch (c) {
        case '0':
            return 63;
        case '1':
            return 6;
        case '2':
            return 91;
        case '3':
            return 79;
        case '4':
            return 102;
        case '5':
            return 109;
        case '6':
            return 125;
        case '7':
            return 7;
        case '8':
            return 127;
        case '9':
            return 103;
        case 'A':
        case 'a':
            return 119;
        case 'B':
        case 'b':
            return 124;
        case 'C':
        case 'c':
            return 57;
        case 'D':
        case 'd':
            return 94;
        case 'E':
        case 'e':
            return 121;
        case 'F':
        case 'f':
            return 113;
        default:
            return 0;
    }
}

uint8_t LetterTableCode(char c) {
    static constexpr uint8_t upper[] = {61,  118, 6,   31,  117, 56, 43,  84, 92,  115,
                                        103, 49,  109, 120, 62,  28, 106, 73, 110, 91};
    static constexpr uint8_t lower[] = {111, 116, 5,   14,  112, 24, 85, 84,  92,  115,
                                        107, 80,  100, 112, 28,  28, 29, 118, 102, 82};
    if (c == '-') return 64;
    if (c >= 'G' && c <= 'Z') return upper[c - 'G'];
    if (c >= 'g' && c <= 'z') return lower[c - 'g'];
    return 0;
}

namespace {
bool UsesLetterTable(char c) {
    return c == '-' || (c >= 'G' && c <= 'Z') || (c >= 'g' && c <= 'z');
}
}  // namespace

uint8_t CharacterCode(char c) {
    return UsesLetterTable(c) ? LetterTableCode(c) : BuiltInFontCode(c);
}

BlinkFlags BlinkFromMask(int mask) {
    BlinkFlags flags{};
    for (int i = 0; i < 5; ++i) flags[i] = (mask & (16 >> i)) != 0;
    return flags;
}

FilledText FillDisplayText(const std::string& text, int zeroDigits) {
    const bool hasPoint = text.find('.') != std::string::npos;
    const size_t width = hasPoint ? 6 : 5;
    std::string filled = text;
    while (filled.size() < width) {
        const int digits = static_cast<int>(filled.size()) - (hasPoint ? 1 : 0);
        filled.insert(filled.begin(), digits < zeroDigits ? '0' : ' ');
    }
    FilledText out;
    const size_t p = filled.find('.');
    if (p != std::string::npos && p >= 1 && p <= 5) out.point = static_cast<int>(p);
    for (char ch : filled)
        if (ch != '.') out.characters += ch;
    out.characters.resize(5, ' ');
    return out;
}

void SetDigitSegments(FormControls& form, int i, int code) {
    SevenSegmentChar& d = *form.Digits()[i - 1];
    d.segments = static_cast<uint8_t>(code & 0xFF);
    d.character = 0;
}

void SetDigitCharacter(FormControls& form, int i, char character) {
    SevenSegmentChar& d = *form.Digits()[i - 1];
    d.segments = BuiltInFontCode(character);
    d.character = character;
}

namespace {
// Point lamps are written on a change only, so an unchanged display repaints nothing.
void SetPoint(Lamp& lamp, bool lit) {
    if (lamp.lit != lit) lamp.lit = lit;
}
}  // namespace

void ShowText(FormControls& form, SegmentDisplay& display, const std::string& text,
              const SegmentOverrides& segments, const BlinkFlags& blinkFlags, int zeroDigits) {
    const FilledText filled = FillDisplayText(text, zeroDigits);
    const auto points = form.Points();
    for (int i = 0; i < 5; ++i) SetPoint(*points[i], filled.point == i + 1);
    for (int i = 0; i < 5; ++i) {
        const char ch = filled.characters[i];
        if (segments[i] >= 0)
            SetDigitSegments(form, i + 1, segments[i]);
        else if (UsesLetterTable(ch))
            SetDigitSegments(form, i + 1, LetterTableCode(ch));
        else
            SetDigitCharacter(form, i + 1, ch);
    }
    display.blink = blinkFlags;
}

void ShowSegments(FormControls& form, SegmentDisplay& display, const std::array<int, 5>& codes,
                  const std::array<bool, 5>& pointsLit) {
    const auto points = form.Points();
    for (int i = 0; i < 5; ++i) {
        SetDigitSegments(form, i + 1, codes[i]);
        SetPoint(*points[i], pointsLit[i]);
    }
    display.blink = kNoBlink;
}

void SetAllDark(FormControls& form, bool dark) {
    for (SevenSegmentChar* d : form.Digits()) d->dark = dark;
}

void BlinkStep(FormControls& form, const SegmentDisplay& display) {
    const auto digits = form.Digits();
    for (int i = 0; i < 5; ++i) digits[i]->dark = display.blink[i] ? !digits[i]->dark : false;
}

}  // namespace qd
