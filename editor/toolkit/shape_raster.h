// Shapes turned into pixel coverage without a drawing library: a path flattened into polygons
// in device pixels, the outline a pen draws around it, and the share of each pixel that the
// polygons cover (non-zero winding). For backends whose own shape drawing differs between
// implementations; every pixel is then decided here, the same on every system.
#pragma once
#include <functional>
#include <vector>

#include "editor/toolkit/cpath.h"

namespace tk::raster {

struct Point {
    double x, y;
};
using Polygon = std::vector<Point>; // closed: the last point joins the first

// A figure of a flattened path.
struct Figure {
    std::vector<Point> points;
    bool closed = false;
};

// View coordinates to device pixels: a scale about the view's origin, then a shift.
struct Placement {
    double dx = 0, dy = 0, scale = 1;
    Point apply(double x, double y) const { return {dx + x * scale, dy + y * scale}; }
};

// The path's figures in device pixels, arcs as lines no more than a tenth of a pixel off.
std::vector<Figure> flatten(const CPath& path, const Placement& at);

// The polygons whose union is the outline `pen` draws along the figures; `scale` turns the
// pen's width and dashes into device pixels.
std::vector<Polygon> outline(const std::vector<Figure>& figures, const CPen& pen, double scale);

// The figures as polygons to fill (open figures closed, as a fill does).
std::vector<Polygon> areas(const std::vector<Figure>& figures);

// A rectangle of device coordinates, edges anywhere.
struct Box {
    double left, top, right, bottom;
};

// Calls `pixel(x, y, coverage)` for every pixel inside `clip` that the polygons cover, with the
// share covered (0 to 1), row by row.
void cover(const std::vector<Polygon>& polygons, const Box& clip,
           const std::function<void(int, int, double)>& pixel);

} // namespace tk::raster
