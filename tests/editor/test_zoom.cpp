// The editor's window at 100, 150 and 200 %: a real X11 window on a screen large enough for the
// zoomed window, XTest input, and a host that makes room for a new size or refuses to. The
// editor is linked in so that tests can read where its controls are; the zoom itself is kept by
// the engine and crosses the dispatcher as a host sees it.
// gtest (through the rig) before Xlib: Xlib's macros would break gtest's names.
#include "tests/editor/rig_window.h"

#include <X11/keysym.h>

#include <cstdio>
#include <cstring>
#include <map>

#include "editor/zoom.h"
#include "engine/preset_files.h"
#include "engine/program_record.h"
#include "engine/program_store.h"

using editortest::Rig;

namespace {

constexpr int kWidth = 991, kHeight = 701;
constexpr int kPortamento = 72; // a knob on the page shown at opening
constexpr int kCreditsButton = 352;
constexpr int kCreditsPanel = 19;
constexpr int kMpeActive = 232;  // a switch in the credits panel
constexpr int kSlideTicks = 120; // far more than any panel needs to come to rest
constexpr int kRecordBytes = 5876;
constexpr int kBankBytes = 752128;

// The host: records size requests and grows its own window when it accepts one.
struct HostSide {
    Display* display = nullptr;
    Window window = 0;
    bool accepts = true;
    std::vector<std::pair<int, int>> requests;
    int endEdits = 0;
};
HostSide& hostSide() {
    static HostSide h;
    return h;
}
intptr_t resizingHost(vst::AEffect*, int32_t op, int32_t index, intptr_t value, void*, float) {
    HostSide& h = hostSide();
    if (op == vst::audioMasterVersion) return 2400;
    if (op == vst::audioMasterEndEdit) ++h.endEdits;
    if (op != vst::audioMasterSizeWindow) return 0;
    h.requests.emplace_back(index, static_cast<int>(value));
    if (!h.accepts) return 0;
    XResizeWindow(h.display, h.window, static_cast<unsigned>(index), static_cast<unsigned>(value));
    XSync(h.display, False);
    return 1;
}

class Zoom : public editortest::RigInAWindow {
  protected:
    Zoom() : RigInAWindow(24, "2048x1536") {}
    void SetUp() override {
        RigInAWindow::SetUp();
        if (stopped()) return;
        hostSide() = {host->display, host->window, true, {}, 0};
        rig = std::make_unique<Rig>(tarlix::kLayoutTable, tarlix::kLayoutRowCount, resizingHost);
    }
    // The engine's side as the host reaches it.
    intptr_t dispatch(int32_t op, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr) {
        vst::AEffect* fx = rig->engine->getAeffect();
        return fx->dispatcher(fx, op, index, value, ptr, 0.0f);
    }
    void setZoomParameter(float v) {
        vst::AEffect* fx = rig->engine->getAeffect();
        fx->setParameter(fx, tarlix::kZoomTag, v);
    }
    float zoomParameter() {
        vst::AEffect* fx = rig->engine->getAeffect();
        return fx->getParameter(fx, tarlix::kZoomTag);
    }
    std::pair<int, int> reportedSize() { return sizeOf(*rig); }
    static std::pair<int, int> sizeOf(Rig& r) {
        vst::ERect* rect = nullptr;
        if (!r.editor->getRect(&rect) || !rect) return {0, 0};
        return {rect->right - rect->left, rect->bottom - rect->top};
    }
    void open() { openEditor(); }
    // The editor's window (the host window's only child) and its size.
    std::pair<int, int> windowSize() {
        auto kids = host->children();
        XWindowAttributes a;
        if (kids.size() == 1 && XGetWindowAttributes(host->display, kids[0], &a))
            return {a.width, a.height};
        return {0, 0};
    }
    // The editor resizes its window through its own connection: the server may take that after
    // this connection's question, so the answer is awaited over idle calls.
    bool windowBecomes(std::pair<int, int> size) {
        return pumpUntil([&] { return windowSize() == size; });
    }
    void idleOnce() {
        XSync(host->display, False);
        rig->editor->idle();
    }
    tk::CRect rectOf(int tag) { return rig->editor->control(tag)->frameRect(); }
    // A logical point of the window in device pixels at the editor's zoom: the centre of the
    // device pixels that show it.
    tk::CPoint device(int x, int y) {
        double s = rig->editor->zoomPercent() / 100.0;
        return {static_cast<int>(x * s + s / 2), static_cast<int>(y * s + s / 2)};
    }
    void clickLogical(int x, int y) {
        tk::CPoint d = device(x, y);
        host->click(d.x, d.y);
    }
    // The tag of the control the pointer is over, as the editor found it (-1: none).
    int hoveredTag() {
        for (tk::CView* v = rig->editor->frame()->hoverView(); v; v = v->getParentView())
            if (tk::CControl* c = v->asControl()) return c->getTag();
        return -1;
    }
    int hoveredAtDevice(int x, int y) {
        host->move(x, y);
        idleOnce();
        return hoveredTag();
    }
    // Opens the credits panel and waits until it rests in sight.
    void openCredits() {
        tk::CRect b = rectOf(kCreditsButton);
        clickLogical(b.left + b.width() / 2, b.top + b.height() / 2);
        ASSERT_TRUE(pumpUntil([&] { return rig->editor->panel(kCreditsPanel)->isVisible(); }));
        rig->ticks(kSlideTicks);
        idleOnce();
    }
    // Picks the zoom menu's item `steps` below the current one with the keyboard.
    void chooseZoom(int steps) {
        tk::CRect m = rectOf(tarlix::kZoomTag);
        clickLogical(m.left + m.width() / 2, m.top + m.height() / 2);
        ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() != nullptr; }));
        for (int i = 0; i < steps; ++i)
            host->type({XK_Down});
        host->type({XK_Return});
        ASSERT_TRUE(pumpUntil([&] { return rig->editor->frame()->modalView() == nullptr; }));
    }
    // Every control that shows in the window at opening, with its logical rectangle.
    std::map<int, tk::CRect> shownControls() {
        std::map<int, tk::CRect> out;
        const tk::CRect window{0, 0, kWidth, kHeight};
        for (int tag = 0; tag < tarlix::QX_GUI_Editor::kTags; ++tag) {
            tk::CControl* c = rig->editor->control(tag);
            if (!c) continue;
            bool shown = true;
            for (tk::CView* v = c; v; v = v->getParentView())
                shown = shown && v->isVisible();
            tk::CRect r = c->frameRect();
            if (shown && !r.empty() && window.contains(r) && c->wantsMouse()) out[tag] = r;
        }
        return out;
    }
};

} // namespace

