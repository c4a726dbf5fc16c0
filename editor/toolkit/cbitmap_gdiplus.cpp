// Bitmaps over GDI+: PNG decoding through GDI+'s own codec, and a GDI+ bitmap over the pixels.
#include <shlwapi.h>

#include <cstring>

#include "editor/toolkit/cbitmap.h"
#include "editor/toolkit/gdiplus_backend.h"

namespace tk {

CBitmap::CBitmap(int storedWidth, int storedHeight, std::vector<uint32_t> pixels, int density)
    : storedWidth_(storedWidth), storedHeight_(storedHeight), density_(density),
      width_(storedWidth / density), height_(storedHeight / density), pixels_(std::move(pixels)) {
    auto* n = new Native;
    native_.reset(n);
    if (!n->session.ok()) return;
    // GDI+ never writes to it: bitmaps are only drawn from.
    gp::GdipCreateBitmapFromScan0(storedWidth, storedHeight, storedWidth * 4, PixelFormat32bppPARGB,
                                  reinterpret_cast<BYTE*>(pixels_.data()), &n->bitmap);
}

void CBitmap::NativeDeleter::operator()(Native* n) const {
    if (n->bitmap) gp::GdipDisposeImage(n->bitmap);
    delete n;
}

std::shared_ptr<CBitmap> CBitmap::decodePng(const uint8_t* data, size_t size, int density) {
    static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    // GDI+ reads other formats too: only PNG is taken.
    if (!data || size < sizeof kSignature || size > 0x7FFFFFFF || density < 1 ||
        density > kHighDensity || std::memcmp(data, kSignature, sizeof kSignature) != 0)
        return nullptr;
    GdiplusSession session;
    if (!session.ok()) return nullptr;
    IStream* stream = SHCreateMemStream(data, static_cast<UINT>(size));
    if (!stream) return nullptr;
    Gdiplus::GpBitmap* decoded = nullptr;
    Gdiplus::Status status = gp::GdipCreateBitmapFromStream(stream, &decoded);
    stream->Release();
    if (status != Gdiplus::Ok || !decoded) return nullptr;
    UINT w = 0, h = 0;
    gp::GdipGetImageWidth(decoded, &w);
    gp::GdipGetImageHeight(decoded, &h);
    std::shared_ptr<CBitmap> result;
    const UINT maxSide = static_cast<UINT>(kMaxSide * density);
    if (w > 0 && h > 0 && w <= maxSide && h <= maxSide) {
        // Straight-alpha words, premultiplied by our own rounding so the pixels match libpng's.
        std::vector<uint32_t> words(static_cast<size_t>(w) * h);
        Gdiplus::BitmapData lock{};
        lock.Width = w;
        lock.Height = h;
        lock.Stride = static_cast<INT>(w * 4);
        lock.PixelFormat = PixelFormat32bppARGB;
        lock.Scan0 = words.data();
        Gdiplus::GpRect all(0, 0, static_cast<INT>(w), static_cast<INT>(h));
        if (gp::GdipBitmapLockBits(decoded, &all,
                                   Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                   PixelFormat32bppARGB, &lock) == Gdiplus::Ok) {
            // A damaged image data stream shows up only now, as a failed unlock.
            if (gp::GdipBitmapUnlockBits(decoded, &lock) == Gdiplus::Ok)
                result = fromStraightAlpha(static_cast<int>(w), static_cast<int>(h),
                                           std::move(words), density);
        }
    }
    gp::GdipDisposeImage(decoded);
    return result;
}

} // namespace tk
