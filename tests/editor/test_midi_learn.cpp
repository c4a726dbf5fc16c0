// MIDI learn in a real X11 window under XTest input, with the editor linked in so that the
// dialog's text can be read: right-click a control, move a controller on the MIDI input (the
// engine's dispatcher, with audio blocks processed in between), press assign.
// gtest (through the rig) before Xlib: Xlib's macros would break gtest's names.
#include "tests/editor/rig_window.h"

#include <X11/keysym.h>

#include <array>
#include <cstring>

#include "editor/midi_learn.h"
#include "engine/program_record.h"
#include "host/event_list.h"

using editortest::Rig;
using tarlix::QX_AssignMidiCC;
namespace learncode = tarlix::learncode;

namespace {

constexpr int kBlock = 256;
constexpr int kCutoff = 83;      // "LPF Cutoff", a knob on the main plate
constexpr int kResonance = 84;   // "LPF Resonance", its neighbour
constexpr int kRightmost = 119;  // "Amp Velocity %", a small knob near the right edge
constexpr int kFadeTicks = 10;   // the dialog fades in by 0.1 per tick
constexpr int kLeaveTicks = 200; // more than a slide out of the window takes
constexpr int kCcNrpnFine = 98, kCcNrpnCoarse = 99, kCcDataEntry = 6;

class MidiLearn : public editortest::RigInAWindow {
  protected:
    void SetUp() override {
        RigInAWindow::SetUp();
        if (stopped()) return;
        rig = std::make_unique<Rig>();
        fx = rig->engine->getAeffect();
        fx->dispatcher(fx, vst::effSetSampleRate, 0, 0, nullptr, 44100.0f);
        fx->dispatcher(fx, vst::effSetBlockSize, 0, kBlock, nullptr, 0.0f);
        fx->dispatcher(fx, vst::effMainsChanged, 0, 1, nullptr, 0.0f);
        openEditor();
        if (HasFatalFailure()) return;
        dialog = rig->editor->learnDialog();
        ASSERT_NE(dialog, nullptr);
    }
    void click(tk::CPoint p, unsigned b = 1) { host->click(p.x, p.y, b); }
    tk::CViewContainer* panel() { return dialog->getParentView(); }
    // Right-clicks a control and waits until the dialog listens for its parameter.
    void rightClick(int tag, tk::CPoint at) {
        click(at, 3);
        ASSERT_TRUE(pumpUntil([&] { return dialog->listening() && dialog->parameter() == tag; }));
        rig->ticks(kFadeTicks);
        rig->editor->frame()->idle();
    }
    void rightClick(int tag) { rightClick(tag, rig->centreOf(tag)); }
    // A point of the dialog, from a rectangle in its own coordinates.
    tk::CPoint inDialog(const tk::CRect& r, int dx = -1, int dy = -1) {
        tk::CRect at = dialog->frameRect();
        return {at.left + r.left + (dx < 0 ? r.width() / 2 : dx),
                at.top + r.top + (dy < 0 ? r.height() / 2 : dy)};
    }
    void pressAssign() {
        click(inDialog(dialog->assignButton()));
        ASSERT_TRUE(pumpUntil([&] { return !dialog->listening(); }));
    }
    // Sends controllers through the dispatcher, then plays blocks as a host does.
    void controllers(std::initializer_list<std::array<int, 2>> list, int blocks = 2) {
        vst::EventList events;
        for (auto [number, value] : list)
            events.add(0, 0xB0, number, value);
        fx->dispatcher(fx, vst::effProcessEvents, 0, 0, events.list(), 0.0f);
        std::vector<float> l(kBlock), r(kBlock);
        float* outs[2] = {l.data(), r.data()};
        for (int b = 0; b < blocks; ++b)
            fx->processReplacing(fx, nullptr, outs, kBlock);
    }
    // The codes of a parameter in all 128 programs, as the host saves the bank.
    std::vector<uint16_t> storedCodes(int parameter) {
        void* data = nullptr;
        intptr_t size = fx->dispatcher(fx, vst::effGetChunk, 0, 0, &data, 0.0f);
        return x11test::learnCodes(data, size, parameter);
    }
    static std::vector<uint16_t> all(uint16_t code) {
        return std::vector<uint16_t>(tarlix::kNumPrograms, code);
    }

    vst::AEffect* fx = nullptr;
    QX_AssignMidiCC* dialog = nullptr;
};

} // namespace

