// The plug-in's editor: builds its 991 x 701 window from the control layout table, keeps it in
// step with the engine, and runs on the host's user-interface thread only. The engine never
// calls it: a 16 ms tick reads parameter values and takes what the audio thread posted.
#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/displays.h"
#include "editor/editor_engine.h"
#include "editor/file_dialog.h"
#include "editor/file_picker.h"
#include "editor/layout_table.h"
#include "editor/qx_controls.h"
#include "editor/toolkit/cframe.h"
#include "editor/toolkit/cvstguitimer.h"
#include "editor/zoom.h"
#include "host/audio_effect.h"
#include "platform/window.h"

namespace tarlix {

class QX_AssignMidiCC;

class QX_GUI_Editor : public vst::GuiEditor,
                      public tk::CControlListener,
                      private ControlContext,
                      private platform::WindowListener {
  public:
    static constexpr int kWidth = 991;
    static constexpr int kHeight = 701;
    static constexpr int kTags = 451;
    static constexpr int kHostParameters = 333;
    // Panel tags run to 81 (the MIDI-learn dialog); room for more.
    static constexpr int kPanels = 128;
    static constexpr double kTooltipDelayMs = 3500.0;

    QX_GUI_Editor(vst::AudioEffect* effect, std::unique_ptr<EditorEngine> engine,
                  const LayoutRecord* table = kLayoutTable, int rowCount = kLayoutRowCount);
    ~QX_GUI_Editor() override;

    // Host side.
    bool getRect(vst::ERect** rect) override;
    bool open(void* parentWindow) override;
    void close() override;
    void idle() override;
    int32_t onKeyDown(int32_t character, int32_t virtualKey, int32_t modifiers) override;
    int32_t onKeyUp(int32_t character, int32_t virtualKey, int32_t modifiers) override;

    // Builds the editor on a frame without a window (tests, pictures).
    bool openOffscreen();
    bool isOpen() const { return frame_ != nullptr; }
    // The zoom the window is shown at, in percent.
    int zoomPercent() const { return zoom_; }

    // A value for the control with that tag, on this thread; nothing without one.
    void setParameter(int tag, float value);
    // One 16 ms timer tick: engine values and notices, control animation, panel slides.
    void tick();

    // Control to editor.
    void valueChanged(tk::CControl* control) override;
    // A right-click on a control: the MIDI-learn panel opens for its parameter. False when
    // the control has no parameter to learn.
    bool rightClickRequest(QX_Control* control, tk::CPoint where);
    struct LearnRequest {
        int tag = -1;
        uint32_t code = 0xFFFFFFFFu;
        tk::CPoint where;
    };
    // The last request, for the MIDI-learn dialog.
    const LearnRequest& learnRequest() const { return learn_; }
    // The MIDI-learn dialog (null while closed, or when the table has none).
    QX_AssignMidiCC* learnDialog() const { return learnDialog_; }
    void beginEdit(int32_t tag) override;
    void endEdit(int32_t tag) override;

    // Read-outs for tests and tools.
    tk::CFrame* frame() const { return frame_.get(); }
    tk::CControl* control(int tag) const;
    tk::CViewContainer* panel(int tag) const;
    bool building() const override { return building_; }
    // While set, radio groups leave their members as they are given (a whole state at once).
    void suspendRadioGroups(bool suspended) { radioSuspended_ = suspended; }
    int rowOfControl(int tag) const { return tag >= 0 && tag < kTags ? controlRow_[tag] : -1; }

  private:
    struct TextStyleState {
        int palette = -1; // no style yet
        int boxWidth = 0, boxHeight = 0;
        int font = 0;
    };
    struct SlideSettings {
        int x = 0, y = 0, mode = 1;
        float speed = 1.0f, fade = 1.0f;
    };
    struct Entry {
        tk::CControl* view = nullptr;
        QX_Control* qx = nullptr;
    };
    struct Sized {
        std::shared_ptr<tk::CBitmap> bitmap;
        int width = 0, height = 0; // of the bitmap, or of its stand-in when it is missing
    };

    bool openWith(void* parentWindow);
    int build(tk::CViewContainer& container, int row);
    void buildControl(tk::CViewContainer& container, const LayoutRecord& r, int row);
    void buildPanel(tk::CViewContainer& container, int& row);
    void applyDirective(const LayoutRecord& r);
    Sized loadBitmap(const char* name);
    tk::CTextStyle textStyle() const;
    void drainEngine();
    // Shows the window at another zoom once the host has made room for it; a host that
    // refuses keeps the window as it is and the stored zoom goes back to match it.
    void applyZoom(int percent);
    bool pressed(tk::CView* view, tk::CPoint where, int buttons);
    // Return assigns and Escape closes the open MIDI-learn dialog.
    bool learnKey(const tk::CKeyEvent& key);
    // ControlContext
    bool radioGroupsSuspended() const override { return radioSuspended_; }
    int lastShownTag() const override;
    void showTouched(int tag, float value) override;
    void automate(int tag, float value) override;
    // WindowListener
    void onPointer(const platform::PointerEvent& e) override;
    bool onKey(const platform::KeyEvent& e) override;
    void onExpose(int x, int y, int w, int h) override;
    void onFocusOut() override;
    void onTimer() override { idle(); } // the window's own tick does the idle work
    platform::PointerShape pointerFor(tk::CPoint p) const;

    std::unique_ptr<EditorEngine> engine_;
    const LayoutRecord* table_;
    int rowCount_;

    std::unique_ptr<tk::CFontSet> fonts_;
    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<tk::CFrame> frame_;
    std::unique_ptr<tk::CTooltipSupport> tooltips_;
    // The system file dialog and the preset panel's picker, while the window is open.
    std::unique_ptr<FileDialog> fileDialog_;
    std::unique_ptr<FilePicker> picker_;
    tk::CVSTGUITimer timer_;
    std::map<std::string, std::shared_ptr<tk::CBitmap>> bitmaps_; // by name, while open

    Entry controls_[kTags];
    int controlRow_[kTags];
    tk::CViewContainer* panels_[kPanels] = {};
    float shown_[kHostParameters] = {};
    float loaded_[kHostParameters] = {};           // as the current program was loaded
    std::vector<int> mailboxTags_;                 // tags 333 and above that have a control
    std::vector<QX_Control*> animating_, ticking_; // controls that asked for the next tick
    QX_Multi_Lev* lastMultiLevel_ = nullptr;
    // The displays of the last touched parameter's value and name.
    QX_GlobalNumberDisplay* valueDisplay_ = nullptr;
    QX_TextDisplay* nameDisplay_ = nullptr;
    QX_AssignMidiCC* learnDialog_ = nullptr;

    // Builder state.
    TextStyleState style_;
    int knobFrames_ = 0;
    std::optional<SlideSettings> slide_;
    LearnRequest learn_;
    bool building_ = false;
    int zoom_ = kZoomLevels[0];
    bool radioSuspended_ = false;
    int buildDepth_ = 0;
    bool inIdle_ = false;
    bool inTick_ = false;
};

// The editor for an engine object, as the library's entry hands it to the host layer.
vst::GuiEditor* createEditor(vst::AudioEffect* effect, std::unique_ptr<EditorEngine> engine);

} // namespace tarlix
