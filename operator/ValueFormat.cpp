#include "operator/ValueFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qd {

std::string FixedText(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.size() > 1 && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

namespace {
std::string HexDigits(long value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const unsigned long bits = static_cast<unsigned long>(value);
    std::string text(static_cast<size_t>(digits), '0');
    for (int i = 0; i < digits; ++i) text[digits - 1 - i] = kHex[(bits >> (4 * i)) & 0xF];
    return text;
}

int IntegerDigits(float magnitude) {
    if (magnitude >= 10000) return 5;
    if (magnitude >= 1000) return 4;
    if (magnitude >= 100) return 3;
    if (magnitude >= 10) return 2;
    if (magnitude >= 1) return 1;
    return 0;
}

int HexDigitCount(float maximum) {
    if (maximum >= 4096) return 4;
    if (maximum >= 256) return 3;
    if (maximum >= 16) return 2;
    return 1;
}

int CursorMaskFor(int digitCount) {
    return 1 << (std::clamp(digitCount, 1, 5) - 1);
}
}  // namespace

std::string HexText2(long value) {
    return HexDigits(value, 2);
}
std::string HexText3(long value) {
    return HexDigits(value, 3);
}
std::string HexText4(long value) {
    return HexDigits(value, 4);
}

int DecimalsOfStep(float step) {
    switch (std::lround(step)) {
        case 10:
            return 1;
        case 100:
            return 2;
        case 1000:
            return 3;
        default:
            return 0;
    }
}

int DigitCountFor(float magnitude, int decimals) {
    const int integer = IntegerDigits(magnitude);
    int count = integer == 5 ? 5 : integer + decimals;
    if (decimals == 0 && count <= 1) count += 1;
    return count;
}

void LayoutEditField(OperatorPanel& p, float maximumFrequency) {
    if (p.state == ReferenceEdit) {
        p.openStep = p.editValue >= 100 ? 10.0f : 100.0f;
        p.openMaximum = maximumFrequency;
    }
    p.decimals = DecimalsOfStep(p.openStep);
    if (p.openDisplayMode == 1) {
        p.decimals = 0;
        p.digitCount = HexDigitCount(p.openMaximum);
    } else {
        const bool minimumRules = p.openMinimum < 0 && -p.openMinimum > p.openMaximum;
        const float reference = minimumRules ? -p.openMinimum : p.openMaximum;
        // A field wider than the display keeps its whole digits and gives up
        // decimals, so every shown digit is one the value really has.
        const int integer = IntegerDigits(reference);
        if (integer + p.decimals > 5) p.decimals = std::max(0, 5 - integer);
        p.digitCount = std::min(5, integer + p.decimals);
        if (p.decimals == 0 && p.digitCount <= 1) p.digitCount += 1;
        if (p.openMinimum < 0 && p.digitCount < 5 && p.state != ReferenceEdit) p.digitCount += 1;
    }
    p.digitCursorMax = p.state == ReferenceEdit ? 8 : CursorMaskFor(p.digitCount);
    if (p.digitCursor > p.digitCursorMax) p.digitCursor = p.digitCursorMax;
}

std::string EditFieldText(const OperatorPanel& p) {
    if (p.openDisplayMode == 1) {
        const long whole = std::lround(p.editValue);
        if (p.digitCount <= 2) return HexText2(whole);
        return p.digitCount == 3 ? HexText3(whole) : HexText4(whole);
    }
    if (p.editValue >= 0 && !p.negative) return FixedText(p.editValue, p.decimals);
    std::string magnitude = FixedText(std::fabs(p.editValue), p.decimals);
    const int digits = static_cast<int>(magnitude.size()) - (p.decimals > 0 ? 1 : 0);
    if (digits < p.digitCount - 1)
        magnitude.insert(0, static_cast<size_t>(p.digitCount - 1 - digits), '0');
    return "-" + magnitude;
}

}  // namespace qd
