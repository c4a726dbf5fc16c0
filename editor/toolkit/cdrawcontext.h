// Drawing over Cairo: rectangles, bitmaps (whole or one frame of a strip), lines and text.
// Coordinates are those of the view being drawn; the context keeps the offset and clip.
#pragma once
#include <cairo.h>

#include <string>

#include "editor/toolkit/cbitmap.h"
#include "editor/toolkit/cfont.h"
#include "editor/toolkit/geometry.h"

namespace tk {

enum class TextAlign { Left, Center, Right };

class CDrawContext {
  public:
    CDrawContext(cairo_t* cr, const CFontSet* fonts);
    virtual ~CDrawContext() = default;
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    cairo_t* cairo() const { return cr_; }
    const CFontSet* fonts() const { return fonts_; }

    // Saves the state, moves the origin by (dx, dy) and clips to `clip` (in the new origin).
    void push(int dx, int dy, const CRect& clip);
    void pop();
    // Multiplies every coordinate drawn after it by `factor` until the matching pop: views draw
    // in logical pixels, the frame scales them to the device's.
    void scale(double factor);

    void fillRect(const CRect& r, CColor c);
    void frameRect(const CRect& r, CColor c, double lineWidth = 1.0);
    void fillRoundRect(const CRect& r, double radius, CColor c);
    void drawLine(CPoint a, CPoint b, CColor c, double lineWidth = 1.0);
    // Copies the part of `bitmap` that starts at (srcX, srcY) into `dest`, with an alpha; under
    // a scale the bitmap's densest fitting version is used, filtered only where its pixels do
    // not fall one to one on the device's.
    void drawBitmap(const CBitmap& bitmap, const CRect& dest, int srcX = 0, int srcY = 0,
                    double alpha = 1.0);
    // One line of text inside `box`, vertically centred; clipped to the box.
    void drawText(const std::string& text, const CRect& box, const CFontDesc& font, CColor c,
                  TextAlign align = TextAlign::Center);
    double textWidth(const std::string& text, const CFontDesc& font);

  protected:
    cairo_t* cr_;
    const CFontSet* fonts_;

  private:
    bool selectFont(const CFontDesc& font);
};

// A context that owns its drawing surface: an ARGB image the size of the frame.
class COffscreenContext : public CDrawContext {
  public:
    COffscreenContext(int width, int height, const CFontSet* fonts);
    ~COffscreenContext() override;
    cairo_surface_t* surface() const { return cairo_get_target(cr_); }
    int width() const { return width_; }
    int height() const { return height_; }
    // Premultiplied ARGB of one pixel, 0 outside.
    uint32_t pixel(int x, int y) const;

  private:
    static cairo_t* makeContext(int width, int height);
    int width_, height_;
};

} // namespace tk
