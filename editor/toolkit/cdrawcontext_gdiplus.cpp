// The draw context over GDI+. Settings chosen to match the Cairo backend's pixels: pixel
// centres at half coordinates, antialiased shapes, nearest-neighbour bitmap copies.
#include <algorithm>
#include <cmath>

#include "editor/toolkit/cdrawcontext.h"
#include "editor/toolkit/gdiplus_backend.h"
#include "platform/utf16_win32.h"

namespace tk {

namespace {

using Gdiplus::GpGraphics;

Gdiplus::ARGB argbOf(CColor c) {
    return static_cast<Gdiplus::ARGB>(c.a) << 24 | static_cast<Gdiplus::ARGB>(c.r) << 16 |
           static_cast<Gdiplus::ARGB>(c.g) << 8 | c.b;
}

void configure(GpGraphics* g) {
    gp::GdipSetSmoothingMode(g, Gdiplus::SmoothingModeAntiAlias);
    gp::GdipSetPixelOffsetMode(g, Gdiplus::PixelOffsetModeHalf);
    gp::GdipSetInterpolationMode(g, Gdiplus::InterpolationModeNearestNeighbor);
    gp::GdipSetTextRenderingHint(g, Gdiplus::TextRenderingHintAntiAlias);
    gp::GdipSetCompositingMode(g, Gdiplus::CompositingModeSourceOver);
}

// A drawing surface: a GDI+ bitmap over premultiplied words, and a graphics drawing on it.
struct Surface {
    int width = 0, height = 0;
    std::vector<uint32_t> ownPixels; // layers only; the offscreen context keeps its own
    uint32_t* pixels = nullptr;      // width words a row
    Gdiplus::GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;

    bool open(int w, int h, uint32_t* words) {
        width = w;
        height = h;
        pixels = words;
        if (gp::GdipCreateBitmapFromScan0(w, h, w * 4, PixelFormat32bppPARGB,
                                          reinterpret_cast<BYTE*>(words), &bitmap) != Gdiplus::Ok)
            return false;
        if (gp::GdipGetImageGraphicsContext(bitmap, &graphics) != Gdiplus::Ok) return false;
        configure(graphics);
        return true;
    }
    void close() {
        if (graphics) gp::GdipDeleteGraphics(graphics);
        if (bitmap) gp::GdipDisposeImage(bitmap);
        graphics = nullptr;
        bitmap = nullptr;
    }
};

// Image attributes for whole-pixel copies with an alpha: edges repeat inwards instead of
// blending with what lies beyond the source rectangle.
class CopyAttributes {
  public:
    explicit CopyAttributes(double alpha) {
        if (gp::GdipCreateImageAttributes(&attributes_) != Gdiplus::Ok) return;
        gp::GdipSetImageAttributesWrapMode(attributes_, Gdiplus::WrapModeTileFlipXY, 0, FALSE);
        if (alpha < 1.0) {
            Gdiplus::ColorMatrix m{};
            for (int i = 0; i < 5; ++i)
                m.m[i][i] = 1.0f;
            m.m[3][3] = static_cast<Gdiplus::REAL>(alpha);
            gp::GdipSetImageAttributesColorMatrix(attributes_, Gdiplus::ColorAdjustTypeDefault,
                                                  TRUE, &m, nullptr,
                                                  Gdiplus::ColorMatrixFlagsDefault);
        }
    }
    ~CopyAttributes() {
        if (attributes_) gp::GdipDisposeImageAttributes(attributes_);
    }
    CopyAttributes(const CopyAttributes&) = delete;
    CopyAttributes& operator=(const CopyAttributes&) = delete;
    Gdiplus::GpImageAttributes* get() const { return attributes_; }

  private:
    Gdiplus::GpImageAttributes* attributes_ = nullptr;
};

// x * y / 255, rounded as Cairo's pixel library does it.
uint32_t multiply(uint32_t x, uint32_t y) {
    uint32_t t = x * y + 0x80;
    return ((t >> 8) + t) >> 8;
}

// One premultiplied pixel over another, with the same arithmetic as Cairo's, so bitmaps
// composite to the same pixels on both backends.
uint32_t over(uint32_t source, uint32_t dest) {
    uint32_t inverse = 255 - (source >> 24);
    if (inverse == 0) return source;
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        uint32_t c = ((source >> shift) & 0xFF) + multiply((dest >> shift) & 0xFF, inverse);
        out |= std::min(c, 255u) << shift;
    }
    return out;
}

} // namespace

