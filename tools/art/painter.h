// Drawing primitives of the editor's look, over Cairo: the face, section plates, labels,
// display strips, knob and slider frames and buttons. All sizes are in unscaled pixels; a
// Canvas multiplies them by its scale factor.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Rgb {
    double r, g, b;
};
Rgb hex(uint32_t rgb);
Rgb mix(Rgb a, Rgb b, double t);

struct Rect {
    double x, y, w, h;
};

// Liberation Sans regular and bold, loaded by file through cairo-ft.
class Fonts {
  public:
    bool load(const std::string& regularPath, const std::string& boldPath);
    ~Fonts();
    cairo_font_face_t* regular() const { return regular_; }
    cairo_font_face_t* bold() const { return bold_; }

  private:
    void* library_ = nullptr; // FT_Library
    void* faces_[2] = {nullptr, nullptr};
    cairo_font_face_t* regular_ = nullptr;
    cairo_font_face_t* bold_ = nullptr;
};

// An ARGB image surface of w x h unscaled pixels drawn at `scale`.
class Canvas {
  public:
    Canvas(int w, int h, int scale);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    std::vector<uint8_t> png() const;

  private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

enum class Align { Left, Centre, Right };

// The colours of the face and of each section family.
namespace colours {
inline const Rgb kFaceTop = hex(0x2B2F35), kFaceBottom = hex(0x1D2024);
inline const Rgb kPlateTop = hex(0x353A41), kPlateBottom = hex(0x2C3036);
inline const Rgb kPlateEdge = hex(0x4A515B), kShadow = hex(0x121416);
inline const Rgb kLabel = hex(0xC8CED6), kDimLabel = hex(0x8D96A1);
inline const Rgb kValue = hex(0xF2B14A); // the value arc and fill of every knob and slider
inline const Rgb kOsc = hex(0xE8A23A), kFilter = hex(0x3FC1C9), kAmp = hex(0x8BD45A);
inline const Rgb kSeq = hex(0xF0725A), kVoice = hex(0xA9B8C8), kMod = hex(0xA58BF0);
inline const Rgb kFx = hex(0x4FA3F7), kProgram = hex(0xE0C060);
} // namespace colours

void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void roundRect(cairo_t* cr, Rect r, double radius);

void drawFace(cairo_t* cr, double w, double h);
// A raised section plate with a title bar in the section's accent colour.
void drawPlate(cairo_t* cr, const Fonts& f, Rect r, const std::string& title, Rgb accent);
// A recessed bay a drawer slides into, with a vent grille so the empty slot reads as made.
void drawDrawerBay(cairo_t* cr, Rect r);
// A thin engraved frame that groups controls inside a page, with a small title.
void drawGroupFrame(cairo_t* cr, const Fonts& f, Rect r, const std::string& title, Rgb accent);
// A recessed light strip behind dark display text.
void drawDisplayStrip(cairo_t* cr, Rect r);
void drawText(cairo_t* cr, cairo_font_face_t* face, double size, Rgb c, const std::string& text,
              double x, double y, Align align);
double textWidth(cairo_t* cr, cairo_font_face_t* face, double size, const std::string& text);

// One frame of a strip: value 0..1.
void drawKnob(cairo_t* cr, double size, double value);
void drawSliderH(cairo_t* cr, double w, double h, double value, bool fromCentre);
void drawSliderV(cairo_t* cr, double w, double h, double value);
// Button faces: `lit` is the lower (on) state.
void drawLedSwitch(cairo_t* cr, double w, double h, bool lit);
void drawTextButton(cairo_t* cr, const Fonts& f, double w, double h, const std::string& text,
                    bool lit, Rgb accent);
void drawArrowButton(cairo_t* cr, double w, double h, int direction, bool lit, Rgb accent);
void drawTab(cairo_t* cr, const Fonts& f, double w, double h, const std::string& text, bool lit,
             Rgb accent);

} // namespace art
