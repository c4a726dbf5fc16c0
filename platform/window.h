// The editor's window on the operating system: a child of the host's window, its input
// events, showing drawn pixels, clipboard, cursor and focus. One object per open editor; all
// calls come from the thread that pumps it. One implementation per system: window_x11.cpp,
// window_win32.cpp.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/pixel_image.h"

namespace platform {

// Button and modifier bits of pointer events.
enum PointerBits : int {
    kButtonLeft = 1,
    kButtonRight = 2,
    kButtonMiddle = 4,
    kModShift = 8,
    kModControl = 16,
    kDoubleClick = 32 // a second left press soon after the first, without a drag between
};

enum class PointerAction { Down, Move, Up, Leave, Wheel };

struct PointerEvent {
    PointerAction action = PointerAction::Move;
    int x = 0, y = 0;
    int buttons = 0;    // the button pressed or released, or held during a move; plus modifiers
    float wheel = 0.0f; // lines, positive away from the user
};

enum class KeyName {
    Unknown,
    Back,
    Tab,
    Return,
    Escape,
    Left,
    Right,
    Home,
    End,
    Delete,
    Up,
    Down,
    Character
};

struct KeyEvent {
    KeyName key = KeyName::Unknown;
    uint32_t character = 0; // Unicode code point with KeyName::Character
    int modifiers = 0;
};

class WindowListener {
  public:
    virtual ~WindowListener() = default;
    virtual void onPointer(const PointerEvent& e) = 0;
    // True when the key was used.
    virtual bool onKey(const KeyEvent& e) = 0;
    // Part of the window must be shown again (x, y, width, height).
    virtual void onExpose(int x, int y, int w, int h) = 0;
    // The keyboard went to another window.
    virtual void onFocusOut() {}
    // The window's own frame tick, on systems where the window keeps the timer (a 16 ms
    // system timer on Windows); elsewhere the host's idle calls drive the editor instead.
    virtual void onTimer() {}
};

enum class PointerShape { Arrow, Hand, VerticalDrag, Text };

class Window {
  public:
    // A child window of `parent` (the host's native window handle), mapped, or null when the
    // parent or the display cannot be used.
    static std::unique_ptr<Window> createChild(void* parent, int width, int height,
                                               WindowListener* listener);
    virtual ~Window() = default;

    // Handles every waiting event without blocking.
    virtual void pumpEvents() = 0;
    // Copies the part (x, y, w, h) of an image of the window's size to the window.
    virtual void present(const PixelImage& image, int x, int y, int w, int h) = 0;
    // Gives the window a new size in device pixels (the host has made room for it); false
    // where the window cannot change its size.
    virtual bool resize(int /*width*/, int /*height*/) { return false; }
    virtual void setCursor(PointerShape shape) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // The clipboard text when this window owns the clipboard, else empty.
    virtual std::string clipboardText() = 0;
    virtual void takeFocus() = 0;
    virtual uintptr_t nativeHandle() const = 0;
    // True once the window is gone (its parent was destroyed under it).
    virtual bool lost() const = 0;
};

// Milliseconds of a monotonic clock.
double monotonicMs();

} // namespace platform