struct CDrawContext::Backend {
    GdiplusSession session;
    // [0] draws on the context's target; each open layer adds one.
    std::vector<Surface> surfaces;
    // push() states, each with the graphics it was saved on.
    struct Saved {
        GpGraphics* graphics;
        Gdiplus::GraphicsState state;
    };
    std::vector<Saved> saved;
    // The origin and clip in device pixels, kept beside GDI+'s own for the copies done here;
    // `whole` while no scale makes view pixels other than device pixels.
    struct Place {
        int dx = 0, dy = 0;
        CRect clip;
        bool whole = true;
    };
    std::vector<Place> places;

    GpGraphics* g() const { return surfaces.empty() ? nullptr : surfaces.back().graphics; }
    ~Backend() {
        for (Surface& s : surfaces)
            s.close();
    }
};

CDrawContext::CDrawContext(const CFontSet* fonts) : fonts_(fonts) {}
CDrawContext::~CDrawContext() = default;

void CDrawContext::push(int dx, int dy, const CRect& clip) {
    Backend::Place place = backend_->places.back();
    place.dx += dx;
    place.dy += dy;
    place.clip = place.clip.intersection(clip.offset(place.dx, place.dy));
    backend_->places.push_back(place);
    GpGraphics* g = backend_->g();
    if (!g) return;
    Gdiplus::GraphicsState state = 0;
    gp::GdipSaveGraphics(g, &state);
    backend_->saved.push_back({g, state});
    gp::GdipTranslateWorldTransform(g, static_cast<Gdiplus::REAL>(dx),
                                    static_cast<Gdiplus::REAL>(dy), Gdiplus::MatrixOrderPrepend);
    gp::GdipSetClipRectI(g, clip.left, clip.top, clip.width(), clip.height(),
                         Gdiplus::CombineModeIntersect);
}

void CDrawContext::pop() {
    if (backend_->places.size() > 1) backend_->places.pop_back();
    if (backend_->saved.empty()) return;
    Backend::Saved s = backend_->saved.back();
    backend_->saved.pop_back();
    gp::GdipRestoreGraphics(s.graphics, s.state);
}

void CDrawContext::scale(double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor)) return;
    if (factor != 1.0) backend_->places.back().whole = false;
    if (GpGraphics* g = backend_->g())
        gp::GdipScaleWorldTransform(g, static_cast<Gdiplus::REAL>(factor),
                                    static_cast<Gdiplus::REAL>(factor),
                                    Gdiplus::MatrixOrderPrepend);
}

void CDrawContext::fillRect(const CRect& r, CColor c) {
    GpGraphics* g = backend_->g();
    if (!g || r.empty()) return;
    Gdiplus::GpSolidFill* brush = nullptr;
    if (gp::GdipCreateSolidFill(argbOf(c), &brush) != Gdiplus::Ok) return;
    gp::GdipFillRectangleI(g, brush, r.left, r.top, r.width(), r.height());
    gp::GdipDeleteBrush(brush);
}

void CDrawContext::clearRect(const CRect& r, CColor c) {
    GpGraphics* g = backend_->g();
    if (!g) return;
    gp::GdipSetCompositingMode(g, Gdiplus::CompositingModeSourceCopy);
    fillRect(r, c);
    gp::GdipSetCompositingMode(g, Gdiplus::CompositingModeSourceOver);
}

namespace {
// Straight bands are filled, not stroked: GDI+ implementations place a pen's pixels on
// either side of a half-pixel centre line, a fill lands on the same pixels everywhere.
void fillBand(GpGraphics* g, Gdiplus::GpBrush* brush, double x0, double y0, double x1, double y1) {
    if (x1 <= x0 || y1 <= y0) return;
    gp::GdipFillRectangle(g, brush, static_cast<Gdiplus::REAL>(x0), static_cast<Gdiplus::REAL>(y0),
                          static_cast<Gdiplus::REAL>(x1 - x0), static_cast<Gdiplus::REAL>(y1 - y0));
}
} // namespace

void CDrawContext::frameRect(const CRect& r, CColor c, double lineWidth) {
    GpGraphics* g = backend_->g();
    if (!g || r.empty() || !(lineWidth > 0.0)) return;
    Gdiplus::GpSolidFill* brush = nullptr;
    if (gp::GdipCreateSolidFill(argbOf(c), &brush) != Gdiplus::Ok) return;
    double w = std::fmin(lineWidth, std::fmin(r.width(), r.height()) / 2.0);
    fillBand(g, brush, r.left, r.top, r.right, r.top + w);
    fillBand(g, brush, r.left, r.bottom - w, r.right, r.bottom);
    fillBand(g, brush, r.left, r.top + w, r.left + w, r.bottom - w);
    fillBand(g, brush, r.right - w, r.top + w, r.right, r.bottom - w);
    gp::GdipDeleteBrush(brush);
}

