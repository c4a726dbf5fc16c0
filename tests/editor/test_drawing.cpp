// The draw context's contract, the same for every drawing backend (Cairo on Linux, GDI+ on
// Windows): exact pixels for whole-pixel shapes and copies, blending within a level or two.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "editor/toolkit/cbitmap.h"
#include "editor/toolkit/cdrawcontext.h"
#include "editor/toolkit/cfont.h"

namespace {

constexpr tk::CColor kWhite{255, 255, 255, 255};
constexpr tk::CColor kRed{255, 0, 0, 255};

// Premultiplied words equal within `levels` in every channel.
::testing::AssertionResult near(uint32_t got, uint32_t want, int levels = 2) {
    for (int shift = 0; shift < 32; shift += 8) {
        int a = static_cast<int>((got >> shift) & 0xFF),
            b = static_cast<int>((want >> shift) & 0xFF);
        if (std::abs(a - b) > levels)
            return ::testing::AssertionFailure() << std::hex << got << " is not near " << want;
    }
    return ::testing::AssertionSuccess();
}

class Drawing : public ::testing::Test {
  protected:
    tk::CFontSet fonts;
    tk::COffscreenContext c{64, 64, &fonts};
};

} // namespace

TEST_F(Drawing, RectanglesCoverWholePixelsAndClearingReplaces) {
    c.fillRect({2, 2, 6, 6}, kRed);
    EXPECT_EQ(c.pixel(2, 2), 0xFFFF0000u);
    EXPECT_EQ(c.pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(c.pixel(6, 6), 0u);
    EXPECT_EQ(c.pixel(1, 1), 0u);
    c.clearRect({3, 3, 5, 5}, tk::CColor{0, 0, 0, 0});
    EXPECT_EQ(c.pixel(3, 3), 0u);
    EXPECT_EQ(c.pixel(2, 2), 0xFFFF0000u);
    c.fillRect({10, 0, 12, 2}, tk::CColor{0, 0, 255, 128});
    EXPECT_TRUE(near(c.pixel(10, 0), 0x80000080u));

    c.frameRect({40, 0, 50, 10}, kWhite);
    EXPECT_EQ(c.pixel(40, 0), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel(49, 9), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel(45, 5), 0u);
    c.drawLine({0, 45}, {9, 45}, kWhite);
    EXPECT_EQ(c.pixel(5, 45), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel(5, 44), 0u);
    EXPECT_EQ(c.pixel(5, 46), 0u);
}

TEST_F(Drawing, PushMovesAndClipsAndScaleEnlarges) {
    c.push(10, 10, {0, 0, 5, 5});
    c.fillRect({0, 0, 20, 20}, kWhite);
    c.pop();
    EXPECT_EQ(c.pixel(10, 10), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel(14, 14), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel(15, 15), 0u);
    EXPECT_EQ(c.pixel(9, 9), 0u);

    c.push(30, 30, {0, 0, 30, 30});
    c.scale(2.0);
    c.fillRect({1, 1, 3, 3}, kWhite); // 2..6 after scaling
    c.pop();
    EXPECT_EQ(c.pixel(32, 32), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel(35, 35), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel(31, 31), 0u);
    EXPECT_EQ(c.pixel(36, 36), 0u);
}

TEST_F(Drawing, BitmapsCopyOnlyTheirOwnPixelsWithAnAlpha) {
    auto green = tk::CBitmap::solid(4, 4, 0xFF00FF00u);
    ASSERT_NE(green, nullptr);
    c.drawBitmap(*green, {20, 20, 24, 24});
    EXPECT_EQ(c.pixel(20, 20), 0xFF00FF00u);
    EXPECT_EQ(c.pixel(23, 23), 0xFF00FF00u);
    EXPECT_EQ(c.pixel(24, 24), 0u);
    // From column 2 on: two columns exist, the rest of the box stays as it was.
    c.drawBitmap(*green, {30, 20, 34, 24}, 2, 0);
    EXPECT_EQ(c.pixel(31, 20), 0xFF00FF00u);
    EXPECT_EQ(c.pixel(32, 20), 0u);
    c.drawBitmap(*green, {40, 20, 44, 24}, 0, 0, 0.5);
    EXPECT_TRUE(near(c.pixel(41, 21), 0x80008000u));
}

TEST_F(Drawing, ALayerIsLaidOnWithItsAlpha) {
    c.fillRect({0, 0, 64, 64}, tk::CColor{0, 0, 0, 255});
    c.push(8, 8, {0, 0, 16, 16});
    c.beginLayer();
    c.fillRect({0, 0, 8, 8}, kWhite);
    c.endLayer(0.5);
    c.pop();
    EXPECT_TRUE(near(c.pixel(10, 10), 0xFF808080u));
    EXPECT_EQ(c.pixel(20, 20), 0xFF000000u); // outside the layer's drawing
}

TEST_F(Drawing, TheEmbeddedFacesMeasureAndDrawText) {
    ASSERT_NE(fonts.face(tk::FontWeight::Regular), nullptr);
    ASSERT_NE(fonts.face(tk::FontWeight::Bold), nullptr);
    tk::CFontDesc font{tk::FontWeight::Regular, 14.0};
    // Arial metrics: "Cutoff" is about 37 pixels wide at 14 pixels.
    EXPECT_NEAR(c.textWidth("Cutoff", font), 37.0, 3.0);
    EXPECT_GT(c.textWidth("Cutoff", {tk::FontWeight::Bold, 14.0}), c.textWidth("Cutoff", font));
    c.drawText("Cutoff", tk::CRect{0, 0, 64, 20}, font, kWhite);
    int lit = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            lit += c.pixel(x, y) != 0;
    EXPECT_GT(lit, 40);
    // Clipped to its box.
    for (int x = 0; x < 64; ++x)
        EXPECT_EQ(c.pixel(x, 25), 0u) << x;
}

// A frame of an embedded strip in a zoomed window: at 200 % its dense companion's pixels land
// one to one on the device's, at 150 % it is filtered down and stays inside its place.
TEST(DrawingZoomed, AStripFrameUsesTheDenseCompanionAndStaysInPlace) {
    auto knob = tk::CBitmap::fromResource("Knob.png");
    ASSERT_NE(knob, nullptr);
    const tk::CBitmap& dense = knob->forScale(2.0);
    ASSERT_EQ(dense.density(), 2);
    const int w = knob->width(), h = std::min(knob->width(), knob->height() / 2);
    ASSERT_GT(h, 0);
    const tk::CRect place = tk::CRect::fromSize(3, 3, w, h);
    for (double scale : {2.0, 1.5}) {
        const int side = static_cast<int>(std::ceil((3 + std::max(w, h) + 3) * scale));
        tk::COffscreenContext c(side, side, nullptr);
        c.push(0, 0, tk::CRect{0, 0, side, side});
        c.scale(scale);
        c.drawBitmap(*knob, place, 0, h); // the second frame
        c.pop();
        int drawn = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const uint32_t p = c.pixel(x, y);
                const bool inPlace =
                    x >= std::floor(place.left * scale) && x < std::ceil(place.right * scale) &&
                    y >= std::floor(place.top * scale) && y < std::ceil(place.bottom * scale);
                if (!inPlace) {
                    ASSERT_EQ(p, 0u) << scale << " at " << x << ", " << y;
                } else if (scale == 2.0) {
                    ASSERT_EQ(p, dense.storedPixel(x - 2 * place.left, y - 2 * place.top + 2 * h))
                        << x << ", " << y;
                }
                drawn += p != 0;
            }
        EXPECT_GT(drawn, w * h / 4) << scale;
    }
}

