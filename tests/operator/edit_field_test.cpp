#include <gtest/gtest.h>

#include <cctype>

#include "operator/DigitArithmetic.h"
#include "operator/SegmentDisplay.h"
#include "operator/ValueFormat.h"

namespace qd {
namespace {

OperatorPanel Field(float minimum, float maximum, float step, int displayMode = 0,
                    int state = ParameterEdit) {
    OperatorPanel p;
    p.state = state;
    p.openMinimum = minimum;
    p.openMaximum = maximum;
    p.openStep = step;
    p.openDisplayMode = displayMode;
    p.digitCursor = 16;
    return p;
}

struct LayoutCase {
    const char* name;
    float minimum, maximum, step;
    int displayMode;
    int digitCount, decimals, cursorMax;
    int64_t limit;
};

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, WidthDecimalsCursorAndLimit) {
    const LayoutCase& t = GetParam();
    OperatorPanel p = Field(t.minimum, t.maximum, t.step, t.displayMode);
    LayoutEditField(p, 60);
    EXPECT_EQ(p.digitCount, t.digitCount);
    EXPECT_EQ(p.decimals, t.decimals);
    EXPECT_EQ(p.digitCursorMax, t.cursorMax);
    EXPECT_EQ(p.digitCursor, t.cursorMax);
    EXPECT_EQ(EditFieldLimit(p), t.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, LayoutTest,
    ::testing::Values(LayoutCase{"E1-04", 40, 400, 10, 0, 4, 1, 8, 9999},
                      LayoutCase{"C1-01", 0, 6000, 10, 0, 5, 1, 16, 99999},
                      LayoutCase{"whole 0..1", 0, 1, 1, 0, 2, 0, 2, 99},
                      LayoutCase{"whole 0..9999", 0, 9999, 1, 0, 4, 0, 8, 9999},
                      LayoutCase{"two decimals below 1", 0, 0.5f, 100, 0, 2, 2, 2, 99},
                      LayoutCase{"B5-07", -100, 100, 10, 0, 5, 1, 16, 9999},
                      LayoutCase{"minimum rules", -50, 10, 1, 0, 3, 0, 4, 99},
                      LayoutCase{"H1-01", 0, 159, 1, 1, 2, 0, 2, 255},
                      LayoutCase{"hex 4095", 0, 4095, 1, 1, 3, 0, 4, 4095},
                      LayoutCase{"hex 65535", 0, 65535, 1, 1, 4, 0, 8, 65535},
                      // Wider than the display: decimals give way.
                      LayoutCase{"0.000..300.000", 0, 300, 1000, 0, 5, 2, 16, 99999},
                      LayoutCase{"0.0..12000.0", 0, 12000, 10, 0, 5, 0, 16, 99999}),
    [](const ::testing::TestParamInfo<LayoutCase>& param) {
        std::string n = param.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

TEST(ReferenceField, TwoDecimalsBelow100HzOneFromThereAndTheFNeverEdited) {
    OperatorPanel p = Field(0, 400, 100, 0, ReferenceEdit);
    p.editValue = 60;
    LayoutEditField(p, 60);
    EXPECT_EQ(p.decimals, 2);
    EXPECT_EQ(p.digitCount, 4);
    EXPECT_EQ(p.digitCursorMax, 8);
    EXPECT_EQ(EditFieldLimit(p), 9999);
    p.editValue = 120;
    LayoutEditField(p, 150);
    EXPECT_EQ(p.decimals, 1);
    EXPECT_FLOAT_EQ(p.openMaximum, 150);
}

std::string Shown(const OperatorPanel& p) {
    return FillDisplayText(EditFieldText(p), p.digitCount).characters;
}

struct StepCase {
    float start;
    int cursor;
    bool up;
    float result;
};

class WholeFieldStepTest : public ::testing::TestWithParam<StepCase> {};

// A four-digit whole-number field: no carry past the field, no wrap.
TEST_P(WholeFieldStepTest, Steps) {
    const StepCase& t = GetParam();
    OperatorPanel p = Field(0, 9999, 1);
    p.editValue = t.start;
    p.digitCursor = t.cursor;
    LayoutEditField(p, 60);
    StepEditDigit(p, t.up);
    EXPECT_FLOAT_EQ(p.editValue, t.result);
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeFieldStepTest,
                         ::testing::Values(StepCase{950, 4, true, 1050},
                                           StepCase{9950, 8, true, 9950}, StepCase{5, 2, false, 5},
                                           StepCase{5, 1, false, 4}, StepCase{0, 1, false, 0},
                                           StepCase{9999, 1, true, 9999},
                                           StepCase{1000, 1, false, 999}));

TEST(SignedField, SignTogglesAndNegativeZeroStands) {
    OperatorPanel p = Field(-100, 100, 10);
    LayoutEditField(p, 60);
    EXPECT_EQ(Shown(p), "00000");
    StepEditDigit(p, true);  // cursor on the sign
    EXPECT_TRUE(p.negative);
    EXPECT_EQ(Shown(p), "-0000");
    p.digitCursor = 1;
    StepEditDigit(p, true);
    EXPECT_FLOAT_EQ(p.editValue, -0.1f);
    EXPECT_EQ(Shown(p), "-0001");
    StepEditDigit(p, false);
    EXPECT_EQ(Shown(p), "-0000");  // the minus stays over zeros
    p.digitCursor = 16;
    StepEditDigit(p, false);  // either key clears the minus of a negative zero
    EXPECT_FALSE(p.negative);
    EXPECT_EQ(Shown(p), "00000");
}

TEST(SignedField, MagnitudeLimitKeepsTheSignPositionFree) {
    OperatorPanel p = Field(-100, 100, 10);
    p.editValue = -999.9f;
    p.digitCursor = 1;
    LayoutEditField(p, 60);
    StepEditDigit(p, true);
    EXPECT_FLOAT_EQ(p.editValue, -999.9f);
    p.digitCursor = 16;
    StepEditDigit(p, true);
    EXPECT_FLOAT_EQ(p.editValue, 999.9f);
}

TEST(HexField, LeftDigitAddsSixteenUpToFF) {
    OperatorPanel p = Field(0, 159, 1, 1);
    p.editValue = 0xF0;
    LayoutEditField(p, 60);
    EXPECT_EQ(Shown(p), "   F0");
    StepEditDigit(p, true);
    EXPECT_FLOAT_EQ(p.editValue, 0xF0);
    p.digitCursor = 1;
    StepEditDigit(p, true);
    EXPECT_FLOAT_EQ(p.editValue, 0xF1);
    p.editValue = 0x0A;
    p.digitCursor = 2;
    StepEditDigit(p, true);
    EXPECT_FLOAT_EQ(p.editValue, 0x1A);
}

TEST(ReferenceField, TheFPositionIsNotRead) {
    // With a 120 Hz maximum the field is five wide; its leftmost zero sits
    // under the F and must not count.
    OperatorPanel p = Field(0, 400, 100, 0, ReferenceEdit);
    p.editValue = 99.99f;
    p.digitCursor = 1;
    LayoutEditField(p, 120);
    StepEditDigit(p, true);
    EXPECT_FLOAT_EQ(p.editValue, 99.99f);  // limit 9999
    p.digitCursor = 8;
    StepEditDigit(p, false);
    EXPECT_FLOAT_EQ(p.editValue, 89.99f);
}

TEST(DigitCursor, ResetWrapsInsideTheField) {
    OperatorPanel p = Field(40, 400, 10);
    LayoutEditField(p, 60);
    const int expected[] = {4, 2, 1, 8, 4};
    for (int e : expected) {
        MoveDigitCursor(p);
        EXPECT_EQ(p.digitCursor, e);
    }
    OperatorPanel r = Field(0, 400, 100, 0, ReferenceEdit);
    r.digitCursor = 1;
    LayoutEditField(r, 60);
    MoveDigitCursor(r);
    EXPECT_EQ(r.digitCursor, 8);
}

TEST(ValueTexts, FixedAndHex) {
    EXPECT_EQ(FixedText(60, 2), "60.00");
    EXPECT_EQ(FixedText(-0.001, 2), "0.00");
    EXPECT_EQ(FixedText(1.25, 0), "1");
    EXPECT_EQ(HexText2(0x19F), "9F");
    EXPECT_EQ(HexText3(0x40), "040");
    EXPECT_EQ(HexText4(65535), "FFFF");
    EXPECT_EQ(DecimalsOfStep(1000), 3);
    EXPECT_EQ(DecimalsOfStep(-1), 0);
}

TEST(EditFieldText, NegativeValuesArePaddedBehindTheMinus) {
    OperatorPanel p = Field(-9, 9, 1);
    p.editValue = -5;
    LayoutEditField(p, 60);
    EXPECT_EQ(p.digitCount, 3);
    EXPECT_EQ(EditFieldText(p), "-05");
}

}  // namespace
}  // namespace qd