void CDrawContext::fillRoundRect(const CRect& r, double radius, CColor c) {
    GpGraphics* g = backend_->g();
    if (!g || r.empty()) return;
    auto x = static_cast<Gdiplus::REAL>(r.left), y = static_cast<Gdiplus::REAL>(r.top);
    auto w = static_cast<Gdiplus::REAL>(r.width()), h = static_cast<Gdiplus::REAL>(r.height());
    auto d = static_cast<Gdiplus::REAL>(2 * std::fmin(radius, std::fmin(w, h) / 2));
    if (d <= 0) {
        fillRect(r, c);
        return;
    }
    Gdiplus::GpPath* path = nullptr;
    if (gp::GdipCreatePath(Gdiplus::FillModeAlternate, &path) != Gdiplus::Ok) return;
    // Corners clockwise from the top right; angles in degrees, clockwise from +x.
    gp::GdipAddPathArc(path, x + w - d, y, d, d, 270, 90);
    gp::GdipAddPathArc(path, x + w - d, y + h - d, d, d, 0, 90);
    gp::GdipAddPathArc(path, x, y + h - d, d, d, 90, 90);
    gp::GdipAddPathArc(path, x, y, d, d, 180, 90);
    gp::GdipClosePathFigure(path);
    Gdiplus::GpSolidFill* brush = nullptr;
    if (gp::GdipCreateSolidFill(argbOf(c), &brush) == Gdiplus::Ok) {
        gp::GdipFillPath(g, brush, path);
        gp::GdipDeleteBrush(brush);
    }
    gp::GdipDeletePath(path);
}

void CDrawContext::drawLine(CPoint a, CPoint b, CColor c, double lineWidth) {
    drawPolyline({a, b}, c, lineWidth);
}

