#include "tools/art/painter.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace art {

namespace {
constexpr double kPi = 3.14159265358979323846;
// Knobs sweep 300 degrees, the gap centred at the bottom.
constexpr double kKnobStart = kPi * (0.5 + 1.0 / 6.0);
constexpr double kKnobSweep = kPi * 5.0 / 3.0;

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}
} // namespace

Rgb hex(uint32_t rgb) {
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

bool Fonts::load(const std::string& regularPath, const std::string& boldPath) {
    FT_Library lib;
    if (FT_Init_FreeType(&lib) != 0) return false;
    library_ = lib;
    const std::string* paths[2] = {&regularPath, &boldPath};
    cairo_font_face_t** out[2] = {&regular_, &bold_};
    for (int i = 0; i < 2; ++i) {
        FT_Face face;
        if (FT_New_Face(lib, paths[i]->c_str(), 0, &face) != 0) return false;
        faces_[i] = face;
        *out[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
    }
    return true;
}

Fonts::~Fonts() {
    if (regular_) cairo_font_face_destroy(regular_);
    if (bold_) cairo_font_face_destroy(bold_);
    for (void* f : faces_)
        if (f) FT_Done_Face(static_cast<FT_Face>(f));
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

Canvas::Canvas(int w, int h, int scale)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w * scale, h * scale)),
      cr_(cairo_create(surface_)) {
    cairo_scale(cr_, scale, scale);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, fo);
    cairo_font_options_destroy(fo);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::vector<uint8_t> Canvas::png() const {
    std::vector<uint8_t> out;
    cairo_surface_flush(surface_);
    if (cairo_surface_write_to_png_stream(surface_, appendBytes, &out) != CAIRO_STATUS_SUCCESS)
        out.clear();
    return out;
}

void setColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void roundRect(cairo_t* cr, Rect r, double radius) {
    double rad = std::min(radius, std::min(r.w, r.h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, r.x + r.w - rad, r.y + rad, rad, -kPi / 2, 0);
    cairo_arc(cr, r.x + r.w - rad, r.y + r.h - rad, rad, 0, kPi / 2);
    cairo_arc(cr, r.x + rad, r.y + r.h - rad, rad, kPi / 2, kPi);
    cairo_arc(cr, r.x + rad, r.y + rad, rad, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

static void verticalGradient(cairo_t* cr, Rect r, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, r.y, 0, r.y + r.h);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void drawFace(cairo_t* cr, double w, double h) {
    verticalGradient(cr, {0, 0, w, h}, colours::kFaceTop, colours::kFaceBottom);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    // A faint brushed grain: fixed pseudo-random hairlines, the same on every build.
    uint32_t seed = 0x9E3779B9u;
    cairo_set_line_width(cr, 1.0);
    for (int y = 0; y < static_cast<int>(h); y += 2) {
        seed = seed * 1664525u + 1013904223u;
        double a = 0.010 + 0.018 * ((seed >> 8) & 255) / 255.0;
        cairo_set_source_rgba(cr, 1, 1, 1, a);
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, w, y + 0.5);
        cairo_stroke(cr);
    }
}

void drawText(cairo_t* cr, cairo_font_face_t* face, double size, Rgb c, const std::string& text,
              double x, double y, Align align) {
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    double left = x;
    if (align == Align::Centre) left = x - e.x_advance / 2;
    if (align == Align::Right) left = x - e.x_advance;
    setColour(cr, c);
    cairo_move_to(cr, std::round(left), y);
    cairo_show_text(cr, text.c_str());
}

double textWidth(cairo_t* cr, cairo_font_face_t* face, double size, const std::string& text) {
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

void drawPlate(cairo_t* cr, const Fonts& f, Rect r, const std::string& title, Rgb accent) {
    constexpr double kTitleBar = 18;
    // Drop shadow, body, edge.
    setColour(cr, colours::kShadow, 0.55);
    roundRect(cr, {r.x + 1, r.y + 2, r.w, r.h}, 5);
    cairo_fill(cr);
    verticalGradient(cr, r, colours::kPlateTop, colours::kPlateBottom);
    roundRect(cr, r, 5);
    cairo_fill_preserve(cr);
    setColour(cr, colours::kPlateEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (title.empty()) return;
    // Title bar: a darker band, an accent rule under it and the title in the accent colour.
    cairo_save(cr);
    roundRect(cr, {r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1}, 4.5);
    cairo_clip(cr);
    setColour(cr, hex(0x1F2227), 0.85);
    cairo_rectangle(cr, r.x, r.y, r.w, kTitleBar);
    cairo_fill(cr);
    setColour(cr, accent, 0.9);
    cairo_rectangle(cr, r.x, r.y + kTitleBar - 1, r.w, 1.5);
    cairo_fill(cr);
    cairo_rectangle(cr, r.x, r.y, 4, kTitleBar);
    cairo_fill(cr);
    cairo_restore(cr);
    drawText(cr, f.bold(), 11, accent, title, r.x + 10, r.y + 13, Align::Left);
}

void drawDrawerBay(cairo_t* cr, Rect r) {
    setColour(cr, hex(0x15181B));
    roundRect(cr, r, 4);
    cairo_fill(cr);
    // Inner shadow along the top: the bay lies below the face.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, r.y, 0, r.y + 8);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0.55);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_set_source(cr, p);
    roundRect(cr, r, 4);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Vent slots: short rounded bars in staggered rows.
    constexpr double kPitchY = 7, kSlotW = 16, kSlotH = 3, kGap = 6;
    const int columns = static_cast<int>((r.w - 12 + kGap) / (kSlotW + kGap));
    const double used = columns * (kSlotW + kGap) - kGap;
    for (double y = r.y + 10; y + kSlotH <= r.y + r.h - 7; y += kPitchY) {
        const bool odd = static_cast<int>((y - r.y) / kPitchY) % 2 != 0;
        const int n = odd ? columns - 1 : columns;
        double x = r.x + (r.w - used) / 2 + (odd ? (kSlotW + kGap) / 2 : 0);
        for (int i = 0; i < n; ++i, x += kSlotW + kGap) {
            setColour(cr, hex(0x0A0B0D));
            roundRect(cr, {x, y, kSlotW, kSlotH}, 1.5);
            cairo_fill(cr);
            setColour(cr, hex(0xFFFFFF), 0.05);
            cairo_rectangle(cr, x + 1, y + kSlotH, kSlotW - 2, 1);
            cairo_fill(cr);
        }
    }
    setColour(cr, hex(0x0B0C0E));
    cairo_set_line_width(cr, 1);
    roundRect(cr, {r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1}, 4);
    cairo_stroke(cr);
}

void drawGroupFrame(cairo_t* cr, const Fonts& f, Rect r, const std::string& title, Rgb accent) {
    setColour(cr, hex(0xFFFFFF), 0.025);
    roundRect(cr, r, 4);
    cairo_fill(cr);
    // An engraved line: dark above light, broken where the title sits.
    const double titleW = title.empty() ? 0 : textWidth(cr, f.bold(), 8, title) + 8;
    cairo_save(cr);
    cairo_rectangle(cr, r.x - 2, r.y - 2, r.w + 4, r.h + 4);
    if (titleW > 0) {
        cairo_rectangle(cr, r.x + 10 + titleW, r.y - 6, -titleW, 12);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    }
    cairo_clip(cr);
    cairo_set_line_width(cr, 1);
    setColour(cr, hex(0x15171A), 0.9);
    roundRect(cr, {r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1}, 4);
    cairo_stroke(cr);
    setColour(cr, hex(0xFFFFFF), 0.06);
    roundRect(cr, {r.x + 1.5, r.y + 1.5, r.w - 3, r.h - 3}, 3.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (titleW > 0)
        drawText(cr, f.bold(), 8, mix(accent, colours::kLabel, 0.35), title, r.x + 14, r.y + 3,
                 Align::Left);
}

void drawDisplayStrip(cairo_t* cr, Rect r) {
    setColour(cr, hex(0x101214));
    roundRect(cr, {r.x - 1, r.y - 1, r.w + 2, r.h + 2}, 3.5);
    cairo_fill(cr);
    verticalGradient(cr, r, hex(0xC9CFC2), hex(0xDCE1D5));
    roundRect(cr, r, 2.5);
    cairo_fill(cr);
    // Inner shadow along the top edge gives the strip its recessed look.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, r.y, 0, r.y + 5);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_set_source(cr, p);
    roundRect(cr, r, 2.5);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void drawKnob(cairo_t* cr, double size, double value) {
    const double c = size / 2;
    const double ringR = size / 2 - 2.5;
    const double capR = size * 0.31;
    const double arcW = std::max(2.5, size * 0.085);
    // Track and value arc.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, arcW);
    setColour(cr, hex(0x121417));
    cairo_arc(cr, c, c, ringR, kKnobStart, kKnobStart + kKnobSweep);
    cairo_stroke(cr);
    const double end = kKnobStart + kKnobSweep * value;
    if (value > 0.001) {
        setColour(cr, colours::kValue);
        cairo_arc(cr, c, c, ringR, kKnobStart, end);
        cairo_stroke(cr);
    }
    // Cap: shadow, a graphite dome and a bright rim at the top.
    setColour(cr, hex(0x0B0C0E), 0.6);
    cairo_arc(cr, c, c + 1.2, capR + 1.5, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_t* dome =
        cairo_pattern_create_radial(c - capR * 0.35, c - capR * 0.45, 0, c, c, capR);
    cairo_pattern_add_color_stop_rgb(dome, 0, 0.42, 0.44, 0.48);
    cairo_pattern_add_color_stop_rgb(dome, 1, 0.17, 0.18, 0.21);
    cairo_set_source(cr, dome);
    cairo_arc(cr, c, c, capR, 0, 2 * kPi);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(dome);
    setColour(cr, hex(0x5C636D));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // Pointer from near the centre to the rim of the cap.
    const double px = std::cos(end), py = std::sin(end);
    cairo_set_line_width(cr, std::max(1.6, size * 0.055));
    setColour(cr, hex(0xF4F1EA));
    cairo_move_to(cr, c + px * capR * 0.25, c + py * capR * 0.25);
    cairo_line_to(cr, c + px * (capR - 0.5), c + py * (capR - 0.5));
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void drawSliderH(cairo_t* cr, double w, double h, double value, bool fromCentre) {
    const double trackY = h / 2 - 2.5, trackH = 5;
    const double thumbW = 8, travel = w - thumbW;
    const double tx = travel * value;
    setColour(cr, hex(0x0E1012));
    roundRect(cr, {1, trackY, w - 2, trackH}, 2.5);
    cairo_fill(cr);
    setColour(cr, colours::kValue, 0.9);
    double from = fromCentre ? travel / 2 + thumbW / 2 : 2;
    double to = tx + thumbW / 2;
    cairo_rectangle(cr, std::min(from, to), trackY + 1, std::fabs(to - from), trackH - 2);
    cairo_fill(cr);
    if (fromCentre) {
        setColour(cr, colours::kDimLabel);
        cairo_rectangle(cr, w / 2 - 0.5, 1, 1, 2.5);
        cairo_fill(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, h - 1);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.86, 0.87, 0.89);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.52, 0.54, 0.58);
    cairo_set_source(cr, p);
    roundRect(cr, {tx + 0.5, 1.5, thumbW - 1, h - 3}, 1.5);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    setColour(cr, hex(0x202327));
    cairo_rectangle(cr, tx + thumbW / 2 - 0.5, 3, 1, h - 6);
    cairo_fill(cr);
}

void drawSliderV(cairo_t* cr, double w, double h, double value) {
    const double trackX = w / 2 - 2.5, trackW = 5;
    const double thumbH = 10, travel = h - thumbH;
    const double ty = travel * (1 - value);
    setColour(cr, hex(0x0E1012));
    roundRect(cr, {trackX, 1, trackW, h - 2}, 2.5);
    cairo_fill(cr);
    // Scale ticks beside the track.
    setColour(cr, colours::kDimLabel, 0.7);
    for (int i = 0; i <= 4; ++i) {
        double y = thumbH / 2 + travel * i / 4;
        cairo_rectangle(cr, 1, std::round(y) - 0.5, 4, 1);
        cairo_rectangle(cr, w - 5, std::round(y) - 0.5, 4, 1);
    }
    cairo_fill(cr);
    setColour(cr, colours::kValue, 0.9);
    cairo_rectangle(cr, trackX + 1, ty + thumbH / 2, trackW - 2, h - 2 - (ty + thumbH / 2));
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, ty, 0, ty + thumbH);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.88, 0.89, 0.91);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.50, 0.52, 0.56);
    cairo_set_source(cr, p);
    roundRect(cr, {5.5, ty + 0.5, w - 11, thumbH - 1}, 1.5);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    setColour(cr, hex(0x202327));
    cairo_rectangle(cr, 7, ty + thumbH / 2 - 0.5, w - 14, 1);
    cairo_fill(cr);
}

static void buttonBody(cairo_t* cr, double w, double h, bool lit, Rgb accent) {
    setColour(cr, hex(0x0C0D0F));
    roundRect(cr, {0.5, 0.5, w - 1, h - 1}, 3);
    cairo_fill(cr);
    Rect face{1.5, 1.5, w - 3, h - 3};
    if (lit) {
        verticalGradient(cr, face, mix(accent, hex(0xFFFFFF), 0.15),
                         mix(accent, hex(0x000000), 0.25));
    } else {
        verticalGradient(cr, face, hex(0x4A5058), hex(0x30343A));
    }
    roundRect(cr, face, 2.5);
    cairo_fill(cr);
}

void drawLedSwitch(cairo_t* cr, double w, double h, bool lit) {
    buttonBody(cr, w, h, false, colours::kValue);
    const double r = std::min(w, h) * 0.22;
    const double cx = w / 2, cy = h / 2;
    if (lit) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r * 2.6);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.75, 0.3, 0.7);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.6, 0.2, 0.0);
        cairo_set_source(cr, glow);
        cairo_arc(cr, cx, cy, r * 2.6, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    setColour(cr, lit ? hex(0xFFC664) : hex(0x3A2A1A));
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill_preserve(cr);
    setColour(cr, hex(0x111214));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void drawTextButton(cairo_t* cr, const Fonts& f, double w, double h, const std::string& text,
                    bool lit, Rgb accent) {
    buttonBody(cr, w, h, lit, accent);
    double size = std::min(10.0, h * 0.62);
    Rgb ink = lit ? hex(0x15171A) : hex(0xE2E6EB);
    drawText(cr, f.bold(), size, ink, text, w / 2, h / 2 + size * 0.36, Align::Centre);
}

void drawArrowButton(cairo_t* cr, double w, double h, int direction, bool lit, Rgb accent) {
    buttonBody(cr, w, h, lit, accent);
    setColour(cr, lit ? hex(0x15171A) : hex(0xE2E6EB));
    const double cx = w / 2, cy = h / 2, s = std::min(w, h) * 0.22;
    switch (direction) {
    case 0: // up
        cairo_move_to(cr, cx - s * 1.3, cy + s * 0.7);
        cairo_line_to(cr, cx + s * 1.3, cy + s * 0.7);
        cairo_line_to(cr, cx, cy - s * 0.8);
        break;
    case 1: // down
        cairo_move_to(cr, cx - s * 1.3, cy - s * 0.7);
        cairo_line_to(cr, cx + s * 1.3, cy - s * 0.7);
        cairo_line_to(cr, cx, cy + s * 0.8);
        break;
    case 2: // left
        cairo_move_to(cr, cx + s * 0.7, cy - s * 1.3);
        cairo_line_to(cr, cx + s * 0.7, cy + s * 1.3);
        cairo_line_to(cr, cx - s * 0.8, cy);
        break;
    default: // right
        cairo_move_to(cr, cx - s * 0.7, cy - s * 1.3);
        cairo_line_to(cr, cx - s * 0.7, cy + s * 1.3);
        cairo_line_to(cr, cx + s * 0.8, cy);
        break;
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void drawTab(cairo_t* cr, const Fonts& f, double w, double h, const std::string& text, bool lit,
             Rgb accent) {
    Rect r{0.5, 0.5, w - 1, h - 1};
    if (lit) {
        verticalGradient(cr, r, mix(accent, hex(0xFFFFFF), 0.2), mix(accent, hex(0x000000), 0.2));
    } else {
        verticalGradient(cr, r, hex(0x3A3F46), hex(0x272A2F));
    }
    roundRect(cr, r, 4);
    cairo_fill_preserve(cr);
    setColour(cr, lit ? mix(accent, hex(0xFFFFFF), 0.4) : colours::kPlateEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    drawText(cr, f.bold(), 11, lit ? hex(0x141518) : colours::kLabel, text, w / 2, h / 2 + 4,
             Align::Centre);
}

} // namespace art
