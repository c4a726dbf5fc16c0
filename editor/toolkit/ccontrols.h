// The toolkit's stock controls: a knob drawn from a strip of frames, a two-state button, an
// option menu with its list drawn inside the frame, a text field and a text display.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "editor/toolkit/cview.h"

namespace tk {

// Font and colours of a text control.
struct CTextStyle {
    CFontDesc font;
    CColor fontColour{30, 30, 30, 255};
    CColor backColour{0, 0, 0, 0};
    CColor frameColour{0, 0, 0, 0};
};

// Draws a placeholder where a bitmap is missing: a neutral plate with a frame.
void drawPlaceholder(CDrawContext& c, const CRect& box);

// A strip of `frames` equal frames stacked vertically; the value picks one.
class CAnimKnob : public CControl {
  public:
    CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag,
              std::shared_ptr<CBitmap> strip, int frames);
    int frames() const { return frames_; }
    // The frame for a value; always inside the strip, NaN and out-of-range values included.
    int frameFor(float v) const;
    void draw(CDrawContext& c, const CRect& dirty) override;
    bool onMouseDown(CPoint p, int buttons) override;
    void onMouseMoved(CPoint p, int buttons) override;
    void onMouseUp(CPoint p, int buttons) override;
    bool onWheel(CPoint p, float distance) override;

  protected:
    // The value the picture shows (a subclass may smooth it).
    virtual float drawnValue() const { return value_; }
    // Pixels of vertical drag for the whole range.
    double dragRange_ = 140.0;
    int frames_;

  private:
    CPoint dragStart_;
    float dragStartValue_ = 0.0f;
    bool dragging_ = false;
};

// Off above on in one bitmap. A toggle flips on press; a momentary button is on while held.
class COnOffButton : public CControl {
  public:
    enum class Behaviour { Toggle, Momentary };
    COnOffButton(const CRect& size, CControlListener* listener, int32_t tag,
                 std::shared_ptr<CBitmap> bitmap, Behaviour behaviour = Behaviour::Toggle);
    void draw(CDrawContext& c, const CRect& dirty) override;
    bool onMouseDown(CPoint p, int buttons) override;
    void onMouseUp(CPoint p, int buttons) override;
    bool isOn() const { return value_ > 0.5f; }

  protected:
    Behaviour behaviour_;
};

// Opens a list of items inside the frame below `anchor` (frame coordinates), the checked
// item marked (none when it is outside the list); `chosen` receives the index picked, and is
// not called when the list closes without a choice. `rowsPerColumn` above 0 starts a new
// column after that many rows (fewer when the frame is not tall enough).
void openPopupList(CFrame* frame, const CRect& anchor, std::vector<std::string> items, int checked,
                   std::function<void(int)> chosen, int rowsPerColumn = 0);

// A menu: shows its selected item; a press opens the item list inside the frame.
class COptionMenu : public CControl {
  public:
    COptionMenu(const CRect& size, CControlListener* listener, int32_t tag,
                std::shared_ptr<CBitmap> bitmap, const CTextStyle& style);
    // Items longer than 127 characters are cut.
    void addEntry(const std::string& text);
    int entryCount() const { return static_cast<int>(entries_.size()); }
    const std::string& entry(int i) const { return entries_[i]; }
    int selectedIndex() const { return indexFor(value_); }
    int indexFor(float v) const;
    float valueForIndex(int i) const;
    void draw(CDrawContext& c, const CRect& dirty) override;
    bool onMouseDown(CPoint p, int buttons) override;
    // Opens the list (also for tests); `choose` is what a click on an item does.
    void openList();
    // The user picked item i.
    virtual void choose(int index);

  protected:
    std::vector<std::string> entries_;
    CTextStyle style_;
};

// A one-line text field, edited inside the frame; Return commits, Escape or a click elsewhere
// restores the old text.
class CTextEdit : public CControl {
  public:
    CTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const CTextStyle& style);
    void setText(const std::string& text);
    const std::string& text() const { return text_; }
    bool editing() const { return editing_; }
    // Takes the keys until Return, Escape or a click elsewhere.
    void startEditing();
    // Whether editing starts with the whole text selected, so typing replaces it.
    void setSelectAllOnEdit(bool on) { selectAllOnEdit_ = on; }
    void draw(CDrawContext& c, const CRect& dirty) override;
    bool onMouseDown(CPoint p, int buttons) override;
    bool onKeyDown(const CKeyEvent& key) override;
    void onFocusLost() override;
    // What a committed edit does; the default reports the value unchanged.
    std::function<void(const std::string&)> onCommit;

  protected:
    void finish(bool commit);
    CTextStyle style_;
    std::string text_, before_;
    size_t caret_ = 0;
    bool editing_ = false;
    bool replaceAll_ = false;
    bool selectAllOnEdit_ = false;
};

// Shows a text in a style; takes no input.
class CParamDisplay : public CControl {
  public:
    CParamDisplay(const CRect& size, int32_t tag, const CTextStyle& style,
                  std::shared_ptr<CBitmap> bitmap = nullptr);
    void setText(const std::string& text);
    const std::string& text() const { return text_; }
    void draw(CDrawContext& c, const CRect& dirty) override;
    bool wantsMouse() const override { return false; }

  protected:
    CTextStyle style_;
    std::string text_;
};

} // namespace tk
