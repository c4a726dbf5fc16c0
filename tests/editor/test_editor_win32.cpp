// The editor in a real Win32 window, through the built DLL and the dispatcher as a Windows
// host drives it: the host's HWND to open, its message loop delivering the editor's messages,
// idle calls, and the host destroying its window first. Runs under wine in the test command.
#include "editor/layout_place.h"
#include "editor/zoom.h"
#include "tests/host_fixture.h"

#include <windows.h>

#include <set>
#include <vector>

using testhost::Instance;

namespace {

constexpr int kWidth = 991, kHeight = 701;

LRESULT CALLBACK hostProcedure(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd, message, wp, lp);
}

// A host's top-level window with room for the editor.
struct HostWindow {
    HWND hwnd = nullptr;
    HostWindow() {
        static const bool registered = [] {
            WNDCLASSW c{};
            c.lpfnWndProc = hostProcedure;
            c.hInstance = GetModuleHandleW(nullptr);
            c.lpszClassName = L"TarlixTestHost";
            return RegisterClassW(&c) != 0;
        }();
        if (!registered) return;
        hwnd = CreateWindowW(L"TarlixTestHost", L"host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                             0, kWidth + 40, kHeight + 60, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
        if (hwnd) ShowWindow(hwnd, SW_SHOW);
    }
    ~HostWindow() {
        if (hwnd) DestroyWindow(hwnd);
    }
    HWND editor() const { return hwnd ? GetWindow(hwnd, GW_CHILD) : nullptr; }
};

// What a host's message loop does between two idle calls, a fixed number of times.
void pump(Instance& p, int rounds) {
    for (int i = 0; i < rounds; ++i) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        p.call(vst::effEditIdle);
    }
}

// What the window shows, as 0x00RRGGBB words, top row first.
std::vector<uint32_t> capture(HWND window, int width = kWidth, int height = kHeight) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> pixels;
    if (bits) {
        auto* words = static_cast<const uint32_t*>(bits);
        pixels.assign(words, words + static_cast<size_t>(width) * height);
        for (uint32_t& w : pixels)
            w &= 0xFFFFFF;
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    DeleteObject(dib);
    return pixels;
}

void click(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class EditorWin32 : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(testhost::library().entry, nullptr);
        if (!host.hwnd) GTEST_SKIP() << "no window system: a window could not be created";
    }
    HostWindow host;
};

// Dispatches this thread's messages until the editor's own timer has ticked `ticks` times.
void dispatchTicks(HWND editor, int ticks) {
    MSG m;
    while (ticks > 0 && GetMessageW(&m, nullptr, 0, 0) > 0) {
        if (m.message == WM_TIMER && m.hwnd == editor) --ticks;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

} // namespace

TEST_F(EditorWin32, OpensAsAChildOfTheHostsWindowAndShowsTheLinuxPixels) {
    Instance p;
    vst::ERect* rect = nullptr;
    ASSERT_EQ(p.call(vst::effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, kWidth);
    EXPECT_EQ(rect->bottom - rect->top, kHeight);

    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1);
    HWND editor = host.editor();
    ASSERT_NE(editor, nullptr);
    RECT client;
    GetClientRect(editor, &client);
    EXPECT_EQ(client.right, kWidth);
    EXPECT_EQ(client.bottom, kHeight);
    EXPECT_TRUE(IsWindowVisible(editor));
    pump(p, 5);

    std::vector<uint32_t> shown = capture(editor);
    ASSERT_EQ(shown.size(), static_cast<size_t>(kWidth * kHeight));
    std::set<uint32_t> colours(shown.begin(), shown.end());
    EXPECT_GT(colours.size(), 100u) << "the window looks blank";
    // Bitmaps composite to the Linux build's pixels exactly (as the Linux build draws them):
    // panel face, a knob's body, the first modulation tab, the bank panel (no picture without
    // one in the user folder), the logo, and two half-transparent pixels of a knob's edge over
    // the face.
    struct Probe {
        int x, y;
        uint32_t rgb;
    };
    for (Probe probe :
         {Probe{500, 250, 0x2C3036}, Probe{425, 95, 0x464952}, Probe{30, 470, 0xAC97E8},
          Probe{915, 560, 0x31353C}, Probe{60, 20, 0xE9ECEF}, Probe{424, 70, 0x41413E},
          Probe{425, 70, 0x4F473C}})
        EXPECT_EQ(shown[probe.y * kWidth + probe.x], probe.rgb) << probe.x << "," << probe.y;

    p.call(vst::effEditClose);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(host.editor(), nullptr);
}

TEST_F(EditorWin32, ClicksAndDragsInTheWindowChangeParameters) {
    Instance p;
    p.set(72, 0.2f);
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1);
    HWND editor = host.editor();
    ASSERT_NE(editor, nullptr);
    pump(p, 2);

    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(6, x, y)); // "Lfo1 On/Off", on the page shown at opening
    float before = p.get(6);
    click(editor, x + 5, y + 4);
    pump(p, 3);
    EXPECT_EQ(p.get(6), before > 0.5f ? 0.0f : 1.0f);

    ASSERT_TRUE(tarlix::restingPlace(72, x, y)); // "Portamento (ms)"
    PostMessageW(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x + 20, y + 20));
    for (int step = 1; step <= 7; ++step)
        PostMessageW(editor, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 20, y + 20 - 10 * step));
    PostMessageW(editor, WM_LBUTTONUP, 0, MAKELPARAM(x + 20, y - 50));
    pump(p, 3);
    // 70 pixels up of the 140 that span the range.
    EXPECT_NEAR(p.get(72), 0.7f, 0.01f);
    EXPECT_EQ(GetCapture(), nullptr); // the release let the pointer go
    p.call(vst::effEditClose);
}

