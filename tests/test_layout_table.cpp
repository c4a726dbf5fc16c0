#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <vector>

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
    EXPECT_EQ(globals, 15); // with the window's zoom
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

// ------------------------------------------------------------------------------------------
// The designed layout: structure, wiring and geometry, with every bitmap's size read from the
// PNG the library embeds.

#include "platform/platform.h"
#include "tools/art/layout_walk.h"

namespace {

constexpr int kWindowW = 991, kWindowH = 701;

// Width and height from the PNG's header chunk; 0 x 0 when the resource is absent or no PNG.
art::BitmapSize embeddedSize(const std::string& name) {
    platform::Resource r = platform::findResource(name.c_str(), "PNG");
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!r.data || r.size < 24 || std::memcmp(r.data, kSignature, 8) != 0) return {};
    auto be32 = [&](size_t at) {
        return static_cast<int>((r.data[at] << 24) | (r.data[at + 1] << 16) |
                                (r.data[at + 2] << 8) | r.data[at + 3]);
    };
    return {be32(16), be32(20)};
}

// Builds without an editor (Windows for now) embed no art: the layout is checked where it is drawn.
bool artEmbedded() {
    return platform::findResource("BG.png", "PNG").data != nullptr;
}

const art::LayoutWalk& designedLayout() {
    static const art::LayoutWalk walk = [] {
        art::LayoutWalk w;
        w.run(kLayoutTable, kLayoutRowCount, embeddedSize);
        return w;
    }();
    return walk;
}

const art::PlacedControl* placed(int tag) {
    for (const art::PlacedControl& c : designedLayout().controls)
        if (c.tag == tag) return &c;
    return nullptr;
}

const art::PlacedPanel* panelOf(int tag) {
    int i = designedLayout().panelIndex(tag);
    return i < 0 ? nullptr : &designedLayout().panels[i];
}

bool hasControlRow(int tag) {
    for (int r = 1; r < kLayoutRowCount; ++r)
        if (kLayoutTable[r].kind < kFirstDirectiveKind && layoutTag(kLayoutTable[r]) == tag)
            return true;
    return false;
}

int rowOfControl(int tag) {
    for (int r = 1; r < kLayoutRowCount; ++r)
        if (kLayoutTable[r].kind < kFirstDirectiveKind && layoutTag(kLayoutTable[r]) == tag)
            return r;
    return -1;
}

int rowOfPanel(int tag) {
    for (int r = 1; r < kLayoutRowCount; ++r)
        if ((kLayoutTable[r].kind == 158 || kLayoutTable[r].kind == 159) &&
            layoutTag(kLayoutTable[r]) == tag)
            return r;
    return -1;
}

} // namespace

TEST(LayoutDesign, PanelsAreBalancedAndEveryBitmapIsKnown) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    int depth = 0;
    for (int r = 1; r < kLayoutRowCount; ++r) {
        int k = kLayoutTable[r].kind;
        if (k == 158 || k == 159) ++depth;
        if (k == 160) --depth;
        ASSERT_GE(depth, 0) << "row " << r << " ends a panel that was never opened";
    }
    EXPECT_EQ(depth, 0);
    for (const std::string& p : designedLayout().problems)
        ADD_FAILURE() << p;
    std::set<int> panelTags;
    for (const art::PlacedPanel& p : designedLayout().panels)
        EXPECT_TRUE(panelTags.insert(p.tag).second) << "panel " << p.tag << " twice";
    EXPECT_EQ(panelTags,
              (std::set<int>{1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 80, 81}));
}

TEST(LayoutDesign, TextStylesStayInsideThePalette) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    // A style reads three entries from its index on: 45 is the last that fits 48 colours.
    for (int r = 1; r < kLayoutRowCount; ++r)
        if (kLayoutTable[r].kind == 151) {
            EXPECT_GE(kLayoutTable[r].aux, 0) << r;
            EXPECT_LE(kLayoutTable[r].aux, kPaletteSize - 3) << r;
            EXPECT_GT(kLayoutTable[r].x, 0) << r;
            EXPECT_GT(kLayoutTable[r].y, 0) << r;
        }
}

