#include "operator/DigitArithmetic.h"

#include <bit>
#include <cctype>

#include "operator/SegmentDisplay.h"
#include "operator/ValueFormat.h"

namespace qd {

namespace {
int64_t Power(int64_t base, int exponent) {
    int64_t result = 1;
    for (int i = 0; i < exponent; ++i) result *= base;
    return result;
}

int DigitValue(char c, bool hexadecimal) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isdigit(u)) return c - '0';
    if (hexadecimal && std::isxdigit(u)) return std::tolower(u) - 'a' + 10;
    return -1;
}

// 0-based display position of a one-hot digit mask (16 is DIS1).
int PositionOfMask(int mask) {
    return 4 - std::countr_zero(static_cast<unsigned>(mask));
}
}  // namespace

int64_t ReadShownDigits(const std::string& characters, bool hexadecimal, int skipIndex) {
    const int base = hexadecimal ? 16 : 10;
    int64_t whole = 0;
    for (int i = 0; i < static_cast<int>(characters.size()); ++i) {
        if (i == skipIndex) continue;
        const int v = DigitValue(characters[i], hexadecimal);
        if (v >= 0) whole = whole * base + v;
    }
    return whole;
}

bool IsSignedField(const OperatorPanel& p) {
    return p.openDisplayMode == 0 && p.openMinimum < 0 && p.state != ReferenceEdit;
}

int64_t EditFieldLimit(const OperatorPanel& p) {
    if (p.openDisplayMode == 1) return Power(16, p.digitCount) - 1;
    if (p.state == ReferenceEdit) return 9999;
    if (IsSignedField(p)) return Power(10, p.digitCount - 1) - 1;
    return Power(10, p.digitCount) - 1;
}

int64_t StepMagnitude(int64_t magnitude, int64_t unit, int64_t limit, bool up) {
    if (up) return magnitude + unit <= limit ? magnitude + unit : magnitude;
    return magnitude - unit >= 0 ? magnitude - unit : magnitude;
}

void StepEditDigit(OperatorPanel& p, bool up) {
    if (p.digitCursor <= 0) return;
    const bool hexadecimal = p.openDisplayMode == 1;
    const FilledText shown = FillDisplayText(EditFieldText(p), p.digitCount);
    const int skip = p.state == ReferenceEdit ? 0 : -1;
    const int64_t magnitude = ReadShownDigits(shown.characters, hexadecimal, skip);
    const bool signedField = IsSignedField(p);
    const int signIndex = signedField ? PositionOfMask(p.digitCursorMax) : -1;
    const bool minus = signIndex >= 0 && shown.characters[signIndex] == '-';

    int64_t whole = 0;
    if (signedField && p.digitCursor == p.digitCursorMax) {
        // Both keys toggle the shown sign, a negative zero included.
        p.negative = !minus;
        whole = minus ? magnitude : -magnitude;
    } else {
        const int k = std::countr_zero(static_cast<unsigned>(p.digitCursor));
        const int64_t unit = Power(hexadecimal ? 16 : 10, k);
        const int64_t next = StepMagnitude(magnitude, unit, EditFieldLimit(p), up);
        whole = minus ? -next : next;
        // The minus stays while the trainee works on the other digits.
        if (signedField) p.negative = minus;
    }
    if (hexadecimal) {
        p.editValue = static_cast<float>(whole);
    } else {
        p.editValue = static_cast<float>(static_cast<double>(whole) /
                                         static_cast<double>(Power(10, p.decimals)));
        if (p.negative && whole == 0) p.editValue = -0.0f;
    }
}

void MoveDigitCursor(OperatorPanel& p) {
    const int wrapTo = p.state == ReferenceEdit ? 8 : 16;
    p.digitCursor >>= 1;
    if (p.digitCursor <= 0) p.digitCursor = wrapTo;
    if (p.digitCursor > p.digitCursorMax) p.digitCursor = p.digitCursorMax;
}

}  // namespace qd
