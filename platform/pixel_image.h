// A picture in memory as the editor draws it: premultiplied ARGB words in the machine's byte
// order (blue first on little-endian machines), top row first, rows `stride` bytes apart.
#pragma once
#include <cstdint>

namespace platform {

struct PixelImage {
    const uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

} // namespace platform
