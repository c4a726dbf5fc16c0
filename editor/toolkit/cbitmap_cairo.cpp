// Bitmaps over Cairo: PNG decoding through libpng, and a Cairo image surface over the pixels.
#include <cairo.h>
#include <png.h>

#include <bit>
#include <cstring>

#include "editor/toolkit/cairo_backend.h"
#include "editor/toolkit/cbitmap.h"

namespace tk {

CBitmap::CBitmap(int storedWidth, int storedHeight, std::vector<uint32_t> pixels, int density)
    : storedWidth_(storedWidth), storedHeight_(storedHeight), density_(density),
      width_(storedWidth / density), height_(storedHeight / density), pixels_(std::move(pixels)) {
    // ARGB32 rows of 4-byte words need no padding: the stride is the width in bytes.
    native_.reset(new Native{cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(pixels_.data()), CAIRO_FORMAT_ARGB32, storedWidth,
        storedHeight, storedWidth * 4)});
}

void CBitmap::NativeDeleter::operator()(Native* n) const {
    cairo_surface_destroy(n->surface);
    delete n;
}

std::shared_ptr<CBitmap> CBitmap::decodePng(const uint8_t* data, size_t size, int density) {
    if (!data || size < 8 || density < 1 || density > kHighDensity) return nullptr;
    // The simplified API keeps libpng's error recovery inside libpng's own C frames.
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) {
        png_image_free(&image);
        return nullptr;
    }
    const uint32_t maxSide = static_cast<uint32_t>(kMaxSide * density);
    if (image.width == 0 || image.height == 0 || image.width > maxSide || image.height > maxSide) {
        png_image_free(&image);
        return nullptr;
    }
    // 0xAARRGGBB words in the machine's byte order.
    image.format = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
    std::vector<uint32_t> words(static_cast<size_t>(w) * h);
    if (!png_image_finish_read(&image, nullptr, words.data(), w * 4, nullptr)) {
        png_image_free(&image);
        return nullptr;
    }
    png_image_free(&image);
    return fromStraightAlpha(w, h, std::move(words), density);
}

} // namespace tk
