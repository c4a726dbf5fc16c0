// The displays with the editor and the engine linked in: the playing step against the audio,
// counted in blocks, in a real X11 window; and the displays' answers to messages no table
// sends (out-of-range codes, steps and positions), which a user cannot reach by the mouse.
// gtest (through the rig) before Xlib: Xlib's macros would break gtest's names.
#include "tests/editor/rig_window.h"

#include <cmath>

#include "editor/displays.h"
#include "host/event_list.h"

using editortest::Rig;
using editortest::row;
using tarlix::LayoutRecord;
using tarlix::LinkMessage;
using tarlix::QX_GUI_EQ_Window;
using tarlix::QX_Multi_Lev;

namespace {

constexpr int kSeqA = 402, kSeqB = 403;
constexpr int kSeqOnOff = 131, kSeqDir = 132, kSeqRate = 133, kSeqLength = 134, kArpOnOff = 124;
constexpr int kRate = 44100;
// 120 BPM (the host tells no tempo), one step per beat: 22050 samples, 50 blocks of 441.
constexpr int kBlock = 441;
constexpr int kBlocksPerStep = 50;

float option(int k, int count) {
    return static_cast<float>(k) / static_cast<float>(count - 1);
}

LinkMessage message(int32_t code, float value, int32_t type = tarlix::kLinkValue) {
    LinkMessage m;
    m.type = type;
    m.code = code;
    m.value = value;
    return m;
}

class DisplaysInAWindow : public editortest::RigInAWindow {
  protected:
    void open(const std::vector<LayoutRecord>* table = nullptr) {
        rig = table ? std::make_unique<Rig>(table->data(), static_cast<int>(table->size()))
                    : std::make_unique<Rig>();
        openEditor();
    }
    QX_Multi_Lev* steps(int tag) { return dynamic_cast<QX_Multi_Lev*>(rig->editor->control(tag)); }
    // The bar whose top edge is drawn lit in the back buffer (-1: none, -2: several).
    int litInPicture(QX_Multi_Lev* bars) {
        rig->editor->frame()->idle();
        int lit = -1;
        const tk::CRect at = bars->frameRect();
        for (int i = 0; i < bars->barCount(); ++i) {
            tk::CRect r = bars->barRect(i);
            uint32_t argb = rig->editor->frame()->backBuffer().pixel(
                at.left + (r.left + r.right) / 2, at.top + r.top);
            int brightness = std::min({(argb >> 16) & 255, (argb >> 8) & 255, argb & 255});
            if (brightness > 200) lit = lit == -1 ? i : -2;
        }
        return lit;
    }
    void process(int blocks) {
        for (int b = 0; b < blocks; ++b) {
            float* in[2] = {silence.data(), silence.data()};
            float* out[2] = {left.data(), right.data()};
            rig->engine->processReplacing(in, out, kBlock);
        }
    }
    std::vector<float> silence = std::vector<float>(kBlock), left = silence, right = silence;
};

} // namespace

// The sequencer runs on the test's thread, block after block; the editor's tick takes the
// playing step from the engine's mailbox. After every block the lit step, as the view holds it
// and as it is drawn, is the step the sample clock says is playing: a step every 50 blocks
// from the first key on, in the sequencer's direction.
TEST_F(DisplaysInAWindow, TheLitStepFollowsTheAudioBlockByBlock) {
    struct Case {
        int direction, length;
        std::vector<int> order; // the steps in playing order
    } cases[] = {{0, 8, {0, 1, 2, 3, 4, 5, 6, 7}}, {1, 4, {3, 2, 1, 0}}};
    for (const Case& c : cases) {
        open();
        QX_Multi_Lev* a = steps(kSeqA);
        QX_Multi_Lev* b = steps(kSeqB);
        ASSERT_TRUE(a && b);
        rig->engine->setSampleRate(kRate);
        rig->engine->setBlockSize(kBlock);
        rig->engine->resume();
        rig->engine->setParameter(kArpOnOff, 0.0f);
        rig->engine->setParameter(kSeqOnOff, 1.0f);
        rig->engine->setParameter(kSeqRate, option(3, 9)); // one step per beat
        rig->engine->setParameter(kSeqDir, option(c.direction, 5));
        rig->engine->setParameter(kSeqLength, option(c.length - 1, 8));
        process(1);
        vst::EventList midi;
        midi.add(0, 0x90, 60, 100); // the first key starts the steps
        rig->engine->processEvents(midi.list());
        const int total = kBlocksPerStep * (static_cast<int>(c.order.size()) + 2);
        int checked = 0;
        for (int n = 0; n < total; ++n) {
            process(1);
            rig->editor->tick();
            const int expected = c.order[static_cast<size_t>(n / kBlocksPerStep) % c.order.size()];
            ASSERT_EQ(a->playingStep(), expected) << "block " << n;
            ASSERT_EQ(b->playingStep(), expected) << "block " << n;
            if (n % 10 == 0) { // the picture too, now and then
                ASSERT_EQ(litInPicture(a), expected) << "block " << n;
                ASSERT_EQ(litInPicture(b), expected) << "block " << n;
                ++checked;
            }
        }
        EXPECT_EQ(checked, (total + 9) / 10);
        // Switched off: no step is lit (the engine posts its neutral step).
        rig->engine->setParameter(kSeqOnOff, 0.0f);
        process(1);
        rig->editor->tick();
        EXPECT_EQ(a->playingStep(), -1);
        EXPECT_EQ(litInPicture(a), -1);
        rig->engine->suspend();
        rig.reset();
    }
}

