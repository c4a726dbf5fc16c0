#include "editor/qx_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/curves.h"
#include "editor/toolkit/cframe.h"

namespace tarlix {

using tk::CRect;

namespace {
// Drag sensitivity: pixels of vertical motion for the whole range.
constexpr double kKnobDragPixels = 140.0;
constexpr double kFineKnobDragPixels = 420.0;
constexpr double kShiftFiner = 3.0;
constexpr double kControlFiner = 4.0;
constexpr float kCentre = 0.5f;
constexpr int kMomentaryStyle = 1;
constexpr size_t kMaxNameChars = 255;
// What restarts a drag when it changes between two moves.
constexpr int kDragState = tk::kLButton | tk::kShift | tk::kControl;
// Knob smoothing per tick, and the distance below which the picture snaps to the value.
constexpr float kSmoothing = 0.2f;
constexpr float kSnapDistance = 0.005f;
} // namespace

// ---- links -----------------------------------------------------------------------------

void QX_Control::addLink(QX_Control* target, int32_t code) {
    if (!target || target == this || static_cast<int>(links_.size()) >= kMaxLinks) return;
    links_.push_back({target, code});
}

int QX_Control::learnTag() const {
    auto tagOf = [](const QX_Control* c) {
        const auto* control = dynamic_cast<const tk::CControl*>(c);
        return control ? control->getTag() : -1;
    };
    constexpr int kFirstLearnable = 1, kLastLearnable = 332;
    int own = tagOf(this);
    if (own >= 0 && own <= kLastLearnable) return own;
    for (const Link& l : links_) {
        int t = tagOf(l.target);
        if (t >= kFirstLearnable && t <= kLastLearnable) return t;
    }
    return -1;
}

void QX_Control::propagate(float value) {
    if (propagating_) return;
    propagating_ = true;
    for (const Link& l : links_) {
        if (l.code == kLinkCodeQuiet) continue;
        LinkMessage m;
        m.type = kLinkValue;
        m.code = l.code;
        m.value = value;
        l.target->onLink(m);
    }
    propagating_ = false;
}

void QX_Control::onLink(const LinkMessage& message) {
    if (propagating_) return;
    if (message.type != kLinkRegister && message.type != kLinkTouched) setFromHost(message.value);
}

// ---- knob ------------------------------------------------------------------------------

QX_Knob::QX_Knob(const CRect& size, tk::CControlListener* listener, int32_t tag,
                 std::shared_ptr<tk::CBitmap> strip, int frames, int style, bool detent)
    : tk::CAnimKnob(size, listener, tag, std::move(strip), frames), detent_(detent) {
    fourthRoot_ = style == kFourthRootStyle;
    spring_ = style == kSpringStyle;
    dragRange_ = fourthRoot_ ? kFineKnobDragPixels : kKnobDragPixels;
    if (spring_) drawn_ = value_ = kCentre;
}

float QX_Knob::dragScale(float v) const {
    return fourthRoot_ ? std::sqrt(std::sqrt(limit(v))) : v;
}

float QX_Knob::drawnValue() const {
    return dragScale(drawn_);
}

bool QX_Knob::onMouseDown(tk::CPoint p, int buttons) {
    if (!(buttons & tk::kLButton)) return false;
    beginEdit();
    float v = drawn_;
    locked_ = false;
    if ((buttons & tk::kDoubleClick) && loaded_) {
        v = limit(*loaded_);
        locked_ = true; // the rest of this press does not drag
    }
    dragging_ = true;
    detentLeft_ = 0;
    dragFrom_ = lastAt_ = p;
    dragState_ = buttons & kDragState;
    dragFromValue_ = dragScale(v);
    drawn_ = v;
    tk::CAnimKnob::setValue(v);
    valueChanged();
    return true;
}

void QX_Knob::onMouseMoved(tk::CPoint p, int buttons) {
    if (!dragging_ || locked_ || !(buttons & tk::kLButton)) return;
    if (p.x == lastAt_.x && p.y == lastAt_.y) return;
    lastAt_ = p;
    int state = buttons & kDragState;
    if (state != dragState_) {
        // A modifier pressed or let go: the drag goes on from here at the new rate.
        dragState_ = state;
        dragFrom_ = p;
        dragFromValue_ = dragScale(value_);
    }
    double pixels = dragRange_;
    if (buttons & tk::kShift) pixels *= kShiftFiner;
    if (buttons & tk::kControl) pixels *= kControlFiner;
    double moved = (dragFrom_.y - p.y) + (p.x - dragFrom_.x); // up and right both increase
    float v = limit(static_cast<float>(dragFromValue_ + moved / pixels));
    if (fourthRoot_) v = v * v * v * v;
    if (detent_) {
        float before = value_;
        bool crossed = (before < kCentre && v >= kCentre) || (before > kCentre && v <= kCentre);
        if (crossed && detentLeft_ == 0) detentLeft_ = kDetentMoves;
        if (detentLeft_ > 0) {
            --detentLeft_;
            dragFrom_ = p;
            dragFromValue_ = dragScale(kCentre);
            v = kCentre;
        }
    }
    drawn_ = v;
    if (v != value_) {
        tk::CAnimKnob::setValue(v);
        valueChanged();
    }
    setDirty();
}

void QX_Knob::onMouseUp(tk::CPoint, int) {
    if (!dragging_) return;
    dragging_ = locked_ = false;
    detentLeft_ = 0;
    if (spring_ && !hold_) {
        drawn_ = kCentre;
        tk::CAnimKnob::setValue(kCentre);
        valueChanged();
    }
    endEdit();
}

void QX_Knob::onLink(const LinkMessage& message) {
    if (propagating_ || message.type == kLinkRegister) return;
    if (message.type == kLinkTouched) {
        // Shown in the displays of the last touched parameter (once: they already show it
        // when it was the last one), then applied like any value.
        if (context_ && context_->lastShownTag() != getTag())
            context_->showTouched(getTag(), limit(message.value));
    }
    float v = message.value;
    if (message.code == kLinkCodeQuiet) {
        hold_ = std::lround(limit(message.value)) == 1;
        if (hold_) return;
        v = kCentre; // let go: the spring returns
    }
    // The knob moves its own parameter, as a user would (randomise, copy and paste).
    if (context_)
        context_->automate(getTag(), limit(v));
    else
        setFromHost(v);
}

void QX_Knob::setFromHost(float value) {
    value = limit(value);
    if (value == lastHost_) return;
    lastHost_ = value;
    setValue(value); // the picture follows at the next ticks
    propagate(value);
}

void QX_Knob::setValue(float v) {
    tk::CAnimKnob::setValue(v);
    if (drawn_ != value_) wantIdle(); // the picture follows over the next ticks
}

bool QX_Knob::onIdleTick() {
    float target = value_;
    if (drawn_ == target) return false;
    int before = frameFor(drawn_);
    if (std::fabs(target - drawn_) >= kSnapDistance)
        drawn_ += (target - drawn_) * kSmoothing;
    else
        drawn_ = target;
    // Only a change of the picture needs a redraw.
    if (frameFor(drawn_) != before || !bitmap_) setDirty();
    return drawn_ != target;
}

// ---- buttons ---------------------------------------------------------------------------

QX_COnOffButton::QX_COnOffButton(const CRect& size, tk::CControlListener* listener, int32_t tag,
                                 std::shared_ptr<tk::CBitmap> bitmap, int style)
    : tk::COnOffButton(size, listener, tag, std::move(bitmap),
                       style == 0 ? Behaviour::Toggle : Behaviour::Momentary),
      style_(style) {}

bool QX_COnOffButton::onMouseDown(tk::CPoint, int buttons) {
    if (!(buttons & tk::kLButton)) return false;
    beginEdit();
    pressed_ = true;
    // A lit style-2 button sends 1 again and so repeats its command.
    setValue(style_ == 0 && isOn() ? 0.0f : 1.0f);
    valueChanged();
    return true;
}

void QX_COnOffButton::onMouseUp(tk::CPoint, int) {
    if (!pressed_) return;
    pressed_ = false;
    if (style_ == kMomentaryStyle) {
        setValue(0.0f);
        valueChanged();
    }
    endEdit();
}

QX_GUI_Multi_Button_Hub::QX_GUI_Multi_Button_Hub(tk::CControlListener* listener, int32_t tag)
    : tk::CControl(CRect{}, listener, tag) {
    visible_ = false;
}

namespace {
// Codes come from 16-bit table fields: only their low 16 bits count.
bool isStateCode(int32_t code) {
    return (code & 0x7FFF) <= QX_GUI_Multi_Button_Hub::kMaxStateCode;
}
bool isMirrorCode(int32_t code) {
    return (code & QX_GUI_Multi_Button_Hub::kMirrorBit) != 0;
}
} // namespace

int QX_GUI_Multi_Button_Hub::states() const {
    int n = 0;
    forEachLink([&](QX_Control*, int32_t code) {
        if (isStateCode(code) && !isMirrorCode(code)) ++n;
    });
    return n;
}

int QX_GUI_Multi_Button_Hub::state() const {
    int n = states();
    // Rounded half up, as the engine rounds its option values; one state is state 0.
    return n <= 1 ? 0 : std::clamp(static_cast<int>(std::floor((n - 1) * value_ + 0.5f)), 0, n - 1);
}

void QX_GUI_Multi_Button_Hub::setFromHost(float value) {
    if (propagating_) return;
    setValue(value);
    const int current = state();
    propagating_ = true;
    forEachLink([&](QX_Control* target, int32_t code) {
        LinkMessage m;
        m.type = kLinkValue;
        if (isStateCode(code)) {
            m.code = code & 0x7FFF; // the button's own code, without the mirror bit
            m.value = isMirrorCode(code) ? value_ : (m.code == current ? 1.0f : 0.0f);
        } else {
            m.code = code;
            m.value = value_;
        }
        target->onLink(m);
    });
    propagating_ = false;
}

void QX_GUI_Multi_Button_Hub::onLink(const LinkMessage& message) {
    if (propagating_ || message.type == kLinkRegister) return;
    // Only a state button that lights chooses its state; a mirror never does, and one that
    // goes dark (the hub switched it off) changes nothing.
    if (!isStateCode(message.code) || isMirrorCode(message.code) || message.value < 0.5f) return;
    int n = states();
    float v = n <= 1 ? 0.0f : static_cast<float>(std::min(message.code & 0x7FFF, n - 1)) / (n - 1);
    beginEdit();
    setValue(v);
    valueChanged();
    endEdit();
}

void QX_COnOffButton::setFromHost(float value) {
    setValue(limit(value) >= 0.5f ? 1.0f : 0.0f);
    propagate(value_);
}

void QX_COnOffButton::onLink(const LinkMessage& message) {
    if (propagating_ || message.type == kLinkRegister) return;
    const bool was = isOn();
    const bool on = message.type == kLinkTouched ? !was : message.value >= 0.5f;
    setValue(on ? 1.0f : 0.0f);
    if (on == was) return;
    beginEdit();
    valueChanged();
    endEdit();
}

QX_ExclusiveButton::QX_ExclusiveButton(const CRect& size, tk::CControlListener* listener,
                                       int32_t tag, std::shared_ptr<tk::CBitmap> bitmap, int mode)
    : tk::COnOffButton(size, listener, tag, std::move(bitmap)), mode_(mode),
      group_(std::make_shared<std::vector<QX_ExclusiveButton*>>(1, this)) {}

void QX_ExclusiveButton::addFellow(QX_ExclusiveButton* other) {
    if (!other || other->group_ == group_) return;
    if (group_->size() + other->group_->size() > static_cast<size_t>(kMaxGroup)) return;
    // One group for all: every member knows every other.
    auto merged = group_;
    auto old = other->group_;
    for (QX_ExclusiveButton* b : *old) {
        merged->push_back(b);
        b->group_ = merged;
    }
}

void QX_ExclusiveButton::addPanel(tk::CViewContainer* panel) {
    if (panel && static_cast<int>(panels_.size()) < kMaxPanels) panels_.push_back(panel);
}

void QX_ExclusiveButton::showPanels(bool on) {
    // Always told: a sliding panel may rest in sight while closed.
    for (tk::CViewContainer* p : panels_)
        if (on)
            p->show();
        else
            p->hide();
    if (!panels_.empty()) {
        redrawAll_ = true; // panels overlap other controls: the whole frame, next tick
        wantIdle();
    }
}

void QX_ExclusiveButton::setFromHost(float value) {
    bool on = limit(value) > 0.5f;
    setValue(on ? 1.0f : 0.0f);
    propagate(value_);
    const bool enforce = group_->size() > 1 && context_ && !context_->building() &&
                         !context_->radioGroupsSuspended();
    if (enforce && !on && mode_ == 0) {
        // A radio group never ends up with nothing selected: the last one lights again.
        bool anyLit = std::any_of(group_->begin(), group_->end(),
                                  [](const QX_ExclusiveButton* b) { return b->isOn(); });
        if (!anyLit) {
            on = true;
            setValue(1.0f);
            valueChanged();
        }
    } else if (enforce && on) {
        for (QX_ExclusiveButton* b : *group_)
            if (b != this && b->isOn()) {
                b->setFromHost(0.0f);
                b->valueChanged();
            }
    }
    showPanels(isOn());
}

void QX_ExclusiveButton::onLink(const LinkMessage& message) {
    if (message.code != kLinkCodeQuiet && (propagating_ || message.type == kLinkRegister)) return;
    // Applied on the next tick, so a chain of links settles before panels move.
    pending_ = true;
    pendingValue_ = message.value;
    wantIdle();
}

bool QX_ExclusiveButton::onIdleTick() {
    if (pending_ && isShown()) {
        pending_ = false;
        setFromHost(pendingValue_);
    }
    if (redrawAll_) {
        redrawAll_ = false;
        if (tk::CFrame* frame = getFrame()) frame->invalidAll();
    }
    // A value for a hidden button waits until its panel opens.
    return pending_ || redrawAll_;
}

bool QX_ExclusiveButton::hitTest(tk::CPoint p) const {
    if (!bitmap_) return true;
    constexpr uint32_t kLeastOpaque = 31; // alpha at or below this lets the click through
    int half = bitmap_->height() / 2;
    uint32_t argb = bitmap_->pixel(p.x, p.y + (isOn() ? half : 0));
    return (argb >> 24) > kLeastOpaque;
}

bool QX_ExclusiveButton::onMouseDown(tk::CPoint, int buttons) {
    if (!(buttons & tk::kLButton)) return false;
    beginEdit();
    // A tab that is on stays on; a panel button toggles.
    if (mode_ != 0 || !isOn()) {
        setFromHost(isOn() ? 0.0f : 1.0f);
        valueChanged();
    }
    endEdit();
    return true;
}

// ---- menu ------------------------------------------------------------------------------

QX_COptionsText::QX_COptionsText(const CRect& size, tk::CControlListener* listener, int32_t tag,
                                 std::shared_ptr<tk::CBitmap> bitmap, const tk::CTextStyle& style)
    : tk::COptionMenu(size, listener, tag, std::move(bitmap), style) {}

void QX_COptionsText::setFromHost(float value) {
    setValue(value);
    applyPanels();
    propagate(value_);
}

void QX_COptionsText::choose(int index) {
    tk::COptionMenu::choose(index);
    applyPanels();
}

void QX_COptionsText::onLink(const LinkMessage& message) {
    constexpr int32_t kNextItem = 100, kPreviousItem = 101, kNoAction = 54;
    if (propagating_ || message.type == kLinkRegister || message.code == kNoAction) return;
    int n = entryCount();
    if (n == 0) return;
    int i = selectedIndex();
    if (message.code == kNextItem || message.code == kPreviousItem) {
        if (message.value == 0.0f) return;
        i = message.code == kNextItem ? (i + 1) % n : (i + n - 1) % n;
    } else {
        i = indexFor(message.value); // rounded half up, as the engine stores options
    }
    choose(i);
}

void QX_COptionsText::addPanelLink(tk::CViewContainer* panel, int item) {
    if (panel) panelLinks_.push_back({panel, item});
    applyPanels();
}

void QX_COptionsText::applyPanels() {
    // A panel named by several items shows while any of them is selected.
    int selected = selectedIndex();
    for (const PanelLink& l : panelLinks_) {
        bool wanted = std::any_of(panelLinks_.begin(), panelLinks_.end(), [&](const PanelLink& o) {
            return o.panel == l.panel && o.item == selected;
        });
        if (wanted && !l.panel->isVisible()) l.panel->show();
        if (!wanted && l.panel->isVisible()) l.panel->hide();
    }
}

// ---- stores and displays ---------------------------------------------------------------

QX_Store::QX_Store(tk::CControlListener* listener, int32_t tag)
    : tk::CControl(CRect{}, listener, tag) {
    visible_ = false;
}

void QX_Store::setFromHost(float value) {
    setValue(value);
    propagate(value_);
}

QX_TextDisplay::QX_TextDisplay(const CRect& size, int32_t tag, const tk::CTextStyle& style,
                               std::shared_ptr<tk::CBitmap> bitmap)
    : tk::CParamDisplay(size, tag, style, std::move(bitmap)) {}

void QX_TextDisplay::setFromHost(float value) {
    setValue(value);
}

QX_GlobalNumberDisplay::QX_GlobalNumberDisplay(const CRect& size, int32_t tag,
                                               const tk::CTextStyle& style)
    : tk::CTextEdit(size, nullptr, tag, style) {
    setSelectAllOnEdit(true);
    onCommit = [this](const std::string& text) { typed(text); };
}

void QX_GlobalNumberDisplay::setFromHost(float value) {
    setValue(value);
}

void QX_GlobalNumberDisplay::showText(const std::string& text) {
    if (!editing()) setText(text);
}

void QX_GlobalNumberDisplay::show(const Shown& shown, float value) {
    if (editing()) return; // the user is typing
    shown_ = shown;
    char text[48];
    float units = shown.min + (shown.max - shown.min) * taper_forward(limit(value), shown.taper);
    std::snprintf(text, sizeof text, "%4.3f", units);
    setText(text);
}

bool QX_GlobalNumberDisplay::onMouseDown(tk::CPoint p, int buttons) {
    if (shown_.tag < 0 || !(buttons & tk::kLButton)) return false;
    if (!(buttons & tk::kDoubleClick) && !editing()) return true;
    return tk::CTextEdit::onMouseDown(p, buttons);
}

void QX_GlobalNumberDisplay::typed(const std::string& typedText) {
    auto restore = [this] { setText(before_); };
    size_t first = typedText.find_first_not_of(" \t");
    size_t last = typedText.find_last_not_of(" \t");
    std::string trimmed =
        first == std::string::npos ? std::string() : typedText.substr(first, last - first + 1);
    float number = parse_number(trimmed.c_str());
    if (shown_.tag < 0 || !(number < kParseFailure) || std::isnan(number)) return restore();
    float span = shown_.max - shown_.min;
    float p = span == 0.0f ? 0.0f : (number - shown_.min) / span;
    if (!(p >= 0.0f && p <= 1.0f)) return restore(); // outside the parameter's range
    float v = limit(taper_inverse(p, shown_.taper));
    if (onTyped) onTyped(shown_.tag, v);
    show(shown_, v);
}

QX_GUI_TextOnly::QX_GUI_TextOnly(const CRect& size, int32_t tag, const tk::CTextStyle& style,
                                 Programs programs)
    : tk::CTextEdit(size, nullptr, tag, style), programs_(std::move(programs)) {
    setSelectAllOnEdit(true);
    onCommit = [this](const std::string& text) {
        if (programs_.rename) programs_.rename(text.substr(0, kMaxNameChars));
        if (programs_.current) propagate(static_cast<float>(programs_.current()));
    };
}

void QX_GUI_TextOnly::setFromHost(float value) {
    setValue(value);
}

void QX_GUI_TextOnly::onNotice(const std::string& text) {
    if (!editing()) setText(text);
}

bool QX_GUI_TextOnly::onMouseDown(tk::CPoint, int buttons) {
    if (buttons & tk::kRButton) {
        startEditing();
        return true;
    }
    if (!(buttons & tk::kLButton) || !programs_.names) return false;
    if (editing()) return true;
    std::vector<std::string> names = programs_.names();
    int current = programs_.current ? programs_.current() : -1;
    tk::openPopupList(getFrame(), frameRect(), names, current, [this, names](int i) {
        setText(names[static_cast<size_t>(i)]); // shown at once
        if (programs_.select) programs_.select(i);
        propagate(static_cast<float>(i));
    });
    return false; // the menu takes the following input
}

QX_CTextEntry::QX_CTextEntry(const CRect& size, tk::CControlListener* listener, int32_t tag,
                             const tk::CTextStyle& style)
    : tk::CTextEdit(size, listener, tag, style) {}

void QX_CTextEntry::setFromHost(float value) {
    setValue(value);
}

} // namespace tarlix
