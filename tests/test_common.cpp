#include <gtest/gtest.h>

#include <cmath>

#include "common/curves.h"

using namespace tarlix;

TEST(Taper, ForwardCurvesAndMirror) {
    EXPECT_FLOAT_EQ(taper_forward(0.5f, 2), 0.0625f);
    EXPECT_FLOAT_EQ(taper_forward(0.5f, 3), 0.25f);
    EXPECT_FLOAT_EQ(taper_forward(0.5f, 4), 0.75f);
    EXPECT_FLOAT_EQ(taper_forward(0.5f, 5), 0.9375f);
    EXPECT_FLOAT_EQ(taper_forward(0.3f, 1), 0.3f);
    EXPECT_FLOAT_EQ(taper_forward(0.5f, 131), 0.75f);
}

TEST(Taper, InverseUndoesForwardForEveryCode) {
    for (int code : {0, 1, 2, 3, 4, 5, 128, 129, 130, 131, 132, 133}) {
        EXPECT_EQ(taper_inverse(0.0f, code & 0x7F), 0.0f);
        EXPECT_EQ(taper_inverse(1.0f, code & 0x7F), 1.0f);
        for (int i = 5; i <= 95; ++i) { // x^4 near the ends is below float resolution
            float x = i / 100.0f;
            EXPECT_NEAR(taper_inverse(taper_forward(x, code), code), x, 2e-3f) << code << " " << x;
        }
        EXPECT_EQ(taper_inverse(NAN, code), 0.0f);
        EXPECT_FALSE(std::isnan(taper_inverse(-3.0f, code)));
    }
}

TEST(Shape, CurvesAndBlend) {
    EXPECT_FLOAT_EQ(shape_curve(4, 0.5f), 0.5f);
    EXPECT_FLOAT_EQ(shape_curve(5, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(shape_curve(6, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(shape_curve(6, 0.25f), 0.125f);
    EXPECT_FLOAT_EQ(shape_curve(4, 0.25f), 0.375f);
    for (float x : {0.1f, 0.6f})
        EXPECT_FLOAT_EQ(shape_curve_blend(7, x, 0.4f), shape_curve_blend(0, x, 0.4f));
    EXPECT_FLOAT_EQ(shape_curve_blend(1, 0.5f, 0.5f), 0.25f * 0.5f + 0.5f);
}

TEST(Random, SequenceFromTheSeeds) {
    RandomSequence random;
    EXPECT_EQ(random.next(), 1918252967u);
    EXPECT_EQ(random.next(), 1313139645u);
    EXPECT_EQ(random.next(), 3824110440u);
    EXPECT_EQ(random.next(), 1513381931u);
    random.restart();
    const int expected[] = {44, 30, 89, 35, 52, 19, 80, 13};
    for (int e : expected)
        EXPECT_EQ(random.below(100), e);
    random.restart();
    EXPECT_FLOAT_EQ(random.uniform(1.0f), 0.44662807f);
    EXPECT_EQ(random.below(0), 0);
    for (int i = 0; i < 10000; ++i)
        EXPECT_LT(random.uniform(1.0f), 1.0f);
}

TEST(ParseNumber, TextsAndRefusals) {
    struct Case {
        const char* text;
        float value;
    } cases[] = {{"12.5", 12.5f},
                 {"-+3", -3.0f},
                 {"7,9", 7.0f},
                 {",5", 0.0f},
                 {"", 0.0f},
                 {"-", 0.0f},
                 {".", 0.0f},
                 {"0.25", 0.25f},
                 {"+4", 4.0f},
                 {"1.2.3", kParseFailure},
                 {"4a", kParseFailure},
                 {" 4", kParseFailure},
                 {"+-3", kParseFailure},
                 {"1e5", kParseFailure},
                 {"99999999999999999999999999999999999999999", kParseFailure}};
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(parse_number(c.text), c.value) << c.text;
    EXPECT_FALSE(std::signbit(parse_number("-")));
    EXPECT_EQ(parse_number(nullptr), kParseFailure);
    std::string longText(100000, '1');
    EXPECT_EQ(parse_number(longText.c_str()), kParseFailure);
}
