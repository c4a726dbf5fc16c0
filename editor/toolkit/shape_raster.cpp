#include "editor/toolkit/shape_raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tk::raster {

namespace {

constexpr double kTolerance = 0.1;     // device pixels an arc's chords may stray
constexpr int kSubRows = 16;           // coverage rows sampled per pixel row
constexpr double kMiterLimit = 10.0;   // longer miters are cut off (bevelled)
constexpr size_t kMaxPoints = 1 << 20; // a path beyond this is not drawn further

double cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}

double signedArea(const Polygon& p) {
    double sum = 0;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
        sum += cross(p[j], p[i]);
    return sum / 2;
}

// Every polygon turns the same way, so overlapping ones add up instead of cancelling.
void addOriented(std::vector<Polygon>& out, Polygon p) {
    if (p.size() < 3) return;
    if (signedArea(p) < 0) std::reverse(p.begin(), p.end());
    out.push_back(std::move(p));
}

Polygon disc(Point c, double r) {
    const int n =
        std::max(8, static_cast<int>(std::ceil(
                        std::numbers::pi /
                        std::acos(std::max(-1.0, 1.0 - kTolerance / std::max(r, kTolerance))))));
    Polygon p;
    p.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double a = 2 * std::numbers::pi * i / n;
        p.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
    }
    return p;
}

// One stretch of lines without gaps: the pieces of a dashed figure, or the whole figure.
void strokeRun(const std::vector<Point>& pts, bool closed, const CPen& pen, double half,
               std::vector<Polygon>& out) {
    const size_t n = pts.size();
    if (n < 2) return;
    const size_t segments = closed ? n : n - 1;
    auto unitAlong = [&](size_t i) {
        Point a = pts[i], b = pts[(i + 1) % n];
        double len = std::hypot(b.x - a.x, b.y - a.y);
        return Point{(b.x - a.x) / len, (b.y - a.y) / len};
    };
    for (size_t i = 0; i < segments; ++i) {
        Point a = pts[i], b = pts[(i + 1) % n], d = unitAlong(i);
        Point off{-d.y * half, d.x * half};
        addOriented(out, {{a.x + off.x, a.y + off.y},
                          {b.x + off.x, b.y + off.y},
                          {b.x - off.x, b.y - off.y},
                          {a.x - off.x, a.y - off.y}});
    }
    // Joins at the corners between two segments.
    for (size_t k = closed ? 0 : 1; k < (closed ? n : n - 1); ++k) {
        const Point p = pts[k];
        if (pen.join == CPen::Join::Round) {
            addOriented(out, disc(p, half));
            continue;
        }
        Point d0 = unitAlong((k + n - 1) % n), d1 = unitAlong(k);
        const double turn = cross(d0, d1);
        if (std::fabs(turn) < 1e-12) continue; // straight on
        // The outer side of the corner.
        const double side = turn > 0 ? -1.0 : 1.0;
        Point n0{-d0.y * half * side, d0.x * half * side},
            n1{-d1.y * half * side, d1.x * half * side};
        Point o0{p.x + n0.x, p.y + n0.y}, o1{p.x + n1.x, p.y + n1.y};
        const double cosHalf = std::sqrt(std::max(0.0, (1 + (d0.x * d1.x + d0.y * d1.y)) / 2));
        if (cosHalf > 1.0 / kMiterLimit) {
            Point mid{n0.x + n1.x, n0.y + n1.y};
            double len = std::hypot(mid.x, mid.y);
            if (len > 0) {
                double reach = half / cosHalf;
                addOriented(out,
                            {p, o0, {p.x + mid.x / len * reach, p.y + mid.y / len * reach}, o1});
                continue;
            }
        }
        addOriented(out, {p, o0, o1});
    }
    if (!closed && pen.cap == CPen::Cap::Round) {
        addOriented(out, disc(pts.front(), half));
        addOriented(out, disc(pts.back(), half));
    }
}

} // namespace

