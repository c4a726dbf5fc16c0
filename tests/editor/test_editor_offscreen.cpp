// The editor built on an offscreen frame (no X server): the table's controls where their rows
// put them, values from the engine in the pictures, tabs, panel slides, reopening, tooltips.
#include <cmath>
#include <cstring>
#include <set>

#include "editor/toolkit/cvstguitimer.h"
#include "tests/editor/editor_rig.h"

using editortest::Rig;
using editortest::row;
using tarlix::LayoutRecord;

namespace {

// The panel each control row sits in (-1: the window), from the table's nesting.
std::vector<int> enclosingPanels(const LayoutRecord* table, int rows) {
    std::vector<int> panelOf(rows, -1);
    std::vector<int> stack;
    for (int r = 1; r < rows; ++r) {
        int kind = table[r].kind;
        if (kind >= 161) break;
        panelOf[r] = stack.empty() ? -1 : stack.back();
        if (kind == 158 || kind == 159) stack.push_back(tarlix::layoutTag(table[r]));
        if (kind == 160 && !stack.empty()) stack.pop_back();
    }
    return panelOf;
}

bool drawsSomething(int kind) {
    return kind <= 6 || (kind >= 26 && kind <= 28) || kind == 30 || kind == 31 || kind == 32 ||
           kind == 55 || kind == 56 || kind == 83;
}

} // namespace

