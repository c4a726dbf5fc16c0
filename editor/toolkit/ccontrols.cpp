#include "editor/toolkit/ccontrols.h"

#include <algorithm>
#include <cmath>

#include "editor/toolkit/cframe.h"

namespace tk {

namespace {
constexpr CColor kPlaceholderFill{92, 96, 104, 255};
constexpr CColor kPlaceholderEdge{150, 155, 165, 255};
constexpr size_t kMaxEntryChars = 127;

// The list of a menu, a modal layer over the whole frame: the checked item marked, columns
// when it is taller than the frame; arrows, Return and Escape; a click outside closes it.
class MenuList : public CView {
  public:
    static constexpr int kRowHeight = 18;
    static constexpr int kMinColumnWidth = 90;
    static constexpr int kCheckWidth = 14;

    MenuList(CFrame* frame, const CRect& anchor, std::vector<std::string> items, int checked,
             std::function<void(int)> chosen, CFontDesc font, int rowsPerColumn)
        : CView(frame->getViewSize()), frame_(frame), items_(std::move(items)),
          chosen_(std::move(chosen)), font_(font), checked_(checked) {
        const CRect& bounds = frame->getViewSize();
        int n = static_cast<int>(items_.size());
        int fit = (bounds.height() - 4) / kRowHeight;
        if (rowsPerColumn > 0) fit = std::min(fit, rowsPerColumn);
        rowsPerColumn_ = std::max(1, std::min(n, fit));
        int columns = std::max(1, (n + rowsPerColumn_ - 1) / rowsPerColumn_);
        colWidth_ = std::max(anchor.width(), kMinColumnWidth);
        colWidth_ = std::max(1, std::min(colWidth_, bounds.width() / columns));
        int w = columns * colWidth_, h = rowsPerColumn_ * kRowHeight + 4;
        int x = std::clamp(anchor.left, 0, std::max(0, bounds.width() - w));
        int y = anchor.bottom;
        if (y + h > bounds.height()) y = std::max(0, anchor.top - h);
        if (y + h > bounds.height()) y = std::max(0, bounds.height() - h);
        box_ = CRect::fromSize(x, y, w, h);
        hot_ = checked >= 0 && checked < n ? checked : 0;
    }
    void draw(CDrawContext& c, const CRect&) override {
        c.fillRect(box_, CColor{36, 38, 42, 245});
        c.frameRect(box_, CColor{150, 150, 150, 255});
        for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
            CRect row = rowRect(i);
            if (i == hot_) c.fillRect(row, CColor{70, 110, 160, 255});
            if (i == checked_) {
                // The checked item: a small square in front of its text.
                CPoint m{row.left + kCheckWidth / 2, row.top + kRowHeight / 2};
                c.fillRect(CRect{m.x - 3, m.y - 3, m.x + 3, m.y + 3}, CColor{240, 170, 50, 255});
            }
            c.drawText(items_[i], CRect{row.left + kCheckWidth, row.top, row.right, row.bottom},
                       font_, CColor{235, 235, 235, 255}, TextAlign::Left);
        }
    }
    bool onMouseDown(CPoint p, int) override {
        close(itemAt(p)); // outside every item: closes without a choice
        return true;
    }
    void onMouseMoved(CPoint p, int) override {
        int i = itemAt(p);
        if (i >= 0) setHot(i);
    }
    bool onKeyDown(const CKeyEvent& key) override {
        int n = static_cast<int>(items_.size());
        switch (key.key) {
        case Key::Escape:
            close(-1);
            return true;
        case Key::Return:
            close(hot_);
            return true;
        case Key::Up:
            setHot((hot_ + n - 1) % n);
            return true;
        case Key::Down:
            setHot((hot_ + 1) % n);
            return true;
        case Key::Left:
            setHot(std::max(0, hot_ - rowsPerColumn_));
            return true;
        case Key::Right:
            setHot(std::min(n - 1, hot_ + rowsPerColumn_));
            return true;
        default:
            return true; // a menu that is open takes every key
        }
    }
    const CRect& box() const { return box_; }

