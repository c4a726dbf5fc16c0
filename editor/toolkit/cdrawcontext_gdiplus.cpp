// The draw context over GDI+, made to give the Cairo backend's pixels. GDI+ draws text and
// whole-pixel rectangles and lays layers on; bitmaps are composited here with Cairo's
// arithmetic (copied one to one, or resampled from the frame alone under a zoom), and paths,
// lines and shapes whose edges fall between pixels go through the toolkit's own coverage
// rasteriser (shape_raster.h), since GDI+ implementations differ in where and whether they
// anti-alias.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "editor/toolkit/cdrawcontext.h"
#include "editor/toolkit/gdiplus_backend.h"
#include "editor/toolkit/shape_raster.h"
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
    CopyAttributes(double alpha, Gdiplus::WrapMode wrap) {
        if (gp::GdipCreateImageAttributes(&attributes_) != Gdiplus::Ok) return;
        gp::GdipSetImageAttributesWrapMode(attributes_, wrap, 0, FALSE);
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

namespace {

// An interval of device coordinates.
struct Span {
    double from, to;
    Span meet(Span o) const { return {std::max(from, o.from), std::min(to, o.to)}; }
    // How much of the pixel [p, p + 1] it covers.
    double cover(int p) const {
        return std::max(0.0, std::min(to, p + 1.0) - std::max(from, double(p)));
    }
};

// The origin, scale and clip in device pixels, kept beside GDI+'s own for the drawing done
// here.
struct DevicePlace {
    double dx = 0, dy = 0;
    double scale = 1.0;
    CRect clip;        // the device pixels it touches
    Span clipX, clipY; // exactly, edges between pixels too
};

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
    using Place = DevicePlace;
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
    place.dx += dx * place.scale;
    place.dy += dy * place.scale;
    // The device pixels the clip touches (exact where the scale is whole).
    constexpr double kSlack = 1e-9;
    auto down = [&](double origin, int v) {
        return static_cast<int>(std::floor(origin + v * place.scale + kSlack));
    };
    auto up = [&](double origin, int v) {
        return static_cast<int>(std::ceil(origin + v * place.scale - kSlack));
    };
    place.clip =
        place.clip.intersection(CRect{down(place.dx, clip.left), down(place.dy, clip.top),
                                      up(place.dx, clip.right), up(place.dy, clip.bottom)});
    place.clipX =
        place.clipX.meet({place.dx + clip.left * place.scale, place.dx + clip.right * place.scale});
    place.clipY =
        place.clipY.meet({place.dy + clip.top * place.scale, place.dy + clip.bottom * place.scale});
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
    backend_->places.back().scale *= factor;
    if (GpGraphics* g = backend_->g())
        gp::GdipScaleWorldTransform(g, static_cast<Gdiplus::REAL>(factor),
                                    static_cast<Gdiplus::REAL>(factor),
                                    Gdiplus::MatrixOrderPrepend);
}

namespace {
CPaint paintOf(CColor c) {
    return CPaint::colour(uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b, c.a / 255.0);
}
} // namespace

void CDrawContext::fillRect(const CRect& r, CColor c) {
    GpGraphics* g = backend_->g();
    if (!g || r.empty()) return;
    const Backend::Place& place = backend_->places.back();
    const bool wholePixels = place.scale == std::floor(place.scale) &&
                             place.dx == std::floor(place.dx) && place.dy == std::floor(place.dy);
    if (!wholePixels) { // edges between device pixels cover them partly
        CPath path;
        path.rect(r.left, r.top, r.width(), r.height());
        fillPath(path, paintOf(c));
        return;
    }
    Gdiplus::GpSolidFill* brush = nullptr;
    if (gp::GdipCreateSolidFill(argbOf(c), &brush) != Gdiplus::Ok) return;
    gp::GdipFillRectangleI(g, brush, r.left, r.top, r.width(), r.height());
    gp::GdipDeleteBrush(brush);
}

void CDrawContext::frameRect(const CRect& r, CColor c, double lineWidth) {
    if (r.empty() || !(lineWidth > 0.0)) return;
    // Four bands inside the rectangle, where a stroke along its inner edge lies.
    const double w = std::fmin(lineWidth, std::fmin(r.width(), r.height()) / 2.0);
    CPath bands;
    bands.rect(r.left, r.top, r.width(), w);
    bands.rect(r.left, r.bottom - w, r.width(), w);
    bands.rect(r.left, r.top + w, w, r.height() - 2 * w);
    bands.rect(r.right - w, r.top + w, w, r.height() - 2 * w);
    fillPath(bands, paintOf(c));
}

void CDrawContext::fillRoundRect(const CRect& r, double radius, CColor c) {
    if (r.empty()) return;
    if (!(radius > 0.0)) {
        fillRect(r, c);
        return;
    }
    CPath path;
    path.roundRect(r.left, r.top, r.width(), r.height(), radius);
    fillPath(path, paintOf(c));
}

void CDrawContext::drawLine(CPoint a, CPoint b, CColor c, double lineWidth) {
    drawPolyline({a, b}, c, lineWidth);
}

void CDrawContext::drawPolyline(const std::vector<CPoint>& points, CColor c, double lineWidth) {
    if (points.size() < 2 || !(lineWidth > 0.0)) return;
    // Through the pixel centres, flat ends.
    CPath path;
    path.moveTo(points[0].x + 0.5, points[0].y + 0.5);
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i].x + 0.5, points[i].y + 0.5);
    CPen pen;
    pen.width = lineWidth;
    strokePath(path, paintOf(c), pen);
}