TEST_F(MidiLearn, ControllerSeventyFourIsLearnedAssignedEverywhereAndThenMovesTheKnob) {
    rightClick(kCutoff);
    EXPECT_EQ(dialog->name(), "LPF Cutoff");
    EXPECT_EQ(dialog->codeText(), " None ");
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->fade(), 1.0f);
    // Centred on the click where the window lets it be.
    tk::CRect at = panel()->frameRect();
    EXPECT_EQ(at.left, rig->centreOf(kCutoff).x - at.width() / 2);

    controllers({{74, 100}});
    rig->ticks(1);
    EXPECT_EQ(dialog->codeText(), "CC: 74");
    // A controller moved later wins over the one before.
    controllers({{21, 5}});
    rig->ticks(1);
    EXPECT_EQ(dialog->codeText(), "CC: 21");
    controllers({{74, 101}});
    rig->ticks(1);
    EXPECT_EQ(dialog->codeText(), "CC: 74");

    pressAssign();
    EXPECT_EQ(storedCodes(kCutoff), all(74));
    // The panel leaves the window and hides.
    rig->ticks(kLeaveTicks);
    EXPECT_FALSE(panel()->isVisible());

    const float resonance = rig->engine->getParameter(kResonance);
    controllers({{74, 127}});
    EXPECT_EQ(rig->engine->getParameter(kCutoff), 1.0f);
    controllers({{74, 0}});
    EXPECT_EQ(rig->engine->getParameter(kCutoff), 0.0f);
    // Only the learned parameter follows it.
    EXPECT_EQ(rig->engine->getParameter(kResonance), resonance);
}

TEST_F(MidiLearn, AnNrpnIsShownByItsNumberAndStoredAsTwoHundredPlusIt) {
    rightClick(kResonance);
    controllers({{kCcNrpnCoarse, 0}, {kCcNrpnFine, 5}, {kCcDataEntry, 64}});
    rig->ticks(1);
    EXPECT_EQ(dialog->codeText(), "nrpn: 5");
    pressAssign();
    EXPECT_EQ(storedCodes(kResonance), all(205));

    // Opened again, it shows the stored NRPN; its menu has no entry for it and opens safely.
    rightClick(kResonance);
    EXPECT_EQ(dialog->codeText(), "nrpn: 5");
    click(inDialog(dialog->codeField()));
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() != nullptr; }));
    rig->editor->frame()->idle(); // draws the menu
    host->type({XK_Escape});
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() == nullptr; }));
    EXPECT_EQ(dialog->codeText(), "nrpn: 5"); // no choice keeps it
}

// A map file can hold any 16-bit code: one that is neither a controller nor an NRPN opens as
// unbound, and its menu opens with nothing checked.
TEST_F(MidiLearn, AGarbageCodeReadsAsNoneAndItsMenuOpensSafely) {
    rig->engine->programStore().setMidiLearn(kCutoff, 40000);
    rightClick(kCutoff);
    EXPECT_EQ(dialog->codeText(), " None ");
    click(inDialog(dialog->codeField()));
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() != nullptr; }));
    rig->editor->frame()->idle();
    click({2, 695}); // outside the list: closes it without a choice
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() == nullptr; }));
    EXPECT_TRUE(dialog->listening());
    pressAssign();
    EXPECT_EQ(storedCodes(kCutoff), all(learncode::kStoredNone));
}

TEST_F(MidiLearn, TheMenuListsControllersInColumnsOfTwentySixAndNoneUnbinds) {
    rig->engine->programStore().setMidiLearn(kCutoff, 74);
    rightClick(kCutoff);
    EXPECT_EQ(dialog->codeText(), "CC: 74");

    // The list opens at the click: "None" first, then "CC 0" down to "CC 24", and "CC 25"
    // heads the second column.
    constexpr int kRow = 18, kColumn = 90, kInset = 20;
    tk::CPoint field = inDialog(dialog->codeField());
    click(field);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() != nullptr; }));
    click({field.x + kColumn + kInset, field.y + 2 + kRow / 2});
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() == nullptr; }));
    EXPECT_EQ(dialog->codeText(), "CC: 25");

    click(field);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() != nullptr; }));
    click({field.x + kInset, field.y + 2 + kRow / 2});
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() == nullptr; }));
    EXPECT_EQ(dialog->codeText(), " None ");

    pressAssign();
    EXPECT_EQ(storedCodes(kCutoff), all(learncode::kStoredNone));
    const float before = rig->engine->getParameter(kCutoff);
    controllers({{74, before > 0.5f ? 0 : 127}});
    EXPECT_EQ(rig->engine->getParameter(kCutoff), before);
}

TEST_F(MidiLearn, ADialogOpenedAtTheRightEdgeStaysInsideTheWindow) {
    tk::CRect knob = rig->editor->control(kRightmost)->frameRect();
    rightClick(kRightmost, {knob.right - 2, knob.top + 2});
    tk::CRect at = panel()->frameRect();
    EXPECT_EQ(at.right, 991);
    EXPECT_GE(at.left, 0);
    EXPECT_GE(at.top, 0);
    EXPECT_LE(at.bottom, 701);
    // And fully drawn there, after its fade: the dialog's art, not the window below.
    EXPECT_EQ(panel()->fade(), 1.0f);
    EXPECT_TRUE(dialog->isShown());
}

TEST_F(MidiLearn, NothingHeardMeansNothingLearnedAndStaleInputIsForgotten) {
    // A controller from before the dialog opened is not taken for a new one.
    controllers({{10, 64}});
    rightClick(kCutoff);
    rig->ticks(30);
    EXPECT_EQ(dialog->codeText(), " None ");
    pressAssign();
    EXPECT_EQ(storedCodes(kCutoff), all(learncode::kStoredNone));
}

