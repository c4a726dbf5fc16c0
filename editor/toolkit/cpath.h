// Shapes for the draw context: a path of lines, arcs and rectangles in view coordinates
// (doubles, so edges may fall between pixels), the paint that fills or strokes it (one colour
// or a linear gradient, with a fine alpha) and the pen that strokes it. Backend-neutral: each
// drawing backend replays the path with its own library.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "editor/toolkit/geometry.h"

namespace tk {

class CPath {
  public:
    enum class Op { Move, Line, Arc, Rect, Close, NewFigure };
    struct Element {
        Op op;
        double a, b, c, d, e; // Move/Line: x y; Arc: cx cy r from to; Rect: x y w h
    };

    void moveTo(double x, double y) { add({Op::Move, x, y, 0, 0, 0}); }
    void lineTo(double x, double y) { add({Op::Line, x, y, 0, 0, 0}); }
    // A circular arc from angle `from` to `to` (radians, growing clockwise on the screen);
    // joined to the current point by a line when there is one.
    void arc(double cx, double cy, double r, double from, double to) {
        add({Op::Arc, cx, cy, r, from, to});
    }
    // A closed rectangle of its own.
    void rect(double x, double y, double w, double h) { add({Op::Rect, x, y, w, h, 0}); }
    void close() { add({Op::Close, 0, 0, 0, 0, 0}); }
    // Forgets the current point: the next arc starts a figure of its own.
    void newFigure() { add({Op::NewFigure, 0, 0, 0, 0, 0}); }

    // A rectangle with corners of radius `r` (at most half the shorter side), closed.
    void roundRect(double x, double y, double w, double h, double r);
    // A whole circle, a figure of its own.
    void circle(double cx, double cy, double r);

    bool empty() const { return elements_.empty(); }
    const std::vector<Element>& elements() const { return elements_; }

  private:
    void add(const Element& e) { elements_.push_back(e); }
    std::vector<Element> elements_;
};

// One colour of a gradient: `rgb` as 0xRRGGBB, `alpha` 0 to 1.
struct CColourStop {
    double offset;
    uint32_t rgb;
    double alpha;
};

// What a shape is painted with: one colour, or a linear gradient from (x0, y0) to (x1, y1)
// that keeps its end colours beyond the ends.
struct CPaint {
    uint32_t rgb = 0;
    double alpha = 1.0;
    std::vector<CColourStop> stops; // a gradient when not empty
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    static CPaint colour(uint32_t rgb, double alpha = 1.0) { return {rgb, alpha, {}, 0, 0, 0, 0}; }
    static CPaint linear(double x0, double y0, double x1, double y1,
                         std::vector<CColourStop> stops) {
        return {0, 1.0, std::move(stops), x0, y0, x1, y1};
    }
};

// How a path's outline is drawn: width, ends and corners, and an optional dash pattern (on
// and off lengths, restarting with each figure).
struct CPen {
    enum class Cap { Butt, Round };
    enum class Join { Miter, Round };
    double width = 1.0;
    Cap cap = Cap::Butt;
    Join join = Join::Miter;
    std::vector<double> dashes;
};

} // namespace tk
