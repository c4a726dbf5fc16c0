// The root of the view tree: owns the back buffer, collects dirty rectangles, redraws them at
// idle and shows them through the platform window (none when drawing offscreen). Pop-up
// menus, text editing and tooltips live inside the frame as overlay views.
// Zoom: every view keeps its logical (100 %) coordinates; the frame scales drawing into a back
// buffer of device pixels and turns device pointer positions into logical ones on the way in.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "editor/toolkit/cdrawcontext.h"
#include "editor/toolkit/cfont.h"
#include "editor/toolkit/cview.h"

namespace platform {
class Window;
}

namespace tk {

class CTooltipSupport;

class CFrame : public CViewContainer {
  public:
    CFrame(const CRect& size, const CFontSet* fonts);
    ~CFrame() override;

    // The window that shows the frame; null draws offscreen only.
    void attach(platform::Window* window) { window_ = window; }
    platform::Window* window() const { return window_; }

    // Device pixels per logical pixel (1, 1.5, 2 ...). A new scale resizes the back buffer
    // and redraws everything.
    void setScale(double scale);
    double scale() const { return scale_; }
    // The window's size in device pixels at the current scale.
    int deviceWidth() const { return back_->width(); }
    int deviceHeight() const { return back_->height(); }
    // A device position of the window as a logical one (the pixel under it).
    CPoint fromDevice(int x, int y) const;
    // The device pixels that a logical rectangle touches.
    CRect toDevice(const CRect& logical) const;

    // Logical.
    void invalidRect(const CRect& r);
    void invalidAll() { invalidRect(getViewSize()); }
    // Redraws the dirty parts into the back buffer and shows them; returns how many
    // rectangles were drawn (0 when nothing changed).
    int idle();
    // Logical.
    const std::vector<CRect>& lastRedrawn() const { return lastRedrawn_; }
    // In device pixels; its own transformation is the identity outside idle.
    COffscreenContext& backBuffer() { return *back_; }
    const CFontSet* fonts() const { return fonts_; }

    // Input, in frame coordinates.
    void handleMouseDown(CPoint p, int buttons);
    void handleMouseMoved(CPoint p, int buttons);
    void handleMouseUp(CPoint p, int buttons);
    void handleMouseLeave();
    void handleWheel(CPoint p, float distance);
    bool handleKey(const CKeyEvent& key);

    // A view above everything that takes all input until it closes (menus).
    void setModalView(std::unique_ptr<CView> view);
    void closeModalView();
    CView* modalView() const { return modal_.get(); }
    // The view that receives keys.
    void setFocusView(CView* view);
    CView* focusView() const { return focus_; }
    // The view under the pointer as the last move found it (none while a press holds).
    CView* hoverView() const { return hover_; }
    // A view drawn on top that takes no input (the tooltip).
    void setOverlay(std::unique_ptr<CView> view);
    CView* overlay() const { return overlay_.get(); }

    void setTooltipSupport(CTooltipSupport* tooltips) { tooltips_ = tooltips; }
    // Asked first on every press, with the view under the pointer; true takes the press.
    std::function<bool(CView*, CPoint, int buttons)> onPress;
    // Called before a view goes away or hides: input references to it are dropped.
    void forgetView(const CView* view);

    // One timer tick: panels slide and fade, tooltips count down.
    void tick(double periodMs);
    double clockMs() const { return clockMs_; }

  private:
    friend class CViewContainer;
    // A panel started to slide or fade: it is advanced each tick until it rests.
    void wakeSlide(CViewContainer* panel);
    const CFontSet* fonts_;
    double scale_ = 1.0;
    std::unique_ptr<COffscreenContext> back_;
    platform::Window* window_ = nullptr;
    std::vector<CRect> dirty_;
    std::vector<CRect> lastRedrawn_;
    std::vector<CViewContainer*> sliding_;
    std::unique_ptr<CView> modal_;
    std::vector<std::unique_ptr<CView>> pendingDelete_; // closed menus, freed at the next tick
    std::unique_ptr<CView> overlay_;
    CView* captured_ = nullptr;
    CView* focus_ = nullptr;
    CView* hover_ = nullptr;
    CTooltipSupport* tooltips_ = nullptr;
    double clockMs_ = 0.0;
};

// Shows a view's tooltip text after the pointer rested on it for the delay; drawn inside the
// frame near the pointer.
class CTooltipSupport {
  public:
    CTooltipSupport(CFrame* frame, double delayMs = 3500.0) : frame_(frame), delayMs_(delayMs) {}
    ~CTooltipSupport();
    void onHover(CView* view, CPoint framePoint);
    void onMouseDown();
    void onTick();
    void forget(const CView* view);
    bool showing() const { return shown_; }

  private:
    void hideTip();
    CFrame* frame_;
    double delayMs_;
    CView* view_ = nullptr;
    CPoint at_;
    double sinceMs_ = 0.0;
    bool shown_ = false;
    bool suppressed_ = false;
};

} // namespace tk
