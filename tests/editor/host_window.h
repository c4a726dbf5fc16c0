// The host's side of the editor tests: its own X connection and a top-level window at the
// root's origin to embed the editor in, with XTest input in screen coordinates.
#pragma once
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace x11test {

constexpr int kEditorWidth = 991, kEditorHeight = 701;

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

} // namespace x11test
