// The editor's controls: the toolkit's controls plus what makes them one wired system —
// values from the engine (set-from-host), link messages between controls, an idle hook per
// timer tick, and the panels that tab and panel buttons and menus show.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/toolkit/ccontrols.h"

namespace tarlix {

// The record controls pass to each other.
struct LinkMessage {
    int32_t type = 0; // kLinkRegister, kLinkValue or kLinkTouched
    int32_t code = 0;
    int64_t reserved = 0;
    float value = 0.0f;
};
constexpr int32_t kLinkRegister = -1;
constexpr int32_t kLinkValue = 0;
constexpr int32_t kLinkTouched = -65536;
// Link entries with this code carry no values.
constexpr int32_t kLinkCodeQuiet = 255;

// What controls ask of the window they live in.
class ControlContext {
  public:
    virtual ~ControlContext() = default;
    // Set while the window is being built: nothing is reported or enforced then.
    virtual bool building() const = 0;
    // Set while radio groups must not switch their members (a whole state is being restored).
    virtual bool radioGroupsSuspended() const = 0;
    // The tag the value display shows (-1: none).
    virtual int lastShownTag() const = 0;
    // Shows a control's value and name in the displays of the parameter last touched.
    virtual void showTouched(int tag, float value) = 0;
    // A user's change to a parameter: begin, automate, end.
    virtual void automate(int tag, float value) = 0;
};

// What every editor control adds to its toolkit class.
class QX_Control {
  public:
    static constexpr int kMaxLinks = 8;

    virtual ~QX_Control() = default;
    // A value from the engine, on the user-interface thread. Out-of-range values and NaN are
    // limited by the control.
    virtual void setFromHost(float value) = 0;
    // A message from a linked control.
    virtual void onLink(const LinkMessage& message);
    // A 16 ms tick, for a control that asked for it (wantIdle); false when it needs no more.
    virtual bool onIdleTick() { return false; }
    // A text the engine wrote for this control (program name) or a bare notice.
    virtual void onNotice(const std::string& text) { (void)text; }

    // A link to a control that receives this one's values (a display keeps its own by code).
    virtual void addLink(QX_Control* target, int32_t code);
    int linkCount() const { return static_cast<int>(links_.size()); }
    // The host parameter a right-click learns: the control's own tag when it is one, else
    // its first link target's; -1 for none.
    int learnTag() const;

    // The editor's list of controls that animate; only those are ticked, so a window where
    // nothing moves costs next to nothing.
    void setIdleList(std::vector<QX_Control*>* list) { idleList_ = list; }
    void wantIdle() {
        if (idleList_ && !idleQueued_) {
            idleQueued_ = true;
            idleList_->push_back(this);
        }
    }
    void idleDone() { idleQueued_ = false; }
    void setContext(ControlContext* context) { context_ = context; }

  protected:
    template <typename F> void forEachLink(F f) const {
        for (const Link& l : links_)
            f(l.target, l.code);
    }
    // Sends the value to every link target whose code carries values; a control that is
    // already sending ignores what comes back.
    void propagate(float value);
    bool propagating_ = false;
    ControlContext* context_ = nullptr;

  private:
    struct Link {
        QX_Control* target;
        int32_t code;
    };
    std::vector<Link> links_;
    std::vector<QX_Control*>* idleList_ = nullptr;
    bool idleQueued_ = false;
};

// Knobs and sliders of every style: a strip of frames; the picture follows the value
// smoothly (0.2 of the way per tick). A drag of 140 pixels up or right covers the range
// (style 6: 420), three times finer with Shift, four times with Control.
class QX_Knob : public tk::CAnimKnob, public QX_Control {
  public:
    static constexpr int kSpringStyle = 1;
    static constexpr int kFourthRootStyle = 6;
    static constexpr int kDetentMoves = 21;