  private:
    void setHot(int i) {
        if (i == hot_) return;
        frame_->invalidRect(rowRect(hot_));
        hot_ = i;
        frame_->invalidRect(rowRect(hot_));
    }
    void close(int choice) {
        // The frame keeps this view alive until its next tick: the callback may run after.
        auto chosen = std::move(chosen_);
        frame_->closeModalView();
        if (choice >= 0 && chosen) chosen(choice);
    }
    CRect rowRect(int i) const {
        return CRect::fromSize(box_.left + (i / rowsPerColumn_) * colWidth_,
                               box_.top + 2 + (i % rowsPerColumn_) * kRowHeight, colWidth_,
                               kRowHeight);
    }
    int itemAt(CPoint p) const {
        if (!box_.contains(p)) return -1;
        for (int i = 0; i < static_cast<int>(items_.size()); ++i)
            if (rowRect(i).contains(p)) return i;
        return -1;
    }
    CFrame* frame_;
    std::vector<std::string> items_;
    std::function<void(int)> chosen_;
    CFontDesc font_;
    CRect box_;
    int rowsPerColumn_ = 1, colWidth_ = kMinColumnWidth;
    int checked_, hot_ = 0;
};

CRect local(const CView& v) {
    return {0, 0, v.getViewSize().width(), v.getViewSize().height()};
}
} // namespace

void drawPlaceholder(CDrawContext& c, const CRect& box) {
    c.fillRect(box, kPlaceholderFill);
    c.frameRect(box, kPlaceholderEdge);
}

// ---- knob ------------------------------------------------------------------------------

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag,
                     std::shared_ptr<CBitmap> strip, int frames)
    : CControl(size, listener, tag, std::move(strip)), frames_(std::max(1, frames)) {}

int CAnimKnob::frameFor(float v) const {
    v = limit(v);
    int i = static_cast<int>((frames_ - 1) * v); // truncated toward zero
    return std::clamp(i, 0, frames_ - 1);
}

void CAnimKnob::draw(CDrawContext& c, const CRect&) {
    CRect box = local(*this);
    if (!bitmap_) {
        // Without art: a plate with a bar that shows the value.
        drawPlaceholder(c, box);
        int h = static_cast<int>(std::lround(limit(drawnValue()) * (box.height() - 4)));
        c.fillRect(CRect{box.left + 2, box.bottom - 2 - h, box.right - 2, box.bottom - 2},
                   CColor{230, 150, 40, 255});
        return;
    }
    int frameHeight = bitmap_->height() / frames_;
    c.drawBitmap(*bitmap_, box, 0, frameFor(drawnValue()) * frameHeight);
}

bool CAnimKnob::onMouseDown(CPoint p, int buttons) {
    if (!(buttons & kLButton)) return false;
    dragging_ = true;
    dragStart_ = p;
    dragStartValue_ = value_;
    beginEdit();
    return true;
}

void CAnimKnob::onMouseMoved(CPoint p, int buttons) {
    if (!dragging_) return;
    double range = (buttons & kShift) ? dragRange_ * 10 : dragRange_;
    float v = limit(dragStartValue_ + static_cast<float>((dragStart_.y - p.y) / range));
    if (v != value_) {
        setValue(v);
        valueChanged();
    }
}

void CAnimKnob::onMouseUp(CPoint, int) {
    if (!dragging_) return;
    dragging_ = false;
    endEdit();
}

bool CAnimKnob::onWheel(CPoint, float distance) {
    float v = limit(value_ + distance * 0.01f);
    if (v == value_) return true;
    beginEdit();
    setValue(v);
    valueChanged();
    endEdit();
    return true;
}

// ---- button ----------------------------------------------------------------------------

