// The PNG decoder: valid images decoded once and premultiplied; anything else refused. Bitmaps
// drawn at twice the detail for a zoomed window.
#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "editor/toolkit/cbitmap.h"
#include "editor/toolkit/cdrawcontext.h"
#include "editor/toolkit/cfont.h"

namespace {

// Encodes an RGBA image with libpng's own writer.
std::vector<uint8_t> encode(int w, int h, const std::vector<uint8_t>& rgba) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = w;
    image.height = h;
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr))
        out.clear();
    out.resize(size);
    return out;
}

} // namespace

TEST(Bitmap, DecodesAndPremultipliesAlpha) {
    // Opaque red, half-transparent white, transparent green, opaque blue.
    std::vector<uint8_t> rgba{255, 0, 0, 255, 255, 255, 255, 128, 0, 255, 0, 0, 0, 0, 255, 255};
    auto png = encode(2, 2, rgba);
    ASSERT_FALSE(png.empty());
    auto bmp = tk::CBitmap::decodePng(png.data(), png.size());
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bmp->width(), 2);
    EXPECT_EQ(bmp->height(), 2);
    EXPECT_EQ(bmp->pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(bmp->pixel(1, 0), 0x80808080u);
    EXPECT_EQ(bmp->pixel(0, 1), 0x00000000u);
    EXPECT_EQ(bmp->pixel(1, 1), 0xFF0000FFu);
}

TEST(Bitmap, RefusesBrokenTruncatedAndOversizedImages) {
    std::vector<uint8_t> rgba(4 * 4 * 4, 200);
    auto png = encode(4, 4, rgba);
    ASSERT_FALSE(png.empty());
    EXPECT_EQ(tk::CBitmap::decodePng(nullptr, 100), nullptr);
    EXPECT_EQ(tk::CBitmap::decodePng(png.data(), 0), nullptr);
    for (size_t cut : {size_t(8), size_t(20), png.size() / 2, png.size() - 13})
        EXPECT_EQ(tk::CBitmap::decodePng(png.data(), cut), nullptr) << cut;
    std::vector<uint8_t> noise(300);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<uint8_t>(i * 37 + 11);
    EXPECT_EQ(tk::CBitmap::decodePng(noise.data(), noise.size()), nullptr);
    // A corrupted data chunk.
    auto bad = png;
    bad[bad.size() - 20] ^= 0x5A;
    EXPECT_EQ(tk::CBitmap::decodePng(bad.data(), bad.size()), nullptr);

    std::vector<uint8_t> wide(4097 * 4, 0);
    auto big = encode(4097, 1, wide);
    ASSERT_FALSE(big.empty());
    EXPECT_EQ(tk::CBitmap::decodePng(big.data(), big.size()), nullptr);
    std::vector<uint8_t> edge(4096 * 4, 0);
    auto ok = encode(4096, 1, edge);
    EXPECT_NE(tk::CBitmap::decodePng(ok.data(), ok.size()), nullptr);
}

TEST(Bitmap, AMissingResourceIsNullAndNamesAreShared) {
    EXPECT_EQ(tk::CBitmap::fromResource("no-such-bitmap.png"), nullptr);
    EXPECT_EQ(tk::CBitmap::fromResource(""), nullptr);
    auto a = tk::CBitmap::fromResource("Knob.png");
    auto b = tk::CBitmap::fromResource("Knob.png");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b); // decoded once, shared
    EXPECT_EQ(a->width(), 41);
    EXPECT_EQ(a->height(), 41 * 29);
}

namespace {
// A strip of two square frames, red above blue, `side` pixels wide.
std::vector<uint8_t> twoFrameStrip(int side) {
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 2 * side; ++y)
        for (int x = 0; x < side; ++x)
            for (uint8_t c : y < side ? std::vector<uint8_t>{255, 0, 0, 255}
                                      : std::vector<uint8_t>{0, 0, 255, 255})
                rgba.push_back(c);
    return rgba;
}
} // namespace