    QX_Knob(const tk::CRect& size, tk::CControlListener* listener, int32_t tag,
            std::shared_ptr<tk::CBitmap> strip, int frames, int style, bool detent = false);
    void setFromHost(float value) override;
    void setValue(float v) override;
    bool onIdleTick() override;
    void onLink(const LinkMessage& message) override;
    bool onMouseDown(tk::CPoint p, int buttons) override;
    void onMouseMoved(tk::CPoint p, int buttons) override;
    void onMouseUp(tk::CPoint p, int buttons) override;
    float shownValue() const { return drawn_; }
    // Shows the value at once (a freshly opened window does not animate).
    void showValueNow() {
        drawn_ = value_;
        setDirty();
    }
    // Where the program's value as loaded is kept (for the double-click); null for none.
    void setLoadedValue(const float* loaded) { loaded_ = loaded; }

  protected:
    float drawnValue() const override;

  private:
    float dragScale(float v) const;
    float drawn_ = 0.0f;
    float lastHost_ = 1.0e24f; // so the first value always counts as new
    const float* loaded_ = nullptr;
    bool spring_ = false, fourthRoot_ = false, detent_ = false;
    bool dragging_ = false, locked_ = false, hold_ = false;
    int detentLeft_ = 0;
    int dragState_ = 0; // buttons and modifiers at the last move
    tk::CPoint dragFrom_, lastAt_;
    float dragFromValue_ = 0.0f;
};

// On/off switches (style 0) and command buttons that are on while held (styles 1 and 2).
class QX_COnOffButton : public tk::COnOffButton, public QX_Control {
  public:
    QX_COnOffButton(const tk::CRect& size, tk::CControlListener* listener, int32_t tag,
                    std::shared_ptr<tk::CBitmap> bitmap, int style);
    void setFromHost(float value) override;
    // A value from a linked control, or a touch that toggles; a change goes to the engine.
    void onLink(const LinkMessage& message) override;
    // Style 0 toggles; styles 1 and 2 press to 1; style 1 goes back to 0 on release.
    bool onMouseDown(tk::CPoint p, int buttons) override;
    void onMouseUp(tk::CPoint p, int buttons) override;

  private:
    int style_;
    bool pressed_ = false;
};

// Holds a multi-state parameter and drives its buttons: a link whose code (bit 15 clear) is
// 40 or less is the button of state `code`; bit 15 set marks a button that mirrors the value;
// codes above 40 are observers that receive the value.
class QX_GUI_Multi_Button_Hub : public tk::CControl, public QX_Control {
  public:
    static constexpr int32_t kMaxStateCode = 40;
    static constexpr int32_t kMirrorBit = 1 << 15;
    QX_GUI_Multi_Button_Hub(tk::CControlListener* listener, int32_t tag);
    void setFromHost(float value) override;
    void onLink(const LinkMessage& message) override;
    bool wantsMouse() const override { return false; }
    int states() const;
    int state() const;
};

// Tab and panel buttons. Mode 0 (tabs): a press turns the button on and its radio fellows
// off. Mode -1 (panel buttons): a press toggles. On shows the button's panels, off hides them.
// Values from linked controls wait for the next tick and for the button to be visible.
class QX_ExclusiveButton : public tk::COnOffButton, public QX_Control {
  public:
    static constexpr int kMaxGroup = 32;
    static constexpr int kMaxPanels = 8;

    QX_ExclusiveButton(const tk::CRect& size, tk::CControlListener* listener, int32_t tag,
                       std::shared_ptr<tk::CBitmap> bitmap, int mode);
    void setFromHost(float value) override;
    void onLink(const LinkMessage& message) override;
    bool onIdleTick() override;
    bool hasPending() const { return pending_; }
    bool onMouseDown(tk::CPoint p, int buttons) override;
    // Only where the bitmap of the current state is not (nearly) transparent.
    bool hitTest(tk::CPoint p) const override;
    void addFellow(QX_ExclusiveButton* other);
    void addPanel(tk::CViewContainer* panel);

