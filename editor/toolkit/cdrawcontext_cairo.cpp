// The draw context over Cairo.
#include <algorithm>
#include <cmath>

#include "editor/toolkit/cairo_backend.h"
#include "editor/toolkit/cdrawcontext.h"

namespace tk {

struct CDrawContext::Backend {
    cairo_t* cr = nullptr;
    ~Backend() {
        if (cr) cairo_destroy(cr); // and with it the surface it draws on
    }
};

namespace {
void setColour(cairo_t* cr, CColor c) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}
} // namespace

CDrawContext::CDrawContext(const CFontSet* fonts) : fonts_(fonts) {}
CDrawContext::~CDrawContext() = default;

void CDrawContext::push(int dx, int dy, const CRect& clip) {
    cairo_t* cr = backend_->cr;
    cairo_save(cr);
    cairo_translate(cr, dx, dy);
    cairo_rectangle(cr, clip.left, clip.top, clip.width(), clip.height());
    cairo_clip(cr);
}

void CDrawContext::pop() {
    cairo_restore(backend_->cr);
}

void CDrawContext::scale(double factor) {
    if (factor > 0.0 && std::isfinite(factor)) cairo_scale(backend_->cr, factor, factor);
}

void CDrawContext::fillRect(const CRect& r, CColor c) {
    cairo_t* cr = backend_->cr;
    setColour(cr, c);
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_fill(cr);
}

void CDrawContext::clearRect(const CRect& r, CColor c) {
    cairo_t* cr = backend_->cr;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    fillRect(r, c);
    cairo_restore(cr);
}

void CDrawContext::frameRect(const CRect& r, CColor c, double lineWidth) {
    cairo_t* cr = backend_->cr;
    setColour(cr, c);
    cairo_set_line_width(cr, lineWidth);
    double h = lineWidth / 2;
    cairo_rectangle(cr, r.left + h, r.top + h, r.width() - lineWidth, r.height() - lineWidth);
    cairo_stroke(cr);
}

void CDrawContext::fillRoundRect(const CRect& r, double radius, CColor c) {
    cairo_t* cr = backend_->cr;
    double x = r.left, y = r.top, w = r.width(), h = r.height();
    radius = std::fmin(radius, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill(cr);
}

void CDrawContext::drawLine(CPoint a, CPoint b, CColor c, double lineWidth) {
    drawPolyline({a, b}, c, lineWidth);
}

void CDrawContext::drawPolyline(const std::vector<CPoint>& points, CColor c, double lineWidth) {
    if (points.size() < 2) return;
    cairo_t* cr = backend_->cr;
    setColour(cr, c);
    cairo_set_line_width(cr, lineWidth);
    cairo_move_to(cr, points[0].x + 0.5, points[0].y + 0.5);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr, points[i].x + 0.5, points[i].y + 0.5);
    cairo_stroke(cr);
}

