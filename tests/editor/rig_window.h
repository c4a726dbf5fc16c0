// The editor and the engine linked in, the editor embedded in a host window on a private X
// server: the fixture the X11 tests with a rig share. Include after gtest (through the rig):
// Xlib's macros would break gtest's names.
#pragma once
#include "tests/editor/editor_rig.h"
#include "tests/editor/host_window.h"
#include "tests/editor/xvfb.h"

#include <memory>

namespace editortest {

class RigInAWindow : public ::testing::Test {
  protected:
    // `depth` and `size` are the screen's, as for Xvfb.
    explicit RigInAWindow(int depth = 24, const char* size = "1280x1024") : xvfb(depth, size) {}

    // Derived fixtures that add to this return when it skipped or failed.
    void SetUp() override {
        if (!xvfb.running()) GTEST_SKIP() << "no X server: Xvfb could not be started";
        host = std::make_unique<x11test::HostWindow>(xvfb.display());
        ASSERT_NE(host->display, nullptr);
    }
    bool stopped() const { return IsSkipped() || HasFatalFailure(); }
    void TearDown() override {
        rig.reset(); // the editor before the window it lives in
        host.reset();
    }
    // Opens the rig's editor in the host window.
    void openEditor() {
        ASSERT_TRUE(rig->editor->open(host->handle()));
        rig->editor->idle();
    }
    // Idles the editor until `done` holds, or a bounded number of calls.
    template <typename F> bool pumpUntil(F done) {
        return host->idleUntil([&] { rig->editor->idle(); }, done);
    }

    Xvfb xvfb;
    std::unique_ptr<x11test::HostWindow> host;
    std::unique_ptr<Rig> rig;
};

} // namespace editortest