TEST_F(EditorWin32, TheHostDestroyingItsWindowBeforeCloseDoesNotEndTheHost) {
    Instance p;
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1);
    pump(p, 1);
    DestroyWindow(host.hwnd);
    host.hwnd = nullptr;
    p.set(72, 0.9f); // something to draw into the window that is gone
    pump(p, 5);
    p.call(vst::effEditClose);
    SUCCEED();
}

TEST_F(EditorWin32, OpeningAndClosingTenTimesLeavesNoWindowBehind) {
    Instance p;
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1);
    p.call(vst::effEditClose);
    DWORD gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1) << i;
        pump(p, 1);
        p.call(vst::effEditClose);
        ASSERT_EQ(host.editor(), nullptr) << i;
    }
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiObjects);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userObjects);
}

// Hosts on Windows need not call effEditIdle: the window's own timer shows what the host
// automates. Only messages are dispatched here, counted, with no idle call.
TEST_F(EditorWin32, TheWindowsTimerShowsAutomationWithoutIdleCalls) {
    Instance p;
    p.set(72, 0.1f);
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1);
    HWND editor = host.editor();
    ASSERT_NE(editor, nullptr);
    dispatchTicks(editor, 2);
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(72, x, y)); // "Portamento (ms)"
    auto knob = [&](const std::vector<uint32_t>& shown) {
        std::vector<uint32_t> part;
        for (int row = y; row < y + 40; ++row)
            part.insert(part.end(), shown.begin() + row * kWidth + x,
                        shown.begin() + row * kWidth + x + 40);
        return part;
    };
    std::vector<uint32_t> before = knob(capture(editor));
    p.set(72, 0.9f);
    dispatchTicks(editor, 30); // long enough for the knob's glide to its new value
    EXPECT_NE(knob(capture(editor)), before);
    p.call(vst::effEditClose);
}

// Keys go where the system's keyboard focus is: a menu and a name field opened by the mouse
// take it, and typed text (through the system's input queue) reaches the name the host reads.
TEST_F(EditorWin32, TheKeyboardReachesMenusAndTheNameFieldThroughTheFocus) {
    constexpr int kPresetName = 401;
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kPresetName, x, y));
    Instance p;
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1);
    HWND editor = host.editor();
    ASSERT_NE(editor, nullptr);
    SetForegroundWindow(host.hwnd);
    pump(p, 2);
    auto press = [](WORD key, wchar_t unicode = 0) {
        INPUT in[2] = {};
        for (INPUT& i : in) {
            i.type = INPUT_KEYBOARD;
            i.ki.wVk = unicode ? 0 : key;
            i.ki.wScan = unicode;
            i.ki.dwFlags = unicode ? KEYEVENTF_UNICODE : 0;
        }
        in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    };

    const std::string fifth = p.text(vst::effGetProgramNameIndexed, 5);
    click(editor, x + 10, y + 8);
    pump(p, 2); // the menu is open and has the keyboard
    EXPECT_EQ(GetFocus(), editor);
    for (int i = 0; i < 5; ++i)
        press(VK_DOWN);
    press(VK_RETURN);
    pump(p, 3);
    EXPECT_EQ(p.call(vst::effGetProgram), 5);
    EXPECT_EQ(p.text(vst::effGetProgramName), fifth);

    // A right-click renames in place.
    PostMessageW(editor, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x + 10, y + 8));
    PostMessageW(editor, WM_RBUTTONUP, 0, MAKELPARAM(x + 10, y + 8));
    pump(p, 2);
    for (wchar_t c : std::wstring(L"Warm pad"))
        press(0, c);
    press(VK_RETURN);
    pump(p, 3);
    EXPECT_EQ(p.text(vst::effGetProgramName), "Warm pad");
    EXPECT_EQ(p.text(vst::effGetProgramNameIndexed, 5), "Warm pad");
    p.call(vst::effEditClose);
}

