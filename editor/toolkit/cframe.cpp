#include "editor/toolkit/cframe.h"

#include <algorithm>
#include <cmath>

#include "platform/window.h"

namespace tk {

namespace {
// Past this many separate rectangles one redraw of their union is cheaper.
constexpr size_t kMaxDirtyRects = 24;
constexpr CColor kTooltipBack{255, 255, 225, 240};
constexpr CColor kTooltipText{20, 20, 20, 255};
constexpr CColor kTooltipFrame{60, 60, 60, 255};
constexpr CFontDesc kTooltipFont{FontWeight::Regular, 12.0};
constexpr int kTooltipLineHeight = 15;

// The tooltip box: its text lines on a pale plate.
class TooltipView : public CView {
  public:
    TooltipView(const CRect& size, std::vector<std::string> lines)
        : CView(size), lines_(std::move(lines)) {}
    bool wantsMouse() const override { return false; }
    void draw(CDrawContext& c, const CRect&) override {
        CRect box{0, 0, size_.width(), size_.height()};
        c.fillRect(box, kTooltipBack);
        c.frameRect(box, kTooltipFrame);
        for (size_t i = 0; i < lines_.size(); ++i)
            c.drawText(lines_[i],
                       CRect::fromSize(4, 3 + static_cast<int>(i) * kTooltipLineHeight,
                                       box.width() - 8, kTooltipLineHeight),
                       kTooltipFont, kTooltipText, TextAlign::Left);
    }

