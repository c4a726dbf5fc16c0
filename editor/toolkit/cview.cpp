#include "editor/toolkit/cview.h"

#include <cmath>

#include "editor/toolkit/cframe.h"

namespace tk {

namespace {
constexpr float kFadeSlack = 1.0e-4f;
} // namespace

CView::~CView() = default;

void CView::setViewSize(const CRect& r) {
    if (r == size_) return;
    invalid();
    size_ = r;
    invalid();
}

void CView::setVisible(bool on) {
    if (on == visible_) return;
    if (visible_) invalid();
    visible_ = on;
    if (visible_) invalid();
}

bool CView::isShown() const {
    for (const CView* v = this; v; v = v->parent_)
        if (!v->visible_) return false;
    return true;
}

CFrame* CView::getFrame() const {
    const CView* v = this;
    while (v->parent_)
        v = v->parent_;
    return const_cast<CFrame*>(dynamic_cast<const CFrame*>(v));
}

CRect CView::frameRect() const {
    CRect r = size_;
    for (const CViewContainer* p = parent_; p && p->parent_; p = p->parent_)
        r = r.offset(p->size_.left, p->size_.top);
    return r;
}

void CView::invalid() {
    if (!isShown()) return;
    if (CFrame* f = getFrame()) f->invalidRect(frameRect());
}

// ---- containers -----------------------------------------------------------------------

CViewContainer::~CViewContainer() {
    removeAll();
}

void CViewContainer::addView(std::unique_ptr<CView> view) {
    if (!view) return;
    view->parent_ = this;
    children_.push_back(std::move(view));
    children_.back()->invalid();
}

void CViewContainer::removeAll() {
    CFrame* frame = getFrame();
    for (auto& child : children_) {
        if (CViewContainer* c = child->asContainer()) c->removeAll();
        if (frame) frame->forgetView(child.get());
    }
    children_.clear();
}

void CViewContainer::setVisible(bool on) {
    CView::setVisible(on);
    if (!on)
        if (CFrame* f = getFrame()) f->forgetView(this);
}

void CViewContainer::drawBackground(CDrawContext& context, const CRect& dirty) {
    if (background_)
        context.drawBitmap(*background_, dirty, dirty.left, dirty.top);
    else if (backColour_.a)
        context.fillRect(dirty, backColour_);
}

void CViewContainer::draw(CDrawContext& context, const CRect& dirty) {
    bool faded = fade_ < 1.0f;
    if (faded) {
        if (fade_ <= 0.0f) return;
        context.beginLayer();
    }
    drawBackground(context, dirty);
    for (auto& child : children_) {
        if (!child->isVisible()) continue;
        const CRect& r = child->getViewSize();
        CRect part = r.intersection(dirty);
        if (part.empty()) continue;
        context.push(r.left, r.top, part.offset(-r.left, -r.top));
        child->draw(context, part.offset(-r.left, -r.top));
        context.pop();
    }
    if (faded) {
        context.endLayer(fade_);
    }
}

CView* CViewContainer::viewAt(CPoint p) {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        CView* child = it->get();
        if (!child->isVisible() || !child->getViewSize().contains(p)) continue;
        CPoint local{p.x - child->getViewSize().left, p.y - child->getViewSize().top};
        if (!child->hitTest(local)) continue;
        if (CViewContainer* c = child->asContainer()) {
            if (CView* inner = c->viewAt(local)) return inner;
            if (c->wantsMouse()) return c;
            continue;
        }
        if (child->wantsMouse()) return child;
    }
    return nullptr;
}

