// The equaliser display and the step displays under the X server's own pointer (XTest),
// through the built library and the dispatcher as a Linux host drives them, with a host that
// records the automation it is sent.
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
#include <thread>

using testhost::Instance;

namespace {

// The equaliser: its display, the button that shows its panel, band 1's three controls.
constexpr int kEqDisplay = 354, kEqPanelButton = 363;
constexpr int kEqFreq1 = 196, kEqGain1 = 197, kEqWidth1 = 198, kEqFreq2 = 199, kEqFreq3 = 202;
constexpr int kEqWidth = 329, kEqHeight = 105;
constexpr int kSeqA = 402, kSeqB = 403, kSeqA1 = 135, kSeqB1 = 144;
constexpr int kSeqWidth = 133, kSeqAHeight = 18, kSeqBHeight = 51, kSteps = 8;
// Band 1's handle colour.
constexpr unsigned long kBand1Rgb = 0xF0725A;

// The display's axis, written out: log10 20 = 1.30103, 1 / log10 1024 = 0.3321928.
double positionOf(double hz) {
    return (std::log10(hz) - 1.30103) * 0.3321928;
}
float valueOf(double hz) {
    return static_cast<float>((hz - 20.0) / 20460.0);
}

struct Point {
    int x = 0, y = 0;
};

using x11test::Call;
using x11test::recorded;
using x11test::recordingHost;

class Displays : public x11test::HostedEditor {
  protected:
    Displays() : HostedEditor(testhost::library().entry != nullptr) {}
    void SetUp() override {
        HostedEditor::SetUp();
        if (stopped()) return;
        ASSERT_TRUE(tarlix::restingPlace(kEqDisplay, eqX, eqY));
    }
    bool pumpUntilValue(Instance& p, int tag, float value, float tolerance = 0.0f) {
        return pumpUntil(p, [&] { return std::fabs(p.get(tag) - value) <= tolerance; });
    }
    // Shows the equaliser's panel and waits until band 1's handle is drawn.
    void showEqualiser(Instance& p) {
        int x, y;
        ASSERT_TRUE(tarlix::restingPlace(kEqPanelButton, x, y));
        host->click(x + 4, y + 4);
        ASSERT_TRUE(pumpUntil(p, [&] { return !band1Pixels().empty(); }));
    }
    // The pixels of the window inside the equaliser display drawn in band 1's colour.
    std::vector<Point> band1Pixels() {
        std::vector<Point> out;
        auto kids = host->children();
        if (kids.size() != 1) return out;
        XImage* image =
            XGetImage(host->display, kids[0], eqX, eqY, kEqWidth, kEqHeight, AllPlanes, ZPixmap);
        if (!image) return out;
        for (int y = 0; y < kEqHeight; ++y)
            for (int x = 0; x < kEqWidth; ++x)
                if ((XGetPixel(image, x, y) & 0xFFFFFF) == kBand1Rgb) out.push_back({x, y});
        XDestroyImage(image);
        return out;
    }
    // A drag with the given button from (x, y) by dx, dy in moves of at most 6 pixels.
    void drag(int x, int y, int dx, int dy, unsigned button = 1, std::vector<KeySym> keys = {}) {
        host->drag(x, y, dx, dy, 6, button, keys);
    }
    // Where band 1's handle is for a frequency and a gain value.
    Point handleAt(double hz, float gain) {
        int column = static_cast<int>(std::lround((kEqWidth - 1) * positionOf(hz)));
        int row = static_cast<int>(std::lround(kEqHeight / 2.0 - (gain - 0.5) * kEqHeight));
        return {eqX + column, eqY + row};
    }
    // Band 1 at `hz`, flat, of middle width; bands 2 and 3 well away from it.
    void placeBands(Instance& p, double hz, float gain = 0.5f) {
        p.set(kEqFreq1, valueOf(hz));
        p.set(kEqGain1, gain);
        p.set(kEqWidth1, 0.5f);
        p.set(kEqFreq2, valueOf(100.0));
        p.set(kEqFreq3, valueOf(100.0));
    }
    int eqX = 0, eqY = 0;
};

} // namespace

// Measured in the window's pixels: the centre of band 1's handle, for 1000 Hz, sits at
// (log10 1000 - log10 20) / log10 1024 = 0.5644 of the width (over the columns 0..width - 1).
// A press a few pixels beside the handle moves nothing.
TEST_F(Displays, TheHandleOfA1000HzBandSitsAt0_5644OfTheWidth) {
    Instance p(recordingHost);
    placeBands(p, 1000.0);
    open(p);
    showEqualiser(p);
    std::vector<Point> pixels = band1Pixels();
    ASSERT_GT(pixels.size(), 40u);
    double sx = 0, sy = 0;
    for (Point q : pixels)
        sx += q.x, sy += q.y;
    const double cx = sx / pixels.size(), cy = sy / pixels.size();
    const double measured = cx / (kEqWidth - 1);
    std::printf("1000 Hz handle at %.4f of the width (%.1f, %.1f)\n", measured, cx, cy);
    EXPECT_NEAR(measured, 0.5644, 1.0 / (kEqWidth - 1));
    EXPECT_NEAR(cy, kEqHeight / 2.0, 1.0); // flat: on the middle line

    Point at = handleAt(1000.0, 0.5f);
    drag(at.x + 10, at.y, 30, 0); // beside the handle
    for (int i = 0; i < 20; ++i)
        p.call(vst::effEditIdle);
    EXPECT_EQ(p.get(kEqFreq1), valueOf(1000.0));
    p.call(vst::effEditClose);
}