// The system's double-click message returns a knob to its loaded value; after a drag between
// the two presses it is a press of its own.
TEST_F(EditorWin32, ADoubleClickReturnsAKnobToItsLoadedValueUnlessADragCameBetween) {
    constexpr int kPortamento = 72;
    int x, y;
    ASSERT_TRUE(tarlix::restingPlace(kPortamento, x, y));
    Instance p;
    p.call(vst::effSetProgram, 0, 3);
    const float loaded = p.get(kPortamento);
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1);
    HWND editor = host.editor();
    ASSERT_NE(editor, nullptr);
    pump(p, 2);
    const int cx = x + 20, cy = y + 20, away = loaded > 0.5f ? 40 : -40;
    auto dragAway = [&] {
        PostMessageW(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cx, cy));
        for (int s = 1; s <= 5; ++s)
            PostMessageW(editor, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(cx, cy + away * s / 5));
        PostMessageW(editor, WM_LBUTTONUP, 0, MAKELPARAM(cx, cy + away));
        pump(p, 2);
    };
    auto doubleClick = [&] {
        PostMessageW(editor, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cx, cy));
        PostMessageW(editor, WM_LBUTTONUP, 0, MAKELPARAM(cx, cy));
        pump(p, 2);
    };
    dragAway();
    const float moved = p.get(kPortamento);
    ASSERT_GT(std::fabs(moved - loaded), 0.2f);
    doubleClick(); // its first press was the drag's: a drag came between
    EXPECT_EQ(p.get(kPortamento), moved);
    click(editor, cx, cy);
    doubleClick();
    EXPECT_FLOAT_EQ(p.get(kPortamento), loaded);
    p.call(vst::effEditClose);
}

namespace {
// A host that makes room for any size the editor asks for, and remembers the last one.
struct Room {
    static inline int width = 0, height = 0;
};
intptr_t roomyHost(vst::AEffect*, int32_t op, int32_t index, intptr_t value, void*, float) {
    if (op == vst::audioMasterVersion) return 2400;
    if (op == vst::audioMasterSizeWindow) {
        Room::width = index;
        Room::height = static_cast<int>(value);
        return 1;
    }
    return 0;
}
} // namespace

// The zoom chosen while the editor is open: the host is asked for room, the Win32 window
// takes the new size and the picture fills it, the art drawn at twice the detail pixel for
// pixel as on Linux. The window's own timer does the editor's work; its ticks are counted.
TEST_F(EditorWin32, AtTwiceTheSizeTheHostMakesRoomAndTheWindowFollows) {
    Room::width = Room::height = 0;
    // The host's window has the room already, as a host that follows the request would.
    SetWindowPos(host.hwnd, nullptr, 0, 0, 2 * kWidth + 40, 2 * kHeight + 60,
                 SWP_NOMOVE | SWP_NOZORDER);
    Instance p(roomyHost);
    ASSERT_EQ(p.call(vst::effEditOpen, 0, 0, host.hwnd), 1);
    HWND editor = host.editor();
    ASSERT_NE(editor, nullptr);
    dispatchTicks(editor, 2);
    p.set(tarlix::kZoomTag, 1.0f); // 200 %
    dispatchTicks(editor, 10);
    EXPECT_EQ(Room::width, 2 * kWidth);
    EXPECT_EQ(Room::height, 2 * kHeight);
    RECT client;
    GetClientRect(editor, &client);
    ASSERT_EQ(client.right, 2 * kWidth);
    ASSERT_EQ(client.bottom, 2 * kHeight);
    vst::ERect* rect = nullptr;
    ASSERT_EQ(p.call(vst::effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, 2 * kWidth);
    // Read back within the test's screen: the panel face and a knob's body at twice their
    // places, as the Linux build draws them at 200 %.
    const int w = 1200, h = 900;
    std::vector<uint32_t> shown = capture(editor, w, h);
    ASSERT_EQ(shown.size(), static_cast<size_t>(w * h));
    EXPECT_EQ(shown[500 * w + 1000], 0x2C3036u);
    EXPECT_EQ(shown[190 * w + 850], 0x474A53u);
    std::set<uint32_t> colours(shown.begin(), shown.end());
    EXPECT_GT(colours.size(), 100u) << "the zoomed window looks blank";
    p.call(vst::effEditClose);
}