void CDrawContext::drawBitmap(const CBitmap& bitmap, const CRect& dest, int srcX, int srcY,
                              double alpha) {
    cairo_t* cr = backend_->cr;
    // Device pixels per logical pixel here (the frame's zoom; views never rotate).
    double dx = 1.0, dy = 0.0;
    cairo_user_to_device_distance(cr, &dx, &dy);
    const double deviceScale = std::hypot(dx, dy);
    const CBitmap& shown = bitmap.forScale(deviceScale);
    const int density = shown.density();
    const bool oneToOne = std::fabs(deviceScale - density) < 1e-6;
    cairo_surface_t* surface = shown.native()->surface;
    cairo_save(cr);
    cairo_rectangle(cr, dest.left, dest.top, dest.width(), dest.height());
    cairo_clip(cr);
    const int partW = std::min(dest.width(), shown.width() - srcX);
    const int partH = std::min(dest.height(), shown.height() - srcY);
    cairo_surface_t* part = nullptr;
    if (oneToOne || srcX < 0 || srcY < 0 || partW <= 0 || partH <= 0) {
        cairo_translate(cr, dest.left - srcX, dest.top - srcY);
        cairo_scale(cr, 1.0 / density, 1.0 / density);
        cairo_set_source_surface(cr, surface, 0, 0);
        // Whole-pixel copies: no filtering at the edges of a strip's frames.
        cairo_pattern_set_filter(cairo_get_source(cr),
                                 oneToOne ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    } else {
        // Filtered from the frame alone, so a strip's neighbouring frames never bleed in.
        // Beyond its edges is transparent (repeating the edges costs three times the time).
        part = cairo_surface_create_for_rectangle(surface, double(srcX) * density,
                                                  double(srcY) * density, double(partW) * density,
                                                  double(partH) * density);
        cairo_rectangle(cr, dest.left, dest.top, partW, partH);
        cairo_clip(cr);
        cairo_translate(cr, dest.left, dest.top);
        cairo_scale(cr, 1.0 / density, 1.0 / density);
        cairo_set_source_surface(cr, part, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_NONE);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    }
    if (alpha >= 1.0)
        cairo_paint(cr);
    else
        cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
    if (part) cairo_surface_destroy(part);
}

namespace {

void addPath(cairo_t* cr, const CPath& path) {
    cairo_new_path(cr);
    for (const CPath::Element& e : path.elements()) {
        switch (e.op) {
        case CPath::Op::Move:
            cairo_move_to(cr, e.a, e.b);
            break;
        case CPath::Op::Line:
            cairo_line_to(cr, e.a, e.b);
            break;
        case CPath::Op::Arc:
            cairo_arc(cr, e.a, e.b, e.c, e.d, e.e);
            break;
        case CPath::Op::Rect:
            cairo_rectangle(cr, e.a, e.b, e.c, e.d);
            break;
        case CPath::Op::Close:
            cairo_close_path(cr);
            break;
        case CPath::Op::NewFigure:
            cairo_new_sub_path(cr);
            break;
        }
    }
}

double channel(uint32_t rgb, int shift) {
    return ((rgb >> shift) & 255) / 255.0;
}

// Sets the paint as the source; returns the gradient to release after drawing, if any.
cairo_pattern_t* setPaint(cairo_t* cr, const CPaint& paint) {
    if (paint.stops.empty()) {
        cairo_set_source_rgba(cr, channel(paint.rgb, 16), channel(paint.rgb, 8),
                              channel(paint.rgb, 0), paint.alpha);
        return nullptr;
    }
    cairo_pattern_t* gradient = cairo_pattern_create_linear(paint.x0, paint.y0, paint.x1, paint.y1);
    for (const CColourStop& s : paint.stops)
        cairo_pattern_add_color_stop_rgba(gradient, s.offset, channel(s.rgb, 16), channel(s.rgb, 8),
                                          channel(s.rgb, 0), s.alpha);
    cairo_set_source(cr, gradient);
    return gradient;
}

} // namespace

void CDrawContext::fillPath(const CPath& path, const CPaint& paint) {
    if (path.empty()) return;
    cairo_t* cr = backend_->cr;
    addPath(cr, path);
    cairo_pattern_t* gradient = setPaint(cr, paint);
    cairo_fill(cr);
    if (gradient) cairo_pattern_destroy(gradient);
}

void CDrawContext::strokePath(const CPath& path, const CPaint& paint, const CPen& pen) {
    if (path.empty() || !(pen.width > 0.0)) return;
    cairo_t* cr = backend_->cr;
    cairo_save(cr);
    addPath(cr, path);
    cairo_pattern_t* gradient = setPaint(cr, paint);
    cairo_set_line_width(cr, pen.width);
    cairo_set_line_cap(cr,
                       pen.cap == CPen::Cap::Round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, pen.join == CPen::Join::Round ? CAIRO_LINE_JOIN_ROUND
                                                          : CAIRO_LINE_JOIN_MITER);
    if (!pen.dashes.empty())
        cairo_set_dash(cr, pen.dashes.data(), static_cast<int>(pen.dashes.size()), 0.0);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (gradient) cairo_pattern_destroy(gradient);
}

namespace {
bool selectFont(cairo_t* cr, const CFontSet* fonts, const CFontDesc& font) {
    const CFontSet::Face* face = fonts ? fonts->face(font.weight) : nullptr;
    if (!face) return false;
    cairo_set_font_face(cr, face->cairo);
    cairo_set_font_size(cr, font.size);
    return true;
}
} // namespace

double CDrawContext::textWidth(const std::string& text, const CFontDesc& font) {
    if (text.empty() || !selectFont(backend_->cr, fonts_, font)) return 0.0;
    cairo_text_extents_t e;
    cairo_text_extents(backend_->cr, text.c_str(), &e);
    return e.x_advance;
}

void CDrawContext::drawText(const std::string& text, const CRect& box, const CFontDesc& font,
                            CColor c, TextAlign align) {
    if (text.empty() || box.empty()) return;
    cairo_t* cr = backend_->cr;
    cairo_save(cr);
    if (!selectFont(cr, fonts_, font)) {
        cairo_restore(cr);
        return;
    }
    cairo_rectangle(cr, box.left, box.top, box.width(), box.height());
    cairo_clip(cr);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_text_extents_t te;
    cairo_text_extents(cr, text.c_str(), &te);
    double x = box.left + 2;
    if (align == TextAlign::Center)
        x = box.left + (box.width() - te.x_advance) / 2;
    else if (align == TextAlign::Right)
        x = box.right - 2 - te.x_advance;
    double y = box.top + (box.height() + fe.ascent - fe.descent) / 2;
    setColour(cr, c);
    cairo_move_to(cr, std::round(x), std::round(y));
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

void CDrawContext::beginLayer() {
    cairo_push_group(backend_->cr);
}

void CDrawContext::endLayer(double alpha) {
    cairo_pop_group_to_source(backend_->cr);
    cairo_paint_with_alpha(backend_->cr, alpha);
}

COffscreenContext::COffscreenContext(int width, int height, const CFontSet* fonts)
    : CDrawContext(fonts), width_(width > 0 ? width : 1), height_(height > 0 ? height : 1),
      pixels_(static_cast<size_t>(width_) * height_) {
    cairo_surface_t* surface =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels_.data()),
                                            CAIRO_FORMAT_ARGB32, width_, height_, width_ * 4);
    backend_ = std::make_unique<Backend>();
    backend_->cr = cairo_create(surface); // the context keeps the surface alive
    cairo_surface_destroy(surface);
}

COffscreenContext::~COffscreenContext() {
    backend_.reset(); // before the pixels it draws on
}

uint32_t COffscreenContext::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    cairo_surface_flush(cairo_get_target(backend_->cr));
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

platform::PixelImage COffscreenContext::image() const {
    cairo_surface_flush(cairo_get_target(backend_->cr));
    return {reinterpret_cast<const uint8_t*>(pixels_.data()), width_, height_, width_ * 4};
}

} // namespace tk