// Dragged past the right edge a band goes to 20480 Hz, the control's value 1.0; past the left
// edge to 20 Hz, 0.0. The gain stays where it was: the drag was level.
TEST_F(Displays, DraggingABandToTheEdgesGivesTheEndsOfTheRange) {
    Instance p(recordingHost);
    placeBands(p, 1000.0);
    open(p);
    showEqualiser(p);
    Point at = handleAt(1000.0, 0.5f);
    drag(at.x, at.y, eqX + kEqWidth + 40 - at.x, 0);
    ASSERT_TRUE(pumpUntilValue(p, kEqFreq1, 1.0f));
    EXPECT_EQ(p.get(kEqFreq1), 1.0f);
    EXPECT_NE(p.text(vst::effGetParamDisplay, kEqFreq1).find("20480"), std::string::npos)
        << p.text(vst::effGetParamDisplay, kEqFreq1);

    at = handleAt(20480.0, 0.5f);
    drag(at.x, at.y, eqX - 40 - at.x, 0);
    ASSERT_TRUE(pumpUntilValue(p, kEqFreq1, 0.0f));
    EXPECT_EQ(p.get(kEqFreq1), 0.0f);
    EXPECT_EQ(p.get(kEqGain1), 0.5f);
    // Every change reached the host as a user's gesture.
    int begins = 0, ends = 0;
    for (const Call& c : recorded()) {
        begins += c.op == vst::audioMasterBeginEdit && c.index == kEqFreq1;
        ends += c.op == vst::audioMasterEndEdit && c.index == kEqFreq1;
    }
    EXPECT_GT(begins, 0);
    EXPECT_EQ(begins, ends);
    p.call(vst::effEditClose);
}

// Upward motion raises the gain by the distance over the height; Shift halves the motion; a
// right-drag narrows or widens the band by twice the distance over the width.
TEST_F(Displays, GainWidthAndShiftFollowTheMouse) {
    Instance p(recordingHost);
    placeBands(p, 1000.0);
    open(p);
    showEqualiser(p);
    Point at = handleAt(1000.0, 0.5f);
    drag(at.x, at.y, 0, -21);
    ASSERT_TRUE(pumpUntilValue(p, kEqGain1, 0.5f + 21.0f / kEqHeight, 1e-4f));

    at = handleAt(1000.0, p.get(kEqGain1));
    drag(at.x, at.y, 33, 0, 3); // the right button: width
    ASSERT_TRUE(pumpUntilValue(p, kEqWidth1, 0.5f - 66.0f / kEqWidth, 1e-4f));
    EXPECT_EQ(p.get(kEqFreq1), valueOf(1000.0)); // a right-drag leaves the frequency

    drag(at.x, at.y, 40, 0, 1, {XK_Shift_L});
    const double hz = 20.0 * std::exp2(10.0 * (positionOf(1000.0) + 20.0 / kEqWidth));
    ASSERT_TRUE(pumpUntilValue(p, kEqFreq1, valueOf(hz), 2e-4f)) << p.get(kEqFreq1);
    p.call(vst::effEditClose);
}

TEST_F(Displays, ADoubleClickFlattensABand) {
    Instance p(recordingHost);
    placeBands(p, 1000.0, 0.8f);
    open(p);
    showEqualiser(p);
    Point at = handleAt(1000.0, 0.8f);
    host->click(at.x, at.y);
    host->click(at.x, at.y);
    ASSERT_TRUE(pumpUntilValue(p, kEqGain1, 0.5f));
    EXPECT_EQ(p.get(kEqFreq1), valueOf(1000.0));
    p.call(vst::effEditClose);
}

// A program with every gain at -18 dB and every width at 100 is shown as it is: opening the
// window and the equaliser's panel writes nothing into it and automates nothing.
TEST_F(Displays, OpeningTheEditorNeverWritesTheEqualiserIntoTheProgram) {
    Instance p(recordingHost);
    const int zeroed[] = {197, 198, 200, 201, 203, 204};
    for (int tag : zeroed)
        p.set(tag, 0.0f);
    const float freq[] = {p.get(196), p.get(199), p.get(202)};
    open(p);
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kEqPanelButton, x, y));
    host->click(x + 4, y + 4);
    for (int i = 0; i < 60; ++i)
        p.call(vst::effEditIdle);
    for (const Call& c : recorded())
        EXPECT_FALSE(c.index >= 196 && c.index <= 204) << "parameter " << c.index;
    for (int tag : zeroed)
        EXPECT_EQ(p.get(tag), 0.0f) << tag;
    EXPECT_EQ(p.get(196), freq[0]);
    EXPECT_EQ(p.get(199), freq[1]);
    EXPECT_EQ(p.get(202), freq[2]);
    p.call(vst::effEditClose);
}

