// The PNG decoder on arbitrary bytes: an image is refused or decoded whole, never larger than
// the limit, and every decoded pixel can be read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "editor/toolkit/cbitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto bitmap = tk::CBitmap::decodePng(data, size);
    if (!bitmap) return 0;
    int w = bitmap->width(), h = bitmap->height();
    if (w <= 0 || h <= 0 || w > tk::CBitmap::kMaxSide || h > tk::CBitmap::kMaxSide) {
        std::fprintf(stderr, "decoded size %d x %d outside the limits\n", w, h);
        std::abort();
    }
    uint32_t sum = 0;
    for (int y = 0; y < h; y += 7)
        for (int x = 0; x < w; x += 7) {
            uint32_t p = bitmap->pixel(x, y);
            // Premultiplied: no colour channel above its alpha.
            uint32_t a = p >> 24;
            if (((p >> 16) & 255) > a || ((p >> 8) & 255) > a || (p & 255) > a) {
                std::fprintf(stderr, "pixel %d,%d is not premultiplied: %08x\n", x, y, p);
                std::abort();
            }
            sum += p;
        }
    return static_cast<int>(sum & 0);
}