// Messages the layout never sends still have a defined outcome: bars beyond the count, a
// first bar or visible count outside the bars, a playing step of -1.8 or NaN.
TEST_F(DisplaysInAWindow, StepDisplaysIgnoreOrClampMessagesOutsideTheirBars) {
    std::vector<LayoutRecord> table{row(0, 150, -1, 0, 0, "BG.png"),
                                    row(kSeqB, 122, 16392, 100, 100, "Seq_B.png"), row(0, 161)};
    open(&table);
    QX_Multi_Lev* b = steps(kSeqB);
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->barCount(), 8);
    for (int code : {8, 63, 64, 1000, -3})
        b->onLink(message(code, 0.7f));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(b->bar(i), 0.0f);
    b->onLink(message(3, 2.5f));
    EXPECT_EQ(b->bar(3), 1.0f); // held inside 0..1
    b->onLink(message(QX_Multi_Lev::kPlayingStepCode, 5.2f));
    EXPECT_EQ(b->playingStep(), 5);
    for (float step : {-1.8f, -2.0f, NAN, 8.2f, 1e30f}) {
        b->onLink(message(QX_Multi_Lev::kPlayingStepCode, 5.2f));
        b->onLink(message(QX_Multi_Lev::kPlayingStepCode, step));
        EXPECT_EQ(b->playingStep(), -1) << step;
    }
    // A visible count of 0 still shows one bar; a first bar past the end shows the last.
    b->onLink(message(QX_Multi_Lev::kVisibleCountCode, 0.0f));
    EXPECT_EQ(b->visibleCount(), 1);
    b->onLink(message(QX_Multi_Lev::kFirstVisibleCode, 7.0f));
    EXPECT_EQ(b->firstVisible(), 7);
    EXPECT_EQ(b->visibleCount(), 1);
    b->onLink(message(QX_Multi_Lev::kVisibleCountCode, NAN));
    EXPECT_EQ(b->visibleCount(), 1);
    rig->editor->frame()->invalidAll();
    EXPECT_GT(rig->editor->frame()->idle(), 0); // and it still draws
}

// A position a hair above 1, NaN values and a single band: the handle stays on the curve's
// columns, nothing divides by zero, and every column of the curve is inside the view.
TEST_F(DisplaysInAWindow, TheEqualiserKeepsItsCurveAndHandlesInsideForAnyValue) {
    std::vector<LayoutRecord> table{row(0, 150, -1, 0, 0, "BG.png"),
                                    row(354, 114, 1, 50, 50, nullptr, 329, 105),
                                    row(355, 114, 3, 50, 300, nullptr, 329, 105), row(0, 161)};
    open(&table);
    auto* one = dynamic_cast<QX_GUI_EQ_Window*>(rig->editor->control(354));
    auto* three = dynamic_cast<QX_GUI_EQ_Window*>(rig->editor->control(355));
    ASSERT_TRUE(one && three);
    EXPECT_EQ(one->bandCount(), 1);
    EXPECT_TRUE(std::isfinite(one->position(0)));
    for (float v : {1.0000001f, 1.5f, NAN, -0.2f, 1e30f}) {
        for (auto* eq : {one, three}) {
            eq->onLink(message(QX_GUI_EQ_Window::kFrequencyCode, v));
            eq->onLink(message(QX_GUI_EQ_Window::kGainCode, v));
            eq->onLink(message(QX_GUI_EQ_Window::kWidthCode, v));
            tk::CRect h = eq->handle(0);
            int centre = (h.left + h.right) / 2;
            EXPECT_GE(centre, 0) << v;
            EXPECT_LT(centre, 329) << v;
            for (int x = 0; x < 329; ++x) {
                int y = eq->curveAt(x);
                ASSERT_GE(y, 0) << v;
                ASSERT_LT(y, 105) << v;
            }
        }
    }
    rig->editor->frame()->invalidAll();
    EXPECT_GT(rig->editor->frame()->idle(), 0);
}

// Bands that no control has reported are drawn spread over the axis and flat; nothing is
// sent for them, so a preset is never written by opening the window.
TEST_F(DisplaysInAWindow, UnreportedBandsAreDrawnAtDefaultsWithoutTellingAnyControl) {
    std::vector<LayoutRecord> table{row(0, 150, -1, 0, 0, "BG.png"),
                                    row(354, 114, 3, 50, 50, nullptr, 329, 105), row(0, 161)};
    open(&table);
    auto* eq = dynamic_cast<QX_GUI_EQ_Window*>(rig->editor->control(354));
    ASSERT_NE(eq, nullptr);
    EXPECT_NEAR(eq->position(0), 0.0f, 1e-6);
    EXPECT_NEAR(eq->position(1), tarlix::eq_axis::positionOf(20460.0 / 16 + 20), 1e-6);
    EXPECT_NEAR(eq->position(2), 1.0f, 1e-6);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(eq->gain(i), 0.5f);
        EXPECT_EQ(eq->width(i), 0.5f);
    }
}