void CDrawContext::drawBitmap(const CBitmap& bitmap, const CRect& dest, int srcX, int srcY,
                              double alpha) {
    GpGraphics* g = backend_->g();
    if (!g || dest.empty() || alpha <= 0.0) return;
    const Backend::Place& place = backend_->places.back();
    const CBitmap& shown = bitmap.forScale(place.scale);
    const CBitmap::Native* n = shown.native();
    if (!n || !n->bitmap) return;
    const int density = shown.density();
    // Only the part of the source that exists is copied, as Cairo leaves the rest untouched.
    CRect source = CRect::fromSize(srcX, srcY, dest.width(), dest.height())
                       .intersection(CRect{0, 0, shown.width(), shown.height()});
    if (source.empty()) return;
    CRect to = source.offset(dest.left - srcX, dest.top - srcY);
    const bool oneToOne = std::fabs(place.scale - density) < 1e-6;
    const bool wholeOrigin = place.dx == std::floor(place.dx) && place.dy == std::floor(place.dy);
    if (oneToOne && wholeOrigin && alpha >= 1.0) {
        // Stored pixels on device pixels at full strength: composited here, exactly as Cairo
        // does.
        Surface& target = backend_->surfaces.back();
        gp::GdipFlush(target.graphics, Gdiplus::FlushIntentionSync);
        const int ox = static_cast<int>(place.dx), oy = static_cast<int>(place.dy);
        CRect device =
            CRect{to.left * density, to.top * density, to.right * density, to.bottom * density}
                .offset(ox, oy)
                .intersection(place.clip)
                .intersection(CRect{0, 0, target.width, target.height});
        // The stored pixel under device pixel (x, y) is (x - baseX, y - baseY).
        const int baseX = ox + (dest.left - srcX) * density;
        const int baseY = oy + (dest.top - srcY) * density;
        for (int y = device.top; y < device.bottom; ++y) {
            uint32_t* row = target.pixels + static_cast<size_t>(y) * target.width;
            for (int x = device.left; x < device.right; ++x) {
                uint32_t p = shown.storedPixel(x - baseX, y - baseY);
                if (p) row[x] = over(p, row[x]);
            }
        }
        return;
    }
    // Resampled here from the frame alone (beyond its edges is transparent, so a strip's
    // neighbouring frames never bleed in): averaged over each device pixel's footprint when
    // it spans more than a stored pixel and a third, else between the four nearest; the
    // edges of the place and the clip cover their pixels partly. Device pixels per stored
    // pixel are the same along both axes.
    Surface& target = backend_->surfaces.back();
    gp::GdipFlush(target.graphics, Gdiplus::FlushIntentionSync);
    const double s = place.scale / density; // device pixels per stored pixel
    const Span spanX = Span{place.dx + to.left * place.scale, place.dx + to.right * place.scale}
                           .meet(place.clipX)
                           .meet({0.0, double(target.width)});
    const Span spanY = Span{place.dy + to.top * place.scale, place.dy + to.bottom * place.scale}
                           .meet(place.clipY)
                           .meet({0.0, double(target.height)});
    if (!(spanX.to > spanX.from) || !(spanY.to > spanY.from) || !(s > 0.0)) return;
    // The frame in stored pixels, and where its corner lands on the device.
    const int frameX = source.left * density, frameY = source.top * density;
    const int frameW = source.width() * density, frameH = source.height() * density;
    const double cornerX = place.dx + to.left * place.scale;
    const double cornerY = place.dy + to.top * place.scale;
    const double footprint = 1.0 / s;
    const bool average = footprint >= 4.0 / 3.0 - 1e-9;
    const int x0 = static_cast<int>(std::floor(spanX.from)),
              x1 = static_cast<int>(std::ceil(spanX.to));
    const int y0 = static_cast<int>(std::floor(spanY.from)),
              y1 = static_cast<int>(std::ceil(spanY.to));
    // The filter is separable: the stored pixels and weights along each axis are worked out
    // once per device column and row. Taps outside the frame are left out (transparent).
    struct Taps {
        std::vector<int> first, count; // per device pixel, into index/weight
        std::vector<int> index;
        std::vector<double> weight;
    };
    auto tapsFor = [&](int from, int to, double corner, int length) {
        Taps t;
        for (int d = from; d < to; ++d) {
            const double centre = (d + 0.5 - corner) / s; // in the frame's stored pixels
            t.first.push_back(static_cast<int>(t.index.size()));
            auto add = [&](int i, double w) {
                if (i < 0 || i >= length || w <= 0.0) return;
                t.index.push_back(i);
                t.weight.push_back(w);
            };
            if (average) {
                const Span box{centre - footprint / 2, centre + footprint / 2};
                for (int i = static_cast<int>(std::floor(box.from)); i < box.to; ++i)
                    add(i, box.cover(i) / footprint);
            } else {
                const double f = centre - 0.5;
                const int i = static_cast<int>(std::floor(f));
                add(i, 1 - (f - i));
                add(i + 1, f - i);
            }
            t.count.push_back(static_cast<int>(t.index.size()) - t.first.back());
        }
        return t;
    };
    const Taps columns = tapsFor(x0, x1, cornerX, frameW);
    const Taps rows = tapsFor(y0, y1, cornerY, frameH);
    for (int y = y0; y < y1; ++y) {
        const double coverY = spanY.cover(y);
        if (coverY <= 0.0) continue;
        uint32_t* row = target.pixels + static_cast<size_t>(y) * target.width;
        const size_t ry = static_cast<size_t>(y - y0);
        for (int x = x0; x < x1; ++x) {
            const double coverage = coverY * spanX.cover(x) * alpha;
            if (coverage <= 0.0) continue;
            const size_t cx = static_cast<size_t>(x - x0);
            double sum[4] = {0, 0, 0, 0};
            for (int j = rows.first[ry]; j < rows.first[ry] + rows.count[ry]; ++j) {
                const int sy = frameY + rows.index[static_cast<size_t>(j)];
                const double wy = rows.weight[static_cast<size_t>(j)];
                for (int i = columns.first[cx]; i < columns.first[cx] + columns.count[cx]; ++i) {
                    const uint32_t p =
                        shown.storedPixel(frameX + columns.index[static_cast<size_t>(i)], sy);
                    if (!p) continue;
                    const double w = wy * columns.weight[static_cast<size_t>(i)];
                    for (int c = 0; c < 4; ++c)
                        sum[c] += w * ((p >> (8 * c)) & 0xFF);
                }
            }
            uint32_t p = 0;
            for (int c = 0; c < 4; ++c) {
                const long v8 = std::lround(std::clamp(sum[c] * coverage, 0.0, 255.0));
                p |= static_cast<uint32_t>(v8) << (8 * c);
            }
            if (p) row[x] = over(p, row[x]);
        }
    }
}

