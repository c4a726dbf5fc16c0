// The editor's window on X11. Each window opens its own connection to the X server, so no
// state is shared with the host's toolkit or with other editors, and creates a plain child
// of the host's window. X errors are caught only while our own calls run (a parent that the
// host destroyed first must not end the host). Pixels go up with XPutImage on the usual
// 24-bit visuals; other visuals go through Cairo's Xlib surface, whose device is finished
// before the connection closes.
#include "platform/window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>
#include <cairo-xlib.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <ctime>
#include <mutex>

namespace platform {

double monotonicMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

namespace {

// Catches X errors of one connection for the lifetime of the object, on this thread. The
// handler is installed for as short a time as possible; errors of other connections go to
// the handler that was there before.
class ErrorTrap {
  public:
    explicit ErrorTrap(Display* display) : display_(display), outer_(active_) {
        active_ = this;
        std::lock_guard<std::mutex> guard(lock_);
        if (depth_++ == 0) previous_ = XSetErrorHandler(&ErrorTrap::handle);
    }
    ~ErrorTrap() {
        XSync(display_, False); // errors of our requests arrive while we still listen
        active_ = outer_;
        std::lock_guard<std::mutex> guard(lock_);
        if (--depth_ == 0) XSetErrorHandler(previous_);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    bool failed() const { return errors_ > 0; }

  private:
    static int handle(Display* display, XErrorEvent* event) {
        for (ErrorTrap* t = active_; t; t = t->outer_)
            if (t->display_ == display) {
                ++t->errors_;
                return 0;
            }
        XErrorHandler previous = previous_;
        return previous && previous != &ErrorTrap::handle ? previous(display, event) : 0;
    }
    Display* display_;
    ErrorTrap* outer_;
    int errors_ = 0;
    static thread_local ErrorTrap* active_;
    static std::mutex lock_;
    static int depth_;
    static XErrorHandler previous_;
};

thread_local ErrorTrap* ErrorTrap::active_ = nullptr;
std::mutex ErrorTrap::lock_;
int ErrorTrap::depth_ = 0;
XErrorHandler ErrorTrap::previous_ = nullptr;

int modifiersOf(unsigned state) {
    int m = 0;
    if (state & ShiftMask) m |= kModShift;
    if (state & ControlMask) m |= kModControl;
    if (state & Button1Mask) m |= kButtonLeft;
    if (state & Button3Mask) m |= kButtonRight;
    if (state & Button2Mask) m |= kButtonMiddle;
    return m;
}

class X11Window final : public Window {
  public:
    X11Window(Display* display, ::Window parent, int width, int height, WindowListener* listener)
        : display_(display), listener_(listener) {
        ErrorTrap trap(display_);
        XWindowAttributes parentInfo;
        if (!XGetWindowAttributes(display_, parent, &parentInfo)) return;
        XSetWindowAttributes a{};
        a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                       LeaveWindowMask | KeyPressMask | KeyReleaseMask | StructureNotifyMask |
                       FocusChangeMask;
        a.background_pixmap = None;
        a.border_pixel = 0;
        a.bit_gravity = NorthWestGravity;
        window_ = XCreateWindow(display_, parent, 0, 0, static_cast<unsigned>(width),
                                static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                                CopyFromParent,
                                CWEventMask | CWBackPixmap | CWBorderPixel | CWBitGravity, &a);
        XSync(display_, False);
        if (trap.failed() || !window_) {
            window_ = 0;
            return;
        }
        XWindowAttributes own;
        XGetWindowAttributes(display_, window_, &own);
        visual_ = own.visual;
        depth_ = own.depth;
        if (directVisual(own)) {
            gc_ = XCreateGC(display_, window_, 0, nullptr);
        } else {
            // Cairo converts to any other visual.
            surface_ = cairo_xlib_surface_create(display_, window_, own.visual, width, height);
        }
        clipboardAtom_ = XInternAtom(display_, "CLIPBOARD", False);
        utf8Atom_ = XInternAtom(display_, "UTF8_STRING", False);
        targetsAtom_ = XInternAtom(display_, "TARGETS", False);
        XMapWindow(display_, window_);
        XFlush(display_); // the host may size its parent right after open
    }

