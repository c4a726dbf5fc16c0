// The controls in a real X11 window under XTest input, with the editor linked in so that
// tests can build their own small tables and read the controls' state.
// gtest (through the rig) before Xlib: Xlib's macros would break gtest's names.
#include "tests/editor/rig_window.h"

#include <X11/keysym.h>

#include <cmath>

#include "editor/toolkit/cvstguitimer.h"
#include <thread>

using editortest::Rig;
using editortest::row;
using tarlix::LayoutRecord;

namespace {

using x11test::Call;
using x11test::recorded;

std::vector<float> automated(int tag) {
    std::vector<float> out;
    for (const Call& c : recorded())
        if (c.op == vst::audioMasterAutomate && c.index == tag) out.push_back(c.value);
    return out;
}

class ControlsInAWindow : public editortest::RigInAWindow {
  protected:
    void SetUp() override {
        RigInAWindow::SetUp();
        recorded().clear();
    }
    void open(const std::vector<LayoutRecord>* table = nullptr) {
        if (table)
            rig = std::make_unique<Rig>(table->data(), static_cast<int>(table->size()),
                                        x11test::recordingHost);
        else
            rig = std::make_unique<Rig>(tarlix::kLayoutTable, tarlix::kLayoutRowCount,
                                        x11test::recordingHost);
        openEditor();
    }
    bool pumpUntilEnd(int tag) {
        return pumpUntil([&] {
            for (const Call& c : recorded())
                if (c.op == vst::audioMasterEndEdit && c.index == tag) return true;
            return false;
        });
    }
    // The lit tabs of the six modulation pages.
    std::vector<int> lit() const {
        std::vector<int> on;
        for (int t = kFirstTab; t < kFirstTab + kTabs; ++t)
            if (rig->editor->control(t)->getValue() > 0.5f) on.push_back(t);
        return on;
    }
    static constexpr int kFirstTab = 355, kTabs = 6;
};

constexpr int kKnobTag = 72;
constexpr int kKnobKind = 0;
constexpr uint32_t kDetent = 1u << 29; // the layout row's centre-detent bit
constexpr int kMomentaryKind = 27, kLatchKind = 28, kHubKind = 29, kMenuKind = 32;

} // namespace

// Crossing the centre sticks there for 21 moves of the mouse, then the drag goes on.
TEST_F(ControlsInAWindow, ADetentKnobSticksAtTheCentreFor21Moves) {
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "BG.png"), row(0, 152, -1, 29), // knob frames
        row(kKnobTag, kKnobKind, -1, 100, 100, "Knob.png"), row(0, 161)};
    table[2].tagWord |= kDetent;
    open(&table);
    rig->engine->setParameter(kKnobTag, 0.404f);
    rig->ticks(1);
    rig->settle(dynamic_cast<tarlix::QX_Knob*>(rig->editor->control(kKnobTag)));
    tk::CPoint at = rig->inside(kKnobTag, 20, 20);
    host->move(at.x, at.y);
    host->button(1, true);
    constexpr int kMoves = 40; // one pixel up each
    // Each move handled on its own: the window takes only the newest of queued motions.
    for (int m = 1; m <= kMoves; ++m) {
        host->move(at.x, at.y - m);
        XSync(host->display, False);
        rig->editor->idle();
    }
    host->button(1, false);
    ASSERT_TRUE(pumpUntilEnd(kKnobTag));
    // Move 14 crosses 0.5; it and the 20 after it stay there; 6 more pixels follow.
    EXPECT_NEAR(rig->engine->getParameter(kKnobTag), 0.5f + 6.0f / 140, 0.25f / 140);
    std::vector<float> values = automated(kKnobTag);
    EXPECT_NE(std::find(values.begin(), values.end(), 0.5f), values.end());
}

