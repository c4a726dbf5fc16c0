// The view tree: views, containers (with the panel slide and fade) and controls.
// A view's rectangle is in its parent's coordinates; it draws with its own top-left as origin.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/toolkit/cbitmap.h"
#include "editor/toolkit/cdrawcontext.h"
#include "editor/toolkit/geometry.h"
#include "platform/window.h"

namespace tk {

class CFrame;
class CViewContainer;

// The toolkit takes the window layer's pointer bits, key names and key events as they are.
enum MouseButtons : int {
    kLButton = platform::kButtonLeft,
    kRButton = platform::kButtonRight,
    kMButton = platform::kButtonMiddle,
    kShift = platform::kModShift,
    kControl = platform::kModControl,
    kDoubleClick = platform::kDoubleClick
};
using Key = platform::KeyName;
using CKeyEvent = platform::KeyEvent;

class CView {
  public:
    explicit CView(const CRect& size) : size_(size) {}
    virtual ~CView();
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    const CRect& getViewSize() const { return size_; }
    virtual void setViewSize(const CRect& r);
    bool isVisible() const { return visible_; }
    virtual void setVisible(bool on);
    // Visible itself and inside visible containers up to the frame.
    bool isShown() const;

    // Draws with the view's top-left as origin; `dirty` is the part to draw, in the same space.
    virtual void draw(CDrawContext&, const CRect& dirty) { (void)dirty; }

    // Mouse in the view's own coordinates. Returning true from a press captures the pointer
    // until the release.
    virtual bool onMouseDown(CPoint, int buttons) { return (void)buttons, false; }
    virtual void onMouseMoved(CPoint, int buttons) { (void)buttons; }
    virtual void onMouseUp(CPoint, int buttons) { (void)buttons; }
    virtual bool onWheel(CPoint, float distance) { return (void)distance, false; }
    virtual bool onKeyDown(const CKeyEvent&) { return false; }
    virtual void onFocusLost() {}
    virtual bool wantsMouse() const { return true; }
    // Whether a point inside the rectangle (in the view's own coordinates) hits the view; a
    // view with transparent parts lets clicks there through to what lies behind.
    virtual bool hitTest(CPoint) const { return true; }
    // The view as a container, without a dynamic_cast (null for other views).
    virtual CViewContainer* asContainer() { return nullptr; }
    virtual class CControl* asControl() { return nullptr; }

    void setTooltipText(std::string text) { tooltip_ = std::move(text); }
    const std::string& tooltipText() const { return tooltip_; }

    CViewContainer* getParentView() const { return parent_; }
    CFrame* getFrame() const;
    // The rectangle in frame coordinates.
    CRect frameRect() const;
    // Asks the frame to redraw the view at its next idle.
    void invalid();

  protected:
    CRect size_;
    bool visible_ = true;
    std::string tooltip_;

  private:
    friend class CViewContainer;
    CViewContainer* parent_ = nullptr;
};

// A panel: child views, a background, and the slide and fade that show and hide it.
class CViewContainer : public CView {
  public:
    explicit CViewContainer(const CRect& size) : CView(size) {}
    ~CViewContainer() override;

    template <class T> T* add(std::unique_ptr<T> view) {
        T* raw = view.get();
        addView(std::move(view));
        return raw;
    }
    void addView(std::unique_ptr<CView> view);
    void removeAll();
    const std::vector<std::unique_ptr<CView>>& children() const { return children_; }

    void setBackground(std::shared_ptr<CBitmap> bitmap) { background_ = std::move(bitmap); }
    const std::shared_ptr<CBitmap>& background() const { return background_; }
    void setBackgroundColour(CColor c) { backColour_ = c; }

    CViewContainer* asContainer() override { return this; }
    // A panel on its way out takes no clicks: they reach what it is leaving in sight.
    bool hitTest(CPoint) const override { return !pendingHide_; }
    void draw(CDrawContext& context, const CRect& dirty) override;
    void setVisible(bool on) override;
    // The deepest shown view under a point (local coordinates) that takes the mouse.
    CView* viewAt(CPoint p);

    // Slide settings: the panel rests at `closed` while hidden (moved there at once), moves
    // towards its open rectangle by `speed` of the remaining distance per tick, and fades by
    // `speed` per tick unless `initialFade` is 1.
    void setSlide(const CRect& closed, int mode, float speed, float initialFade);
    void show();
    void hide();
    // Moves the panel at once to `r`, where it then opens and rests; a slide or a hide under
    // way is dropped (a panel reopened while it leaves stays in sight).
    void moveTo(const CRect& r);
    // Hides the panel by sliding it to `away` while it fades; it rests there, hidden.
    void hideTowards(const CRect& away);
    // One 16 ms tick of this container's slide and fade; true when it moved or faded.
    bool advanceSlide();
    float fade() const { return fade_; }
    bool atRest() const;
    // At rest with nothing pending: no further ticks needed.
    bool settled() const { return atRest() && !pendingHide_; }
    const CRect& openRect() const { return open_; }
    const CRect& closedRect() const { return closed_; }

  private:
    void drawBackground(CDrawContext& context, const CRect& dirty);
    void wake();
    std::vector<std::unique_ptr<CView>> children_;
    std::shared_ptr<CBitmap> background_;
    CColor backColour_{0, 0, 0, 0};

    CRect open_, closed_;
    bool hasSlide_ = false;
    int mode_ = 1;
    float speed_ = 1.0f;
    bool fadeFixed_ = true;
    float fade_ = 1.0f, fadeRate_ = 0.0f;
    double posX_ = 0, posY_ = 0;
    CRect target_;
    bool pendingHide_ = false;
};

class CControl;

class CControlListener {
  public:
    virtual ~CControlListener() = default;
    virtual void valueChanged(CControl* control) = 0;
    virtual void beginEdit(int32_t tag) { (void)tag; }
    virtual void endEdit(int32_t tag) { (void)tag; }
};

// A view with a tag, a value 0..1, a listener and a dirty mark.
class CControl : public CView {
  public:
    CControl(const CRect& size, CControlListener* listener, int32_t tag,
             std::shared_ptr<CBitmap> bitmap = nullptr)
        : CView(size), listener_(listener), tag_(tag), bitmap_(std::move(bitmap)) {}

    CControl* asControl() override { return this; }
    int32_t getTag() const { return tag_; }
    float getValue() const { return value_; }
    // Stores the value, limited to 0..1 (NaN counts as 0), and marks the control dirty when
    // it changed.
    virtual void setValue(float v);
    bool isDirty() const { return dirty_; }
    void setDirty(bool on = true);
    const std::shared_ptr<CBitmap>& bitmap() const { return bitmap_; }
    CControlListener* listener() const { return listener_; }

    // Reports the current value to the listener (a user change).
    void valueChanged();
    void beginEdit();
    void endEdit();
    // Called by the frame after drawing.
    void clearDirty() { dirty_ = false; }

    static float limit(float v) { return v >= 0.0f ? (v <= 1.0f ? v : 1.0f) : 0.0f; }

  protected:
    CControlListener* listener_;
    int32_t tag_;
    float value_ = 0.0f;
    bool dirty_ = false;
    std::shared_ptr<CBitmap> bitmap_;
};

} // namespace tk
