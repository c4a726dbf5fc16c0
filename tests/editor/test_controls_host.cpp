// The editor's controls under the X server's own pointer and keyboard (XTest), through the
// built library and the dispatcher as a Linux host drives them, with a host that records the
// automation it is sent.
// gtest before Xlib: Xlib's macros (None, Status) would break gtest's names.
#include "editor/layout_place.h"
#include "tests/host_fixture.h"
// After gtest: Xlib's macros would break gtest's names.
#include "tests/editor/host_window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <thread>

using testhost::Instance;

namespace {

constexpr int kWidth = 991, kHeight = 701;
constexpr int kPortamento = 72; // "Portamento (ms)", a knob on the page shown at opening

using x11test::Call;
using x11test::recorded;
using x11test::recordingHost;

class Controls : public x11test::HostedEditor {
  protected:
    Controls() : HostedEditor(testhost::library().entry != nullptr) {}
    using HostedEditor::pumpUntil;
    // Idles the editor until the host has seen `op` for `index` (or a bounded number of
    // calls): the queued input is then handled.
    bool pumpUntil(Instance& p, int32_t op, int32_t index) {
        return pumpUntil(p, [&] {
            for (const Call& c : recorded())
                if (c.op == op && c.index == index) return true;
            return false;
        });
    }
    // A left drag from (x, y) by `right` and `up` pixels in steps of at most 8 pixels, with
    // the given modifier keys held; returns the parameter afterwards.
    float drag(Instance& p, int tag, int x, int y, int right, int up,
               std::vector<KeySym> keys = {}) {
        host->drag(x, y, right, -up, 8, 1, keys);
        recorded().clear();
        EXPECT_TRUE(pumpUntil(p, vst::audioMasterEndEdit, tag));
        return p.fx->getParameter(p.fx, tag);
    }
};

} // namespace

// The pixels a drag needs for the whole range, per modifier: 140, Shift 420, Control 560,
// both 1680 (a drag from 0 to the middle, measured as pixels / value).
TEST_F(Controls, AKnobsFullRangeTakes140PixelsAndModifiersMakeItFiner) {
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kPortamento, x, y));
    x += 20;
    y += 20;
    struct Case {
        std::vector<KeySym> keys;
        double pixels;
        int right, up;
    } cases[] = {
        {{}, 140.0, 0, 70},
        {{XK_Shift_L}, 420.0, 0, 210},
        {{XK_Control_L}, 560.0, 60, 220},
        {{XK_Shift_L, XK_Control_L}, 1680.0, 500, 340},
    };
    for (const Case& c : cases) {
        Instance p(recordingHost);
        p.fx->setParameter(p.fx, kPortamento, 0.0f);
        open(p);
        float v = drag(p, kPortamento, x, y, c.right, c.up, c.keys);
        ASSERT_GT(v, 0.0f);
        double measured = (c.right + c.up) / v;
        std::printf("full range with %zu modifier(s): %.1f pixels\n", c.keys.size(), measured);
        // Within one pixel's worth of the range.
        EXPECT_NEAR(v, (c.right + c.up) / c.pixels, 1.0 / c.pixels) << c.pixels;
        p.call(vst::effEditClose);
    }
}

TEST_F(Controls, DraggingRightDoesWhatDraggingUpDoes) {
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kPortamento, x, y));
    float up, right;
    {
        Instance p(recordingHost);
        p.fx->setParameter(p.fx, kPortamento, 0.1f);
        open(p);
        up = drag(p, kPortamento, x + 20, y + 20, 0, 42);
    }
    {
        Instance p(recordingHost);
        p.fx->setParameter(p.fx, kPortamento, 0.1f);
        open(p);
        right = drag(p, kPortamento, x + 20, y + 20, 42, 0);
    }
    EXPECT_NEAR(up, 0.4f, 1.0f / 140);
    EXPECT_FLOAT_EQ(right, up);
}

