// The PNG decoder: valid images decoded once and premultiplied; anything else refused.
#include <gtest/gtest.h>
#include <png.h>

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