void CDrawContext::drawPolyline(const std::vector<CPoint>& points, CColor c, double lineWidth) {
    GpGraphics* g = backend_->g();
    if (!g || points.size() < 2 || !(lineWidth > 0.0)) return;
    bool straight = true;
    for (size_t i = 1; i < points.size(); ++i)
        straight = straight && (points[i].x == points[i - 1].x || points[i].y == points[i - 1].y);
    if (straight) {
        // Each segment as the band a butt-capped line through the pixel centres covers.
        Gdiplus::GpSolidFill* brush = nullptr;
        if (gp::GdipCreateSolidFill(argbOf(c), &brush) != Gdiplus::Ok) return;
        double h = lineWidth / 2;
        for (size_t i = 1; i < points.size(); ++i) {
            CPoint a = points[i - 1], b = points[i];
            double x0 = std::min(a.x, b.x) + 0.5, x1 = std::max(a.x, b.x) + 0.5;
            double y0 = std::min(a.y, b.y) + 0.5, y1 = std::max(a.y, b.y) + 0.5;
            if (a.y == b.y)
                fillBand(g, brush, x0, y0 - h, x1, y0 + h);
            else
                fillBand(g, brush, x0 - h, y0, x0 + h, y1);
        }
        gp::GdipDeleteBrush(brush);
        return;
    }
    Gdiplus::GpPen* pen = nullptr;
    if (gp::GdipCreatePen1(argbOf(c), static_cast<Gdiplus::REAL>(lineWidth), Gdiplus::UnitPixel,
                           &pen) != Gdiplus::Ok)
        return;
    // Flat ends, as Cairo's default butt caps.
    gp::GdipSetPenLineCap197819(pen, Gdiplus::LineCapFlat, Gdiplus::LineCapFlat,
                                Gdiplus::DashCapFlat);
    std::vector<Gdiplus::PointF> through(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        through[i] = Gdiplus::PointF(static_cast<Gdiplus::REAL>(points[i].x + 0.5),
                                     static_cast<Gdiplus::REAL>(points[i].y + 0.5));
    gp::GdipDrawLines(g, pen, through.data(), static_cast<INT>(through.size()));
    gp::GdipDeletePen(pen);
}

void CDrawContext::drawBitmap(const CBitmap& bitmap, const CRect& dest, int srcX, int srcY,
                              double alpha) {
    GpGraphics* g = backend_->g();
    const CBitmap::Native* n = bitmap.native();
    if (!g || !n || !n->bitmap || dest.empty() || alpha <= 0.0) return;
    // Only the part of the source that exists is copied, as Cairo leaves the rest untouched.
    CRect source = CRect::fromSize(srcX, srcY, dest.width(), dest.height())
                       .intersection(CRect{0, 0, bitmap.width(), bitmap.height()});
    if (source.empty()) return;
    CRect to = source.offset(dest.left - srcX, dest.top - srcY);
    const Backend::Place& place = backend_->places.back();
    if (place.whole && alpha >= 1.0) {
        // Whole pixels at full strength: composited here, exactly as Cairo does.
        Surface& target = backend_->surfaces.back();
        gp::GdipFlush(target.graphics, Gdiplus::FlushIntentionSync);
        CRect device = to.offset(place.dx, place.dy)
                           .intersection(place.clip)
                           .intersection(CRect{0, 0, target.width, target.height});
        int shiftX = srcX - dest.left - place.dx, shiftY = srcY - dest.top - place.dy;
        for (int y = device.top; y < device.bottom; ++y) {
            uint32_t* row = target.pixels + static_cast<size_t>(y) * target.width;
            for (int x = device.left; x < device.right; ++x) {
                uint32_t s = bitmap.pixel(x + shiftX, y + shiftY);
                if (s) row[x] = over(s, row[x]);
            }
        }
        return;
    }
    CopyAttributes attributes(alpha);
    gp::GdipDrawImageRectRectI(g, n->bitmap, to.left, to.top, to.width(), to.height(), source.left,
                               source.top, source.width(), source.height(), Gdiplus::UnitPixel,
                               attributes.get(), nullptr, nullptr);
}

namespace {

// A font of the set at a size in pixels, released with the object.
class SizedFont {
  public:
    SizedFont(const CFontSet* fonts, const CFontDesc& desc) {
        face_ = fonts ? fonts->face(desc.weight) : nullptr;
        if (!face_ || !(desc.size > 0.0)) return;
        gp::GdipCreateFont(face_->family, static_cast<Gdiplus::REAL>(desc.size), face_->style,
                           Gdiplus::UnitPixel, &font_);
        UINT16 em = 0, ascent = 0, descent = 0;
        gp::GdipGetEmHeight(face_->family, face_->style, &em);
        gp::GdipGetCellAscent(face_->family, face_->style, &ascent);
        gp::GdipGetCellDescent(face_->family, face_->style, &descent);
        if (em > 0) {
            ascent_ = desc.size * ascent / em;
            descent_ = desc.size * descent / em;
        }
        // Typographic layout: no padding around the text, trailing spaces measured.
        Gdiplus::GpStringFormat* typographic = nullptr;
        if (gp::GdipStringFormatGetGenericTypographic(&typographic) == Gdiplus::Ok)
            gp::GdipCloneStringFormat(typographic, &format_);
        if (format_)
            gp::GdipSetStringFormatFlags(format_,
                                         Gdiplus::StringFormatFlagsNoWrap |
                                             Gdiplus::StringFormatFlagsMeasureTrailingSpaces |
                                             Gdiplus::StringFormatFlagsNoClip);
    }
    ~SizedFont() {
        if (font_) gp::GdipDeleteFont(font_);
        if (format_) gp::GdipDeleteStringFormat(format_);
    }
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;

    bool ok() const { return font_ && format_; }
    double ascent() const { return ascent_; }
    double descent() const { return descent_; }

    double width(GpGraphics* g, const std::wstring& text) const {
        Gdiplus::RectF layout(0, 0, 100000.0f, 100000.0f), box;
        if (gp::GdipMeasureString(g, text.c_str(), static_cast<INT>(text.size()), font_, &layout,
                                  format_, &box, nullptr, nullptr) != Gdiplus::Ok)
            return 0.0;
        return box.Width;
    }
    void draw(GpGraphics* g, const std::wstring& text, double x, double top,
              Gdiplus::GpBrush* brush) const {
        Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(top),
                              100000.0f, 100000.0f);
        gp::GdipDrawString(g, text.c_str(), static_cast<INT>(text.size()), font_, &layout, format_,
                           brush);
    }

  private:
    const CFontSet::Face* face_ = nullptr;
    Gdiplus::GpFont* font_ = nullptr;
    Gdiplus::GpStringFormat* format_ = nullptr;
    double ascent_ = 0.0, descent_ = 0.0;
};

} // namespace

double CDrawContext::textWidth(const std::string& text, const CFontDesc& font) {
    GpGraphics* g = backend_->g();
    if (!g || text.empty()) return 0.0;
    SizedFont sized(fonts_, font);
    if (!sized.ok()) return 0.0;
    return sized.width(g, platform::toUtf16(text));
}