TEST_F(ControlsInAWindow, MomentaryButtonsSendOneThenZeroAndStyleTwoStaysLit) {
    std::vector<LayoutRecord> table{row(0, 150, -1, 0, 0, "BG.png"),
                                    row(6, kMomentaryKind, -1, 100, 100),
                                    row(7, kLatchKind, -1, 200, 100), row(0, 161)};
    open(&table);
    tk::CPoint m = rig->inside(6), l = rig->inside(7);
    host->click(m.x, m.y);
    ASSERT_TRUE(pumpUntilEnd(6));
    EXPECT_EQ(automated(6), (std::vector<float>{1.0f, 0.0f}));
    EXPECT_EQ(recorded().front().op, vst::audioMasterBeginEdit);
    host->click(l.x, l.y);
    ASSERT_TRUE(pumpUntilEnd(7));
    EXPECT_EQ(automated(7), (std::vector<float>{1.0f}));
    EXPECT_EQ(rig->editor->control(7)->getValue(), 1.0f);
    // Pressed again while lit: its command is sent once more.
    recorded().clear();
    host->click(l.x + 1, l.y + 1);
    ASSERT_TRUE(pumpUntilEnd(7));
    EXPECT_EQ(automated(7), (std::vector<float>{1.0f}));
}

// A hub with a single state and a menu with a single item give 0, never 0/0.
TEST_F(ControlsInAWindow, AOneStateHubAndAOneItemMenuNeverDivideByZero) {
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "BG.png"),
        row(223, kHubKind, -1, -2000, -2000),
        row(382, kLatchKind, -1, 100, 100),
        row(0, 151, 0, 80, 20), // text style
        row(120, kMenuKind, -1, 300, 100, nullptr, 0, 2, nullptr, "Only,"),
        row(223, 149, 0, 382), // hub and button, code 0
        row(0, 161)};
    open(&table);
    tk::CPoint b = rig->inside(382);
    host->click(b.x, b.y);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->control(223)->getValue() == 0.0f; }));
    rig->ticks(2);
    EXPECT_EQ(rig->editor->control(223)->getValue(), 0.0f);
    EXPECT_EQ(rig->engine->getParameter(223), 0.0f);

    rig->engine->setParameter(120, 1.0f);
    rig->ticks(1);
    tk::CPoint menu = rig->inside(120);
    host->click(menu.x, menu.y);
    XSync(host->display, False);
    rig->editor->idle();
    host->type({XK_Return});
    ASSERT_TRUE(pumpUntilEnd(120));
    EXPECT_EQ(automated(120), (std::vector<float>{0.0f}));
}

// The Melt system hub: choosing system B lights B, darkens A and shows the Melt B controls.
TEST_F(ControlsInAWindow, TheMeltHubSwitchesItsTwoButtons) {
    open();
    auto* a = rig->editor->control(382);
    auto* b = rig->editor->control(383);
    ASSERT_TRUE(a && b && a->isShown() && b->isShown());
    tk::CPoint pb = rig->inside(383);
    host->click(pb.x, pb.y);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->control(223)->getValue() == 1.0f; }));
    rig->ticks(2);
    EXPECT_EQ(b->getValue(), 1.0f);
    EXPECT_EQ(a->getValue(), 0.0f);
    tk::CPoint pa = rig->inside(382);
    host->click(pa.x, pa.y);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->control(223)->getValue() == 0.0f; }));
    rig->ticks(2);
    EXPECT_EQ(a->getValue(), 1.0f);
    EXPECT_EQ(b->getValue(), 0.0f);
}

// Clicking the lit tab of the six keeps it lit; another tab takes over; never none lit.
TEST_F(ControlsInAWindow, TheSixTabGroupIsNeverLeftWithoutALitTab) {
    open();
    ASSERT_EQ(lit(), std::vector<int>{kFirstTab});
    tk::CPoint first = rig->inside(kFirstTab, 10, 8);
    host->click(first.x, first.y);
    XSync(host->display, False);
    for (int i = 0; i < 5; ++i)
        rig->editor->idle();
    rig->ticks(2);
    EXPECT_EQ(lit(), std::vector<int>{kFirstTab});
    tk::CPoint third = rig->inside(kFirstTab + 2, 10, 8);
    host->click(third.x, third.y);
    ASSERT_TRUE(pumpUntil([&] { return lit() == std::vector<int>{kFirstTab + 2}; }));
}

