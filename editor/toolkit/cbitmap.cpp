// The parts of bitmaps that do not depend on the drawing library: the shared cache, the pixel
// words, premultiplying and the denser companions. Decoding and the backend's image are in
// cbitmap_<backend>.cpp.
#include "editor/toolkit/cbitmap.h"

#include <map>
#include <mutex>

#include "common/bitmap_names.h"
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

bool validSize(int width, int height, int density) {
    return density >= 1 && density <= CBitmap::kHighDensity && width > 0 && height > 0 &&
           width <= CBitmap::kMaxSide * density && height <= CBitmap::kMaxSide * density &&
           width % density == 0 && height % density == 0;
}

} // namespace

CBitmap::~CBitmap() = default;

std::shared_ptr<CBitmap> CBitmap::fromStraightAlpha(int width, int height,
                                                    std::vector<uint32_t> argb, int density) {
    if (!validSize(width, height, density) || argb.size() != static_cast<size_t>(width) * height)
        return nullptr;
    for (uint32_t& p : argb) {
        uint32_t a = p >> 24;
        if (a == 255) continue;
        p = a << 24 | premultiply((p >> 16) & 0xFF, a) << 16 |
            premultiply((p >> 8) & 0xFF, a) << 8 | premultiply(p & 0xFF, a);
    }
    return std::shared_ptr<CBitmap>(new CBitmap(width, height, std::move(argb), density));
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
    if (!validSize(width, height, 1)) return nullptr;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, argb);
    return std::shared_ptr<CBitmap>(new CBitmap(width, height, std::move(pixels), 1));
}

const CBitmap& CBitmap::forScale(double deviceScale) const {
    if (deviceScale <= 1.0 || density_ >= kHighDensity || resourceName_.empty()) return *this;
    std::call_once(companionLooked_, [this] {
        std::string name = tarlix::denseBitmapName(resourceName_, kHighDensity);
        platform::Resource r = platform::findResource(name.c_str(), "PNG");
        std::shared_ptr<CBitmap> dense = decodePng(r.data, r.size, kHighDensity);
        // A companion of another logical size would put frames and hit areas elsewhere.
        if (dense && dense->width_ == width_ && dense->height_ == height_) companion_ = dense;
    });
    return companion_ ? *companion_ : *this;
}

uint32_t CBitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return storedPixel(x * density_, y * density_);
}

uint32_t CBitmap::storedPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= storedWidth_ || y >= storedHeight_) return 0;
    return pixels_[static_cast<size_t>(y) * storedWidth_ + x];
}

} // namespace tk