TEST(EditorBuild, EveryControlSitsInItsPanelWhereItsRowSays) {
    Rig rig;
    ASSERT_TRUE(rig.editor->openOffscreen());
    auto panelOf = enclosingPanels(tarlix::kLayoutTable, tarlix::kLayoutRowCount);
    int checked = 0;
    for (int tag = 0; tag < 451; ++tag) {
        tk::CControl* c = rig.editor->control(tag);
        if (!c) continue;
        int r = rig.editor->rowOfControl(tag);
        ASSERT_GE(r, 0);
        const LayoutRecord& rec = tarlix::kLayoutTable[r];
        EXPECT_EQ(tarlix::layoutTag(rec), tag);
        int panel = panelOf[r];
        tk::CViewContainer* parent = c->getParentView();
        if (panel < 0)
            EXPECT_EQ(parent, rig.editor->frame()) << "tag " << tag;
        else
            EXPECT_EQ(parent, rig.editor->panel(panel)) << "tag " << tag;
        if (!drawsSomething(rec.kind)) continue;
        const tk::CRect& box = c->getViewSize();
        EXPECT_EQ(box.left, rec.x) << "tag " << tag << " row " << r;
        EXPECT_EQ(box.top, rec.y) << "tag " << tag << " row " << r;
        EXPECT_GT(box.width(), 0) << "tag " << tag;
        EXPECT_GT(box.height(), 0) << "tag " << tag;
        if (rec.bitmap && std::strcmp(rec.bitmap, "Knob.png") == 0) {
            EXPECT_EQ(box.width(), 41) << "tag " << tag; // 29 frames of 41 x 41
            EXPECT_EQ(box.height(), 41) << "tag " << tag;
        }
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST(EditorBuild, MenusHoldTheirOptionsWithoutAnEmptyLastItem) {
    Rig rig;
    ASSERT_TRUE(rig.editor->openOffscreen());
    auto* bend = dynamic_cast<tk::COptionMenu*>(rig.editor->control(184)); // "1,...,48,"
    ASSERT_NE(bend, nullptr);
    EXPECT_EQ(bend->entryCount(), 48);
    EXPECT_EQ(bend->entry(47), "48");
    auto* play = dynamic_cast<tk::COptionMenu*>(rig.editor->control(120));
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->entryCount(), 3);
    EXPECT_EQ(play->entry(2), "Poly");
}

TEST(EditorBuild, AHostValueMovesTheKnobsPictureAndRedrawsOnlyTheKnob) {
    Rig rig;
    ASSERT_TRUE(rig.editor->openOffscreen());
    auto* knob = dynamic_cast<tarlix::QX_Knob*>(rig.editor->control(72)); // "Portamento (ms)"
    ASSERT_NE(knob, nullptr);
    tk::CRect box = knob->frameRect();

    rig.engine->setParameter(72, 0.0f);
    rig.ticks(1);
    ASSERT_GE(rig.settle(knob), 0);
    auto low = rig.pixels(box);

    rig.engine->setParameter(72, 1.0f);
    rig.editor->tick(); // the tick takes the value; the picture starts to move
    rig.editor->frame()->idle();
    for (const tk::CRect& r : rig.editor->frame()->lastRedrawn())
        EXPECT_TRUE(box.contains(r)) << "redrawn outside the knob";
    int ticks = rig.settle(knob);
    ASSERT_GE(ticks, 0);
    EXPECT_LE(ticks, 40); // 0.2 of the way per tick: about half a second at 16 ms
    auto high = rig.pixels(box);
    EXPECT_NE(low, high);
    EXPECT_EQ(knob->frameFor(knob->shownValue()), knob->frames() - 1);

    // Nothing changes: nothing is drawn.
    rig.ticks(3);
    EXPECT_EQ(rig.editor->frame()->idle(), 0);
}

TEST(EditorBuild, ValuesOutsideTheRangeOrNaNPickAFrameInsideTheStrip) {
    auto strip = tk::CBitmap::solid(10, 10 * 29, 0xFF808080u);
    tarlix::QX_Knob knob(tk::CRect::fromSize(0, 0, 10, 10), nullptr, 1, strip, 29, 0);
    for (float v : {std::nanf(""), -5.0f, 7.0f, INFINITY, -INFINITY, 1.0f, 0.0f}) {
        knob.setFromHost(v);
        for (int i = 0; i < 60; ++i)
            knob.onIdleTick();
        EXPECT_GE(knob.frameFor(knob.shownValue()), 0) << v;
        EXPECT_LE(knob.frameFor(knob.shownValue()), 28) << v;
        EXPECT_TRUE(knob.getValue() >= 0.0f && knob.getValue() <= 1.0f) << v;
    }
    EXPECT_EQ(knob.frameFor(std::nanf("")), 0);
    EXPECT_EQ(knob.frameFor(3.0f), 28);
}

// A small window: three tab buttons with a page each, as the modulation section has six.
class Tabs : public ::testing::Test {
  protected:
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "BG.png"),
        row(0, 152, -1, 29),
        row(355, 31, -1, 10, 10, nullptr, 0, 1, "Lfo1 Panel"),
        row(356, 31, -1, 40, 10),
        row(357, 31, -1, 70, 10),
        row(9, 159, -1, 10, 40, nullptr, 200, 100),
        row(11, 0, -1, 5, 5, "Knob.png"),
        row(0, 160),
        row(11, 159, -1, 10, 40, nullptr, 200, 100),
        row(22, 0, -1, 5, 5, "Knob.png"),
        row(0, 160),
        row(13, 159, -1, 10, 40, nullptr, 200, 100),
        row(33, 0, -1, 5, 5, "Knob.png"),
        row(0, 160),
        row(355, 143, 356, 357, -1),
        row(355, 144, 9, -1, -1),
        row(356, 144, 11, -1, -1),
        row(357, 144, 13, -1, -1),
        row(0, 161),
    };
    int shownPages(tarlix::QX_GUI_Editor& e) {
        int n = 0;
        for (int p : {9, 11, 13})
            n += e.panel(p)->isVisible() ? 1 : 0;
        return n;
    }
    void click(tarlix::QX_GUI_Editor& e, int tag) {
        tk::CRect r = e.control(tag)->frameRect();
        e.frame()->handleMouseDown({r.left + 2, r.top + 2}, tk::kLButton);
        e.frame()->handleMouseUp({r.left + 2, r.top + 2}, tk::kLButton);
    }
};

TEST_F(Tabs, TheFirstPageShowsAfterOpeningAndEachTabShowsExactlyItsPage) {
    Rig rig(table.data(), static_cast<int>(table.size()));
    ASSERT_TRUE(rig.editor->openOffscreen());
    EXPECT_TRUE(rig.editor->panel(9)->isVisible());
    EXPECT_EQ(shownPages(*rig.editor), 1);
    for (int tab : {357, 356, 356, 355, 357}) {
        click(*rig.editor, tab);
        EXPECT_EQ(shownPages(*rig.editor), 1) << tab;
        int page = tab == 355 ? 9 : tab == 356 ? 11 : 13;
        EXPECT_TRUE(rig.editor->panel(page)->isVisible()) << tab;
        EXPECT_EQ(rig.editor->control(tab)->getValue(), 1.0f);
    }
}