// A click where a panel button's picture is transparent goes through; on its body it toggles.
TEST_F(ControlsInAWindow, ATransparentCornerOfAPanelButtonDoesNotToggleIt) {
    open();
    constexpr int kMeltPanel = 361;
    auto* button = rig->editor->control(kMeltPanel);
    ASSERT_NE(button, nullptr);
    auto bitmap = tk::CBitmap::fromResource("Btn_Open.png");
    ASSERT_NE(bitmap, nullptr);
    if ((bitmap->pixel(0, 0) >> 24) > 31)
        GTEST_SKIP() << "the button's art has no transparent corner";
    tk::CRect r = button->frameRect();
    const float before = button->getValue();
    host->click(r.left, r.top);
    XSync(host->display, False);
    for (int i = 0; i < 5; ++i)
        rig->editor->idle();
    EXPECT_EQ(button->getValue(), before);
    host->click(r.left + r.width() / 2, r.top + r.height() / 2);
    ASSERT_TRUE(pumpUntil([&] { return button->getValue() != before; }));
}

TEST_F(ControlsInAWindow, BendDepthHas48ItemsAndItemIGivesIOverNMinusOne) {
    open();
    auto* menu = dynamic_cast<tk::COptionMenu*>(rig->editor->control(184));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->entryCount(), 48);
    rig->engine->setParameter(184, 0.0f);
    rig->ticks(1);
    tk::CPoint at = rig->inside(184);
    host->click(at.x, at.y);
    XSync(host->display, False);
    rig->editor->idle();
    host->type({XK_Up, XK_Return}); // before the first comes the last
    ASSERT_TRUE(pumpUntilEnd(184));
    EXPECT_EQ(automated(184), (std::vector<float>{1.0f}));
    EXPECT_EQ(menu->selectedIndex(), 47);
}

TEST_F(ControlsInAWindow, AChosenProgramsNameShowsAtOnceAndBadTypedTextIsRestored) {
    open();
    auto* name = dynamic_cast<tk::CTextEdit*>(rig->editor->control(401));
    ASSERT_NE(name, nullptr);
    char third[64] = {};
    rig->engine->getProgramNameIndexed(0, 3, third);
    tk::CPoint at = rig->inside(401, 10, 8);
    host->click(at.x, at.y);
    XSync(host->display, False);
    rig->editor->idle();
    host->type({XK_Down, XK_Down, XK_Down, XK_Return});
    ASSERT_TRUE(pumpUntil([&] { return rig->engine->getProgram() == 3; }));
    EXPECT_EQ(name->text(), third); // before any tick

    // The value display: text outside the range puts the old text back.
    auto* number = dynamic_cast<tk::CTextEdit*>(rig->editor->control(336));
    ASSERT_NE(number, nullptr);
    tk::CPoint knob = rig->inside(kKnobTag, 20, 20);
    host->click(knob.x, knob.y);
    ASSERT_TRUE(pumpUntilEnd(kKnobTag));
    const std::string shown = number->text();
    ASSERT_FALSE(shown.empty());
    tk::CPoint d = rig->inside(336, 10, 8);
    host->click(d.x, d.y);
    host->click(d.x, d.y);
    host->type({XK_9, XK_9, XK_9, XK_9});
    ASSERT_TRUE(pumpUntil([&] { return number->text() == "9999"; }));
    host->type({XK_Return});
    ASSERT_TRUE(pumpUntil([&] { return !number->editing(); }));
    EXPECT_EQ(number->text(), shown);
    host->type({XK_x}); // a field that is done takes no keys
    XSync(host->display, False);
    rig->editor->idle();
    EXPECT_EQ(number->text(), shown);
}

