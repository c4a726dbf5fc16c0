// Decoded PNG bitmaps. A bitmap is decoded once per process and shared by name between every
// editor that uses it; it is freed when the last user lets it go. Sizes and pixel positions are
// logical (the window at 100 %); a bitmap drawn at twice the detail has a density of 2, and an
// embedded bitmap finds its denser companion ("Knob@2x.png" for "Knob.png") when the window is
// zoomed. The pixels are kept in memory as premultiplied ARGB words; the drawing backend wraps
// them in its own image.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tk {

class CBitmap {
  public:
    // Larger images are refused: no bitmap of this editor comes near it, and a bank picture
    // chosen by the user must not exhaust memory.
    static constexpr int kMaxSide = 4096;

    // The densest companion looked for: drawn at twice the detail.
    static constexpr int kHighDensity = 2;

    // Decodes PNG bytes; null for anything that is not a valid PNG within the size limit, or
    // whose pixel size is not a whole multiple of `density` (1 to kHighDensity).
    static std::shared_ptr<CBitmap> decodePng(const uint8_t* data, size_t size, int density = 1);
    // The embedded bitmap of that name (resource type "PNG"), shared; null when absent or bad.
    static std::shared_ptr<CBitmap> fromResource(const std::string& name);
    // A bitmap of the given size, filled with one premultiplied colour (for placeholders).
    static std::shared_ptr<CBitmap> solid(int width, int height, uint32_t argb);

    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Logical size.
    int width() const { return width_; }
    int height() const { return height_; }
    // Stored pixels per logical pixel.
    int density() const { return density_; }
    // Premultiplied ARGB of the pixel at a logical position (0 outside).
    uint32_t pixel(int x, int y) const;
    // Premultiplied ARGB of a stored pixel (0 outside): at density 2, (2x, 2y) is the top left
    // of the logical pixel (x, y).
    uint32_t storedPixel(int x, int y) const;
    // The version of this bitmap to draw where one logical pixel covers `deviceScale` device
    // pixels: the denser companion when the window is zoomed and one is embedded, else this.
    const CBitmap& forScale(double deviceScale) const;

    // The drawing backend's image over the stored pixels.
    struct Native;
    Native* native() const { return native_.get(); }

  private:
    // Takes storedWidth * storedHeight premultiplied words, top row first.
    CBitmap(int storedWidth, int storedHeight, std::vector<uint32_t> pixels, int density);
    // From 0xAARRGGBB words of straight (not premultiplied) alpha, as the decoders give them;
    // null unless both sides are whole multiples of `density` within the size limit.
    static std::shared_ptr<CBitmap> fromStraightAlpha(int width, int height,
                                                      std::vector<uint32_t> argb, int density);
    struct NativeDeleter {
        void operator()(Native* n) const;
    };
    int storedWidth_;
    int storedHeight_;
    int density_;
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
    std::unique_ptr<Native, NativeDeleter> native_;
    // Companion lookup, once, on first zoomed use (embedded bitmaps only).
    std::string resourceName_;
    mutable std::once_flag companionLooked_;
    mutable std::shared_ptr<CBitmap> companion_;
};

} // namespace tk