TEST(LayoutDesign, FontsAreChosenByIdNotByPointer) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    // The font directive carries a font id in aux (0: 18 pt, 1: 14 pt), never a handle in the
    // text pointer of the bitmap column.
    EXPECT_EQ(kLayoutTable[5].kind, 156);
    EXPECT_EQ(kLayoutTable[5].aux, 0);
    EXPECT_EQ(kLayoutTable[548].kind, 156);
    EXPECT_EQ(kLayoutTable[548].aux, 1);
    for (int r = 1; r < kLayoutRowCount; ++r)
        if (kLayoutTable[r].kind == 156) {
            EXPECT_EQ(kLayoutTable[r].bitmap, nullptr) << r;
            EXPECT_TRUE(kLayoutTable[r].aux == 0 || kLayoutTable[r].aux == 1) << r;
        }
    // The credits panel's menus come after the 14 pt font.
    EXPECT_GT(rowOfPanel(19), 548);
}

TEST(LayoutDesign, EveryControlSitsInsideItsPanelAndTheWindow) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    const art::LayoutWalk& w = designedLayout();
    for (const art::PlacedPanel& p : w.panels) {
        double pw = p.parent < 0 ? kWindowW : w.panels[p.parent].w;
        double ph = p.parent < 0 ? kWindowH : w.panels[p.parent].h;
        EXPECT_GE(p.x, 0) << "panel " << p.tag;
        EXPECT_GE(p.y, 0) << "panel " << p.tag;
        EXPECT_LE(p.x + p.w, pw) << "panel " << p.tag;
        EXPECT_LE(p.y + p.h, ph) << "panel " << p.tag;
    }
    int visible = 0;
    for (const art::PlacedControl& c : w.controls) {
        if (!c.visible()) continue;
        ++visible;
        double pw = c.panel < 0 ? kWindowW : w.panels[c.panel].w;
        double ph = c.panel < 0 ? kWindowH : w.panels[c.panel].h;
        EXPECT_GE(c.x, 0) << "tag " << c.tag;
        EXPECT_GE(c.y, 0) << "tag " << c.tag;
        EXPECT_LE(c.x + c.w, pw) << "tag " << c.tag << " in panel " << c.panel;
        EXPECT_LE(c.y + c.h, ph) << "tag " << c.tag << " in panel " << c.panel;
        EXPECT_LE(c.ax + c.w, kWindowW) << "tag " << c.tag;
        EXPECT_LE(c.ay + c.h, kWindowH) << "tag " << c.tag;
    }
    // Every host parameter below the spares and every editor control is on screen, except the
    // stores that only hold data: text entries, data and float stores, hub, section objects.
    EXPECT_GE(visible, 280);
    for (int t = 6; t < 242; ++t) {
        const art::PlacedControl* c = placed(t);
        ASSERT_NE(c, nullptr) << t;
        bool store = c->kind == 53 || c->kind == 29 || c->kind == 67 || c->kind == 57;
        EXPECT_TRUE(store || c->visible()) << "parameter " << t << " is not on screen";
    }
}

TEST(LayoutDesign, NoTwoVisibleControlsOfOnePanelOverlap) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    const auto& cs = designedLayout().controls;
    for (size_t i = 0; i < cs.size(); ++i) {
        if (!cs[i].visible()) continue;
        for (size_t j = i + 1; j < cs.size(); ++j) {
            const art::PlacedControl &a = cs[i], &b = cs[j];
            if (!b.visible() || a.panel != b.panel) continue;
            bool apart =
                a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
            EXPECT_TRUE(apart) << "tags " << a.tag << " and " << b.tag << " overlap";
        }
    }
}