void CViewContainer::setSlide(const CRect& closed, int mode, float speed, float initialFade) {
    hasSlide_ = true;
    open_ = size_;
    closed_ = closed;
    mode_ = mode;
    speed_ = std::isfinite(speed) && speed > 0.0f ? std::fmin(speed, 1.0f) : 1.0f;
    float f = std::isfinite(initialFade) ? std::fmax(0.0f, std::fmin(initialFade, 1.0f)) : 1.0f;
    fadeFixed_ = f == 1.0f;
    fade_ = f;
    fadeRate_ = 0.0f;
    setViewSize(closed_);
    target_ = closed_;
    posX_ = closed_.left;
    posY_ = closed_.top;
}

void CViewContainer::wake() {
    if (settled()) return;
    if (CFrame* f = getFrame()) f->wakeSlide(this);
}

void CViewContainer::show() {
    pendingHide_ = false;
    if (hasSlide_) {
        if (!fadeFixed_) fadeRate_ = speed_;
        if (!(open_ == closed_)) target_ = open_;
    }
    setVisible(true);
    wake();
}

void CViewContainer::hide() {
    if (!hasSlide_) {
        setVisible(false);
        return;
    }
    if (!fadeFixed_) fadeRate_ = -speed_;
    if (!(open_ == closed_)) {
        target_ = closed_;
        pendingHide_ = mode_ != 0; // a mode-0 panel stays in sight where it rests
    } else if (fadeFixed_) {
        setVisible(false);
    } else {
        pendingHide_ = true;
    }
    if (!isVisible()) {
        // Hidden already: go straight to the resting state.
        setViewSize(target_);
        posX_ = target_.left;
        posY_ = target_.top;
        pendingHide_ = false;
        if (!fadeFixed_) {
            fade_ = 0.0f;
            fadeRate_ = 0.0f;
        }
    }
    wake();
}

void CViewContainer::moveTo(const CRect& r) {
    if (!hasSlide_) {
        setViewSize(r);
        return;
    }
    open_ = closed_ = target_ = r;
    posX_ = r.left;
    posY_ = r.top;
    pendingHide_ = false;
    setViewSize(r); // redraws where it was and where it is
}

void CViewContainer::hideTowards(const CRect& away) {
    if (!hasSlide_) {
        setVisible(false);
        return;
    }
    closed_ = away;
    hide();
}

bool CViewContainer::atRest() const {
    return fadeRate_ == 0.0f && size_ == target_;
}

bool CViewContainer::advanceSlide() {
    if (!hasSlide_ || !isVisible()) return false;
    bool changed = false;
    if (fadeRate_ != 0.0f) {
        fade_ += fadeRate_;
        // Ten steps of 0.1 must reach 1 although 0.1 has no exact float.
        if (fade_ >= 1.0f - kFadeSlack || fade_ <= kFadeSlack) {
            fade_ = fade_ >= 1.0f ? 1.0f : 0.0f;
            fadeRate_ = 0.0f;
        }
        invalid();
        changed = true;
    }
    if (!(size_ == target_)) {
        posX_ += speed_ * (target_.left - posX_);
        posY_ += speed_ * (target_.top - posY_);
        if (std::fabs(target_.left - posX_) < 0.5 && std::fabs(target_.top - posY_) < 0.5) {
            posX_ = target_.left;
            posY_ = target_.top;
        }
        setViewSize(size_.movedTo(static_cast<int>(std::lround(posX_)),
                                  static_cast<int>(std::lround(posY_))));
        changed = true;
    }
    if (pendingHide_ && atRest()) {
        pendingHide_ = false;
        setVisible(false);
        changed = true;
    }
    return changed;
}

// ---- controls -------------------------------------------------------------------------

void CControl::setValue(float v) {
    v = limit(v);
    if (v == value_) return;
    value_ = v;
    setDirty();
}

void CControl::setDirty(bool on) {
    dirty_ = on;
    if (on) invalid();
}

void CControl::valueChanged() {
    if (listener_) listener_->valueChanged(this);
}

void CControl::beginEdit() {
    if (listener_) listener_->beginEdit(tag_);
}

void CControl::endEdit() {
    if (listener_) listener_->endEdit(tag_);
}

} // namespace tk