TEST_F(MidiLearn, ReopenedWhileLeavingItComesBackAndStaysInSight) {
    rightClick(kCutoff);
    pressAssign();
    rig->ticks(3); // on its way out
    EXPECT_TRUE(panel()->isVisible());
    rightClick(kResonance);
    rig->ticks(kLeaveTicks);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_TRUE(dialog->listening());
    EXPECT_EQ(panel()->fade(), 1.0f);
    EXPECT_EQ(panel()->frameRect(),
              tarlix::placeDialog(rig->centreOf(kResonance), 346, 174, {0, 0, 991, 701}));
}

TEST_F(MidiLearn, AClickOutsideClosesWithoutStoringAndARightClickMovesTheDialog) {
    rig->engine->programStore().setMidiLearn(kCutoff, 30);
    rightClick(kCutoff);
    controllers({{74, 1}});
    rig->ticks(1);
    EXPECT_EQ(dialog->codeText(), "CC: 74");
    // A right-click on another control while open opens it for that one instead.
    rightClick(kRightmost);
    EXPECT_EQ(dialog->parameter(), kRightmost);
    EXPECT_EQ(dialog->codeText(), " None ");
    click({20, 690}); // far from the dialog
    ASSERT_TRUE(pumpUntil([&] { return !dialog->listening(); }));
    rig->ticks(kLeaveTicks);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(storedCodes(kCutoff), all(30));
    EXPECT_EQ(storedCodes(kRightmost), all(learncode::kStoredNone));
}

// The host's keys: Return assigns what the dialog shows, Escape closes it unchanged.
TEST_F(MidiLearn, ReturnAssignsAndEscapeCloses) {
    constexpr int kHostReturn = 19, kHostEscape = 6; // the host's virtual key numbers
    rightClick(kCutoff);
    controllers({{74, 3}});
    EXPECT_EQ(rig->editor->onKeyDown(0, kHostReturn, 0), 1);
    EXPECT_FALSE(dialog->listening());
    EXPECT_EQ(storedCodes(kCutoff), all(74));

    rig->ticks(kLeaveTicks);
    rightClick(kCutoff);
    controllers({{75, 3}});
    EXPECT_EQ(rig->editor->onKeyDown(0, kHostEscape, 0), 1);
    EXPECT_FALSE(dialog->listening());
    EXPECT_EQ(storedCodes(kCutoff), all(74));
    // Closed, the dialog takes no keys.
    EXPECT_EQ(rig->editor->onKeyDown(0, kHostEscape, 0), 0);
}

// Codes that are neither a controller nor an NRPN never index the 129-entry menu, and read
// as unbound; the stored forms round-trip.
TEST(MidiLearnCodes, OnlyControllersHaveMenuEntriesAndGarbageReadsAsNone) {
    EXPECT_EQ(learncode::menuItems().size(), 129u);
    EXPECT_EQ(learncode::menuItems()[1], "CC 0");
    EXPECT_EQ(learncode::menuItems()[128], "CC 127");
    for (int64_t code : {int64_t{-1}, int64_t{65535}, int64_t{128}, int64_t{199},
                         int64_t{200 + 16384}, int64_t{40000}, int64_t{0xFFFFFFFF}})
        EXPECT_EQ(learncode::fromStored(code), learncode::kNone) << code;
    for (int code : {200, 205, 200 + 16383, 128, 40000, -7}) {
        int entry = learncode::menuEntry(code);
        EXPECT_TRUE(entry == -1 || (entry >= 0 && entry < 129)) << code;
        if (code >= 128) {
            EXPECT_EQ(entry, -1) << code;
        }
    }
    EXPECT_EQ(learncode::menuEntry(learncode::kNone), 0);
    EXPECT_EQ(learncode::menuEntry(127), 128);
    EXPECT_EQ(learncode::codeOfEntry(129), learncode::kNone);
    EXPECT_EQ(learncode::toStored(learncode::kNone), 65535);
    EXPECT_EQ(learncode::toStored(130), 65535);
    EXPECT_EQ(learncode::text(150), " None ");
    EXPECT_EQ(learncode::text(200 + 16383), "nrpn: 16383");
}

// The panel goes wholly outside the window by the side the clock picks.
TEST(MidiLearnCodes, TheDialogIsPlacedInsideAndLeavesWhollyOutside) {
    const tk::CRect window{0, 0, 991, 701};
    for (tk::CPoint click : {tk::CPoint{0, 0}, tk::CPoint{990, 700}, tk::CPoint{500, 350},
                             tk::CPoint{-50, 2000}, tk::CPoint{990, 0}}) {
        tk::CRect r = tarlix::placeDialog(click, 346, 174, window);
        EXPECT_TRUE(window.contains(r)) << click.x << "," << click.y;
        for (int side = 0; side < 4; ++side)
            EXPECT_TRUE(tarlix::outsideOf(r, window, side).intersection(window).empty()) << side;
    }
}
