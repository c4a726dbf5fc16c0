#include "editor/toolkit/cdrawcontext.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tk {

namespace {
void setColour(cairo_t* cr, CColor c) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}
} // namespace

CDrawContext::CDrawContext(cairo_t* cr, const CFontSet* fonts) : cr_(cr), fonts_(fonts) {}

void CDrawContext::push(int dx, int dy, const CRect& clip) {
    cairo_save(cr_);
    cairo_translate(cr_, dx, dy);
    cairo_rectangle(cr_, clip.left, clip.top, clip.width(), clip.height());
    cairo_clip(cr_);
}

void CDrawContext::pop() {
    cairo_restore(cr_);
}

void CDrawContext::scale(double factor) {
    if (factor > 0.0 && std::isfinite(factor)) cairo_scale(cr_, factor, factor);
}

void CDrawContext::fillRect(const CRect& r, CColor c) {
    setColour(cr_, c);
    cairo_rectangle(cr_, r.left, r.top, r.width(), r.height());
    cairo_fill(cr_);
}

void CDrawContext::frameRect(const CRect& r, CColor c, double lineWidth) {
    setColour(cr_, c);
    cairo_set_line_width(cr_, lineWidth);
    double h = lineWidth / 2;
    cairo_rectangle(cr_, r.left + h, r.top + h, r.width() - lineWidth, r.height() - lineWidth);
    cairo_stroke(cr_);
}

void CDrawContext::fillRoundRect(const CRect& r, double radius, CColor c) {
    double x = r.left, y = r.top, w = r.width(), h = r.height();
    radius = std::fmin(radius, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr_, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr_, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr_, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
    setColour(cr_, c);
    cairo_fill(cr_);
}

void CDrawContext::drawLine(CPoint a, CPoint b, CColor c, double lineWidth) {
    setColour(cr_, c);
    cairo_set_line_width(cr_, lineWidth);
    cairo_move_to(cr_, a.x + 0.5, a.y + 0.5);
    cairo_line_to(cr_, b.x + 0.5, b.y + 0.5);
    cairo_stroke(cr_);
}

void CDrawContext::drawBitmap(const CBitmap& bitmap, const CRect& dest, int srcX, int srcY,
                              double alpha) {
    // Device pixels per logical pixel here (the frame's zoom; views never rotate).
    double dx = 1.0, dy = 0.0;
    cairo_user_to_device_distance(cr_, &dx, &dy);
    const double deviceScale = std::hypot(dx, dy);
    const CBitmap& shown = bitmap.forScale(deviceScale);
    const int density = shown.density();
    const bool oneToOne = std::fabs(deviceScale - density) < 1e-6;
    cairo_save(cr_);
    cairo_rectangle(cr_, dest.left, dest.top, dest.width(), dest.height());
    cairo_clip(cr_);
    const int partW = std::min(dest.width(), shown.width() - srcX);
    const int partH = std::min(dest.height(), shown.height() - srcY);
    cairo_surface_t* part = nullptr;
    if (oneToOne || srcX < 0 || srcY < 0 || partW <= 0 || partH <= 0) {
        cairo_translate(cr_, dest.left - srcX, dest.top - srcY);
        cairo_scale(cr_, 1.0 / density, 1.0 / density);
        cairo_set_source_surface(cr_, shown.surface(), 0, 0);
        // Whole-pixel copies: no filtering at the edges of a strip's frames.
        cairo_pattern_set_filter(cairo_get_source(cr_),
                                 oneToOne ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    } else {
        // Filtered from the frame alone, so a strip's neighbouring frames never bleed in.
        // Beyond its edges is transparent (repeating the edges costs three times the time).
        part = cairo_surface_create_for_rectangle(shown.surface(), double(srcX) * density,
                                                  double(srcY) * density, double(partW) * density,
                                                  double(partH) * density);
        cairo_rectangle(cr_, dest.left, dest.top, partW, partH);
        cairo_clip(cr_);
        cairo_translate(cr_, dest.left, dest.top);
        cairo_scale(cr_, 1.0 / density, 1.0 / density);
        cairo_set_source_surface(cr_, part, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_NONE);
        cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_GOOD);
    }
    if (alpha >= 1.0)
        cairo_paint(cr_);
    else
        cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
    if (part) cairo_surface_destroy(part);
}

bool CDrawContext::selectFont(const CFontDesc& font) {
    cairo_font_face_t* face = fonts_ ? fonts_->face(font.weight) : nullptr;
    if (!face) return false;
    cairo_set_font_face(cr_, face);
    cairo_set_font_size(cr_, font.size);
    return true;
}

double CDrawContext::textWidth(const std::string& text, const CFontDesc& font) {
    if (text.empty() || !selectFont(font)) return 0.0;
    cairo_text_extents_t e;
    cairo_text_extents(cr_, text.c_str(), &e);
    return e.x_advance;
}

void CDrawContext::drawText(const std::string& text, const CRect& box, const CFontDesc& font,
                            CColor c, TextAlign align) {
    if (text.empty() || box.empty()) return;
    cairo_save(cr_);
    if (!selectFont(font)) {
        cairo_restore(cr_);
        return;
    }
    cairo_rectangle(cr_, box.left, box.top, box.width(), box.height());
    cairo_clip(cr_);
    cairo_font_extents_t fe;
    cairo_font_extents(cr_, &fe);
    cairo_text_extents_t te;
    cairo_text_extents(cr_, text.c_str(), &te);
    double x = box.left + 2;
    if (align == TextAlign::Center)
        x = box.left + (box.width() - te.x_advance) / 2;
    else if (align == TextAlign::Right)
        x = box.right - 2 - te.x_advance;
    double y = box.top + (box.height() + fe.ascent - fe.descent) / 2;
    setColour(cr_, c);
    cairo_move_to(cr_, std::round(x), std::round(y));
    cairo_show_text(cr_, text.c_str());
    cairo_restore(cr_);
}

cairo_t* COffscreenContext::makeContext(int width, int height) {
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, width > 0 ? width : 1, height > 0 ? height : 1);
    cairo_t* cr = cairo_create(surface); // the context keeps the surface alive
    cairo_surface_destroy(surface);
    return cr;
}

COffscreenContext::COffscreenContext(int width, int height, const CFontSet* fonts)
    : CDrawContext(makeContext(width, height), fonts), width_(width), height_(height) {}

COffscreenContext::~COffscreenContext() {
    cairo_destroy(cr_);
}

uint32_t COffscreenContext::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    cairo_surface_t* s = surface();
    cairo_surface_flush(s);
    const uint8_t* row = cairo_image_surface_get_data(s) +
                         static_cast<size_t>(y) * cairo_image_surface_get_stride(s);
    uint32_t v;
    std::memcpy(&v, row + 4 * x, 4);
    return v;
}

} // namespace tk