// A host value reaches the picture by a fifth of the gap per tick and snaps within 0.005.
TEST_F(ControlsInAWindow, AHostValueGlidesByAFifthPerTickAndSettles) {
    open();
    auto* knob = dynamic_cast<tarlix::QX_Knob*>(rig->editor->control(kKnobTag));
    ASSERT_NE(knob, nullptr);
    rig->engine->setParameter(kKnobTag, 0.0f);
    rig->ticks(1);
    rig->settle(knob);
    rig->engine->setParameter(kKnobTag, 1.0f);
    float expected = 0.0f;
    int ticks = 0;
    while (knob->shownValue() != 1.0f && ticks < 100) {
        rig->ticks(1);
        ++ticks;
        expected = 1.0f - expected >= 0.005f ? expected + (1.0f - expected) * 0.2f : 1.0f;
        ASSERT_FLOAT_EQ(knob->shownValue(), expected) << ticks;
    }
    EXPECT_EQ(knob->shownValue(), 1.0f);
    EXPECT_GE(ticks, 20);
    EXPECT_LE(ticks, 30);
}

// A tooltip shows after 3.5 s (in 16 ms ticks) without motion of the server's pointer; a
// motion on the same control starts the wait again.
TEST_F(ControlsInAWindow, ATooltipShowsAfterThreeAndAHalfSecondsWithoutMotion) {
    open();
    tk::CPoint at = rig->inside(kKnobTag, 10, 10);
    host->move(at.x, at.y);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->overlay() == nullptr; }));
    const int needed = static_cast<int>(std::ceil(3500.0 / tk::CVSTGUITimer::kPeriodMs));
    rig->ticks(needed / 2);
    host->move(at.x + 2, at.y + 1); // still on the knob
    XSync(host->display, False);
    // Motion reaches the editor only through idle, which also runs its timer: count from here.
    ASSERT_TRUE(pumpUntil([&] { return true; }));
    // That idle may have run a tick or two of its own after the motion.
    rig->ticks(needed - 3);
    EXPECT_EQ(rig->editor->frame()->overlay(), nullptr);
    rig->ticks(3);
    EXPECT_NE(rig->editor->frame()->overlay(), nullptr);
}

// Options are rounded half up everywhere, as the engine stores them: a link value of 0.49 of
// three items is item 1 in the menu and in the engine.
TEST_F(ControlsInAWindow, ALinkedMenuRoundsAsTheEngineDoes) {
    open();
    auto* menu = dynamic_cast<tarlix::QX_COptionsText*>(rig->editor->control(120)); // 3 items
    ASSERT_NE(menu, nullptr);
    tarlix::LinkMessage m;
    m.code = 7;
    m.value = 0.49f;
    menu->onLink(m);
    EXPECT_EQ(menu->selectedIndex(), 1);
    EXPECT_FLOAT_EQ(rig->engine->getParameter(120), 0.5f);
    m.code = 100; // next, after the last the first
    m.value = 1.0f;
    menu->onLink(m);
    menu->onLink(m);
    EXPECT_EQ(menu->selectedIndex(), 0);
    m.code = 101;
    menu->onLink(m);
    EXPECT_EQ(menu->selectedIndex(), 2);
}

// A mirroring button never chooses a state (its code has bit 15 set and would count as an
// observer by the plain rule).
TEST_F(ControlsInAWindow, AHubTakesStatesOnlyFromItsStateButtons) {
    std::vector<LayoutRecord> table{row(0, 150, -1, 0, 0, "BG.png"),
                                    row(223, kHubKind, -1, -2000, -2000),
                                    row(382, kLatchKind, -1, 100, 100),
                                    row(383, kLatchKind, -1, 200, 100),
                                    row(384, kLatchKind, -1, 300, 100),
                                    row(223, 149, 0, 382),
                                    row(223, 149, 1, 383),
                                    row(223, 149, 0x8001, 384), // mirrors the value
                                    row(0, 161)};
    open(&table);
    auto* hub = dynamic_cast<tarlix::QX_GUI_Multi_Button_Hub*>(rig->editor->control(223));
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(hub->states(), 2);
    tk::CPoint mirror = rig->inside(384);
    host->click(mirror.x, mirror.y);
    XSync(host->display, False);
    for (int i = 0; i < 5; ++i)
        rig->editor->idle();
    EXPECT_EQ(automated(223), std::vector<float>{}) << "a mirror chose a state";
    tk::CPoint second = rig->inside(383);
    host->click(second.x, second.y);
    ASSERT_TRUE(pumpUntilEnd(223));
    EXPECT_EQ(automated(223), std::vector<float>{1.0f});
}