// What a host that records automation sees: begin, the values, end, on the editor's thread.
TEST_F(Controls, ADragReachesTheHostAsBeginValuesEndOnTheEditorsThread) {
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kPortamento, x, y));
    Instance p(recordingHost);
    p.fx->setParameter(p.fx, kPortamento, 0.2f);
    open(p);
    host->move(x + 20, y + 20);
    host->button(1, true);
    for (int s = 1; s <= 5; ++s)
        host->move(x + 20, y + 20 - 7 * s);
    host->button(1, false);
    recorded().clear();
    ASSERT_TRUE(pumpUntil(p, vst::audioMasterEndEdit, kPortamento));
    std::vector<Call> mine;
    for (const Call& c : recorded())
        if (c.index == kPortamento) mine.push_back(c);
    ASSERT_GE(mine.size(), 3u);
    EXPECT_EQ(mine.front().op, vst::audioMasterBeginEdit);
    EXPECT_EQ(mine.back().op, vst::audioMasterEndEdit);
    float last = -1;
    for (size_t i = 1; i + 1 < mine.size(); ++i) {
        EXPECT_EQ(mine[i].op, vst::audioMasterAutomate) << i;
        EXPECT_GE(mine[i].value, last); // an upward drag only rises
        last = mine[i].value;
    }
    EXPECT_NEAR(last, 0.2f + 35.0f / 140, 1.0f / 140);
    for (const Call& c : recorded())
        EXPECT_EQ(c.thread, std::this_thread::get_id());
    p.call(vst::effEditClose);
}

TEST_F(Controls, ADoubleClickReturnsAKnobToItsLoadedValueAndTheRestOfThatDragDoesNothing) {
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kPortamento, x, y));
    Instance p(recordingHost);
    p.call(vst::effSetProgram, 0, 3);
    const float loaded = p.fx->getParameter(p.fx, kPortamento);
    open(p);
    // Moved away from the loaded value by a drag.
    float moved = drag(p, kPortamento, x + 20, y + 20, 0, loaded > 0.5f ? -40 : 40);
    ASSERT_GT(std::fabs(moved - loaded), 0.2f);
    // The pointer comes back; two presses in a row, then a drag while the second is held.
    host->click(x + 20, y + 20);
    host->button(1, true);
    for (int s = 1; s <= 6; ++s)
        host->move(x + 20, y + 20 - 8 * s);
    host->button(1, false);
    recorded().clear();
    XSync(host->display, False);
    int ends = 0;
    for (int i = 0; i < x11test::kIdleCalls && ends < 2; ++i) {
        p.call(vst::effEditIdle);
        ends = 0;
        for (const Call& c : recorded())
            ends += c.op == vst::audioMasterEndEdit && c.index == kPortamento;
        XSync(host->display, False);
    }
    ASSERT_EQ(ends, 2);
    EXPECT_FLOAT_EQ(p.fx->getParameter(p.fx, kPortamento), loaded);
    p.call(vst::effEditClose);
}