    ~X11Window() override {
        {
            ErrorTrap trap(display_);
            if (surface_) {
                cairo_surface_flush(surface_);
                cairo_surface_finish(surface_);
                // Cairo keeps a device per connection; it must not outlive the connection.
                cairo_device_finish(cairo_surface_get_device(surface_));
                cairo_surface_destroy(surface_);
            }
            if (gc_) XFreeGC(display_, gc_);
            if (cursor_) XFreeCursor(display_, cursor_);
            if (window_ && !lost_) XDestroyWindow(display_, window_);
        }
        XCloseDisplay(display_);
    }

    bool ok() const { return window_ != 0 && (gc_ != nullptr || surface_ != nullptr); }

    void pumpEvents() override {
        ErrorTrap trap(display_);
        bool moved = false;
        XMotionEvent lastMotion{};
        while (XPending(display_) > 0) {
            XEvent e;
            XNextEvent(display_, &e);
            if (e.type == MotionNotify) { // only the latest position matters
                lastMotion = e.xmotion;
                moved = true;
                continue;
            }
            if (moved) {
                sendMotion(lastMotion);
                moved = false;
            }
            handle(e);
        }
        if (moved) sendMotion(lastMotion);
    }

    void present(const PixelImage& image, int x, int y, int w, int h) override {
        if (lost_ || !image.pixels) return;
        ErrorTrap trap(display_);
        if (gc_) {
            putImage(image, x, y, w, h);
            return;
        }
        if (!surface_) return;
        cairo_surface_t* source = cairo_image_surface_create_for_data(
            const_cast<unsigned char*>(image.pixels), CAIRO_FORMAT_ARGB32, image.width,
            image.height, image.stride);
        cairo_t* cr = cairo_create(surface_);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, source, 0, 0);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(source);
        cairo_surface_flush(surface_);
        XFlush(display_);
    }

    bool resize(int width, int height) override {
        if (lost_ || width <= 0 || height <= 0) return false;
        ErrorTrap trap(display_);
        XResizeWindow(display_, window_, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
        if (surface_) cairo_xlib_surface_set_size(surface_, width, height);
        XSync(display_, False);
        return !trap.failed();
    }

    void setCursor(PointerShape shape) override {
        if (shape == shape_ || lost_) return;
        ErrorTrap trap(display_);
        shape_ = shape;
        if (cursor_) XFreeCursor(display_, cursor_);
        cursor_ = 0;
        unsigned glyph = shape == PointerShape::Hand           ? XC_hand2
                         : shape == PointerShape::VerticalDrag ? XC_sb_v_double_arrow
                         : shape == PointerShape::Text         ? XC_xterm
                                                               : 0;
        if (glyph) cursor_ = XCreateFontCursor(display_, glyph);
        if (cursor_)
            XDefineCursor(display_, window_, cursor_);
        else
            XUndefineCursor(display_, window_);
    }

    void setClipboardText(const std::string& text) override {
        if (lost_) return;
        ErrorTrap trap(display_);
        clipboard_ = text;
        XSetSelectionOwner(display_, clipboardAtom_, window_, CurrentTime);
        ownsClipboard_ = XGetSelectionOwner(display_, clipboardAtom_) == window_;
    }

    std::string clipboardText() override { return ownsClipboard_ ? clipboard_ : std::string(); }

    void takeFocus() override {
        if (lost_) return;
        ErrorTrap trap(display_);
        XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
    }

    uintptr_t nativeHandle() const override { return window_; }
    bool lost() const override { return lost_; }

  private:
    // A 24-bit true-colour visual takes the ARGB words as they are.
    static bool directVisual(const XWindowAttributes& a) {
        const Visual* v = a.visual;
        return v && v->c_class == TrueColor && (a.depth == 24 || a.depth == 32) &&
               v->red_mask == 0xFF0000 && v->green_mask == 0xFF00 && v->blue_mask == 0xFF;
    }

    // Copies part of the back buffer with one request; nothing of Cairo's stays attached to
    // the connection.
    void putImage(const PixelImage& image, int x, int y, int w, int h) {
        int iw = image.width, ih = image.height;
        w = std::min(w + std::min(x, 0), iw - std::max(x, 0));
        h = std::min(h + std::min(y, 0), ih - std::max(y, 0));
        x = std::max(x, 0);
        y = std::max(y, 0);
        if (w <= 0 || h <= 0) return;
        XImage* xi =
            XCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0,
                         reinterpret_cast<char*>(const_cast<uint8_t*>(image.pixels)),
                         static_cast<unsigned>(iw), static_cast<unsigned>(ih), 32, image.stride);
        if (!xi) return;
        if (xi->bits_per_pixel == 32) {
            // The words are in this machine's order; Xlib swaps if the server's differs.
            xi->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
            XPutImage(display_, window_, gc_, xi, x, y, x, y, static_cast<unsigned>(w),
                      static_cast<unsigned>(h));
        }
        xi->data = nullptr; // the back buffer is not Xlib's to free
        XDestroyImage(xi);
        XFlush(display_);
    }