// A panel button that holds a host parameter ("Lfo1 Sync") reports begin, value, end.
TEST_F(ControlsInAWindow, APanelButtonOnAParameterBracketsItsChangeForTheHost) {
    open();
    constexpr int kLfo1Sync = 13;
    auto* button = rig->editor->control(kLfo1Sync);
    ASSERT_TRUE(button && button->isShown());
    tk::CRect r = button->frameRect();
    const float before = button->getValue();
    host->click(r.left + r.width() / 2, r.top + r.height() / 2);
    ASSERT_TRUE(pumpUntilEnd(kLfo1Sync));
    std::vector<int32_t> ops;
    for (const Call& c : recorded())
        if (c.index == kLfo1Sync) ops.push_back(c.op);
    EXPECT_EQ(ops, (std::vector<int32_t>{vst::audioMasterBeginEdit, vst::audioMasterAutomate,
                                         vst::audioMasterEndEdit}));
    EXPECT_NE(rig->engine->getParameter(kLfo1Sync) > 0.5f, before > 0.5f);
}

// A value linked to a panel button waits for the next tick, and for the button to be
// visible: system B chosen while the page button is hidden opens the Melt B page only once
// the button shows again.
TEST_F(ControlsInAWindow, APanelButtonTakesALinkedValueOnTheNextTickOnceVisible) {
    open();
    constexpr int kSystemB = 383, kPageB = 384, kMeltBPanel = 20;
    auto* pageB = dynamic_cast<tarlix::QX_ExclusiveButton*>(rig->editor->control(kPageB));
    ASSERT_NE(pageB, nullptr);
    ASSERT_TRUE(pageB->isShown());
    pageB->setVisible(false); // as inside a closed panel
    tk::CPoint b = rig->inside(kSystemB);
    host->click(b.x, b.y);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->control(223)->getValue() == 1.0f; }));
    rig->ticks(3);
    EXPECT_EQ(rig->editor->control(kSystemB)->getValue(), 1.0f);
    EXPECT_EQ(pageB->getValue(), 0.0f);
    EXPECT_TRUE(pageB->hasPending());
    EXPECT_FALSE(rig->editor->panel(kMeltBPanel)->isVisible());

    pageB->setVisible(true);
    rig->ticks(1);
    EXPECT_EQ(pageB->getValue(), 1.0f);
    EXPECT_TRUE(rig->editor->panel(kMeltBPanel)->isVisible());

    // Visible now: a linked value still waits for the tick.
    tarlix::LinkMessage off;
    off.value = 0.0f;
    pageB->onLink(off);
    EXPECT_EQ(pageB->getValue(), 1.0f);
    EXPECT_TRUE(rig->editor->panel(kMeltBPanel)->isVisible());
    rig->ticks(1);
    EXPECT_EQ(pageB->getValue(), 0.0f);
    EXPECT_FALSE(rig->editor->panel(kMeltBPanel)->isVisible());
    EXPECT_FALSE(pageB->hasPending());
}

