// The editor in a real X11 window, through the built library and the dispatcher as a Linux
// host drives it: the host's window handle to open, idle calls to pump, and the hostile
// orders real hosts use.
// gtest before Xlib: Xlib's macros (None, Status) would break gtest's names.
#include "editor/layout_place.h"
#include "tests/editor/xvfb.h"
#include "tests/host_fixture.h"
// After gtest: Xlib's macros would break gtest's names.
#include "tests/editor/host_window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <dirent.h>

#include <atomic>
#include <set>
#include <thread>

using testhost::Instance;

namespace {

constexpr int kWidth = 991, kHeight = 701;

using x11test::HostWindow;

int openFiles() {
    int n = 0;
    if (DIR* d = opendir("/proc/self/fd")) {
        while (readdir(d))
            ++n;
        closedir(d);
    }
    return n;
}

class EditorX11 : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xvfb.running()) GTEST_SKIP() << "no X server: Xvfb could not be started";
        ASSERT_NE(testhost::library().entry, nullptr);
    }
    editortest::Xvfb xvfb;
};

} // namespace

TEST_F(EditorX11, TheEditorOpensInTheHostsWindowWithItsSizeAndIsNotBlank) {
    Instance p;
    EXPECT_TRUE(p.fx->flags & vst::effFlagsHasEditor);
    vst::ERect* rect = nullptr;
    ASSERT_EQ(p.call(vst::effEditGetRect, 0, 0, &rect), 1); // also before the first open
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, kWidth);
    EXPECT_EQ(rect->bottom - rect->top, kHeight);

    HostWindow host(xvfb.display());
    ASSERT_NE(host.display, nullptr);
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
    p.call(vst::effEditIdle);
    auto kids = host.children();
    ASSERT_EQ(kids.size(), 1u);
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(host.display, kids[0], &a));
    EXPECT_EQ(a.width, kWidth);
    EXPECT_EQ(a.height, kHeight);
    EXPECT_EQ(a.map_state, IsViewable);

    XImage* image = XGetImage(host.display, kids[0], 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    std::set<unsigned long> colours;
    for (int y = 0; y < kHeight; y += 3)
        for (int x = 0; x < kWidth; x += 3)
            colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    EXPECT_GT(colours.size(), 8u) << "the window looks blank";

    EXPECT_EQ(p.call(vst::effEditKeyDown, 'a', 0), 0); // no field takes keys
    EXPECT_EQ(p.call(vst::effEditKeyUp, 'a', 0), 0);
    p.call(vst::effEditClose);
    EXPECT_TRUE(host.children().empty());
}

TEST_F(EditorX11, OpeningAndClosingTwoHundredTimesLeavesNothingBehind) {
    Instance p;
    HostWindow host(xvfb.display());
    ASSERT_NE(host.display, nullptr);
    // The first open settles the libraries' one-time state.
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
    p.call(vst::effEditClose);
    int files = openFiles();
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1) << i;
        p.call(vst::effEditIdle);
        p.call(vst::effEditClose);
    }
    EXPECT_EQ(openFiles(), files); // every connection closed
    EXPECT_TRUE(host.children().empty());
}

TEST_F(EditorX11, SurvivesTheOrdersRealHostsUse) {
    Instance p;
    HostWindow host(xvfb.display());
    ASSERT_NE(host.display, nullptr);
    p.call(vst::effEditIdle);  // idle before any open
    p.call(vst::effEditClose); // close without open
    EXPECT_EQ(p.call(vst::effEditOpen, 0, 0, nullptr), 0);
    EXPECT_EQ(p.call(vst::effEditOpen, 0, 0, reinterpret_cast<void*>(uintptr_t{0x7ffffff0})), 0)
        << "a window that does not exist";
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1); // open twice
    EXPECT_EQ(host.children().size(), 1u);
    p.call(vst::effEditClose);
    p.call(vst::effEditClose);

    EXPECT_TRUE(host.children().empty());
}

TEST_F(EditorX11, OpensAndClosesOnAThreadThatDidNotCreateTheInstance) {
    Instance p;
    HostWindow host(xvfb.display());
    ASSERT_NE(host.display, nullptr);
    std::thread other([&] {
        EXPECT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
        p.call(vst::effEditIdle);
        p.call(vst::effEditClose);
    });
    other.join();
    // And back on this thread.
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
    p.call(vst::effEditIdle);
    p.call(vst::effEditClose);
    EXPECT_TRUE(host.children().empty());
}

TEST_F(EditorX11, TheHostDestroyingItsWindowBeforeCloseDoesNotEndTheHost) {
    Instance p;
    HostWindow host(xvfb.display());
    ASSERT_NE(host.display, nullptr);
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
    p.call(vst::effEditIdle);
    XDestroyWindow(host.display, host.window);
    XSync(host.display, False);
    host.window = 0;
    p.fx->setParameter(p.fx, 72, 0.9f); // something to draw into the window that is gone
    for (int i = 0; i < 5; ++i)
        p.call(vst::effEditIdle);
    p.call(vst::effEditClose);
    SUCCEED(); // Xlib's default handler would have ended the process
}