// Each control is probed where the pointer finds it at 100 %: its top-left and bottom-right
// pixels and the pixels just beyond. At 200 % the same places, twice as far out, find the same.
TEST_F(Zoom, AtTwiceTheSizeEveryControlIsFoundOnTwiceItsRectangle) {
    struct Probe {
        tk::CPoint at;
        int found;
    };
    std::vector<Probe> probes;
    open();
    const auto controls = shownControls();
    ASSERT_GT(controls.size(), 100u);
    for (const auto& [tag, r] : controls)
        for (tk::CPoint p : {tk::CPoint{r.left, r.top}, tk::CPoint{r.right - 1, r.bottom - 1},
                             tk::CPoint{r.right, r.bottom - 1}, tk::CPoint{r.right - 1, r.bottom}})
            if (p.x < kWidth && p.y < kHeight) probes.push_back({p, hoveredAtDevice(p.x, p.y)});
    rig->editor->close();

    setZoomParameter(1.0f);
    EXPECT_EQ(reportedSize(), std::make_pair(2 * kWidth, 2 * kHeight));
    XResizeWindow(host->display, host->window, 2 * kWidth, 2 * kHeight);
    open();
    ASSERT_EQ(rig->editor->zoomPercent(), 200);
    EXPECT_TRUE(windowBecomes(std::make_pair(2 * kWidth, 2 * kHeight)));
    int wrong = 0;
    for (const Probe& p : probes) {
        // The device pixel at the logical pixel's far corner: both halves must agree.
        for (int d : {0, 1}) {
            int found = hoveredAtDevice(2 * p.at.x + d, 2 * p.at.y + d);
            if (found != p.found && ++wrong <= 10)
                ADD_FAILURE() << "at (" << p.at.x << ", " << p.at.y << ") +" << d << ": " << found
                              << " instead of " << p.found;
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << probes.size() << " probes";
}

// 140 logical pixels drag a knob over its whole range: 280 of the screen's at 200 %.
TEST_F(Zoom, AKnobsFullRangeTakes280ScreenPixelsAtTwiceTheSize) {
    setZoomParameter(1.0f);
    XResizeWindow(host->display, host->window, 2 * kWidth, 2 * kHeight);
    vst::AEffect* fx = rig->engine->getAeffect();
    fx->setParameter(fx, kPortamento, 0.0f);
    open();
    tk::CRect r = rectOf(kPortamento);
    tk::CPoint at = device(r.left + r.width() / 2, r.top + r.height() / 2);
    host->move(at.x, at.y);
    host->button(1, true);
    constexpr int kUp = 140; // screen pixels: half the range
    for (int s = 1; s <= kUp / 4; ++s)
        host->move(at.x, at.y - 4 * s);
    host->button(1, false);
    ASSERT_TRUE(pumpUntil([] { return hostSide().endEdits > 0; }));
    EXPECT_NEAR(fx->getParameter(fx, kPortamento), 0.5f, 1.0f / 140);
}

// The whole way at 150 %: the menu in the credits panel, the host making room, then the
// window's controls under the pointer at the new size.
TEST_F(Zoom, ChoosingOneHundredAndFiftyPercentResizesTheWindowAndItKeepsWorking) {
    open();
    openCredits();
    chooseZoom(1);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->zoomPercent() == 150; }));
    const std::pair<int, int> size{1487, 1052}; // 991 x 701 at 150 %, part pixels whole
    ASSERT_EQ(hostSide().requests.size(), 1u);
    EXPECT_EQ(hostSide().requests[0], size);
    EXPECT_TRUE(windowBecomes(size));
    EXPECT_EQ(reportedSize(), size);
    EXPECT_FLOAT_EQ(zoomParameter(), 0.5f);
    EXPECT_EQ(rig->editor->frame()->deviceWidth(), size.first);

    // A switch of the credits panel, pressed near its far corner at the new size.
    vst::AEffect* fx = rig->engine->getAeffect();
    const float before = fx->getParameter(fx, kMpeActive);
    tk::CRect sw = rectOf(kMpeActive);
    clickLogical(sw.left + sw.width() / 2, sw.top + sw.height() / 2);
    ASSERT_TRUE(pumpUntil([&] { return fx->getParameter(fx, kMpeActive) != before; }));

    // And on to 200 %.
    chooseZoom(1);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->zoomPercent() == 200; }));
    EXPECT_TRUE(windowBecomes(std::make_pair(2 * kWidth, 2 * kHeight)));
    EXPECT_FLOAT_EQ(zoomParameter(), 1.0f);
}