TEST(EditorTabs, TheTablesModulationTabsShowExactlyOnePage) {
    bool switches = false;
    for (int r = 0; r < tarlix::kLayoutRowCount; ++r)
        switches |= tarlix::kLayoutTable[r].kind == 144 &&
                    tarlix::layoutTag(tarlix::kLayoutTable[r]) == 355;
    if (!switches) GTEST_SKIP() << "the layout table has no panel switch rows for the tabs yet";
    Rig rig;
    ASSERT_TRUE(rig.editor->openOffscreen());
    const int pages[] = {9, 11, 13, 15, 16, 17};
    for (int i = 0; i < 6; ++i) {
        rig.editor->setParameter(355 + i, 1.0f);
        int shown = 0;
        for (int p : pages)
            shown += rig.editor->panel(p) && rig.editor->panel(p)->isVisible();
        EXPECT_EQ(shown, 1) << "tab " << 355 + i;
        EXPECT_TRUE(rig.editor->panel(pages[i])->isVisible());
    }
}

namespace {
// Ticks of "position += s * (target - position)" until the rest is below half a pixel.
int ticksToArrive(double distance, double speed) {
    int n = 0;
    while (std::fabs(distance) >= 0.5) {
        distance -= speed * distance;
        ++n;
    }
    return n;
}
} // namespace

// The Melt, chorus and credits slides and the MIDI-learn fade, with the window's settings.
class Slides : public ::testing::Test {
  protected:
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "BG.png"),
        row(361, 30, -1, 700, 600),
        row(362, 30, -1, 730, 600),
        row(352, 30, -1, 760, 600),
        row(0, 155, 0, 751, 504, nullptr, 0.15f, 1.0f),
        row(1, 158, -1, 751, 434, nullptr, 240, 267),
        row(0, 160),
        row(0, 155, 1, 634, 505, nullptr, 0.2f, 1.0f),
        row(2, 158, -1, 634, 375, nullptr, 110, 130),
        row(0, 160),
        row(0, 155, 1, 262, 701, nullptr, 0.2f, 1.0f),
        row(19, 158, -1, 262, 448, nullptr, 470, 253),
        row(0, 160),
        row(0, 155, 1, 300, 200, nullptr, 0.1f, 0.0f),
        row(81, 158, -1, 300, 200, nullptr, 346, 174),
        row(0, 160),
        row(361, 144, 1, -1, -1),
        row(362, 144, 2, -1, -1),
        row(352, 144, 19, 81, -1),
        row(0, 161),
    };
    static int ticksUntil(Rig& rig, int panel, int x, int y, int max = 100) {
        for (int n = 0; n <= max; ++n) {
            const tk::CRect& r = rig.editor->panel(panel)->getViewSize();
            if (r.left == x && r.top == y) return n;
            rig.editor->tick();
        }
        return -1;
    }
};

TEST_F(Slides, PanelsSlideToTheirRestingPlacesInTheStatedNumberOfTicks) {
    Rig rig(table.data(), static_cast<int>(table.size()));
    ASSERT_TRUE(rig.editor->openOffscreen());
    tk::CViewContainer* melt = rig.editor->panel(1);
    // Closed: the Melt tab rests in sight below its open place; the others are hidden.
    EXPECT_EQ(melt->getViewSize(), tk::CRect::fromSize(751, 504, 240, 267));
    EXPECT_TRUE(melt->isVisible());
    EXPECT_FALSE(rig.editor->panel(2)->isVisible());
    EXPECT_FALSE(rig.editor->panel(19)->isVisible());

    rig.editor->setParameter(361, 1.0f);
    EXPECT_EQ(ticksUntil(rig, 1, 751, 434), ticksToArrive(70, 0.15));
    rig.editor->setParameter(361, 0.0f);
    EXPECT_EQ(ticksUntil(rig, 1, 751, 504), ticksToArrive(70, 0.15));
    EXPECT_TRUE(melt->isVisible()); // a mode-0 panel stays where it rests

    rig.editor->setParameter(362, 1.0f);
    EXPECT_TRUE(rig.editor->panel(2)->isVisible());
    EXPECT_EQ(ticksUntil(rig, 2, 634, 375), ticksToArrive(130, 0.2));
    rig.editor->setParameter(362, 0.0f);
    EXPECT_EQ(ticksUntil(rig, 2, 634, 505), ticksToArrive(130, 0.2));
    rig.ticks(1);
    EXPECT_FALSE(rig.editor->panel(2)->isVisible()); // hidden once it arrived

    rig.editor->setParameter(352, 1.0f);
    EXPECT_EQ(ticksUntil(rig, 19, 262, 448), ticksToArrive(253, 0.2));
}