TEST(LayoutDesign, PositionsTheInstrumentFixes) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    auto at = [](int tag, double x, double y) {
        const art::PlacedControl* c = placed(tag);
        ASSERT_NE(c, nullptr) << tag;
        EXPECT_EQ(c->x, x) << tag;
        EXPECT_EQ(c->y, y) << tag;
    };
    at(120, 648, 329); // play mode
    at(72, 754, 328);  // portamento
    at(368, 712, 586); // copy preset
    at(365, 634, 517); // the sub-division picture
    at(387, 902, 540); // the bank picture, 50 x 50
    EXPECT_EQ(placed(387)->w, 50);
    EXPECT_EQ(placed(387)->h, 50);
    at(402, 314, 353); // step displays
    at(403, 314, 380);
    EXPECT_EQ(placed(402)->w, 133);
    EXPECT_EQ(placed(402)->h, 18);
    EXPECT_EQ(placed(403)->w, 133);
    EXPECT_EQ(placed(403)->h, 51);
    at(354, 1, 59); // the equaliser display inside its panel, 329 x 105
    EXPECT_EQ(placed(354)->panel, designedLayout().panelIndex(3));
    EXPECT_EQ(placed(354)->w, 329);
    EXPECT_EQ(placed(354)->h, 105);
    ASSERT_NE(panelOf(81), nullptr);
    EXPECT_EQ(panelOf(81)->w, 346);
    EXPECT_EQ(panelOf(81)->h, 174);
    // Sliding panels: open where built, resting where the slide directive puts them.
    struct Slide {
        int tag;
        double openX, openY, restX, restY, speed;
    };
    for (const Slide& s : {Slide{1, 751, 434, 751, 504, 0.15}, Slide{2, 634, 375, 634, 505, 0.2},
                           Slide{19, 262, 448, 262, 701, 0.2}}) {
        const art::PlacedPanel* p = panelOf(s.tag);
        ASSERT_NE(p, nullptr) << s.tag;
        EXPECT_EQ(p->kind, 158) << s.tag;
        EXPECT_EQ(p->x, s.openX) << s.tag;
        EXPECT_EQ(p->y, s.openY) << s.tag;
        EXPECT_EQ(p->restX, s.restX) << s.tag;
        EXPECT_EQ(p->restY, s.restY) << s.tag;
        const LayoutRecord& slide = kLayoutTable[p->row - 1];
        ASSERT_EQ(slide.kind, 155) << s.tag;
        EXPECT_FLOAT_EQ(slide.min, s.speed) << s.tag;
    }
    // The MIDI-learn dialog starts hidden and transparent and fades in at 0.1 per tick.
    const LayoutRecord& learn = kLayoutTable[panelOf(81)->row - 1];
    EXPECT_EQ(learn.kind, 155);
    EXPECT_NE(learn.aux, 0);
    EXPECT_FLOAT_EQ(learn.min, 0.1f);
    EXPECT_FLOAT_EQ(learn.max, 0.0f);
}

TEST(LayoutDesign, EverySlidingPanelHasItsSlideSettingsFirst) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    for (const art::PlacedPanel& p : designedLayout().panels) {
        if (p.kind != 158) continue;
        int r = p.row - 1;
        while (r > 0 && kLayoutTable[r].kind != 155 && kLayoutTable[r].kind != 158 &&
               kLayoutTable[r].kind != 159)
            --r;
        EXPECT_EQ(kLayoutTable[r].kind, 155) << "panel " << p.tag << " slides with stale settings";
    }
}

TEST(LayoutDesign, WiringNamesControlsAndPanelsThatAlreadyExist) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    std::map<int, int> links; // registrations per control
    for (int r = 1; r < kLayoutRowCount; ++r) {
        const LayoutRecord& d = kLayoutTable[r];
        int tag = layoutTag(d);
        auto builtBefore = [&](int t) { return hasControlRow(t) && rowOfControl(t) < r; };
        auto panelBefore = [&](int p) { return rowOfPanel(p) > 0 && rowOfPanel(p) < r; };
        switch (d.kind) {
        case 142:
            EXPECT_TRUE(builtBefore(tag)) << r;
            EXPECT_TRUE(panelBefore(d.aux)) << r;
            break;
        case 143:
        case 144:
            EXPECT_TRUE(builtBefore(tag)) << r;
            EXPECT_TRUE(kLayoutTable[rowOfControl(tag)].kind == 30 ||
                        kLayoutTable[rowOfControl(tag)].kind == 31)
                << r;
            for (int m : {static_cast<int>(d.aux), static_cast<int>(d.x), static_cast<int>(d.y)}) {
                if (m != -1) {
                    EXPECT_TRUE(d.kind == 143 ? builtBefore(m) : panelBefore(m)) << r;
                }
            }
            break;
        case 147:
            for (int i = 0; i < 8; ++i)
                EXPECT_TRUE(builtBefore(tag + i)) << r;
            EXPECT_EQ(kLayoutTable[r - 1].kind, 122) << "row " << r << " binds no step display";
            break;
        case 148:
        case 149:
            EXPECT_TRUE(builtBefore(tag)) << r;
            EXPECT_TRUE(builtBefore(d.x)) << r;
            ++links[tag];
            if (d.kind == 149) ++links[d.x];
            break;
        default:
            break;
        }
    }
    // Knobs, buttons and menus hold at most 8 links.
    for (auto [tag, n] : links) {
        int kind = kLayoutTable[rowOfControl(tag)].kind;
        if (kind <= 6 || (kind >= 26 && kind <= 32)) {
            EXPECT_LE(n, 8) << "tag " << tag;
        }
    }
}