COnOffButton::COnOffButton(const CRect& size, CControlListener* listener, int32_t tag,
                           std::shared_ptr<CBitmap> bitmap, Behaviour behaviour)
    : CControl(size, listener, tag, std::move(bitmap)), behaviour_(behaviour) {}

void COnOffButton::draw(CDrawContext& c, const CRect&) {
    CRect box = local(*this);
    if (!bitmap_) {
        drawPlaceholder(c, box);
        if (isOn())
            c.fillRect(CRect{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3},
                       CColor{240, 170, 50, 255});
        return;
    }
    c.drawBitmap(*bitmap_, box, 0, isOn() ? bitmap_->height() / 2 : 0);
}

bool COnOffButton::onMouseDown(CPoint, int buttons) {
    if (!(buttons & kLButton)) return false;
    beginEdit();
    setValue(behaviour_ == Behaviour::Momentary ? 1.0f : (isOn() ? 0.0f : 1.0f));
    valueChanged();
    if (behaviour_ == Behaviour::Toggle) endEdit();
    return true;
}

void COnOffButton::onMouseUp(CPoint, int) {
    if (behaviour_ != Behaviour::Momentary) return;
    setValue(0.0f);
    valueChanged();
    endEdit();
}

// ---- option menu -----------------------------------------------------------------------

COptionMenu::COptionMenu(const CRect& size, CControlListener* listener, int32_t tag,
                         std::shared_ptr<CBitmap> bitmap, const CTextStyle& style)
    : CControl(size, listener, tag, std::move(bitmap)), style_(style) {}

void COptionMenu::addEntry(const std::string& text) {
    entries_.push_back(text.substr(0, kMaxEntryChars));
}

int COptionMenu::indexFor(float v) const {
    int n = entryCount();
    if (n <= 1) return 0;
    return std::clamp(static_cast<int>(std::lround(limit(v) * (n - 1))), 0, n - 1);
}

float COptionMenu::valueForIndex(int i) const {
    int n = entryCount();
    return n <= 1 ? 0.0f : static_cast<float>(std::clamp(i, 0, n - 1)) / (n - 1);
}

void COptionMenu::draw(CDrawContext& c, const CRect&) {
    CRect box = local(*this);
    if (bitmap_) c.drawBitmap(*bitmap_, box);
    if (style_.backColour.a) c.fillRect(box, style_.backColour);
    if (style_.frameColour.a) c.frameRect(box, style_.frameColour);
    if (!entries_.empty())
        c.drawText(entries_[selectedIndex()], box, style_.font, style_.fontColour);
}

bool COptionMenu::onMouseDown(CPoint, int buttons) {
    if (!(buttons & kLButton) || entries_.empty()) return false;
    openList();
    return false; // the list takes the following input
}

void openPopupList(CFrame* frame, const CRect& anchor, std::vector<std::string> items, int checked,
                   std::function<void(int)> chosen, int rowsPerColumn) {
    if (!frame || items.empty()) return;
    CFontDesc font{FontWeight::Regular, 13.0};
    frame->setModalView(std::make_unique<MenuList>(frame, anchor, std::move(items), checked,
                                                   std::move(chosen), font, rowsPerColumn));
}

void COptionMenu::openList() {
    openPopupList(getFrame(), frameRect(), entries_, selectedIndex(), [this](int i) { choose(i); });
}

void COptionMenu::choose(int index) {
    beginEdit();
    setValue(valueForIndex(index));
    valueChanged();
    endEdit();
}

// ---- text field ------------------------------------------------------------------------

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener, int32_t tag,
                     const CTextStyle& style)
    : CControl(size, listener, tag), style_(style) {}

void CTextEdit::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    caret_ = std::min(caret_, text_.size());
    setDirty();
}

