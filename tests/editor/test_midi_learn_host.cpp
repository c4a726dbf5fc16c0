// MIDI learn through the built library as a Linux host drives it: the editor in the host's X11
// window, the server's own pointer (XTest), controllers through effProcessEvents with audio
// blocks processed in this thread, and the bindings read back from the bank the host saves.
// gtest before Xlib: Xlib's macros (None, Status) would break gtest's names.
#include "editor/layout_place.h"
#include "tests/host_fixture.h"
// After gtest: Xlib's macros would break gtest's names.
#include "tests/editor/host_window.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <array>

#include "engine/program_record.h"

using testhost::Instance;

namespace {

constexpr int kWidth = 991, kHeight = 701;
constexpr int kBlock = 256;
// The dialog: 346 x 174, centred on the click and kept inside the window; its controller
// field and assign button in its own coordinates.
constexpr int kDialogWidth = 346, kDialogHeight = 174;
constexpr int kFieldX = 131 + 90, kFieldY = 95 + 12;
constexpr int kAssignX = 131 + 35, kAssignY = 126 + 10;
// The controller menu opens at the click: rows of 18 pixels below a 2-pixel margin.
constexpr int kMenuRow = 18, kMenuMargin = 2, kMenuInset = 20;

constexpr int kCutoff = 83, kResonance = 84, kRightmost = 119;
constexpr int kCcNrpnFine = 98, kCcNrpnCoarse = 99, kCcDataEntry = 6;
constexpr uint16_t kUnbound = 65535;

struct Point {
    int x, y;
};

class LearnThroughTheLibrary : public x11test::HostedEditor {
  protected:
    LearnThroughTheLibrary() : HostedEditor(testhost::library().entry != nullptr) {}
    void SetUp() override {
        HostedEditor::SetUp();
        if (stopped()) return;
        p = std::make_unique<Instance>();
        p->start(44100, kBlock);
        open(*p);
    }
    void TearDown() override {
        if (p) p->call(vst::effEditClose);
        p.reset();
        HostedEditor::TearDown();
    }
    // Lets the editor take the queued input: the server has handled it after XSync.
    void settle() {
        host->idleUntil([&] { p->call(vst::effEditIdle); }, [] { return false; }, 3);
    }
    template <typename F> bool pumpUntil(F done) { return HostedEditor::pumpUntil(*p, done); }
    Point knobCentre(int tag, int side) {
        int x = 0, y = 0;
        EXPECT_TRUE(tarlix::restingPlace(tag, x, y));
        return {x + side / 2, y + side / 2};
    }
    // Right-clicks a point and returns where the dialog then lies (top-left).
    Point openAt(Point click) {
        host->click(click.x, click.y, 3);
        settle();
        return {std::clamp(click.x - kDialogWidth / 2, 0, kWidth - kDialogWidth),
                std::clamp(click.y - kDialogHeight / 2, 0, kHeight - kDialogHeight)};
    }
    void controllers(std::initializer_list<std::array<int, 2>> list, int blocks = 2) {
        vst::EventList events;
        for (auto [number, value] : list)
            events.add(0, 0xB0, number, value);
        p->send(events);
        std::vector<float> l(kBlock), r(kBlock);
        for (int b = 0; b < blocks; ++b)
            p->process(l, r, kBlock);
    }
    std::vector<uint16_t> stored(int parameter) {
        void* data = nullptr;
        intptr_t size = p->call(vst::effGetChunk, 0, 0, &data);
        return x11test::learnCodes(data, size, parameter);
    }
    static std::vector<uint16_t> all(uint16_t code) {
        return std::vector<uint16_t>(tarlix::kNumPrograms, code);
    }
    bool assign(Point dialog, int parameter, uint16_t code) {
        host->click(dialog.x + kAssignX, dialog.y + kAssignY);
        return pumpUntil([&] { return stored(parameter) == all(code); });
    }

    std::unique_ptr<Instance> p;
};

} // namespace

TEST_F(LearnThroughTheLibrary, ARightClickAControllerAndAssignBindTheKnobInEveryProgram) {
    ASSERT_EQ(stored(kCutoff), all(kUnbound));
    Point dialog = openAt(knobCentre(kCutoff, 41));
    controllers({{74, 100}});
    ASSERT_TRUE(assign(dialog, kCutoff, 74));

    controllers({{74, 127}}, 1);
    EXPECT_EQ(p->get(kCutoff), 1.0f);
    controllers({{74, 0}}, 1);
    EXPECT_EQ(p->get(kCutoff), 0.0f);

    // An NRPN for the next knob, opened while the first dialog is still leaving.
    dialog = openAt(knobCentre(kResonance, 41));
    controllers({{kCcNrpnCoarse, 0}, {kCcNrpnFine, 5}, {kCcDataEntry, 64}});
    ASSERT_TRUE(assign(dialog, kResonance, 205));
    EXPECT_EQ(stored(kCutoff), all(74));
}

TEST_F(LearnThroughTheLibrary, NoneFromTheControllerMenuUnbinds) {
    Point dialog = openAt(knobCentre(kCutoff, 41));
    controllers({{74, 100}});
    ASSERT_TRUE(assign(dialog, kCutoff, 74));

    dialog = openAt(knobCentre(kCutoff, 41));
    Point field{dialog.x + kFieldX, dialog.y + kFieldY};
    host->click(field.x, field.y);
    settle();
    host->click(field.x + kMenuInset, field.y + kMenuMargin + kMenuRow / 2); // "None"
    settle();
    ASSERT_TRUE(assign(dialog, kCutoff, kUnbound));
    const float before = p->get(kCutoff);
    controllers({{74, before > 0.5f ? 0 : 127}}, 1);
    EXPECT_EQ(p->get(kCutoff), before);
}

// Opened at the right edge, the dialog is moved left to fit: its assign button is where a
// dialog inside the window has it.
TEST_F(LearnThroughTheLibrary, ADialogOpenedAtTheRightEdgeStaysInsideTheWindow) {
    int x = 0, y = 0;
    ASSERT_TRUE(tarlix::restingPlace(kRightmost, x, y));
    Point dialog = openAt({x + 28, y + 4});
    EXPECT_EQ(dialog.x + kDialogWidth, kWidth);
    controllers({{7, 90}});
    ASSERT_TRUE(assign(dialog, kRightmost, 7));
}