std::vector<Figure> flatten(const CPath& path, const Placement& at) {
    std::vector<Figure> figures;
    bool hasCurrent = false;
    Point start{0, 0}; // where the current figure began, in view units
    size_t total = 0;
    auto open = [&](Point viewPoint) {
        figures.push_back({{at.apply(viewPoint.x, viewPoint.y)}, false});
        start = viewPoint;
        hasCurrent = true;
    };
    // A line with no current point only starts a figure; after a close, the next line starts
    // a new figure where the closed one began.
    auto lineTo = [&](Point viewPoint) {
        if (!hasCurrent) {
            open(viewPoint);
            return;
        }
        if (figures.back().closed) open(start);
        if (++total > kMaxPoints) return;
        figures.back().points.push_back(at.apply(viewPoint.x, viewPoint.y));
    };
    for (const CPath::Element& e : path.elements()) {
        switch (e.op) {
        case CPath::Op::Move:
            open({e.a, e.b});
            break;
        case CPath::Op::Line:
            lineTo({e.a, e.b});
            break;
        case CPath::Op::Arc: {
            double from = e.d, to = e.e;
            if (!std::isfinite(from) || !std::isfinite(to) || !(e.c >= 0)) break;
            while (to < from)
                to += 2 * std::numbers::pi;
            const double r = e.c, rDevice = r * std::fabs(at.scale);
            const double step = rDevice > kTolerance ? 2 * std::acos(1 - kTolerance / rDevice)
                                                     : std::numbers::pi / 2;
            const int n = std::clamp(static_cast<int>(std::ceil((to - from) / step)), 1, 4096);
            for (int i = 0; i <= n; ++i) {
                const double a = from + (to - from) * i / n;
                lineTo({e.a + r * std::cos(a), e.b + r * std::sin(a)});
            }
            break;
        }
        case CPath::Op::Rect:
            open({e.a, e.b});
            lineTo({e.a + e.c, e.b});
            lineTo({e.a + e.c, e.b + e.d});
            lineTo({e.a, e.b + e.d});
            figures.back().closed = true;
            break;
        case CPath::Op::Close:
            if (hasCurrent && !figures.empty()) figures.back().closed = true;
            break;
        case CPath::Op::NewFigure:
            hasCurrent = false;
            break;
        }
    }
    return figures;
}

std::vector<Polygon> areas(const std::vector<Figure>& figures) {
    std::vector<Polygon> out;
    for (const Figure& f : figures)
        if (f.points.size() >= 3) out.push_back(f.points);
    return out;
}

std::vector<Polygon> outline(const std::vector<Figure>& figures, const CPen& pen, double scale) {
    std::vector<Polygon> out;
    const double half = pen.width * std::fabs(scale) / 2;
    if (!(half > 0) || !std::isfinite(half)) return out;
    std::vector<double> dashes;
    double period = 0;
    for (double d : pen.dashes) {
        dashes.push_back(std::max(0.0, d) * std::fabs(scale));
        period += dashes.back();
    }
    if (!(period > 0)) dashes.clear();
    for (const Figure& f : figures) {
        // Repeated points make no direction.
        std::vector<Point> pts;
        for (Point p : f.points)
            if (pts.empty() || std::hypot(p.x - pts.back().x, p.y - pts.back().y) > 1e-9)
                pts.push_back(p);
        bool closed = f.closed;
        if (closed && pts.size() > 1 &&
            std::hypot(pts.front().x - pts.back().x, pts.front().y - pts.back().y) <= 1e-9)
            pts.pop_back();
        if (pts.size() < 2) continue;
        if (dashes.empty()) {
            strokeRun(pts, closed && pts.size() > 2, pen, half, out);
            continue;
        }
        // Dashes restart with each figure; a closed figure is walked round to its start.
        if (closed) pts.push_back(pts.front());
        size_t dash = 0;
        double left = dashes[0];
        bool on = true;
        std::vector<Point> piece{pts[0]};
        for (size_t i = 1; i < pts.size(); ++i) {
            Point a = pts[i - 1], b = pts[i];
            double len = std::hypot(b.x - a.x, b.y - a.y), at = 0;
            while (len - at > left) {
                at += left;
                Point cut{a.x + (b.x - a.x) * at / len, a.y + (b.y - a.y) * at / len};
                if (on) {
                    piece.push_back(cut);
                    strokeRun(piece, false, pen, half, out);
                }
                piece.assign(1, cut);
                on = !on;
                dash = (dash + 1) % dashes.size();
                left = dashes[dash];
            }
            left -= len - at;
            if (on) piece.push_back(b);
        }
        if (on) strokeRun(piece, false, pen, half, out);
    }
    return out;
}