TEST_F(Slides, TheMidiLearnPanelFadesInOverTenTicks) {
    Rig rig(table.data(), static_cast<int>(table.size()));
    ASSERT_TRUE(rig.editor->openOffscreen());
    tk::CViewContainer* learn = rig.editor->panel(81);
    EXPECT_FALSE(learn->isVisible());
    learn->show();
    rig.ticks(9);
    EXPECT_LT(learn->fade(), 1.0f);
    rig.ticks(1);
    EXPECT_EQ(learn->fade(), 1.0f);
    learn->hide();
    rig.ticks(9);
    EXPECT_TRUE(learn->isVisible());
    rig.ticks(2);
    EXPECT_FALSE(learn->isVisible());
}

TEST(EditorOpen, ReopeningRebuildsEverythingAndShowsTheCurrentProgram) {
    Rig rig;
    ASSERT_TRUE(rig.editor->openOffscreen());
    std::set<int> first;
    for (int t = 0; t < 451; ++t)
        if (rig.editor->control(t)) first.insert(t);
    rig.editor->close();
    EXPECT_EQ(rig.editor->frame(), nullptr);
    rig.editor->setParameter(72, 0.5f); // closed: nothing happens

    rig.engine->setProgram(5);
    rig.engine->setParameter(72, 0.75f);
    ASSERT_TRUE(rig.editor->openOffscreen());
    std::set<int> second;
    for (int t = 0; t < 451; ++t)
        if (rig.editor->control(t)) second.insert(t);
    EXPECT_EQ(first, second);
    EXPECT_FLOAT_EQ(rig.editor->control(72)->getValue(), rig.engine->getParameter(72));
    auto* name = dynamic_cast<tk::CTextEdit*>(rig.editor->control(401));
    ASSERT_NE(name, nullptr);
    char expected[64] = {};
    rig.engine->getProgramName(expected);
    EXPECT_EQ(name->text(), expected);

    // A program change while open reaches the name display through the mailbox.
    rig.engine->setProgram(6);
    rig.ticks(1);
    rig.engine->getProgramName(expected);
    EXPECT_EQ(name->text(), expected);
}

TEST(EditorOpen, TooltipsAppearAfterThreeAndAHalfSecondsInsideTheWindow) {
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "BG.png"),
        row(72, 0, -1, 950, 680, "Knob.png", 0, 1, "Portamento Time(ms)\nsecond line"),
        row(0, 161),
    };
    Rig rig(table.data(), static_cast<int>(table.size()));
    ASSERT_TRUE(rig.editor->openOffscreen());
    tk::CRect knob = rig.editor->control(72)->frameRect();
    rig.editor->frame()->handleMouseMoved({knob.left + 3, knob.top + 3}, 0);
    int needed = static_cast<int>(std::ceil(3500.0 / 16.0));
    rig.ticks(needed - 1);
    EXPECT_EQ(rig.editor->frame()->overlay(), nullptr);
    rig.ticks(1);
    ASSERT_NE(rig.editor->frame()->overlay(), nullptr);
    EXPECT_TRUE(
        rig.editor->frame()->getViewSize().contains(rig.editor->frame()->overlay()->getViewSize()));
    rig.editor->frame()->handleMouseDown({knob.left + 3, knob.top + 3}, tk::kLButton);
    EXPECT_EQ(rig.editor->frame()->overlay(), nullptr);
}