TEST_F(Displays, ClickingStep3OfSeqATogglesParameter137AndOnlyThat) {
    Instance p(recordingHost);
    for (int i = 0; i < kSteps; ++i)
        p.set(kSeqA1 + i, 0.0f);
    open(p);
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kSeqA, x, y));
    const int third = x + (2 * kSeqWidth / kSteps + 3 * kSeqWidth / kSteps) / 2;
    host->click(third, y + kSeqAHeight / 2);
    ASSERT_TRUE(pumpUntilValue(p, kSeqA1 + 2, 1.0f));
    host->click(third, y + kSeqAHeight / 2 + 3);
    ASSERT_TRUE(pumpUntilValue(p, kSeqA1 + 2, 0.0f));
    for (int i = 0; i < kSteps; ++i)
        EXPECT_EQ(p.get(kSeqA1 + i), 0.0f) << i;
    int changes = 0;
    for (const Call& c : recorded())
        if (c.op == vst::audioMasterAutomate) {
            EXPECT_EQ(c.index, kSeqA1 + 2);
            ++changes;
        }
    EXPECT_EQ(changes, 2);
    p.call(vst::effEditClose);
}

// One stroke across "Seq B" a quarter down from the top sets all eight steps to 1 - 13 / 51;
// a right-click then sets one step to zero.
TEST_F(Displays, DraggingAcrossSeqBSetsEveryStepCrossedToTheMouseHeight) {
    Instance p(recordingHost);
    for (int i = 0; i < kSteps; ++i)
        p.set(kSeqB1 + i, 0.1f);
    open(p);
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kSeqB, x, y));
    drag(x + 3, y + 13, kSeqWidth - 6, 0);
    const float height = 1.0f - 13.0f / kSeqBHeight;
    ASSERT_TRUE(pumpUntil(p,
                          [&] {
                              for (int i = 0; i < kSteps; ++i)
                                  if (std::fabs(p.get(kSeqB1 + i) - height) > 1e-3f) return false;
                              return true;
                          }))
        << p.get(kSeqB1) << " " << p.get(kSeqB1 + 7);

    const int fifth = x + (4 * kSeqWidth / kSteps + 5 * kSeqWidth / kSteps) / 2;
    host->click(fifth, y + 30, 3);
    ASSERT_TRUE(pumpUntilValue(p, kSeqB1 + 4, 0.0f));
    EXPECT_NEAR(p.get(kSeqB1 + 3), height, 1e-3f);
    EXPECT_NEAR(p.get(kSeqB1 + 5), height, 1e-3f);
    p.call(vst::effEditClose);
}

// The sequencer plays on an audio thread of its own while the host idles the editor on this
// one; the editor only takes the step the audio thread left in the engine's mailbox. After
// 3.5 steps of audio (counted in blocks) the fourth step is the one lit in the window.
TEST_F(Displays, TheLitStepReachesTheWindowWhileAudioRunsOnItsOwnThread) {
    constexpr int kBlock = 441, kBlocksPerStep = 50; // 120 BPM, a step per beat
    constexpr int kArpOnOff = 124, kSeqOnOff = 131, kSeqRate = 133, kSeqLength = 134;
    Instance p(recordingHost);
    p.set(kArpOnOff, 0.0f);
    p.set(kSeqOnOff, 1.0f);
    p.set(kSeqRate, 3.0f / 8.0f); // one step per beat
    p.set(kSeqLength, 1.0f);      // eight steps
    p.start(44100, kBlock);
    open(p);
    std::vector<float> l(kBlock), r(kBlock);
    p.process(l, r, kBlock);
    p.midi(0x90, 60, 100);
    std::atomic<bool> done{false};
    std::thread audio([&] {
        std::vector<float> al(kBlock), ar(kBlock);
        for (int b = 0; b < kBlocksPerStep * 7 / 2; ++b)
            p.process(al, ar, kBlock);
        done = true;
    });
    while (!done.load())
        p.call(vst::effEditIdle);
    audio.join();
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kSeqA, x, y));
    // The bar whose top edge is drawn white.
    auto lit = [&] {
        auto kids = host->children();
        if (kids.size() != 1) return -1;
        XImage* image = XGetImage(host->display, kids[0], x, y, kSeqWidth, 1, AllPlanes, ZPixmap);
        if (!image) return -1;
        int found = -1;
        for (int i = 0; i < kSteps; ++i) {
            unsigned long px = XGetPixel(image, (2 * i + 1) * kSeqWidth / (2 * kSteps), 0);
            if (((px >> 16) & 255) > 200 && ((px >> 8) & 255) > 200 && (px & 255) > 200)
                found = found == -1 ? i : -2;
        }
        XDestroyImage(image);
        return found;
    };
    EXPECT_TRUE(pumpUntil(p, [&] { return lit() == 3; })) << lit();
    p.call(vst::effEditClose);
}