    void sendMotion(const XMotionEvent& m) {
        PointerEvent p;
        p.action = PointerAction::Move;
        p.x = m.x;
        p.y = m.y;
        p.buttons = modifiersOf(m.state);
        // A drag between two presses makes the second a press of its own.
        if (std::abs(m.x - lastPressX_) > kDoubleClickSlop ||
            std::abs(m.y - lastPressY_) > kDoubleClickSlop)
            lastPressTime_ = kNoPress;
        listener_->onPointer(p);
    }

    // Whether a left press at this time and place completes a double-click.
    bool doubleClick(const XButtonEvent& b) {
        bool twice = lastPressTime_ != kNoPress && b.time - lastPressTime_ <= kDoubleClickMs &&
                     std::abs(b.x - lastPressX_) <= kDoubleClickSlop &&
                     std::abs(b.y - lastPressY_) <= kDoubleClickSlop;
        // A third press starts a new pair.
        lastPressTime_ = twice ? kNoPress : b.time;
        lastPressX_ = b.x;
        lastPressY_ = b.y;
        return twice;
    }

    void handle(XEvent& e) {
        switch (e.type) {
        case Expose:
            listener_->onExpose(e.xexpose.x, e.xexpose.y, e.xexpose.width, e.xexpose.height);
            break;
        case ButtonPress:
        case ButtonRelease: {
            PointerEvent p;
            p.x = e.xbutton.x;
            p.y = e.xbutton.y;
            unsigned b = e.xbutton.button;
            if (b == Button4 || b == Button5) {
                if (e.type == ButtonRelease) break;
                p.action = PointerAction::Wheel;
                p.wheel = b == Button4 ? 1.0f : -1.0f;
            } else {
                p.action = e.type == ButtonPress ? PointerAction::Down : PointerAction::Up;
                p.buttons = (b == Button1   ? kButtonLeft
                             : b == Button3 ? kButtonRight
                                            : kButtonMiddle) |
                            (modifiersOf(e.xbutton.state) & (kModShift | kModControl));
                if (e.type == ButtonPress && b == Button1 && doubleClick(e.xbutton))
                    p.buttons |= kDoubleClick;
            }
            listener_->onPointer(p);
            break;
        }
        case LeaveNotify: {
            PointerEvent p;
            p.action = PointerAction::Leave;
            listener_->onPointer(p);
            break;
        }
        case KeyPress:
            handleKey(e.xkey);
            break;
        case FocusOut:
            // Only a real move of the focus elsewhere; grabs and moves inside do not count.
            if (e.xfocus.mode == NotifyNormal && e.xfocus.detail != NotifyInferior &&
                e.xfocus.detail != NotifyPointer)
                listener_->onFocusOut();
            break;
        case DestroyNotify:
            if (e.xdestroywindow.window == window_) lost_ = true; // the parent took it along
            break;
        case SelectionClear:
            ownsClipboard_ = false;
            break;
        case SelectionRequest:
            answerSelection(e.xselectionrequest);
            break;
        default:
            break;
        }
    }

