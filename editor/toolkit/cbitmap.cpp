// The parts of bitmaps that do not depend on the drawing library: the shared cache, the pixel
// words and premultiplying. Decoding and the backend's image are in cbitmap_<backend>.cpp.
#include "editor/toolkit/cbitmap.h"

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

uint32_t premultiply(uint32_t c, uint32_t a) {
    return (c * a + 127) / 255;
}

bool validSize(int width, int height) {
    return width > 0 && height > 0 && width <= CBitmap::kMaxSide && height <= CBitmap::kMaxSide;
}

} // namespace

std::shared_ptr<CBitmap> CBitmap::fromStraightAlpha(int width, int height,
                                                    std::vector<uint32_t> argb) {
    if (!validSize(width, height) || argb.size() != static_cast<size_t>(width) * height)
        return nullptr;
    for (uint32_t& p : argb) {
        uint32_t a = p >> 24;
        if (a == 255) continue;
        p = a << 24 | premultiply((p >> 16) & 0xFF, a) << 16 |
            premultiply((p >> 8) & 0xFF, a) << 8 | premultiply(p & 0xFF, a);
    }
    return std::shared_ptr<CBitmap>(new CBitmap(width, height, std::move(argb)));
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
    if (bitmap)
        cache.byName[name] = bitmap;
    else if (it != cache.byName.end())
        cache.byName.erase(it);
    return bitmap;
}

std::shared_ptr<CBitmap> CBitmap::solid(int width, int height, uint32_t argb) {
    if (!validSize(width, height)) return nullptr;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, argb);
    return std::shared_ptr<CBitmap>(new CBitmap(width, height, std::move(pixels)));
}

uint32_t CBitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

CBitmap::~CBitmap() = default;

} // namespace tk
