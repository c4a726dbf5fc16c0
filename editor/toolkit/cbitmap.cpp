#include "editor/toolkit/cbitmap.h"

#include <png.h>

#include <bit>
#include <cstring>
#include <map>
#include <mutex>

#include "platform/platform.h"

namespace tk {

namespace {

// Shared decoded bitmaps by resource name. Entries are weak: the bitmap lives while an open
// editor holds it, and the next open decodes it again only after every editor let go.
struct SharedBitmaps {
    std::mutex lock;
    std::map<std::string, std::weak_ptr<CBitmap>> byName;
};

SharedBitmaps& shared() {
    static SharedBitmaps s;
    return s;
}

uint8_t premultiply(uint8_t c, uint8_t a) {
    return static_cast<uint8_t>((c * a + 127) / 255);
}

} // namespace

CBitmap::CBitmap(cairo_surface_t* surface, int density)
    : surface_(surface), density_(density),
      width_(cairo_image_surface_get_width(surface) / density),
      height_(cairo_image_surface_get_height(surface) / density) {}

CBitmap::~CBitmap() {
    cairo_surface_destroy(surface_);
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
    if (image.width == 0 || image.height == 0 || image.width > maxSide || image.height > maxSide ||
        image.width % density != 0 || image.height % density != 0) {
        png_image_free(&image);
        return nullptr;
    }
    // Cairo's ARGB32 is a native-endian 32-bit word, so its byte order follows the machine.
    image.format = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        png_image_free(&image);
        return nullptr;
    }
    cairo_surface_flush(s);
    uint8_t* pixels = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    if (!png_image_finish_read(&image, nullptr, pixels, stride, nullptr)) {
        png_image_free(&image);
        cairo_surface_destroy(s);
        return nullptr;
    }
    png_image_free(&image);
    const int alpha = std::endian::native == std::endian::little ? 3 : 0;
    for (int y = 0; y < h; ++y) {
        uint8_t* p = pixels + static_cast<size_t>(y) * stride;
        for (int x = 0; x < w; ++x, p += 4) {
            uint8_t a = p[alpha];
            if (a == 255) continue;
            for (int c = 0; c < 4; ++c)
                if (c != alpha) p[c] = premultiply(p[c], a);
        }
    }
    cairo_surface_mark_dirty(s);
    return std::shared_ptr<CBitmap>(new CBitmap(s, density));
}

std::shared_ptr<CBitmap> CBitmap::fromResource(const std::string& name) {
    if (name.empty()) return nullptr;
    SharedBitmaps& cache = shared();
    std::lock_guard<std::mutex> guard(cache.lock);
    auto it = cache.byName.find(name);
    if (it != cache.byName.end())
        if (auto live = it->second.lock()) return live;
    platform::Resource r = platform::findResource(name.c_str(), "PNG");
    std::shared_ptr<CBitmap> bitmap = decodePng(r.data, r.size);
    if (bitmap) {
        bitmap->resourceName_ = name;
        cache.byName[name] = bitmap;
    } else if (it != cache.byName.end())
        cache.byName.erase(it);
    return bitmap;
}

std::shared_ptr<CBitmap> CBitmap::solid(int width, int height, uint32_t argb) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_surface_flush(s);
    uint8_t* pixels = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(pixels + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x)
            row[x] = argb;
    }
    cairo_surface_mark_dirty(s);
    return std::shared_ptr<CBitmap>(new CBitmap(s, 1));
}

namespace {
// "Knob.png" -> "Knob@2x.png".
std::string companionName(const std::string& name, int density) {
    size_t dot = name.rfind('.');
    std::string suffix = "@";
    suffix += std::to_string(density);
    suffix += 'x';
    return dot == std::string::npos ? name + suffix
                                    : name.substr(0, dot) + suffix + name.substr(dot);
}
} // namespace

const CBitmap& CBitmap::forScale(double deviceScale) const {
    if (deviceScale <= 1.0 || density_ >= kHighDensity || resourceName_.empty()) return *this;
    std::call_once(companionLooked_, [this] {
        std::string name = companionName(resourceName_, kHighDensity);
        platform::Resource r = platform::findResource(name.c_str(), "PNG");
        std::shared_ptr<CBitmap> dense = decodePng(r.data, r.size, kHighDensity);
        // A companion of another logical size would put frames and hit areas elsewhere.
        if (dense && dense->width_ == width_ && dense->height_ == height_) companion_ = dense;
    });
    return companion_ ? *companion_ : *this;
}

uint32_t CBitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    x *= density_;
    y *= density_;
    cairo_surface_flush(surface_);
    const uint8_t* row = cairo_image_surface_get_data(surface_) +
                         static_cast<size_t>(y) * cairo_image_surface_get_stride(surface_);
    uint32_t v;
    std::memcpy(&v, row + 4 * x, 4);
    return v;
}

} // namespace tk