TEST_F(DisplaysInAWindow, PictureFramesStayInsideTheStripForAnyCode) {
    std::vector<LayoutRecord> table{row(0, 150, -1, 0, 0, "BG.png"),
                                    row(365, 78, 4, 100, 100, "Melt_SubD.png", 1, 1),
                                    row(366, 78, 1, 300, 100, "Melt_SubD.png", 0, 1), row(0, 161)};
    open(&table);
    auto* pic = dynamic_cast<tarlix::QX_GUI_Image*>(rig->editor->control(365));
    ASSERT_NE(pic, nullptr);
    EXPECT_TRUE(pic->isVisible());
    EXPECT_FALSE(rig->editor->control(366)->isVisible()); // a min of 0 hides it
    ASSERT_EQ(pic->frames(), 4);
    using P = tarlix::QX_GUI_Image;
    for (int i = 0; i < 6; ++i)
        pic->onLink(message(P::kNextFrameCode, 1.0f));
    EXPECT_EQ(pic->frame(), 3);
    for (int i = 0; i < 6; ++i)
        pic->onLink(message(P::kPreviousFrameCode, 1.0f));
    EXPECT_EQ(pic->frame(), 0);
    pic->onLink(message(P::kFrameOfValueCode, 5.0f));
    EXPECT_EQ(pic->frame(), 3);
    pic->onLink(message(P::kFrameOfValueCode, NAN));
    EXPECT_EQ(pic->frame(), 0);
    pic->onLink(message(P::kFrameOfTypeCode, 0.0f, 99));
    EXPECT_EQ(pic->frame(), 3);
    pic->onLink(message(P::kFrameOfTypeCode2, 0.0f, -7));
    EXPECT_EQ(pic->frame(), 0);
    // Runs down one frame per tick from the top.
    pic->onLink(message(P::kRunDownCode, 1.0f));
    EXPECT_EQ(pic->frame(), 3);
    rig->ticks(3);
    EXPECT_EQ(pic->frame(), 0);
    // Fades out by 100 per tick and hides, then back in.
    pic->onLink(message(P::kFadeCode, 0.0f, -100));
    rig->ticks(3);
    EXPECT_EQ(pic->alpha(), 0);
    EXPECT_FALSE(pic->isVisible());
    pic->onLink(message(P::kFadeCode, 0.0f, 100));
    EXPECT_TRUE(pic->isVisible());
    rig->ticks(3);
    EXPECT_EQ(pic->alpha(), 255);
}

// The pop-up over the window: a click on an item automates item / (n - 1) (0 for a single
// item); a click beside the items, or with the right button, puts the value back.
TEST_F(DisplaysInAWindow, TheImagePopUpSetsOrRestoresItsRequestersValue) {
    open();
    auto* popUp = dynamic_cast<tarlix::QX_ImagePopUp*>(rig->editor->control(449));
    ASSERT_NE(popUp, nullptr);
    std::vector<std::pair<int, float>> automated, restored;
    popUp->automate = [&](int t, float v) { automated.push_back({t, v}); };
    popUp->restore = [&](int t, float v) { restored.push_back({t, v}); };
    tarlix::QX_ImagePopUp::Request rq;
    rq.strip = tk::CBitmap::solid(40, 5 * 30, 0xFF336699u);
    rq.items = 5;
    rq.current = 1;
    rq.centre = {985, 690}; // near the corner: the grid stays inside
    rq.tag = 72;
    rq.before = 0.3f;
    ASSERT_TRUE(popUp->open(rq));
    tk::CRect g = popUp->gridRect();
    EXPECT_TRUE(rig->editor->frame()->getViewSize().contains(g));
    tk::CRect third = popUp->cell(3);
    rig->editor->frame()->handleMouseDown({third.left + 5, third.top + 5}, tk::kLButton);
    ASSERT_EQ(automated.size(), 1u);
    EXPECT_EQ(automated[0].first, 72);
    EXPECT_FLOAT_EQ(automated[0].second, 0.75f);
    EXPECT_FALSE(popUp->isOpen());

    ASSERT_TRUE(popUp->open(rq));
    rig->editor->frame()->handleMouseDown({2, 2}, tk::kLButton); // beside the grid
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].second, 0.3f);

    rq.strip = tk::CBitmap::solid(40, 30, 0xFF336699u);
    rq.items = 1;
    ASSERT_TRUE(popUp->open(rq));
    tk::CRect only = popUp->cell(0);
    rig->editor->frame()->handleMouseDown({only.left + 1, only.top + 1}, tk::kLButton);
    ASSERT_EQ(automated.size(), 2u);
    EXPECT_EQ(automated[1].second, 0.0f);

    rq.items = 0;
    EXPECT_FALSE(popUp->open(rq));
}