// Shapes from paths: fills with a fine alpha, dashed and plain strokes through pixel centres,
// circles and gradients.
TEST_F(Drawing, PathsFillAndStrokeWhereTheyLie) {
    tk::CPath box;
    box.rect(2, 2, 4, 4);
    c.fillPath(box, tk::CPaint::colour(0xFF0000, 1.0));
    EXPECT_EQ(c.pixel(2, 2), 0xFFFF0000u);
    EXPECT_EQ(c.pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(c.pixel(6, 6), 0u);
    tk::CPath faint;
    faint.rect(10, 2, 2, 2);
    c.fillPath(faint, tk::CPaint::colour(0xFFFFFF, 0.25));
    EXPECT_TRUE(near(c.pixel(10, 2), 0x40404040u));

    // A dashed line along row 20: two on, three off.
    tk::CPath row;
    row.moveTo(0, 20.5);
    row.lineTo(20, 20.5);
    tk::CPen dashed;
    dashed.dashes = {2.0, 3.0};
    c.strokePath(row, tk::CPaint::colour(0xFFFFFF), dashed);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(c.pixel(x, 20), x % 5 < 2 ? 0xFFFFFFFFu : 0u) << x;
    EXPECT_EQ(c.pixel(0, 19), 0u);
    EXPECT_EQ(c.pixel(0, 21), 0u);
    // A plain one down column 30.
    tk::CPath column;
    column.moveTo(30.5, 10);
    column.lineTo(30.5, 20);
    c.strokePath(column, tk::CPaint::colour(0x00FF00), tk::CPen{});
    EXPECT_EQ(c.pixel(30, 10), 0xFF00FF00u);
    EXPECT_EQ(c.pixel(30, 19), 0xFF00FF00u);
    EXPECT_EQ(c.pixel(30, 20), 0u);
    EXPECT_EQ(c.pixel(29, 15), 0u);

    // A circle covers its centre, not the corners of its square; its ring only the rim.
    tk::CPath dot;
    dot.circle(48, 48, 6);
    c.fillPath(dot, tk::CPaint::colour(0x0000FF));
    EXPECT_EQ(c.pixel(48, 48), 0xFF0000FFu);
    EXPECT_EQ(c.pixel(42, 42), 0u);
    tk::CPath ring;
    ring.circle(48, 20, 6);
    tk::CPen rim;
    rim.width = 1.5;
    c.strokePath(ring, tk::CPaint::colour(0xFFFFFF), rim);
    EXPECT_EQ(c.pixel(48, 20), 0u);
    EXPECT_GT(c.pixel(48, 14) >> 24, 0x60u);

    // A gradient from opaque at the top to clear at the bottom of its box.
    tk::CPath band;
    band.rect(0, 40, 10, 20);
    c.fillPath(band,
               tk::CPaint::linear(0, 40, 0, 60, {{0.0, 0xFFFFFF, 1.0}, {1.0, 0xFFFFFF, 0.0}}));
    EXPECT_GT(c.pixel(5, 40) >> 24, 0xF0u);
    EXPECT_TRUE(near(c.pixel(5, 50), 0x80808080u, 8));
    EXPECT_LT(c.pixel(5, 59) >> 24, 0x10u);
}

// A rounded rectangle keeps its corners clear and its middle full.
TEST_F(Drawing, RoundedPathsLeaveTheirCornersOut) {
    tk::CPath pill;
    pill.roundRect(10, 10, 20, 10, 4);
    c.fillPath(pill, tk::CPaint::colour(0xFFFFFF));
    EXPECT_EQ(c.pixel(20, 15), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel(10, 10), 0u);
    EXPECT_EQ(c.pixel(29, 19), 0u);
    EXPECT_EQ(c.pixel(20, 10), 0xFFFFFFFFu);
}

// Clearing under a zoom that puts the edges between pixels: whole pixels take the colour,
// edge pixels keep what they had in proportion to what lies outside.
TEST_F(Drawing, ClearingUnderAZoomReplacesInProportion) {
    c.fillRect({0, 0, 16, 16}, kRed);
    c.push(0, 0, {0, 0, 16, 16});
    c.scale(1.5);
    c.clearRect({1, 1, 3, 3}, tk::CColor{0, 0, 0, 0}); // device 1.5 to 4.5
    c.pop();
    EXPECT_EQ(c.pixel(2, 2), 0u);
    EXPECT_EQ(c.pixel(3, 3), 0u);
    EXPECT_TRUE(near(c.pixel(1, 1), 0xBFBF0000u, 3)); // a quarter cleared
    EXPECT_TRUE(near(c.pixel(2, 1), 0x80800000u, 3)); // half
    EXPECT_EQ(c.pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(c.pixel(0, 0), 0xFFFF0000u);
}