// A bitmap drawn at twice the detail has the logical size of its plain twin: frames, positions
// and alpha read-outs are the same.
TEST(Bitmap, ADenseBitmapKeepsTheLogicalSizeOfItsPlainTwin) {
    constexpr int kSide = 4;
    auto png = encode(2 * kSide, 4 * kSide, twoFrameStrip(2 * kSide));
    auto dense = tk::CBitmap::decodePng(png.data(), png.size(), 2);
    ASSERT_NE(dense, nullptr);
    EXPECT_EQ(dense->density(), 2);
    EXPECT_EQ(dense->width(), kSide);
    EXPECT_EQ(dense->height(), 2 * kSide);
    EXPECT_EQ(dense->pixel(kSide - 1, kSide - 1), 0xFFFF0000u);
    EXPECT_EQ(dense->pixel(0, kSide), 0xFF0000FFu);
    EXPECT_EQ(dense->pixel(0, 2 * kSide), 0u);
    // Pixel sizes that are not whole multiples of the density are refused.
    auto odd = encode(3, 6, std::vector<uint8_t>(3 * 6 * 4, 255));
    EXPECT_EQ(tk::CBitmap::decodePng(odd.data(), odd.size(), 2), nullptr);
}

// The second frame of a dense strip drawn at 100, 150 and 200 %, one logical pixel in from the
// corner (half a device pixel at 150 %): no red of the frame above bleeds in through the filter,
// the pixels it covers are its blue, and nothing is drawn outside its place.
TEST(Bitmap, AStripFrameDrawsAloneAtEveryZoom) {
    constexpr int kSide = 8, kAt = 1;
    auto png = encode(2 * kSide, 4 * kSide, twoFrameStrip(2 * kSide));
    auto dense = tk::CBitmap::decodePng(png.data(), png.size(), 2);
    ASSERT_NE(dense, nullptr);
    for (double scale : {1.0, 1.5, 2.0}) {
        const double from = kAt * scale, to = (kAt + kSide) * scale;
        const int around = static_cast<int>(to) + 4;
        tk::COffscreenContext c(around, around, nullptr);
        c.push(0, 0, tk::CRect{0, 0, around, around});
        c.scale(scale);
        c.drawBitmap(*dense, tk::CRect::fromSize(kAt, kAt, kSide, kSide), 0, kSide);
        c.pop();
        auto inside = [&](int v) { return v >= std::ceil(from) && v + 1 <= std::floor(to); };
        auto outside = [&](int v) { return v + 1 <= std::floor(from) || v >= std::ceil(to); };
        for (int y = 0; y < around; ++y)
            for (int x = 0; x < around; ++x) {
                const uint32_t p = c.pixel(x, y);
                ASSERT_EQ(p & 0x00FFFF00u, 0u) << scale << ": red or green at " << x << ", " << y;
                if (inside(x) && inside(y)) {
                    ASSERT_EQ(p, 0xFF0000FFu) << scale << " at " << x << ", " << y;
                }
                if (outside(x) || outside(y)) {
                    ASSERT_EQ(p, 0u) << scale << " at " << x << ", " << y;
                }
            }
    }
}

// An embedded bitmap finds its companion drawn at twice the detail when the window is zoomed.
TEST(Bitmap, AnEmbeddedBitmapHasADenseCompanionForAZoomedWindow) {
    auto knob = tk::CBitmap::fromResource("Knob.png");
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(&knob->forScale(1.0), knob.get());
    const tk::CBitmap& dense = knob->forScale(1.5);
    EXPECT_EQ(dense.density(), 2);
    EXPECT_EQ(dense.width(), knob->width());
    EXPECT_EQ(dense.height(), knob->height());
    EXPECT_EQ(&knob->forScale(2.0), &dense); // looked up once
    // A bitmap from bytes (a bank picture) has no companion and is scaled itself.
    auto png = encode(2, 2, std::vector<uint8_t>(16, 255));
    auto plain = tk::CBitmap::decodePng(png.data(), png.size());
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(&plain->forScale(2.0), plain.get());
}

TEST(Fonts, TheEmbeddedFacesLoadAndDrawText) {
    tk::CFontSet fonts;
    ASSERT_NE(fonts.face(tk::FontWeight::Regular), nullptr);
    ASSERT_NE(fonts.face(tk::FontWeight::Bold), nullptr);
    tk::COffscreenContext c(120, 30, &fonts);
    tk::CFontDesc font{tk::FontWeight::Regular, 14.0};
    // Arial metrics: "Cutoff" is about 37 pixels wide at 14 pixels.
    EXPECT_NEAR(c.textWidth("Cutoff", font), 37.0, 3.0);
    c.drawText("Cutoff", tk::CRect{0, 0, 120, 30}, font, tk::CColor{255, 255, 255, 255});
    int lit = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x)
            lit += c.pixel(x, y) != 0;
    EXPECT_GT(lit, 40);
}
