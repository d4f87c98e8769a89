#include <gtest/gtest.h>

#include "operator/SegmentDisplay.h"

namespace qd {
namespace {

struct ShowTextCase {
    const char* text;
    int zeroDigits;
    std::array<int, 5> segments;
    int point;  // 1-based lit point, 0 for none
};

class ShowTextTest : public ::testing::TestWithParam<ShowTextCase> {};

TEST_P(ShowTextTest, FillsDrawsAndLightsThePoint) {
    const ShowTextCase& t = GetParam();
    FormControls form;
    SegmentDisplay display;
    ShowText(form, display, t.text, kNoOverrides, kNoBlink, t.zeroDigits);
    const auto digits = form.Digits();
    const auto points = form.Points();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(digits[i]->segments, t.segments[i]) << t.text << " digit " << i + 1;
        EXPECT_EQ(points[i]->lit, t.point == i + 1) << t.text << " point " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ShowTextTest,
                         ::testing::Values(ShowTextCase{"60.00", 0, {0, 125, 63, 63, 63}, 3},
                                           ShowTextCase{"5", 3, {0, 0, 63, 63, 109}, 0},
                                           ShowTextCase{"1.5", 3, {0, 0, 63, 6, 109}, 4},
                                           ShowTextCase{"0.0", 0, {0, 0, 0, 63, 63}, 4},
                                           ShowTextCase{"  End", 0, {0, 0, 121, 84, 94}, 0},
                                           ShowTextCase{"123456", 0, {6, 91, 79, 102, 109}, 0},
                                           // Two points: the first one is lit, both are dropped.
                                           ShowTextCase{"1.2.3", 0, {0, 6, 91, 79, 0}, 2},
                                           ShowTextCase{".5", 0, {0, 0, 0, 0, 109}, 4},
                                           // The hyphen comes from the letter table.
                                           ShowTextCase{"-1.50", 0, {0, 64, 6, 109, 63}, 3},
                                           ShowTextCase{" nonE", 0, {0, 84, 92, 84, 121}, 0},
                                           ShowTextCase{"  rEu", 0, {0, 0, 80, 121, 28}, 0},
                                           // A point in front of the first digit lights nothing.
                                           ShowTextCase{".12345", 0, {6, 91, 79, 102, 109}, 0}));

TEST(ShowText, OverrideDrawsRawSegmentsAndBlinkFlagsAreStored) {
    FormControls form;
    SegmentDisplay display;
    ShowText(form, display, " 12.34", {64, -1, -1, -1, -1}, {false, true, false, false, true}, 0);
    EXPECT_EQ(form.DIS1.segments, 64);
    EXPECT_EQ(form.DIS2.segments, 6);
    EXPECT_EQ(form.DIS5.segments, 102);
    EXPECT_TRUE(form.DSP3.lit);
    EXPECT_EQ(display.blink, (BlinkFlags{false, true, false, false, true}));
}

TEST(Font, LettersOutsideTheBuiltInFontUseTheLetterTable) {
    EXPECT_EQ(CharacterCode('b'), 124);
    EXPECT_EQ(CharacterCode('B'), 124);
    EXPECT_EQ(CharacterCode('o'), 92);
    EXPECT_EQ(CharacterCode('M'), 43);
    EXPECT_EQ(CharacterCode('Z'), 91);
    EXPECT_EQ(CharacterCode('z'), 82);
    EXPECT_EQ(CharacterCode('-'), 64);
    EXPECT_EQ(CharacterCode('?'), 0);
}

TEST(BlinkStep, BlinkingDigitsToggleOthersLightAndDarkStaysUntilTheStep) {
    FormControls form;
    SegmentDisplay display;
    SetAllDark(form, true);
    display.blink = {true, false, false, false, false};
    EXPECT_TRUE(form.DIS2.dark);  // a cleared flag does not light a dark digit
    BlinkStep(form, display);
    EXPECT_FALSE(form.DIS1.dark);
    EXPECT_FALSE(form.DIS2.dark);
    BlinkStep(form, display);
    EXPECT_TRUE(form.DIS1.dark);
    EXPECT_FALSE(form.DIS2.dark);
}

TEST(ShowSegments, ClearsBlinkAndSetsPoints) {
    FormControls form;
    SegmentDisplay display;
    display.blink = kAllBlink;
    ShowSegments(form, display, {6, 6, 64, 63, 63}, {true, true, true, true, true});
    EXPECT_EQ(display.blink, kNoBlink);
    EXPECT_TRUE(form.DSP5.lit);
    EXPECT_EQ(form.DIS3.segments, 64);
}

}  // namespace
}  // namespace qd