void CDrawContext::drawText(const std::string& text, const CRect& box, const CFontDesc& font,
                            CColor c, TextAlign align) {
    GpGraphics* g = backend_->g();
    if (!g || text.empty() || box.empty()) return;
    SizedFont sized(fonts_, font);
    std::wstring wide = platform::toUtf16(text);
    if (!sized.ok() || wide.empty()) return;
    double advance = sized.width(g, wide);
    double x = box.left + 2;
    if (align == TextAlign::Center)
        x = box.left + (box.width() - advance) / 2;
    else if (align == TextAlign::Right)
        x = box.right - 2 - advance;
    double baseline = std::round(box.top + (box.height() + sized.ascent() - sized.descent()) / 2);
    Gdiplus::GraphicsState state = 0;
    gp::GdipSaveGraphics(g, &state);
    gp::GdipSetClipRectI(g, box.left, box.top, box.width(), box.height(),
                         Gdiplus::CombineModeIntersect);
    Gdiplus::GpSolidFill* brush = nullptr;
    if (gp::GdipCreateSolidFill(argbOf(c), &brush) == Gdiplus::Ok) {
        sized.draw(g, wide, std::round(x), baseline - sized.ascent(), brush);
        gp::GdipDeleteBrush(brush);
    }
    gp::GdipRestoreGraphics(g, state);
}

void CDrawContext::beginLayer() {
    GpGraphics* g = backend_->g();
    if (!g) return;
    const Surface& below = backend_->surfaces.back();
    Surface layer;
    layer.ownPixels.assign(static_cast<size_t>(below.width) * below.height, 0u);
    if (!layer.open(below.width, below.height, layer.ownPixels.data())) {
        layer.close();
        return;
    }
    // The layer starts with the same origin, scale and clip as the picture below.
    Gdiplus::GpMatrix* m = nullptr;
    if (gp::GdipCreateMatrix(&m) == Gdiplus::Ok) {
        gp::GdipGetWorldTransform(g, m);
        gp::GdipSetWorldTransform(layer.graphics, m);
        gp::GdipDeleteMatrix(m);
    }
    Gdiplus::GpRegion* clip = nullptr;
    if (gp::GdipCreateRegion(&clip) == Gdiplus::Ok) {
        gp::GdipGetClip(g, clip);
        gp::GdipSetClipRegion(layer.graphics, clip, Gdiplus::CombineModeReplace);
        gp::GdipDeleteRegion(clip);
    }
    backend_->surfaces.push_back(std::move(layer));
}

void CDrawContext::endLayer(double alpha) {
    if (backend_->surfaces.size() < 2) return;
    Surface layer = std::move(backend_->surfaces.back());
    backend_->surfaces.pop_back();
    gp::GdipFlush(layer.graphics, Gdiplus::FlushIntentionSync);
    GpGraphics* g = backend_->g();
    // The layer is laid on in device pixels; the clip below stays where it is.
    Gdiplus::GraphicsState state = 0;
    gp::GdipSaveGraphics(g, &state);
    gp::GdipResetWorldTransform(g);
    CopyAttributes attributes(alpha);
    gp::GdipDrawImageRectRectI(g, layer.bitmap, 0, 0, layer.width, layer.height, 0, 0, layer.width,
                               layer.height, Gdiplus::UnitPixel, attributes.get(), nullptr,
                               nullptr);
    gp::GdipRestoreGraphics(g, state);
    layer.close();
}

COffscreenContext::COffscreenContext(int width, int height, const CFontSet* fonts)
    : CDrawContext(fonts), width_(width > 0 ? width : 1), height_(height > 0 ? height : 1),
      pixels_(static_cast<size_t>(width_) * height_) {
    backend_ = std::make_unique<Backend>();
    backend_->places.push_back({0, 0, CRect{0, 0, width_, height_}, true});
    if (!backend_->session.ok()) return;
    Surface target;
    if (target.open(width_, height_, pixels_.data()))
        backend_->surfaces.push_back(target);
    else
        target.close();
}

COffscreenContext::~COffscreenContext() {
    backend_.reset(); // before the pixels it draws on
}

uint32_t COffscreenContext::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    if (GpGraphics* g = backend_->g()) gp::GdipFlush(g, Gdiplus::FlushIntentionSync);
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

platform::PixelImage COffscreenContext::image() const {
    if (GpGraphics* g = backend_->g()) gp::GdipFlush(g, Gdiplus::FlushIntentionSync);
    return {reinterpret_cast<const uint8_t*>(pixels_.data()), width_, height_, width_ * 4};
}

} // namespace tk