TEST(LayoutDesign, SixTabsFormOneRadioGroupEachShowingItsPage) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    const int tabs[6] = {355, 356, 357, 358, 359, 360};
    const int pages[6] = {9, 11, 13, 15, 16, 17};
    for (int i = 0; i < 6; ++i) {
        std::set<int> members, shown;
        for (int r = 1; r < kLayoutRowCount; ++r) {
            const LayoutRecord& d = kLayoutTable[r];
            if (layoutTag(d) != tabs[i]) continue;
            if (d.kind != 143 && d.kind != 144) continue;
            for (int m : {static_cast<int>(d.aux), static_cast<int>(d.x), static_cast<int>(d.y)})
                if (m != -1) (d.kind == 143 ? members : shown).insert(m);
        }
        std::set<int> others(std::begin(tabs), std::end(tabs));
        others.erase(tabs[i]);
        EXPECT_EQ(members, others) << tabs[i];
        EXPECT_EQ(shown, std::set<int>{pages[i]}) << tabs[i];
        // The pages are hidden until their tab lights: fixed sub-panels.
        EXPECT_EQ(panelOf(pages[i])->kind, 159);
    }
}

TEST(LayoutDesign, MpeStoresAreCentredWhereTheyAreSigned) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    // Per-note bend rests at 0 in the engine's units; pressure and slide start at 0.
    for (int t = 404; t <= 448; ++t) {
        const LayoutRecord& r = kLayoutTable[rowOfControl(t)];
        EXPECT_EQ(r.kind, 53) << t;
        if (t <= 418) {
            EXPECT_FLOAT_EQ(r.engineMin, -r.engineMax) << t;
            EXPECT_FLOAT_EQ(r.min, -100.0f) << t;
        } else {
            EXPECT_FLOAT_EQ(r.engineMin, 0.0f) << t;
            EXPECT_FLOAT_EQ(r.min, 0.0f) << t;
        }
    }
}

TEST(LayoutDesign, EveryControlOnScreenHasATooltip) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    for (const art::PlacedControl& c : designedLayout().controls) {
        if (!c.visible()) continue;
        const char* tip = c.record->tooltip;
        EXPECT_TRUE(tip && std::strlen(tip) > 2) << "tag " << c.tag << " row " << c.row;
    }
}

namespace {

struct Box {
    double x, y, w, h;
    bool inside(const Box& o) const {
        return x >= o.x && y >= o.y && x + w <= o.x + o.w && y + h <= o.y + o.h;
    }
    bool meets(const Box& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
};

// True when panel index `p` is `drawer` or lies inside it.
bool within(int p, int drawer) {
    for (; p >= 0; p = designedLayout().panels[p].parent)
        if (p == drawer) return true;
    return false;
}

} // namespace

// A drawer that stays on screen while it rests (slide mode 0) must look finished in both
// places: every control of it either shows whole or hides whole, behind a control the window
// draws later (over the drawer) or below the window's edge; half a knob is never shown. Its
// own toggle must show whole at rest, or the drawer could not be opened.
TEST(LayoutDesign, DrawersShowWholeControlsOpenAndAtRest) {
    if (!artEmbedded()) GTEST_SKIP() << "this build embeds no editor art";
    const art::LayoutWalk& w = designedLayout();
    const Box window{0, 0, kWindowW, kWindowH};
    int drawers = 0;
    for (int d = 0; d < static_cast<int>(w.panels.size()); ++d) {
        const art::PlacedPanel& p = w.panels[d];
        if (p.kind != 158 || p.slideMode != 0 || p.parent >= 0) continue;
        ++drawers;
        std::vector<Box> over; // window controls drawn after the drawer, so over it
        for (const art::PlacedControl& c : w.controls)
            if (c.panel < 0 && c.visible() && c.row > p.row) over.push_back({c.ax, c.ay, c.w, c.h});
        bool toggleShows = false;
        for (const art::PlacedControl& c : w.controls) {
            if (!c.visible() || !within(c.panel, d)) continue;
            for (bool resting : {false, true}) {
                const double dx = resting ? p.restX - p.x : 0, dy = resting ? p.restY - p.y : 0;
                const Box at{c.ax + dx, c.ay + dy, c.w, c.h};
                bool covered = at.y >= kWindowH;
                bool clear = at.inside(window);
                for (const Box& o : over) {
                    covered = covered || at.inside(o);
                    clear = clear && !at.meets(o);
                }
                EXPECT_TRUE(covered || clear)
                    << "tag " << c.tag << " of drawer " << p.tag << (resting ? " at rest" : " open")
                    << " shows in part";
                if (resting && c.kind == 30 && c.panel == d && clear) toggleShows = true;
            }
        }
        EXPECT_TRUE(toggleShows) << "drawer " << p.tag << " hides its toggle at rest";
    }
    EXPECT_EQ(drawers, 2); // Melt and chorus
}