// Thousands of random presses, drags, releases, wheel turns and keys with modifiers while the
// audio thread runs: nothing crashes, no grab is left, every parameter stays inside 0..1.
TEST_F(Controls, ARandomStormOfMouseAndKeysLeavesEveryParameterInRangeAndNoGrab) {
    Instance p(recordingHost);
    p.start(44100, 256);
    open(p);
    std::atomic<bool> done{false};
    std::thread audio([&] {
        std::vector<float> l(256), r(256);
        while (!done.load())
            p.process(l, r, 256);
    });
    std::mt19937 random(27);
    const KeySym keys[] = {XK_a,  XK_1,    XK_period, XK_Return,    XK_Escape,
                           XK_Up, XK_Down, XK_Left,   XK_BackSpace, XK_Tab};
    constexpr int kEvents = 3000;
    for (int i = 0; i < kEvents; ++i) {
        int what = static_cast<int>(random() % 10);
        int x = static_cast<int>(random() % kWidth), y = static_cast<int>(random() % kHeight);
        if (what < 4) {
            host->move(x, y);
        } else if (what < 6) {
            unsigned b = 1 + random() % 5; // left, middle, right and the wheel
            host->move(x, y);
            bool shift = random() % 3 == 0, control = random() % 4 == 0;
            if (shift) host->key(XK_Shift_L, true);
            if (control) host->key(XK_Control_L, true);
            host->button(b, true);
            host->move(x + static_cast<int>(random() % 41) - 20,
                       y + static_cast<int>(random() % 41) - 20);
            host->button(b, false);
            if (control) host->key(XK_Control_L, false);
            if (shift) host->key(XK_Shift_L, false);
        } else if (what < 8) {
            KeySym k = keys[random() % std::size(keys)];
            host->key(k, true);
            host->key(k, false);
        } else if (what == 8) {
            p.call(vst::effEditKeyDown, static_cast<int32_t>('0' + random() % 10), 0);
        } else {
            p.call(vst::effEditIdle);
        }
        if (i % 10 == 0) {
            XSync(host->display, False);
            p.call(vst::effEditIdle);
        }
    }
    XSync(host->display, False);
    for (int i = 0; i < 20; ++i)
        p.call(vst::effEditIdle);
    done.store(true);
    audio.join();
    EXPECT_FALSE(recorded().empty()) << "the storm changed nothing";
    for (int tag = 0; tag < p.fx->numParams; ++tag) {
        float v = p.fx->getParameter(p.fx, tag);
        EXPECT_TRUE(v >= 0.0f && v <= 1.0f) << tag << " " << v;
    }
    for (const Call& c : recorded()) {
        if (c.op == vst::audioMasterAutomate) {
            EXPECT_TRUE(c.value >= 0.0f && c.value <= 1.0f) << c.index;
        }
    }
    // Every begin has its end.
    std::map<int, int> open;
    for (const Call& c : recorded())
        if (c.op == vst::audioMasterBeginEdit)
            ++open[c.index];
        else if (c.op == vst::audioMasterEndEdit)
            --open[c.index];
    for (auto [tag, n] : open)
        EXPECT_EQ(n, 0) << "gesture left open on " << tag;
    EXPECT_TRUE(host->nothingGrabbed());
    p.call(vst::effEditClose);
    EXPECT_TRUE(host->nothingGrabbed());
}

// The value display: a double-click types a value in the parameter's units, which reaches the
// parameter through its taper; a value outside the range changes nothing. Keys come from the
// X server (the field takes the focus) or from the host (effEditKeyDown).
TEST_F(Controls, TypedValuesReachTheParameterThroughItsTaperAndOutOfRangeOnesDoNothing) {
    constexpr int kValueDisplay = 336;
    constexpr int32_t kVstReturn = 19; // the host's virtual key for Return
    int kx, ky, dx, dy;
    ASSERT_TRUE(tarlix::restingPlace(kPortamento, kx, ky));
    ASSERT_TRUE(tarlix::restingPlace(kValueDisplay, dx, dy));
    Instance p(recordingHost);
    p.fx->setParameter(p.fx, kPortamento, 0.1f);
    open(p);
    host->click(kx + 20, ky + 20); // touched: the display shows "Portamento (ms)"
    host->click(dx + 10, dy + 10);
    host->click(dx + 10, dy + 10); // a double-click types
    host->type({XK_5, XK_0, XK_0, XK_Return});
    recorded().clear();
    ASSERT_TRUE(pumpUntil(p, vst::audioMasterEndEdit, kPortamento));
    // 500 of 0..1000 ms through the square taper.
    EXPECT_NEAR(p.fx->getParameter(p.fx, kPortamento), std::sqrt(0.5f), 1e-5f);

    const float before = p.fx->getParameter(p.fx, kPortamento);
    host->move(dx + 30, dy + 12);
    host->click(dx + 10, dy + 10);
    host->click(dx + 10, dy + 10);
    ASSERT_TRUE(pumpUntil(p, [&] { return p.call(vst::effEditKeyDown, '5', 0) == 1; }));
    for (char c : std::string("000"))
        EXPECT_EQ(p.call(vst::effEditKeyDown, c, 0), 1);
    recorded().clear();
    EXPECT_EQ(p.call(vst::effEditKeyDown, 0, kVstReturn), 1);
    EXPECT_EQ(p.call(vst::effEditKeyDown, 'x', 0), 0) << "a field that is done takes no keys";
    p.call(vst::effEditIdle);
    EXPECT_EQ(p.fx->getParameter(p.fx, kPortamento), before); // 5000 ms is out of range
    EXPECT_TRUE(recorded().empty());
    p.call(vst::effEditClose);
}