TEST(EditorOpen, AMenuOpensItsListInsideTheFrameAndAClickChooses) {
    Rig rig;
    ASSERT_TRUE(rig.editor->openOffscreen());
    auto* play = dynamic_cast<tk::COptionMenu*>(rig.editor->control(120));
    ASSERT_NE(play, nullptr);
    play->openList();
    tk::CView* list = rig.editor->frame()->modalView();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->getViewSize(), rig.editor->frame()->getViewSize());
    // Escape closes it without a choice.
    tk::CKeyEvent escape;
    escape.key = tk::Key::Escape;
    float before = rig.engine->getParameter(120);
    EXPECT_TRUE(rig.editor->frame()->handleKey(escape));
    EXPECT_EQ(rig.editor->frame()->modalView(), nullptr);
    EXPECT_EQ(rig.engine->getParameter(120), before);
    play->choose(0);
    EXPECT_EQ(rig.engine->getParameter(120), 0.0f); // "Mono" reached the engine
}

// Bad tables and missing art have defined outcomes.
TEST(EditorFaults, AMissingBitmapGetsAStandInAndTheWindowStillOpens) {
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "NoSuchBackground.png"),
        row(72, 0, -1, 100, 100, "NoSuchKnob.png"),
        row(6, 26, -1, 200, 100, "NoSuchButton.png"),
        row(7, 0, -1, 300, 100, "Knob.png"),
        row(0, 161),
    };
    Rig rig(table.data(), static_cast<int>(table.size()));
    ASSERT_TRUE(rig.editor->openOffscreen());
    tk::CRect knob = rig.editor->control(72)->getViewSize();
    EXPECT_EQ(knob, tk::CRect::fromSize(100, 100, 41, 41)); // a knob's own size
    EXPECT_FALSE(rig.editor->control(6)->getViewSize().empty());
    // Something is drawn where the knob is, unlike the empty face beside it.
    auto inside = rig.pixels(knob);
    auto beside = rig.pixels(knob.offset(0, 60));
    EXPECT_NE(inside, beside);
}

TEST(EditorFaults, ATextStyleBeyondThePaletteAndAOneItemMenuAreHarmless) {
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "BG.png"),
        row(0, 151, 46, 87, 24), // would read palette entries 46..48 of 48
        row(0, 151, -7, 87, 24),
        row(120, 32, -1, 10, 10, nullptr, 0, 1, nullptr, "Only,"),
        row(0, 142, 99, 0, 0), // a link to a panel that does not exist
        row(120, 142, 200, 0, 0),
        row(999, 144, 1, 2, 3), // a tag beyond the table's
        row(0, 161),
    };
    Rig rig(table.data(), static_cast<int>(table.size()));
    ASSERT_TRUE(rig.editor->openOffscreen());
    auto* menu = dynamic_cast<tk::COptionMenu*>(rig.editor->control(120));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->entryCount(), 1);
    EXPECT_EQ(menu->valueForIndex(0), 0.0f);
    for (float v : {0.0f, 0.5f, 1.0f, std::nanf("")})
        EXPECT_EQ(menu->indexFor(v), 0);
    rig.ticks(2);
    rig.editor->frame()->idle();
}

TEST(EditorTimer, ElapsedTicksRunAtTheHostsIdleRateAndAStallRunsOnlyAFew) {
    int ticks = 0;
    tk::CVSTGUITimer timer([&] { ++ticks; });
    EXPECT_EQ(timer.runElapsed(0.0), 0); // not started
    timer.start(1000.0);
    EXPECT_EQ(timer.runElapsed(1010.0), 0);
    EXPECT_EQ(timer.runElapsed(1016.0), 1);
    // A host idling at 15 Hz: four ticks per 66 ms call, so motion keeps its speed.
    double now = 1016.0;
    int total = 0;
    for (int i = 0; i < 15; ++i)
        total += timer.runElapsed(now += 66.0);
    EXPECT_EQ(total, static_cast<int>((now - 1016.0) / 16.0));
    EXPECT_EQ(ticks, total + 1);
    // A second-long stall runs a bounded catch-up, then the normal rate again.
    EXPECT_EQ(timer.runElapsed(now += 1000.0), tk::CVSTGUITimer::kMaxCatchUp);
    EXPECT_EQ(timer.runElapsed(now += 16.0), 1);
    timer.stop();
    EXPECT_EQ(timer.runElapsed(now += 100.0), 0);
}