void CTextEdit::draw(CDrawContext& c, const CRect&) {
    CRect box = local(*this);
    c.fillRect(box, editing_ ? CColor{250, 250, 250, 255} : style_.backColour);
    if (style_.frameColour.a || editing_)
        c.frameRect(box, editing_ ? CColor{70, 110, 160, 255} : style_.frameColour);
    CColor ink = editing_ ? CColor{10, 10, 10, 255} : style_.fontColour;
    if (editing_ && replaceAll_ && !text_.empty())
        c.fillRect(CRect{box.left + 2, box.top + 3,
                         box.left + 2 + static_cast<int>(c.textWidth(text_, style_.font)),
                         box.bottom - 3},
                   CColor{170, 200, 240, 255}); // all of it is selected
    c.drawText(text_, box, style_.font, ink, editing_ ? TextAlign::Left : TextAlign::Center);
    if (editing_) {
        int x = box.left + 2 + static_cast<int>(c.textWidth(text_.substr(0, caret_), style_.font));
        c.drawLine({x, box.top + 3}, {x, box.bottom - 4}, ink);
    }
}

bool CTextEdit::onMouseDown(CPoint, int buttons) {
    if (!(buttons & kLButton)) return false;
    startEditing();
    return true;
}

void CTextEdit::startEditing() {
    if (!editing_) {
        editing_ = true;
        replaceAll_ = selectAllOnEdit_; // the first key typed replaces the old text
        before_ = text_;
        caret_ = text_.size();
        if (CFrame* f = getFrame()) f->setFocusView(this);
        setDirty();
    }
}

bool CTextEdit::onKeyDown(const CKeyEvent& key) {
    if (!editing_) return false;
    if (replaceAll_ &&
        (key.key == Key::Character || key.key == Key::Back || key.key == Key::Delete)) {
        text_.clear();
        caret_ = 0;
        if (key.key != Key::Character) {
            replaceAll_ = false;
            setDirty();
            return true; // the deletion was the whole text
        }
    }
    if (key.key != Key::Return && key.key != Key::Escape) replaceAll_ = false;
    switch (key.key) {
    case Key::Return:
        finish(true);
        break;
    case Key::Escape:
        finish(false);
        break;
    case Key::Back:
        if (caret_ > 0) text_.erase(--caret_, 1);
        break;
    case Key::Delete:
        if (caret_ < text_.size()) text_.erase(caret_, 1);
        break;
    case Key::Left:
        if (caret_ > 0) --caret_;
        break;
    case Key::Right:
        if (caret_ < text_.size()) ++caret_;
        break;
    case Key::Home:
        caret_ = 0;
        break;
    case Key::End:
        caret_ = text_.size();
        break;
    case Key::Character:
        // Printable ASCII only: the program texts are plain bytes.
        if (key.character >= 32 && key.character < 127 && text_.size() < 255)
            text_.insert(caret_++, 1, static_cast<char>(key.character));
        break;
    default:
        return false;
    }
    setDirty();
    return true;
}

void CTextEdit::onFocusLost() {
    if (editing_) finish(false); // a click elsewhere cancels
}

void CTextEdit::finish(bool commit) {
    editing_ = false;
    if (!commit) text_ = before_;
    caret_ = text_.size();
    setDirty();
    if (CFrame* f = getFrame(); f && f->focusView() == this) f->setFocusView(nullptr);
    if (commit && text_ != before_) {
        if (onCommit)
            onCommit(text_);
        else
            valueChanged();
    }
}

// ---- display ---------------------------------------------------------------------------

CParamDisplay::CParamDisplay(const CRect& size, int32_t tag, const CTextStyle& style,
                             std::shared_ptr<CBitmap> bitmap)
    : CControl(size, nullptr, tag, std::move(bitmap)), style_(style) {}

void CParamDisplay::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    setDirty();
}

void CParamDisplay::draw(CDrawContext& c, const CRect&) {
    CRect box = local(*this);
    if (bitmap_) c.drawBitmap(*bitmap_, box);
    if (style_.backColour.a) c.fillRect(box, style_.backColour);
    if (style_.frameColour.a) c.frameRect(box, style_.frameColour);
    c.drawText(text_, box, style_.font, style_.fontColour);
}

} // namespace tk
