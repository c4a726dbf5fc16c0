#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <set>

#include "editor/layout_table.h"
#include "engine/parameter_table.h"

using namespace tarlix;

TEST(LayoutTable, ShapeAndControlRows) {
    EXPECT_EQ(kLayoutTable[kLayoutRowCount - 1].kind, kLayoutEndKind);
    for (int r = 0; r < kLayoutRowCount - 1; ++r)
        EXPECT_NE(kLayoutTable[r].kind, kLayoutEndKind) << r;
    std::map<int, int> controlRows;
    int globals = 0;
    for (int r = 1; r < kLayoutRowCount; ++r) {
        const LayoutRecord& rec = kLayoutTable[r];
        EXPECT_LT(layoutTag(rec), 451) << r;
        EXPECT_EQ(rec.tagWord & 0x4FFF0000u, 0u) << r;
        if (rec.kind < kFirstDirectiveKind) {
            ++controlRows[layoutTag(rec)];
            if (layoutTag(rec) < 333 && (rec.tagWord & kLayoutGlobalBit)) ++globals;
        }
        if (rec.aux >= 0 && rec.kind == 151) {
            EXPECT_LE(rec.aux, kPaletteSize - 3);
        }
    }
    for (auto& [tag, n] : controlRows)
        EXPECT_EQ(n, 1) << "tag " << tag;
    for (int t = 0; t < 333; ++t)
        EXPECT_EQ(controlRows.count(t), 1u) << t;
    EXPECT_EQ(globals, 14);
}

TEST(LayoutTable, EveryMenuHasAsManyOptionsAsSteps) {
    ParameterLookup p;
    p.build(kLayoutTable, kLayoutRowCount);
    for (int t = 0; t < 242; ++t) {
        const LayoutRecord& r = p.rowOf(t);
        if (r.kind == 32) {
            int steps = p.steps[t];
            ASSERT_GT(steps, 1) << t;
            // One option per display step, except "Filter %" (7 items of 1.25) and "ModToAft".
            float span = std::fabs(r.max - r.min);
            if (t != 81) {
                EXPECT_NEAR(span, steps - 1, 1e-3f) << t;
            }
        }
        EXPECT_LE(std::strlen(r.name), 21u);
    }
}