void cover(const std::vector<Polygon>& polygons, const Box& clip,
           const std::function<void(int, int, double)>& pixel) {
    struct Edge {
        double x0, y0, x1, y1;
        int dir;
    };
    std::vector<Edge> edges;
    double top = clip.bottom, bottom = clip.top;
    for (const Polygon& p : polygons)
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            Point a = p[j], b = p[i];
            if (a.y == b.y || !std::isfinite(a.x + a.y + b.x + b.y)) continue;
            int dir = 1;
            if (a.y > b.y) {
                std::swap(a, b);
                dir = -1;
            }
            edges.push_back({a.x, a.y, b.x, b.y, dir});
            top = std::min(top, a.y);
            bottom = std::max(bottom, b.y);
        }
    if (edges.empty()) return;
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
    const int firstRow = static_cast<int>(std::floor(std::max(top, clip.top)));
    const int lastRow = static_cast<int>(std::ceil(std::min(bottom, clip.bottom)));
    const int firstCol = static_cast<int>(std::floor(clip.left));
    const int lastCol = static_cast<int>(std::ceil(clip.right));
    if (lastCol <= firstCol) return;
    std::vector<double> row(static_cast<size_t>(lastCol - firstCol) + 1);
    std::vector<const Edge*> active;
    std::vector<std::pair<double, int>> crossings;
    size_t next = 0;
    for (int y = firstRow; y < lastRow; ++y) {
        // The edges that reach into this row.
        while (next < edges.size() && edges[next].y0 < y + 1)
            active.push_back(&edges[next++]);
        std::erase_if(active, [&](const Edge* e) { return e->y1 <= y; });
        if (active.empty()) continue;
        std::fill(row.begin(), row.end(), 0.0);
        bool any = false;
        for (int k = 0; k < kSubRows; ++k) {
            const double sy = y + (k + 0.5) / kSubRows;
            if (sy < clip.top || sy >= clip.bottom) continue;
            crossings.clear();
            for (const Edge* e : active)
                if (e->y0 <= sy && sy < e->y1)
                    crossings.push_back(
                        {e->x0 + (e->x1 - e->x0) * (sy - e->y0) / (e->y1 - e->y0), e->dir});
            std::sort(crossings.begin(), crossings.end());
            int winding = 0;
            double from = 0;
            for (const auto& [x, dir] : crossings) {
                const int before = winding;
                winding += dir;
                if (before == 0 && winding != 0) from = x;
                if (before != 0 && winding == 0) {
                    const double a = std::max(from, clip.left), b = std::min(x, clip.right);
                    if (b <= a) continue;
                    any = true;
                    const int ia = static_cast<int>(std::floor(a)),
                              ib = static_cast<int>(std::floor(b));
                    if (ia == ib) {
                        row[static_cast<size_t>(ia - firstCol)] += b - a;
                        continue;
                    }
                    row[static_cast<size_t>(ia - firstCol)] += ia + 1 - a;
                    for (int i = ia + 1; i < ib; ++i)
                        row[static_cast<size_t>(i - firstCol)] += 1.0;
                    if (ib < lastCol) row[static_cast<size_t>(ib - firstCol)] += b - ib;
                }
            }
        }
        if (!any) continue;
        for (int x = firstCol; x < lastCol; ++x) {
            const double c = row[static_cast<size_t>(x - firstCol)] / kSubRows;
            if (c > 0) pixel(x, y, std::min(c, 1.0));
        }
    }
}

} // namespace tk::raster