TEST_F(Controls, ThePresetNameMenuLoadsAProgramAndRenamingChangesTheNameTheHostReads) {
    constexpr int kPresetName = 401;
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kPresetName, x, y));
    Instance p(recordingHost);
    open(p);
    ASSERT_EQ(p.call(vst::effGetProgram), 0);
    const std::string fifth = p.text(vst::effGetProgramNameIndexed, 5);
    host->click(x + 10, y + 8);
    XSync(host->display, False);
    p.call(vst::effEditIdle); // the menu is open and has the keyboard
    host->type({XK_Down, XK_Down, XK_Down, XK_Down, XK_Down, XK_Return});
    ASSERT_TRUE(pumpUntil(p, [&] { return p.call(vst::effGetProgram) == 5; }));
    EXPECT_EQ(p.text(vst::effGetProgramName), fifth);

    host->click(x + 10, y + 8, 3); // a right-click renames in place
    host->key(XK_Shift_L, true);
    host->type({XK_w});
    host->key(XK_Shift_L, false);
    host->type({XK_a, XK_r, XK_m, XK_space, XK_p, XK_a, XK_d, XK_Return});
    ASSERT_TRUE(pumpUntil(p, [&] { return p.text(vst::effGetProgramName) == "Warm pad"; }))
        << p.text(vst::effGetProgramName);
    EXPECT_EQ(p.text(vst::effGetProgramNameIndexed, 5), "Warm pad");
    EXPECT_TRUE(host->nothingGrabbed());
    p.call(vst::effEditClose);
}

// Item i of n gives i / (n - 1): the fifth step down the 48 items of "Bend Depth" is 5/47. A
// click outside an open menu closes it without a choice and the window answers again.
TEST_F(Controls, AMenuChoosesItsItemByKeysAndAClickOutsideClosesIt) {
    constexpr int kBendDepth = 184;
    int x, y, kx, ky;
    ASSERT_TRUE(tarlix::restingPlace(kBendDepth, x, y));
    ASSERT_TRUE(tarlix::restingPlace(kPortamento, kx, ky));
    Instance p(recordingHost);
    p.fx->setParameter(p.fx, kBendDepth, 0.0f);
    p.fx->setParameter(p.fx, kPortamento, 0.5f);
    open(p);
    host->click(x + 10, y + 8);
    XSync(host->display, False);
    p.call(vst::effEditIdle);
    host->type({XK_Down, XK_Down, XK_Down, XK_Down, XK_Down, XK_Return});
    recorded().clear();
    ASSERT_TRUE(pumpUntil(p, vst::audioMasterEndEdit, kBendDepth));
    EXPECT_FLOAT_EQ(p.fx->getParameter(p.fx, kBendDepth), 5.0f / 47.0f);

    host->click(x + 10, y + 8);
    host->click(kWidth - 3, kHeight - 3); // outside the list
    float v = drag(p, kPortamento, kx + 20, ky + 20, 0, 14);
    EXPECT_NEAR(v, 0.6f, 1e-4f) << "the drag after the menu closed";
    EXPECT_FLOAT_EQ(p.fx->getParameter(p.fx, kBendDepth), 5.0f / 47.0f);
    EXPECT_TRUE(host->nothingGrabbed());
    p.call(vst::effEditClose);
}

// When the host takes the keyboard back, a field being typed into cancels and lets go of the
// host's keys.
TEST_F(Controls, AFieldThatLosesTheXFocusCancelsAndTakesNoMoreKeys) {
    constexpr int kPresetName = 401;
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kPresetName, x, y));
    Instance p(recordingHost);
    open(p);
    const std::string name = p.text(vst::effGetProgramName);
    host->click(x + 10, y + 8, 3); // renaming starts and the field takes the focus
    ASSERT_TRUE(pumpUntil(p, [&] { return p.call(vst::effEditKeyDown, 'q', 0) == 1; }));
    XSetInputFocus(host->display, host->window, RevertToParent, CurrentTime);
    ASSERT_TRUE(pumpUntil(p, [&] { return p.call(vst::effEditKeyDown, 'z', 0) == 0; }));
    EXPECT_EQ(p.text(vst::effGetProgramName), name);
    p.call(vst::effEditClose);
}
