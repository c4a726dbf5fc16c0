// The editor's window on Win32: a plain child of the host's window, of a window class that
// this library registers for itself. The host's message loop delivers its messages; a 16 ms
// system timer on the window drives the editor's animation and redraws. Pixels go up with
// SetDIBitsToDevice straight from the back buffer.
#include "platform/window.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/utf16_win32.h"

namespace platform {

double monotonicMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT kFramePeriodMs = 16;
constexpr float kWheelNotch = WHEEL_DELTA; // one line
constexpr int kDoubleClickSlop = 4;        // pixels the pointer may move between two presses

// This library's instance, for its window class.
HINSTANCE thisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&thisModule), &module);
    return module;
}

int modifiersOf(WPARAM keys) {
    int m = 0;
    if (keys & MK_SHIFT) m |= kModShift;
    if (keys & MK_CONTROL) m |= kModControl;
    if (keys & MK_LBUTTON) m |= kButtonLeft;
    if (keys & MK_RBUTTON) m |= kButtonRight;
    if (keys & MK_MBUTTON) m |= kButtonMiddle;
    return m;
}

int keyboardModifiers() {
    int m = 0;
    if (GetKeyState(VK_SHIFT) < 0) m |= kModShift;
    if (GetKeyState(VK_CONTROL) < 0) m |= kModControl;
    return m;
}

KeyName keyNameOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_BACK:
        return KeyName::Back;
    case VK_TAB:
        return KeyName::Tab;
    case VK_RETURN:
        return KeyName::Return;
    case VK_ESCAPE:
        return KeyName::Escape;
    case VK_LEFT:
        return KeyName::Left;
    case VK_RIGHT:
        return KeyName::Right;
    case VK_HOME:
        return KeyName::Home;
    case VK_END:
        return KeyName::End;
    case VK_DELETE:
        return KeyName::Delete;
    case VK_UP:
        return KeyName::Up;
    case VK_DOWN:
        return KeyName::Down;
    default:
        return KeyName::Unknown;
    }
}

// The window class, registered while any editor window exists so the library can unload.
class WindowClass {
  public:
    static const wchar_t* acquire(WNDPROC procedure) {
        std::lock_guard<std::mutex> guard(lock_);
        if (users_++ == 0) {
            WNDCLASSEXW c{};
            c.cbSize = sizeof c;
            c.style = CS_DBLCLKS; // double-clicks arrive as messages of their own
            c.lpfnWndProc = procedure;
            c.hInstance = thisModule();
            c.hCursor = LoadCursor(nullptr, IDC_ARROW);
            c.lpszClassName = name();
            if (!RegisterClassExW(&c) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
                --users_;
                return nullptr;
            }
        }
        return name();
    }
    static void release() {
        std::lock_guard<std::mutex> guard(lock_);
        if (--users_ == 0) UnregisterClassW(name(), thisModule());
    }

  private:
    // Unique per loaded copy of the library: two builds in one host do not share a class.
    static const wchar_t* name() {
        static wchar_t text[64] = {};
        if (!text[0]) wsprintfW(text, L"Tarlix2Editor%p", static_cast<void*>(thisModule()));
        return text;
    }
    static inline std::mutex lock_;
    static inline int users_ = 0;
};