TEST_F(EditorX11, TwoInstancesShowTheirEditorsAtOnce) {
    Instance a, b;
    HostWindow hostA(xvfb.display()), hostB(xvfb.display());
    ASSERT_EQ(a.call(vst::effEditOpen, 0, 0, hostA.handle()), 1);
    ASSERT_EQ(b.call(vst::effEditOpen, 0, 0, hostB.handle()), 1);
    for (int i = 0; i < 3; ++i) {
        a.call(vst::effEditIdle);
        b.call(vst::effEditIdle);
    }
    EXPECT_EQ(hostA.children().size(), 1u);
    EXPECT_EQ(hostB.children().size(), 1u);
    a.call(vst::effEditClose);
    EXPECT_EQ(hostB.children().size(), 1u);
    b.call(vst::effEditIdle);
    b.call(vst::effEditClose);
}

// Automation every 10 ms of engine time (441-sample blocks at 44.1 kHz) from the audio
// thread, while the host's user-interface thread pumps the open editor.
TEST_F(EditorX11, AutomationFromTheAudioThreadWhileTheEditorIsOpen) {
    Instance p;
    HostWindow host(xvfb.display());
    p.start(44100, 441);
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
    constexpr int kBlocks = 300;
    std::atomic<bool> done{false};
    std::thread audio([&] {
        std::vector<float> l(441), r(441);
        for (int k = 0; k < kBlocks; ++k) {
            p.fx->setParameter(p.fx, 72, static_cast<float>(k % 100) / 99.0f);
            p.fx->setParameter(p.fx, 83, static_cast<float>((k * 7) % 100) / 99.0f);
            p.process(l, r, 441);
        }
        done.store(true);
    });
    // The host's user-interface thread pumps the editor until the audio thread is through.
    do
        p.call(vst::effEditIdle);
    while (!done.load());
    audio.join();
    p.call(vst::effEditIdle);
    EXPECT_FLOAT_EQ(p.fx->getParameter(p.fx, 72), static_cast<float>((kBlocks - 1) % 100) / 99.0f);
    EXPECT_EQ(host.children().size(), 1u);
    p.call(vst::effEditClose);
}

// Real input: the server's own pointer events (XTest) reach the controls, and the controls
// reach the engine.
TEST_F(EditorX11, ClicksAndDragsOfTheServersPointerChangeParameters) {
    Instance p;
    HostWindow host(xvfb.display());
    p.fx->setParameter(p.fx, 72, 0.2f); // the window opens showing it
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
    p.call(vst::effEditIdle);
    auto pump = [&](auto changed) {
        host.idleUntil([&] { p.call(vst::effEditIdle); }, changed, 50);
    };

    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(6, x, y)); // "Lfo1 On/Off", on the page shown at opening
    float before = p.fx->getParameter(p.fx, 6);
    host.click(x + 5, y + 4);
    pump([&] { return p.fx->getParameter(p.fx, 6) != before; });
    EXPECT_EQ(p.fx->getParameter(p.fx, 6), before > 0.5f ? 0.0f : 1.0f);

    ASSERT_TRUE(tarlix::restingPlace(72, x, y)); // "Portamento (ms)"
    host.drag(x + 20, y + 20, 0, -70, 10);
    pump([&] { return p.fx->getParameter(p.fx, 72) > 0.69f; });
    // 70 pixels up of the 140 that span the range.
    EXPECT_NEAR(p.fx->getParameter(p.fx, 72), 0.7f, 0.01f);
    p.call(vst::effEditClose);
}

// A screen whose visual needs converting: the pixels go through Cairo's Xlib surface.
TEST(EditorX11Depth16, TheEditorOpensAndDrawsOnASixteenBitScreen) {
    editortest::Xvfb xvfb(16);
    if (!xvfb.running()) GTEST_SKIP() << "no X server: Xvfb could not be started";
    Instance p;
    HostWindow host(xvfb.display());
    ASSERT_NE(host.display, nullptr);
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.handle()), 1);
        p.call(vst::effEditIdle);
        auto kids = host.children();
        ASSERT_EQ(kids.size(), 1u);
        XImage* image = XGetImage(host.display, kids[0], 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
        ASSERT_NE(image, nullptr);
        std::set<unsigned long> colours;
        for (int y = 0; y < kHeight; y += 3)
            for (int x = 0; x < kWidth; x += 3)
                colours.insert(XGetPixel(image, x, y));
        XDestroyImage(image);
        EXPECT_GT(colours.size(), 8u);
        p.call(vst::effEditClose);
    }
}