  private:
    void showPanels(bool on);
    int mode_;
    bool pending_ = false, redrawAll_ = false;
    float pendingValue_ = 0.0f;
    std::shared_ptr<std::vector<QX_ExclusiveButton*>> group_;
    std::vector<tk::CViewContainer*> panels_;
};

// A menu of the table's options; it may show a panel while a given item is selected.
class QX_COptionsText : public tk::COptionMenu, public QX_Control {
  public:
    QX_COptionsText(const tk::CRect& size, tk::CControlListener* listener, int32_t tag,
                    std::shared_ptr<tk::CBitmap> bitmap, const tk::CTextStyle& style);
    void setFromHost(float value) override;
    void choose(int index) override;
    // Code 100: the next item (after the last the first); 101: the previous one; 54 nothing;
    // any other code selects the item nearest the value.
    void onLink(const LinkMessage& message) override;
    void addPanelLink(tk::CViewContainer* panel, int item);

  private:
    void applyPanels();
    struct PanelLink {
        tk::CViewContainer* panel;
        int item;
    };
    std::vector<PanelLink> panelLinks_;
};

// Holds a value without drawing (stores, hubs, section objects, the image pop-up).
class QX_Store : public tk::CControl, public QX_Control {
  public:
    QX_Store(tk::CControlListener* listener, int32_t tag);
    void setFromHost(float value) override;
    bool wantsMouse() const override { return false; }
};

// A text display: the preset name, the last touched parameter's name or value.
class QX_TextDisplay : public tk::CParamDisplay, public QX_Control {
  public:
    QX_TextDisplay(const tk::CRect& size, int32_t tag, const tk::CTextStyle& style,
                   std::shared_ptr<tk::CBitmap> bitmap);
    void setFromHost(float value) override;
    void onNotice(const std::string& text) override { setText(text); }
};

// The value of the parameter last touched, in its own units ("%4.3f"); a double-click types a
// new value, which reaches the parameter through its taper.
class QX_GlobalNumberDisplay : public tk::CTextEdit, public QX_Control {
  public:
    struct Shown {
        int tag = -1;
        float min = 0.0f, max = 1.0f;
        int taper = 0;
    };
    // What a typed value does: begin, automate, end for the tag.
    std::function<void(int tag, float value)> onTyped;

    QX_GlobalNumberDisplay(const tk::CRect& size, int32_t tag, const tk::CTextStyle& style);
    void setFromHost(float value) override;
    bool onMouseDown(tk::CPoint p, int buttons) override;
    // Shows a parameter's value (not while the user types).
    void show(const Shown& shown, float value);
    void showText(const std::string& text);
    int shownTag() const { return shown_.tag; }

  private:
    void typed(const std::string& text);
    Shown shown_;
};

// The preset name: a press opens the menu of the 128 programs, a right-click renames the
// current program in place.
class QX_GUI_TextOnly : public tk::CTextEdit, public QX_Control {
  public:
    struct Programs {
        std::function<std::vector<std::string>()> names;
        std::function<int()> current;
        std::function<void(int)> select;
        std::function<void(const std::string&)> rename;
    };
    QX_GUI_TextOnly(const tk::CRect& size, int32_t tag, const tk::CTextStyle& style,
                    Programs programs);
    void setFromHost(float value) override;
    void onNotice(const std::string& text) override;
    bool onMouseDown(tk::CPoint p, int buttons) override;

  private:
    Programs programs_;
};

// A text field that holds one of the program's texts.
class QX_CTextEntry : public tk::CTextEdit, public QX_Control {
  public:
    QX_CTextEntry(const tk::CRect& size, tk::CControlListener* listener, int32_t tag,
                  const tk::CTextStyle& style);
    void setFromHost(float value) override;
    void onNotice(const std::string& text) override { setText(text); }
};

} // namespace tarlix