// A host that cannot resize: the window stays whole at its size, the menu and the stored zoom
// go back, and the window goes on working.
TEST_F(Zoom, AHostThatRefusesKeepsTheWindowAsItWasAndWorking) {
    hostSide().accepts = false;
    open();
    openCredits();
    chooseZoom(2);
    ASSERT_TRUE(pumpUntil([] { return !hostSide().requests.empty(); }));
    EXPECT_EQ(hostSide().requests[0], std::make_pair(2 * kWidth, 2 * kHeight));
    ASSERT_TRUE(pumpUntil([&] { return zoomParameter() == 0.0f; }));
    rig->ticks(2);
    idleOnce();
    EXPECT_EQ(rig->editor->zoomPercent(), 100);
    EXPECT_TRUE(windowBecomes(std::make_pair(kWidth, kHeight)));
    EXPECT_EQ(reportedSize(), std::make_pair(kWidth, kHeight));
    EXPECT_EQ(hostSide().requests.size(), 1u) << "asked once, not again and again";
    auto* menu = dynamic_cast<tarlix::QX_COptionsText*>(rig->editor->control(tarlix::kZoomTag));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->selectedIndex(), 0);

    vst::AEffect* fx = rig->engine->getAeffect();
    const float before = fx->getParameter(fx, kMpeActive);
    tk::CRect sw = rectOf(kMpeActive);
    clickLogical(sw.left + sw.width() / 2, sw.top + sw.height() / 2);
    ASSERT_TRUE(pumpUntil([&] { return fx->getParameter(fx, kMpeActive) != before; }));
}