TEST(EditorKeys, AFieldBeingEditedTakesTheHostsKeysAndOthersAreLeftToTheHost) {
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "BG.png"),
        row(0, 151, 3, 120, 24),
        row(1, 57, -1, 10, 10),
        row(0, 161),
    };
    Rig rig(table.data(), static_cast<int>(table.size()));
    ASSERT_TRUE(rig.editor->openOffscreen());
    EXPECT_EQ(rig.editor->onKeyDown('a', 0, 0), 0); // nothing has the focus
    auto* field = dynamic_cast<tk::CTextEdit*>(rig.editor->control(1));
    ASSERT_NE(field, nullptr);
    field->setText("Pad");
    tk::CRect r = field->frameRect();
    rig.editor->frame()->handleMouseDown({r.left + 2, r.top + 2}, tk::kLButton);
    EXPECT_TRUE(field->editing());
    EXPECT_EQ(rig.editor->onKeyDown('s', 0, 0), 1);
    EXPECT_EQ(rig.editor->onKeyDown(0, 1, 0), 1); // back space
    EXPECT_EQ(rig.editor->onKeyDown('!', 0, 0), 1);
    EXPECT_EQ(rig.editor->onKeyUp('!', 0, 0), 1);
    EXPECT_EQ(field->text(), "Pad!");
    EXPECT_EQ(rig.editor->onKeyDown(0, 6, 0), 1); // escape restores
    EXPECT_EQ(field->text(), "Pad");
    EXPECT_FALSE(field->editing());
    EXPECT_EQ(rig.editor->onKeyDown('x', 0, 0), 0);
}

TEST(EditorOpen, TouchingAControlShowsItsNameAndValue) {
    Rig rig;
    ASSERT_TRUE(rig.editor->openOffscreen());
    auto* name = dynamic_cast<tk::CParamDisplay*>(rig.editor->control(337));
    auto* number = dynamic_cast<tk::CTextEdit*>(rig.editor->control(336));
    ASSERT_NE(name, nullptr);
    ASSERT_NE(number, nullptr);
    auto* knob = dynamic_cast<tk::CAnimKnob*>(rig.editor->control(72)); // 0..1000 ms
    ASSERT_NE(knob, nullptr);
    knob->setValue(0.25f);
    knob->valueChanged();
    EXPECT_EQ(name->text(), "Portamento (ms)");
    EXPECT_EQ(number->text(), "62.500"); // through the knob's square taper
    EXPECT_FLOAT_EQ(rig.engine->getParameter(72), 0.25f);
    auto* play = dynamic_cast<tk::COptionMenu*>(rig.editor->control(120));
    ASSERT_NE(play, nullptr);
    play->choose(1);
    EXPECT_EQ(number->text(), "Legato");
}

TEST(EditorOpen, ARightClickOpensMidiLearnForTheControlsParameter) {
    Rig rig;
    ASSERT_TRUE(rig.editor->openOffscreen());
    tk::CViewContainer* learn = rig.editor->panel(81);
    ASSERT_NE(learn, nullptr);
    EXPECT_FALSE(learn->isVisible());
    // A tab button has no parameter to learn: nothing opens.
    tk::CRect tab = rig.editor->control(355)->frameRect();
    rig.editor->frame()->handleMouseDown({tab.left + 2, tab.top + 2}, tk::kRButton);
    EXPECT_FALSE(learn->isVisible());
    EXPECT_EQ(rig.editor->learnRequest().tag, -1);

    tk::CRect knob = rig.editor->control(72)->frameRect();
    float before = rig.engine->getParameter(72);
    rig.editor->frame()->handleMouseDown({knob.left + 5, knob.top + 5}, tk::kRButton);
    rig.editor->frame()->handleMouseUp({knob.left + 5, knob.top + 5}, tk::kRButton);
    EXPECT_TRUE(learn->isVisible());
    EXPECT_EQ(rig.editor->learnRequest().tag, 72);
    EXPECT_EQ(rig.editor->learnRequest().where.x, knob.left + 5);
    EXPECT_EQ(rig.engine->getParameter(72), before); // a right-click changes no value
    rig.ticks(10);
    EXPECT_EQ(learn->fade(), 1.0f);
    // A press outside the panel closes it (it fades out) and reaches nothing else.
    tk::CRect outside = rig.editor->control(355)->frameRect();
    ASSERT_FALSE(learn->frameRect().intersects(outside));
    rig.editor->frame()->handleMouseDown({outside.left + 2, outside.top + 2}, tk::kLButton);
    rig.ticks(20);
    EXPECT_FALSE(learn->isVisible());
}