  private:
    std::vector<std::string> lines_;
};
} // namespace

CFrame::CFrame(const CRect& size, const CFontSet* fonts)
    : CViewContainer(size), fonts_(fonts),
      back_(std::make_unique<COffscreenContext>(size.width(), size.height(), fonts)) {
    invalidAll();
}

void CFrame::setScale(double scale) {
    if (!(scale > 0.0) || !std::isfinite(scale) || scale == scale_) return;
    scale_ = scale;
    const CRect device = toDevice(getViewSize().movedTo(0, 0));
    back_ = std::make_unique<COffscreenContext>(device.width(), device.height(), fonts_);
    dirty_.clear();
    invalidAll();
}

CPoint CFrame::fromDevice(int x, int y) const {
    return {static_cast<int>(std::floor(x / scale_)), static_cast<int>(std::floor(y / scale_))};
}

CRect CFrame::toDevice(const CRect& r) const {
    // A small tolerance keeps exact products (41 x 1.5 = 61.5) from reaching a pixel further.
    constexpr double kSlack = 1e-9;
    auto down = [&](int v) { return static_cast<int>(std::floor(v * scale_ + kSlack)); };
    auto up = [&](int v) { return static_cast<int>(std::ceil(v * scale_ - kSlack)); };
    return {down(r.left), down(r.top), up(r.right), up(r.bottom)};
}

CFrame::~CFrame() {
    tooltips_ = nullptr;
    overlay_.reset();
    modal_.reset();
    removeAll();
}

void CFrame::invalidRect(const CRect& r) {
    CRect clipped = r.intersection(getViewSize());
    if (clipped.empty()) return;
    for (CRect& d : dirty_)
        if (d.contains(clipped)) return;
    dirty_.push_back(clipped);
    if (dirty_.size() > kMaxDirtyRects) {
        CRect all;
        for (const CRect& d : dirty_)
            all = all.united(d);
        dirty_.assign(1, all);
    }
}

int CFrame::idle() {
    pendingDelete_.clear();
    lastRedrawn_.clear();
    if (dirty_.empty()) return 0;
    std::vector<CRect> rects;
    rects.swap(dirty_);
    COffscreenContext& back = *back_;
    const CRect deviceBounds{0, 0, back.width(), back.height()};
    for (const CRect& r : rects) {
        // Whole device pixels are cleared and drawn again: no seam where a logical edge falls
        // between two of them.
        const CRect d = toDevice(r).intersection(deviceBounds);
        if (d.empty()) continue;
        const CPoint first = fromDevice(d.left, d.top),
                     last = fromDevice(d.right - 1, d.bottom - 1);
        const CRect cover =
            CRect{first.x, first.y, last.x + 1, last.y + 1}.intersection(getViewSize());
        back.push(0, 0, d);
        back.clearRect(d, CColor{0, 0, 0, 255});
        back.scale(scale_);
        draw(back, cover);
        for (CView* top : {modal_.get(), overlay_.get()}) {
            if (!top || !top->isVisible()) continue;
            const CRect& s = top->getViewSize();
            CRect part = s.intersection(cover);
            if (part.empty()) continue;
            back.push(s.left, s.top, part.offset(-s.left, -s.top));
            top->draw(back, part.offset(-s.left, -s.top));
            back.pop();
        }
        back.pop();
        if (window_) window_->present(back.image(), d.left, d.top, d.width(), d.height());
        lastRedrawn_.push_back(r);
    }
    // Controls drawn now are clean until they change again.
    std::vector<CViewContainer*> stack{this};
    while (!stack.empty()) {
        CViewContainer* c = stack.back();
        stack.pop_back();
        for (auto& child : c->children()) {
            if (CControl* k = child->asControl()) k->clearDirty();
            if (CViewContainer* sub = child->asContainer()) stack.push_back(sub);
        }
    }
    return static_cast<int>(lastRedrawn_.size());
}

namespace {
CPoint localPoint(const CView* v, CPoint p) {
    CRect r = v->frameRect();
    return {p.x - r.left, p.y - r.top};
}
} // namespace

void CFrame::handleMouseDown(CPoint p, int buttons) {
    if (tooltips_) tooltips_->onMouseDown();
    if (modal_) {
        CPoint local{p.x - modal_->getViewSize().left, p.y - modal_->getViewSize().top};
        modal_->onMouseDown(local, buttons);
        return;
    }
    CView* target = viewAt(p);
    if (focus_ && focus_ != target) setFocusView(nullptr);
    if (onPress && onPress(target, p, buttons)) return;
    for (CView* v = target; v && v != this; v = v->getParentView()) {
        if (v->onMouseDown(localPoint(v, p), buttons)) {
            captured_ = v;
            return;
        }
    }
}

void CFrame::handleMouseMoved(CPoint p, int buttons) {
    if (modal_) {
        CPoint local{p.x - modal_->getViewSize().left, p.y - modal_->getViewSize().top};
        modal_->onMouseMoved(local, buttons);
        return;
    }
    if (captured_) {
        captured_->onMouseMoved(localPoint(captured_, p), buttons);
        return;
    }
    hover_ = viewAt(p);
    if (tooltips_) tooltips_->onHover(hover_, p);
    if (hover_) hover_->onMouseMoved(localPoint(hover_, p), buttons);
}

void CFrame::handleMouseUp(CPoint p, int buttons) {
    if (modal_) {
        CPoint local{p.x - modal_->getViewSize().left, p.y - modal_->getViewSize().top};
        modal_->onMouseUp(local, buttons);
        return;
    }
    if (CView* v = captured_) {
        captured_ = nullptr;
        v->onMouseUp(localPoint(v, p), buttons);
    }
}

void CFrame::handleMouseLeave() {
    hover_ = nullptr;
    if (tooltips_) tooltips_->onHover(nullptr, {});
}

void CFrame::handleWheel(CPoint p, float distance) {
    if (modal_) return;
    for (CView* v = viewAt(p); v && v != this; v = v->getParentView())
        if (v->onWheel(localPoint(v, p), distance)) return;
}

bool CFrame::handleKey(const CKeyEvent& key) {
    if (modal_) return modal_->onKeyDown(key);
    return focus_ ? focus_->onKeyDown(key) : false;
}

void CFrame::setModalView(std::unique_ptr<CView> view) {
    closeModalView();
    captured_ = nullptr;
    modal_ = std::move(view);
    if (!modal_) return;
    invalidRect(modal_->getViewSize());
    if (window_) window_->takeFocus(); // an open menu takes the arrows, Return and Escape
}

void CFrame::closeModalView() {
    if (!modal_) return;
    invalidRect(modal_->getViewSize());
    // The menu may close itself from its own handler: keep it alive until that returns.
    pendingDelete_.push_back(std::move(modal_));
}

void CFrame::setFocusView(CView* view) {
    if (view == focus_) return;
    CView* old = focus_;
    focus_ = view;
    if (old) old->onFocusLost();
    if (view && window_) window_->takeFocus();
}

void CFrame::setOverlay(std::unique_ptr<CView> view) {
    if (overlay_) invalidRect(overlay_->getViewSize());
    overlay_ = std::move(view);
    if (overlay_) invalidRect(overlay_->getViewSize());
}

void CFrame::forgetView(const CView* view) {
    auto within = [view](const CView* v) {
        for (; v; v = v->getParentView())
            if (v == view) return true;
        return false;
    };
    sliding_.erase(
        std::remove_if(sliding_.begin(), sliding_.end(), [&](const CView* v) { return within(v); }),
        sliding_.end());
    if (within(captured_)) captured_ = nullptr;
    if (within(hover_)) hover_ = nullptr;
    if (within(focus_)) focus_ = nullptr;
    if (tooltips_) tooltips_->forget(view);
}

void CFrame::wakeSlide(CViewContainer* panel) {
    if (std::find(sliding_.begin(), sliding_.end(), panel) == sliding_.end())
        sliding_.push_back(panel);
}

void CFrame::tick(double periodMs) {
    clockMs_ += periodMs;
    pendingDelete_.clear();
    // A panel that hides on arrival leaves the list itself (forgetView).
    std::vector<CViewContainer*> moving = sliding_;
    for (CViewContainer* panel : moving)
        if (std::find(sliding_.begin(), sliding_.end(), panel) != sliding_.end())
            panel->advanceSlide();
    sliding_.erase(std::remove_if(sliding_.begin(), sliding_.end(),
                                  [](const CViewContainer* p) { return p->settled(); }),
                   sliding_.end());
    if (tooltips_) tooltips_->onTick();
}

// ---- tooltips -------------------------------------------------------------------------

CTooltipSupport::~CTooltipSupport() {
    if (frame_ && shown_) frame_->setOverlay(nullptr);
}

void CTooltipSupport::hideTip() {
    if (shown_) frame_->setOverlay(nullptr);
    shown_ = false;
}

void CTooltipSupport::onHover(CView* view, CPoint framePoint) {
    if (view == view_) {
        // Motion on the same view starts the wait again until the tip shows.
        if (!shown_ && (framePoint.x != at_.x || framePoint.y != at_.y))
            sinceMs_ = frame_->clockMs();
        at_ = framePoint;
        return;
    }
    at_ = framePoint;
    hideTip();
    view_ = view;
    suppressed_ = false;
    sinceMs_ = frame_->clockMs();
}

void CTooltipSupport::onMouseDown() {
    hideTip();
    suppressed_ = true; // not again until the pointer moves to another view
}

void CTooltipSupport::forget(const CView* view) {
    for (const CView* v = view_; v; v = v->getParentView())
        if (v == view) {
            hideTip();
            view_ = nullptr;
            return;
        }
}

void CTooltipSupport::onTick() {
    if (shown_ || suppressed_ || !view_ || view_->tooltipText().empty()) return;
    if (frame_->clockMs() - sinceMs_ < delayMs_) return;
    std::vector<std::string> lines;
    const std::string& text = view_->tooltipText();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    double width = 0;
    for (const std::string& l : lines)
        width = std::max(width, frame_->backBuffer().textWidth(l, kTooltipFont));
    int w = static_cast<int>(width) + 10;
    int h = static_cast<int>(lines.size()) * kTooltipLineHeight + 6;
    const CRect& bounds = frame_->getViewSize();
    int x = std::min(at_.x + 12, bounds.right - w);
    int y = at_.y + 20;
    if (y + h > bounds.bottom) y = at_.y - h - 4;
    frame_->setOverlay(std::make_unique<TooltipView>(
        CRect::fromSize(std::max(0, x), std::max(0, y), w, h), std::move(lines)));
    shown_ = true;
}

} // namespace tk
