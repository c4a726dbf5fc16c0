// The toolkit's own coverage rasteriser (used where the system's drawing library is not trusted
// to anti-alias alike) against Cairo's: the same shapes cover the same pixels within a few
// levels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "editor/toolkit/cdrawcontext.h"
#include "editor/toolkit/shape_raster.h"

namespace {

constexpr int kSide = 64;

struct Shape {
    const char* name;
    tk::CPath path;
    bool stroke;
    tk::CPen pen;
};

std::vector<Shape> shapes() {
    std::vector<Shape> list;
    tk::CPath dot;
    dot.circle(20.5, 20.5, 6);
    list.push_back({"circle", dot, false, {}});
    tk::CPath pill;
    pill.roundRect(8.5, 30.5, 20, 12, 2);
    list.push_back({"rounded outline", pill, true, {}});
    tk::CPath curve;
    curve.moveTo(2.5, 40.5);
    for (int x = 3; x < 62; ++x)
        curve.lineTo(x + 0.5, 40.5 - 12 * std::exp(-std::pow((x - 30) / 8.0, 2)));
    tk::CPen glow;
    glow.width = 4;
    glow.cap = tk::CPen::Cap::Round;
    glow.join = tk::CPen::Join::Round;
    list.push_back({"curve with round ends", curve, true, glow});
    tk::CPath area = curve;
    area.lineTo(61.5, 50);
    area.lineTo(2.5, 50);
    area.close();
    list.push_back({"area under a curve", area, false, {}});
    tk::CPath row;
    row.moveTo(0, 60.5);
    row.lineTo(64, 60.5);
    tk::CPen dashed;
    dashed.dashes = {2, 3};
    list.push_back({"dashed line", row, true, dashed});
    tk::CPath corner;
    corner.moveTo(40.5, 5.5);
    corner.lineTo(60.5, 5.5);
    corner.lineTo(50.5, 25.5);
    tk::CPen thick;
    thick.width = 3;
    list.push_back({"mitred corner", corner, true, thick});
    return list;
}

} // namespace

TEST(ShapeRaster, CoversThePixelsCairoCovers) {
    for (const Shape& s : shapes()) {
        tk::COffscreenContext cairo(kSide, kSide, nullptr);
        if (s.stroke)
            cairo.strokePath(s.path, tk::CPaint::colour(0xFFFFFF), s.pen);
        else
            cairo.fillPath(s.path, tk::CPaint::colour(0xFFFFFF));
        std::vector<double> own(kSide * kSide, 0.0);
        const auto figures = tk::raster::flatten(s.path, {0, 0, 1});
        tk::raster::cover(
            s.stroke ? tk::raster::outline(figures, s.pen, 1) : tk::raster::areas(figures),
            {0, 0, kSide, kSide}, [&](int x, int y, double c) { own[y * kSide + x] = c; });
        int worst = 0, covered = 0;
        long total = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const int want = static_cast<int>(cairo.pixel(x, y) >> 24);
                const int got = static_cast<int>(std::lround(own[y * kSide + x] * 255));
                worst = std::max(worst, std::abs(want - got));
                total += std::abs(want - got);
                covered += want > 0;
            }
        EXPECT_GT(covered, 20) << s.name;
        EXPECT_LE(worst, 24) << s.name;                    // an edge pixel a tenth off at most
        EXPECT_LT(double(total) / covered, 4.0) << s.name; // a few levels on average
    }
}

// Whole-pixel shapes are exact: a rectangle's and a 1-pixel line's pixels are fully covered,
// their neighbours not at all.
TEST(ShapeRaster, WholePixelShapesAreExact) {
    tk::CPath shape;
    shape.rect(2, 2, 4, 3);
    shape.moveTo(10, 20.5); // a line through pixel centres
    shape.lineTo(20, 20.5);
    auto figures = tk::raster::flatten(shape, {0, 0, 1});
    std::vector<double> area(kSide * kSide, 0.0);
    tk::raster::cover(tk::raster::areas({figures[0]}), {0, 0, kSide, kSide},
                      [&](int x, int y, double c) { area[y * kSide + x] = c; });
    EXPECT_DOUBLE_EQ(area[2 * kSide + 2], 1.0);
    EXPECT_DOUBLE_EQ(area[4 * kSide + 5], 1.0);
    EXPECT_DOUBLE_EQ(area[5 * kSide + 5], 0.0);
    EXPECT_DOUBLE_EQ(area[2 * kSide + 6], 0.0);
    std::vector<double> line(kSide * kSide, 0.0);
    tk::raster::cover(tk::raster::outline({figures[1]}, tk::CPen{}, 1), {0, 0, kSide, kSide},
                      [&](int x, int y, double c) { line[y * kSide + x] = c; });
    for (int x = 10; x < 20; ++x) {
        EXPECT_DOUBLE_EQ(line[20 * kSide + x], 1.0) << x;
        EXPECT_DOUBLE_EQ(line[19 * kSide + x], 0.0) << x;
    }
    EXPECT_DOUBLE_EQ(line[20 * kSide + 20], 0.0);
}