// While radio groups are suspended, tabs take the values they are given (a whole state
// arriving at once); afterwards a click selects exactly one again.
TEST_F(ControlsInAWindow, SuspendedRadioGroupsLeaveTheirMembersAsGiven) {
    open();
    ASSERT_EQ(lit(), std::vector<int>{kFirstTab});
    rig->editor->suspendRadioGroups(true);
    rig->editor->setParameter(kFirstTab + 2, 1.0f);
    EXPECT_EQ(lit(), (std::vector<int>{kFirstTab, kFirstTab + 2}));
    rig->editor->setParameter(kFirstTab, 0.0f);
    rig->editor->setParameter(kFirstTab + 2, 0.0f);
    EXPECT_EQ(lit(), std::vector<int>{}) << "nothing relights while suspended";
    rig->editor->suspendRadioGroups(false);

    tk::CPoint fourth = rig->inside(kFirstTab + 3, 10, 8);
    host->click(fourth.x, fourth.y);
    ASSERT_TRUE(pumpUntil([&] { return lit() == std::vector<int>{kFirstTab + 3}; }));
    rig->editor->setParameter(kFirstTab + 3, 0.0f); // the last lit tab relights
    EXPECT_EQ(lit(), std::vector<int>{kFirstTab + 3});
}

// A touched knob shows in the value and name displays and takes the value as its own automated
// change.
TEST_F(ControlsInAWindow, ATouchedKnobShowsItselfAndAutomatesItsValue) {
    open();
    auto* knob = dynamic_cast<tarlix::QX_Knob*>(rig->editor->control(kKnobTag));
    auto* name = dynamic_cast<tk::CParamDisplay*>(rig->editor->control(337));
    auto* number = dynamic_cast<tk::CTextEdit*>(rig->editor->control(336));
    ASSERT_TRUE(knob && name && number);
    tarlix::LinkMessage touched;
    touched.type = tarlix::kLinkTouched;
    touched.value = 0.25f;
    knob->onLink(touched);
    EXPECT_EQ(name->text(), "Portamento (ms)");
    EXPECT_FALSE(number->text().empty());
    EXPECT_FLOAT_EQ(rig->engine->getParameter(kKnobTag), 0.25f);
    std::vector<int32_t> ops;
    for (const Call& c : recorded())
        if (c.index == kKnobTag) ops.push_back(c.op);
    EXPECT_EQ(ops, (std::vector<int32_t>{vst::audioMasterBeginEdit, vst::audioMasterAutomate,
                                         vst::audioMasterEndEdit}));
    touched.value = 0.75f;
    knob->onLink(touched);
    EXPECT_FLOAT_EQ(rig->engine->getParameter(kKnobTag), 0.75f);
    rig->ticks(1);
    EXPECT_EQ(knob->getValue(), 0.75f);
}

// A click on one switch reaches the switch linked to it, which reports its own change to the
// engine, bracketed for the host; what comes back changes nothing more.
TEST_F(ControlsInAWindow, ALinkedSwitchReportsItsChangeToTheEngine) {
    constexpr int kOnOffKind = 26, kFrom = 6, kTo = 7;
    std::vector<LayoutRecord> table{
        row(0, 150, -1, 0, 0, "BG.png"), row(kFrom, kOnOffKind, -1, 100, 100),
        row(kTo, kOnOffKind, -1, 200, 100), row(kFrom, 149, 3, kTo), // linked both ways, code 3
        row(0, 161)};
    open(&table);
    tk::CPoint at = rig->inside(kFrom);
    host->click(at.x, at.y);
    ASSERT_TRUE(pumpUntilEnd(kFrom));
    rig->ticks(3); // the engine's echo reaches the first switch's links on a tick
    EXPECT_EQ(rig->engine->getParameter(kTo), 1.0f);
    EXPECT_EQ(rig->editor->control(kTo)->getValue(), 1.0f);
    EXPECT_EQ(automated(kTo), std::vector<float>{1.0f});
    EXPECT_EQ(automated(kFrom), std::vector<float>{1.0f});

    // A touch toggles.
    auto* to = dynamic_cast<tarlix::QX_COnOffButton*>(rig->editor->control(kTo));
    tarlix::LinkMessage touched;
    touched.type = tarlix::kLinkTouched;
    to->onLink(touched);
    EXPECT_EQ(rig->engine->getParameter(kTo), 0.0f);
    EXPECT_EQ(automated(kTo), (std::vector<float>{1.0f, 0.0f}));
}