namespace {

// A paint's premultiplied colour at a device point, with Cairo's rounding of a fine alpha.
class PaintSampler {
  public:
    PaintSampler(const CPaint& paint, const raster::Placement& at) : paint_(paint) {
        const raster::Point p0 = at.apply(paint.x0, paint.y0), p1 = at.apply(paint.x1, paint.y1);
        x0_ = p0.x;
        y0_ = p0.y;
        ax_ = p1.x - p0.x;
        ay_ = p1.y - p0.y;
        const double length2 = ax_ * ax_ + ay_ * ay_;
        gradient_ = !paint.stops.empty() && length2 > 0;
        if (gradient_) {
            ax_ /= length2;
            ay_ /= length2;
        }
        const bool last = !paint.stops.empty();
        solid_ = premultiplied(last ? paint.stops.back().rgb : paint.rgb,
                               last ? paint.stops.back().alpha : paint.alpha);
    }
    // Channels 0..255 as doubles, premultiplied: b, g, r, a.
    void at(double x, double y, double out[4]) const {
        if (!gradient_) {
            std::copy(solid_.begin(), solid_.end(), out);
            return;
        }
        // Beyond the ends the end colours hold.
        const double t = (x - x0_) * ax_ + (y - y0_) * ay_;
        const auto& stops = paint_.stops;
        if (t <= stops.front().offset) return copy(premultiplied(stops.front()), out);
        if (t >= stops.back().offset) return copy(premultiplied(stops.back()), out);
        for (size_t i = 1; i < stops.size(); ++i) {
            if (t > stops[i].offset) continue;
            const double span = stops[i].offset - stops[i - 1].offset;
            const double k = span > 0 ? (t - stops[i - 1].offset) / span : 1.0;
            const auto a = premultiplied(stops[i - 1]), b = premultiplied(stops[i]);
            for (int c = 0; c < 4; ++c)
                out[c] = a[static_cast<size_t>(c)] +
                         (b[static_cast<size_t>(c)] - a[static_cast<size_t>(c)]) * k;
            return;
        }
        copy(premultiplied(stops.back()), out);
    }