    void handleKey(XKeyEvent& k) {
        char text[8] = {};
        KeySym sym = 0;
        int n = XLookupString(&k, text, sizeof text - 1, &sym, nullptr);
        KeyEvent key;
        key.modifiers = modifiersOf(k.state);
        switch (sym) {
        case XK_BackSpace:
            key.key = KeyName::Back;
            break;
        case XK_Tab:
            key.key = KeyName::Tab;
            break;
        case XK_Return:
        case XK_KP_Enter:
            key.key = KeyName::Return;
            break;
        case XK_Escape:
            key.key = KeyName::Escape;
            break;
        case XK_Left:
            key.key = KeyName::Left;
            break;
        case XK_Right:
            key.key = KeyName::Right;
            break;
        case XK_Home:
            key.key = KeyName::Home;
            break;
        case XK_End:
            key.key = KeyName::End;
            break;
        case XK_Delete:
            key.key = KeyName::Delete;
            break;
        case XK_Up:
        case XK_KP_Up:
            key.key = KeyName::Up;
            break;
        case XK_Down:
        case XK_KP_Down:
            key.key = KeyName::Down;
            break;
        default:
            if (n == 1 && static_cast<unsigned char>(text[0]) >= 32) {
                key.key = KeyName::Character;
                key.character = static_cast<unsigned char>(text[0]);
            }
        }
        if (key.key != KeyName::Unknown) listener_->onKey(key);
    }

    void answerSelection(const XSelectionRequestEvent& r) {
        XSelectionEvent reply{};
        reply.type = SelectionNotify;
        reply.requestor = r.requestor;
        reply.selection = r.selection;
        reply.target = r.target;
        reply.time = r.time;
        reply.property = None;
        if (ownsClipboard_ && r.property != None) {
            if (r.target == targetsAtom_) {
                Atom targets[2] = {utf8Atom_, XA_STRING};
                XChangeProperty(display_, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                                reinterpret_cast<unsigned char*>(targets), 2);
                reply.property = r.property;
            } else if (r.target == utf8Atom_ || r.target == XA_STRING) {
                XChangeProperty(display_, r.requestor, r.property, r.target, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(clipboard_.data()),
                                static_cast<int>(clipboard_.size()));
                reply.property = r.property;
            }
        }
        XSendEvent(display_, r.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
    }

    Display* display_;
    WindowListener* listener_;
    ::Window window_ = 0;
    Visual* visual_ = nullptr;
    int depth_ = 0;
    GC gc_ = nullptr;
    cairo_surface_t* surface_ = nullptr; // only for visuals that need converting
    Cursor cursor_ = 0;
    PointerShape shape_ = PointerShape::Arrow;
    bool lost_ = false;
    // Double-click: the server's time and place of the last left press.
    static constexpr Time kNoPress = 0;
    static constexpr Time kDoubleClickMs = 400;
    static constexpr int kDoubleClickSlop = 4; // pixels
    Time lastPressTime_ = kNoPress;
    int lastPressX_ = 0, lastPressY_ = 0;
    std::string clipboard_;
    bool ownsClipboard_ = false;
    Atom clipboardAtom_ = 0, utf8Atom_ = 0, targetsAtom_ = 0;
};

} // namespace

std::unique_ptr<Window> Window::createChild(void* parent, int width, int height,
                                            WindowListener* listener) {
    if (!parent || !listener || width <= 0 || height <= 0) return nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    auto w = std::make_unique<X11Window>(display,
                                         static_cast<::Window>(reinterpret_cast<uintptr_t>(parent)),
                                         width, height, listener);
    if (!w->ok()) return nullptr; // the destructor closes the connection
    return w;
}

} // namespace platform
