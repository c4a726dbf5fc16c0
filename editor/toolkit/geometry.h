// Points, rectangles and colours of the GUI toolkit. Rectangles are half-open in whole pixels:
// (left, top) is inside, (right, bottom) is not.
#pragma once
#include <algorithm>
#include <cstdint>

namespace tk {

struct CPoint {
    int x = 0;
    int y = 0;
};

struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    static CRect fromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    // The rectangle spanned by two corners in any order.
    static CRect normalised(int x0, int y0, int x1, int y1) {
        return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
    }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool contains(const CRect& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
    bool intersects(const CRect& r) const {
        return r.left < right && r.right > left && r.top < bottom && r.bottom > top;
    }
    CRect intersection(const CRect& r) const {
        CRect o{std::max(left, r.left), std::max(top, r.top), std::min(right, r.right),
                std::min(bottom, r.bottom)};
        return o.empty() ? CRect{} : o;
    }
    CRect united(const CRect& r) const {
        if (empty()) return r;
        if (r.empty()) return *this;
        return {std::min(left, r.left), std::min(top, r.top), std::max(right, r.right),
                std::max(bottom, r.bottom)};
    }
    CRect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    CRect movedTo(int x, int y) const { return fromSize(x, y, width(), height()); }
    bool operator==(const CRect&) const = default;
};

struct CColor {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    // From the palette's 0xRRGGBBAA words.
    static CColor fromRGBA(uint32_t v) {
        return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    }
    bool operator==(const CColor&) const = default;
};

} // namespace tk