  private:
    using Channels = std::array<double, 4>;
    static void copy(const Channels& c, double out[4]) { std::copy(c.begin(), c.end(), out); }
    static Channels premultiplied(const CColourStop& s) { return premultiplied(s.rgb, s.alpha); }
    static Channels premultiplied(uint32_t rgb, double alpha) {
        // A fine alpha goes through 16 bits to 8, as Cairo's solid colours do.
        const double a16 = std::floor(std::clamp(alpha, 0.0, 1.0) * 65535.0 + 0.5);
        const double a = std::floor(a16 / 256.0);
        return {(rgb & 0xFF) * a / 255.0, ((rgb >> 8) & 0xFF) * a / 255.0,
                ((rgb >> 16) & 0xFF) * a / 255.0, a};
    }
    const CPaint& paint_;
    bool gradient_ = false;
    double x0_ = 0, y0_ = 0, ax_ = 0, ay_ = 0;
    Channels solid_{};
};

} // namespace

namespace {
// Paints the shapes' covered pixels onto the surface, inside the place's clip.
// `replace`: the paint takes the place of what was there, in proportion to its coverage.
void paintShapes(Surface& target, const DevicePlace& place,
                 const std::vector<raster::Polygon>& shapes, const CPaint& paint,
                 bool replace = false) {
    if (shapes.empty()) return;
    gp::GdipFlush(target.graphics, Gdiplus::FlushIntentionSync);
    const Span spanX = place.clipX.meet({0.0, double(target.width)});
    const Span spanY = place.clipY.meet({0.0, double(target.height)});
    const PaintSampler sampler(paint, {place.dx, place.dy, place.scale});
    raster::cover(
        shapes, {spanX.from, spanY.from, spanX.to, spanY.to}, [&](int x, int y, double coverage) {
            double c[4];
            sampler.at(x + 0.5, y + 0.5, c);
            uint32_t p = 0;
            for (int i = 0; i < 4; ++i)
                p |= static_cast<uint32_t>(std::lround(std::clamp(c[i] * coverage, 0.0, 255.0)))
                     << (8 * i);
            uint32_t& d = target.pixels[static_cast<size_t>(y) * target.width + x];
            if (replace) {
                uint32_t kept = 0;
                for (int i = 0; i < 32; i += 8)
                    kept |= static_cast<uint32_t>(std::lround(((d >> i) & 0xFF) * (1 - coverage)))
                            << i;
                d = over(p, kept);
            } else if (p) {
                d = over(p, d);
            }
        });
}
} // namespace

void CDrawContext::fillPath(const CPath& path, const CPaint& paint) {
    if (path.empty() || backend_->surfaces.empty()) return;
    const Backend::Place& place = backend_->places.back();
    paintShapes(backend_->surfaces.back(), place,
                raster::areas(raster::flatten(path, {place.dx, place.dy, place.scale})), paint);
}

void CDrawContext::strokePath(const CPath& path, const CPaint& paint, const CPen& pen) {
    if (path.empty() || !(pen.width > 0.0) || backend_->surfaces.empty()) return;
    const Backend::Place& place = backend_->places.back();
    paintShapes(
        backend_->surfaces.back(), place,
        raster::outline(raster::flatten(path, {place.dx, place.dy, place.scale}), pen, place.scale),
        paint);
}

void CDrawContext::clearRect(const CRect& r, CColor c) {
    GpGraphics* g = backend_->g();
    if (!g || r.empty()) return;
    const Backend::Place& place = backend_->places.back();
    const bool wholePixels = place.scale == std::floor(place.scale) &&
                             place.dx == std::floor(place.dx) && place.dy == std::floor(place.dy);
    if (!wholePixels) {
        CPath path;
        path.rect(r.left, r.top, r.width(), r.height());
        paintShapes(backend_->surfaces.back(), place,
                    raster::areas(raster::flatten(path, {place.dx, place.dy, place.scale})),
                    paintOf(c), true);
        return;
    }
    gp::GdipSetCompositingMode(g, Gdiplus::CompositingModeSourceCopy);
    fillRect(r, c);
    gp::GdipSetCompositingMode(g, Gdiplus::CompositingModeSourceOver);
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
    CopyAttributes attributes(alpha, Gdiplus::WrapModeTileFlipXY);
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
    backend_->places.push_back({0, 0, 1.0, CRect{0, 0, width_, height_}, Span{0.0, double(width_)},
                                Span{0.0, double(height_)}});
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
