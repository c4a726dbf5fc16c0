#include "editor/toolkit/cpath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tk {

void CPath::roundRect(double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    newFigure();
    // Corners clockwise from the top right.
    arc(x + w - r, y + r, r, -std::numbers::pi / 2, 0);
    arc(x + w - r, y + h - r, r, 0, std::numbers::pi / 2);
    arc(x + r, y + h - r, r, std::numbers::pi / 2, std::numbers::pi);
    arc(x + r, y + r, r, std::numbers::pi, 3 * std::numbers::pi / 2);
    close();
}

void CPath::circle(double cx, double cy, double r) {
    newFigure();
    arc(cx, cy, r, 0, 2 * std::numbers::pi);
}

} // namespace tk
