// Decoded PNG bitmaps. A bitmap is decoded once per process and shared by name between every
// editor that uses it; it is freed when the last user lets it go. The pixels are kept in
// memory as premultiplied ARGB words; the drawing backend wraps them in its own image.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class CBitmap {
  public:
    // Larger images are refused: no bitmap of this editor comes near it, and a bank picture
    // chosen by the user must not exhaust memory.
    static constexpr int kMaxSide = 4096;

    // Decodes PNG bytes; null for anything that is not a valid PNG within the size limit.
    static std::shared_ptr<CBitmap> decodePng(const uint8_t* data, size_t size);
    // The embedded bitmap of that name (resource type "PNG"), shared; null when absent or bad.
    static std::shared_ptr<CBitmap> fromResource(const std::string& name);
    // A bitmap of the given size, filled with one premultiplied colour (for placeholders).
    static std::shared_ptr<CBitmap> solid(int width, int height, uint32_t argb);

    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    // Premultiplied ARGB of one pixel (0 outside).
    uint32_t pixel(int x, int y) const;

    // The drawing backend's image over the pixels.
    struct Native;
    Native* native() const { return native_.get(); }

  private:
    // Takes width * height premultiplied words, top row first.
    CBitmap(int width, int height, std::vector<uint32_t> pixels);
    // From 0xAARRGGBB words of straight (not premultiplied) alpha, as the decoders give them.
    static std::shared_ptr<CBitmap> fromStraightAlpha(int width, int height,
                                                      std::vector<uint32_t> argb);
    struct NativeDeleter {
        void operator()(Native* n) const;
    };
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
    std::unique_ptr<Native, NativeDeleter> native_;
};

} // namespace tk
