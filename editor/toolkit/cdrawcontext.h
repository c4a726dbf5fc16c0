// Drawing: rectangles, bitmaps (whole or one frame of a strip), lines and text. Coordinates
// are those of the view being drawn; the context keeps the offset, scale and clip. The
// drawing library behind it is chosen by the build: Cairo (cdrawcontext_cairo.cpp) or GDI+
// (cdrawcontext_gdiplus.cpp); this interface is the same on both.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editor/toolkit/cbitmap.h"
#include "editor/toolkit/cfont.h"
#include "editor/toolkit/cpath.h"
#include "editor/toolkit/geometry.h"
#include "platform/pixel_image.h"

namespace tk {

enum class TextAlign { Left, Center, Right };

class CDrawContext {
  public:
    virtual ~CDrawContext();
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    const CFontSet* fonts() const { return fonts_; }

    // Saves the state, moves the origin by (dx, dy) and clips to `clip` (in the new origin).
    void push(int dx, int dy, const CRect& clip);
    void pop();
    // Multiplies every coordinate drawn after it by `factor` until the matching pop: views draw
    // in logical pixels, the frame scales them to the device's.
    void scale(double factor);

    void fillRect(const CRect& r, CColor c);
    // Replaces the pixels of `r` with the colour instead of blending over them.
    void clearRect(const CRect& r, CColor c);
    void frameRect(const CRect& r, CColor c, double lineWidth = 1.0);
    void fillRoundRect(const CRect& r, double radius, CColor c);
    void drawLine(CPoint a, CPoint b, CColor c, double lineWidth = 1.0);
    // Connected lines through the points, through pixel centres as drawLine.
    void drawPolyline(const std::vector<CPoint>& points, CColor c, double lineWidth = 1.0);
    // Copies the part of `bitmap` that starts at (srcX, srcY) into `dest`, with an alpha; under
    // a scale the bitmap's densest fitting version is used, filtered only where its pixels do
    // not fall one to one on the device's.
    void drawBitmap(const CBitmap& bitmap, const CRect& dest, int srcX = 0, int srcY = 0,
                    double alpha = 1.0);
    // Shapes with edges anywhere between pixels, anti-aliased.
    void fillPath(const CPath& path, const CPaint& paint);
    void strokePath(const CPath& path, const CPaint& paint, const CPen& pen);
    // One line of text inside `box`, vertically centred; clipped to the box.
    void drawText(const std::string& text, const CRect& box, const CFontDesc& font, CColor c,
                  TextAlign align = TextAlign::Center);
    double textWidth(const std::string& text, const CFontDesc& font);

    // What is drawn between these two goes onto a layer that is then laid over the picture
    // with `alpha` (views that fade in and out). Layers nest with push() and pop().
    void beginLayer();
    void endLayer(double alpha);

  protected:
    // The drawing library's state, defined by the backend.
    struct Backend;
    explicit CDrawContext(const CFontSet* fonts);
    std::unique_ptr<Backend> backend_;
    const CFontSet* fonts_;
};

// A context that owns its drawing surface: an image the size of the frame, in memory.
class COffscreenContext : public CDrawContext {
  public:
    COffscreenContext(int width, int height, const CFontSet* fonts);
    ~COffscreenContext() override;
    int width() const { return width_; }
    int height() const { return height_; }
    // Premultiplied ARGB of one pixel, 0 outside.
    uint32_t pixel(int x, int y) const;
    // The whole picture, as the window layer shows it (valid while the context lives).
    platform::PixelImage image() const;

  private:
    int width_, height_;
    std::vector<uint32_t> pixels_; // width_ words a row, drawn on by the backend
};

} // namespace tk
