// The host's side of the editor tests: its own X connection and a top-level window at the
// root's origin to embed the editor in, with XTest input in screen coordinates; a host callback
// that records automation; and the fixture of the tests that drive the built library's editor.
// Include after gtest: Xlib's macros would break gtest's names.
#pragma once
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/program_record.h"
#include "host/vst_abi.h"
#include "tests/editor/xvfb.h"
#include "tests/temp_folder.h"

namespace x11test {

constexpr int kEditorWidth = 991, kEditorHeight = 701;
// Idle calls allowed for queued input to arrive before a test gives up.
constexpr int kIdleCalls = 400;

// What a host that records the automation it is sent sees: begin, the values, end, and the
// thread each came on.
struct Call {
    int32_t op = 0, index = 0;
    float value = 0;
    std::thread::id thread;
};
inline std::vector<Call>& recorded() {
    static std::vector<Call> calls;
    return calls;
}
inline intptr_t recordingHost(vst::AEffect*, int32_t op, int32_t index, intptr_t, void*,
                              float opt) {
    if (op == vst::audioMasterVersion) return 2400;
    if (op == vst::audioMasterAutomate || op == vst::audioMasterBeginEdit ||
        op == vst::audioMasterEndEdit)
        recorded().push_back({op, index, opt, std::this_thread::get_id()});
    return 0;
}

struct HostWindow {
    Display* display = nullptr;
    Window window = 0;
    explicit HostWindow(const std::string& name) {
        display = XOpenDisplay(name.c_str());
        if (!display) return;
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, kEditorWidth,
                                     kEditorHeight, 0, 0, 0);
        XMapWindow(display, window);
        XSync(display, False);
    }
    ~HostWindow() {
        if (!display) return;
        if (window) XDestroyWindow(display, window);
        XCloseDisplay(display);
    }
    void* handle() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(window)); }
    std::vector<Window> children() {
        Window root, parent, *list = nullptr;
        unsigned n = 0;
        std::vector<Window> out;
        if (XQueryTree(display, window, &root, &parent, &list, &n)) out.assign(list, list + n);
        if (list) XFree(list);
        return out;
    }
    // The window sits at the root's origin: its coordinates are the screen's.
    void move(int x, int y) { XTestFakeMotionEvent(display, -1, x, y, CurrentTime); }
    void button(unsigned b, bool down) { XTestFakeButtonEvent(display, b, down, CurrentTime); }
    void key(KeySym sym, bool down) {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, sym), down, CurrentTime);
    }
    void click(int x, int y, unsigned b = 1) {
        move(x, y);
        button(b, true);
        button(b, false);
    }
    void type(const std::vector<KeySym>& keys) {
        for (KeySym k : keys) {
            key(k, true);
            key(k, false);
        }
    }
    // A drag with `b` from (x, y) by dx, dy in moves of at most `step` pixels, with the given
    // modifier keys held.
    void drag(int x, int y, int dx, int dy, int step, unsigned b = 1,
              const std::vector<KeySym>& keys = {}) {
        for (KeySym k : keys)
            key(k, true);
        move(x, y);
        button(b, true);
        int moves = std::max(1, (std::max(std::abs(dx), std::abs(dy)) + step - 1) / step);
        for (int m = 1; m <= moves; ++m)
            move(x + dx * m / moves, y + dy * m / moves);
        button(b, false);
        for (KeySym k : keys)
            key(k, false);
    }
    // Calls `idle` until `done` holds, at most `calls` times. The server has handled the
    // queued input once XSync returns, so each idle sees all that was sent before it.
    template <typename Idle, typename Done>
    bool idleUntil(Idle idle, Done done, int calls = kIdleCalls) {
        for (int i = 0; i < calls; ++i) {
            XSync(display, False);
            idle();
            if (done()) return true;
        }
        return false;
    }
    // True when no client holds a grab of the pointer or the keyboard.
    bool nothingGrabbed() {
        bool pointer = XGrabPointer(display, window, False, ButtonPressMask, GrabModeAsync,
                                    GrabModeAsync, 0, 0, CurrentTime) == GrabSuccess;
        if (pointer) XUngrabPointer(display, CurrentTime);
        bool keyboard = XGrabKeyboard(display, window, False, GrabModeAsync, GrabModeAsync,
                                      CurrentTime) == GrabSuccess;
        if (keyboard) XUngrabKeyboard(display, CurrentTime);
        XSync(display, False);
        return pointer && keyboard;
    }
};

// The learn codes of a parameter in all programs of a bank as the host saves it (empty when
// the data is not a whole bank).
inline std::vector<uint16_t> learnCodes(const void* bank, intptr_t size, int parameter) {
    std::vector<uint16_t> codes;
    if (size != tarlix::kBankSize || !bank) return codes;
    for (int p = 0; p < tarlix::kNumPrograms; ++p)
        codes.push_back(tarlix::readLearn(
            static_cast<const uint8_t*>(bank) + p * tarlix::record::kSize, parameter));
    return codes;
}

// A plug-in's editor in a host window on a private X server, the plug-in's files in a
// temporary user folder, the recording host's calls cleared. `Plugin` is anything with
// call(op, index, value, ptr) as a host reaches the dispatcher.
class HostedEditor : public ::testing::Test {
  protected:
    // `loaded`: whether the plug-in's library was found and has its entry point.
    explicit HostedEditor(bool loaded) : loaded_(loaded) {}

    // Derived fixtures that add to this return when it skipped or failed.
    void SetUp() override {
        if (!xvfb.running()) GTEST_SKIP() << "no X server: Xvfb could not be started";
        ASSERT_TRUE(loaded_) << "the plug-in library did not load";
        setenv("PUBLIC", home.path.c_str(), 1); // the instrument's files go here
        recorded().clear();
        host = std::make_unique<HostWindow>(xvfb.display());
        ASSERT_NE(host->display, nullptr);
    }
    bool stopped() const { return IsSkipped() || HasFatalFailure(); }
    void TearDown() override { host.reset(); }
    // Opens the editor in the host window; values set before show at once, without animating.
    template <typename Plugin> void open(Plugin& p) {
        ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host->handle()), 1);
        p.call(vst::effEditIdle);
    }
    // Idles the editor until `done` holds, or a bounded number of calls.
    template <typename Plugin, typename F> bool pumpUntil(Plugin& p, F done) {
        return host->idleUntil([&] { p.call(vst::effEditIdle); }, done);
    }

    testfiles::TempFolder home;
    editortest::Xvfb xvfb;
    std::unique_ptr<HostWindow> host;

  private:
    bool loaded_;
};

} // namespace x11test