// The zoom is global state: it goes into the host's bank chunk, comes back from it, is not
// changed by loading a program, and a chunk from before it existed (0 there) opens at 100 %.
TEST_F(Zoom, TheZoomTravelsWithTheBankChunkAndAnOldChunkOpensAtOneHundredPercent) {
    setZoomParameter(0.6f); // quantised to the middle item
    EXPECT_FLOAT_EQ(zoomParameter(), 0.5f);
    void* data = nullptr;
    intptr_t bytes = dispatch(vst::effGetChunk, 0, 0, &data);
    ASSERT_EQ(bytes, kBankBytes);
    std::vector<uint8_t> bank(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + bytes);

    Rig other(tarlix::kLayoutTable, tarlix::kLayoutRowCount, resizingHost);
    vst::AEffect* fx = other.engine->getAeffect();
    ASSERT_EQ(fx->dispatcher(fx, vst::effSetChunk, 0, bytes, bank.data(), 0), bytes);
    EXPECT_FLOAT_EQ(fx->getParameter(fx, tarlix::kZoomTag), 0.5f);
    EXPECT_EQ(sizeOf(other), std::make_pair(1487, 1052));

    // A single program's chunk into program 9 leaves the global zoom alone.
    fx->dispatcher(fx, vst::effSetProgram, 0, 9, nullptr, 0);
    std::vector<uint8_t> program(bank.begin() + 3 * kRecordBytes, bank.begin() + 4 * kRecordBytes);
    float other200 = 1.0f;
    std::memcpy(program.data() + 4 * tarlix::kZoomTag, &other200, 4);
    fx->dispatcher(fx, vst::effSetChunk, 1, kRecordBytes, program.data(), 0);
    EXPECT_FLOAT_EQ(fx->getParameter(fx, tarlix::kZoomTag), 0.5f);

    // Written before the zoom existed: the spare held 0.
    std::vector<uint8_t> old = bank;
    const float zero = 0.0f;
    std::memcpy(old.data() + 4 * tarlix::kZoomTag, &zero, 4);
    ASSERT_EQ(fx->dispatcher(fx, vst::effSetChunk, 0, kBankBytes, old.data(), 0), kBankBytes);
    EXPECT_FLOAT_EQ(fx->getParameter(fx, tarlix::kZoomTag), 0.0f);
    EXPECT_EQ(sizeOf(other), std::make_pair(kWidth, kHeight));
}

// The zoom is how this user sees the window: a bank or preset file loaded from the menus
// keeps it, whatever the file holds (a file from before the zoom existed holds 0).
TEST_F(Zoom, BankAndPresetFilesKeepTheWindowsZoom) {
    setZoomParameter(1.0f);
    const std::string bank = rig->home.path + "/Zoomed.Bnk";
    const std::string preset = rig->home.path + "/Zoomed.pst";
    ASSERT_TRUE(rig->engine->programStore().saveBankFile(bank.c_str()));
    ASSERT_TRUE(rig->engine->programStore().saveProgramFile(preset.c_str()));

    Rig other(tarlix::kLayoutTable, tarlix::kLayoutRowCount, resizingHost);
    vst::AEffect* fx = other.engine->getAeffect();
    ASSERT_EQ(other.engine->programStore().loadBankFile(bank.c_str()), tarlix::kFileRead);
    ASSERT_EQ(other.engine->programStore().loadProgramFile(preset.c_str()), tarlix::kFileRead);
    EXPECT_FLOAT_EQ(fx->getParameter(fx, tarlix::kZoomTag), 0.0f);
    EXPECT_EQ(sizeOf(other), std::make_pair(kWidth, kHeight));

    // At 200 %, a file written at 100 % (or before the zoom existed) leaves the window as it is.
    setZoomParameter(0.0f);
    ASSERT_TRUE(rig->engine->programStore().saveBankFile(bank.c_str()));
    fx->setParameter(fx, tarlix::kZoomTag, 1.0f);
    ASSERT_EQ(sizeOf(other), std::make_pair(2 * kWidth, 2 * kHeight));
    ASSERT_EQ(other.engine->programStore().loadBankFile(bank.c_str()), tarlix::kFileRead);
    EXPECT_FLOAT_EQ(fx->getParameter(fx, tarlix::kZoomTag), 1.0f);
    EXPECT_EQ(sizeOf(other), std::make_pair(2 * kWidth, 2 * kHeight));
}

// A right-click at 200 % asks for MIDI learn with the logical place of the click, so the
// dialog opens beside the knob as it does at 100 %; a press elsewhere closes it again.
TEST_F(Zoom, TheMidiLearnDialogOpensWhereTheKnobIsAtTwiceTheSize) {
    constexpr int kLearnPanel = 81;
    setZoomParameter(1.0f);
    XResizeWindow(host->display, host->window, 2 * kWidth, 2 * kHeight);
    open();
    const tk::CRect r = rectOf(kPortamento);
    const tk::CPoint at{r.left + 10, r.top + 12};
    tk::CPoint d = device(at.x, at.y);
    host->move(d.x, d.y);
    host->button(3, true);
    host->button(3, false);
    ASSERT_TRUE(pumpUntil([&] { return rig->editor->learnRequest().tag == kPortamento; }));
    EXPECT_EQ(rig->editor->learnRequest().where.x, at.x);
    EXPECT_EQ(rig->editor->learnRequest().where.y, at.y);
    EXPECT_TRUE(rig->editor->panel(kLearnPanel)->isVisible());
    rig->ticks(kSlideTicks);
    clickLogical(5, kHeight - 5);
    EXPECT_TRUE(pumpUntil([&] {
        rig->ticks(1); // the dialog fades out tick by tick
        return !rig->editor->panel(kLearnPanel)->isVisible();
    }));
}