class Win32Window final : public Window {
  public:
    Win32Window(HWND parent, int width, int height, WindowListener* listener)
        : listener_(listener) {
        const wchar_t* windowClass = WindowClass::acquire(&Win32Window::procedure);
        if (!windowClass) return;
        registered_ = true;
        window_ = CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0,
                                  0, width, height, parent, nullptr, thisModule(), this);
        if (window_) SetTimer(window_, kFrameTimer, kFramePeriodMs, nullptr);
    }

    ~Win32Window() override {
        if (window_) {
            closing_ = true;
            KillTimer(window_, kFrameTimer);
            if (GetCapture() == window_) ReleaseCapture();
            DestroyWindow(window_);
        }
        if (registered_) WindowClass::release();
    }

    bool ok() const { return window_ != nullptr; }

    // The host's message loop delivers our messages; nothing waits here.
    void pumpEvents() override {}

    void present(const PixelImage& image, int x, int y, int w, int h) override {
        if (!window_ || !image.pixels) return;
        int right = std::min(x + w, image.width), bottom = std::min(y + h, image.height);
        x = std::max(x, 0);
        y = std::max(y, 0);
        if (right <= x || bottom <= y) return;
        // A top-down bitmap of the rows y..bottom; the blue-first words are what GDI takes.
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = image.stride / 4;
        info.bmiHeader.biHeight = -(bottom - y);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        HDC dc = GetDC(window_);
        if (!dc) return;
        SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(right - x), static_cast<DWORD>(bottom - y),
                          x, 0, 0, static_cast<UINT>(bottom - y),
                          image.pixels + static_cast<size_t>(y) * image.stride, &info,
                          DIB_RGB_COLORS);
        ReleaseDC(window_, dc);
    }

    bool resize(int width, int height) override {
        if (!window_ || lost_ || width <= 0 || height <= 0) return false;
        // The host has made room in its own window; ours keeps its place.
        return SetWindowPos(window_, nullptr, 0, 0, width, height,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
    }

    void setCursor(PointerShape shape) override {
        shape_ = shape;
        if (window_) SetCursor(cursorOf(shape));
    }

    void setClipboardText(const std::string& text) override {
        if (!window_ || !OpenClipboard(window_)) return;
        EmptyClipboard();
        std::wstring wide = toUtf16(text);
        size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* p = GlobalLock(memory)) {
                std::memcpy(p, wide.c_str(), bytes);
                GlobalUnlock(memory);
                if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
            } else {
                GlobalFree(memory);
            }
        }
        CloseClipboard();
        clipboard_ = text;
    }

    std::string clipboardText() override {
        return window_ && GetClipboardOwner() == window_ ? clipboard_ : std::string();
    }

    void takeFocus() override {
        if (window_) SetFocus(window_);
    }

    uintptr_t nativeHandle() const override { return reinterpret_cast<uintptr_t>(window_); }
    bool lost() const override { return lost_; }

  private:
    static HCURSOR cursorOf(PointerShape shape) {
        LPCTSTR id = shape == PointerShape::Hand           ? IDC_HAND
                     : shape == PointerShape::VerticalDrag ? IDC_SIZENS
                     : shape == PointerShape::Text         ? IDC_IBEAM
                                                           : IDC_ARROW;
        return LoadCursor(nullptr, id);
    }

    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self) return self->handle(hwnd, message, wp, lp);
        return DefWindowProcW(hwnd, message, wp, lp);
    }

    void pointer(PointerAction action, LPARAM lp, int buttons, float wheel = 0.0f) {
        if (action != PointerAction::Leave && action != PointerAction::Wheel) lastPointer_ = lp;
        PointerEvent p;
        p.action = action;
        p.x = GET_X_LPARAM(lp);
        p.y = GET_Y_LPARAM(lp);
        p.buttons = buttons;
        p.wheel = wheel;
        listener_->onPointer(p);
    }

    // A press captures the pointer, so a drag keeps its events outside the window; the last
    // release lets go.
    void press(LPARAM lp, WPARAM keys, int button, bool twice) {
        // The system pairs presses by place and time only; a drag between them makes the
        // second a press of its own.
        twice = twice && !draggedSincePress_;
        draggedSincePress_ = false;
        pressAt_ = lp;
        pressed_ |= button;
        if (GetCapture() != window_) SetCapture(window_);
        int mods = modifiersOf(keys) & (kModShift | kModControl);
        pointer(PointerAction::Down, lp, button | mods | (twice ? kDoubleClick : 0));
    }
    void release(LPARAM lp, WPARAM keys, int button) {
        if (!(pressed_ & button)) return; // pressed elsewhere, or already ended
        pressed_ &= ~button;
        if (!pressed_ && GetCapture() == window_) ReleaseCapture();
        pointer(PointerAction::Up, lp, button | (modifiersOf(keys) & (kModShift | kModControl)));
    }
    // Another window took the pointer mid-drag (a system dialog, a task switch): the drag
    // ends where the pointer was last seen.
    void captureLost() {
        for (int button : {kButtonLeft, kButtonRight, kButtonMiddle})
            if (pressed_ & button) {
                pressed_ &= ~button;
                pointer(PointerAction::Up, lastPointer_, button);
            }
    }

    LRESULT handle(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
        switch (message) {
        case WM_TIMER:
            if (wp == kFrameTimer) listener_->onTimer();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(hwnd, &paint);
            const RECT& r = paint.rcPaint;
            EndPaint(hwnd, &paint);
            if (r.right > r.left && r.bottom > r.top)
                listener_->onExpose(r.left, r.top, r.right - r.left, r.bottom - r.top);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1; // every pixel is drawn by the editor
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd, 0};
                tracking_ = TrackMouseEvent(&t) != FALSE;
            }
            if (std::abs(GET_X_LPARAM(lp) - GET_X_LPARAM(pressAt_)) > kDoubleClickSlop ||
                std::abs(GET_Y_LPARAM(lp) - GET_Y_LPARAM(pressAt_)) > kDoubleClickSlop)
                draggedSincePress_ = true;
            pointer(PointerAction::Move, lp, modifiersOf(wp));
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            pointer(PointerAction::Leave, 0, 0);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            press(lp, wp, kButtonLeft, message == WM_LBUTTONDBLCLK);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            press(lp, wp, kButtonRight, false);
            return 0;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            press(lp, wp, kButtonMiddle, false);
            return 0;
        case WM_LBUTTONUP:
            release(lp, wp, kButtonLeft);
            return 0;
        case WM_RBUTTONUP:
            release(lp, wp, kButtonRight);
            return 0;
        case WM_MBUTTONUP:
            release(lp, wp, kButtonMiddle);
            return 0;
        case WM_MOUSEWHEEL: {
            // The position comes in screen coordinates.
            POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ScreenToClient(hwnd, &at);
            float lines = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wp)) / kWheelNotch;
            pointer(PointerAction::Wheel, MAKELPARAM(at.x, at.y),
                    modifiersOf(GET_KEYSTATE_WPARAM(wp)) & (kModShift | kModControl), lines);
            return 0;
        }
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                SetCursor(cursorOf(shape_));
                return TRUE;
            }
            break;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS; // a host's dialog keeps no keys from us
        case WM_KEYDOWN: {
            KeyEvent key;
            key.key = keyNameOf(wp);
            key.modifiers = keyboardModifiers();
            if (key.key != KeyName::Unknown && listener_->onKey(key)) return 0;
            break;
        }
        case WM_CHAR: {
            auto unit = static_cast<wchar_t>(wp);
            if (unit >= 0xD800 && unit < 0xDC00) { // the first half of a pair
                highSurrogate_ = unit;
                return 0;
            }
            uint32_t code = unit;
            if (unit >= 0xDC00 && unit < 0xE000) {
                if (!highSurrogate_) return 0;
                code = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
            }
            highSurrogate_ = 0;
            // Control characters came as WM_KEYDOWN already.
            if (code < 32 || code == 127) return 0;
            KeyEvent key;
            key.key = KeyName::Character;
            key.character = code;
            key.modifiers = keyboardModifiers();
            listener_->onKey(key);
            return 0;
        }
        case WM_KILLFOCUS:
            listener_->onFocusOut();
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != hwnd) captureLost();
            return 0;
        case WM_DESTROY:
            if (!closing_) lost_ = true; // the parent took it along
            KillTimer(hwnd, kFrameTimer);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            if (!closing_) window_ = nullptr;
            break;
        default:
            break;
        }
        return DefWindowProcW(hwnd, message, wp, lp);
    }

    WindowListener* listener_;
    HWND window_ = nullptr;
    bool registered_ = false;
    bool closing_ = false;
    bool lost_ = false;
    bool tracking_ = false;
    int pressed_ = 0;        // buttons pressed in this window and not yet released
    LPARAM lastPointer_ = 0; // where the pointer was last seen, as the messages give it
    LPARAM pressAt_ = 0;     // where the last press was
    bool draggedSincePress_ = false;
    wchar_t highSurrogate_ = 0;
    PointerShape shape_ = PointerShape::Arrow;
    std::string clipboard_;
};

} // namespace

std::unique_ptr<Window> Window::createChild(void* parent, int width, int height,
                                            WindowListener* listener) {
    if (!parent || !listener || width <= 0 || height <= 0) return nullptr;
    auto hwnd = static_cast<HWND>(parent);
    if (!IsWindow(hwnd)) return nullptr;
    auto w = std::make_unique<Win32Window>(hwnd, width, height, listener);
    if (!w->ok()) return nullptr;
    return w;
}

} // namespace platform
